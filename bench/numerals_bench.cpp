// SPDX-License-Identifier: GPL-3.0-or-later
// Every numeral writer and reader on the same random numbers, beside ICU's rule-based
// formatter for the same system and std::to_chars as the floor. A writer is made once for its
// keypad and writes UTF-16 into one buffer, as ICU writes into a UnicodeString it keeps.
// bench/renderers.sh prints the ratios.
#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <charconv>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "base/number.h"
#include "numerals/armenian_georgian.h"
#include "numerals/captions.h"
#include "numerals/chinese.h"
#include "numerals/greek_attic.h"
#include "numerals/greek_ionic.h"
#include "numerals/hebrew.h"
#include "numerals/maya.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"

namespace zarno {
namespace {

constexpr int kSample = 4096;

std::vector<std::int64_t> Values(std::int64_t max) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<std::int64_t> dist(1, max);
  std::vector<std::int64_t> v(kSample);
  for (auto& x : v) x = dist(rng);
  return v;
}

std::vector<std::u16string> Texts(const std::vector<std::int64_t>& values) {
  std::vector<std::u16string> t;
  for (auto v : values) t.push_back(ToDecimal(v));
  return t;
}

// A glyph store with one keypad's captions and the start states of the boxes.
struct Store {
  std::unique_ptr<ControlStates> states = std::make_unique<ControlStates>();
  explicit Store(std::initializer_list<std::span<const CaptionEntry>> tables) {
    for (Ctl c : kVariantBoxesTickedAtStart) {
      (*states)[Index(c)].checked = true;
    }
    for (auto table : tables) ApplyCaptions(*states, table);
    (*states)[Index(Ctl::Kiril1_0_1)].caption = KitayZeroFor(u"");
  }
  KeypadView View() const { return KeypadView(*states); }
};

using Renderer = std::function<std::u16string(std::u16string_view, const KeypadView&)>;

// A writer made once for the keypad, writing every numeral into one buffer.
template <typename Writer>
void RunWriter(benchmark::State& state, std::int64_t max, const Writer& writer) {
  const auto texts = Texts(Values(max));
  std::u16string room(writer.Room(), u'\0');
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(writer.Write(texts[i++ % kSample], room.data()));
    benchmark::ClobberMemory();
  }
}

void RunIcu(benchmark::State& state, std::int64_t max, const icu::Locale& locale,
            icu::URBNFRuleSetTag tag, const char16_t* rule_set) {
  UErrorCode status = U_ZERO_ERROR;
  icu::RuleBasedNumberFormat format(tag, locale, status);
  if (U_FAILURE(status)) {
    state.SkipWithError("ICU formatter unavailable");
    return;
  }
  const icu::UnicodeString set = rule_set ? icu::UnicodeString(rule_set) : icu::UnicodeString();
  const auto values = Values(max);
  std::size_t i = 0;
  for (auto _ : state) {
    icu::UnicodeString out;
    UErrorCode s = U_ZERO_ERROR;
    if (rule_set) {
      icu::FieldPosition pos;
      format.format(static_cast<int64_t>(values[i++ % kSample]), set, out, pos, s);
    } else {
      format.format(static_cast<int64_t>(values[i++ % kSample]), out);
    }
    benchmark::DoNotOptimize(out.getBuffer());
  }
}

void BM_ToChars(benchmark::State& state) {
  const auto values = Values(999999);
  char buf[24];
  std::size_t i = 0;
  for (auto _ : state) {
    auto r = std::to_chars(buf, buf + sizeof buf, values[i++ % kSample]);
    benchmark::DoNotOptimize(r.ptr);
  }
}
BENCHMARK(BM_ToChars);

const icu::Locale& Root() {
  static const icu::Locale root = icu::Locale::getRoot();
  return root;
}

// Our writer and ICU's formatter for the same system; `make` builds the writer from a view.
#define ZARNO_PAIR(name, max, store, make, locale, tag, set)                              \
  void BM_##name##_Zarno(benchmark::State& state) {                                       \
    static const Store s store;                                                           \
    RunWriter(state, max, make(s.View()));                                                \
  }                                                                                       \
  BENCHMARK(BM_##name##_Zarno);                                                           \
  void BM_##name##_Icu(benchmark::State& state) { RunIcu(state, max, locale, tag, set); } \
  BENCHMARK(BM_##name##_Icu)

// Roman with the variant boxes of the start, Hebrew with its options as they start.
ZARNO_PAIR(Roman, 399999, ({RimCaptions()}), RimWriter, Root(), icu::URBNF_NUMBERING_SYSTEM,
           u"%roman-upper");
ZARNO_PAIR(
    Armenian, 9999, ({ArmenCaptions()}),
    [](const KeypadView& v) { return LetterWriter(v, LetterWriter::kArmenianPlaces); }, Root(),
    icu::URBNF_NUMBERING_SYSTEM, u"%armenian-upper");
ZARNO_PAIR(
    Georgian, 19999, ({GruzCaptions()}),
    [](const KeypadView& v) { return LetterWriter(v, LetterWriter::kGeorgianPlaces); }, Root(),
    icu::URBNF_NUMBERING_SYSTEM, u"%georgian");
ZARNO_PAIR(GreekIonic, 99999999, ({GrekIonichCaptions()}), GrekIonichWriter, Root(),
           icu::URBNF_NUMBERING_SYSTEM, u"%greek-upper");
ZARNO_PAIR(Hebrew, 9999, ({IudeyskieCaptions()}), HebrewWriter, Root(), icu::URBNF_NUMBERING_SYSTEM,
           u"%hebrew");

// Cyrillic with its numeral marks as the output shows them at the start (style 1).
void BM_Cyrillic_Zarno(benchmark::State& state) {
  static const Store s({KirilCaptions()});
  RunWriter(state, 999999,
            KirilWriter(s.View(), /*glagolitic=*/false, /*style2=*/false, DressOptions{}));
}
BENCHMARK(BM_Cyrillic_Zarno);
void BM_Cyrillic_Icu(benchmark::State& state) {
  RunIcu(state, 999999, Root(), icu::URBNF_NUMBERING_SYSTEM, u"%cyrillic-lower");
}
BENCHMARK(BM_Cyrillic_Icu);

void BM_Chinese_Zarno(benchmark::State& state) {
  static const Store s({KitayCaptions(), KitayFormalCaptions(), KitaySimplifiedCaptions()});
  RunWriter(state, 99999, KitayWriter(s.View()));
}
BENCHMARK(BM_Chinese_Zarno);
void BM_Chinese_Icu(benchmark::State& state) {
  RunIcu(state, 99999, icu::Locale("zh"), icu::URBNF_SPELLOUT, nullptr);
}
BENCHMARK(BM_Chinese_Icu);

void BM_ChineseTraditional_Icu(benchmark::State& state) {
  RunIcu(state, 99999, icu::Locale("zh_Hant"), icu::URBNF_SPELLOUT, nullptr);
}
BENCHMARK(BM_ChineseTraditional_Icu);

// Systems ICU has no formatter for.
void BM_GreekAttic_Zarno(benchmark::State& state) {
  static const Store s({GrekAttichCaptions()});
  RunWriter(state, 249999, AtticWriter(s.View()));
}
BENCHMARK(BM_GreekAttic_Zarno);

void BM_Maya_Zarno(benchmark::State& state) {
  static const Store s({MayaCaptions()});
  RunWriter(state, 4294967295, MayaWriter(s.View()));
}
BENCHMARK(BM_Maya_Zarno);

// Readers, on what the renderers write.
template <typename Read>
void RunReader(benchmark::State& state, std::int64_t max, const Store& store, Renderer render,
               Read read) {
  const KeypadView view = store.View();
  std::vector<std::u16string> texts;
  for (const auto& t : Texts(Values(max))) texts.push_back(render(t, view));
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(read(texts[i++ % kSample], view));
}

void BM_ReadRoman(benchmark::State& state) {
  static const Store s({RimCaptions()});
  RunReader(state, 399999, s, RenderRim, ReadRimValue);
}
BENCHMARK(BM_ReadRoman);

void BM_ReadChinese(benchmark::State& state) {
  static const Store s({KitayCaptions(), KitayFormalCaptions(), KitaySimplifiedCaptions()});
  RunReader(state, 99999, s, RenderKitay, ReadKitayValue);
}
BENCHMARK(BM_ReadChinese);

void BM_ReadMaya(benchmark::State& state) {
  static const Store s({MayaCaptions()});
  RunReader(state, 4294967295, s, RenderMaya,
            [](std::u16string_view t, const KeypadView&) { return ReadMaya(t); });
}
BENCHMARK(BM_ReadMaya);

void BM_ReadCyrillic(benchmark::State& state) {
  static const Store s({KirilCaptions()});
  RunReader(
      state, 999999, s,
      [](std::u16string_view t, const KeypadView& v) {
        return *RenderKirilPlain(t, v, false, false);
      },
      [](std::u16string_view t, const KeypadView& v) { return ReadKirilValue(t, v); });
}
BENCHMARK(BM_ReadCyrillic);

template <auto Reader>
void ReadOnly(benchmark::State& state, std::int64_t max, const Store& s, Renderer render) {
  RunReader(state, max, s, render,
            [](std::u16string_view t, const KeypadView&) { return Reader(t); });
}

void BM_ReadArmenian(benchmark::State& state) {
  static const Store s({ArmenCaptions()});
  ReadOnly<ReadArmen>(state, 9999, s, RenderArmen);
}
BENCHMARK(BM_ReadArmenian);
void BM_ReadGeorgian(benchmark::State& state) {
  static const Store s({GruzCaptions()});
  ReadOnly<ReadGruz>(state, 19999, s, RenderGruz);
}
BENCHMARK(BM_ReadGeorgian);
void BM_ReadGreekIonic(benchmark::State& state) {
  static const Store s({GrekIonichCaptions()});
  ReadOnly<ReadGrekIonich>(state, 99999999, s, RenderGrekIonich);
}
BENCHMARK(BM_ReadGreekIonic);
void BM_ReadGreekAttic(benchmark::State& state) {
  static const Store s({GrekAttichCaptions()});
  ReadOnly<ReadGrekAttich>(state, 249999, s, RenderGrekAttich);
}
BENCHMARK(BM_ReadGreekAttic);
void BM_ReadHebrew(benchmark::State& state) {
  static const Store s({IudeyskieCaptions()});
  ReadOnly<ReadIudeyskie>(state, 9999, s, RenderIudeyskie);
}
BENCHMARK(BM_ReadHebrew);

}  // namespace
}  // namespace zarno
