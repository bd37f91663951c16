// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding our font "kolvan+.ttf" where the program was built or installed, and installing it
// for the user, so that fontconfig finds it in this and in every later session. A file of that
// name counts only when FreeType reads it as our font "Kolvana+" with every glyph whole: a
// broken file once installed would stand in for the font for good.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/user_dirs.h"

namespace zarno {

inline constexpr std::string_view kShippedFontFile = "kolvan+.ttf";
inline constexpr std::u16string_view kShippedFontFamily = u"Kolvana+";

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

struct ShippedFontSearch {
  std::optional<std::filesystem::path> found;  // the first source place's file that is our font
  // The files of that name passed over before it (or in vain), each as "<path>: <why>".
  std::vector<std::string> passed_over;
};

// Looks for our font in the source places. Never throws.
ShippedFontSearch SearchShippedFont(const ShippedFontPlaces& places) noexcept;
// The found file of SearchShippedFont.
std::optional<std::filesystem::path> FindShippedFont(const ShippedFontPlaces& places) noexcept;

enum class FontInstall {
  kInstalled,  // there was no copy in the user's font folder; ours is there now
  kReplaced,   // the copy there was not our font, did not parse or was older: ours replaced it
  kKept,       // the copy there is our font, as new as the shipped one or newer
  kAbsent,     // (renewal only) there is no copy to renew
  kNoSource,   // nothing was written: no source place holds our font
  kFailed,     // nothing was written: no user font folder, or the copy could not be written
};

struct FontInstallResult {
  FontInstall outcome = FontInstall::kFailed;
  std::filesystem::path target;  // the user's copy, <user_font_dir>/kolvan+.ttf
  // kNoSource: the files passed over (empty when there was none at all); kFailed: the reason.
  std::string problem;
};

// Brings the user's copy of our font up to date from the first source that is our font: writes
// it when the user's font folder has no "kolvan+.ttf", or one that is not "Kolvana+", does not
// parse or has an older version (fontRevision) than the source; keeps a copy as new or newer.
// The copy is written under another name and renamed at the end, so a half-copied font never
// appears there; the folder is created when missing. The caller loads a written copy into the
// running process and builds its font list afresh. Never throws.
FontInstallResult InstallShippedFont(const ShippedFontPlaces& places) noexcept;

// The same for a user's copy that is already there: when there is none, does nothing (kAbsent)
// and reads no source. For every start where the font is already installed.
FontInstallResult RenewShippedFont(const ShippedFontPlaces& places) noexcept;

}  // namespace zarno
