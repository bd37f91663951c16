#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The installed font families as fontconfig knows them (no display needed), and our font
// made usable for this process alone: the command-line tool never writes into the home.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zarno::cli {

std::vector<std::u16string> SystemFontFamilies();
// Registers the shipped "kolvan+.ttf" (beside the program or in its installed data folder)
// with fontconfig as a font of this process, so that the font list holds "Kolvana+" as the
// window's does after it installed the font. Returns the registered file; nullopt when none
// was found or fontconfig refused it.
std::optional<std::filesystem::path> RegisterShippedFontForProcess();

}  // namespace zarno::cli
