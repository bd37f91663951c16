#pragma once

// Cyrillic and Glagolitic numerals: the plain letter text, its dressing with numeral marks
// and dots, the format of the thousands sign, and reading letters back into a number.

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

// The numeral mark that style 1 sets after one letter.
char16_t MarkAfter(char16_t letter, bool glagolitic);

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
