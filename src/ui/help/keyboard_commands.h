// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard commands of the main window, as the text about the program lists them. The
// window binds the same keys (main_window.cpp); a test holds the two, and the man page, to
// each other.
#include <array>
#include <string_view>

namespace zarno::ui {

struct KeyboardCommand {
  std::string_view keys;  // as QKeySequence writes them in its portable text
  std::string_view what;  // UTF-8
};

inline constexpr std::array<KeyboardCommand, 6> kKeyboardCommands = {{
    {"Ctrl+C",
     "скопировать выделенное в поле записи числа или в строке цифр, а если ничего не "
     "выделено, всю запись числа"},
    {"Ctrl+Shift+C", "скопировать так же, но в стандартном Юникоде, без знаков шрифта Kolvana+"},
    {"Esc", "очистить, как кнопка «Очистить»"},
    {"F1", "справка о выбранной системе"},
    {"Alt+1 … Alt+0",
     "выбрать систему: 1 — кириллица, 2 — глаголица, 3 — римские, "
     "4 — китайские, 5 — армянские, 6 — грузинские, 7 — греческие ионические, "
     "8 — греческие аттические, 9 — майя, 0 — иудейские"},
    {"Tab", "к следующему полю, кнопке или флажку: число, записи, системы, клавиатура, цифры"},
}};

}  // namespace zarno::ui
