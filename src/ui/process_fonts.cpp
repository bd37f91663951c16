#include "ui/process_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <filesystem>

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
  // The file the program ships (beside it or in its installed data folder), else the copy a
  // former start installed for the user.
  const ShippedFontPlaces places = ShippedFontPlacesOfThisProcess();
  if (auto shipped = FindShippedFont(places); shipped && AddFont(*shipped)) return;
  if (!places.user_font_dir.empty()) AddFont(places.user_font_dir / kShippedFontFile);
}

bool ShippedFontInstalledAtStart() { return State().installed_at_start; }

bool InstallShippedFontForUser() {
  const auto installed = InstallShippedFont(ShippedFontPlacesOfThisProcess());
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
