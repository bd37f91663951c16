// SPDX-License-Identifier: GPL-3.0-or-later
// Зарно: the main window, then the help window and the digit-set chooser; closing the main
// window ends the program.
#include <xcb/xcb.h>

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <string>

#include "program_info.h"
#include "ui/program.h"

namespace {

constexpr const char* kUsage =
    "Usage: zarno [--help | --version]\n"
    "Opens the window of Зарно, the translator of numbers into historical numeral systems.\n"
    "Settings: $XDG_CONFIG_HOME/zarno/Zarno.ini (~/.config/zarno/Zarno.ini), or Zarno.ini\n"
    "in the working directory when one exists there. See zarno(1); zarno-cli works without\n"
    "a window.\n";

// Whether Qt would go to an X server: no other platform asked for, no Wayland session.
bool UsesX11() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty()) return platform.startsWith("xcb");
  return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Qt aborts with a core dump when it cannot reach the display; say so instead. An empty
// string when the display can be used.
std::string DisplayProblem() {
  if (!UsesX11()) return {};
  const QByteArray display = qgetenv("DISPLAY");
  if (display.isEmpty()) return "there is no display (DISPLAY and WAYLAND_DISPLAY are unset)";
  xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
  const bool failed = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (failed) return "cannot open the display \"" + display.toStdString() + "\"";
  return {};
}

}  // namespace

int main(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zarno %.*s\n", static_cast<int>(zarno::kProgramVersion.size()),
                  zarno::kProgramVersion.data());
      return 0;
    }
  }
  if (const std::string problem = DisplayProblem(); !problem.empty()) {
    std::fprintf(stderr,
                 "zarno: %s.\nRun it in a virtual display:  xvfb-run -a zarno\n"
                 "or use the command-line tool zarno-cli.\n",
                 problem.c_str());
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zarno"));
  const QString id = QString::fromLatin1(zarno::kApplicationId.data(),
                                         static_cast<qsizetype>(zarno::kApplicationId.size()));
  QGuiApplication::setDesktopFileName(id);
  // The desktop's icon when its theme has one; only without it is our own picture decoded.
  QIcon icon = QIcon::fromTheme(id);
  if (icon.isNull() || icon.availableSizes().isEmpty()) {
    icon = QIcon(QStringLiteral(":/icons/zarno.png"));
  }
  QApplication::setWindowIcon(icon);
  zarno::ui::ProgramWindows windows = zarno::ui::CreateProgramWindows();
  QObject::connect(windows.main.get(), &zarno::ui::MainWindow::closed, &app, &QApplication::quit);
  windows.main->show();
  return QApplication::exec();
}
