// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/process_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/number.h"
#include "core/main_window_model.h"
#include "settings/shipped_font.h"
#include "ui/qt_text.h"

namespace zarno::ui {
namespace {

struct ProcessFontState {
  bool loaded = false;
  bool installed_at_start = false;
};

ProcessFontState& State() {
  static ProcessFontState state;
  return state;
}

bool AddFont(const std::filesystem::path& path) {
  const QString file = QString::fromStdString(path.string());
  if (!QFile::exists(file)) return false;
  return QFontDatabase::addApplicationFont(file) >= 0;
}

// A font that could not be installed is said on standard error, where a program started from
// a desktop menu leaves its word in the session's log: the window shows boxes instead of signs.
void Report(const FontInstallResult& result, const ShippedFontPlaces& places) {
  std::string problem = result.problem;
  if (result.outcome == FontInstall::kNoSource && problem.empty()) {
    problem = std::string(kShippedFontFile) + " is neither in " + places.executable_dir.string() +
              " nor in " + places.data_dir.string();
  }
  std::fprintf(stderr, "zarno: the font %s is not installed: %s\n",
               ToUtf8(kShippedFontFamily).c_str(), problem.c_str());
}

// Brings the user's copy up to date and loads a new one into this process; true when a copy
// was written.
bool UpdateUserCopy(bool install_missing) {
  const ShippedFontPlaces places = ShippedFontPlacesOfThisProcess();
  const FontInstallResult result =
      install_missing ? InstallShippedFont(places) : RenewShippedFont(places);
  switch (result.outcome) {
    case FontInstall::kInstalled:
    case FontInstall::kReplaced:
      AddFont(result.target);
      return true;
    case FontInstall::kKept:
    case FontInstall::kAbsent:
      return false;
    case FontInstall::kNoSource:
    case FontInstall::kFailed:
      Report(result, places);
      return false;
  }
  return false;
}

}  // namespace

void LoadShippedFontForProcess() {
  ProcessFontState& state = State();
  if (state.loaded) return;
  state.loaded = true;
  state.installed_at_start = QFontDatabase::families().contains(ShippedFamily());
  if (state.installed_at_start) {
    // An older copy that a former version installed for the user gives way to ours.
    UpdateUserCopy(/*install_missing=*/false);
    return;
  }
  // The file the program ships (beside it or in its installed data folder), else the copy a
  // former start installed for the user.
  const ShippedFontPlaces places = ShippedFontPlacesOfThisProcess();
  if (auto shipped = FindShippedFont(places); shipped && AddFont(*shipped)) return;
  if (!places.user_font_dir.empty()) AddFont(places.user_font_dir / kShippedFontFile);
}

bool ShippedFontInstalledAtStart() { return State().installed_at_start; }

bool InstallShippedFontForUser() {
  return UpdateUserCopy(/*install_missing=*/true) ||
         QFontDatabase::families().contains(ShippedFamily());
}

QStringList FontFamiliesForLists(bool install_tried) {
  QStringList families = QFontDatabase::families();
  if (!install_tried && !ShippedFontInstalledAtStart()) families.removeAll(ShippedFamily());
  return families;
}

QString UiFamily() {
  // Captions as the program was designed for: a narrow sans serif like MS Sans Serif.
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"Microsoft Sans Serif", "Arial", "Liberation Sans", "FreeSans"}) {
      if (installed.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return family;
}

}  // namespace zarno::ui
