// SPDX-License-Identifier: GPL-3.0-or-later
// Glyph tables of the Chinese, Armenian, Georgian and Maya keypads (the Hebrew letters are in
// hebrew.cpp, with the other rules of that system).
#include "numerals/captions.h"

namespace zarno {
namespace {

// The ordinary signs; the zero of Kiril1_0_1 depends on the font (KitayZeroFor).
constexpr CaptionEntry kKitay[] = {
    {Ctl::Kiril1_1, u"\u4E00"},   {Ctl::Kiril1_2, u"\u4E8C"},        {Ctl::Kiril1_3, u"\u4E09"},
    {Ctl::Kiril1_4, u"\u56DB"},   {Ctl::Kiril1_5, u"\u4E94"},        {Ctl::Kiril1_6, u"\u516D"},
    {Ctl::Kiril1_7, u"\u4E03"},   {Ctl::Kiril1_8, u"\u516B"},        {Ctl::Kiril1_9, u"\u4E5D"},
    {Ctl::Kiril1_10, u"\u5341"},  {Ctl::Kiril1_20, u"\u5EFF"},       {Ctl::Kiril1_30, u"\u5345"},
    {Ctl::Kiril1_100, u"\u767E"}, {Ctl::Glagolitsa_1000, u"\u5343"}, {Ctl::Rim_10000_1, u"\u842C"},
};

// The formal (financial) signs, with the traditional formal six.
constexpr CaptionEntry kKitayFormal[] = {
    {Ctl::Kiril1_0_2, u"\u96F6"},  {Ctl::Kiril1_1_2, u"\u58F9"},  {Ctl::Kiril1_2_2, u"\u8CB3"},
    {Ctl::Kiril1_3_2, u"\u53C2"},  {Ctl::Kiril1_4_2, u"\u8086"},  {Ctl::Kiril1_5_e2, u"\u4F0D"},
    {Ctl::Kiril1_6_s2, u"\u9678"}, {Ctl::Kiril1_7_z2, u"\u67D2"}, {Ctl::Kiril1_8_2, u"\u634C"},
    {Ctl::Kiril1_9_2, u"\u7396"},  {Ctl::Kiril1_10_2, u"\u62FE"}, {Ctl::Kiril1_100_Rim, u"\u4F70"},
    {Ctl::Rim_1000_1, u"\u4EDF"},
};

constexpr CaptionEntry kKitaySimplified[] = {
    {Ctl::Kiril1_6_3, u"\u9646"},
    {Ctl::Rim_10000_2, u"\u4E07"},
};

// The 36 capitals U+0531..U+0554 in alphabetical order: 1..9, 10..90, 100..900, 1000..9000.
constexpr CaptionEntry kArmen[] = {
    {Ctl::Kiril1_1, u"\u0531"},        {Ctl::Kiril1_2, u"\u0532"},
    {Ctl::Kiril1_3, u"\u0533"},        {Ctl::Kiril1_4, u"\u0534"},
    {Ctl::Kiril1_5, u"\u0535"},        {Ctl::Kiril1_6, u"\u0536"},
    {Ctl::Kiril1_7, u"\u0537"},        {Ctl::Kiril1_8, u"\u0538"},
    {Ctl::Kiril1_9, u"\u0539"},        {Ctl::Kiril1_10, u"\u053A"},
    {Ctl::Kiril1_20, u"\u053B"},       {Ctl::Kiril1_30, u"\u053C"},
    {Ctl::Kiril1_40, u"\u053D"},       {Ctl::Kiril1_50, u"\u053E"},
    {Ctl::Kiril1_60, u"\u053F"},       {Ctl::Kiril1_70, u"\u0540"},
    {Ctl::Kiril1_80, u"\u0541"},       {Ctl::Kiril1_90, u"\u0542"},
    {Ctl::Kiril1_100, u"\u0543"},      {Ctl::Kiril1_200, u"\u0544"},
    {Ctl::Kiril1_300, u"\u0545"},      {Ctl::Kiril1_400_y, u"\u0546"},
    {Ctl::Kiril1_500, u"\u0547"},      {Ctl::Kiril1_600, u"\u0548"},
    {Ctl::Kiril1_700, u"\u0549"},      {Ctl::Kiril1_800, u"\u054A"},
    {Ctl::Kiril1_900, u"\u054B"},      {Ctl::Glagolitsa_1000, u"\u054C"},
    {Ctl::Glagolitsa_2000, u"\u054D"}, {Ctl::Glagolitsa_3000, u"\u054E"},
    {Ctl::Glagolitsa_4000, u"\u054F"}, {Ctl::Rim_5000_1, u"\u0550"},
    {Ctl::Glagolitsa_6000, u"\u0551"}, {Ctl::Glagolitsa_7000, u"\u0552"},
    {Ctl::Glagolitsa_8000, u"\u0553"}, {Ctl::Glagolitsa_9000, u"\u0554"},
};

// The Georgian numeral letters in their traditional order, with the archaic ჱ ჲ ჳ ჴ ჵ.
constexpr CaptionEntry kGruz[] = {
    {Ctl::Kiril1_1, u"\u10D0"},        {Ctl::Kiril1_2, u"\u10D1"},
    {Ctl::Kiril1_3, u"\u10D2"},        {Ctl::Kiril1_4, u"\u10D3"},
    {Ctl::Kiril1_5, u"\u10D4"},        {Ctl::Kiril1_6, u"\u10D5"},
    {Ctl::Kiril1_7, u"\u10D6"},        {Ctl::Kiril1_8, u"\u10F1"},
    {Ctl::Kiril1_9, u"\u10D7"},        {Ctl::Kiril1_10, u"\u10D8"},
    {Ctl::Kiril1_20, u"\u10D9"},       {Ctl::Kiril1_30, u"\u10DA"},
    {Ctl::Kiril1_40, u"\u10DB"},       {Ctl::Kiril1_50, u"\u10DC"},
    {Ctl::Kiril1_60, u"\u10F2"},       {Ctl::Kiril1_70, u"\u10DD"},
    {Ctl::Kiril1_80, u"\u10DE"},       {Ctl::Kiril1_90, u"\u10DF"},
    {Ctl::Kiril1_100, u"\u10E0"},      {Ctl::Kiril1_200, u"\u10E1"},
    {Ctl::Kiril1_300, u"\u10E2"},      {Ctl::Kiril1_400_y, u"\u10F3"},
    {Ctl::Kiril1_500, u"\u10E4"},      {Ctl::Kiril1_600, u"\u10E5"},
    {Ctl::Kiril1_700, u"\u10E6"},      {Ctl::Kiril1_800, u"\u10E7"},
    {Ctl::Kiril1_900, u"\u10E8"},      {Ctl::Glagolitsa_1000, u"\u10E9"},
    {Ctl::Glagolitsa_2000, u"\u10EA"}, {Ctl::Glagolitsa_3000, u"\u10EB"},
    {Ctl::Glagolitsa_4000, u"\u10EC"}, {Ctl::Rim_5000_1, u"\u10ED"},
    {Ctl::Glagolitsa_6000, u"\u10EE"}, {Ctl::Glagolitsa_7000, u"\u10F4"},
    {Ctl::Glagolitsa_8000, u"\u10EF"}, {Ctl::Glagolitsa_9000, u"\u10F0"},
    {Ctl::Rim_10000_1, u"\u10F5"},
};

// The twenty digits of the program's font, from the shell (0) to 19.
constexpr CaptionEntry kMaya[] = {
    {Ctl::Kiril1_0_1, u"\uE140"}, {Ctl::Kiril1_1, u"\uE141"},  {Ctl::Kiril1_2, u"\uE142"},
    {Ctl::Kiril1_3, u"\uE143"},   {Ctl::Kiril1_4, u"\uE144"},  {Ctl::Kiril1_5, u"\uE145"},
    {Ctl::Kiril1_6, u"\uE146"},   {Ctl::Kiril1_7, u"\uE147"},  {Ctl::Kiril1_8, u"\uE148"},
    {Ctl::Kiril1_9, u"\uE149"},   {Ctl::Kiril1_10, u"\uE14A"}, {Ctl::Kiril1_11, u"\uE14B"},
    {Ctl::Kiril1_12, u"\uE14C"},  {Ctl::Kiril1_13, u"\uE14D"}, {Ctl::Kiril1_14, u"\uE14E"},
    {Ctl::Kiril1_15, u"\uE14F"},  {Ctl::Kiril1_16, u"\uE150"}, {Ctl::Kiril1_17, u"\uE151"},
    {Ctl::Kiril1_18, u"\uE152"},  {Ctl::Kiril1_19, u"\uE153"},
};

}  // namespace

std::span<const CaptionEntry> KitayCaptions() { return kKitay; }
std::span<const CaptionEntry> KitayFormalCaptions() { return kKitayFormal; }
std::span<const CaptionEntry> KitaySimplifiedCaptions() { return kKitaySimplified; }
std::span<const CaptionEntry> ArmenCaptions() { return kArmen; }
std::span<const CaptionEntry> GruzCaptions() { return kGruz; }
std::span<const CaptionEntry> MayaCaptions() { return kMaya; }

std::u16string_view KitayZeroFor(std::u16string_view kitay_font) {
  return kitay_font == u"Arial Unicode MS" ? u"\u20DD" : u"\u25EF";
}

void ApplyKitayKeypadCaptions(ControlStates& controls) {
  ApplyCaptions(controls, KitayCaptions());
  controls[Index(Ctl::Kiril1_0_1)].caption = KitayZeroFor(controls[Index(Ctl::FontKitay)].caption);
  ApplyCaptions(controls, KitayFormalCaptions());
  ApplyCaptions(controls, KitaySimplifiedCaptions());
}

}  // namespace zarno
