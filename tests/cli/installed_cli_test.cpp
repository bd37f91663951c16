// SPDX-License-Identifier: GPL-3.0-or-later
// The built zarno-cli copied into installed trees, run as a separate process the way a user
// runs it: from another working folder, with an empty home.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../core/fake_host.h"
#include "program_info.h"

namespace zarno {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFontInPrefix = "share/fonts/truetype/zarno/kolvan+.ttf";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every file below a folder, relative to it.
std::vector<std::string> FilesBelow(const fs::path& dir) {
  std::vector<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (!e.is_directory()) files.push_back(fs::relative(e.path(), dir).string());
  }
  return files;
}

class InstalledCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(home());
    fs::create_directories(work());
  }

  fs::path home() const { return dir_.path() / "home"; }
  fs::path work() const { return dir_.path() / "work"; }

  // Lays out a prefix as `cmake --install` does: the program in bin/, the font (when asked)
  // in share/fonts/truetype/zarno/.
  fs::path Install(const std::string& name, bool with_font) {
    const fs::path prefix = dir_.path() / name;
    fs::create_directories(prefix / "bin");
    fs::copy_file(ZARNO_CLI_BINARY, prefix / "bin" / "zarno-cli",
                  fs::copy_options::overwrite_existing);
    if (with_font) {
      fs::create_directories((prefix / kFontInPrefix).parent_path());
      fs::copy_file(ZARNO_SHIPPED_FONT, prefix / kFontInPrefix,
                    fs::copy_options::overwrite_existing);
    }
    return prefix;
  }

  // The sanitizers' options of this test travel to the program it starts, so that a sanitized
  // build reads the same suppressions; the rest of the environment stays empty.
  static std::string SanitizerOptions() {
    std::string options;
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
      if (const char* value = std::getenv(name)) options += std::string(name) + "='" + value + "' ";
    }
    return options;
  }

  // Runs the installed program in the working folder with only the empty home around it;
  // returns its standard output, its exit status in `status`.
  std::string Run(const fs::path& prefix, const std::string& args, int* status) {
    const fs::path out = dir_.path() / "out.txt";
    const std::string command = "cd '" + work().string() + "' && env -i PATH=/usr/bin:/bin " +
                                SanitizerOptions() + "HOME='" + home().string() + "' '" +
                                (prefix / "bin/zarno-cli").string() + "' " + args +
                                " </dev/null >'" + out.string() + "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return ReadText(out);
  }

  // Another tool, in the same surroundings.
  std::string RunTool(const std::string& command_line) {
    const fs::path out = dir_.path() / "tool.txt";
    const std::string command = "cd '" + work().string() + "' && env -i PATH=/usr/bin:/bin HOME='" +
                                home().string() + "' " + command_line + " >'" + out.string() +
                                "' 2>/dev/null";
    std::system(command.c_str());
    return ReadText(out);
  }

  testing::TempDir dir_;
};

TEST_F(InstalledCliTest, VersionNamesTheFontOfItsOwnPrefix) {
  const fs::path usr = Install("usr", true);
  const fs::path opt = Install("opt/zarno", true);
  for (const fs::path& prefix : {usr, opt}) {
    int status = -1;
    EXPECT_EQ(Run(prefix, "--version", &status),
              "zarno-cli " + std::string(kProgramVersion) +
                  "\nfont: " + (prefix / kFontInPrefix).string() + "\n");
    EXPECT_EQ(status, 0);
  }
}

TEST_F(InstalledCliTest, WithoutItsDataTheFontIsNotFound) {
  // Not even the other prefix's font or a file of that name in the working folder is taken.
  Install("usr", true);
  const fs::path bare = Install("bare", false);
  std::ofstream(work() / "kolvan+.ttf") << "trueNOT A FONT";
  int status = -1;
  EXPECT_EQ(Run(bare, "--version", &status),
            "zarno-cli " + std::string(kProgramVersion) + "\nfont: not found\n");
  EXPECT_EQ(status, 0);
}

TEST_F(InstalledCliTest, AFileThatIsNoFontIsPassedOverAndNamed) {
  const fs::path usr = Install("usr", false);
  fs::create_directories((usr / kFontInPrefix).parent_path());
  std::ofstream(usr / kFontInPrefix) << "trueNOT A FONT";
  int status = -1;
  EXPECT_EQ(Run(usr, "--version", &status), "zarno-cli " + std::string(kProgramVersion) +
                                                "\nfont: not found\n  passed over " +
                                                (usr / kFontInPrefix).string() + ": not a font\n");
  EXPECT_EQ(status, 0);
  if (!RunTool("fc-list Kolvana+").empty()) GTEST_SKIP() << "Kolvana+ is installed system-wide";
  Run(usr, "replay", &status);
  EXPECT_EQ(status, 0);
  const std::string settings = ReadText(work() / "Zarno.ini");
  EXPECT_EQ(settings.find("Kolvana+"), std::string::npos) << settings;
  EXPECT_EQ(FilesBelow(home()), std::vector<std::string>{});
}

TEST_F(InstalledCliTest, ReplayRegistersTheFontForItselfAndWritesNothingIntoHome) {
  const fs::path usr = Install("usr", true);
  int status = -1;
  Run(usr, "replay", &status);
  EXPECT_EQ(status, 0);
  // The automatic choice saw our font, so it is in the tool's font list as in the window's.
  const std::string settings = ReadText(work() / "Zarno.ini");
  EXPECT_NE(settings.find("Kirillitsa_Font_Name=Kolvana+\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Maya_Font_Name=Kolvana+\r\n"), std::string::npos) << settings;
  EXPECT_EQ(FilesBelow(home()), std::vector<std::string>{});
}

TEST_F(InstalledCliTest, ReplayWithoutTheFontFallsBack) {
  const fs::path bare = Install("bare", false);
  int status = -1;
  if (!RunTool("fc-list Kolvana+").empty()) GTEST_SKIP() << "Kolvana+ is installed system-wide";
  Run(bare, "replay", &status);
  EXPECT_EQ(status, 0);
  const std::string settings = ReadText(work() / "Zarno.ini");
  EXPECT_NE(settings.find("Maya_Font_Name=Microsoft Sans Serif\r\n"), std::string::npos)
      << settings;
  EXPECT_EQ(FilesBelow(home()), std::vector<std::string>{});
}

}  // namespace
}  // namespace zarno
