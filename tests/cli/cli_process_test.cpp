// SPDX-License-Identifier: GPL-3.0-or-later
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

// Reads JSON lines with Python's own parser; prints, for each object, its number, text,
// standard form and error, "|" between them, after checking its members and that its code
// points spell its text.
constexpr const char* kJsonReader = R"(import json, sys
keys = ["input", "number", "system", "digits", "text", "standard", "code_points", "error"]
for line in open(sys.argv[1], encoding="utf-8"):
    o = json.loads(line)
    assert list(o) == keys, list(o)
    assert "".join(chr(int(c[2:], 16)) for c in o["code_points"]) == o["text"], o
    print(o["input"], o["number"], o["system"], o["text"], o["standard"], o["error"], sep="|")
)";

TEST_F(CliProcess, JsonLinesParseBackToWhatConvertAndReadWrite) {
  if (std::system("python3 -c '' 2>/dev/null") != 0) GTEST_SKIP() << "no python3";
  const fs::path reader = dir_.path() / "reader.py";
  std::ofstream(reader) << kJsonReader;
  auto parsed = [&](const Outcome& o) {
    std::ofstream(dir_.path() / "lines.json", std::ios::binary) << o.out;
    const fs::path printed = dir_.path() / "printed.txt";
    const std::string command = "python3 '" + reader.string() + "' '" +
                                (dir_.path() / "lines.json").string() + "' >'" + printed.string() +
                                "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadText(printed);
    return ReadText(printed);
  };
  const std::string text = Run("convert 1234").out;
  const std::string standard = Run("convert --standard 1234").out;
  ASSERT_EQ(text.back(), '\n');
  // Number, system, text, standard form and error of 1234.
  const std::string of_1234 = "1234|cyrillic|" + text.substr(0, text.size() - 1) + "|" +
                              standard.substr(0, standard.size() - 1) + "|None\n";
  const Outcome converted = Run("convert --json", "1234\n x\n0\n\"\\\n");
  EXPECT_EQ(converted.status, 1);
  EXPECT_EQ(parsed(converted), "1234|" + of_1234 +
                                   " x|None|cyrillic|||not a whole number\n"
                                   "0|0|cyrillic|||0 is outside 1–999 999 for cyrillic\n"
                                   "\"\\|None|cyrillic|||not a whole number\n");
  // read gives the number and writes it as convert does.
  const Outcome read = Run("read --json --system cyrillic", text + "abc\n");
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(parsed(read), text.substr(0, text.size() - 1) + "|" + of_1234 +
                              "abc|None|cyrillic|||\"abc\" is not a cyrillic numeral\n");
}

}  // namespace
}  // namespace zarno
