// SPDX-License-Identifier: GPL-3.0-or-later
// The batch path of convert against the window model: for every system, every choice of its
// boxes and mark styles and every digit set, each number comes out byte for byte as the
// window shows it; every other line comes out empty, with the reason.
#include "cli/fast_convert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "base/number.h"
#include "core/host.h"
#include "core/numeral_systems.h"
#include "digits/digit_sets.h"
#include "numerals/standard_form.h"

namespace zarno {
// Cases name their system instead of "1-byte object <03>".
void PrintTo(NumeralSystem system, std::ostream* os) { *os << Name(RadioOf(system)); }
}  // namespace zarno

namespace zarno::cli {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The whole range is tried up to here; beyond it, numbers at a stride that reaches the limit
// in about as many steps. Sanitized builds try a sparser sample.
constexpr std::int64_t kWholeRange = kSanitized ? 20'000 : 1'000'000;

std::string Digits(std::int64_t n) { return ToUtf8(ToDecimal(n)); }

std::string WindowShows(MainWindowModel& m, std::string_view line, ConvertOutput output) {
  m.SetText(Ctl::Sovr, FromUtf8(line));
  return ToUtf8(output == ConvertOutput::kDigits ? m.Text(Ctl::Arab1) : m.Kiril());
}

std::string FastShows(FastConvert& fast, std::string_view line) {
  std::string out;
  fast.Line(line, out);
  return out;
}

// The numbers each system writes, as its help page gives them: Chinese and Maya have a sign
// for zero.
std::int64_t LowestOf(NumeralSystem s) {
  return s == NumeralSystem::kKitay || s == NumeralSystem::kMaya ? 0 : 1;
}

// The digits of a whole decimal number on a line of its own, blanks around it and a carriage
// return at its end allowed; nullopt for any other line.
std::optional<std::string> WholeNumberOf(const std::string& line) {
  static const std::regex whole("[ \t]*([0-9]+)[ \t]*\r?");
  std::smatch m;
  if (!std::regex_match(line, m, whole)) return std::nullopt;
  return m[1].str();
}

// What a line must give: the window's text and kShown for a whole number that the system
// writes, or else an empty text and the verdict; kNotWritten when the window itself writes
// nothing.
std::pair<std::string, LineVerdict> Expected(MainWindowModel& window, const std::string& line,
                                             ConvertOutput output) {
  const auto number = WholeNumberOf(line);
  if (!number) return {"", LineVerdict::kNotWhole};
  if (output == ConvertOutput::kNumeral) {
    const std::string digits =
        number->substr(std::min(number->find_first_not_of('0'), number->size() - 1));
    const NumeralSystem s = window.System();
    if (digits.size() > 18 || std::stoll(digits) < LowestOf(s) || std::stoll(digits) > LimitOf(s)) {
      return {"", LineVerdict::kOutside};
    }
  }
  const std::string shown = WindowShows(window, line, output);
  return {shown, shown.empty() ? LineVerdict::kNotWritten : LineVerdict::kShown};
}

// Conversion needs no fonts, messages or settings file.
class QuietHost : public Host {
 public:
  void ShowMessage(std::u16string_view) override {}
  void ReportError(std::u16string_view) override {}
  std::vector<std::u16string> InstalledFontFamilies() override { return {}; }
};

struct Window {
  QuietHost host;
  std::unique_ptr<MainWindowModel> model = std::make_unique<MainWindowModel>(host);
  explicit Window(NumeralSystem system) {
    model->StartWithoutSettings();
    model->Click(RadioOf(system));
  }
};

// Compares the two paths on `lines`; stops at the first difference of each call.
void ExpectSame(MainWindowModel& reference, FastConvert& fast, ConvertOutput output,
                const std::vector<std::string>& lines, const std::string& where) {
  for (const std::string& line : lines) {
    const auto [expected, verdict] = Expected(reference, line, output);
    std::string got;
    const LineVerdict got_verdict = fast.Line(line, got);
    if (got != expected || got_verdict != verdict) {
      ADD_FAILURE() << where << ", line \"" << line << "\": window \"" << expected << "\" ("
                    << static_cast<int>(verdict) << "), batch \"" << got << "\" ("
                    << static_cast<int>(got_verdict) << ")";
      return;
    }
  }
}

// Every number of the range up to kWholeRange, then a stride sample to the limit, the limit
// and the numbers just above it.
std::vector<std::string> RangeOf(NumeralSystem s, std::int64_t step_to_whole = 1) {
  const std::int64_t limit = LimitOf(s);
  std::vector<std::string> lines;
  const std::int64_t whole = std::min(limit, kWholeRange);
  for (std::int64_t n = 0; n <= whole; n += step_to_whole) lines.push_back(Digits(n));
  const std::int64_t stride = std::max<std::int64_t>(1, limit / kWholeRange) * 7 + 1;
  for (std::int64_t n = whole + 1; n <= limit; n += stride) lines.push_back(Digits(n));
  for (std::int64_t n : {limit, limit + 1, limit + 2, std::int64_t{2147483647},
                         std::int64_t{2147483648}, std::int64_t{99999999999}}) {
    lines.push_back(Digits(n));
  }
  return lines;
}

// Lines that are not plain runs of digits: whole numbers with blanks, line ends and leading
// zeros, and lines that are no whole number.
const std::vector<std::string> kOddLines = {"",
                                            "\r",
                                            "007",
                                            "12a",
                                            "1a2",
                                            "0",
                                            "12\r",
                                            "abc",
                                            " 5",
                                            "\t 42 \t\r",
                                            "٣",
                                            "00",
                                            "-3",
                                            "+3",
                                            "12.5",
                                            "12,5",
                                            "1 2",
                                            "1e3",
                                            "0x1F",
                                            "１２",
                                            " ",
                                            "0000000000000000000000123",
                                            "0000000000000000000000000000",
                                            "99999999999999999999999999999999",
                                            " 4294967296 ",
                                            "12",
                                            "12"};

// A few numbers for every choice of boxes: each digit in every place, the teens in both
// thousands, a few random numbers and the limit.
std::vector<std::string> ProbesOf(NumeralSystem s, std::mt19937_64& rng) {
  const std::int64_t limit = LimitOf(s);
  std::vector<std::string> lines;
  for (std::int64_t d = 1; d <= 9; ++d) {
    for (std::int64_t rep = d; rep <= limit; rep = rep * 10 + d) lines.push_back(Digits(rep));
    const std::int64_t teens = 1000 * (10 + d) + 10 + d;
    lines.push_back(Digits(teens <= limit ? teens : 10 + d));
  }
  std::uniform_int_distribution<std::int64_t> any(1, limit);
  for (int i = 0; i < 3; ++i) lines.push_back(Digits(any(rng)));
  lines.push_back(Digits(limit));
  return lines;
}

// The boxes a system shows, gathered into groups that choose one thing: the variant boxes
// of one value, the two ways of writing ten thousands, and each option box on its own (a
// group of one box is ticked or not).
std::vector<std::vector<Ctl>> BoxGroupsOf(const MainWindowModel& m) {
  std::vector<std::vector<Ctl>> groups;
  std::vector<Ctl> styles;
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    if (!m.Reachable(c)) continue;
    switch (KindOf(c)) {
      case ControlKind::kStyleRadio:
        styles.push_back(c);
        break;
      case ControlKind::kOptionBox:
        groups.push_back({c});
        break;
      case ControlKind::kVariantBox: {
        auto same_value = std::find_if(groups.begin(), groups.end(), [&](const auto& g) {
          return KindOf(g[0]) == ControlKind::kVariantBox && ValueOf(g[0]) == ValueOf(c);
        });
        if (same_value == groups.end()) {
          groups.push_back({c});
        } else {
          same_value->push_back(c);
        }
        break;
      }
      default:
        break;
    }
  }
  if (!styles.empty()) groups.push_back(styles);
  return groups;
}

// Sets one choice of every group: a box of a larger group is clicked (its handler unticks
// the others), a box alone is ticked (choice 1) or not.
void Choose(MainWindowModel& m, const std::vector<std::vector<Ctl>>& groups,
            const std::vector<int>& choice) {
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (groups[g].size() == 1) {
      m.SetChecked(groups[g][0], choice[g] == 1);
    } else if (!m.Checked(groups[g][choice[g]])) {
      m.Click(groups[g][choice[g]]);
    }
  }
}

// The next choice in counting order; false after the last.
bool NextChoice(const std::vector<std::vector<Ctl>>& groups, std::vector<int>& choice) {
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const int size = groups[g].size() == 1 ? 2 : static_cast<int>(groups[g].size());
    if (++choice[g] < size) return true;
    choice[g] = 0;
  }
  return false;
}

class FastConvertMatchesWindow : public ::testing::TestWithParam<NumeralSystem> {};

TEST_P(FastConvertMatchesWindow, OverTheWholeRangeWithTheBoxesOfTheStart) {
  Window w(GetParam());
  FastConvert fast(*w.model, ConvertOutput::kNumeral, false);
  Window reference(GetParam());
  ExpectSame(*reference.model, fast, ConvertOutput::kNumeral, RangeOf(GetParam()), "start");
  ExpectSame(*reference.model, fast, ConvertOutput::kNumeral, kOddLines, "odd lines");
}

TEST_P(FastConvertMatchesWindow, UnderEveryChoiceOfBoxesAndMarkStyle) {
  const NumeralSystem system = GetParam();
  Window w(system);
  MainWindowModel& m = *w.model;
  const auto groups = BoxGroupsOf(m);
  const bool slavonic = system == NumeralSystem::kKiril || system == NumeralSystem::kGlagol;
  std::mt19937_64 rng(static_cast<unsigned>(system));
  std::vector<int> choice(groups.size(), 0);
  int tried = 0;
  int index = 0;
  do {
    // Sanitized builds try every 29th choice.
    if (kSanitized && index++ % 29 != 0) continue;
    Choose(m, groups, choice);
    for (int marks = 1; marks <= (slavonic ? 9 : 1); ++marks) {
      // The Zarno button steps the mark style while a numeral is shown.
      m.SetText(Ctl::Sovr, u"1");
      while (m.MarkWidth() != marks) m.ZarnoClick();
      FastConvert fast(m, ConvertOutput::kNumeral, false);
      std::string where = "marks " + std::to_string(marks) + ", boxes";
      for (std::size_t g = 0; g < groups.size(); ++g) {
        where += " " + std::string(Name(groups[g][choice[g] % groups[g].size()]));
        if (groups[g].size() == 1) where += choice[g] ? "+" : "-";
      }
      ExpectSame(m, fast, ConvertOutput::kNumeral, ProbesOf(system, rng), where);
      ++tried;
    }
  } while (NextChoice(groups, choice) && !HasFailure());
  RecordProperty("choices", tried);
  std::printf("%d choices\n", tried);
  EXPECT_GT(tried, 0);
}

TEST_P(FastConvertMatchesWindow, InTheStandardForm) {
  Window w(GetParam());
  FastConvert fast(*w.model, ConvertOutput::kNumeral, /*standard=*/true);
  Window reference(GetParam());
  // The window model shows our font's signs; the standard form is made from them.
  std::vector<std::string> lines = RangeOf(GetParam(), 97);
  lines.insert(lines.end(), kOddLines.begin(), kOddLines.end());
  for (const std::string& line : lines) {
    const std::u16string shown =
        FromUtf8(Expected(*reference.model, line, ConvertOutput::kNumeral).first);
    ASSERT_EQ(FastShows(fast, line), ToUtf8(StandardForm(GetParam(), shown))) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(EverySystem, FastConvertMatchesWindow,
                         ::testing::Values(NumeralSystem::kKiril, NumeralSystem::kGlagol,
                                           NumeralSystem::kRim, NumeralSystem::kKitay,
                                           NumeralSystem::kArmen, NumeralSystem::kGruz,
                                           NumeralSystem::kGrekIonich, NumeralSystem::kGrekAttich,
                                           NumeralSystem::kMaya, NumeralSystem::kIudeyskie),
                         [](const auto& param_info) {
                           return std::string(Name(RadioOf(param_info.param)));
                         });

TEST(FastConvertDigits, EveryDigitSetWritesWhatTheWindowShows) {
  std::vector<std::string> lines = kOddLines;
  for (std::int64_t n = 0; n < (kSanitized ? 2'000 : 20'000); ++n) lines.push_back(Digits(n));
  lines.push_back("0012345678901234567890");
  for (const DigitSet& set : DigitSets()) {
    Window w(NumeralSystem::kKiril);
    w.model->SetText(Ctl::Dr10Znak_Name, set.name);
    FastConvert fast(*w.model, ConvertOutput::kDigits, false);
    ExpectSame(*w.model, fast, ConvertOutput::kDigits, lines, ToUtf8(set.name));
  }
}

// The first line where two texts differ, with its number; empty when they are the same.
std::string FirstDifference(const std::string& got, const std::string& expected) {
  std::istringstream a(got), b(expected);
  std::string x, y;
  for (int line = 1;; ++line) {
    const bool more_a = static_cast<bool>(std::getline(a, x));
    const bool more_b = static_cast<bool>(std::getline(b, y));
    if (!more_a && !more_b) return "";
    if (more_a != more_b || x != y) {
      return "line " + std::to_string(line) + ": got \"" + (more_a ? x : "(end)") +
             "\", expected \"" + (more_b ? y : "(end)") + "\"";
    }
  }
}

// The stream path: blocks, two threads, carriage returns and a last line without its end; the
// notes name the lines that gave no numeral, in order, by their number in the input.
TEST(FastConvertStream, KeepsTheOrderOfTheLinesAndTheirNumbersAcrossBlocksAndThreads) {
  for (const auto& [read_block, share_block] :
       std::vector<std::pair<std::size_t, std::size_t>>{{8 << 20, 256 << 10}, {1 << 16, 1 << 14}}) {
    Window w(NumeralSystem::kKiril);
    FastConvert fast(*w.model, ConvertOutput::kNumeral, false);
    fast.SetBlockSizes(read_block, share_block);
    Window reference(NumeralSystem::kKiril);
    std::mt19937_64 rng(3);
    std::uniform_int_distribution<std::int64_t> any(0, 1'200'000);
    std::string input;
    std::string expected;
    std::string expected_notes;
    for (int i = 0; i < 200'000; ++i) {
      std::string line = i % 1000 == 7 ? kOddLines[i % kOddLines.size()] : Digits(any(rng));
      const auto [text, verdict] = Expected(*reference.model, line, ConvertOutput::kNumeral);
      expected += text + "\n";
      if (verdict != LineVerdict::kShown) {
        expected_notes += "zarno-cli convert: line " + std::to_string(i + 1) + ": " +
                          (verdict == LineVerdict::kNotWhole ? "not a whole number" : "") + "\n";
      }
      // A line that ends in a carriage return has it as its line end.
      input += line + (i % 3 == 0 && !line.ends_with('\r') ? "\r\n" : "\n");
    }
    input += "42";  // no line end
    expected += WindowShows(*reference.model, "42", ConvertOutput::kNumeral) + "\n";
    std::istringstream in(input);
    std::ostringstream out, err;
    fast.Stream(in, out, err);
    EXPECT_EQ(FirstDifference(out.str(), expected), "") << "blocks of " << read_block;
    // The reasons for numbers are tried elsewhere; here only where they stand.
    const std::string notes = std::regex_replace(
        err.str(), std::regex("(line [0-9]+): [^\n]*(is outside|the window writes no)[^\n]*"),
        "$1: ");
    EXPECT_EQ(FirstDifference(notes, expected_notes), "") << "blocks of " << read_block;
  }
}

// The stream takes the plain numbers of a numeral system straight to the system's writer; it
// must write every line, and note every line, as Line and Reason do.
class FastConvertStreamOfEverySystem : public ::testing::TestWithParam<NumeralSystem> {};

TEST_P(FastConvertStreamOfEverySystem, WritesAndNotesEveryLineAsLineDoes) {
  Window w(GetParam());
  const std::int64_t limit = LimitOf(GetParam());
  std::mt19937_64 rng(static_cast<unsigned>(GetParam()));
  std::uniform_int_distribution<std::int64_t> any(0, limit + limit / 10);
  std::vector<std::string> lines;
  for (int i = 0; i < 30'000; ++i) {
    std::string line = Digits(any(rng));
    if (i % 7 == 0) line = "00" + line;
    if (i % 11 == 0) line += "\r";
    if (i % 97 == 0) line = kOddLines[static_cast<std::size_t>(i / 97) % kOddLines.size()];
    lines.push_back(line);
  }
  lines.push_back("0000000000000000001");  // nineteen digits: no plain number
  for (const bool standard : {false, true}) {
    FastConvert fast(*w.model, ConvertOutput::kNumeral, standard);
    fast.SetBlockSizes(1 << 16, 1 << 14);
    std::string input, expected, expected_notes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      input += lines[i] + "\n";
      const LineVerdict verdict = fast.Line(lines[i], expected);
      expected += "\n";
      if (verdict != LineVerdict::kShown) {
        expected_notes += "zarno-cli convert: line " + std::to_string(i + 1) + ": " +
                          fast.Reason(verdict, lines[i]) + "\n";
      }
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    fast.Stream(in, out, err);
    EXPECT_EQ(FirstDifference(out.str(), expected), "") << (standard ? "standard" : "ours");
    EXPECT_EQ(FirstDifference(err.str(), expected_notes), "") << (standard ? "standard" : "ours");
  }
}

INSTANTIATE_TEST_SUITE_P(EverySystem, FastConvertStreamOfEverySystem,
                         ::testing::Values(NumeralSystem::kKiril, NumeralSystem::kGlagol,
                                           NumeralSystem::kRim, NumeralSystem::kKitay,
                                           NumeralSystem::kArmen, NumeralSystem::kGruz,
                                           NumeralSystem::kGrekIonich, NumeralSystem::kGrekAttich,
                                           NumeralSystem::kMaya, NumeralSystem::kIudeyskie),
                         [](const auto& param_info) {
                           return std::string(Name(RadioOf(param_info.param)));
                         });

TEST(FastConvertStream, EmptyInputWritesNothingAndALastLineEndAddsNoLine) {
  Window w(NumeralSystem::kRim);
  FastConvert fast(*w.model, ConvertOutput::kNumeral, false);
  struct Case {
    std::string input, out, err;
    std::size_t bad;
  };
  const std::string empty_line_2 = "zarno-cli convert: line 2: not a whole number\n";
  for (const Case& c :
       std::vector<Case>{{"", "", "", 0},
                         {"\n", "\n", "zarno-cli convert: line 1: not a whole number\n", 1},
                         {"4\n", "ⅠⅤ\n", "", 0},
                         {"4", "ⅠⅤ\n", "", 0},
                         {"4\n\n9", "ⅠⅤ\n\nⅠⅩ\n", empty_line_2, 1},
                         {"4\r\n\r\n9\r\n", "ⅠⅤ\n\nⅠⅩ\n", empty_line_2, 1}}) {
    std::istringstream in(c.input);
    std::ostringstream out, err;
    EXPECT_EQ(fast.Stream(in, out, err), c.bad) << c.input;
    EXPECT_EQ(out.str(), c.out) << c.input;
    EXPECT_EQ(err.str(), c.err) << c.input;
  }
}

}  // namespace
}  // namespace zarno::cli
