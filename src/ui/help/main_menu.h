// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main menu of the main window: "О шрифтах", the submenu "Справка" with one entry per
// help page, and "Выход", each with an access letter. Each action is named after its handler
// (N1, N3, ...), the submenu is named Fonts. The window puts its own menu "Правка" before them.

#include <functional>
#include <string_view>

class QMainWindow;

namespace zarno::ui {

class HelpWindow;

// Fills the menu bar of `window`. The help entries open their pages in `help`; "Выход"
// calls `on_exit`, whose owner saves the settings and ends the program. With `on_system_help`,
// the submenu ends with "О выбранной системе" (F1), which calls it.
void InstallMainMenu(QMainWindow* window, HelpWindow* help, std::function<void()> on_exit,
                     std::function<void()> on_system_help = {});
// The same, with the help entries calling `open_page` with their page (a help window that is
// made when the first page is opened).
void InstallMainMenu(QMainWindow* window, std::function<void(std::string_view page)> open_page,
                     std::function<void()> on_exit, std::function<void()> on_system_help = {});

}  // namespace zarno::ui
