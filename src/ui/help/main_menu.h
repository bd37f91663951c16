#pragma once

// The main menu of the main window: "О шрифтах", the submenu "Справка" with one entry per
// help page, and "Выход". Each action is named after its handler (N1, N3, ...), the submenu
// is named Fonts.

#include <functional>

class QMainWindow;

namespace zarno::ui {

class HelpWindow;

// Fills the menu bar of `window`. The help entries open their pages in `help`; "Выход"
// calls `on_exit`, whose owner saves the settings and ends the program.
void InstallMainMenu(QMainWindow* window, HelpWindow* help, std::function<void()> on_exit);

}  // namespace zarno::ui
