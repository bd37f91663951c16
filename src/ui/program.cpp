// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include "ui/help/main_menu.h"
#include "ui/process_fonts.h"

namespace zarno::ui {

void HelpOnDemand::OpenPage(std::string_view page) {
  if (window_ == nullptr) {
    // A window of its own: closing it never ends the program.
    window_ = std::make_unique<HelpWindow>();
    window_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  window_->OpenPage(page);
}

ProgramWindows CreateProgramWindows(HostDialogs dialogs) {
  // Our signs must draw from the first paint on, installed or not.
  LoadShippedFontForProcess();
  ProgramWindows windows;
  const bool help_replaced = static_cast<bool>(dialogs.open_help_page);
  windows.main = std::make_unique<MainWindow>(std::move(dialogs));
  MainWindow* main = windows.main.get();
  windows.help = std::make_unique<HelpOnDemand>();
  HelpOnDemand* help = windows.help.get();
  const auto open_page = [help](std::string_view page) { help->OpenPage(page); };
  if (!help_replaced) main->Host().SetHelpPageOpener(open_page);
  InstallMainMenu(
      main, open_page, [main] { main->close(); }, [main] { main->SystemHelpCommand(); });
  return windows;
}

}  // namespace zarno::ui
