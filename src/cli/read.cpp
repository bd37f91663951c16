// read: the number a numeral text stands for.
#include <istream>
#include <ostream>
#include <vector>

#include "base/number.h"
#include "cli/cli.h"
#include "cli/message_text.h"
#include "numerals/standard_form.h"

namespace zarno::cli {

int Read(std::span<const std::string> args, std::istream& in, std::ostream& out,
         std::ostream& err) {
  std::optional<NumeralSystem> system;
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--system") {
      if (i + 1 == args.size()) {
        err << "zarno-cli read: --system needs a value\n";
        return kUsage;
      }
      system = FindSystem(args[++i]);
      if (!system) {
        err << "zarno-cli read: unknown system \"" << Printable(args[i]) << "\" (see --help)\n";
        return kUsage;
      }
    } else if (args[i].starts_with("--")) {
      err << "zarno-cli read: unknown option \"" << Printable(args[i]) << "\"\n";
      return kUsage;
    } else {
      texts.push_back(args[i]);
    }
  }
  if (!system) {
    err << "zarno-cli read: --system NAME is required\n";
    return kUsage;
  }
  int status = kOk;
  auto read_one = [&](std::string_view text) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const auto value = ReadNumeralText(*system, FromUtf8(text));
    if (value) {
      out << *value << '\n';
    } else {
      out << '\n';
      err << "zarno-cli read: \"" << Printable(text) << "\" is not a " << SystemAlias(*system)
          << " numeral\n";
      status = kNotANumeral;
    }
  };
  if (!texts.empty()) {
    for (const std::string& t : texts) read_one(t);
  } else {
    std::string line;
    while (out && std::getline(in, line)) read_one(line);
    if (InputFailed(in, "read", err)) return kIoError;
  }
  return status;
}

}  // namespace zarno::cli
