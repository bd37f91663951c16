// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_host.h"

#include <QFontDialog>
#include <QMessageBox>

#include "settings/settings_location.h"
#include "ui/process_fonts.h"
#include "ui/qt_text.h"

namespace zarno::ui {
namespace {

const QString kTitle = QStringLiteral("Зарно");

}  // namespace

QtHost::QtHost(QWidget* parent, HostDialogs dialogs)
    : parent_(parent),
      dialogs_(std::move(dialogs)),
      settings_path_(SettingsFileLocationOfThisProcess().value_or("").string()) {
  if (!dialogs_.message) {
    dialogs_.message = [this](const QString& text) {
      QMessageBox::information(parent_, kTitle, text, QMessageBox::Ok);
    };
  }
  if (!dialogs_.error) {
    dialogs_.error = [this](const QString& text) {
      QMessageBox::critical(parent_, kTitle, text, QMessageBox::Ok);
    };
  }
  if (!dialogs_.choose_font) {
    dialogs_.choose_font = [this](const FontSpec& current) {
      QFont initial(ToQ(current.family));
      if (current.size > 0) initial.setPointSize(current.size);
      initial.setBold(current.bold);
      initial.setItalic(current.italic);
      bool ok = false;
      const QFont chosen = QFontDialog::getFont(&ok, initial, parent_, kTitle);
      if (!ok) return current;
      // The dialog has no colour: the text keeps its own.
      return FontSpec{FromQ(chosen.family()), chosen.pointSize(), current.color, chosen.bold(),
                      chosen.italic()};
    };
  }
}

void QtHost::ShowMessage(std::u16string_view text) { dialogs_.message(ToQ(text)); }

void QtHost::ReportError(std::u16string_view text) { dialogs_.error(ToQ(text)); }

std::vector<std::u16string> QtHost::InstalledFontFamilies() {
  std::vector<std::u16string> list;
  for (const QString& family : FontFamiliesForLists(install_tried_)) list.push_back(FromQ(family));
  return list;
}

bool QtHost::InstallShippedFont() {
  install_tried_ = true;
  return InstallShippedFontForUser();
}

FontSpec QtHost::ChooseFont(const FontSpec& current) { return dialogs_.choose_font(current); }

void QtHost::OpenHelpPage(std::string_view page) {
  if (dialogs_.open_help_page) dialogs_.open_help_page(page);
}

}  // namespace zarno::ui
