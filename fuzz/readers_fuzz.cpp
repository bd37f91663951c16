// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader and every renderer on arbitrary text: nothing may crash, hang or overflow.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

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

using namespace zarno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Pairs of bytes are UTF-16 code units, so lone surrogates and private-use signs occur too.
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i + 1 < size; i += 2)
    text[i / 2] = static_cast<char16_t>(data[i] | data[i + 1] << 8);

  (void)ReadRimText(text);
  (void)ReadKitayText(text);
  (void)ReadMayaText(text);
  (void)ReadMaya(text);
  (void)ReadArmen(text);
  (void)ReadGruz(text);
  (void)ReadGrekIonich(text);
  (void)ReadGrekAttich(text);
  (void)ReadIudeyskie(text);
  (void)ReadKirilText(text, false);
  (void)ReadKirilText(text, true);
  (void)MayaToStandard(AtticToStandard(text));

  static const auto store = [] {
    auto s = std::make_unique<ControlStates>();
    ApplyCaptions(*s, RimCaptions());
    return s;
  }();
  const KeypadView keys(*store);
  (void)ReadRimValue(text, keys);
  (void)ReadKitayValue(text, keys);
  (void)ReadKirilValue(text, keys, true);

  // The same bytes as a modern number: renderers take digits only, but must survive anything.
  const std::u16string digits = FromUtf8(std::string(reinterpret_cast<const char*>(data), size));
  (void)RenderRim(digits, keys);
  (void)RenderGrekIonich(digits, keys);
  (void)RenderGrekAttich(digits, keys);
  (void)RenderKitay(digits, keys);
  (void)RenderArmen(digits, keys);
  (void)RenderGruz(digits, keys);
  (void)RenderMaya(digits, keys);
  (void)RenderIudeyskie(digits, keys);
  if (auto plain = RenderKirilPlain(digits, keys, false, size % 2)) {
    (void)DecorateKiril(*plain, DressOptions{});
  }
  return 0;
}
