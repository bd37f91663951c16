// Зарно: the main window, then the help window and the digit-set chooser; closing the main
// window ends the program.
#include <QApplication>
#include <cstdio>

#include "ui/program.h"

int main(int argc, char* argv[]) {
  // Without a display Qt would abort with a core dump; say what to do instead.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs(
        "zarno: there is no display (DISPLAY and WAYLAND_DISPLAY are unset).\n"
        "Run it in a virtual display:  xvfb-run -a zarno\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zarno"));
  zarno::ui::ProgramWindows windows = zarno::ui::CreateProgramWindows();
  QObject::connect(windows.main.get(), &zarno::ui::MainWindow::closed, &app, &QApplication::quit);
  windows.main->show();
  return QApplication::exec();
}
