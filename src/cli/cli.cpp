// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/fd_output.h"
#include "cli/message_text.h"
#include "core/numeral_systems.h"
#include "program_info.h"
#include "settings/shipped_font.h"

namespace zarno::cli {
namespace {

constexpr std::string_view kUsageText =
    R"(Usage:
  zarno-cli replay [FILE]
      Runs a scripted session (standard input when FILE is absent or "-") against a
      freshly started window: type TEXT, set NAME TEXT, click NAME, choose N,
      select Kiril START LENGTH, spin N, print (nine members of the window's
      state), dump (every control of the window). Blanks before a command are
      ignored; a line whose first other character is # is a comment.
  zarno-cli convert [--system NAME] [--check BOX]... [--uncheck BOX]...
                    [--digits SET] [--standard] [NUMBER...]
      Prints each NUMBER (or each line of standard input) as the window shows it.
      --system   a radio button's name or one of: cyrillic, glagolitic, roman, chinese,
                 armenian, georgian, greek-ionic, greek-attic, maya, hebrew
      --check, --uncheck  tick or untick a check box by its name (Check_Kiril1_5_e2,
                 IspTochka, Gershaim, Kiril_Old_Tys_Radio2 ...)
      --digits   print the number with a digit set instead: its Russian name or one of
                 arabic, eastern-arabic, bengali, gujarati, gurmukhi, devanagari,
                 saurashtra, kannada, lao, malayalam, oriya, thai, telugu, khmer, limbu,
                 myanmar, tamil, tibetan, mongolian, ol-chiki, cham, kayah-li, nko,
                 lepcha, balinese, sundanese, new-tai-lue, vai
      --standard write Maya digits and Greek Attic signs with their standard Unicode
                 code points instead of those of our font
  zarno-cli read --system NAME [TEXT...]
      Prints the number each TEXT (or each line of standard input) stands for.
  zarno-cli --version
      Prints the version and the path of the font file the program found.
Exit status: 0 on success, 1 when a text is not a numeral of the system, 2 on a usage error,
3 when the input cannot be read or the output cannot be written (a full disk, a closed file).
Messages quote the user's text with each byte of a control character or of invalid UTF-8
written as \xNN and a backslash as \\.
)";

}  // namespace

std::string_view Usage() { return kUsageText; }

std::string VersionText() {
  const auto font = FindShippedFont(ShippedFontPlacesOfThisProcess());
  return "zarno-cli " + std::string(kProgramVersion) +
         "\nfont: " + (font ? font->string() : std::string("not found")) + "\n";
}

std::optional<NumeralSystem> FindSystem(std::string_view name) {
  for (const NumeralSystemRow& row : NumeralSystems()) {
    if (name == row.cli_name || name == Name(row.radio)) return row.system;
  }
  return std::nullopt;
}

std::string_view SystemAlias(NumeralSystem system) { return RowOf(system).cli_name; }

namespace {

int RunCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
               std::ostream& err) {
  if (args.empty()) {
    err << kUsageText;
    return kUsage;
  }
  const std::string& command = args[0];
  const auto rest = args.subspan(1);
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsageText;
    return kOk;
  }
  if (command == "--version") {
    out << VersionText();
    return kOk;
  }
  if (command == "replay") {
    if (rest.size() > 1) {
      err << "zarno-cli replay: takes at most one FILE\n";
      return kUsage;
    }
    if (rest.empty() || rest[0] == "-") return Replay(in, out, err);
    std::error_code ec;
    if (std::filesystem::is_directory(rest[0], ec)) {
      err << "zarno-cli replay: " << Printable(rest[0]) << " is a folder, not a script\n";
      return kUsage;
    }
    std::ifstream file(rest[0], std::ios::binary);
    if (!file) {
      err << "zarno-cli replay: cannot open " << Printable(rest[0]) << "\n";
      return kUsage;
    }
    return Replay(file, out, err);
  }
  if (command == "convert") return Convert(rest, in, out, err);
  if (command == "read") return Read(rest, in, out, err);
  err << "zarno-cli: unknown command \"" << Printable(command) << "\"\n" << kUsageText;
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
