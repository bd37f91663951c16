// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows of the program, created in the order the program always had: the main window
// (the application's main window; closing it ends the program), the help window, the
// digit-set chooser.
#include <memory>

#include "ui/chooser_window.h"
#include "ui/help/help_window.h"
#include "ui/main_window.h"

namespace zarno::ui {

struct ProgramWindows {
  std::unique_ptr<MainWindow> main;
  std::unique_ptr<HelpWindow> help;
  std::unique_ptr<Dr10ZnakWindow> chooser;
};

// Loads our font for this process, then creates the windows; `dialogs` replaces the boxes.
// "Выход" in the menu closes the main window, which saves the settings.
ProgramWindows CreateProgramWindows(HostDialogs dialogs = {});

}  // namespace zarno::ui
