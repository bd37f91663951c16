// The built zarno-cli run as its own process, with its standard streams pointing where a
// shell points them: a full device, a folder, files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../core/fake_host.h"

namespace zarno {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

class CliProcess : public ::testing::Test {
 protected:
  // Runs the program with `args` (shell words) in a fresh working folder, `input` on its
  // standard input (or the file `in_path`) and its standard output sent to `out_path` (a file
  // of the folder when empty).
  Outcome Run(const std::string& args, const std::string& input = "",
              const std::string& out_path = "", const std::string& in_path = "") {
    const fs::path in = dir_.path() / "in.txt";
    const fs::path out = dir_.path() / "out.txt";
    const fs::path err = dir_.path() / "err.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = "cd '" + dir_.path().string() + "' && '" ZARNO_CLI_BINARY "' " +
                                args + " <'" + (in_path.empty() ? in.string() : in_path) + "' >'" +
                                (out_path.empty() ? out.string() : out_path) + "' 2>'" +
                                err.string() + "'";
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (out_path.empty()) o.out = ReadText(out);
    o.err = ReadText(err);
    return o;
  }

  testing::TempDir dir_;
};

struct Case {
  std::string args;
  std::string input;
};

const std::vector<Case> kCommandsThatWrite = {
    {"convert 5", ""},
    {"convert --system roman", "1\n2\n3\n"},
    {"convert --digits thai 2024", ""},
    {"read --system roman 'ⅩⅠ'", ""},
    {"read --system roman", "ⅩⅠ\n"},
    {"replay", "print\n"},
    {"replay", "dump\n"},
    {"--help", ""},
    {"convert --help", ""},
    {"--version", ""},
};

TEST_F(CliProcess, EveryCommandWritesItsOutputToAFile) {
  for (const Case& c : kCommandsThatWrite) {
    const Outcome o = Run(c.args, c.input);
    EXPECT_EQ(o.status, 0) << c.args << ": " << o.err;
    EXPECT_FALSE(o.out.empty()) << c.args;
  }
}

TEST_F(CliProcess, OutputThatCannotBeWrittenExitsWith3AndSaysWhy) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  for (const Case& c : kCommandsThatWrite) {
    const Outcome o = Run(c.args, c.input, "/dev/full");
    EXPECT_EQ(o.status, 3) << c.args;
    EXPECT_NE(o.err.find("zarno-cli: cannot write the output: No space left on device"),
              std::string::npos)
        << c.args << ": " << o.err;
  }
}

TEST_F(CliProcess, ALongStreamToAFullDeviceStopsWithStatus3) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  std::string numbers;
  for (int n = 1; n <= 300'000; ++n) numbers += std::to_string(n % 999'999 + 1) + "\n";
  const Outcome o = Run("convert", numbers, "/dev/full");
  EXPECT_EQ(o.status, 3);
  EXPECT_NE(o.err.find("cannot write the output"), std::string::npos) << o.err;
}

TEST_F(CliProcess, AFolderAsInputIsAnErrorWithAMessage) {
  struct FolderCase {
    std::string args;
    int status;
    std::string message;
  };
  for (const FolderCase& c : std::vector<FolderCase>{
           {"replay", 3, "zarno-cli replay: cannot read the input: Is a directory"},
           {"convert", 3, "zarno-cli convert: cannot read the input: Is a directory"},
           {"read --system roman", 3, "zarno-cli read: cannot read the input: Is a directory"},
           {"replay .", 2, "zarno-cli replay: . is a folder, not a script"},
       }) {
    const Outcome o = Run(c.args, "", "", ".");
    EXPECT_EQ(o.status, c.status) << c.args;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << c.args << ": " << o.err;
    EXPECT_EQ(o.out, "") << c.args;
  }
}

}  // namespace
}  // namespace zarno
