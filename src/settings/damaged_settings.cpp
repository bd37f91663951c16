// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/damaged_settings.h"

#include <system_error>

#include "base/number.h"
#include "settings/settings_keys.h"

namespace zarno {
namespace {

// Names beyond this many kept files are not tried: the folder is not a place to fill up.
constexpr int kMaxKeptFiles = 100;

std::u16string PathText(const std::filesystem::path& path) { return FromUtf8(path.string()); }

}  // namespace

bool IsDamagedSettings(const std::vector<SettingsEntry>& entries) {
  for (const SettingsEntry& e : entries) {
    if (FindSettingKey(e.key)) return false;
  }
  return true;
}

std::variant<std::filesystem::path, std::u16string> KeepDamagedSettingsFile(
    const std::filesystem::path& path) {
  std::error_code ec;
  for (int n = 1; n <= kMaxKeptFiles; ++n) {
    std::filesystem::path kept = path;
    kept += kDamagedSuffix;
    if (n > 1) kept += "-" + std::to_string(n);
    if (std::filesystem::exists(std::filesystem::symlink_status(kept, ec))) continue;
    // rename() would replace a file that appeared in the meantime; link() refuses to, and
    // only then is the old name removed.
    std::filesystem::create_hard_link(path, kept, ec);
    if (ec == std::errc::file_exists) continue;
    if (ec) {
      // A file system without hard links: rename, after checking the name once more.
      if (std::filesystem::exists(std::filesystem::symlink_status(kept, ec))) continue;
      std::filesystem::rename(path, kept, ec);
      if (ec) break;
      return kept;
    }
    std::filesystem::remove(path, ec);
    if (ec) {
      std::error_code ignored;
      std::filesystem::remove(kept, ignored);
      break;
    }
    return kept;
  }
  if (!ec) ec = std::make_error_code(std::errc::file_exists);
  return u"Файл настроек " + PathText(path) +
         u" повреждён: в нём нет ни одной настройки. Сохранить его под другим именем не "
         u"удалось: " +
         FromUtf8(ec.message());
}

std::u16string DamagedSettingsMessage(const std::filesystem::path& path,
                                      const std::filesystem::path& kept) {
  return u"Файл настроек " + PathText(path) +
         u" повреждён: в нём нет ни одной настройки. Он сохранён как " + PathText(kept) +
         u", шрифты подобраны заново.";
}

}  // namespace zarno
