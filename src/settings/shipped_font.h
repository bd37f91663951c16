#pragma once

// Installing our font "kolvan+.ttf" for the user, so that fontconfig finds it in this and in
// every later session. Nothing is reported in any case: without the font the program still
// runs, with whatever fonts are installed.
#include <filesystem>
#include <optional>
#include <string_view>

namespace zarno {

inline constexpr std::string_view kShippedFontFile = "kolvan+.ttf";

struct ShippedFontPlaces {
  // Where the font file is looked for, in this order; an empty path is skipped.
  std::filesystem::path working_dir;     // the current directory, as the program always did
  std::filesystem::path executable_dir;  // beside the program, for an unpacked archive
  std::filesystem::path data_dir;        // the installed data, e.g. <prefix>/share/zarno/fonts
  // Where it goes; empty when there is no such folder (no usable home).
  std::filesystem::path user_font_dir;
};

// The user's font folder after the XDG base directory rules: $XDG_DATA_HOME/fonts, or
// $HOME/.local/share/fonts when XDG_DATA_HOME is unset, empty or relative (the rules say to
// ignore a relative value). nullopt when home is unset, empty or relative too. Pass the
// values of the two variables (nullptr for unset).
std::optional<std::filesystem::path> UserFontDir(const char* xdg_data_home, const char* home);

// The places for this process: its current directory, the folder of its executable, the given
// data folder, and the user's font folder from the environment (the home folder taken from
// the password database when HOME is unset).
ShippedFontPlaces ShippedFontPlacesOfThisProcess(const std::filesystem::path& data_dir);

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
