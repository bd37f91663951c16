// SPDX-License-Identifier: GPL-3.0-or-later
// The window says nothing on standard error while it starts and draws our signs: whatever Qt
// finds wrong with a font or a widget, it says through its message handler, caught here.
// Each test runs in a process of its own (one CTest case each), so the fonts are measured
// afresh, in the order in which the window first uses them.
#include <QImage>
#include <QStringList>
#include <QTextEdit>

#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

class QuietStartTest : public WindowTest {
 protected:
  // Before SetUp makes the window.
  QuietStartTest() {
    Said().clear();
    previous_ = qInstallMessageHandler(&Collect);
  }
  ~QuietStartTest() override { qInstallMessageHandler(previous_); }

  // What Qt said, less what the platform plugin of the tests says of every window it shows:
  // a window on a real display (xcb) never hears it.
  static QStringList Heard() {
    QStringList heard = Said();
    heard.removeAll(QStringLiteral("This plugin does not support propagateSizeHints()"));
    return heard;
  }

 private:
  static QStringList& Said() {
    static QStringList said;
    return said;
  }
  static void Collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    Said().push_back(text);
  }

  QtMessageHandler previous_ = nullptr;
};

TEST_F(QuietStartTest, StartingAndDrawingEveryMarkWidthSaysNothing) {
  Type(QStringLiteral("7777777"));
  // Every mark over the number in turn, the widest reaching five letters back from its origin.
  for (int i = 0; i < 9; ++i) {
    Click(Ctl::Zarno);
    Main().grab();
  }
  EXPECT_TRUE(Heard().isEmpty()) << Heard().join(u'\n').toStdString();
}

TEST_F(QuietStartTest, MayaColumnAndEverySystemSayNothing) {
  Type(QStringLiteral("4294967295"));
  for (Ctl radio : {Ctl::Maya, Ctl::RimRadio, Ctl::GlagolRadio, Ctl::KirilRadio}) {
    Click(radio);
    Main().grab();
  }
  EXPECT_TRUE(Heard().isEmpty()) << Heard().join(u'\n').toStdString();
}

}  // namespace
}  // namespace zarno::ui::testing
