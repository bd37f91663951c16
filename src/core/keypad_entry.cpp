// SPDX-License-Identifier: GPL-3.0-or-later
// What a key press, a toggle panel and a glyph-variant box do to the number.
#include <algorithm>

#include "base/number.h"
#include "core/main_window_model.h"
#include "core/numeral_systems.h"
#include "numerals/slavonic.h"

namespace zarno {
namespace {

enum class Route : std::uint8_t {
  kPressKey,         // sets its variant boxes, then adds or appends by system
  kPressVariantKey,  // sets its variant boxes, then adds (additive systems only)
  kDirect,           // adds its value and renders
  kMayaDigit,        // appends its Maya digit
  kSystemKey,        // does what a pressed key does in the system, without variant boxes
};

struct KeyRoute {
  Ctl key{};
  Route route{};
  Ctl own = Ctl::CF1;
  Ctl partner1 = Ctl::CF1;
  Ctl partner2 = Ctl::CF2;
};

#define PRESS(key, own, p1, p2) \
  { Ctl::key, Route::kPressKey, Ctl::own, Ctl::p1, Ctl::p2 }
#define VARIANT(key, own, p1, p2) \
  { Ctl::key, Route::kPressVariantKey, Ctl::own, Ctl::p1, Ctl::p2 }
#define ROUTE(key, route) \
  { Ctl::key, Route::route }

// The key table: the routine of every key, with its own box and the two partner boxes.
constexpr KeyRoute kKeyRoutes[] = {
    PRESS(Kiril1_0_1, Check_Kiril1_0, Check_Kiril1_0_2, CF1),
    PRESS(Kiril1_0_2, Check_Kiril1_0_2, Check_Kiril1_0, CF1),
    PRESS(Kiril1_1, Check_Kiril1_1, Check_Kiril1_1_2, CF1),
    PRESS(Kiril1_1_2, Check_Kiril1_1_2, Check_Kiril1_1, CF1),
    PRESS(Kiril1_2, Check_Kiril1_2, Check_Kiril1_2_2, CF1),
    PRESS(Kiril1_2_2, Check_Kiril1_2_2, Check_Kiril1_2, CF1),
    PRESS(Kiril1_3, Check_Kiril1_3, Check_Kiril1_3_2, CF1),
    PRESS(Kiril1_3_2, Check_Kiril1_3_2, Check_Kiril1_3, CF1),
    PRESS(Kiril1_4, Check_Kiril1_4, Check_Kiril1_4_2, CF1),
    PRESS(Kiril1_4_2, Check_Kiril1_4_2, Check_Kiril1_4, CF1),
    PRESS(Kiril1_5, Check_Kiril1_5, Check_Kiril1_5_e2, CF1),
    PRESS(Kiril1_5_e2, Check_Kiril1_5_e2, Check_Kiril1_5, CF1),
    PRESS(Kiril1_6, Check_Kiril1_6, Check_Kiril1_6_3, Check_Kiril1_6_s2),
    PRESS(Kiril1_6_s2, Check_Kiril1_6_s2, Check_Kiril1_6, Check_Kiril1_6_3),
    PRESS(Kiril1_6_3, Check_Kiril1_6_3, Check_Kiril1_6_s2, Check_Kiril1_6),
    PRESS(Kiril1_7, Check_Kiril1_7, Check_Kiril1_7_z2, CF1),
    PRESS(Kiril1_7_z2, Check_Kiril1_7_z2, Check_Kiril1_7, CF1),
    PRESS(Kiril1_8, Check_Kiril1_8, Check_Kiril1_8_2, CF1),
    PRESS(Kiril1_8_2, Check_Kiril1_8_2, Check_Kiril1_8, CF1),
    PRESS(Kiril1_9, Check_Kiril1_9, Check_Kiril1_9_2, CF1),
    PRESS(Kiril1_9_2, Check_Kiril1_9_2, Check_Kiril1_9, CF1),
    PRESS(Kiril1_10, Check_Kiril1_10, Check_Kiril1_10_2, CF1),
    PRESS(Kiril1_10_2, Check_Kiril1_10_2, Check_Kiril1_10, CF1),
    ROUTE(Kiril1_11, kMayaDigit),
    ROUTE(Kiril1_12, kMayaDigit),
    ROUTE(Kiril1_13, kMayaDigit),
    ROUTE(Kiril1_14, kMayaDigit),
    ROUTE(Kiril1_15, kMayaDigit),
    ROUTE(Kiril1_16, kMayaDigit),
    ROUTE(Kiril1_17, kMayaDigit),
    ROUTE(Kiril1_18, kMayaDigit),
    ROUTE(Kiril1_19, kMayaDigit),
    PRESS(Kiril1_20, Check_Kiril1_20, CF1, CF2),
    PRESS(Kiril1_30, Check_Kiril1_30, CF1, CF2),
    ROUTE(Kiril1_40, kDirect),
    PRESS(Kiril1_50, Check_Kiril1_50, Check_Kiril1_50_Rim, CF1),
    PRESS(Kiril1_50_Rim, Check_Kiril1_50_Rim, Check_Kiril1_50, CF1),
    VARIANT(Kiril1_60, Check_Kiril1_60, Check_Kiril1_60_oldz, CF1),
    VARIANT(Kiril1_60_oldz, Check_Kiril1_60_oldz, Check_Kiril1_60, CF1),
    ROUTE(Kiril1_70, kDirect),
    ROUTE(Kiril1_80, kDirect),
    VARIANT(Kiril1_90, Check_Kiril1_90_che, Check_Kiril1_90_koppa, Check_Kiril1_90_che2),
    VARIANT(Kiril1_90_koppa, Check_Kiril1_90_koppa, Check_Kiril1_90_che, Check_Kiril1_90_che2),
    VARIANT(Kiril1_90_che2, Check_Kiril1_90_che2, Check_Kiril1_90_koppa, Check_Kiril1_90_che),
    PRESS(Kiril1_100, Check_Kiril1_100, Check_Kiril1_100_Rim, CF1),
    PRESS(Kiril1_100_Rim, Check_Kiril1_100_Rim, Check_Kiril1_100, CF1),
    ROUTE(Kiril1_200, kDirect),
    ROUTE(Kiril1_300, kDirect),
    VARIANT(Kiril1_400_izh, Check_Kiril1_400_izh, Check_Kiril1_400_y, CF1),
    VARIANT(Kiril1_400_y, Check_Kiril1_400_y, Check_Kiril1_400_izh, CF1),
    PRESS(Kiril1_500, Check_Glag_500, Check_Glag_500_KirilF, Check_Rim_500_2),
    PRESS(Glag_500_F, Check_Glag_500_KirilF, Check_Glag_500, Check_Rim_500_2),
    PRESS(Rim_500_2, Check_Rim_500_2, Check_Glag_500_KirilF, Check_Glag_500),
    ROUTE(Kiril1_600, kDirect),
    ROUTE(Kiril1_700, kDirect),
    VARIANT(Kiril1_800, Check_Kiril1_800_ot, Check_Kiril1_800_omega, CF1),
    VARIANT(Kiril1_800_omega, Check_Kiril1_800_omega, Check_Kiril1_800_ot, CF1),
    VARIANT(Kiril1_900, Check_Kiril1_900_ce, Check_Kiril1_900_c2, Check_Kiril1_900_yus),
    VARIANT(Kiril1_900_yus, Check_Kiril1_900_yus, Check_Kiril1_900_ce, Check_Kiril1_900_c2),
    VARIANT(Kiril1_900_c2, Check_Kiril1_900_c2, Check_Kiril1_900_ce, Check_Kiril1_900_yus),
    PRESS(Glagolitsa_1000, Check_Glag_1000, Check_Rim_1000_1, Check_Rim_1000_2),
    PRESS(Rim_1000_1, Check_Rim_1000_1, Check_Rim_1000_2, Check_Glag_1000),
    PRESS(Rim_1000_2, Check_Rim_1000_2, Check_Rim_1000_1, Check_Glag_1000),
    ROUTE(Glagolitsa_2000, kDirect),
    ROUTE(Glagolitsa_3000, kDirect),
    ROUTE(Glagolitsa_4000, kDirect),
    ROUTE(Rim_5000_1, kSystemKey),
    ROUTE(Glagolitsa_6000, kDirect),
    ROUTE(Glagolitsa_7000, kDirect),
    ROUTE(Glagolitsa_8000, kDirect),
    ROUTE(Glagolitsa_9000, kDirect),
    PRESS(Rim_10000_1, Check_Rim_10000_1, Check_Rim_10000_2, CF1),
    PRESS(Rim_10000_2, Check_Rim_10000_2, Check_Rim_10000_1, CF1),
    ROUTE(Rim_50000, kSystemKey),
    ROUTE(Rim_100000, kSystemKey),
};

#undef PRESS
#undef VARIANT
#undef ROUTE

const KeyRoute* RouteOf(Ctl key) {
  for (const KeyRoute& r : kKeyRoutes) {
    if (r.key == key) return &r;
  }
  return nullptr;
}

enum class Variant : std::uint8_t { kPair, kPairSecond, kTriple, kTripleOther };

struct BoxHandler {
  Ctl box;
  Variant routine;
  Ctl a, b, c;  // the arguments of the routine, in its order
};

#define PAIR(first, second)                                              \
  {Ctl::first, Variant::kPair, Ctl::first, Ctl::second, Ctl::CF1}, {     \
    Ctl::second, Variant::kPairSecond, Ctl::first, Ctl::second, Ctl::CF1 \
  }
#define TRIPLE(first, second, third)                                               \
  {Ctl::first, Variant::kTriple, Ctl::first, Ctl::second, Ctl::third},             \
      {Ctl::second, Variant::kTripleOther, Ctl::second, Ctl::first, Ctl::third}, { \
    Ctl::third, Variant::kTripleOther, Ctl::third, Ctl::first, Ctl::second         \
  }

// The click handlers of the variant boxes.
constexpr BoxHandler kBoxHandlers[] = {
    PAIR(Check_Kiril1_0, Check_Kiril1_0_2),
    PAIR(Check_Kiril1_1, Check_Kiril1_1_2),
    PAIR(Check_Kiril1_2, Check_Kiril1_2_2),
    PAIR(Check_Kiril1_3, Check_Kiril1_3_2),
    PAIR(Check_Kiril1_4, Check_Kiril1_4_2),
    PAIR(Check_Kiril1_5, Check_Kiril1_5_e2),
    PAIR(Check_Kiril1_7, Check_Kiril1_7_z2),
    PAIR(Check_Kiril1_8, Check_Kiril1_8_2),
    PAIR(Check_Kiril1_9, Check_Kiril1_9_2),
    PAIR(Check_Kiril1_10, Check_Kiril1_10_2),
    PAIR(Check_Kiril1_50, Check_Kiril1_50_Rim),
    // The single Chinese signs for 20 and 30 share the handler of the 50 box.
    {Ctl::Check_Kiril1_20, Variant::kPair, Ctl::Check_Kiril1_50, Ctl::Check_Kiril1_50_Rim,
     Ctl::CF1},
    {Ctl::Check_Kiril1_30, Variant::kPair, Ctl::Check_Kiril1_50, Ctl::Check_Kiril1_50_Rim,
     Ctl::CF1},
    PAIR(Check_Kiril1_60, Check_Kiril1_60_oldz),
    PAIR(Check_Kiril1_100, Check_Kiril1_100_Rim),
    PAIR(Check_Kiril1_400_y, Check_Kiril1_400_izh),
    PAIR(Check_Kiril1_800_ot, Check_Kiril1_800_omega),
    PAIR(Check_Rim_10000_1, Check_Rim_10000_2),
    TRIPLE(Check_Kiril1_6, Check_Kiril1_6_s2, Check_Kiril1_6_3),
    TRIPLE(Check_Kiril1_90_che, Check_Kiril1_90_koppa, Check_Kiril1_90_che2),
    TRIPLE(Check_Kiril1_900_ce, Check_Kiril1_900_yus, Check_Kiril1_900_c2),
    TRIPLE(Check_Glag_500, Check_Rim_500_2, Check_Glag_500_KirilF),
    TRIPLE(Check_Glag_1000, Check_Rim_1000_1, Check_Rim_1000_2),
};

#undef PAIR
#undef TRIPLE

bool IsChineseMultiplier(std::uint32_t a) {
  return a == 10 || a == 100 || a == 1000 || a == 10000 || a == 100000000;
}

}  // namespace

// ---- Keys --------------------------------------------------------------------------------------

void MainWindowModel::KeyClick(Ctl key) {
  const KeyRoute* r = RouteOf(key);
  if (r == nullptr) return;
  const std::uint32_t value = ValueOf(key);
  switch (r->route) {
    case Route::kPressKey:
      PressKey(r->own, r->partner1, r->partner2, value, key);
      break;
    case Route::kPressVariantKey:
      PressVariantKey(r->own, r->partner1, r->partner2, value);
      break;
    case Route::kDirect:
      AddValue(value);
      RenderCurrentSystemAfterKey();
      break;
    case Route::kMayaDigit:
      AppendMaya(key);
      break;
    case Route::kSystemKey:
      (this->*RowOf(System()).press_key)(value, key);
      break;
  }
}

void MainWindowModel::RenderCurrentSystemAfterKey() { (this->*RowOf(System()).render_after_key)(); }

void MainWindowModel::PressKey(Ctl own, Ctl partner1, Ctl partner2, std::uint32_t a, Ctl key) {
  SetChecked(own, true);
  SetChecked(partner1, false);
  SetChecked(partner2, false);
  (this->*RowOf(System()).press_key)(a, key);
}

void MainWindowModel::AddKeyValue(std::uint32_t a, Ctl) { AddValue(a); }

void MainWindowModel::AddKeyValueAndRedraw(std::uint32_t a, Ctl) {
  AddValue(a);
  RenderCurrentSystemAfterKey();
}

void MainWindowModel::AppendRimKey(std::uint32_t, Ctl key) {
  skip_sovr_change_ = true;
  SetKiril(Kiril() + Text(key));
  ReadRim();
}

void MainWindowModel::AppendKitayKey(std::uint32_t a, Ctl key) {
  // A rank sign needs a non-zero digit before it.
  if (IsChineseMultiplier(a) && (Sovr().empty() || Sovr().back() == u'0')) return;
  skip_sovr_change_ = true;
  SetKiril(Kiril() + Text(key));
  ReadAndRenderKitay();
}

void MainWindowModel::AppendMayaKey(std::uint32_t, Ctl key) { AppendMaya(key); }

void MainWindowModel::PressVariantKey(Ctl own, Ctl partner1, Ctl partner2, std::uint32_t a) {
  SetChecked(own, true);
  SetChecked(partner1, false);
  SetChecked(partner2, false);
  AddValue(a);
  RenderCurrentSystemAfterKey();
}

void MainWindowModel::AddValue(std::uint32_t a) {
  if (Sovr().empty()) SetSovrText(u"0");
  const auto key_value = RowOf(System()).key_value;
  const std::optional<std::uint64_t> add = key_value ? key_value(a, Keys()) : a;
  // Exact decimal addition: a long number in Sovr can neither overflow nor wrap.
  if (add && IsDigitString(Sovr())) {
    SetSovrText(AddDecimal(Sovr(), ToDecimal(static_cast<std::int64_t>(*add))));
  }
  ReleasePanels();
}

// ---- Panels -----------------------------------------------------------------------------------

void MainWindowModel::TysyashaClick() {
  if (Checked(Ctl::Tysyasha)) {
    Release(Ctl::Tysyasha);
    return;
  }
  if (const auto press = RowOf(System()).thousands_panel) (this->*press)();
}

void MainWindowModel::LatchThousands() { S(Ctl::Tysyasha).checked = true; }

void MainWindowModel::MoveSelectionBehindThousandsSign() {
  const Selection sel = kiril_selection_;
  if (sel.length == 0) {
    LatchThousands();
    return;
  }
  // The selected letters move behind a new thousands sign and the text is read again.
  std::u16string text = Kiril();
  const std::u16string moved = text.substr(sel.start, sel.length);
  text.erase(sel.start, sel.length);
  SetKiril(text);
  LatchThousands();
  AppendTysyasha();
  SetKiril(Kiril() + moved);
  ReadKiril();
}

void MainWindowModel::AppendTysyasha() {
  if (!Checked(Ctl::Tysyasha)) return;
  SetKiril(Kiril() + Text(Ctl::Tysyasha));
  Release(Ctl::Tysyasha);
}

void MainWindowModel::ReadKiril() { SetSovrText(ToDecimal(ReadKirilValue(Kiril(), Keys()))); }

void MainWindowModel::MyriadPanelClick(Ctl panel) {
  SelectRadio(Ctl::Kiril_Old_Tys_Radio2);
  S(panel).checked = !Checked(panel);
}

// ---- Variant boxes
// --------------------------------------------------------------------------------

void MainWindowModel::RunCheckHandler(Ctl box) {
  switch (box) {
    case Ctl::IspZarno:
      IspZarnoClick();
      return;
    case Ctl::IspTochka:
      IspTochkaClick();
      return;
    case Ctl::TysyashaNizhe:
      TysyashaNizheClick();
      return;
    case Ctl::Ispolzovat:
      IspolzovatClick();
      return;
    case Ctl::Gershaim:
      GershaimClick();
      return;
    case Ctl::Obychay:
      ObychayClick();
      return;
    default:
      break;
  }
  for (const BoxHandler& h : kBoxHandlers) {
    if (h.box != box) continue;
    switch (h.routine) {
      case Variant::kPair:
        PairVariant(h.a, h.b);
        break;
      case Variant::kPairSecond:
        PairVariantSecond(h.a, h.b);
        break;
      case Variant::kTriple:
        TripleVariant(h.a, h.b, h.c);
        break;
      case Variant::kTripleOther:
        TripleVariantOther(h.a, h.b, h.c);
        break;
    }
    return;
  }
}

void MainWindowModel::PairVariant(Ctl first, Ctl second) {
  if (Checked(first)) SetChecked(second, false);
  if (!Checked(first) && !Checked(second)) SetChecked(first, true);
  RefreshPairVariant();
}

void MainWindowModel::PairVariantSecond(Ctl first, Ctl second) {
  if (Checked(second)) SetChecked(first, false);
  if (!Checked(first) && !Checked(second)) SetChecked(first, true);
  RefreshPairVariant();
}

void MainWindowModel::TripleVariant(Ctl first, Ctl second, Ctl third) {
  if (Checked(first)) {
    SetChecked(second, false);
    SetChecked(third, false);
  }
  if (!Checked(first) && !Checked(second) && !Checked(third)) SetChecked(first, true);
  RefreshVariant();
}

void MainWindowModel::TripleVariantOther(Ctl own, Ctl first, Ctl other) {
  if (Checked(own)) {
    SetChecked(first, false);
    SetChecked(other, false);
  }
  if (!Checked(own) && !Checked(first) && !Checked(other)) SetChecked(first, true);
  RefreshVariant();
}

// Only the systems whose keys have glyph variants redraw.
void MainWindowModel::RefreshVariant() {
  if (const auto redraw = RowOf(System()).redraw_variants) (this->*redraw)();
}

void MainWindowModel::RefreshPairVariant() {
  if (const auto redraw = RowOf(System()).redraw_pair_variants) (this->*redraw)();
}

}  // namespace zarno
