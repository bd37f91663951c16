// SPDX-License-Identifier: GPL-3.0-or-later
// The renderers and readers as the window runs them: each reads Sovr and the glyph store and
// writes Kiril (and, for the readers, Sovr) through the pure numeral units.
#include "base/number.h"
#include "core/main_window_model.h"
#include "core/numeral_systems.h"
#include "numerals/chinese.h"
#include "numerals/maya.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"

namespace zarno {

// ---- Cyrillic and Glagolitic ------------------------------------------------------------------

void MainWindowModel::RenderKiril() {
  // Slavonic letters are written only while a Slavonic system is shown: a shared variant
  // box or panel pressed in another system must not draw over its display.
  if (!IsSlavonic()) return;
  SetKiril(u"");
  if (Sovr().empty()) return;
  auto plain =
      RenderKirilPlain(Sovr(), Keys(), IsGlagolitic(System()), Checked(Ctl::Kiril_Old_Tys_Radio2));
  if (!plain) return;  // a Glagolitic thousands digit other than 1 or 2
  plain_kiril_ = std::move(*plain);
  DecorateKiril();
  LowerTysyasha();
}

DressOptions DressOptionsOf(const KeypadView& keys, int mark_width, std::u16string_view sovr) {
  DressOptions o;
  o.numeral_mark = keys.Checked(Ctl::IspZarno);
  o.dots = keys.Checked(Ctl::IspTochka);
  o.sign_below_line = keys.Checked(Ctl::TysyashaNizhe);
  o.style2 = keys.Checked(Ctl::Kiril_Old_Tys_Radio2);
  o.glagolitic = IsGlagolitic(SystemOf(keys));
  o.mark_width = mark_width;
  o.thousands_sign = keys.Glyph(Ctl::Tysyasha);
  o.value = ParseInt32(sovr);
  return o;
}

void MainWindowModel::DecorateKiril() {
  Dressed d = zarno::DecorateKiril(plain_kiril_, DressOptionsOf(Keys(), mark_width_, Sovr()));
  SetKiril(std::move(d.kiril));
  SetCaption(Ctl::Zarno, d.zarno);
}

void MainWindowModel::LowerTysyasha() {
  const std::u16string& sign = Text(Ctl::Tysyasha);
  kiril_format_.clear();
  if (sign.size() == 1) {
    const SignFormat f = ThousandsSignFormat(State(Ctl::Kiril).font_size, KirilFontIsShipped(),
                                             Checked(Ctl::TysyashaNizhe));
    const std::u16string& text = Kiril();
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == sign[0]) {
        kiril_format_.push_back({static_cast<int>(i), 1, f.height_twips, f.offset_twips});
      }
    }
  }
  ++focus_sovr_requests_;
}

void MainWindowModel::ZarnoClick() {
  if (Kiril().empty()) return;
  SetKiril(Text(Ctl::Zarno));
  mark_width_ = NextMarkWidth(mark_width_);
  DecorateKiril();
  LowerTysyasha();
}

void MainWindowModel::IspZarnoClick() {
  if (Kiril().empty()) return;
  DecorateKiril();
  LowerTysyasha();
}

void MainWindowModel::IspTochkaClick() { IspZarnoClick(); }
void MainWindowModel::TysyashaNizheClick() { IspZarnoClick(); }

// ---- The systems drawn by their unit alone
// -----------------------------------------------------------------

void MainWindowModel::RenderNumeral() {
  if (const auto numeral = RowOf(System()).numeral) SetKiril(numeral(Sovr(), Keys()));
}

// ---- Roman
// ------------------------------------------------------------------------------------------

void MainWindowModel::ReadAndRenderRim() {
  ReadRim();
  RenderNumeral();
}

void MainWindowModel::ReadRim() {
  const std::int64_t v = ReadRimValue(Kiril(), Keys());
  SetSovrText(ToDecimal(v));
  if (v > LimitOf(NumeralSystem::kRim)) SetKiril(u"");
  if (v < 0) {
    S(Ctl::Arab1).caption.clear();
    dr10_drawn_from_ = std::u16string::npos;
    host_.ShowMessage(RimNegativeMessage(v));
    SetSovrText(u"");
    SetKiril(u"");
    return;
  }
  // Also for 0, so that the digit display agrees with Sovr.
  RenderDr10Znak();
}

// ---- Chinese
// ----------------------------------------------------------------------------------------

void MainWindowModel::RenderKitay() {
  SetKiril(zarno::RenderKitay(Sovr(), Keys()));
  // The plain text follows a finished rendering only: not for an empty number, nor for a
  // number whose sixth or higher place holds a digit other than 0.
  const auto first = Sovr().find_first_not_of(u'0');
  const bool too_long = first != std::u16string::npos && Sovr().size() - first >= 6;
  if (!Sovr().empty() && !too_long) plain_kiril_ = Kiril();
}

void MainWindowModel::ReadKitay() {
  SetSovrText(ToDecimal(ReadKitayValue(Kiril(), Keys())));
  RenderDr10Znak();
}

void MainWindowModel::ReadAndRenderKitay() {
  ReadKitay();
  RenderKitay();
}

// ---- Maya
// ---------------------------------------------------------------------------------------------

void MainWindowModel::ReadMaya() {
  const auto number = zarno::ReadMaya(Kiril());
  SetSovrText(number ? *number : std::u16string());
}

void MainWindowModel::AppendMaya(Ctl key) {
  SetKiril(Kiril() + Text(key));
  ReadMaya();
}

}  // namespace zarno
