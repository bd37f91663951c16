// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numeral_systems.h"

#include "keypads/layout_data.h"
#include "numerals/armenian_georgian.h"
#include "numerals/captions.h"
#include "numerals/greek_attic.h"
#include "numerals/greek_ionic.h"
#include "numerals/hebrew.h"
#include "numerals/maya.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"

namespace zarno {
namespace {

using M = MainWindowModel;

// The writers of zarno-cli convert: most take the keys alone.
template <typename Writer>
NumeralWriter WriterOf(const KeypadView& keys, int) {
  return NumeralWriter(std::in_place_type<Writer>, keys);
}

template <std::size_t places>
NumeralWriter LetterWriterOf(const KeypadView& keys, int) {
  return NumeralWriter(std::in_place_type<LetterWriter>, keys, places);
}

// The Slavonic writer also dresses the letters as the window does.
template <bool glagolitic>
NumeralWriter KirilWriterOf(const KeypadView& keys, int mark_width) {
  return NumeralWriter(std::in_place_type<KirilWriter>, keys, glagolitic,
                       keys.Checked(Ctl::Kiril_Old_Tys_Radio2),
                       DressOptionsOf(keys, mark_width, u""));
}

// Writes one glyph table into the keys.
template <std::span<const CaptionEntry> (*table)()>
void Captions(ControlStates& controls) {
  ApplyCaptions(controls, table());
}

// Keys of the systems that cannot tell a key from its sign add their value; the others append
// the sign and read the output back. After a key, the systems without a renderer of their own
// for that step are drawn as Cyrillic is.
constexpr NumeralSystemRow kSystems[] = {
    {.system = NumeralSystem::kKiril,
     .radio = Ctl::KirilRadio,
     .radio_caption = u"Кириллица",
     .font_box = Ctl::FontKirillitsa,
     .limit = 999999,
     .cli_name = "cyrillic",
     .css_names = "",
     .help_page = "cyrillic",
     .render = &M::RenderKiril,
     .numeral = nullptr,
     .own_switch = &M::KirilRadioClick,
     .slavonic = SlavonicScript::kCyrillic,
     .writer = &KirilWriterOf<false>,
     .layout = &layout::KirilLayout,
     .key_captions = nullptr,
     .releases_thousands = false,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kOffAndEnabled,
     .output_place = kKirilLine,
     .key_points = 18,
     .key_points_in_our_font = 20,
     .myriad_points = 19,
     .press_key = &M::AddKeyValue,
     .key_value = &KirilKeyValue,
     .render_after_key = &M::RenderKiril,
     .thousands_panel = &M::MoveSelectionBehindThousandsSign,
     .redraw_variants = &M::RenderKiril,
     .redraw_pair_variants = &M::RenderKiril,
     .redraw = &M::RenderKiril},
    {.system = NumeralSystem::kGlagol,
     .radio = Ctl::GlagolRadio,
     .radio_caption = u"Глаголица",
     .font_box = Ctl::FontGlagolitsa,
     .limit = 2999,
     .cli_name = "glagolitic",
     .css_names = "",
     .help_page = "glagolitic",
     .render = &M::RenderKiril,
     .numeral = nullptr,
     .own_switch = &M::GlagolRadioClick,
     .slavonic = SlavonicScript::kGlagolitic,
     .writer = &KirilWriterOf<true>,
     .layout = &layout::GlagolLayout,
     .key_captions = nullptr,
     .releases_thousands = false,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kOffAndEnabled,
     .output_place = kKirilLine,
     .key_points = 18,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AddKeyValue,
     .key_value = &KirilKeyValue,
     .render_after_key = &M::RenderKiril,
     .thousands_panel = nullptr,
     .redraw_variants = &M::RenderKiril,
     .redraw_pair_variants = &M::RenderKiril,
     .redraw = &M::RenderKiril},
    {.system = NumeralSystem::kRim,
     .radio = Ctl::RimRadio,
     .radio_caption = u"Римские",
     .font_box = Ctl::FontRim,
     .limit = 399999,
     .cli_name = "roman",
     .css_names = "upper-roman",
     .help_page = "roman",
     .render = &M::RenderNumeral,
     .numeral = &zarno::RenderRim,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &WriterOf<RimWriter>,
     .layout = &layout::RimLayout,
     .key_captions = &Captions<RimCaptions>,
     .releases_thousands = false,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kOffAndEnabled,
     .output_place = kKirilLine,
     .key_points = 18,
     .key_points_in_our_font = 18,
     .myriad_points = 0,
     .press_key = &M::AppendRimKey,
     .key_value = nullptr,
     .render_after_key = &M::RenderKiril,
     .thousands_panel = nullptr,
     .redraw_variants = &M::ReadAndRenderRim,
     .redraw_pair_variants = &M::ReadAndRenderRim,
     .redraw = &M::ReadRim},
    {.system = NumeralSystem::kKitay,
     .radio = Ctl::Kitay,
     .radio_caption = u"Китайские",
     .font_box = Ctl::FontKitay,
     .limit = 99999,
     .cli_name = "chinese",
     .css_names = "",
     .help_page = "chinese",
     .render = &M::RenderKitay,
     .numeral = nullptr,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &WriterOf<KitayWriter>,
     .layout = &layout::KitayLayout,
     .key_captions = &ApplyKitayKeypadCaptions,
     .releases_thousands = false,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kLeft,
     .output_place = kKirilLine,
     .key_points = 18,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AppendKitayKey,
     .key_value = nullptr,
     .render_after_key = &M::RenderKiril,
     .thousands_panel = nullptr,
     .redraw_variants = &M::ReadAndRenderKitay,
     .redraw_pair_variants = &M::RenderKitay,
     .redraw = &M::ReadAndRenderKitay},
    {.system = NumeralSystem::kArmen,
     .radio = Ctl::Armen,
     .radio_caption = u"Армянские",
     .font_box = Ctl::FontArmen,
     .limit = 9999,
     .cli_name = "armenian",
     .css_names = "armenian upper-armenian",
     .help_page = "armenian",
     .render = &M::RenderNumeral,
     .numeral = &zarno::RenderArmen,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &LetterWriterOf<LetterWriter::kArmenianPlaces>,
     .layout = &layout::ArmenLayout,
     .key_captions = &Captions<ArmenCaptions>,
     .releases_thousands = true,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kOffAndEnabled,
     .output_place = kKirilLine,
     .key_points = 18,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AddKeyValueAndRedraw,
     .key_value = nullptr,
     .render_after_key = &M::RenderNumeral,
     .thousands_panel = nullptr,
     .redraw_variants = nullptr,
     .redraw_pair_variants = nullptr,
     .redraw = &M::RenderNumeral},
    {.system = NumeralSystem::kGruz,
     .radio = Ctl::Gruz,
     .radio_caption = u"Грузинские",
     .font_box = Ctl::FontGruz,
     .limit = 19999,
     .cli_name = "georgian",
     .css_names = "georgian",
     .help_page = "fonts",
     .render = &M::RenderNumeral,
     .numeral = &zarno::RenderGruz,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &LetterWriterOf<LetterWriter::kGeorgianPlaces>,
     .layout = &layout::GruzLayout,
     .key_captions = &Captions<GruzCaptions>,
     .releases_thousands = true,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kOffAndEnabled,
     .output_place = kKirilLine,
     .key_points = 14,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AddKeyValueAndRedraw,
     .key_value = nullptr,
     .render_after_key = &M::RenderNumeral,
     .thousands_panel = nullptr,
     .redraw_variants = nullptr,
     .redraw_pair_variants = nullptr,
     .redraw = &M::RenderNumeral},
    {.system = NumeralSystem::kGrekIonich,
     .radio = Ctl::GrekIonich,
     .radio_caption = u"Греческие",
     .font_box = Ctl::FontGrekIonich,
     .limit = 99999999,
     .cli_name = "greek-ionic",
     .css_names = "",
     .help_page = "greek_ionic",
     .render = &M::RenderNumeral,
     .numeral = &zarno::RenderGrekIonich,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &WriterOf<GrekIonichWriter>,
     .layout = &layout::GrekIonichLayout,
     .key_captions = &Captions<GrekIonichCaptions>,
     .releases_thousands = true,
     .releases_myriad = true,
     .final_letters = FinalLettersOnSwitch::kOffAndEnabled,
     .output_place = kKirilLine,
     .key_points = 16,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AddKeyValueAndRedraw,
     .key_value = &GrekIonichKeyValue,
     .render_after_key = &M::RenderNumeral,
     .thousands_panel = &M::LatchThousands,
     .redraw_variants = nullptr,
     .redraw_pair_variants = nullptr,
     .redraw = &M::RenderNumeral},
    {.system = NumeralSystem::kGrekAttich,
     .radio = Ctl::GrekAttich,
     .radio_caption = u"Греческие",
     .font_box = Ctl::FontGrekAttich,
     .limit = 249999,
     .cli_name = "greek-attic",
     .css_names = "",
     .help_page = "greek_attic",
     .render = &M::RenderNumeral,
     .numeral = &zarno::RenderGrekAttich,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &WriterOf<AtticWriter>,
     .layout = &layout::GrekAttichLayout,
     .key_captions = &Captions<GrekAttichCaptions>,
     .releases_thousands = false,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kOffAndEnabled,
     .output_place = kKirilLine,
     .key_points = 18,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AddKeyValueAndRedraw,
     .key_value = nullptr,
     .render_after_key = &M::RenderNumeral,
     .thousands_panel = nullptr,
     .redraw_variants = nullptr,
     .redraw_pair_variants = nullptr,
     .redraw = &M::RenderNumeral},
    {.system = NumeralSystem::kMaya,
     .radio = Ctl::Maya,
     .radio_caption = u"Майя",
     .font_box = Ctl::FontMaya,
     .limit = 4294967295,
     .cli_name = "maya",
     .css_names = "",
     .help_page = "maya",
     .render = &M::RenderNumeral,
     .numeral = &zarno::RenderMaya,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &WriterOf<MayaWriter>,
     .layout = &layout::MayaLayout,
     .key_captions = &Captions<MayaCaptions>,
     .releases_thousands = false,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kLeft,
     .output_place = kKirilMayaColumn,
     .key_points = 18,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AppendMayaKey,
     .key_value = nullptr,
     .render_after_key = &M::RenderKiril,
     .thousands_panel = nullptr,
     .redraw_variants = nullptr,
     .redraw_pair_variants = nullptr,
     .redraw = &M::RenderNumeral},
    {.system = NumeralSystem::kIudeyskie,
     .radio = Ctl::Iudeyskie,
     .radio_caption = u"Иудейские",
     .font_box = Ctl::FontIudeyskie,
     .limit = 9999,
     .cli_name = "hebrew",
     .css_names = "hebrew",
     .help_page = "hebrew",
     .render = &M::RenderNumeral,
     .numeral = &zarno::RenderIudeyskie,
     .own_switch = nullptr,
     .slavonic = SlavonicScript::kNone,
     .writer = &WriterOf<HebrewWriter>,
     .layout = &layout::IudeyskieLayout,
     .key_captions = &Captions<IudeyskieCaptions>,
     .releases_thousands = false,
     .releases_myriad = false,
     .final_letters = FinalLettersOnSwitch::kOffAndDisabled,
     .output_place = kKirilLine,
     .key_points = 18,
     .key_points_in_our_font = 20,
     .myriad_points = 0,
     .press_key = &M::AddKeyValueAndRedraw,
     .key_value = &IudeyskieKeyValue,
     .render_after_key = &M::RenderNumeral,
     .thousands_panel = &M::LatchThousands,
     .redraw_variants = nullptr,
     .redraw_pair_variants = nullptr,
     .redraw = &M::RenderNumeral},
};
static_assert(std::size(kSystems) == kSystemCount);

constexpr bool RowsInSystemOrder() {
  for (int i = 0; i < kSystemCount; ++i) {
    if (static_cast<int>(kSystems[i].system) != i) return false;
  }
  return true;
}
static_assert(RowsInSystemOrder(), "the rows follow the order of NumeralSystem");

// What every system must say; the other fields may be left empty. Its writer, layout and
// handlers (pointers to functions and members) are checked by the tests instead: GCC does not
// fold their comparison with null in a constant expression once the sanitizers instrument it.
constexpr bool RowsComplete() {
  for (const NumeralSystemRow& row : kSystems) {
    if (row.radio_caption.empty() || row.cli_name.empty() || row.help_page.empty() ||
        row.limit <= 0) {
      return false;
    }
  }
  return true;
}
static_assert(RowsComplete(), "a row names its caption, names, help page and limit");

}  // namespace

std::span<const NumeralSystemRow> NumeralSystems() { return kSystems; }

const NumeralSystemRow& RowOf(NumeralSystem system) { return kSystems[static_cast<int>(system)]; }

NumeralSystem SystemOf(const KeypadView& keys) {
  for (const NumeralSystemRow& row : kSystems) {
    if (keys.Checked(row.radio)) return row.system;
  }
  return NumeralSystem::kKiril;
}

std::optional<NumeralSystem> SystemOfRadio(Ctl radio) {
  for (const NumeralSystemRow& row : kSystems) {
    if (row.radio == radio) return row.system;
  }
  return std::nullopt;
}

NumeralSystem SystemOfFontBox(Ctl box) {
  for (const NumeralSystemRow& row : kSystems) {
    if (row.font_box == box) return row.system;
  }
  return NumeralSystem::kKiril;
}

}  // namespace zarno
