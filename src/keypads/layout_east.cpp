// Keypads of the Chinese, Armenian, Georgian, Maya and Hebrew systems.
#include "keypads/layout_data.h"

namespace zarno::layout {

std::span<const Placement> KitayLayout() { return {}; }
std::span<const Placement> ArmenLayout() { return {}; }
std::span<const Placement> GruzLayout() { return {}; }
std::span<const Placement> MayaLayout() { return {}; }
std::span<const Placement> IudeyskieLayout() { return {}; }

}  // namespace zarno::layout
