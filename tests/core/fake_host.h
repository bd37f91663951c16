// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A host for the window model in tests: records messages and errors, offers a given font
// list, keeps its settings file in a temporary folder of its own.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/main_window_model.h"
#include "support/temp_dir.h"

namespace zarno::testing {

class FakeHost : public Host {
 public:
  void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
  void ReportError(std::u16string_view text) override { errors.emplace_back(text); }
  std::vector<std::u16string> InstalledFontFamilies() override {
    ++font_list_requests;
    return fonts;
  }
  FontSpec ChooseFont(const FontSpec& current) override {
    return dialog_answer ? *dialog_answer : current;
  }
  void OpenHelpPage(std::string_view page) override { help_pages.emplace_back(page); }
  std::string SettingsPath() override {
    return settings_path ? *settings_path : (dir.path() / "Zarno.ini").string();
  }

  TempDir dir;
  std::optional<std::string> settings_path;  // elsewhere than in `dir`
  std::vector<std::u16string> fonts = {u"AR PL UMing CN", u"DejaVu Sans", u"FreeMono",
                                       u"FreeSans",       u"FreeSerif",   u"Kolvana+"};
  std::optional<FontSpec> dialog_answer;
  std::vector<std::u16string> messages;
  std::vector<std::u16string> errors;
  std::vector<std::string> help_pages;
  int font_list_requests = 0;
};

// A window as it stands after start-up, settings file and all.
struct Window {
  FakeHost host;
  MainWindowModel model{host};
  Window() { model.FormCreate(); }
  void Type(std::u16string_view text) { model.SetText(Ctl::Sovr, text); }
  void Click(Ctl c) { model.Click(c); }
};

}  // namespace zarno::testing
