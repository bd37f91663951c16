// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench/startup.sh: the least Qt Widgets window, started and shown the way
// zarno starts and shows its main window.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.resize(461, 558);
  QLabel label(QStringLiteral("Зарно"), &window);
  label.move(10, 10);
  window.show();
  return QApplication::exec();
}
