// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding our font "kolvan+.ttf" where the program was built or installed, and installing our font
// "kolvan+.ttf" for the user, so that fontconfig finds it in this and in every later session.
// Nothing is reported in any case: without the font the program still runs, with whatever fonts are
// installed.
#include <filesystem>
#include <optional>
#include <string_view>

#include "settings/user_dirs.h"

namespace zarno {

inline constexpr std::string_view kShippedFontFile = "kolvan+.ttf";

struct ShippedFontPlaces {
  // Where the font file is looked for, in this order; an empty path is skipped. Never the
  // working directory: what lies there belongs to the user, not to the program.
  std::filesystem::path executable_dir;  // beside the program: the build tree, an unpacked archive
  std::filesystem::path data_dir;        // the installed data, <prefix>/share/fonts/truetype/zarno
  // Where it goes; empty when there is no such folder (no usable home).
  std::filesystem::path user_font_dir;
};

// The installed data folder of a program whose executable lies in `executable_dir`.
std::filesystem::path InstalledFontDir(const std::filesystem::path& executable_dir);

// The places for this process: the folder of its executable, the installed data folder
// relative to it, and the user's font folder from the environment.
ShippedFontPlaces ShippedFontPlacesOfThisProcess();

// The first file "kolvan+.ttf" of the source places that is a font. Never throws.
std::optional<std::filesystem::path> FindShippedFont(const ShippedFontPlaces& places) noexcept;

// When no file "kolvan+.ttf" is in the user's font folder yet, copies the first one found into
// it, creating the folder. The copy is written under another name and renamed at the end, so a
// half-copied font never appears there. A file that is not a TrueType or OpenType font is not
// copied: once in place it would stop every later installation.
// Returns the path of the installed file when one was copied (the caller then loads it into
// the running process and builds its font list afresh); nullopt when a file of that name was
// already there (even if the font list lacks the font), when no source was found, or when the
// copy failed. Never throws.
std::optional<std::filesystem::path> InstallShippedFont(const ShippedFontPlaces& places) noexcept;

}  // namespace zarno
