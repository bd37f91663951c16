#include "settings/shipped_font.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "settings/temp_dir.h"

namespace zarno {
namespace {

using testing::ScopedEnv;

// A font as far as the installer looks: the TrueType tag, then anything.
std::string FontBytes(char marker) {
  return std::string("\x00\x01\x00\x00", 4) + marker + "glyphs";
}

class InstallShippedFontTest : public testing::TempDirTest {
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

  ShippedFontPlaces places_;
};

TEST_F(InstallShippedFontTest, CopiesIntoAnEmptyXdgFolder) {
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('w'));
  EXPECT_EQ(InstallShippedFont(places_), Target());
  EXPECT_EQ(ReadBytes(Target()), FontBytes('w'));
  // Nothing half-written left beside it.
  EXPECT_EQ(Names(places_.user_font_dir), (std::set<std::string>{"kolvan+.ttf"}));
  struct stat st;
  ASSERT_EQ(::stat(Target().c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IROTH, 0u);  // fontconfig and other users' sessions can read it
}

TEST_F(InstallShippedFontTest, SecondStartFindsItAndDoesNothing) {
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('1'));
  ASSERT_EQ(InstallShippedFont(places_), Target());
  // Another file in the data folder does not replace the installed one.
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('2'));
  EXPECT_EQ(InstallShippedFont(places_), std::nullopt);
  EXPECT_EQ(ReadBytes(Target()), FontBytes('1'));
}

TEST_F(InstallShippedFontTest, AnyFileOfThatNameStopsIt) {
  // Even one that is no font at all: the program never second-guessed the fonts folder.
  WriteBytes(Target(), "not a font");
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('w'));
  EXPECT_EQ(InstallShippedFont(places_), std::nullopt);
  EXPECT_EQ(ReadBytes(Target()), "not a font");
}

TEST_F(InstallShippedFontTest, BesideTheProgramFirstThenData) {
  WriteBytes(places_.executable_dir / "kolvan+.ttf", FontBytes('e'));
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('d'));
  EXPECT_EQ(FindShippedFont(places_), places_.executable_dir / "kolvan+.ttf");
  ASSERT_EQ(InstallShippedFont(places_), Target());
  EXPECT_EQ(ReadBytes(Target()), FontBytes('e'));

  std::filesystem::remove(Target());
  std::filesystem::remove(places_.executable_dir / "kolvan+.ttf");
  EXPECT_EQ(FindShippedFont(places_), places_.data_dir / "kolvan+.ttf");
  ASSERT_EQ(InstallShippedFont(places_), Target());
  EXPECT_EQ(ReadBytes(Target()), FontBytes('d'));
}

TEST_F(InstallShippedFontTest, NeverTakesTheFontFromTheWorkingFolder) {
  // What lies in the folder the user started the program from is the user's, not ours.
  WriteBytes(dir() / "kolvan+.ttf", FontBytes('w'));
  const testing::ScopedCurrentDir cwd(dir());
  EXPECT_EQ(FindShippedFont(places_), std::nullopt);
  EXPECT_EQ(InstallShippedFont(places_), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(Target()));
}

TEST_F(InstallShippedFontTest, SourceThatIsNoFontIsPassedOver) {
  WriteBytes(places_.executable_dir / "kolvan+.ttf", "<html>404</html>");
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('d'));
  EXPECT_EQ(FindShippedFont(places_), places_.data_dir / "kolvan+.ttf");
  ASSERT_EQ(InstallShippedFont(places_), Target());
  EXPECT_EQ(ReadBytes(Target()), FontBytes('d'));
}

TEST_F(InstallShippedFontTest, FifoAsSourceDoesNotBlock) {
  ASSERT_EQ(::mkfifo((places_.executable_dir / "kolvan+.ttf").c_str(), 0600), 0);
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('d'));
  ASSERT_EQ(InstallShippedFont(places_), Target());
  EXPECT_EQ(ReadBytes(Target()), FontBytes('d'));
}

TEST_F(InstallShippedFontTest, NoSourceAnywhere) {
  EXPECT_EQ(FindShippedFont(places_), std::nullopt);
  EXPECT_EQ(InstallShippedFont(places_), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(places_.user_font_dir));  // no empty folder made
}

TEST_F(InstallShippedFontTest, EmptyPlacesAreSkipped) {
  WriteBytes(places_.data_dir / "kolvan+.ttf", FontBytes('d'));
  places_.executable_dir.clear();
  EXPECT_EQ(InstallShippedFont(places_), Target());
  places_.user_font_dir.clear();
  EXPECT_EQ(InstallShippedFont(places_), std::nullopt);
}

TEST_F(InstallShippedFontTest, UnwritableTarget) {
  // As root no permission bit stops us, but a regular file where the data folder should be
  // does: the fonts folder cannot be created under it.
  WriteBytes(places_.executable_dir / "kolvan+.ttf", FontBytes('w'));
  WriteBytes(dir() / "xdg-data", "a file, not a folder");
  EXPECT_EQ(InstallShippedFont(places_), std::nullopt);
  EXPECT_EQ(ReadBytes(dir() / "xdg-data"), "a file, not a folder");
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

class PlacesOfThisProcessTest : public testing::TempDirTest {};

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
