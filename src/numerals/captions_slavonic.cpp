// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/captions.h"

namespace zarno {
namespace {

constexpr CaptionEntry kKiril[] = {
    {Ctl::Kiril1_1, u"\u0430"},
    {Ctl::Kiril1_2, u"\u0432"},
    {Ctl::Kiril1_3, u"\u0433"},
    {Ctl::Kiril1_4, u"\u0434"},
    {Ctl::Kiril1_5, u"\u0454"},
    {Ctl::Kiril1_5_e2, u"\u0435"},
    {Ctl::Kiril1_6, u"\u0455"},
    {Ctl::Kiril1_6_s2, u"\uE03E"},
    {Ctl::Kiril1_7, u"\u0437"},
    {Ctl::Kiril1_7_z2, u"\uE038"},
    {Ctl::Kiril1_8, u"\u0438"},
    {Ctl::Kiril1_9, u"\u0473"},
    {Ctl::Kiril1_10, u"\u0456"},
    {Ctl::Kiril1_20, u"\u043A"},
    {Ctl::Kiril1_30, u"\u043B"},
    {Ctl::Kiril1_40, u"\u043C"},
    {Ctl::Kiril1_50, u"\u043D"},
    {Ctl::Kiril1_60, u"\u046F"},
    {Ctl::Kiril1_60_oldz, u"\uE066"},
    {Ctl::Kiril1_70, u"\u047B"},
    {Ctl::Kiril1_80, u"\u043F"},
    {Ctl::Kiril1_90, u"\u0447"},
    {Ctl::Kiril1_90_koppa, u"\u0481"},
    {Ctl::Kiril1_90_che2, u"\uE067"},
    {Ctl::Kiril1_100, u"\u0440"},
    {Ctl::Kiril1_200, u"\u0441"},
    {Ctl::Kiril1_300, u"\u0442"},
    {Ctl::Kiril1_400_y, u"\u0443"},
    {Ctl::Kiril1_400_izh, u"\u0475"},
    {Ctl::Kiril1_500, u"\u0444"},
    {Ctl::Kiril1_600, u"\u0445"},
    {Ctl::Kiril1_700, u"\u0471"},
    {Ctl::Kiril1_800, u"\u047F"},
    {Ctl::Kiril1_800_omega, u"\u0461"},
    {Ctl::Kiril1_900, u"\u0446"},
    {Ctl::Kiril1_900_yus, u"\u0467"},
    {Ctl::Kiril1_900_c2, u"\uE068"},
    // The thousands sign and the two modifier panels; the renderer reads the sign of a
    // panel from its second character.
    {Ctl::Tysyasha, u"\u0482"},
    {Ctl::Nizhe1, u"\u0482"},
    {Ctl::Zarno, u"\u0483"},
    {Ctl::Kiril_Old_Tys_Radio1, u"\u0482\u0456"},
    {Ctl::Kiril_Old_Tys_Radio2, u"\u0430\uE070"},
    {Ctl::x10000, u" \uE070"},
    {Ctl::x100000, u" \uE085"},
};

constexpr CaptionEntry kGlagol[] = {
    {Ctl::Kiril1_1, u"\u2C30"},        {Ctl::Kiril1_2, u"\u2C31"},
    {Ctl::Kiril1_3, u"\u2C32"},        {Ctl::Kiril1_4, u"\u2C33"},
    {Ctl::Kiril1_5, u"\u2C34"},        {Ctl::Kiril1_6, u"\u2C35"},
    {Ctl::Kiril1_7, u"\u2C36"},        {Ctl::Kiril1_8, u"\u2C37"},
    {Ctl::Kiril1_9, u"\u2C38"},        {Ctl::Kiril1_10, u"\u2C3A"},
    {Ctl::Kiril1_20, u"\u2C3B"},       {Ctl::Kiril1_30, u"\u2C3C"},
    {Ctl::Kiril1_40, u"\u2C3D"},       {Ctl::Kiril1_50, u"\u2C3E"},
    {Ctl::Kiril1_60, u"\u2C3F"},       {Ctl::Kiril1_70, u"\u2C40"},
    {Ctl::Kiril1_80, u"\u2C41"},       {Ctl::Kiril1_90, u"\u2C42"},
    {Ctl::Kiril1_100, u"\u2C43"},      {Ctl::Kiril1_200, u"\u2C44"},
    {Ctl::Kiril1_300, u"\u2C45"},      {Ctl::Kiril1_400_y, u"\u2C46"},
    {Ctl::Kiril1_500, u"\u2C47"},      {Ctl::Glag_500_F, u"\uE069"},
    {Ctl::Kiril1_600, u"\u2C48"},      {Ctl::Kiril1_700, u"\u2C49"},
    {Ctl::Kiril1_800, u"\u2C4B"},      {Ctl::Kiril1_900, u"\u2C4C"},
    {Ctl::Glagolitsa_1000, u"\u2C4D"}, {Ctl::Glagolitsa_2000, u"\u2C4E"},
};

}  // namespace

std::span<const CaptionEntry> KirilCaptions() { return kKiril; }
std::span<const CaptionEntry> GlagolCaptions() { return kGlagol; }

}  // namespace zarno
