// Glyph tables of the Chinese, Armenian, Georgian, Maya and Hebrew keypads.
#include "keypads/captions.h"

namespace zarno {

std::span<const CaptionEntry> KitayCaptions() { return {}; }
std::span<const CaptionEntry> KitayFormalCaptions() { return {}; }
std::span<const CaptionEntry> KitaySimplifiedCaptions() { return {}; }
std::span<const CaptionEntry> ArmenCaptions() { return {}; }
std::span<const CaptionEntry> GruzCaptions() { return {}; }
std::span<const CaptionEntry> MayaCaptions() { return {}; }
std::span<const CaptionEntry> IudeyskieCaptions() { return {}; }
std::u16string_view KitayZeroFor(std::u16string_view kitay_font) {
  return kitay_font == u"Arial Unicode MS" ? u"\u20DD" : u"\u25EF";
}

}  // namespace zarno
