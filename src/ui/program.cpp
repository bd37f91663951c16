// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include "ui/help/main_menu.h"
#include "ui/process_fonts.h"

namespace zarno::ui {

ProgramWindows CreateProgramWindows(HostDialogs dialogs) {
  // Our signs must draw from the first paint on, installed or not.
  LoadShippedFontForProcess();
  ProgramWindows windows;
  const bool help_replaced = static_cast<bool>(dialogs.open_help_page);
  windows.main = std::make_unique<MainWindow>(std::move(dialogs));
  MainWindow* main = windows.main.get();
  // The help window is a window of its own, kept hidden until a page is opened.
  windows.help = std::make_unique<HelpWindow>();
  HelpWindow* help = windows.help.get();
  help->setAttribute(Qt::WA_QuitOnClose, false);
  if (!help_replaced) {
    main->Host().SetHelpPageOpener([help](std::string_view page) { help->OpenPage(page); });
  }
  InstallMainMenu(
      main, help, [main] { main->close(); }, [main] { main->SystemHelpCommand(); });
  windows.chooser = std::make_unique<Dr10ZnakWindow>();
  main->AttachChooser(windows.chooser.get());
  return windows;
}

}  // namespace zarno::ui
