// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One row per numeral system: what the rest of the program asks about a system is looked up
// here instead of being switched over in every routine. What is truly different about a system
// stays in its numeral unit (src/numerals), in its keypad layout (src/keypads) and in the
// routines of the window model that the row names. A new system is one numeral unit, one
// keypad table and one row.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/controls.h"
#include "core/main_window_model.h"
#include "keypads/layout.h"
#include "numerals/writers.h"

namespace zarno {

// What a switch to the system does to the Hebrew final-letter option (Ispolzovat): Hebrew turns
// it on and then off, which leaves the final-letter keys disabled; the other systems turn it off
// and then on; the Chinese and Maya switches leave it as it is.
// The rule itself lives with the other window rules of Hebrew, in core/hebrew_options.cpp.
enum class FinalLettersOnSwitch : std::uint8_t { kLeft, kOffAndDisabled, kOffAndEnabled };

// Whether the system writes Slavonic letters with the numeral mark and the thousands signs
// (RenderKiril, and the Slavonic options of the keypad), and in which script.
enum class SlavonicScript : std::uint8_t { kNone, kCyrillic, kGlagolitic };

struct NumeralSystemRow {
  NumeralSystem system;
  Ctl radio;  // its radio button; the view and replay know the system by this name
  std::u16string_view radio_caption;
  Ctl font_box;               // the combo box of its font
  std::int64_t limit;         // the largest number it writes
  std::string_view cli_name;  // the name zarno-cli takes besides the radio button's
  // The CSS counter styles that write numbers as this system does, separated by blanks;
  // zarno-cli takes them too.
  std::string_view css_names;
  // The help page F1 opens; the Georgian numerals have none, and F1 shows the page on fonts,
  // which says what draws them.
  std::string_view help_page;
  // What a change of Sovr runs to draw the number: RenderNumeral, which draws what `numeral`
  // gives, for the systems whose window does nothing besides.
  void (MainWindowModel::*render)();
  // The unit's rendering of Sovr with the keypad's glyphs and boxes; nullptr for the systems
  // whose render member does more (Cyrillic and Glagolitic dress the letters, Chinese keeps
  // the plain text).
  std::u16string (*numeral)(std::u16string_view sovr, const KeypadView& keys);
  // The steps of the Slavonic systems' radio buttons, which differ from the common switch
  // (SystemClick); nullptr for the systems that take the common one.
  void (MainWindowModel::*own_switch)();
  SlavonicScript slavonic;
  // The writer of zarno-cli convert, made once for the glyphs and boxes of a window and its
  // mark style: it writes what `render` draws.
  NumeralWriter (*writer)(const KeypadView& keys, int mark_width);

  // ---- The common switch (SystemClick) and the keypad
  // The controls its keypad shows, and where.
  std::span<const Placement> (*layout)();
  // The glyphs its keys take; nullptr for the Slavonic systems, whose switches write their own.
  void (*key_captions)(ControlStates& controls);
  bool releases_thousands;  // the thousands panel is released before the layout
  bool releases_myriad;     // the myriad panel is released after it
  FinalLettersOnSwitch final_letters;
  Rect output_place;           // the shape of the output field
  int key_points;              // the size of the key glyphs
  int key_points_in_our_font;  // ... while the output is drawn in our font
  int myriad_points;           // the size of the myriad panels' glyphs; 0 for that of the keys

  // ---- Keys
  // What a pressed key does: adds its value to Sovr, or appends its sign to the output, which
  // is then read back.
  void (MainWindowModel::*press_key)(std::uint32_t value, Ctl key);
  // The number a key adds with the panels pressed; nullptr when it adds its value as it is.
  std::optional<std::uint64_t> (*key_value)(std::uint32_t value, const KeypadView& keys);
  // What draws the output after a key has added to Sovr.
  void (MainWindowModel::*render_after_key)();
  // What a press of the thousands panel (Tysyasha) does while it is up; nullptr for the
  // systems whose keypad has no such panel. A press while it is down releases it in every
  // system.
  void (MainWindowModel::*thousands_panel)();
  // What redraws the output when a box of three glyph variants changes; nullptr for the
  // systems whose keys have no variants.
  void (MainWindowModel::*redraw_variants)();
  // ... and when a box of a pair changes (Chinese draws its signs anew without reading them).
  void (MainWindowModel::*redraw_pair_variants)();
  // What redraws the output in a new size or colour.
  void (MainWindowModel::*redraw)();
};

// Every system, in the order of NumeralSystem.
std::span<const NumeralSystemRow> NumeralSystems();
const NumeralSystemRow& RowOf(NumeralSystem system);
// The system whose radio button is selected among `keys` (Cyrillic when none is).
NumeralSystem SystemOf(const KeypadView& keys);
// The system whose radio button this is, if it is one.
std::optional<NumeralSystem> SystemOfRadio(Ctl radio);
// The system of a font box other than the two digit-font boxes.
NumeralSystem SystemOfFontBox(Ctl box);

inline Ctl RadioOf(NumeralSystem s) { return RowOf(s).radio; }
inline Ctl FontBoxOf(NumeralSystem s) { return RowOf(s).font_box; }
inline std::int64_t LimitOf(NumeralSystem s) { return RowOf(s).limit; }
inline bool IsSlavonic(NumeralSystem s) { return RowOf(s).slavonic != SlavonicScript::kNone; }
inline bool IsGlagolitic(NumeralSystem s) {
  return RowOf(s).slavonic == SlavonicScript::kGlagolitic;
}

}  // namespace zarno
