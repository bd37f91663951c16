// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_layout.h"

#include <array>

#include "keypads/layout.h"

namespace zarno::ui {
namespace {

struct Placed {
  Ctl control;
  Rect place;
};

// The y of the ten system radio buttons, top to bottom.
constexpr int kRadioY[kSystemCount] = {43, 76, 109, 141, 173, 205, 235, 271, 309, 341};
constexpr int kRadioW = 78;
constexpr int kRadioH = 15;
// The settings panel: font boxes at x 529, 159 wide, one every 24 pixels from y 64.
constexpr int kBoxX = 529;
constexpr int kBoxW = 159;
constexpr int kBoxH = 22;
constexpr int kFirstBoxY = 64;
constexpr int kBoxStep = 24;

constexpr Rect FontBoxPlace(int i) { return {kBoxX, kFirstBoxY + kBoxStep * i, kBoxW, kBoxH}; }
constexpr Rect DigitButtonPlace(int d) { return {74 + 32 * d, 492, 29, 35}; }
constexpr Rect RadioPlace(int i) { return {1, kRadioY[i], kRadioW, kRadioH}; }

constexpr Placed kPlaces[] = {
    {Ctl::Sovr, {85, 6, 188, 28}},
    {Ctl::Button1, {309, 8, 60, 25}},
    {Ctl::Nastroyki, {384, 8, 63, 25}},
    {Ctl::Kiril, kKirilLine},
    {Ctl::Button2, {375, 42, 44, 21}},
    {Ctl::SpinEdit1, {376, 65, 42, 22}},
    {Ctl::Label13, {422, 40, 15, 13}},
    {Ctl::Label8, {422, 54, 15, 13}},
    {Ctl::Label14, {422, 68, 15, 13}},
    {Ctl::Label15, {422, 82, 15, 13}},
    // The digit-set strip below the horizontal line.
    {Ctl::Button4, {74, 412, 127, 20}},
    {Ctl::Dr10Znak_Name, {208, 413, 230, 18}},
    {Ctl::Arab1, {74, 435, 316, 55}},
    {Ctl::Button3, {394, 438, 50, 23}},
    {Ctl::Arab1_0, DigitButtonPlace(0)},
    {Ctl::Arab1_1, DigitButtonPlace(1)},
    {Ctl::Arab1_2, DigitButtonPlace(2)},
    {Ctl::Arab1_3, DigitButtonPlace(3)},
    {Ctl::Arab1_4, DigitButtonPlace(4)},
    {Ctl::Arab1_5, DigitButtonPlace(5)},
    {Ctl::Arab1_6, DigitButtonPlace(6)},
    {Ctl::Arab1_7, DigitButtonPlace(7)},
    {Ctl::Arab1_8, DigitButtonPlace(8)},
    {Ctl::Arab1_9, DigitButtonPlace(9)},
    {Ctl::KirilRadio, RadioPlace(0)},
    {Ctl::GlagolRadio, RadioPlace(1)},
    {Ctl::RimRadio, RadioPlace(2)},
    {Ctl::Kitay, RadioPlace(3)},
    {Ctl::Armen, RadioPlace(4)},
    {Ctl::Gruz, RadioPlace(5)},
    {Ctl::GrekIonich, RadioPlace(6)},
    {Ctl::GrekAttich, RadioPlace(7)},
    {Ctl::Maya, RadioPlace(8)},
    {Ctl::Iudeyskie, RadioPlace(9)},
    // The settings panel right of x 456.
    {Ctl::Button5, {kBoxX, 32, kBoxW, 25}},
    {Ctl::FontKirillitsa, FontBoxPlace(0)},
    {Ctl::FontGlagolitsa, FontBoxPlace(1)},
    {Ctl::FontRim, FontBoxPlace(2)},
    {Ctl::FontKitay, FontBoxPlace(3)},
    {Ctl::FontArmen, FontBoxPlace(4)},
    {Ctl::FontGruz, FontBoxPlace(5)},
    {Ctl::FontGrekIonich, FontBoxPlace(6)},
    {Ctl::FontGrekAttich, FontBoxPlace(7)},
    {Ctl::FontMaya, FontBoxPlace(8)},
    {Ctl::FontIudeyskie, FontBoxPlace(9)},
    {Ctl::Memo1, {462, 310, 230, 64}},
    {Ctl::FontArab1, {kBoxX, 378, kBoxW, kBoxH}},
    {Ctl::Memo2, {462, 408, 230, 92}},
    {Ctl::FontArab2, {kBoxX, 504, kBoxW, kBoxH}},
};

constexpr std::u16string_view kBoxLabels[kSystemCount] = {
    u"Кириллица:",  u"Глаголица:",    u"Римские:",      u"Китайские:", u"Армянские:",
    u"Грузинские:", u"Греч. ионич.:", u"Греч. аттич.:", u"Майя.:",     u"Иудейские:",
};

constexpr Rect BoxLabelPlace(int i) { return {458, kFirstBoxY + kBoxStep * i, 68, kBoxH}; }
// A range label stands under its radio button; under the Greek ones, the second line first.
constexpr Rect RangePlace(int i, bool second_line) {
  return {1, kRadioY[i] + (second_line ? 26 : 15), kRadioW, 12};
}
constexpr Rect SecondLinePlace(int i) { return {18, kRadioY[i] + 14, 61, 12}; }

constexpr Decor kDecor[] = {
    // The keypad frame, under the keys.
    {"KeypadFrame", u"", {80, 139, 297, 138}, DecorKind::kFrame},
    {"Bevel1", u"", {6, 406, 444, 2}, DecorKind::kHLine},
    {"Bevel2", u"", {455, 0, 2, kClientHeight}, DecorKind::kVLine},
    {"Label1", u"Современные:", {6, 14, 78, 16}, DecorKind::kCaption},
    {"RangeKirilRadio", u"( 1 - 999 999 )", RangePlace(0, false), DecorKind::kGrey},
    {"RangeGlagolRadio", u"( 1 - 2 999 )", RangePlace(1, false), DecorKind::kGrey},
    {"RangeRimRadio", u"( 1 - 399 999 )", RangePlace(2, false), DecorKind::kGrey},
    {"RangeKitay", u"( 1 - 99 999 )", RangePlace(3, false), DecorKind::kGrey},
    {"RangeArmen", u"( 1 - 9 999 )", RangePlace(4, false), DecorKind::kGrey},
    {"RangeGruz", u"( 1 - 19 999 )", RangePlace(5, false), DecorKind::kGrey},
    {"SecondLineGrekIonich", u"ионические", SecondLinePlace(6), DecorKind::kCaption},
    {"RangeGrekIonich", u"(1-99 999 999)", RangePlace(6, true), DecorKind::kGrey},
    {"SecondLineGrekAttich", u"аттические", SecondLinePlace(7), DecorKind::kCaption},
    {"RangeGrekAttich", u"(1-249 999)", RangePlace(7, true), DecorKind::kGrey},
    {"RangeMaya", u"(1-4294967295)", RangePlace(8, false), DecorKind::kGrey},
    {"RangeIudeyskie", u"(1-9 999)", RangePlace(9, false), DecorKind::kGrey},
    // The settings panel.
    {"Label9", u"Настройка шрифтов:", {466, 8, 220, 18}, DecorKind::kHeading},
    {"LabelFontKirillitsa", kBoxLabels[0], BoxLabelPlace(0), DecorKind::kRightLabel},
    {"LabelFontGlagolitsa", kBoxLabels[1], BoxLabelPlace(1), DecorKind::kRightLabel},
    {"LabelFontRim", kBoxLabels[2], BoxLabelPlace(2), DecorKind::kRightLabel},
    {"LabelFontKitay", kBoxLabels[3], BoxLabelPlace(3), DecorKind::kRightLabel},
    {"LabelFontArmen", kBoxLabels[4], BoxLabelPlace(4), DecorKind::kRightLabel},
    {"LabelFontGruz", kBoxLabels[5], BoxLabelPlace(5), DecorKind::kRightLabel},
    {"LabelFontGrekIonich", kBoxLabels[6], BoxLabelPlace(6), DecorKind::kRightLabel},
    {"LabelFontGrekAttich", kBoxLabels[7], BoxLabelPlace(7), DecorKind::kRightLabel},
    {"LabelFontMaya", kBoxLabels[8], BoxLabelPlace(8), DecorKind::kRightLabel},
    {"LabelFontIudeyskie", kBoxLabels[9], BoxLabelPlace(9), DecorKind::kRightLabel},
};

}  // namespace

Rect DesignPlace(Ctl c) {
  for (const Placed& p : kPlaces) {
    if (p.control == c) return p.place;
  }
  return {};
}

DesignFont DesignFontOf(Ctl c) {
  // Keys the keypad reset leaves alone (the Glagolitic thousands, which the Armenian and
  // Georgian keypads show, and the Roman hundred thousand) keep the size of the others.
  if (KindOf(c) == ControlKind::kKey) return {18, false};
  switch (c) {
    case Ctl::Sovr:
      return {13, true};  // MS Sans Serif, 17 pixels high, bold
    case Ctl::Zarno:
      return {19, false};  // 25 pixels high
    case Ctl::Nizhe1:
      return {14, false};
    case Ctl::Kiril_Old_Tys_Radio1:
    case Ctl::Kiril_Old_Tys_Radio2:
      return {13, false};
    case Ctl::Kiril:
    case Ctl::Arab1:
      return {20, false};  // 27 pixels high
    // The small captions of the panels, and the group, fit their narrow places.
    case Ctl::Kiril_Stepen_103:
    case Ctl::x10000_nadpis:
    case Ctl::x100000_nadpis:
    case Ctl::Kiril_10000_I_Bolshe:
      return {7, false};
    default:
      return {};
  }
}

std::span<const Decor> DecorItems() { return kDecor; }

}  // namespace zarno::ui
