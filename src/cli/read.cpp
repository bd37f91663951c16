// SPDX-License-Identifier: GPL-3.0-or-later
// read: the number a numeral text stands for.
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "base/number.h"
#include "cli/cli.h"
#include "cli/conversion.h"
#include "cli/fast_convert.h"
#include "cli/message_text.h"
#include "cli/options.h"
#include "numerals/standard_form.h"

namespace zarno::cli {

int Read(std::span<const std::string> args, std::istream& in, std::ostream& out,
         std::ostream& err) {
  ReadOptions options;
  if (const auto status = StatusBeforeRun(ParseReadOptions(args, err, &options), out)) {
    return *status;
  }
  const NumeralSystem system = options.system;
  // With --json, the number is written again as the window writes it.
  std::unique_ptr<ConversionWindow> window;
  std::unique_ptr<FastConvert> writer;
  if (options.json) {
    window = std::make_unique<ConversionWindow>(system);
    writer = std::make_unique<FastConvert>(window->model(), ConvertOutput::kNumeral, false);
  }
  int status = kOk;
  auto read_one = [&](std::string_view text) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const auto value = ReadNumeralText(system, FromUtf8(text));
    std::optional<std::string> note;
    if (!value) {
      note =
          "\"" + Printable(text) + "\" is not a " + std::string(SystemAlias(system)) + " numeral";
      err << "zarno-cli read: " << *note << "\n";
      status = kNotANumeral;
    }
    if (!writer) {
      if (value) out << *value;
      out << '\n';
      return;
    }
    const std::string number = value ? std::to_string(*value) : std::string();
    std::string shown;
    if (value) writer->Line(number, shown);
    const std::u16string written = FromUtf8(shown);
    const std::u16string standard = StandardForm(system, written, window->model().MarkWidth());
    NumeralRecord r{text, std::nullopt, SystemAlias(system), std::nullopt, written, standard, note};
    if (value) r.number = number;
    WriteNumeralRecord(r, out);
  };
  if (!options.texts.empty()) {
    for (const std::string& t : options.texts) read_one(t);
  } else {
    std::string line;
    while (out && std::getline(in, line)) read_one(line);
    if (InputFailed(in, "read", err)) return kIoError;
  }
  return status;
}

}  // namespace zarno::cli
