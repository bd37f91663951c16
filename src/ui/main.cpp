// Зарно: the main window, then the help window and the digit-set chooser; closing the main
// window ends the program.
#include <QApplication>

#include "ui/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zarno"));
  zarno::ui::ProgramWindows windows = zarno::ui::CreateProgramWindows();
  QObject::connect(windows.main.get(), &zarno::ui::MainWindow::closed, &app, &QApplication::quit);
  windows.main->show();
  return QApplication::exec();
}
