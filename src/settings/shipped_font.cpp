#include "settings/shipped_font.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

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

std::optional<std::filesystem::path> AbsoluteDir(const char* value) {
  if (value == nullptr || *value == '\0') return std::nullopt;
  std::filesystem::path p(value);
  if (!p.is_absolute()) return std::nullopt;
  return p;
}

// The home folder from the password database, for a session started without HOME.
const char* HomeFromPasswd(std::string& storage) {
  struct passwd pw;
  struct passwd* result = nullptr;
  std::vector<char> buf(16384);
  if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &result) != 0 || result == nullptr ||
      result->pw_dir == nullptr) {
    return nullptr;
  }
  storage = result->pw_dir;
  return storage.c_str();
}

}  // namespace

std::optional<std::filesystem::path> UserFontDir(const char* xdg_data_home, const char* home) {
  if (auto data = AbsoluteDir(xdg_data_home)) return *data / "fonts";
  if (auto h = AbsoluteDir(home)) return *h / ".local" / "share" / "fonts";
  return std::nullopt;
}

ShippedFontPlaces ShippedFontPlacesOfThisProcess(const std::filesystem::path& data_dir) {
  ShippedFontPlaces places;
  std::error_code ec;
  places.working_dir = std::filesystem::current_path(ec);
  if (ec) places.working_dir.clear();
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) places.executable_dir = exe.parent_path();
  places.data_dir = data_dir;
  std::string storage;
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') home = HomeFromPasswd(storage);
  if (auto dir = UserFontDir(std::getenv("XDG_DATA_HOME"), home)) places.user_font_dir = *dir;
  return places;
}

std::optional<std::filesystem::path> InstallShippedFont(const ShippedFontPlaces& places) noexcept {
  try {
    if (places.user_font_dir.empty()) return std::nullopt;
    const std::filesystem::path target = places.user_font_dir / kShippedFontFile;
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) return std::nullopt;

    std::string font;
    for (const std::filesystem::path* dir :
         {&places.working_dir, &places.executable_dir, &places.data_dir}) {
      if (dir->empty()) continue;
      FileBytes source = ReadWholeFile(*dir / kShippedFontFile, kMaxFontBytes);
      if (source.status == FileReadStatus::kOk && LooksLikeFont(source.bytes)) {
        font = std::move(source.bytes);
        break;
      }
    }
    if (font.empty()) return std::nullopt;

    std::filesystem::create_directories(places.user_font_dir, ec);
    if (ec) return std::nullopt;
    if (ReplaceFileAtomically(target, font)) return std::nullopt;
    return target;
  } catch (...) {
    // Only an allocation can throw here; the program runs on without the font.
    return std::nullopt;
  }
}

}  // namespace zarno
