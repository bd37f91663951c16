// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/shipped_font.h"

#include <string>
#include <system_error>
#include <utility>

#include "base/number.h"
#include "program_info.h"
#include "settings/file_io.h"
#include "settings/font_file.h"

namespace zarno {

namespace {

// No font comes near this; it only bounds what a wrong file in a source place costs us.
constexpr std::size_t kMaxFontBytes = std::size_t{64} * 1024 * 1024;

struct OurFont {
  std::string bytes;
  FontFacts facts;
};

// A file "kolvan+.ttf" read and checked: the font when it is ours, else why not; neither when
// there is no file of that name.
struct Candidate {
  std::optional<OurFont> font;
  std::string problem;
  bool Exists() const { return font.has_value() || !problem.empty(); }
};

Candidate ReadCandidate(const std::filesystem::path& path) {
  FileBytes file = ReadWholeFile(path, kMaxFontBytes);
  switch (file.status) {
    case FileReadStatus::kOk:
      break;
    case FileReadStatus::kMissing:
      return {};
    case FileReadStatus::kNotRegular:
      return {std::nullopt, "not a regular file"};
    case FileReadStatus::kTooLarge:
      return {std::nullopt, "larger than any font"};
    case FileReadStatus::kError:
      return {std::nullopt, file.error.message()};
  }
  ParsedFont parsed = ParseFontFile(file.bytes);
  if (!parsed.facts) return {std::nullopt, std::move(parsed.problem)};
  const std::string family = ToUtf8(kShippedFontFamily);
  if (parsed.facts->family != family) {
    return {std::nullopt, "the font \"" + parsed.facts->family + "\", not \"" + family + "\""};
  }
  return {OurFont{std::move(file.bytes), std::move(*parsed.facts)}, {}};
}

struct Search {
  std::optional<std::filesystem::path> path;
  std::optional<OurFont> font;
  std::vector<std::string> passed_over;
};

Search SearchSources(const ShippedFontPlaces& places) {
  Search search;
  for (const std::filesystem::path* dir : {&places.executable_dir, &places.data_dir}) {
    if (dir->empty()) continue;
    const std::filesystem::path path = *dir / kShippedFontFile;
    Candidate candidate = ReadCandidate(path);
    if (candidate.font) {
      search.path = path;
      search.font = std::move(candidate.font);
      break;
    }
    if (candidate.Exists()) search.passed_over.push_back(path.string() + ": " + candidate.problem);
  }
  return search;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    if (!out.empty()) out += "; ";
    out += line;
  }
  return out;
}

FontInstallResult Update(const ShippedFontPlaces& places, bool install_missing) {
  FontInstallResult result;
  if (places.user_font_dir.empty()) {
    result.problem = "no folder for the user's fonts (no home folder)";
    return result;
  }
  result.target = places.user_font_dir / kShippedFontFile;
  const Candidate installed = ReadCandidate(result.target);
  if (!installed.Exists() && !install_missing) {
    result.outcome = FontInstall::kAbsent;
    return result;
  }

  const Search source = SearchSources(places);
  if (!source.font) {
    result.outcome = FontInstall::kNoSource;
    result.problem = Joined(source.passed_over);
    return result;
  }
  if (installed.font && installed.font->facts.revision >= source.font->facts.revision) {
    result.outcome = FontInstall::kKept;
    return result;
  }

  std::error_code ec;
  std::filesystem::create_directories(places.user_font_dir, ec);
  if (!ec) ec = ReplaceFileAtomically(result.target, source.font->bytes);
  if (ec) {
    result.problem = result.target.string() + ": " + ec.message();
    return result;
  }
  result.outcome = installed.Exists() ? FontInstall::kReplaced : FontInstall::kInstalled;
  return result;
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

ShippedFontSearch SearchShippedFont(const ShippedFontPlaces& places) noexcept {
  try {
    Search search = SearchSources(places);
    return ShippedFontSearch{std::move(search.path), std::move(search.passed_over)};
  } catch (...) {
    // Only an allocation can throw here.
    return {};
  }
}

std::optional<std::filesystem::path> FindShippedFont(const ShippedFontPlaces& places) noexcept {
  return SearchShippedFont(places).found;
}

FontInstallResult InstallShippedFont(const ShippedFontPlaces& places) noexcept {
  try {
    return Update(places, /*install_missing=*/true);
  } catch (...) {
    // Only an allocation can throw here; the program runs on without the font.
    return {};
  }
}

FontInstallResult RenewShippedFont(const ShippedFontPlaces& places) noexcept {
  try {
    return Update(places, /*install_missing=*/false);
  } catch (...) {
    return {};
  }
}

}  // namespace zarno
