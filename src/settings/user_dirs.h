// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The folders of the running program and of its user, after the XDG base directory rules:
// where the user's fonts and settings go, and where the program itself lies.
#include <filesystem>
#include <optional>
#include <string_view>

namespace zarno {

// A folder of the XDG rules: the variable's value when it is an absolute path, otherwise
// `fallback` under the home folder (the rules say to ignore a relative value). nullopt when
// the home folder is unset, empty or relative too. nullptr stands for an unset variable.
std::optional<std::filesystem::path> XdgBaseDir(const char* value, const char* home,
                                                std::string_view fallback);

// $XDG_DATA_HOME/fonts, or ~/.local/share/fonts.
std::optional<std::filesystem::path> UserFontDir(const char* xdg_data_home, const char* home);
// $XDG_CONFIG_HOME/zarno, or ~/.config/zarno.
std::optional<std::filesystem::path> UserConfigDir(const char* xdg_config_home, const char* home);

// The same for this process: the variables from its environment, the home folder taken from
// the password database when HOME is unset or empty.
std::optional<std::filesystem::path> UserFontDirOfThisProcess();
std::optional<std::filesystem::path> UserConfigDirOfThisProcess();

// The folder that holds the running executable; empty when the system does not say.
std::filesystem::path ExecutableDir();

}  // namespace zarno
