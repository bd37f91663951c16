// SPDX-License-Identifier: GPL-3.0-or-later
// Glyph tables of the Roman, Greek Ionic and Greek Attic keypads.
#include "numerals/captions.h"

namespace zarno {
namespace {

// The standard Roman glyphs and the older forms. The private-use signs are drawn by our
// font: U+E101 the older five, U+E104 the older hundred, U+E103 and U+E106 the two older
// five hundreds, U+E105 the older thousand, U+E107 the older ten thousand.
constexpr CaptionEntry kRim[] = {
    {Ctl::Kiril1_1, u"\u2160"},    {Ctl::Kiril1_5, u"\u2164"},
    {Ctl::Kiril1_5_e2, u"\uE101"}, {Ctl::Kiril1_10, u"\u2169"},
    {Ctl::Kiril1_50, u"\u216C"},   {Ctl::Kiril1_50_Rim, u"\u2186"},
    {Ctl::Kiril1_100, u"\u216D"},  {Ctl::Kiril1_100_Rim, u"\uE104"},
    {Ctl::Kiril1_500, u"\u216E"},  {Ctl::Glag_500_F, u"\uE103"},
    {Ctl::Rim_500_2, u"\uE106"},   {Ctl::Glagolitsa_1000, u"\u216F"},
    {Ctl::Rim_1000_1, u"\u2180"},  {Ctl::Rim_1000_2, u"\uE105"},
    {Ctl::Rim_5000_1, u"\u2181"},  {Ctl::Rim_10000_1, u"\u2182"},
    {Ctl::Rim_10000_2, u"\uE107"}, {Ctl::Rim_50000, u"\u2187"},
    {Ctl::Rim_100000, u"\u2188"},
};

// Units, tens and hundreds; stigma, koppa and sampi in their small forms. The myriad key
// shows a Latin M, while the numeral itself is written with a Cyrillic М.
constexpr CaptionEntry kGrekIonich[] = {
    {Ctl::Kiril1_1, u"\u03B1"},   {Ctl::Kiril1_2, u"\u03B2"},
    {Ctl::Kiril1_3, u"\u03B3"},   {Ctl::Kiril1_4, u"\u03B4"},
    {Ctl::Kiril1_5, u"\u03B5"},   {Ctl::Kiril1_6, u"\u03DB"},
    {Ctl::Kiril1_7, u"\u03B6"},   {Ctl::Kiril1_8, u"\u03B7"},
    {Ctl::Kiril1_9, u"\u03B8"},   {Ctl::Kiril1_10, u"\u03B9"},
    {Ctl::Kiril1_20, u"\u03BA"},  {Ctl::Kiril1_30, u"\u03BB"},
    {Ctl::Kiril1_40, u"\u03BC"},  {Ctl::Kiril1_50, u"\u03BD"},
    {Ctl::Kiril1_60, u"\u03BE"},  {Ctl::Kiril1_70, u"\u03BF"},
    {Ctl::Kiril1_80, u"\u03C0"},  {Ctl::Kiril1_90, u"\u03D9"},
    {Ctl::Kiril1_100, u"\u03C1"}, {Ctl::Kiril1_200, u"\u03C3"},
    {Ctl::Kiril1_300, u"\u03C4"}, {Ctl::Kiril1_400_y, u"\u03C5"},
    {Ctl::Kiril1_500, u"\u03C6"}, {Ctl::Kiril1_600, u"\u03C7"},
    {Ctl::Kiril1_700, u"\u03C8"}, {Ctl::Kiril1_800, u"\u03C9"},
    {Ctl::Kiril1_900, u"\u03E1"}, {Ctl::x10000, u"M"},
    {Ctl::Tysyasha, u","},
};

// One-signs are the initial letters of the number words; the combined five-signs of 50 to
// 50000 are private-use signs of our font.
constexpr CaptionEntry kGrekAttich[] = {
    {Ctl::Kiril1_1, u"\u0399"},        {Ctl::Kiril1_5, u"\u0393"},   {Ctl::Kiril1_10, u"\u0394"},
    {Ctl::Kiril1_50, u"\uE111"},       {Ctl::Kiril1_100, u"\u0397"}, {Ctl::Kiril1_500, u"\uE112"},
    {Ctl::Glagolitsa_1000, u"\u03A7"}, {Ctl::Rim_5000_1, u"\uE113"}, {Ctl::Rim_10000_1, u"\u039C"},
    {Ctl::Rim_50000, u"\uE114"},
};

}  // namespace

std::span<const CaptionEntry> RimCaptions() { return kRim; }
std::span<const CaptionEntry> GrekIonichCaptions() { return kGrekIonich; }
std::span<const CaptionEntry> GrekAttichCaptions() { return kGrekAttich; }

}  // namespace zarno
