// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows of the program: the main window (the application's main window; closing it ends
// the program), made at once, and the help window and the digit-set chooser, each made the first
// time it is wanted, so that the main window appears without waiting for them.
#include <memory>
#include <string_view>

#include "ui/chooser_window.h"
#include "ui/help/help_window.h"
#include "ui/main_window.h"

namespace zarno::ui {

// The one help window of the program: made, hidden, when the first page is opened, and kept
// for the whole run.
class HelpOnDemand {
 public:
  void OpenPage(std::string_view page);
  // Null until the first page is opened.
  HelpWindow* Window() const { return window_.get(); }

 private:
  std::unique_ptr<HelpWindow> window_;
};

struct ProgramWindows {
  std::unique_ptr<MainWindow> main;  // its chooser is main->Chooser()
  std::unique_ptr<HelpOnDemand> help;
};

// Loads our font for this process, then creates the main window; `dialogs` replaces the boxes.
// "Выход" in the menu closes the main window, which saves the settings.
ProgramWindows CreateProgramWindows(HostDialogs dialogs = {});

}  // namespace zarno::ui
