// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cyrillic and Glagolitic numerals: the plain letter text, its dressing with numeral marks
// and dots, the format of the thousands sign, and reading letters back into a number.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "numerals/keypad_view.h"

namespace zarno {

inline constexpr char16_t kNumeralMark = u'\u0483';
inline constexpr char16_t kThousandsSign = u'\u0482';
inline constexpr char16_t kTenThousandsSign = u'\uE070';
inline constexpr char16_t kHundredThousandsSign = u'\uE085';
inline constexpr char16_t kDot = u'\u2027';
inline constexpr char16_t kLowDot = u'\uE130';

// The glyphs of a Cyrillic or Glagolitic keypad gathered once, to write the letters of many
// numbers: the letter of every digit in every place and the signs, in a table that the
// writing walks. `glagolitic` is any system but Cyrillic (the thousands are then the two
// Glagolitic letters); `style2` is the second way of writing ten and hundred thousands.
// The writer keeps views of the captions: the glyph store must outlive it, unchanged.
class KirilWriter {
 public:
  KirilWriter(const KeypadView& keys, bool glagolitic, bool style2);

  // The most code units that WritePlain writes.
  std::size_t MaxPlain() const { return 12 * std::max<std::size_t>(longest_, 1); }

  // Writes the letters of `sovr` to `out` (room for MaxPlain() units) and gives the end;
  // nullptr when a Glagolitic thousands digit other than 1 or 2 ends the rendering. Seven
  // digits and more write nothing.
  char16_t* WritePlain(std::u16string_view sovr, char16_t* out) const;

 private:
  std::u16string_view Note(std::u16string_view caption);

  bool glagolitic_;
  bool style2_;
  std::size_t longest_ = 0;  // the longest caption noted
  // By digit (0 writes nothing): the letters of units, tens and hundreds; tens and units of
  // the ten and hundred thousands as their boxes choose them; the hundred thousands.
  std::u16string_view unit_[10], ten_[10], hundred_[10];
  std::u16string_view myriad_ten_[10], myriad_unit_[10], hundred_thousand_[10];
  std::u16string_view glagolitic_thousand_[3];
  std::u16string_view sign_, ten_thousands_, hundred_thousands_;
};

// The letters of the number in Sovr, built from the right with the glyphs of the keypad
// captions. `glagolitic` is any system but Cyrillic (the thousands are then the two
// Glagolitic letters); `style2` is the second way of writing ten and hundred thousands.
// nullopt when a Glagolitic thousands digit other than 1 or 2 ends the rendering.
std::optional<std::u16string> RenderKirilPlain(std::u16string_view sovr, const KeypadView& keys,
                                               bool glagolitic, bool style2);

struct DressOptions {
  bool numeral_mark = true;     // IspZarno
  bool dots = false;            // IspTochka
  bool sign_below_line = true;  // TysyashaNizhe
  bool style2 = false;          // Kiril_Old_Tys_Radio2
  bool glagolitic = false;      // GlagolRadio
  int mark_width = 1;           // 1 to 9
  char16_t thousands_sign = kThousandsSign;
  // Value of Sovr if it fits 32 bits; the second style puts a leading dot below 9999.
  std::optional<std::int64_t> value;
};

struct Dressed {
  std::u16string kiril;  // what the output shows
  std::u16string zarno;  // the caption of the Zarno button
};

// The numeral mark style that follows `width` (9 is followed by 1).
constexpr int NextMarkWidth(int width) { return width >= 9 ? 1 : width + 1; }

// Dresses the plain text. The caption of Zarno previews exactly what a click on it will
// show: the text in the next mark style (or the text itself without numeral marks).
Dressed DecorateKiril(std::u16string_view plain, const DressOptions& options);

// The room that WriteDressed needs for a plain text of n code units.
constexpr std::size_t DressRoom(std::size_t n) { return 10 * n + 4; }

// Dresses the plain text for the output alone, without the preview of Zarno, in `room`
// (DressRoom(plain.size()) units); the text given lies in `room`.
std::u16string_view WriteDressed(std::u16string_view plain, const DressOptions& options,
                                 char16_t* room);

// The numeral mark that style 1 sets after one letter.
char16_t MarkAfter(char16_t letter, bool glagolitic);

// The number a key of the Cyrillic or Glagolitic keypad adds to Sovr: its value, or that value
// times a thousand, ten thousand or a hundred thousand while that panel is pressed.
std::optional<std::uint64_t> KirilKeyValue(std::uint32_t value, const KeypadView& keys);

// Character formats of the thousands signs of `text`: lowered, and smaller for fonts other
// than our own. Sizes in points, results in twips.
struct SignFormat {
  int position;
  std::optional<int> height_twips;
  int offset_twips;
};
// The format of one thousands sign; its position is left 0.
SignFormat ThousandsSignFormat(int font_points, bool shipped_font, bool below_line);
std::vector<SignFormat> ThousandsSignFormats(std::u16string_view text, char16_t sign,
                                             int font_points, bool shipped_font, bool below_line);

// The value of the letters of `text`, read from the right; a letter preceded by the
// thousands sign counts a thousand times. Characters that are no letter of the keypad add
// nothing. With `myriad_signs` a letter followed by the ten- or hundred-thousands sign
// counts ten or a hundred thousand times (the second style of writing).
std::int64_t ReadKirilValue(std::u16string_view text, const KeypadView& keys,
                            bool myriad_signs = false);

// For the command line: the number a Cyrillic or Glagolitic text stands for, read with the
// letters of that keypad (both ways of writing ten and hundred thousands), in our font's
// characters or in the standard form of KirilToStandard; dots carry no value, also between a
// thousands sign and its letter, and so do the marks. nullopt when the text has no letter or a
// character that is no letter, mark, dot or sign of the system.
std::optional<std::int64_t> ReadKirilText(std::u16string_view text, bool glagolitic);

// The numeral in standard Unicode, for documents without our font. The marks of our font
// become U+0483 COMBINING CYRILLIC TITLO: in mark style 1 where they stand, after each
// letter; in the styles 2 to 9, which set one mark over the whole number, one titlo over the
// last but one letter (never over the thousands sign), where Church Slavonic typesetting
// places the titlo of a number. The ten- and hundred-thousands signs become U+20DD and U+0488, the
// low dot after the thousands sign a full stop, and the older letter forms their standard letters
// (ꙃ, ꙁ, ѯ, ч, ц, the Glagolitic ⱇ). Every other character is kept.
std::u16string KirilToStandard(std::u16string_view text, int mark_width);

}  // namespace zarno
