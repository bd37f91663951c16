// SPDX-License-Identifier: GPL-3.0-or-later
#include "digits/digit_sets.h"

#include <algorithm>

namespace zarno {
namespace {

constexpr DigitSet kSets[] = {
    {u"Арабские", u'\u0660', 20, 1, "arabic", "arabic-indic"},
    {u"Арабские восточные", u'\u06F0', 20, 1, "eastern-arabic", "persian"},
    {u"Бенгали", u'\u09E6', 16, 1, "bengali", "bengali"},
    {u"Гуджарати", u'\u0AE6', 16, 1, "gujarati", "gujarati"},
    {u"Гурмукхи", u'\u0A66', 16, 1, "gurmukhi", "gurmukhi"},
    {u"Девангари", u'\u0966', 16, 1, "devanagari", "devanagari"},
    {u"Саураштра", u'\uA8D0', 26, 2, "saurashtra", ""},
    {u"Каннада", u'\u0CE6', 18, 1, "kannada", "kannada"},
    {u"Лао", u'\u0ED0', 16, 1, "lao", "lao"},
    {u"Малаялам", u'\u0D66', 16, 1, "malayalam", "malayalam"},
    {u"Ория (уткали)", u'\u0B66', 16, 1, "oriya", "oriya"},
    {u"Тайские", u'\u0E50', 18, 1, "thai", "thai"},
    {u"Телугу", u'\u0C66', 16, 1, "telugu", "telugu"},
    {u"Кхмерские", u'\u17E0', 20, 2, "khmer", "cambodian khmer"},
    {u"Лимбу (яктумба)", u'\u1946', 22, 2, "limbu", ""},
    {u"Бирманские", u'\u1040', 18, 2, "myanmar", "myanmar"},
    {kTamilName, u'\u0BE6', 16, 1, "tamil", "tamil"},
    {u"Тибетские", u'\u0F20', 22, 2, "tibetan", "tibetan"},
    {u"Монгольские", u'\u1810', 24, 2, "mongolian", "mongolian"},
    {u"Ол чики (сантали)", u'\u1C50', 24, 2, "ol-chiki", ""},
    {u"Чамские (тямские)", u'\uAA50', 24, 2, "cham", ""},
    {u"Кая (Kayah Li)", u'\uA900', 20, 2, "kayah-li", ""},
    {u"НКо (народы манде)", u'\u07C0', 24, 2, "nko", ""},
    {u"Лепча", u'\u1C40', 24, 2, "lepcha", ""},
    {u"Балийские", u'\u1B50', 24, 2, "balinese", ""},
    {u"Сунданские", u'\u1BB0', 24, 2, "sundanese", ""},
    {u"новый тай лы/new tai lue", u'\u19D0', 24, 2, "new-tai-lue", ""},
    {u"Ваи", u'\uA620', 24, 2, "vai", ""},
};

constexpr ChooserRow kRows[] = {
    {u"Арабские", u"", 1, 24},
    {u"Арабские восточные", u"", 1, 24},
    {u"Лао", u"Лаос", 1, 21},
    {u"Тайские", u"Таиланд", 1, 24},
    {u"Кхмерские", u"Камбоджа", 2, 24},
    {u"Чамские (тямские)", u"Индокитай", 2, 32},
    {u"Бенгали", u"Бангладеш", 1, 24},
    {u"Малаялам", u"Индия", 1, 21},
    {kTamilName, u"Индия", 1, 24},
    {u"Каннада", u"Индия", 1, 24},
    {u"Ория (уткали)", u"Индия", 1, 24},
    {u"Телугу", u"Индия", 1, 24},
    {u"Саураштра", u"Индия", 2, 29},
    {u"Гуджарати", u"Индия", 1, 24},
    {u"Девангари", u"Индия", 1, 24},
    {u"Гурмукхи", u"Индия", 1, 24},
    {u"Ол чики (сантали)", u"Индия", 2, 32},
    {u"Тибетские", u"", 1, 29},
    {u"Тибетские", u"", 2, 27},
    {u"Лепча", u"Восточный\nНепал", 2, 31},
    {u"Бирманские", u"Мьянма\n(Бирма)", 2, 24},
    {u"новый тай лы/new tai lue", u"Китай", 2, 29},
    {u"Лимбу (яктумба)", u"Непал", 2, 27},
    {u"Монгольские", u"Монголия", 2, 27},
    {u"Кая (Kayah Li)", u"Таиланд,\nБирма", 2, 27},
    {u"НКо (народы манде)", u"Гвинея,\nКот-д’Ивуар", 2, 28},
    {u"Ваи", u"Либерия", 2, 31},
    {u"Балийские", u"Индонезия", 2, 29},
    {u"Сунданские", u"Индонезия", 2, 29},
};

}  // namespace

std::span<const DigitSet> DigitSets() { return kSets; }

const DigitSet* FindDigitSet(std::u16string_view name) {
  for (const DigitSet& set : kSets) {
    if (set.name == name) return &set;
  }
  return nullptr;
}

const DigitSet* FindDigitSetByAlias(std::string_view alias) {
  for (const DigitSet& set : kSets) {
    if (set.alias == alias) return &set;
  }
  for (const DigitSet& set : kSets) {
    for (std::string_view names = set.css_names; !names.empty();) {
      const auto blank = names.find(' ');
      if (names.substr(0, blank) == alias) return &set;
      names = blank == names.npos ? std::string_view() : names.substr(blank + 1);
    }
  }
  return nullptr;
}

std::array<std::u16string, 10> DigitsOf(const DigitSet& set, std::u16string_view font_arab1) {
  // Arial Unicode MS has no Tamil zero: a Latin o stands in for it.
  const bool latin_zero = set.name == kTamilName && font_arab1 == kArialUnicode;
  std::array<std::u16string, 10> digits;
  for (int d = 0; d < 10; ++d) {
    const auto digit = static_cast<char16_t>(set.zero + d);
    digits[d].assign(1, d == 0 && latin_zero ? u'o' : digit);
  }
  return digits;
}

std::u16string StandardDigitText(const DigitSet& set, std::u16string_view text) {
  std::u16string standard(text);
  if (set.name == kTamilName) std::replace(standard.begin(), standard.end(), u'o', set.zero);
  return standard;
}

std::span<const ChooserRow> ChooserRows() { return kRows; }

}  // namespace zarno
