// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/shipped_font.h"

#include <array>
#include <string>
#include <system_error>
#include <utility>

#include "program_info.h"
#include "settings/file_io.h"

namespace zarno {

namespace {

// No font comes near this; it only bounds what a wrong file in a source place costs us.
constexpr std::size_t kMaxFontBytes = 64 * 1024 * 1024;

// The first four bytes of a TrueType or OpenType file or collection.
bool LooksLikeFont(std::string_view bytes) {
  static constexpr std::array<std::string_view, 4> kTags = {std::string_view("\x00\x01\x00\x00", 4),
                                                            "true", "OTTO", "ttcf"};
  for (std::string_view tag : kTags) {
    if (bytes.starts_with(tag)) return true;
  }
  return false;
}

// The bytes of the first source that is a font, and its path.
std::optional<std::pair<std::filesystem::path, std::string>> ReadShippedFont(
    const ShippedFontPlaces& places) {
  for (const std::filesystem::path* dir : {&places.executable_dir, &places.data_dir}) {
    if (dir->empty()) continue;
    const std::filesystem::path path = *dir / kShippedFontFile;
    FileBytes source = ReadWholeFile(path, kMaxFontBytes);
    if (source.status == FileReadStatus::kOk && LooksLikeFont(source.bytes)) {
      return std::make_pair(path, std::move(source.bytes));
    }
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path InstalledFontDir(const std::filesystem::path& executable_dir) {
  if (executable_dir.empty()) return {};
  return (executable_dir / kFontDirFromExecutable).lexically_normal();
}

ShippedFontPlaces ShippedFontPlacesOfThisProcess() {
  ShippedFontPlaces places;
  places.executable_dir = ExecutableDir();
  places.data_dir = InstalledFontDir(places.executable_dir);
  if (auto dir = UserFontDirOfThisProcess()) places.user_font_dir = *dir;
  return places;
}

std::optional<std::filesystem::path> FindShippedFont(const ShippedFontPlaces& places) noexcept {
  try {
    if (auto found = ReadShippedFont(places)) return found->first;
  } catch (...) {
    // Only an allocation can throw here.
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> InstallShippedFont(const ShippedFontPlaces& places) noexcept {
  try {
    if (places.user_font_dir.empty()) return std::nullopt;
    const std::filesystem::path target = places.user_font_dir / kShippedFontFile;
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) return std::nullopt;

    auto source = ReadShippedFont(places);
    if (!source) return std::nullopt;

    std::filesystem::create_directories(places.user_font_dir, ec);
    if (ec) return std::nullopt;
    if (ReplaceFileAtomically(target, source->second)) return std::nullopt;
    return target;
  } catch (...) {
    // Only an allocation can throw here; the program runs on without the font.
    return std::nullopt;
  }
}

}  // namespace zarno
