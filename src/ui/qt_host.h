// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window model asks of its surroundings, done with Qt.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string_view>

#include "core/host.h"

namespace zarno::ui {

// The boxes and dialogs the model can open. Each can be replaced, so that a test answers
// them itself instead of waiting for a user; an empty one takes the standard box.
struct HostDialogs {
  std::function<void(const QString&)> message;                // OK box, title "Зарно"
  std::function<void(const QString&)> error;                  // the error box
  std::function<FontSpec(const FontSpec&)> choose_font;       // current font on cancel
  std::function<void(std::string_view page)> open_help_page;  // the help window
};

class QtHost : public Host {
 public:
  QtHost(QWidget* parent, HostDialogs dialogs);

  void ShowMessage(std::u16string_view text) override;
  void ReportError(std::u16string_view text) override;
  std::vector<std::u16string> InstalledFontFamilies() override;
  bool InstallShippedFont() override;
  FontSpec ChooseFont(const FontSpec& current) override;
  void OpenHelpPage(std::string_view page) override;
  // Decided once, when the window is made: see settings/settings_location.h.
  std::string SettingsPath() override { return settings_path_; }

  void SetHelpPageOpener(std::function<void(std::string_view)> open) {
    dialogs_.open_help_page = std::move(open);
  }

 private:
  QPointer<QWidget> parent_;
  HostDialogs dialogs_;
  bool install_tried_ = false;
  std::string settings_path_;
};

}  // namespace zarno::ui
