// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace zarno {
namespace {

std::optional<std::filesystem::path> AbsoluteDir(const char* value) {
  if (value == nullptr || *value == '\0') return std::nullopt;
  std::filesystem::path p(value);
  if (!p.is_absolute()) return std::nullopt;
  return p;
}

// $HOME, or the home folder from the password database for a session started without it.
std::string HomeOfThisProcess() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  struct passwd pw {};
  struct passwd* result = nullptr;
  std::vector<char> buf(16384);
  if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &result) != 0 || result == nullptr ||
      result->pw_dir == nullptr) {
    return {};
  }
  return result->pw_dir;
}

}  // namespace

std::optional<std::filesystem::path> XdgBaseDir(const char* value, const char* home,
                                                std::string_view fallback) {
  if (auto dir = AbsoluteDir(value)) return dir;
  if (auto h = AbsoluteDir(home)) return *h / fallback;
  return std::nullopt;
}

std::optional<std::filesystem::path> UserFontDir(const char* xdg_data_home, const char* home) {
  if (auto data = XdgBaseDir(xdg_data_home, home, ".local/share")) return *data / "fonts";
  return std::nullopt;
}

std::optional<std::filesystem::path> UserConfigDir(const char* xdg_config_home, const char* home) {
  if (auto config = XdgBaseDir(xdg_config_home, home, ".config")) return *config / "zarno";
  return std::nullopt;
}

std::optional<std::filesystem::path> UserFontDirOfThisProcess() {
  return UserFontDir(std::getenv("XDG_DATA_HOME"), HomeOfThisProcess().c_str());
}

std::optional<std::filesystem::path> UserConfigDirOfThisProcess() {
  return UserConfigDir(std::getenv("XDG_CONFIG_HOME"), HomeOfThisProcess().c_str());
}

std::filesystem::path ExecutableDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace zarno
