// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a replay script: every command with any arguments, in any order. Nothing
// may crash or hang; the exit status is one of the three the tool has, and a script that
// ends without a usage error printed one line per "print".
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "settings/settings_store.h"

using namespace zarno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  std::istringstream in(script);
  std::ostringstream out, err;
  SettingsMemoryStore settings;
  cli::ReplayWorld world;
  world.font_families = [] {
    return std::vector<std::u16string>{u"AR PL UMing CN", u"DejaVu Sans", u"FreeSans", u"Kolvana+"};
  };
  world.install_shipped_font = [] { return false; };
  world.settings = &settings;
  const int status = cli::Replay(in, out, err, world);
  if (status != cli::kOk && status != cli::kUsage) __builtin_trap();
  return 0;
}
