// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the window for the documentation: the main window with a sample number in each
// of the ten systems, and the digit-set chooser. Run offscreen from any folder:
//   QT_QPA_PLATFORM=offscreen zarno-screenshots <output folder>
// It works in a fresh temporary folder, so the user's Zarno.ini is neither read nor written.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <string_view>

#include "ui/program.h"
#include "ui/qt_text.h"

namespace {

struct Sample {
  zarno::Ctl radio;
  const char* file;
  std::u16string_view number;
  int size = 28;  // the default size of the numeral
};

constexpr Sample kSamples[] = {
    {zarno::Ctl::KirilRadio, "window-cyrillic.png", u"1234"},
    {zarno::Ctl::GlagolRadio, "window-glagolitic.png", u"1999"},
    {zarno::Ctl::RimRadio, "window-roman.png", u"1999"},
    {zarno::Ctl::Kitay, "window-chinese.png", u"12345"},
    {zarno::Ctl::Armen, "window-armenian.png", u"1984"},
    {zarno::Ctl::Gruz, "window-georgian.png", u"15000"},
    {zarno::Ctl::GrekIonich, "window-greek-ionic.png", u"12345"},
    {zarno::Ctl::GrekAttich, "window-greek-attic.png", u"249999"},
    {zarno::Ctl::Maya, "window-maya.png", u"4294967295"},
    {zarno::Ctl::Iudeyskie, "window-hebrew.png", u"5784"},
    // Numerals wider than their field, drawn smaller so that they stand whole.
    {zarno::Ctl::GrekAttich, "window-greek-attic-1999.png", u"1999"},
    {zarno::Ctl::RimRadio, "window-roman-3888.png", u"3888"},
    {zarno::Ctl::RimRadio, "window-roman-1999-size-60.png", u"1999", 60},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  // Resolved before the program moves into its temporary folder.
  const QDir out(QDir(args.size() > 1 ? args[1] : QStringLiteral("docs")).absolutePath());
  QTextStream err(stderr);
  if (!out.exists()) {
    err << "zarno-screenshots: no folder " << out.path() << "\n";
    return 2;
  }
  QTemporaryDir work;
  if (!work.isValid() || !QDir::setCurrent(work.path())) {
    err << "zarno-screenshots: no temporary folder\n";
    return 2;
  }
  zarno::ui::HostDialogs dialogs;
  dialogs.message = [&](const QString& text) { err << "message: " << text << "\n"; };
  dialogs.error = [&](const QString& text) { err << "error: " << text << "\n"; };
  auto windows = zarno::ui::CreateProgramWindows(dialogs);
  zarno::ui::MainWindow& window = *windows.main;
  window.show();
  int failures = 0;
  auto save = [&](QWidget* widget, const char* file) {
    QApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(file));
    if (!widget->grab().save(path)) {
      err << "zarno-screenshots: cannot write " << path << "\n";
      ++failures;
    }
  };
  for (const Sample& s : kSamples) {
    static_cast<QAbstractButton*>(window.Widget(zarno::Ctl::Button1))->click();
    static_cast<QAbstractButton*>(window.Widget(s.radio))->click();
    window.Model().SetSpinValue(s.size);
    window.Model().SetText(zarno::Ctl::Sovr, s.number);
    window.Sync();
    save(&window, s.file);
  }
  window.Model().SetSpinValue(28);
  // The settings panel, with the font lists.
  static_cast<QAbstractButton*>(window.Widget(zarno::Ctl::Nastroyki))->click();
  save(&window, "window-settings.png");
  static_cast<QAbstractButton*>(window.Widget(zarno::Ctl::Nastroyki))->click();
  // All rows of the chooser, as on a screen tall enough for it.
  static_cast<QAbstractButton*>(window.Widget(zarno::Ctl::Button4))->click();
  save(window.Chooser()->findChild<QWidget*>(QStringLiteral("Dr10ZnakRows")), "chooser.png");
  return failures == 0 ? 0 : 1;
}
