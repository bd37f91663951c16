// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 28 decimal digit sets: a name, the ten digits (zero plus d), the size of the digit
// buttons and the font group that draws the set.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace zarno {

struct DigitSet {
  std::u16string_view name;  // exact text of Dr10Znak_Name
  char16_t zero;             // digit d is zero + d
  int button_size;           // points
  int group;                 // 1: FontArab1, 2: FontArab2
  std::string_view alias;    // a short Latin name for the command line
  // The names of the CSS counter styles that write decimal numbers with these digits (the
  // style's zero is `zero`), blank-separated; empty when CSS has none.
  std::string_view css_names;
};

// The sets in the order in which a name is looked up.
std::span<const DigitSet> DigitSets();

// The set of that exact name, or nullptr.
const DigitSet* FindDigitSet(std::u16string_view name);
// The set of that command-line alias or CSS counter-style name, or nullptr.
const DigitSet* FindDigitSetByAlias(std::string_view alias);

inline constexpr std::u16string_view kTamilName = u"Тамильские соврем.";
inline constexpr std::u16string_view kArialUnicode = u"Arial Unicode MS";

// The ten digits of a set. Arial Unicode MS has no Tamil zero, so with that font in
// FontArab1 the Latin "o", which looks the same, stands in for it.
std::array<std::u16string, 10> DigitsOf(const DigitSet& set, std::u16string_view font_arab1);

// `text`, digits of `set` as DigitsOf gives them, in standard characters: the Latin "o" that
// stands in for the Tamil zero becomes that zero again.
std::u16string StandardDigitText(const DigitSet& set, std::u16string_view text);

// The rows of the digit-set chooser window.
struct ChooserRow {
  std::u16string_view name;
  std::u16string_view region;  // one or two lines, "\n" between them; may be empty
  int group;
  int digit_height;  // pixels
};
std::span<const ChooserRow> ChooserRows();

// The list texts of the two digit font groups, shown above their font boxes.
inline constexpr std::u16string_view kMemo1Text =
    u"Арабские, арабские восточные, бенгали, гуджарати, гурмукхи, девангари, каннада, лао, "
    u"малаялам, ория (уткали), тайские, тамильские современные, телугу:";
inline constexpr std::u16string_view kMemo2Text =
    u"Тибетские, бирманские, лимбу (яктумба), кхмерские, монгольские, саураштра, ваи, "
    u"НКо(народы манде), кая (Kayah Li), чамские (тямские), ол чики (сантали), лимбу, лепча, "
    u"сунданские, балийские, новый тай лы:";

}  // namespace zarno
