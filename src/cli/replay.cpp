// SPDX-License-Identifier: GPL-3.0-or-later
// replay: a scripted session against a freshly created window, one command a line.
#include <charconv>
#include <istream>
#include <ostream>
#include <string>
#include <utility>

#include "base/number.h"
#include "cli/cli.h"
#include "cli/dump.h"
#include "cli/json.h"
#include "cli/message_text.h"
#include "cli/system_fonts.h"
#include "core/main_window_model.h"
#include "core/numeral_systems.h"

namespace zarno::cli {
namespace {

// Messages and errors are answered at once and kept for the next print.
class ReplayHost : public Host {
 public:
  explicit ReplayHost(const ReplayWorld& world) : world_(world) {}
  void ShowMessage(std::u16string_view text) override { message_ = text; }
  void ReportError(std::u16string_view text) override { error_ = text; }
  std::vector<std::u16string> InstalledFontFamilies() override {
    return world_.font_families ? world_.font_families() : SystemFontFamilies();
  }
  // Our font for this process only: a script never changes the user's fonts.
  bool InstallShippedFont() override {
    return world_.install_shipped_font ? world_.install_shipped_font()
                                       : RegisterShippedFontForProcess().has_value();
  }
  SettingsStore* SettingsElsewhere() override { return world_.settings; }

  std::optional<std::u16string> TakeMessage() { return std::exchange(message_, std::nullopt); }
  std::optional<std::u16string> TakeError() { return std::exchange(error_, std::nullopt); }

 private:
  const ReplayWorld& world_;
  std::optional<std::u16string> message_;
  std::optional<std::u16string> error_;
};

std::string JsonOrNull(const std::optional<std::u16string>& s) {
  return s ? JsonString(*s) : "null";
}

void Print(MainWindowModel& m, ReplayHost& host, std::ostream& out) {
  out << "{\"Sovr\": " << JsonString(m.Sovr()) << ", \"Kiril\": " << JsonString(m.Kiril())
      << ", \"PlainKiril\": " << JsonString(m.PlainKiril())
      << ", \"Arab1\": " << JsonString(m.Text(Ctl::Arab1))
      << ", \"Zarno\": " << JsonString(m.Text(Ctl::Zarno)) << ", \"MarkWidth\": " << m.MarkWidth()
      << ", \"system\": \"" << Name(RadioOf(m.System())) << "\""
      << ", \"Dr10Znak_Name\": " << JsonString(m.Text(Ctl::Dr10Znak_Name))
      << ", \"message\": " << JsonOrNull(host.TakeMessage())
      << ", \"error\": " << JsonOrNull(host.TakeError()) << "}\n";
}

// Splits off the first word; `rest` is what follows the single space after it.
std::string_view FirstWord(std::string_view line, std::string_view* rest) {
  const auto space = line.find(' ');
  if (space == line.npos) {
    *rest = {};
    return line;
  }
  *rest = line.substr(space + 1);
  return line.substr(0, space);
}

std::optional<int> ParseInt(std::string_view s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

}  // namespace

int Replay(std::istream& script, std::ostream& out, std::ostream& err) {
  return Replay(script, out, err, ReplayWorld{});
}

int Replay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayWorld& world) {
  ReplayHost host(world);
  MainWindowModel model(host);
  model.FormCreate();
  std::string raw;
  int line_no = 0;
  auto fail = [&](std::string_view what) {
    err << "zarno-cli replay: line " << line_no << ": " << what << "\n";
    return kUsage;
  };
  while (std::getline(script, raw)) {
    ++line_no;
    std::string_view line = raw;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // Blanks before a command are no part of it, as they are none of a comment.
    const auto first = line.find_first_not_of(" \t");
    if (first == line.npos || line[first] == '#') continue;
    line.remove_prefix(first);
    std::string_view rest;
    const std::string_view command = FirstWord(line, &rest);
    if (command == "print") {
      Print(model, host, out);
    } else if (command == "dump") {
      Dump(model, out);
    } else if (command == "type") {
      for (char16_t c : FromUtf8(rest)) model.TypeIntoSovr(c);
    } else if (command == "set") {
      std::string_view text;
      const std::string_view name = FirstWord(rest, &text);
      const auto control = FindControl(name);
      if (!control || !(control == Ctl::Sovr || control == Ctl::Dr10Znak_Name ||
                        KindOf(*control) == ControlKind::kFontBox)) {
        return fail("no edit or combo box named \"" + Printable(name) + "\"");
      }
      if (!model.SetText(*control, FromUtf8(text))) {
        err << "line " << line_no << ": " << name << " is hidden; nothing happens\n";
      }
    } else if (command == "click") {
      const auto control = FindControl(rest);
      if (!control) return fail("no control named \"" + Printable(rest) + "\"");
      if (!model.Click(*control)) {
        err << "line " << line_no << ": " << rest << " is hidden or disabled; nothing happens\n";
      }
    } else if (command == "choose") {
      const auto row = ParseInt(rest);
      if (!row || *row < 1 || *row > 29) return fail("choose takes a row from 1 to 29");
      if (!model.ChooseDigitSetRow(*row)) {
        err << "line " << line_no << ": the digit-set chooser is not shown; nothing happens\n";
      }
    } else if (command == "select") {
      std::string_view numbers;
      const std::string_view name = FirstWord(rest, &numbers);
      std::string_view length_text;
      const std::string_view start_text = FirstWord(numbers, &length_text);
      const auto start = ParseInt(start_text);
      const auto length = ParseInt(length_text);
      if (name != "Kiril" || !start || !length || *start < 0 || *length < 0) {
        return fail("select takes Kiril START LENGTH");
      }
      model.SelectKiril(*start, *length);
    } else if (command == "spin") {
      const auto value = ParseInt(rest);
      if (!value) return fail("spin takes a whole number");
      model.SetSpinValue(*value);
    } else {
      return fail("unknown command \"" + Printable(command) + "\"");
    }
  }
  if (InputFailed(script, "replay", err)) return kIoError;
  return kOk;
}

}  // namespace zarno::cli
