// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A settings file from which not one line of the sixteen keys can be read (empty, binary
// junk, another encoding such as UTF-16) is damaged: the window treats it as missing, after
// keeping it beside the new one, so that nothing the user had is lost.
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "settings/settings_file.h"

namespace zarno {

inline constexpr std::string_view kDamagedSuffix = ".damaged";

// True when no entry has one of the sixteen keys.
bool IsDamagedSettings(const std::vector<SettingsEntry>& entries);

// Renames the file to "<name>.damaged" beside it; when that name is taken (a file kept
// before), to "<name>.damaged-2", "-3" and so on, so that no kept file is overwritten.
// Returns the new path, or the text for the error box when the file could not be moved.
std::variant<std::filesystem::path, std::u16string> KeepDamagedSettingsFile(
    const std::filesystem::path& path);

// The one message the window shows after keeping a damaged file.
std::u16string DamagedSettingsMessage(const std::filesystem::path& path,
                                      const std::filesystem::path& kept);

}  // namespace zarno
