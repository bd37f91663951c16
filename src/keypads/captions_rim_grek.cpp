// Glyph tables of the Roman, Greek Ionic and Greek Attic keypads.
#include "keypads/captions.h"

namespace zarno {

std::span<const CaptionEntry> RimCaptions() { return {}; }
std::span<const CaptionEntry> GrekIonichCaptions() { return {}; }
std::span<const CaptionEntry> GrekAttichCaptions() { return {}; }

}  // namespace zarno
