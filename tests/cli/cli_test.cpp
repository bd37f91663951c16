// SPDX-License-Identifier: GPL-3.0-or-later
// zarno-cli run in-process: exact output, exit statuses and messages.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "../core/fake_host.h"
#include "base/number.h"
#include "cli/message_text.h"
#include "core/numeral_systems.h"
#include "digits/digit_sets.h"

namespace zarno::cli {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunCli(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = Run(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(Convert, WritesWhatTheWindowShows) {
  EXPECT_EQ(RunCli({"convert", "1234", "12"}).out,
            "҂а\u0483с\u0483л\u0483д\uE076\nв\u0483і\uE075\n");
  EXPECT_EQ(RunCli({"convert", "--system", "roman", "1999"}).out, "ⅯⅭⅯⅩⅭⅠⅩ\n");
  EXPECT_EQ(RunCli({"convert", "--system", "Kitay", "105"}).out, "一百◯五\n");
  EXPECT_EQ(RunCli({"convert", "--system", "hebrew", "--check", "Gershaim", "15"}).out, "ט״ו\n");
}

TEST(Convert, TheHebrewCustomaryOrderIsABoxLikeAnyOther) {
  EXPECT_EQ(RunCli({"convert", "--system", "hebrew", "270", "5744"}).out, "רע\nה׳תשמד\n");
  EXPECT_EQ(RunCli({"convert", "--system", "hebrew", "--check", "Obychay", "270", "5744"}).out,
            "ער\nה׳תשדמ\n");
  EXPECT_EQ(
      RunCli({"convert", "--system", "hebrew", "--check", "Obychay", "--check", "Gershaim", "5744"})
          .out,
      "ה׳תשד״מ\n");
  // Read back in either order.
  EXPECT_EQ(RunCli({"read", "--system", "hebrew", "ער", "רע", "ה׳תשד״מ", "ה׳תשמ״ד"}).out,
            "270\n270\n5744\n5744\n");
  // Like the gershayim, it belongs to the Hebrew keypad only.
  const Result elsewhere = RunCli({"convert", "--check", "Obychay", "270"});
  EXPECT_EQ(elsewhere.status, kUsage);
  EXPECT_NE(elsewhere.err.find("Obychay"), std::string::npos) << elsewhere.err;
}

TEST(Convert, StreamsStandardInputAndKeepsBadLinesInStep) {
  const Result r = RunCli({"convert", "--system", "armenian"}, "1984\r\n10000\nabc\n\n7");
  EXPECT_EQ(r.status, kNotANumeral);
  EXPECT_EQ(r.out, "ՌՋՁԴ\n\n\n\nԷ\n");
  EXPECT_EQ(r.err,
            "zarno-cli convert: line 2: 10000 is outside 1–9 999 for armenian\n"
            "zarno-cli convert: line 3: not a whole number\n"
            "zarno-cli convert: line 4: not a whole number\n");
  const Result good = RunCli({"convert", "--system", "armenian"}, "1984\n7\n");
  EXPECT_EQ(good.status, kOk);
  EXPECT_EQ(good.err, "");
}

// One line of each kind, from standard input and as an argument: what it prints and the
// note it gives.
struct LineCase {
  std::string system;
  std::string line;
  std::string out;   // without the line end
  std::string note;  // the reason, or empty when the line is a number the system writes
};

TEST(Convert, TakesALineAsANumberOnlyWhenItIsAWholeDecimalNumber) {
  const std::string thousand_digits(1000, '7');
  const std::vector<LineCase> cases = {
      {"hebrew", "15", "טו", ""},
      {"hebrew", " \t15\t ", "טו", ""},
      {"hebrew", "0015", "טו", ""},
      {"hebrew", "-15", "", "not a whole number"},
      {"hebrew", "+15", "", "not a whole number"},
      {"hebrew", "15.0", "", "not a whole number"},
      {"hebrew", "1,5", "", "not a whole number"},
      {"hebrew", "15a", "", "not a whole number"},
      {"hebrew", "fifteen", "", "not a whole number"},
      {"hebrew", "1 5", "", "not a whole number"},
      {"hebrew", "١٥", "", "not a whole number"},
      {"hebrew", "", "", "not a whole number"},
      {"hebrew", "   ", "", "not a whole number"},
      {"hebrew", "0", "", "0 is outside 1–9 999 for hebrew"},
      {"hebrew", "000", "", "0 is outside 1–9 999 for hebrew"},
      {"hebrew", "9999", "ט׳תתקצט", ""},
      {"hebrew", "10000", "", "10000 is outside 1–9 999 for hebrew"},
      {"roman", "400000", "", "400000 is outside 1–399 999 for roman"},
      {"cyrillic", "2147483648", "", "2147483648 is outside 1–999 999 for cyrillic"},
      {"cyrillic", "99999999999999999999", "",
       "99999999999999999999 is outside 1–999 999 for cyrillic"},
      {"cyrillic", thousand_digits, "",
       "a number of 1000 digits is outside 1–999 999 for cyrillic"},
      {"roman", std::string(40, '0') + "12", "ⅩⅠⅠ", ""},
      // The window carries leading zeros into its digit-by-digit renderers.
      {"chinese", "007", "◯◯七", ""},
      {"hebrew", " 00012", "", "the window writes no hebrew numeral for 00012"},
      {"armenian", std::string(40, '0') + "12", "",
       "the window writes no armenian numeral for a number of 42 digits"},
      // Chinese and Maya have a sign for zero.
      {"chinese", "0", "◯", ""},
      {"chinese", "100000", "", "100000 is outside 0–99 999 for chinese"},
      {"maya", "4294967296", "", "4294967296 is outside 0–4 294 967 295 for maya"},
  };
  for (const LineCase& c : cases) {
    const Result piped = RunCli({"convert", "--system", c.system}, c.line + "\n");
    EXPECT_EQ(piped.out, c.out + "\n") << c.system << " \"" << c.line << "\"";
    EXPECT_EQ(piped.err, c.note.empty() ? "" : "zarno-cli convert: line 1: " + c.note + "\n")
        << c.line;
    EXPECT_EQ(piped.status, c.note.empty() ? kOk : kNotANumeral) << c.line;
    const Result argument = RunCli({"convert", "--system", c.system, "--", "5", c.line});
    EXPECT_EQ(argument.out, RunCli({"convert", "--system", c.system, "5"}).out + c.out + "\n")
        << c.line;
    EXPECT_EQ(argument.err, c.note.empty() ? "" : "zarno-cli convert: argument 2: " + c.note + "\n")
        << c.line;
  }
}

TEST(Convert, DigitSetsWriteEveryWholeNumber) {
  const Result r =
      RunCli({"convert", "--digits", "thai"}, "0\n 007 \n99999999999999999999\n-1\n1.5\n");
  EXPECT_EQ(r.out, "๐\n๐๐๗\n๙๙๙๙๙๙๙๙๙๙๙๙๙๙๙๙๙๙๙๙\n\n\n");
  EXPECT_EQ(r.err,
            "zarno-cli convert: line 4: not a whole number\n"
            "zarno-cli convert: line 5: not a whole number\n");
  EXPECT_EQ(r.status, kNotANumeral);
}

TEST(Convert, OptionsApplyTheWindowsRules) {
  // Ticking the second form of 5 unticks the first.
  EXPECT_EQ(RunCli({"convert", "--check", "Check_Kiril1_5_e2", "--uncheck", "IspZarno", "5"}).out,
            "е\n");
  // Unticking the default alone is undone, as in the window.
  EXPECT_EQ(RunCli({"convert", "--uncheck", "Check_Kiril1_5", "--uncheck", "IspZarno", "5"}).out,
            "є\n");
  EXPECT_EQ(
      RunCli({"convert", "--check", "Kiril_Old_Tys_Radio2", "--uncheck", "IspZarno", "110000"}).out,
      "а\uE085 а\uE070\n");
}

TEST(Convert, DigitSetsAndStandardCodePoints) {
  EXPECT_EQ(RunCli({"convert", "--digits", "thai", "2024"}).out, "๒๐๒๔\n");
  EXPECT_EQ(RunCli({"convert", "--digits", "Девангари", "7"}).out, "७\n");
  EXPECT_EQ(RunCli({"convert", "--system", "maya", "--standard", "20"}).out,
            "\U0001D2E1\U0001D2E0\n");
  EXPECT_EQ(RunCli({"convert", "--system", "greek-attic", "--standard", "55"}).out,
            "\U00010144\U00010143\n");
}

TEST(Convert, UsageErrorsExitWithStatus2) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"convert", "--system", "klingon", "1"},
           {"convert", "--check", "NoSuchBox", "1"},
           {"convert", "--check", "Kiril1_5", "1"},  // a key, not a box
           // boxes that the chosen system's keypad does not show
           {"convert", "--check", "Check_Rim_500_2", "500"},
           {"convert", "--system", "roman", "--uncheck", "IspZarno", "5"},
           {"convert", "--digits", "none", "1"},
           {"convert", "--system"},
           {"convert", "--frobnicate"},
           {"frobnicate"},
           {}}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, kUsage) << args.size();
    EXPECT_FALSE(r.err.empty());
  }
  EXPECT_EQ(RunCli({"--help"}).status, kOk);
}

// A stream buffer that refuses every byte, as a full disk does.
class RefusingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(WriteErrors, AnOutputThatRefusesTheTextGivesStatus3) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"convert", "5"}, {"read", "--system", "roman", "V"}, {"--help"}, {"--version"}}) {
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(cli::Run(args, in, out, err), kIoError) << args[0];
    EXPECT_NE(err.str().find("cannot write the output"), std::string::npos) << err.str();
  }
}

TEST(Names, CssCounterStylesOfTheSameNumeralsNameTheSystems) {
  const std::vector<std::string> numbers = {"convert", "1", "4", "15", "1999", "2024", "9999"};
  for (const auto& [css, radio] :
       std::vector<std::pair<std::string, std::string>>{{"upper-roman", "RimRadio"},
                                                        {"armenian", "Armen"},
                                                        {"upper-armenian", "Armen"},
                                                        {"georgian", "Gruz"},
                                                        {"hebrew", "Iudeyskie"}}) {
    std::vector<std::string> by_css = numbers, by_radio = numbers;
    by_css.insert(by_css.begin() + 1, {"--system", css});
    by_radio.insert(by_radio.begin() + 1, {"--system", radio});
    const Result r = RunCli(by_css);
    EXPECT_EQ(r.status, kOk) << css << ": " << r.err;
    EXPECT_EQ(r.out, RunCli(by_radio).out) << css;
  }
  EXPECT_EQ(RunCli({"read", "--system", "upper-roman", "ⅯⅭⅯⅩⅭⅠⅩ"}).out, "1999\n");
  EXPECT_EQ(RunCli({"convert", "--system", "lower-roman", "1"}).status, kUsage)
      << "lower-roman writes other letters";
}

TEST(Names, CssCounterStylesOfDecimalDigitsNameTheSetsWithTheirZero) {
  // The zero of each decimal counter style of CSS Counter Styles Level 3.
  const std::vector<std::pair<std::string, char32_t>> css = {
      {"arabic-indic", 0x0660}, {"persian", 0x06F0},   {"bengali", 0x09E6},
      {"cambodian", 0x17E0},    {"khmer", 0x17E0},     {"devanagari", 0x0966},
      {"gujarati", 0x0AE6},     {"gurmukhi", 0x0A66},  {"kannada", 0x0CE6},
      {"lao", 0x0ED0},          {"malayalam", 0x0D66}, {"mongolian", 0x1810},
      {"myanmar", 0x1040},      {"oriya", 0x0B66},     {"tamil", 0x0BE6},
      {"telugu", 0x0C66},       {"thai", 0x0E50},      {"tibetan", 0x0F20}};
  for (const auto& [name, zero] : css) {
    std::u16string digits;
    for (int d : {9, 0, 1, 2, 3, 4, 5, 6, 7, 8}) digits += static_cast<char16_t>(zero + d);
    const Result r = RunCli({"convert", "--digits", name, "9012345678"});
    EXPECT_EQ(r.out, ToUtf8(digits) + "\n") << name << ": " << r.err;
    EXPECT_EQ(r.status, kOk) << name;
  }
}

// The words of the usage text, without the commas that part them.
std::vector<std::string> WordsOf(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string w; in >> w;) {
    while (!w.empty() && (w.back() == ',' || w.back() == ':')) w.pop_back();
    words.push_back(w);
  }
  return words;
}

TEST(Names, TheUsageListsEveryNameOfTheTables) {
  const std::vector<std::string> words = WordsOf(RunCli({"--help"}).out);
  auto listed = [&](std::string_view name) {
    return std::find(words.begin(), words.end(), name) != words.end();
  };
  for (const DigitSet& set : DigitSets()) {
    EXPECT_TRUE(listed(set.alias)) << set.alias;
    std::istringstream names{std::string(set.css_names)};
    for (std::string name; names >> name;) EXPECT_TRUE(listed(name)) << name;
  }
  for (const NumeralSystemRow& row : NumeralSystems()) EXPECT_TRUE(listed(row.cli_name));
  for (const CssSystemName& css : CssSystemNames()) EXPECT_TRUE(listed(css.name)) << css.name;
  for (const char* css : {"arabic-indic", "persian", "cambodian", "upper-roman"}) {
    EXPECT_TRUE(listed(css)) << css;
  }
}

// Whether `name` stands in `text` as a word of its own (not as part of a longer name).
bool NamedIn(const std::string& text, std::string_view name) {
  auto in_name = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; };
  for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
    const std::size_t end = at + name.size();
    if ((at == 0 || !in_name(text[at - 1])) && (end == text.size() || !in_name(text[end]))) {
      return true;
    }
  }
  return false;
}

TEST(Names, TheManPageAndTheReadmeNameEveryCssCounterStyle) {
  for (const char* path : {ZARNO_CLI_MAN_PAGE, ZARNO_README}) {
    std::ifstream in(path);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    ASSERT_FALSE(text.empty()) << path;
    for (const DigitSet& set : DigitSets()) {
      std::istringstream names{std::string(set.css_names)};
      for (std::string name; names >> name;)
        EXPECT_TRUE(NamedIn(text, name)) << path << ": " << name;
    }
    for (const CssSystemName& css : CssSystemNames()) {
      EXPECT_TRUE(NamedIn(text, css.name)) << path << ": " << css.name;
    }
  }
  // The man page also names every digit set and system by its command-line name.
  std::ifstream in(ZARNO_CLI_MAN_PAGE);
  const std::string man(std::istreambuf_iterator<char>(in), {});
  for (const DigitSet& set : DigitSets()) EXPECT_TRUE(NamedIn(man, set.alias)) << set.alias;
  for (const NumeralSystemRow& row : NumeralSystems()) {
    EXPECT_TRUE(NamedIn(man, row.cli_name)) << row.cli_name;
  }
}

TEST(Options, TakeTheirValueAfterAnEqualsSign) {
  EXPECT_EQ(RunCli({"convert", "--system=roman", "1999"}).out,
            RunCli({"convert", "--system", "roman", "1999"}).out);
  EXPECT_EQ(RunCli({"convert", "--system=hebrew", "--check=Gershaim", "15"}).out, "ט״ו\n");
  EXPECT_EQ(RunCli({"convert", "--digits=thai", "2024"}).out, "๒๐๒๔\n");
  EXPECT_EQ(RunCli({"read", "--system=roman", "ⅩⅠ"}).out, "11\n");
  EXPECT_EQ(RunCli({"convert", "--uncheck=IspZarno", "--check=Check_Kiril1_5_e2", "5"}).out, "е\n");
}

TEST(Options, TicksAndUnticksApplyInTheirOrder) {
  EXPECT_EQ(RunCli({"convert", "--uncheck", "IspZarno", "--check", "IspZarno", "5"}).out,
            "є\u0483\n");
  EXPECT_EQ(RunCli({"convert", "--check", "IspZarno", "--uncheck=IspZarno", "5"}).out, "є\n");
}

TEST(Options, EndWithTwoDashes) {
  const Result help = RunCli({"convert", "--system", "roman", "--", "--help", "5"});
  EXPECT_EQ(help.out, "\nⅤ\n") << "--help after -- is a text, not the option";
  EXPECT_EQ(help.err, "zarno-cli convert: argument 1: not a whole number\n");
  EXPECT_EQ(help.status, kNotANumeral);
  const Result dash = RunCli({"read", "--system", "roman", "--", "--bogus"});
  EXPECT_EQ(dash.status, kNotANumeral);
  EXPECT_NE(dash.err.find("\"--bogus\" is not a roman numeral"), std::string::npos) << dash.err;
  // A negative number is a text even before "--"; another word with a dash is an option.
  EXPECT_EQ(RunCli({"convert", "-5"}).err, "zarno-cli convert: argument 1: not a whole number\n");
  const Result unknown = RunCli({"convert", "-x", "5"});
  EXPECT_EQ(unknown.status, kUsage);
  EXPECT_NE(unknown.err.find("unknown option \"-x\""), std::string::npos) << unknown.err;

  zarno::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  std::ofstream("-script.txt") << "type 7\nprint\n";
  const Result script = RunCli({"replay", "--", "-script.txt"});
  const Result without = RunCli({"replay", "-script.txt"});
  std::filesystem::current_path(old);
  EXPECT_EQ(script.status, kOk) << script.err;
  EXPECT_NE(script.out.find("\"Sovr\": \"7\""), std::string::npos) << script.out;
  EXPECT_EQ(without.status, kUsage);
}

TEST(Options, HelpAndMissingValues) {
  for (const std::string command : {"convert", "read", "replay"}) {
    for (const std::string flag : {"--help", "-h"}) {
      const Result r = RunCli({command, flag});
      EXPECT_EQ(r.status, kOk) << command << " " << flag;
      EXPECT_EQ(r.out, RunCli({"--help"}).out) << command << " " << flag;
    }
  }
  const Result missing = RunCli({"convert", "--system"});
  EXPECT_EQ(missing.status, kUsage);
  EXPECT_EQ(missing.err, "zarno-cli convert: --system needs a value\n");
  EXPECT_EQ(RunCli({"replay", "a", "b"}).status, kUsage);
}

TEST(Json, ConvertWritesOneObjectALine) {
  const Result r = RunCli({"convert", "--json", "--system", "roman", "12", "x", "0"});
  EXPECT_EQ(r.out,
            "{\"input\": \"12\", \"number\": 12, \"system\": \"roman\", \"digits\": null, "
            "\"text\": \"ⅩⅠⅠ\", \"standard\": \"XII\", \"code_points\": [\"U+2169\", \"U+2160\", "
            "\"U+2160\"], \"error\": null}\n"
            "{\"input\": \"x\", \"number\": null, \"system\": \"roman\", \"digits\": null, "
            "\"text\": \"\", \"standard\": \"\", \"code_points\": [], \"error\": \"not a whole "
            "number\"}\n"
            "{\"input\": \"0\", \"number\": 0, \"system\": \"roman\", \"digits\": null, "
            "\"text\": \"\", \"standard\": \"\", \"code_points\": [], \"error\": \"0 is outside "
            "1–399 999 for roman\"}\n");
  EXPECT_EQ(r.status, kNotANumeral);
  EXPECT_EQ(r.err,
            "zarno-cli convert: argument 2: not a whole number\n"
            "zarno-cli convert: argument 3: 0 is outside 1–399 999 for roman\n");
  // The standard form beyond the first plane; a digit set by its name.
  EXPECT_NE(RunCli({"convert", "--json", "--system", "maya", "--standard", "20"})
                .out.find("\"standard\": \"\U0001D2E1\U0001D2E0\""),
            std::string::npos);
  EXPECT_NE(RunCli({"convert", "--json", "--digits", "persian", "12"})
                .out.find("\"digits\": \"eastern-arabic\", \"text\": \"۱۲\", \"standard\": \"۱۲\", "
                          "\"code_points\": [\"U+06F1\", \"U+06F2\"]"),
            std::string::npos);
}

TEST(Read, GivesTheNumberBackOrSaysWhy) {
  EXPECT_EQ(RunCli({"read", "--system", "roman", "ⅭⅩⅠⅭ"}).out, "189\n");
  EXPECT_EQ(RunCli({"read", "--system", "cyrillic", "҂а\u0483с\u0483л\u0483д\uE076"}).out,
            "1234\n");
  const Result bad = RunCli({"read", "--system", "maya", "hello"});
  EXPECT_EQ(bad.status, kNotANumeral);
  EXPECT_NE(bad.err.find("not a maya numeral"), std::string::npos);
  EXPECT_EQ(RunCli({"read", "ⅩⅠ"}).status, kUsage) << "the system is required";
}

TEST(Read, RoundTripsConvertInEverySystem) {
  const std::vector<std::string> systems = {"cyrillic", "glagolitic", "roman",       "chinese",
                                            "armenian", "georgian",   "greek-ionic", "greek-attic",
                                            "maya",     "hebrew"};
  std::string numbers;
  for (int n : {1, 9, 10, 11, 15, 16, 99, 100, 999, 1000, 1999, 2024, 2999}) {
    numbers += std::to_string(n) + "\n";
  }
  for (const std::string& s : systems) {
    const Result converted = RunCli({"convert", "--system", s}, numbers);
    const Result read = RunCli({"read", "--system", s}, converted.out);
    EXPECT_EQ(read.out, numbers) << s;
    EXPECT_EQ(read.status, kOk) << s << ": " << read.err;
  }
}

TEST(Read, AnUnknownOptionIsAUsageErrorAsInTheOtherCommands) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"read", "--bogus"}, {"read", "--system", "roman", "--bogus", "V"}}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, kUsage);
    EXPECT_NE(r.err.find("unknown option \"--bogus\""), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << "nothing is read";
  }
}

// True when `text` is valid UTF-8 without a control character.
bool IsCleanText(std::string_view text) {
  const std::u16string wide = FromUtf8(text);
  if (ToUtf8(wide) != text) return false;  // invalid UTF-8 comes back as U+FFFD
  return std::none_of(wide.begin(), wide.end(),
                      [](char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); });
}

TEST(Read, MessagesQuoteRawBytesEscaped) {
  using namespace std::string_literals;
  const std::string raw = "V\0\xFF\x1B[31m\\\r\xC2\x85ⅩⅠ"s;
  const Result r = RunCli({"read", "--system", "roman"}, raw + "\n");
  EXPECT_EQ(r.status, kNotANumeral);
  EXPECT_EQ(r.out, "\n");
  EXPECT_EQ(
      r.err,
      "zarno-cli read: \"V\\x00\\xFF\\x1B[31m\\\\\\x0D\\xC2\\x85ⅩⅠ\" is not a roman numeral\n");
  EXPECT_TRUE(IsCleanText(r.err.substr(0, r.err.size() - 1)));
}

TEST(Printable, KeepsTextAndEscapesEveryByteThatIsNone) {
  EXPECT_EQ(Printable("ⅩⅠ ҂а҃ 𝋠 x"), "ⅩⅠ ҂а҃ 𝋠 x");
  EXPECT_EQ(Printable(std::string("\0\t\n\x7F", 4)), "\\x00\\x09\\x0A\\x7F");
  EXPECT_EQ(Printable("a\\b"), "a\\\\b");
  EXPECT_EQ(Printable("\xC0\x80"), "\\xC0\\x80") << "an overlong NUL";
  EXPECT_EQ(Printable("\xED\xA0\x80"), "\\xED\\xA0\\x80") << "a surrogate";
  EXPECT_EQ(Printable("\xF4\x90\x80\x80"), "\\xF4\\x90\\x80\\x80") << "above U+10FFFF";
  EXPECT_EQ(Printable("ok\xE2\x85"), "ok\\xE2\\x85") << "a sequence cut short";
  EXPECT_EQ(Printable("\xE2\x85x"), "\\xE2\\x85x") << "a sequence broken off";
  EXPECT_EQ(Printable("\xC2\x9B"), "\\xC2\\x9B") << "a C1 control";
}

TEST(Convert, MessagesQuoteRawBytesEscaped) {
  const Result r = RunCli({"convert", "--system", std::string("rom\0an\xFF", 7), "1"});
  EXPECT_EQ(r.status, kUsage);
  EXPECT_NE(r.err.find("\"rom\\x00an\\xFF\""), std::string::npos) << r.err;
}

// The object that dump writes for one control, from its name to its closing brace.
std::string DumpedControl(const std::string& dump, std::string_view name) {
  const auto start = dump.find("{\"name\": \"" + std::string(name) + "\"");
  if (start == std::string::npos) return {};
  return dump.substr(start, dump.find('}', start) + 1 - start);
}

TEST(ReplayDump, WritesEveryControlOnOneLine) {
  const Result r = RunCli({"replay"}, "click Armen\ntype 12\nclick Tysyasha\ndump\n");
  ASSERT_EQ(r.status, kOk) << r.err;
  ASSERT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line";
  std::size_t names = 0;
  for (auto at = r.out.find("\"name\": "); at != std::string::npos;
       at = r.out.find("\"name\": ", at + 1)) {
    ++names;
  }
  EXPECT_EQ(names, static_cast<std::size_t>(kControlCount));
  const std::string sovr =
      "{\"name\": \"Sovr\", \"kind\": \"edit\", \"text\": \"12\", \"shown\": true";
  EXPECT_EQ(DumpedControl(r.out, "Sovr").substr(0, sovr.size()), sovr);
  EXPECT_NE(DumpedControl(r.out, "Kiril").find("\"text\": \"ԺԲ\""), std::string::npos);
  EXPECT_NE(DumpedControl(r.out, "Armen").find("\"kind\": \"system-radio\""), std::string::npos);
  EXPECT_NE(DumpedControl(r.out, "Armen").find("\"checked\": true"), std::string::npos);
  EXPECT_NE(DumpedControl(r.out, "KirilRadio").find("\"checked\": false"), std::string::npos);
  // Armenian has no thousands panel: it stays hidden and unpressed.
  EXPECT_NE(DumpedControl(r.out, "Tysyasha").find("\"shown\": false"), std::string::npos);
  EXPECT_NE(DumpedControl(r.out, "Kiril1_5").find("\"caption\": \"Ե\""), std::string::npos);
  EXPECT_NE(DumpedControl(r.out, "Kiril1_5").find("\"kind\": \"key\""), std::string::npos);
  // The options of the Hebrew keypad are there, hidden and unticked with another system.
  EXPECT_NE(DumpedControl(r.out, "Obychay")
                .find("\"kind\": \"option-box\", \"caption\": "
                      "\"обычай\", \"shown\": false"),
            std::string::npos)
      << DumpedControl(r.out, "Obychay");
}

TEST(Replay, PrintsTheStateAsJson) {
  zarno::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const Result r = RunCli({"replay"},
                          "# a comment\n\nset Sovr 12\nprint\nclick RimRadio\nclick Button1\n"
                          "click Kiril1_50\nclick Kiril1_50\nclick Kiril1_50\nclick Kiril1_100\n"
                          "print\nclick Kitay\nclick Kiril1_5\nprint\n");
  std::filesystem::current_path(old);
  EXPECT_EQ(r.status, kOk) << r.err;
  std::istringstream lines(r.out);
  std::string first, second, third;
  std::getline(lines, first);
  std::getline(lines, second);
  std::getline(lines, third);
  EXPECT_NE(first.find("\"Sovr\": \"12\""), std::string::npos) << first;
  EXPECT_NE(first.find("\"system\": \"KirilRadio\""), std::string::npos);
  EXPECT_NE(first.find("\"message\": null"), std::string::npos);
  // ⅬⅬⅬⅭ reads 100 - 150: the message, then everything is empty.
  EXPECT_NE(second.find("\"Sovr\": \"\""), std::string::npos) << second;
  EXPECT_NE(second.find("Гм, получилось число \\\"-50\\\""), std::string::npos) << second;
  EXPECT_NE(third.find("\"message\": null"), std::string::npos) << "taken by the print before";
  EXPECT_NE(third.find("\"Kiril\": \"五\""), std::string::npos) << third;
}

TEST(Replay, BlanksBeforeACommandAreNoPartOfIt) {
  zarno::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const Result r =
      RunCli({"replay"}, "   set Sovr 12\n   # a comment\n\t print\n  click RimRadio\nprint\n");
  std::filesystem::current_path(old);
  EXPECT_EQ(r.status, kOk) << r.err;
  std::istringstream lines(r.out);
  std::string first, second;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_NE(first.find("\"Kiril\": \"в\u0483і\uE075\""), std::string::npos) << first;
  EXPECT_NE(second.find("\"Kiril\": \"ⅩⅠⅠ\""), std::string::npos) << second;
}

TEST(Replay, AFolderIsNoScript) {
  zarno::testing::TempDir dir;
  const Result r = RunCli({"replay", dir.path().string()});
  EXPECT_EQ(r.status, kUsage);
  EXPECT_NE(r.err.find("is a folder, not a script"), std::string::npos) << r.err;
}

TEST(Replay, MessagesQuoteRawBytesEscaped) {
  zarno::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const Result r = RunCli({"replay"}, std::string("click Sovr\x01\xFE\n", 13));
  std::filesystem::current_path(old);
  EXPECT_EQ(r.status, kUsage);
  EXPECT_NE(r.err.find("no control named \"Sovr\\x01\\xFE\""), std::string::npos) << r.err;
}

TEST(Replay, UnknownCommandsAndNamesStopWithStatus2) {
  zarno::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  EXPECT_EQ(RunCli({"replay"}, "jump Sovr\n").status, kUsage);
  EXPECT_EQ(RunCli({"replay"}, "click NoSuchControl\n").status, kUsage);
  EXPECT_EQ(RunCli({"replay"}, "set Kiril 12\n").status, kUsage);
  EXPECT_EQ(RunCli({"replay"}, "choose 30\n").status, kUsage);
  EXPECT_EQ(RunCli({"replay"}, "select Kiril x 1\n").status, kUsage);
  EXPECT_EQ(RunCli({"replay", "/no/such/script"}).status, kUsage);
  const Result hidden = RunCli({"replay"}, "click Rim_100000\nchoose 3\nprint\n");
  EXPECT_EQ(hidden.status, kOk);
  EXPECT_NE(hidden.err.find("Rim_100000 is hidden"), std::string::npos);
  EXPECT_NE(hidden.err.find("chooser is not shown"), std::string::npos);
  std::filesystem::current_path(old);
}

}  // namespace
}  // namespace zarno::cli
