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
#include "numerals/text_table.h"

namespace zarno {

inline constexpr char16_t kNumeralMark = u'\u0483';
inline constexpr char16_t kThousandsSign = u'\u0482';
inline constexpr char16_t kTenThousandsSign = u'\uE070';
inline constexpr char16_t kHundredThousandsSign = u'\uE085';
inline constexpr char16_t kDot = u'\u2027';
inline constexpr char16_t kLowDot = u'\uE130';

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

// Writes Cyrillic or Glagolitic numerals from a table made once for the glyphs of a keypad:
// the letters of every digit in every place, with the signs of the thousands, bare and (for a
// writer that dresses them) with the numeral marks of style 1. `glagolitic` is any system but
// Cyrillic (the thousands are then the two Glagolitic letters); `style2` is the second way of
// writing ten and hundred thousands. The writer keeps no view of the keypad.
class KirilWriter {
 public:
  // A writer of the letters alone (WritePlain).
  KirilWriter(const KeypadView& keys, bool glagolitic, bool style2);
  // A writer that also dresses them as `dress` asks (Write). Its value is not read: Write
  // takes it from the number.
  KirilWriter(const KeypadView& keys, bool glagolitic, bool style2, const DressOptions& dress);

  // The room that WritePlain and Write need at `out`.
  std::size_t Room() const { return room_; }

  // Writes the letters of `sovr` and gives the end; nullptr when a Glagolitic thousands digit
  // other than 1 or 2 ends the rendering. Seven digits and more write nothing.
  char16_t* WritePlain(std::u16string_view sovr, char16_t* out) const;

  // Writes the numeral of `sovr` as the output shows it, in UTF-16 or UTF-8 (kUtf8PerUnit
  // bytes of room a unit): the letters dressed as WriteDressed dresses them (a writer of the
  // letters alone dresses them as DressOptions does by default, the slow way). nullptr as for
  // WritePlain.
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  // The dressed letters of two places for their two digits.
  struct Piece {
    TextTable::Text text;
    bool opens_with_sign = false;  // begins with a sign that takes the mark off the letter before
    // The length of the mark set after its last letter, in UTF-16 and UTF-8 (0 for none).
    std::uint8_t mark_units = 0;
    std::uint8_t mark_bytes = 0;
  };
  void FillPlain(const KeypadView& keys);
  // The pairs of places in their dress, when it is no more than the marks of style 1.
  void FillPairs();
  bool Ends(std::u16string_view sovr) const;
  template <typename Char>
  Char* WritePairs(std::u16string_view sovr, Char* out) const;

  bool glagolitic_;
  bool style2_;
  DressOptions dress_;
  TextTable table_;
  // The bare letters (with the signs of the thousands) by place (0 for the units), form and
  // digit. The second form is that of the units after a ten (the teens), and of the ten
  // thousands of the second style below hundred thousands (after a space); the other places
  // read the same in both.
  TextTable::Text places_[6][2][10];
  // The dressed letters by pair of places (0 for the tens and units), form and the two
  // digits; the second form is that of the ten thousands below hundred thousands.
  Piece pairs_[3][2][100];
  bool paired_ = false;            // the pairs are filled
  std::size_t longest_plain_ = 0;  // the longest letters WritePlain writes
  std::size_t room_ = 0;
};

// The numeral mark that style 1 sets after one letter.
char16_t MarkAfter(char16_t letter, bool glagolitic);

// The number a key of the Cyrillic or Glagolitic keypad adds to Sovr: its value, or that value
// times a thousand, ten thousand or a hundred thousand while that panel is pressed.
std::optional<std::uint64_t> KirilKeyValue(std::uint32_t value, const KeypadView& keys);

// Character formats of the thousands signs of `text`: lowered, and smaller for fonts other
// than our own. Sizes in points, results in twips.
struct SignFormat {
  int position = 0;
  std::optional<int> height_twips;
  int offset_twips = 0;
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
