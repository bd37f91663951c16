// SPDX-License-Identifier: GPL-3.0-or-later
// The numeral writers: the table they walk, and what they write under every choice of boxes,
// read back by the readers or set beside the window's dressing.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/number.h"
#include "numerals/armenian_georgian.h"
#include "numerals/captions.h"
#include "numerals/chinese.h"
#include "numerals/glyph_store.h"
#include "numerals/greek_attic.h"
#include "numerals/greek_ionic.h"
#include "numerals/hebrew.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"
#include "numerals/text_table.h"
#include "support/u16_print.h"

namespace zarno {
namespace {

using testing::CodePoints;
using testing::GlyphStore;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kThinning = 13;  // sanitized builds try every 13th number of a whole range
#else
constexpr int kThinning = 1;
#endif

// What a writer writes, as a string.
template <typename Writer>
std::u16string Written(const Writer& writer, std::u16string_view sovr) {
  std::u16string room(writer.Room(), u'\0');
  const char16_t* end = writer.Write(sovr, room.data());
  return end ? room.substr(0, static_cast<std::size_t>(end - room.data())) : u"<none>";
}
template <typename Writer>
std::string WrittenUtf8(const Writer& writer, std::u16string_view sovr) {
  std::string room(kUtf8PerUnit * writer.Room(), '\0');
  const char* end = writer.Write(sovr, room.data());
  return end ? room.substr(0, static_cast<std::size_t>(end - room.data())) : "<none>";
}

// The writers of every system that has one, each made for the glyphs and boxes of `store`,
// behind one face for the tests.
struct AnyWriter {
  std::function<std::u16string(std::u16string_view)> utf16;
  std::function<std::string(std::u16string_view)> utf8;
  std::string name;
};
template <typename Writer>
AnyWriter Wrap(std::shared_ptr<Writer> writer, std::string name) {
  return {[writer](std::u16string_view s) { return Written(*writer, s); },
          [writer](std::u16string_view s) { return WrittenUtf8(*writer, s); }, std::move(name)};
}
std::vector<AnyWriter> EveryWriter(const KeypadView& keys) {
  DressOptions marks;
  return {Wrap(std::make_shared<RimWriter>(keys), "roman"),
          Wrap(std::make_shared<KitayWriter>(keys), "chinese"),
          Wrap(std::make_shared<LetterWriter>(keys, LetterWriter::kArmenianPlaces), "armenian"),
          Wrap(std::make_shared<LetterWriter>(keys, LetterWriter::kGeorgianPlaces), "georgian"),
          Wrap(std::make_shared<GrekIonichWriter>(keys), "greek ionic"),
          Wrap(std::make_shared<AtticWriter>(keys), "greek attic"),
          Wrap(std::make_shared<HebrewWriter>(keys), "hebrew"),
          Wrap(std::make_shared<KirilWriter>(keys, false, false, marks), "cyrillic"),
          Wrap(std::make_shared<KirilWriter>(keys, true, true, marks), "glagolitic, style 2")};
}
std::vector<std::span<const CaptionEntry>> EveryCaptionTable() {
  return {RimCaptions(),       KitayCaptions(),      ArmenCaptions(),
          GruzCaptions(),      GrekIonichCaptions(), GrekAttichCaptions(),
          IudeyskieCaptions(), KirilCaptions(),      GlagolCaptions()};
}

// ---- The table ----

TEST(TextTable, PutsTextsOfEveryLengthOneAfterAnotherWithinTheirRoom) {
  TextTable table;
  std::vector<TextTable::Text> texts;
  std::u16string joined;
  for (std::size_t length = 0; length <= 20; ++length) {
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i)
      text += static_cast<char16_t>(u'a' + (length + i) % 26);
    texts.push_back(length % 2 ? table.Add(text)
                               : table.Add({text.substr(0, length / 2), text.substr(length / 2)}));
    joined += text;
  }
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].size, i);
  // The buffer has no unit beyond the slack: a block written past it shows under AddressSanitizer.
  std::vector<char16_t> room(joined.size() + TextTable::kSlack);
  char16_t* out = room.data();
  for (const TextTable::Text& t : texts) out = table.Put(t, out);
  EXPECT_EQ(std::u16string(room.data(), out), joined);
}

// ---- Every writer ----

TEST(EveryWriter, ReadsNoDigitBeyondItsText) {
  // The number is a view into a longer text: what follows it must not count.
  const std::u16string_view numbers[] = {u"260", u"10", u"2000", u"15", u"1", u"00", u"90"};
  for (const auto& table : EveryCaptionTable()) {
    const GlyphStore store(table);
    for (const AnyWriter& w : EveryWriter(store.View())) {
      for (const std::u16string_view n : numbers) {
        const std::u16string longer = std::u16string(n) + u"123";
        EXPECT_EQ(w.utf16(std::u16string_view(longer).substr(0, n.size())), w.utf16(n))
            << w.name << ": " << ToUtf8(n);
      }
    }
  }
}

TEST(EveryWriter, WritesUtf8AsItsUtf16Converted) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int> pick(0, 999999);
  // Start captions, then captions of two units, signs of other places, a character outside
  // the Basic Multilingual Plane, a space and a sign that take a mark off.
  const std::pair<Ctl, std::u16string> odd[] = {
      {Ctl::Kiril1_1, u"\U00010143"}, {Ctl::Kiril1_20, u"к "}, {Ctl::Kiril1_5, u"\uE070ה"},
      {Ctl::x100000, u"x"},           {Ctl::Kiril1_10, u"יה"}, {Ctl::Tysyasha, u"\u05F4"}};
  for (const bool odd_captions : {false, true}) {
    for (const auto& table : EveryCaptionTable()) {
      GlyphStore store(table);
      if (odd_captions) {
        for (const auto& [key, caption] : odd) store.SetCaption(key, caption);
      }
      for (const AnyWriter& w : EveryWriter(store.View())) {
        for (int i = 0; i < 300; ++i) {
          const std::u16string n = ToDecimal(i < 100 ? i : pick(random));
          ASSERT_EQ(w.utf8(n), w.utf16(n) == u"<none>" ? "<none>" : ToUtf8(w.utf16(n)))
              << w.name << ": " << ToUtf8(n) << (odd_captions ? ", odd captions" : "");
        }
      }
    }
  }
}

// ---- Roman ----

// The variant boxes of the Roman keypad by the sign they choose for; one box of a group is
// ticked, or none for the groups whose older forms follow from no box.
const std::vector<std::vector<Ctl>> kRimChoices = {
    {Ctl::Check_Kiril1_5, Ctl::Check_Kiril1_5_e2},
    {Ctl::Check_Kiril1_50, Ctl::Check_Kiril1_50_Rim},
    {Ctl::Check_Kiril1_100, Ctl::Check_Kiril1_100_Rim},
    {Ctl::Check_Glag_500, Ctl::Check_Glag_500_KirilF, Ctl::Check_Rim_500_2},
    {Ctl::Check_Glag_1000, Ctl::Check_Rim_1000_1, Ctl::Check_Rim_1000_2},
    {Ctl::Check_Rim_10000_1, Ctl::Check_Rim_10000_2},
};

TEST(RimWriter, EveryChoiceOfBoxesReadsBackOverTheWholeRange) {
  // 144 choices; each reads back every 7th number, from an offset of its own, so that every
  // number is read under about twenty choices.
  std::vector<std::size_t> choice(kRimChoices.size(), 0);
  int index = 0;
  while (true) {
    GlyphStore store(RimCaptions());
    std::string chosen;
    for (std::size_t g = 0; g < kRimChoices.size(); ++g) {
      store.Choose(kRimChoices[g][choice[g]]);
      chosen += std::string(Name(kRimChoices[g][choice[g]])) + " ";
    }
    const RimWriter writer(store.View());
    for (std::int64_t n = 1 + index % 7; n <= 399999; n += 7 * kThinning) {
      const std::u16string text = Written(writer, ToDecimal(n));
      ASSERT_EQ(ReadRimValue(text, store.View()), n) << chosen << CodePoints(text);
    }
    ++index;
    std::size_t g = 0;
    while (g < choice.size() && ++choice[g] == kRimChoices[g].size()) choice[g++] = 0;
    if (g == choice.size()) break;
  }
  EXPECT_EQ(index, 144);
}

TEST(RimWriter, TheBorrowedTenSignFollowsTheLengthOfTheText) {
  GlyphStore store(RimCaptions());
  store.Choose({Ctl::Check_Kiril1_100_Rim, Ctl::Check_Rim_1000_1});
  const RimWriter writer(store.View());
  // The borrowed ten-sign follows the length of the text, leading zeros included.
  EXPECT_EQ(CodePoints(Written(writer, u"900")), CodePoints(u"\uE104Ⅿ"));
  EXPECT_EQ(CodePoints(Written(writer, u"0900")), CodePoints(u"\uE104ↀ"));
  EXPECT_EQ(CodePoints(Written(writer, u"1234567")), CodePoints(u"ↈↈↂↂↂↀↀↀↀⅮⅬⅩⅤⅠⅠ"));
  EXPECT_EQ(CodePoints(Written(writer, u"0000009")), CodePoints(u"ⅠⅩ"));
  EXPECT_EQ(Written(writer, u""), u"");
}

// ---- Cyrillic and Glagolitic ----

GlyphStore SlavonicStore(bool glagolitic) {
  GlyphStore store(glagolitic ? GlagolCaptions() : KirilCaptions());
  return store;
}

// The window's way: the letters, then their dressing.
std::u16string WindowDress(const KirilWriter& letters, std::u16string_view sovr, DressOptions o) {
  std::u16string plain(letters.Room(), u'\0');
  const char16_t* end = letters.WritePlain(sovr, plain.data());
  if (end == nullptr) return u"<none>";
  plain.resize(static_cast<std::size_t>(end - plain.data()));
  o.value = ParseInt32(sovr);
  std::u16string room(DressRoom(plain.size()), u'\0');
  return std::u16string(WriteDressed(plain, o, room.data()));
}

std::vector<DressOptions> EveryDress(bool glagolitic, bool style2, char16_t sign) {
  std::vector<DressOptions> dresses;
  for (const bool marks : {true, false}) {
    for (const bool dots : {false, true}) {
      for (const bool below : {true, false}) {
        for (int width = 1; width <= 9; ++width) {
          DressOptions o;
          o.numeral_mark = marks;
          o.dots = dots;
          o.sign_below_line = below;
          o.style2 = style2;
          o.glagolitic = glagolitic;
          o.mark_width = width;
          o.thousands_sign = sign;
          dresses.push_back(o);
        }
      }
    }
  }
  return dresses;
}

TEST(KirilWriter, DressesAsTheWindowDoesInEveryStyle) {
  std::mt19937 random(11);
  for (const bool glagolitic : {false, true}) {
    for (const bool style2 : {false, true}) {
      const GlyphStore store = SlavonicStore(glagolitic);
      const KirilWriter letters(store.View(), glagolitic, style2);
      std::uniform_int_distribution<int> pick(0, glagolitic ? 2999 : 999999);
      std::vector<std::u16string> numbers = {u"",        u"0",  u"000000", u"10",     u"0011",
                                             u"1234567", u"1x", u"100011", u"011000", u"999999"};
      for (int i = 0; i < 400; ++i) numbers.push_back(ToDecimal(pick(random)));
      for (const DressOptions& o : EveryDress(glagolitic, style2, kThousandsSign)) {
        const KirilWriter writer(store.View(), glagolitic, style2, o);
        for (const std::u16string& n : numbers) {
          ASSERT_EQ(CodePoints(Written(writer, n)), CodePoints(WindowDress(letters, n, o)))
              << ToUtf8(n) << (glagolitic ? " glagolitic" : "") << (style2 ? " style 2" : "")
              << " marks " << o.numeral_mark << " dots " << o.dots << " width " << o.mark_width;
        }
      }
    }
  }
}

TEST(KirilWriter, TakesTheMarkOffALetterBeforeASignOrSpaceOfAnotherPlace) {
  // Panels of one character carry no sign, so the hundred thousands end with their letter and
  // its mark, and the space before the ten thousands must take that mark off. Letters that end
  // in a space or begin with a sign do the same across places.
  GlyphStore store = SlavonicStore(false);
  store.SetCaption(Ctl::x100000, u"x");
  const DressOptions marks;
  const std::u16string numbers[] = {u"110000", u"100000", u"111111", u"10000", u"123456"};
  for (const bool style2 : {true, false}) {
    const KirilWriter letters(store.View(), false, style2);
    const KirilWriter writer(store.View(), false, style2, marks);
    for (const std::u16string& n : numbers) {
      EXPECT_EQ(CodePoints(Written(writer, n)), CodePoints(WindowDress(letters, n, marks)))
          << ToUtf8(n) << (style2 ? " style 2" : "");
    }
  }
  store.SetCaption(Ctl::Kiril1_1, u"\uE070а");  // a unit that opens with the ten-thousands sign
  store.SetCaption(Ctl::Kiril1_20, u"к ");      // a ten that ends in a space
  const KirilWriter letters(store.View(), false, false);
  const KirilWriter writer(store.View(), false, false, marks);
  for (const std::u16string_view n : {u"21", u"201", u"1001", u"121", u"20", u"1"}) {
    EXPECT_EQ(CodePoints(Written(writer, n)), CodePoints(WindowDress(letters, n, marks)))
        << ToUtf8(n);
  }
}

TEST(KirilWriter, NumeralsWithTheirMarksReadBackOverTheWholeRange) {
  for (const bool glagolitic : {false, true}) {
    for (const bool style2 : {false, true}) {
      const GlyphStore store = SlavonicStore(glagolitic);
      DressOptions marks;
      marks.style2 = style2;
      marks.glagolitic = glagolitic;
      const KirilWriter writer(store.View(), glagolitic, style2, marks);
      const std::int64_t limit = glagolitic ? 2999 : 999999;
      for (std::int64_t n = 1; n <= limit; n += kThinning) {
        const std::u16string text = Written(writer, ToDecimal(n));
        ASSERT_EQ(ReadKirilValue(text, store.View(), /*myriad_signs=*/true), n)
            << CodePoints(text) << (style2 ? " style 2" : "");
      }
    }
  }
}

}  // namespace
}  // namespace zarno
