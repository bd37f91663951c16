// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One row per numeral system: what the rest of the program asks about a system is looked up
// here instead of being switched over in every routine. What is truly different about a system
// stays in its numeral unit (src/numerals) and in its keypad layout (src/keypads).
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/controls.h"
#include "core/main_window_model.h"

namespace zarno {

// What a switch to the system does to the Hebrew final-letter option (Ispolzovat): Hebrew turns
// it on and then off, which leaves the final-letter keys disabled; the other systems turn it off
// and then on; the Chinese and Maya switches leave it as it is.
enum class FinalLettersOnSwitch : std::uint8_t { kLeft, kOffAndDisabled, kOffAndEnabled };

struct NumeralSystemRow {
  NumeralSystem system;
  Ctl radio;                  // its radio button; the view and replay know the system by this name
  Ctl font_box;               // the combo box of its font
  std::int64_t limit;         // the largest number it writes
  std::string_view cli_name;  // the name zarno-cli takes besides the radio button's
  // The help page F1 opens; the Georgian numerals have none, and F1 shows the page on fonts,
  // which says what draws them.
  std::string_view help_page;
  // What a change of Sovr runs to draw the number.
  void (MainWindowModel::*render)();
  // The steps of the Slavonic systems' radio buttons, which differ from the common switch
  // (SystemClick); nullptr for the systems that take the common one.
  void (MainWindowModel::*own_switch)();

  // ---- The common switch (SystemClick) and the keypad
  // The glyphs its keys take; nullptr for the Slavonic systems, whose switches write their own.
  void (*key_captions)(ControlStates& controls);
  bool releases_thousands;  // the thousands panel is released before the layout
  bool releases_myriad;     // the myriad panel is released after it
  FinalLettersOnSwitch final_letters;
  Rect output_place;           // the shape of the output field
  int key_points;              // the size of the key glyphs
  int key_points_in_our_font;  // ... while the output is drawn in our font

  // ---- Keys
  // What a pressed key does: adds its value to Sovr, or appends its sign to the output, which
  // is then read back.
  void (MainWindowModel::*press_key)(std::uint32_t value, Ctl key);
  // The number a key adds with the panels pressed; nullptr when it adds its value as it is.
  std::optional<std::uint64_t> (*key_value)(std::uint32_t value, const KeypadView& keys);
  // What draws the output after a key has added to Sovr.
  void (MainWindowModel::*render_after_key)();
  // What redraws the output when a glyph variant box changes; nullptr for the systems whose
  // keys have no variants.
  void (MainWindowModel::*redraw_variants)();
  // What redraws the output in a new size or colour.
  void (MainWindowModel::*redraw)();
};

// Every system, in the order of NumeralSystem.
std::span<const NumeralSystemRow> NumeralSystems();
const NumeralSystemRow& RowOf(NumeralSystem system);
// The system whose radio button this is, if it is one.
std::optional<NumeralSystem> SystemOfRadio(Ctl radio);
// The system of a font box other than the two digit-font boxes.
NumeralSystem SystemOfFontBox(Ctl box);

inline Ctl RadioOf(NumeralSystem s) { return RowOf(s).radio; }
inline Ctl FontBoxOf(NumeralSystem s) { return RowOf(s).font_box; }
inline std::int64_t LimitOf(NumeralSystem s) { return RowOf(s).limit; }

}  // namespace zarno
