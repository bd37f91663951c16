// SPDX-License-Identifier: GPL-3.0-or-later
// Every example the help pages give is checked twice: against the window model (the page
// must not promise a result the program does not give) and against the text of its page
// (the list of examples must not drift away from what the pages say).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/controls.h"
#include "base/number.h"
#include "core/host.h"
#include "core/main_window_model.h"
#include "support/u16_print.h"

namespace zarno {
namespace {

using testing::CodePoints;

constexpr std::string_view kPagesDir = ZARNO_HELP_PAGES_DIR;

struct Example {
  int line = 0;  // line of examples.tsv, for messages and test names
  std::string page;
  std::string system;
  std::string kind;
  std::u16string input;
  std::u16string expected;
  std::string note;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = s.find(sep, from);
    parts.push_back(s.substr(from, at == s.npos ? s.npos : at - from));
    if (at == s.npos) return parts;
    from = at + 1;
  }
}

// Parameters print as the line they come from.
void PrintTo(const Example& e, std::ostream* os) {
  *os << "examples.tsv line " << e.line << " (" << e.page << ", " << e.kind << ")";
}

// The table as written; a malformed line is kept with an empty kind so that it fails
// visibly instead of vanishing.
std::vector<Example> LoadExamples() {
  std::vector<Example> examples;
  std::istringstream in(ReadFile(std::string(kPagesDir) + "/examples.tsv"));
  std::string raw;
  int line = 0;
  while (std::getline(in, raw)) {
    ++line;
    if (line == 1 || raw.empty()) continue;
    const auto f = Split(raw, '\t');
    Example e;
    e.line = line;
    if (f.size() == 6) {
      e = {line, f[0], f[1], f[2], FromUtf8(f[3]), FromUtf8(f[4]), f[5]};
    } else {
      e.note = raw;
    }
    examples.push_back(std::move(e));
  }
  return examples;
}

// The text of a page without its caption line, as it reads: the no-break spaces that keep
// "а — 1" on one line count as spaces, and the left-to-right marks that keep Hebrew letters
// from swapping places with their values are dropped.
std::u16string PageText(const std::string& id) {
  const std::string file = ReadFile(std::string(kPagesDir) + "/" + id + ".txt");
  const std::size_t eol = file.find('\n');
  std::u16string text = FromUtf8(eol == file.npos ? std::string() : file.substr(eol + 1));
  std::replace(text.begin(), text.end(), u'\u00A0', u' ');
  std::erase(text, u'\u200E');
  return text;
}

std::string Printable(std::u16string_view s) { return ToUtf8(s) + " " + CodePoints(s); }

class QuietHost : public Host {
 public:
  void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
  void ReportError(std::u16string_view text) override { errors.emplace_back(text); }
  std::vector<std::u16string> InstalledFontFamilies() override { return {}; }
  std::vector<std::u16string> messages;
  std::vector<std::u16string> errors;
};

constexpr std::u16string_view kTamilSet = u"Тамильские соврем.";

// The system column: the radio button, or none for the Tamil digits (a digit set).
const std::map<std::string, Ctl, std::less<>> kRadios = {
    {"cyrillic", Ctl::KirilRadio},    {"glagolitic", Ctl::GlagolRadio},
    {"roman", Ctl::RimRadio},         {"chinese", Ctl::Kitay},
    {"armenian", Ctl::Armen},         {"greek-ionic", Ctl::GrekIonich},
    {"greek-attic", Ctl::GrekAttich}, {"maya", Ctl::Maya},
    {"hebrew", Ctl::Iudeyskie},
};

// The non-default settings that lines with a note "if ..." need, switched on the way a user
// does it. A note missing here fails the test, so that no such line is skipped by accident.
using Setup = std::function<bool(MainWindowModel&)>;
const std::map<std::string, Setup, std::less<>> kSettings = {
    {"if the simplified sign for ten thousand is chosen",
     [](MainWindowModel& m) { return m.Click(Ctl::Check_Rim_10000_2); }},
    {"if the single sign for 20 is chosen",
     [](MainWindowModel& m) { return m.Click(Ctl::Check_Kiril1_20); }},
    {"if the single sign for 30 is chosen",
     [](MainWindowModel& m) { return m.Click(Ctl::Check_Kiril1_30); }},
    {"if the formal traditional sign for 6 is chosen",
     [](MainWindowModel& m) { return m.Click(Ctl::Check_Kiril1_6_s2); }},
    {"if the formal simplified sign for 6 is chosen",
     [](MainWindowModel& m) { return m.Click(Ctl::Check_Kiril1_6_3); }},
    {"if the digit font is Arial Unicode MS (Latin o for zero)",
     [](MainWindowModel& m) {
       return m.Click(Ctl::Nastroyki) && m.SetText(Ctl::FontArab1, u"Arial Unicode MS");
     }},
    {"if the option \"использовать\" (final forms) is on",
     [](MainWindowModel& m) { return m.Click(Ctl::Ispolzovat); }},
    {"if the option \"(гершаим)\" is on",
     [](MainWindowModel& m) { return m.Click(Ctl::Gershaim); }},
    {"if the option \"обычай\" is on", [](MainWindowModel& m) { return m.Click(Ctl::Obychay); }},
    {"if the options \"обычай\" and \"(гершаим)\" are on",
     [](MainWindowModel& m) { return m.Click(Ctl::Obychay) && m.Click(Ctl::Gershaim); }},
};

// Where a page writes an example otherwise than the program shows it: the Roman page spells
// its worked examples in Latin letters.
struct PageSpelling {
  std::string_view page;
  std::u16string_view program;
  std::u16string_view page_text;
};
constexpr PageSpelling kSpellings[] = {
    {"roman", u"ⅭⅩⅠⅭ", u"CXIC"},
    {"roman", u"ⅭⅬⅩⅩⅩⅠⅩ", u"189=CLXXXIX"},
    {"roman", u"ⅭⅬⅩⅩⅩⅤⅠⅠⅠⅠ", u"CLXXXVIIII"},
};

std::u16string AsPageWritesIt(const Example& e, std::u16string_view text) {
  for (const PageSpelling& s : kSpellings) {
    if (s.page == e.page && s.program == text) return std::u16string(s.page_text);
  }
  return std::u16string(text);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// A Maya column as the page writes it: each digit's value in brackets, top to bottom.
std::u16string MayaInBrackets(std::u16string_view column) {
  std::u16string out;
  for (char16_t c : column) {
    if (c < u'\uE140' || c > u'\uE153') return u"<not a Maya digit: " + std::u16string(1, c) + u">";
    out += u"(" + ToDecimal(c - u'\uE140') + u")";
  }
  return out;
}

// The bracket form that a Maya line's note gives ("(1)(0)(18)"), if any.
std::u16string NoteBrackets(const std::string& note) {
  const std::size_t open = note.find('(');
  if (open == note.npos) return {};
  std::size_t end = open;
  while (end < note.size() &&
         (note[end] == '(' || note[end] == ')' || (note[end] >= '0' && note[end] <= '9'))) {
    ++end;
  }
  return FromUtf8(note.substr(open, end - open));
}

// Splits "N|TEXT" (or "N").
std::pair<std::u16string, std::u16string> NumberAndText(std::u16string_view expected) {
  const std::size_t bar = expected.find(u'|');
  if (bar == expected.npos) return {std::u16string(expected), {}};
  return {std::u16string(expected.substr(0, bar)), std::u16string(expected.substr(bar + 1))};
}

bool Slavonic(const Example& e) { return e.system == "cyrillic" || e.system == "glagolitic"; }

// What the program shows for the numeral: the letters without marks for the Slavonic
// systems (the pages print them so), the whole output for the others.
std::u16string Shown(const Example& e, const MainWindowModel& m) {
  if (e.system == "tamil") return m.Text(Ctl::Arab1);
  return Slavonic(e) ? m.PlainKiril() : m.Kiril();
}

class ExampleTest : public ::testing::TestWithParam<Example> {
 protected:
  // A freshly started window with the example's system and setting.
  void Start(const Example& e) {
    model_.StartWithoutSettings();
    if (e.system != "tamil") {
      const auto radio = kRadios.find(e.system);
      ASSERT_NE(radio, kRadios.end()) << "unknown system " << e.system;
      ASSERT_TRUE(model_.Click(radio->second));
    }
    if (StartsWith(e.note, "if ")) {
      const auto setup = kSettings.find(e.note);
      ASSERT_NE(setup, kSettings.end()) << "no setting known for the note \"" << e.note << "\"";
      ASSERT_TRUE(setup->second(model_)) << "the setting cannot be made: " << e.note;
    }
    if (e.system == "tamil") {
      ASSERT_TRUE(model_.SetText(Ctl::Dr10Znak_Name, kTamilSet));
    }
  }

  // Presses the keys named in a space-separated list.
  void Press(std::string_view keys) {
    for (const std::string& name : Split(std::string(keys), ' ')) {
      if (name.empty()) continue;
      const auto key = FindControl(name);
      ASSERT_TRUE(key.has_value()) << "no control named " << name;
      ASSERT_TRUE(model_.Click(*key)) << name << " is hidden or disabled";
    }
  }

  // Presses, for each sign of a numeral, the shown key whose caption is that sign.
  void PressSigns(std::u16string_view signs) {
    for (char16_t sign : signs) {
      bool pressed = false;
      for (int i = 0; i < kControlCount && !pressed; ++i) {
        const Ctl c = static_cast<Ctl>(i);
        if (KindOf(c) == ControlKind::kKey && model_.Reachable(c) &&
            model_.Text(c) == std::u16string(1, sign)) {
          pressed = model_.Click(c);
        }
      }
      ASSERT_TRUE(pressed) << "no key shows " << Printable(std::u16string(1, sign));
    }
  }

  QuietHost host_;
  MainWindowModel model_{host_};
};

TEST_P(ExampleTest, HoldsInTheProgram) {
  const Example& e = GetParam();
  SCOPED_TRACE("examples.tsv line " + std::to_string(e.line) + ": " + ToUtf8(e.input) + " -> " +
               ToUtf8(e.expected) + " (" + e.note + ")");
  ASSERT_NO_FATAL_FAILURE(Start(e));

  if (e.kind == "number") {
    ASSERT_TRUE(model_.SetText(Ctl::Sovr, e.input));
    EXPECT_EQ(Shown(e, model_), e.expected) << Printable(Shown(e, model_));
  } else if (e.kind == "keys") {
    ASSERT_NO_FATAL_FAILURE(Press(ToUtf8(e.input)));
    const auto [number, text] = NumberAndText(e.expected);
    EXPECT_EQ(model_.Sovr(), number);
    if (!text.empty()) {
      EXPECT_EQ(Shown(e, model_), text) << Printable(Shown(e, model_));
    }
    if (e.system == "maya") {
      const std::u16string column = NoteBrackets(e.note);
      ASSERT_FALSE(column.empty()) << "a Maya line names its column in the note";
      EXPECT_EQ(MayaInBrackets(model_.Kiril()), column);
    }
  } else if (e.kind == "read") {
    // The signs typed on the keypad are read back into the modern number.
    ASSERT_NO_FATAL_FAILURE(PressSigns(e.input));
    EXPECT_EQ(model_.Sovr(), e.expected);
    EXPECT_TRUE(host_.messages.empty());
  } else if (e.kind == "fix") {
    const std::string input = ToUtf8(e.input);
    const std::size_t bar = input.find(" | ");
    ASSERT_NE(bar, input.npos) << "a fix line is \"keys | selected text\"";
    ASSERT_NO_FATAL_FAILURE(Press(input.substr(0, bar)));
    const std::u16string selected = FromUtf8(input.substr(bar + 3));
    const std::size_t at = model_.Kiril().find(selected);
    ASSERT_NE(at, std::u16string::npos)
        << Printable(selected) << " is not in the output " << Printable(model_.Kiril());
    model_.SelectKiril(static_cast<int>(at), static_cast<int>(selected.size()));
    ASSERT_TRUE(model_.Click(Ctl::Tysyasha));
    const auto [number, text] = NumberAndText(e.expected);
    EXPECT_EQ(model_.Sovr(), number);
    EXPECT_EQ(Shown(e, model_), text) << Printable(Shown(e, model_));
  } else {
    FAIL() << "malformed line or unknown input kind \"" << e.kind << "\": " << e.note;
  }
  EXPECT_TRUE(host_.errors.empty());
}

TEST_P(ExampleTest, IsWrittenInItsPage) {
  const Example& e = GetParam();
  SCOPED_TRACE("examples.tsv line " + std::to_string(e.line));
  const std::u16string page = PageText(e.page);
  ASSERT_FALSE(page.empty()) << "no page " << e.page;

  std::vector<std::u16string> wanted;
  if (e.kind == "number" && (StartsWith(e.note, "letter value") ||
                             StartsWith(e.note, "count sign") || StartsWith(e.note, "digit"))) {
    // The tables of signs are written "sign — value"; Greek letters without the final mark.
    std::u16string sign = e.expected;
    if (e.system == "greek-ionic" && !sign.empty() && sign.back() == u'\'') sign.pop_back();
    wanted.push_back(sign + u" — " + e.input);
  } else if (e.kind == "read") {
    wanted.push_back(AsPageWritesIt(e, e.input));
    wanted.push_back(e.expected);
  } else if (e.system == "maya") {
    wanted.push_back(NoteBrackets(e.note));
  } else {
    const auto [number, text] = NumberAndText(e.expected);
    wanted.push_back(AsPageWritesIt(e, e.kind == "number" ? e.expected : text));
  }
  for (const std::u16string& w : wanted) {
    ASSERT_FALSE(w.empty());
    EXPECT_NE(page.find(w), std::u16string::npos)
        << "the page " << e.page << " does not write " << Printable(w);
  }
}

std::string ExampleName(const ::testing::TestParamInfo<Example>& info) {
  std::string name =
      info.param.page + "_" + info.param.kind + "_line" + std::to_string(info.param.line);
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Pages, ExampleTest, ::testing::ValuesIn(LoadExamples()), ExampleName);

// The table itself: read whole, every page with examples named, every system page covered.
TEST(ExampleTable, CoversEveryNumeralPage) {
  const std::vector<Example> examples = LoadExamples();
  ASSERT_GT(examples.size(), 200u) << "examples.tsv was not found or not read";
  std::map<std::string, int> per_page;
  for (const Example& e : examples) ++per_page[e.page];
  for (const char* page : {"cyrillic", "glagolitic", "roman", "chinese", "armenian", "tamil",
                           "greek_ionic", "greek_attic", "maya", "hebrew"}) {
    EXPECT_GT(per_page[page], 0) << "no example of the page " << page;
  }
  for (const auto& [page, count] : per_page) {
    EXPECT_FALSE(PageText(page).empty()) << "examples name a page that does not exist: " << page;
  }
}

// Every line that needs a setting names one the test knows; and the settings really change
// the output (a setting that changes nothing would let a wrong line pass by luck).
TEST(ExampleTable, SettingsChangeTheOutput) {
  for (const Example& e : LoadExamples()) {
    if (!StartsWith(e.note, "if ") || e.kind != "number") continue;
    QuietHost host;
    MainWindowModel plain(host);
    plain.StartWithoutSettings();
    if (e.system == "tamil") {
      plain.SetText(Ctl::Dr10Znak_Name, kTamilSet);
    } else {
      plain.Click(kRadios.at(e.system));
    }
    plain.SetText(Ctl::Sovr, e.input);
    EXPECT_NE(Shown(e, plain), e.expected) << "line " << e.line << " holds without its setting";
  }
}

// The pages name buttons and check boxes by their captions, in «quotes»: each such name is
// the caption the program gives that control (in the system the page is about).
struct NamedControl {
  std::string_view page;
  std::optional<Ctl> radio;
  Ctl control;
  std::u16string_view caption;
};
const NamedControl kNamedControls[] = {
    {"cyrillic", Ctl::KirilRadio, Ctl::Nizhe2, u"ниже строки"},
    {"greek_ionic", Ctl::GrekIonich, Ctl::x10000, u"M"},
    {"greek_ionic", Ctl::GrekIonich, Ctl::Tysyasha, u","},
    {"hebrew", Ctl::Iudeyskie, Ctl::Ispolzovat, u"использовать"},
    {"hebrew", Ctl::Iudeyskie, Ctl::Gershaim, u"\" (гершаим)"},
    {"hebrew", Ctl::Iudeyskie, Ctl::Obychay, u"обычай"},
    {"fonts", std::nullopt, Ctl::Button5, u"Подобрать шрифты"},
    {"fonts", std::nullopt, Ctl::Nastroyki, u"Настр. >>"},
};

TEST(PageCaptions, NameTheControlsAsTheProgramDoes) {
  for (const NamedControl& n : kNamedControls) {
    SCOPED_TRACE(std::string(n.page) + ": " + std::string(Name(n.control)));
    QuietHost host;
    MainWindowModel model(host);
    model.StartWithoutSettings();
    if (n.radio) {
      ASSERT_TRUE(model.Click(*n.radio));
    }
    EXPECT_TRUE(model.State(n.control).shown);
    EXPECT_EQ(model.Text(n.control), n.caption) << Printable(model.Text(n.control));
    const std::u16string quoted = u"«" + std::u16string(n.caption) + u"»";
    EXPECT_NE(PageText(std::string(n.page)).find(quoted), std::u16string::npos)
        << "the page does not write " << Printable(quoted);
  }
}

}  // namespace
}  // namespace zarno
