// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "base/number.h"
#include "cli/cli.h"
#include "cli/message_text.h"
#include "digits/digit_sets.h"

namespace zarno::cli {
namespace {

// A parser for one command: no help of its own (the usage text is ours), -h and --help as a
// flag, positional words in `words`.
struct Parser {
  explicit Parser(const char* words_name, std::vector<std::string>* words) {
    app.set_help_flag();
    help = app.add_flag("-h,--help");
    positional = app.add_option(words_name, *words);
  }

  // Parses `args`; on an error writes a message that begins with "zarno-cli COMMAND: ".
  ParseResult Parse(std::span<const std::string> args, std::string_view command,
                    std::ostream& err) {
    // The parser takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
      app.parse(reversed);
    } catch (const CLI::ExtrasError&) {
      const std::vector<std::string> extras = app.remaining();
      const std::string first = extras.empty() ? std::string() : extras.front();
      err << "zarno-cli " << command << ": "
          << (first.starts_with("-") ? "unknown option" : "unexpected argument") << " \""
          << Printable(first) << "\" (see --help)\n";
      return ParseResult::kError;
    } catch (const CLI::ArgumentMismatch& e) {
      // "--system: 1 required TEXT missing": an option given without its value.
      const std::string what = e.what();
      const auto colon = what.find(':');
      err << "zarno-cli " << command << ": "
          << (what.starts_with("--") && colon != what.npos
                  ? what.substr(0, colon) + " needs a value"
                  : Printable(what))
          << "\n";
      return ParseResult::kError;
    } catch (const CLI::ParseError& e) {
      err << "zarno-cli " << command << ": " << Printable(e.what()) << "\n";
      return ParseResult::kError;
    }
    return help->count() > 0 ? ParseResult::kHelp : ParseResult::kRun;
  }

  CLI::Option* AddValue(const char* name, std::string* value) {
    return app.add_option(name, *value)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }

  CLI::App app;
  CLI::Option* help = nullptr;
  CLI::Option* positional = nullptr;
};

bool UnknownSystem(const std::string& name, std::string_view command, std::ostream& err) {
  err << "zarno-cli " << command << ": unknown system \"" << Printable(name) << "\" (see --help)\n";
  return true;
}

}  // namespace

ParseResult ParseConvertOptions(std::span<const std::string> args, std::ostream& err,
                                ConvertOptions* options) {
  Parser p("NUMBER", &options->numbers);
  std::string system;
  std::string digits;
  CLI::Option* system_option = p.AddValue("--system", &system);
  CLI::Option* digits_option = p.AddValue("--digits", &digits);
  CLI::Option* check = p.app.add_option("--check")->expected(1)->multi_option_policy(
      CLI::MultiOptionPolicy::TakeAll);
  CLI::Option* uncheck = p.app.add_option("--uncheck")
                             ->expected(1)
                             ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  p.app.add_flag("--standard", options->standard);
  p.app.add_flag("--json", options->json);
  const ParseResult result = p.Parse(args, "convert", err);
  if (result != ParseResult::kRun) return result;

  if (system_option->count() > 0) {
    const auto s = FindSystem(system);
    if (!s) return UnknownSystem(system, "convert", err), ParseResult::kError;
    options->system = *s;
  }
  // Ticks and unticks apply in the order of the command line, as clicks would.
  std::size_t next_check = 0;
  std::size_t next_uncheck = 0;
  for (const CLI::Option* o : p.app.parse_order()) {
    if (o != check && o != uncheck) continue;
    const bool checked = o == check;
    const std::string& name =
        checked ? check->results()[next_check++] : uncheck->results()[next_uncheck++];
    const auto box = FindControl(name);
    const ControlKind kind = box ? KindOf(*box) : ControlKind::kEdit;
    if (kind != ControlKind::kVariantBox && kind != ControlKind::kOptionBox &&
        kind != ControlKind::kStyleRadio) {
      err << "zarno-cli convert: no check box named \"" << Printable(name) << "\"\n";
      return ParseResult::kError;
    }
    options->boxes.push_back({*box, checked});
  }
  if (digits_option->count() > 0) {
    options->digits = FindDigitSet(FromUtf8(digits));
    if (options->digits == nullptr) options->digits = FindDigitSetByAlias(digits);
    if (options->digits == nullptr) {
      err << "zarno-cli convert: unknown digit set \"" << Printable(digits) << "\" (see --help)\n";
      return ParseResult::kError;
    }
  }
  return ParseResult::kRun;
}

ParseResult ParseReadOptions(std::span<const std::string> args, std::ostream& err,
                             ReadOptions* options) {
  Parser p("TEXT", &options->texts);
  std::string system;
  CLI::Option* system_option = p.AddValue("--system", &system);
  p.app.add_flag("--json", options->json);
  const ParseResult result = p.Parse(args, "read", err);
  if (result != ParseResult::kRun) return result;
  if (system_option->count() == 0) {
    err << "zarno-cli read: --system NAME is required\n";
    return ParseResult::kError;
  }
  const auto s = FindSystem(system);
  if (!s) return UnknownSystem(system, "read", err), ParseResult::kError;
  options->system = *s;
  return ParseResult::kRun;
}

ParseResult ParseReplayOptions(std::span<const std::string> args, std::ostream& err,
                               ReplayOptions* options) {
  std::vector<std::string> files;
  Parser p("FILE", &files);
  const ParseResult result = p.Parse(args, "replay", err);
  if (result != ParseResult::kRun) return result;
  if (files.size() > 1) {
    err << "zarno-cli replay: takes at most one FILE\n";
    return ParseResult::kError;
  }
  if (!files.empty()) options->file = files.front();
  return ParseResult::kRun;
}

}  // namespace zarno::cli
