// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_location.h"

#include <gtest/gtest.h>

#include "settings/user_dirs.h"
#include "support/temp_dir.h"

namespace zarno {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;

struct ConfigDirCase {
  const char* xdg_config_home;  // nullptr: unset
  const char* home;
  std::optional<fs::path> expected;
};

TEST(UserConfigDir, XdgRules) {
  const ConfigDirCase cases[] = {
      {"/cfg", "/home/u", fs::path("/cfg/zarno")},
      {"/cfg/", "/home/u", fs::path("/cfg/zarno")},
      {nullptr, "/home/u", fs::path("/home/u/.config/zarno")},
      {"", "/home/u", fs::path("/home/u/.config/zarno")},
      {"cfg", "/home/u", fs::path("/home/u/.config/zarno")},  // relative: ignored
      {"./cfg", "/home/u", fs::path("/home/u/.config/zarno")},
      {"/cfg", nullptr, fs::path("/cfg/zarno")},
      {nullptr, nullptr, std::nullopt},
      {nullptr, "", std::nullopt},
      {"cfg", "home/u", std::nullopt},
  };
  for (const ConfigDirCase& c : cases) {
    const auto got = UserConfigDir(c.xdg_config_home, c.home);
    EXPECT_EQ(got.has_value(), c.expected.has_value())
        << (c.xdg_config_home ? c.xdg_config_home : "(unset)") << " " << (c.home ? c.home : "");
    if (got && c.expected) {
      EXPECT_EQ(got->lexically_normal(), *c.expected);
    }
  }
}

TEST(SettingsFileLocation, TheWorkingDirectoryFileWinsWhenItExists) {
  const fs::path config("/home/u/.config/zarno");
  EXPECT_EQ(SettingsFileLocation(true, config), fs::path("Zarno.ini"));
  EXPECT_EQ(SettingsFileLocation(false, config), config / "Zarno.ini");
  EXPECT_EQ(SettingsFileLocation(true, std::nullopt), fs::path("Zarno.ini"));
  EXPECT_EQ(SettingsFileLocation(false, std::nullopt), std::nullopt);
}

class SettingsLocationOfThisProcessTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    fs::create_directories(dir() / "work");
  }
};

TEST_F(SettingsLocationOfThisProcessTest, ConfigFolderWhenTheWorkingDirectoryHasNone) {
  const testing::ScopedCurrentDir cwd(dir() / "work");
  {
    const ScopedEnv xdg("XDG_CONFIG_HOME", (dir() / "cfg").string());
    EXPECT_EQ(SettingsFileLocationOfThisProcess(), dir() / "cfg" / "zarno" / "Zarno.ini");
  }
  for (std::optional<std::string> value :
       {std::optional<std::string>(), std::optional<std::string>("rel")}) {
    const ScopedEnv xdg("XDG_CONFIG_HOME", value);
    EXPECT_EQ(SettingsFileLocationOfThisProcess(),
              dir() / "home" / ".config" / "zarno" / "Zarno.ini");
  }
  // Asking creates nothing anywhere.
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"work"}));
  EXPECT_EQ(Names(dir() / "work"), (std::set<std::string>{}));
}

TEST_F(SettingsLocationOfThisProcessTest, AnyEntryNamedZarnoIniInTheWorkingDirectory) {
  const testing::ScopedCurrentDir cwd(dir() / "work");
  const ScopedEnv xdg("XDG_CONFIG_HOME", (dir() / "cfg").string());
  WriteBytes(dir() / "work" / "Zarno.ini", "Kiril_Font_Size=20\r\n");
  EXPECT_EQ(SettingsFileLocationOfThisProcess(), fs::path("Zarno.ini"));
  // A dangling link is the user's too: reading it says why it fails, nothing goes elsewhere.
  fs::remove(dir() / "work" / "Zarno.ini");
  fs::create_symlink(dir() / "nowhere", dir() / "work" / "Zarno.ini");
  EXPECT_EQ(SettingsFileLocationOfThisProcess(), fs::path("Zarno.ini"));
}

TEST_F(SettingsLocationOfThisProcessTest, HomeFromThePasswordDatabaseWhenUnset) {
  const testing::ScopedCurrentDir cwd(dir() / "work");
  const ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
  const ScopedEnv home("HOME", std::nullopt);
  const auto location = SettingsFileLocationOfThisProcess();
  ASSERT_TRUE(location.has_value());
  EXPECT_TRUE(location->is_absolute()) << *location;
  EXPECT_EQ(location->filename(), "Zarno.ini");
  EXPECT_EQ(location->parent_path().filename(), "zarno");
}

}  // namespace
}  // namespace zarno
