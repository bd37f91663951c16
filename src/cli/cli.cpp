// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <vector>

#include "cli/fd_output.h"
#include "cli/message_text.h"
#include "cli/options.h"
#include "core/numeral_systems.h"
#include "digits/digit_sets.h"
#include "program_info.h"
#include "settings/shipped_font.h"

namespace zarno::cli {
namespace {

// Appends `words`, separated by ", ", wrapped at 92 columns with lines that start at `indent`.
void AppendWrapped(std::string& text, const std::vector<std::string_view>& words,
                   std::size_t indent) {
  std::size_t column = indent;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    const std::size_t width = word.size() + (i + 1 < words.size() ? 1 : 0);
    if (i > 0 && column + 1 + width > 92) {
      text += "\n" + std::string(indent, ' ');
      column = indent;
    } else if (i > 0) {
      text += ' ';
      ++column;
    }
    text += word;
    if (i + 1 < words.size()) text += ',';
    column += width;
  }
  text += '\n';
}

std::vector<std::string_view> BlankSeparated(std::string_view names) {
  std::vector<std::string_view> words;
  while (!names.empty()) {
    const auto blank = names.find(' ');
    words.push_back(names.substr(0, blank));
    names = blank == names.npos ? std::string_view() : names.substr(blank + 1);
  }
  return words;
}

std::string MakeUsage() {
  constexpr std::size_t kIndent = 17;
  std::string text =
      R"(Usage:
  zarno-cli replay [--] [FILE]
      Runs a scripted session (standard input when FILE is absent or "-") against a
      freshly started window: type TEXT, set NAME TEXT, click NAME, choose N,
      select Kiril START LENGTH, spin N, print (nine members of the window's
      state), dump (every control of the window). Blanks before a command are
      ignored; a line whose first other character is # is a comment.
  zarno-cli convert [--system NAME] [--check BOX]... [--uncheck BOX]...
                    [--digits SET] [--standard] [--json] [--] [NUMBER...]
      Prints each NUMBER (or each line of standard input) as the window shows it, one line
      each. A number is a whole decimal number, blanks around it allowed. Any other text,
      a number outside the system's range, and one whose leading zeros the window writes
      as nothing, gives an empty line (so that the lines stay in step) and a note on
      standard error with its line (or argument) number and the reason: "not a whole
      number", "0 is outside 1–9 999 for hebrew"; the exit status is then 1.
      --system   a radio button's name or one of:
                 )";
  std::vector<std::string_view> words;
  for (const NumeralSystemRow& row : NumeralSystems()) words.push_back(row.cli_name);
  AppendWrapped(text, words, kIndent);
  text += std::string(kIndent, ' ') + "or the CSS counter style of the same numerals:\n" +
          std::string(kIndent, ' ');
  words.clear();
  for (const CssSystemName& css : CssSystemNames()) words.push_back(css.name);
  AppendWrapped(text, words, kIndent);
  text += R"(      --check, --uncheck  tick or untick a check box by its name (Check_Kiril1_5_e2,
                 IspTochka, Gershaim, Kiril_Old_Tys_Radio2 ...)
      --digits   print the number with a digit set instead: its Russian name or one of
                 )";
  words.clear();
  for (const DigitSet& set : DigitSets()) words.push_back(set.alias);
  AppendWrapped(text, words, kIndent);
  text += std::string(kIndent, ' ') + "or the CSS counter style of the same digits:\n" +
          std::string(kIndent, ' ');
  words.clear();
  for (const DigitSet& set : DigitSets()) {
    for (std::string_view name : BlankSeparated(set.css_names)) words.push_back(name);
  }
  AppendWrapped(text, words, kIndent);
  text +=
      R"(      --standard write the numeral in standard Unicode instead of our font's private-use
                 signs (the table in the README)
      --json     write one JSON object a line instead: "input", "number" (null when the
                 text is no whole number), "system", "digits" (the set's name or null),
                 "text" (as the window shows it), "standard" (its standard form),
                 "code_points" (of the text, "U+0482" ...) and "error" (the note or null)
  zarno-cli read --system NAME [--json] [--] [TEXT...]
      Prints the number each TEXT (or each line of standard input) stands for. A text
      that is no numeral of the system gives an empty line and a note; the exit status is
      then 1. With --json, the objects of convert --json: the number as the window
      writes it in "text" and "standard".
  zarno-cli --help | --version
      Prints this text, or the version and the path of the font file the program found (a
      file of its name that is not the font is passed over, with the reason).
Options take their value as --name VALUE or --name=VALUE; "--" ends the options, so
that the words after it are numbers, texts or a file even when they begin with "-".
Exit status: 0 on success, 1 when a line or text could not be converted or read, 2 on a
usage error, 3 when the input cannot be read or the output cannot be written (a full disk,
a closed file). Messages quote the user's text with each byte of a control character or of
invalid UTF-8 written as \xNN and a backslash as \\.
)";
  return text;
}

int RunCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
               std::ostream& err) {
  if (args.empty()) {
    err << Usage();
    return kUsage;
  }
  const std::string& command = args[0];
  const auto rest = args.subspan(1);
  if (command == "--help" || command == "-h" || command == "help") {
    out << Usage();
    return kOk;
  }
  if (command == "--version") {
    out << VersionText();
    return kOk;
  }
  if (command == "replay") {
    ReplayOptions options;
    if (const auto status = StatusBeforeRun(ParseReplayOptions(rest, err, &options), out)) {
      return *status;
    }
    if (!options.file || *options.file == "-") return Replay(in, out, err);
    const std::string& path = *options.file;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
      err << "zarno-cli replay: " << Printable(path) << " is a folder, not a script\n";
      return kUsage;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
      err << "zarno-cli replay: cannot open " << Printable(path) << "\n";
      return kUsage;
    }
    return Replay(file, out, err);
  }
  if (command == "convert") return Convert(rest, in, out, err);
  if (command == "read") return Read(rest, in, out, err);
  err << "zarno-cli: unknown command \"" << Printable(command) << "\"\n" << Usage();
  return kUsage;
}

// Why the output could not be written, as far as its stream buffer knows.
std::string WriteFailure(const std::ostream& out) {
  if (const auto* fd = dynamic_cast<const FdOutput*>(out.rdbuf()); fd && fd->error() != 0) {
    return std::strerror(fd->error());
  }
  return "write error";
}

}  // namespace

std::optional<int> StatusBeforeRun(ParseResult result, std::ostream& out) {
  switch (result) {
    case ParseResult::kHelp:
      out << Usage();
      return kOk;
    case ParseResult::kError:
      return kUsage;
    case ParseResult::kRun:
      break;
  }
  return std::nullopt;
}

const std::string& Usage() {
  static const std::string text = MakeUsage();
  return text;
}

std::string VersionText() {
  const ShippedFontSearch font = SearchShippedFont(ShippedFontPlacesOfThisProcess());
  std::string text = "zarno-cli " + std::string(kProgramVersion) + "\nfont: ";
  if (font.found) return text + font.found->string() + "\n";
  text += "not found\n";
  // A file of that name that is not the font: the installation is damaged, say where.
  for (const std::string& passed_over : font.passed_over) {
    text += "  passed over " + passed_over + "\n";
  }
  return text;
}

std::span<const CssSystemName> CssSystemNames() {
  static const std::vector<CssSystemName> names = [] {
    std::vector<CssSystemName> all;
    for (const NumeralSystemRow& row : NumeralSystems()) {
      std::string_view rest = row.css_names;
      while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(' '), rest.size());
        if (end > 0) all.push_back({rest.substr(0, end), row.system});
        rest.remove_prefix(std::min(end + 1, rest.size()));
      }
    }
    return all;
  }();
  return names;
}

std::optional<NumeralSystem> FindSystem(std::string_view name) {
  for (const NumeralSystemRow& row : NumeralSystems()) {
    if (name == row.cli_name || name == Name(row.radio)) return row.system;
  }
  for (const CssSystemName& css : CssSystemNames()) {
    if (name == css.name) return css.system;
  }
  return std::nullopt;
}

std::string_view SystemAlias(NumeralSystem system) { return RowOf(system).cli_name; }

int Run(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  const int status = RunCommand(args, in, out, err);
  // What the command wrote is not out until it is flushed: a full disk shows only here.
  out.flush();
  if (!out) {
    err << "zarno-cli: cannot write the output: " << WriteFailure(out) << "\n";
    return kIoError;
  }
  return status;
}

}  // namespace zarno::cli
