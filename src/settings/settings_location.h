// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the window keeps "Zarno.ini": in the user's configuration folder
// ($XDG_CONFIG_HOME/zarno, ~/.config/zarno when the variable is unset or relative), except
// when the working directory already holds a "Zarno.ini" (portable use, and the files users
// already have): that file is then read and written. A new file is never made in the working
// directory. The command-line replay keeps the working directory's file instead, so that a
// script gives the same result wherever it runs.
#include <filesystem>
#include <optional>

namespace zarno {

// `working_dir_has_file`: whether the working directory holds an entry "Zarno.ini" (of any
// kind: a broken link or a folder there is the user's, and reading it reports why it fails).
// `config_dir`: the user's configuration folder for the program (UserConfigDir).
// The bare name "Zarno.ini" for the working directory's file; nullopt when neither is there.
std::optional<std::filesystem::path> SettingsFileLocation(
    bool working_dir_has_file, const std::optional<std::filesystem::path>& config_dir);

// The location for this process, from its working directory and environment.
std::optional<std::filesystem::path> SettingsFileLocationOfThisProcess();

}  // namespace zarno
