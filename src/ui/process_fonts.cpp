#include "ui/process_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <cstdlib>
#include <filesystem>
#include <vector>

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

}  // namespace

void LoadShippedFontForProcess() {
  ProcessFontState& state = State();
  if (state.loaded) return;
  state.loaded = true;
  state.installed_at_start = QFontDatabase::families().contains(ShippedFamily());
  if (state.installed_at_start) return;
  std::vector<std::filesystem::path> places;
  if (QCoreApplication::instance() != nullptr) {
    places.emplace_back(QCoreApplication::applicationDirPath().toStdString());
  }
  if (auto user = UserFontDir(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))) {
    places.push_back(*user);
  }
  places.emplace_back(ZARNO_DATA_DIR);
  places.emplace_back(QDir::currentPath().toStdString());
  for (const auto& dir : places) {
    if (AddFont(dir / kShippedFontFile)) break;
  }
}

bool ShippedFontInstalledAtStart() { return State().installed_at_start; }

bool InstallShippedFontForUser() {
  const auto installed = InstallShippedFont(ShippedFontPlacesOfThisProcess(ZARNO_DATA_DIR));
  if (installed) AddFont(*installed);
  return installed.has_value() || QFontDatabase::families().contains(ShippedFamily());
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
