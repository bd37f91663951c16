// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/controls.h"

#include <algorithm>
#include <array>

namespace zarno {

std::optional<Ctl> FindControl(std::string_view name) {
  // Sorted once; a replay script looks names up on every line.
  static const auto kByName = [] {
    std::array<Ctl, kControlCount> order{};
    for (int i = 0; i < kControlCount; ++i) order[i] = static_cast<Ctl>(i);
    std::sort(order.begin(), order.end(), [](Ctl a, Ctl b) { return Name(a) < Name(b); });
    return order;
  }();
  auto it = std::lower_bound(kByName.begin(), kByName.end(), name,
                             [](Ctl c, std::string_view n) { return Name(c) < n; });
  if (it == kByName.end() || Name(*it) != name) return std::nullopt;
  return *it;
}

}  // namespace zarno
