// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window keeps "Zarno.ini": the user's configuration folder, or a file that the
// working directory already holds.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSpinBox>

#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

QStringList EntriesOf(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST_F(WindowTest, SettingsGoToTheConfigFolderAndNeverIntoTheWorkingDirectory) {
  EXPECT_TRUE(Settings().startsWith(QStringLiteral("Kirillitsa_Font_Name=")));
  Main().close();
  EXPECT_EQ(EntriesOf(WorkDir()), QStringList{});
  EXPECT_EQ(EntriesOf(XdgConfigHome() + QStringLiteral("/zarno")),
            QStringList{QStringLiteral("Zarno.ini")});
}

class PortableWindowTest : public WindowTest {
 protected:
  void PrepareWorkDir() override {
    QFile file(WorkDir() + QStringLiteral("/Zarno.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Kiril_Font_Size=40\r\n");
  }
};

TEST_F(PortableWindowTest, AnExistingFileInTheWorkingDirectoryIsReadAndWritten) {
  EXPECT_EQ(Find<QSpinBox>(Ctl::SpinEdit1)->value(), 40);
  Find<QSpinBox>(Ctl::SpinEdit1)->setValue(41);
  QFile file(WorkDir() + QStringLiteral("/Zarno.ini"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("Kiril_Font_Size=41\r\n"));
  EXPECT_FALSE(QFileInfo::exists(XdgConfigHome())) << "nothing in the configuration folder";
}

}  // namespace
}  // namespace zarno::ui::testing
