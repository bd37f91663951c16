// SPDX-License-Identifier: GPL-3.0-or-later
// Our font at the window's start: a copy in the user's font folder that is no font, or an older
// version of ours, gives way to the font beside the program; a file of its name in the working
// directory is never taken.
#include <QDir>
#include <QFile>
#include <string>

#include "settings/test_fonts.h"
#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

using zarno::testing::kNotAFont;
using zarno::testing::RevisionOf;
using zarno::testing::ShippedFontBytes;
using zarno::testing::WithRevision;

void Write(const QString& path, const std::string& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

// The window starts over a user's font folder that already holds `installed`, in a working
// directory that holds a file of our font's name that is no font. Whether fontconfig lists the
// copy (an older version) or not (no font), the copy is renewed before the font lists are made.
class FontCopyTest : public WindowTest {
 protected:
  QString Copy() const { return XdgDataHome() + QStringLiteral("/fonts/kolvan+.ttf"); }
  void PrepareWorkDir() override {
    Write(Copy(), installed_);
    Write(WorkDir() + QStringLiteral("/kolvan+.ttf"), std::string(kNotAFont));
  }
  void ExpectOursInstalled() {
    EXPECT_EQ(Read(Copy()), ShippedFontBytes());
    EXPECT_EQ(Model().Text(Ctl::FontKirillitsa), kShippedFontFamily);
    EXPECT_EQ(Read(WorkDir() + QStringLiteral("/kolvan+.ttf")), kNotAFont);
  }
  std::string installed_;
};

class BrokenCopyTest : public FontCopyTest {
 protected:
  BrokenCopyTest() { installed_ = std::string(kNotAFont); }
};

TEST_F(BrokenCopyTest, IsReplacedByOurFont) { ExpectOursInstalled(); }

class OlderCopyTest : public FontCopyTest {
 protected:
  OlderCopyTest() {
    const std::string ours = ShippedFontBytes();
    installed_ = WithRevision(ours, RevisionOf(ours) - 1);
  }
};

TEST_F(OlderCopyTest, IsReplacedByOurFont) { ExpectOursInstalled(); }

}  // namespace
}  // namespace zarno::ui::testing
