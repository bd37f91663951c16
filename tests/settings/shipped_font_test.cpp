// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/shipped_font.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/test_fonts.h"
#include "support/temp_dir.h"

namespace zarno {
namespace {

using namespace testing;

class InstallShippedFontTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    places_.executable_dir = dir() / "bin";
    places_.data_dir = dir() / "share" / "fonts" / "truetype" / "zarno";
    places_.user_font_dir = dir() / "xdg-data" / "fonts";
    for (const auto* p : {&places_.executable_dir, &places_.data_dir}) {
      std::filesystem::create_directories(*p);
    }
  }
  std::filesystem::path Target() const { return places_.user_font_dir / "kolvan+.ttf"; }
  std::filesystem::path Beside() const { return places_.executable_dir / "kolvan+.ttf"; }
  std::filesystem::path Data() const { return places_.data_dir / "kolvan+.ttf"; }

  // Our font at a version of its own, so that a test can tell which file went where.
  std::string Ours(std::int32_t revision) const { return WithRevision(ours_, revision); }

  ShippedFontPlaces places_;
  const std::string ours_ = ShippedFontBytes();
  const std::int32_t version_ = RevisionOf(ours_);
};

TEST_F(InstallShippedFontTest, CopiesIntoAnEmptyXdgFolder) {
  WriteBytes(Data(), ours_);
  const FontInstallResult result = InstallShippedFont(places_);
  EXPECT_EQ(result.outcome, FontInstall::kInstalled) << result.problem;
  EXPECT_EQ(result.target, Target());
  EXPECT_EQ(ReadBytes(Target()), ours_);
  // Nothing half-written left beside it.
  EXPECT_EQ(Names(places_.user_font_dir), (std::set<std::string>{"kolvan+.ttf"}));
  struct stat st;
  ASSERT_EQ(::stat(Target().c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IROTH, 0u);  // fontconfig and other users' sessions can read it
}

TEST_F(InstallShippedFontTest, ACopyAsNewAsOursIsKept) {
  WriteBytes(Data(), Ours(version_));
  ASSERT_EQ(InstallShippedFont(places_).outcome, FontInstall::kInstalled);
  // Another file of the same version in the data folder does not replace the installed one.
  WriteBytes(Data(), Ours(version_) + "with other bytes at the end");
  const FontInstallResult result = InstallShippedFont(places_);
  EXPECT_EQ(result.outcome, FontInstall::kKept) << result.problem;
  EXPECT_EQ(ReadBytes(Target()), Ours(version_));
}

TEST_F(InstallShippedFontTest, ANewerCopyIsKept) {
  WriteBytes(Target(), Ours(version_ + 0x10000));
  WriteBytes(Data(), ours_);
  EXPECT_EQ(InstallShippedFont(places_).outcome, FontInstall::kKept);
  EXPECT_EQ(RenewShippedFont(places_).outcome, FontInstall::kKept);
  EXPECT_EQ(ReadBytes(Target()), Ours(version_ + 0x10000));
}

TEST_F(InstallShippedFontTest, AnOlderCopyIsReplaced) {
  for (auto update : {&InstallShippedFont, &RenewShippedFont}) {
    WriteBytes(Target(), Ours(version_ - 1));
    WriteBytes(Data(), ours_);
    const FontInstallResult result = update(places_);
    EXPECT_EQ(result.outcome, FontInstall::kReplaced) << result.problem;
    EXPECT_EQ(ReadBytes(Target()), ours_);
    EXPECT_EQ(Names(places_.user_font_dir), (std::set<std::string>{"kolvan+.ttf"}));
  }
}

TEST_F(InstallShippedFontTest, ACopyThatIsNoFontOfOursIsReplaced) {
  // Each of these once in place stood for the font for good: fontconfig lists no "Kolvana+".
  for (const std::string& installed :
       {std::string(kNotAFont), WithDamagedGlyphs(ours_), WithFamilyKolvanka(ours_),
        ours_.substr(0, ours_.size() / 2), std::string()}) {
    WriteBytes(Target(), installed);
    WriteBytes(Data(), ours_);
    for (auto update : {&InstallShippedFont, &RenewShippedFont}) {
      WriteBytes(Target(), installed);
      const FontInstallResult result = update(places_);
      EXPECT_EQ(result.outcome, FontInstall::kReplaced) << installed.size() << " bytes";
      EXPECT_EQ(ReadBytes(Target()), ours_);
    }
  }
}

TEST_F(InstallShippedFontTest, RenewalWithoutACopyDoesNothing) {
  WriteBytes(Data(), ours_);
  EXPECT_EQ(RenewShippedFont(places_).outcome, FontInstall::kAbsent);
  EXPECT_FALSE(std::filesystem::exists(places_.user_font_dir));
}

TEST_F(InstallShippedFontTest, BesideTheProgramFirstThenData) {
  WriteBytes(Beside(), Ours(version_ + 2));
  WriteBytes(Data(), Ours(version_ + 1));
  EXPECT_EQ(FindShippedFont(places_), Beside());
  ASSERT_EQ(InstallShippedFont(places_).outcome, FontInstall::kInstalled);
  EXPECT_EQ(ReadBytes(Target()), Ours(version_ + 2));

  std::filesystem::remove(Target());
  std::filesystem::remove(Beside());
  EXPECT_EQ(FindShippedFont(places_), Data());
  ASSERT_EQ(InstallShippedFont(places_).outcome, FontInstall::kInstalled);
  EXPECT_EQ(ReadBytes(Target()), Ours(version_ + 1));
}

TEST_F(InstallShippedFontTest, NeverTakesTheFontFromTheWorkingFolder) {
  // What lies in the folder the user started the program from is the user's, not ours: neither
  // a file that is no font nor our own font is taken from there.
  for (const std::string& bytes : {std::string(kNotAFont), ours_}) {
    WriteBytes(dir() / "kolvan+.ttf", bytes);
    const ScopedCurrentDir cwd(dir());
    EXPECT_EQ(FindShippedFont(places_), std::nullopt);
    const FontInstallResult result = InstallShippedFont(places_);
    EXPECT_EQ(result.outcome, FontInstall::kNoSource);
    EXPECT_EQ(result.problem, "");  // not even looked at
    EXPECT_FALSE(std::filesystem::exists(Target()));
  }
}

TEST_F(InstallShippedFontTest, ASourceThatIsNoFontOfOursIsNeverInstalled) {
  for (const std::string& bytes :
       {std::string(kNotAFont), WithDamagedGlyphs(ours_), WithFamilyKolvanka(ours_)}) {
    WriteBytes(Beside(), bytes);
    const ShippedFontSearch search = SearchShippedFont(places_);
    EXPECT_EQ(search.found, std::nullopt);
    ASSERT_EQ(search.passed_over.size(), 1u);
    EXPECT_EQ(search.passed_over[0].rfind(Beside().string() + ": ", 0), 0u)
        << search.passed_over[0];

    const FontInstallResult result = InstallShippedFont(places_);
    EXPECT_EQ(result.outcome, FontInstall::kNoSource);
    EXPECT_EQ(result.problem, search.passed_over[0]);
    EXPECT_FALSE(std::filesystem::exists(places_.user_font_dir));
    // Not even over a copy that is no better.
    WriteBytes(Target(), kNotAFont);
    EXPECT_EQ(RenewShippedFont(places_).outcome, FontInstall::kNoSource);
    EXPECT_EQ(ReadBytes(Target()), kNotAFont);
    std::filesystem::remove_all(places_.user_font_dir);
  }
  WriteBytes(Beside(), kNotAFont);
  EXPECT_EQ(SearchShippedFont(places_).passed_over[0], Beside().string() + ": not a font");
}

TEST_F(InstallShippedFontTest, ASourceThatIsNoFontIsPassedOverForTheNext) {
  WriteBytes(Beside(), "<html>404</html>");
  WriteBytes(Data(), ours_);
  EXPECT_EQ(FindShippedFont(places_), Data());
  ASSERT_EQ(InstallShippedFont(places_).outcome, FontInstall::kInstalled);
  EXPECT_EQ(ReadBytes(Target()), ours_);
}

TEST_F(InstallShippedFontTest, FifoAsSourceDoesNotBlock) {
  ASSERT_EQ(::mkfifo(Beside().c_str(), 0600), 0);
  WriteBytes(Data(), ours_);
  EXPECT_EQ(SearchShippedFont(places_).passed_over,
            std::vector<std::string>{Beside().string() + ": not a regular file"});
  ASSERT_EQ(InstallShippedFont(places_).outcome, FontInstall::kInstalled);
  EXPECT_EQ(ReadBytes(Target()), ours_);
}

TEST_F(InstallShippedFontTest, NoSourceAnywhere) {
  EXPECT_EQ(FindShippedFont(places_), std::nullopt);
  const FontInstallResult result = InstallShippedFont(places_);
  EXPECT_EQ(result.outcome, FontInstall::kNoSource);
  EXPECT_EQ(result.problem, "");
  EXPECT_FALSE(std::filesystem::exists(places_.user_font_dir));  // no empty folder made
}

TEST_F(InstallShippedFontTest, EmptyPlacesAreSkipped) {
  WriteBytes(Data(), ours_);
  places_.executable_dir.clear();
  EXPECT_EQ(InstallShippedFont(places_).outcome, FontInstall::kInstalled);
  places_.user_font_dir.clear();
  const FontInstallResult result = InstallShippedFont(places_);
  EXPECT_EQ(result.outcome, FontInstall::kFailed);
  EXPECT_FALSE(result.problem.empty());
}

TEST_F(InstallShippedFontTest, UnwritableTarget) {
  // As root no permission bit stops us, but a regular file where the data folder should be
  // does: the fonts folder cannot be created under it.
  WriteBytes(Beside(), ours_);
  WriteBytes(dir() / "xdg-data", "a file, not a folder");
  const FontInstallResult result = InstallShippedFont(places_);
  EXPECT_EQ(result.outcome, FontInstall::kFailed);
  EXPECT_NE(result.problem.find("Not a directory"), std::string::npos) << result.problem;
  EXPECT_EQ(ReadBytes(dir() / "xdg-data"), "a file, not a folder");
}

TEST_F(InstallShippedFontTest, AReadOnlyOldCopyIsLeftAndTheReasonGiven) {
  // The user made it read-only to keep it, as any file the program would rewrite.
  WriteBytes(Target(), Ours(version_ - 1));
  ASSERT_EQ(::chmod(Target().c_str(), 0444), 0);
  WriteBytes(Data(), ours_);
  const FontInstallResult result = RenewShippedFont(places_);
  EXPECT_EQ(result.outcome, FontInstall::kFailed);
  EXPECT_NE(result.problem.find(Target().string()), std::string::npos) << result.problem;
  EXPECT_EQ(ReadBytes(Target()), Ours(version_ - 1));
}

// ---- Where the user's fonts live -------------------------------------------------------------

TEST(UserFontDir, XdgDataHomeWhenAbsolute) {
  EXPECT_EQ(UserFontDir("/data/u", "/home/u"), std::filesystem::path("/data/u/fonts"));
}

TEST(UserFontDir, HomeWhenXdgDataHomeIsUnsetEmptyOrRelative) {
  const std::filesystem::path home_fonts("/home/u/.local/share/fonts");
  EXPECT_EQ(UserFontDir(nullptr, "/home/u"), home_fonts);
  EXPECT_EQ(UserFontDir("", "/home/u"), home_fonts);
  EXPECT_EQ(UserFontDir("data", "/home/u"), home_fonts);
  EXPECT_EQ(UserFontDir("./data", "/home/u"), home_fonts);
}

TEST(UserFontDir, NowhereWithoutAnAbsoluteHome) {
  EXPECT_EQ(UserFontDir(nullptr, nullptr), std::nullopt);
  EXPECT_EQ(UserFontDir(nullptr, ""), std::nullopt);
  EXPECT_EQ(UserFontDir("rel", "home/u"), std::nullopt);
}

// ---- Where the installed data lies ----------------------------------------------------------

TEST(InstalledFontDir, RelativeToTheExecutableUnderAnyPrefix) {
  for (const char* prefix : {"/usr", "/usr/local", "/opt/zarno", "/tmp/stage/usr"}) {
    const std::filesystem::path p(prefix);
    EXPECT_EQ(InstalledFontDir(p / "bin"), p / "share" / "fonts" / "truetype" / "zarno") << prefix;
  }
  EXPECT_EQ(InstalledFontDir({}), std::filesystem::path());
}

class PlacesOfThisProcessTest : public TempDirTest {};

TEST_F(PlacesOfThisProcessTest, FromTheExecutableAndTheEnvironment) {
  const ShippedFontPlaces places = ShippedFontPlacesOfThisProcess();
  EXPECT_TRUE(std::filesystem::exists(places.executable_dir / "settings_test"))
      << places.executable_dir;
  EXPECT_EQ(places.data_dir, InstalledFontDir(places.executable_dir));
  EXPECT_EQ(places.user_font_dir, dir() / "xdg-data" / "fonts");

  const ScopedEnv no_xdg("XDG_DATA_HOME", std::nullopt);
  EXPECT_EQ(ShippedFontPlacesOfThisProcess().user_font_dir,
            dir() / "home" / ".local" / "share" / "fonts");
}

}  // namespace
}  // namespace zarno
