// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_location.h"

#include <system_error>

#include "settings/settings_file.h"
#include "settings/user_dirs.h"

namespace zarno {

std::optional<std::filesystem::path> SettingsFileLocation(
    bool working_dir_has_file, const std::optional<std::filesystem::path>& config_dir) {
  if (working_dir_has_file) return std::filesystem::path(kSettingsFileName);
  if (config_dir) return *config_dir / kSettingsFileName;
  return std::nullopt;
}

std::optional<std::filesystem::path> SettingsFileLocationOfThisProcess() {
  std::error_code ec;
  const bool here = std::filesystem::exists(std::filesystem::symlink_status(kSettingsFileName, ec));
  return SettingsFileLocation(here, UserConfigDirOfThisProcess());
}

}  // namespace zarno
