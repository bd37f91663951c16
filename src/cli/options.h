// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options of the commands of zarno-cli, read from their arguments: --name VALUE or
// --name=VALUE, "--" to end the options, -h or --help for the usage text.

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/controls.h"

namespace zarno {
struct DigitSet;
}

namespace zarno::cli {

enum class ParseResult {
  kRun,    // the options are read
  kHelp,   // the usage text was asked for
  kError,  // a usage error, already reported on the error stream
};

struct BoxOption {
  Ctl box;
  bool checked;
};

struct ConvertOptions {
  NumeralSystem system = NumeralSystem::kKiril;
  std::vector<BoxOption> boxes;  // in the order of the command line
  const DigitSet* digits = nullptr;
  bool standard = false;
  bool json = false;
  std::vector<std::string> numbers;
};

struct ReadOptions {
  NumeralSystem system = NumeralSystem::kKiril;
  bool json = false;
  std::vector<std::string> texts;
};

struct ReplayOptions {
  std::optional<std::string> file;
};

// The exit status of a command whose options end it before it runs (the usage text for
// --help, or a usage error); nullopt when the command runs.
std::optional<int> StatusBeforeRun(ParseResult result, std::ostream& out);

ParseResult ParseConvertOptions(std::span<const std::string> args, std::ostream& err,
                                ConvertOptions* options);
ParseResult ParseReadOptions(std::span<const std::string> args, std::ostream& err,
                             ReadOptions* options);
ParseResult ParseReplayOptions(std::span<const std::string> args, std::ostream& err,
                               ReplayOptions* options);

}  // namespace zarno::cli
