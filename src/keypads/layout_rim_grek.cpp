// Keypads of the Roman, Greek Ionic and Greek Attic systems.
#include "keypads/layout_data.h"

namespace zarno::layout {

std::span<const Placement> RimLayout() { return {}; }
std::span<const Placement> GrekIonichLayout() { return {}; }
std::span<const Placement> GrekAttichLayout() { return {}; }

}  // namespace zarno::layout
