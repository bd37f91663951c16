// SPDX-License-Identifier: GPL-3.0-or-later
// convert: numbers in, the window's output out, one line each; streams.
#include <istream>
#include <ostream>
#include <vector>

#include "base/number.h"
#include "cli/cli.h"
#include "cli/conversion.h"
#include "cli/fast_convert.h"
#include "cli/message_text.h"
#include "cli/options.h"
#include "core/numeral_systems.h"
#include "digits/digit_sets.h"
#include "numerals/standard_form.h"

namespace zarno::cli {
namespace {

// The digits of a whole decimal number (blanks around it and a carriage return at its end
// left off); none when the line is no whole number.
std::optional<std::string_view> WholeNumber(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const auto first = line.find_first_not_of(" \t");
  if (first == line.npos) return std::nullopt;
  line = line.substr(first, line.find_last_not_of(" \t") + 1 - first);
  for (char c : line) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const auto significant = line.find_first_not_of('0');
  return significant == line.npos ? line.substr(line.size() - 1) : line.substr(significant);
}

// The JSON lines of convert --json.
class JsonWriter {
 public:
  JsonWriter(MainWindowModel& model, const ConvertOptions& options, std::ostream& out)
      : fast_(model, options.digits ? ConvertOutput::kDigits : ConvertOutput::kNumeral, false),
        system_(options.system),
        digits_(options.digits),
        mark_width_(model.MarkWidth()),
        out_(out) {}

  // Writes the object of one line; returns the note when it gives no numeral.
  std::optional<std::string> Write(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    shown_.clear();
    const LineVerdict verdict = fast_.Line(line, shown_);
    const std::u16string text = FromUtf8(shown_);
    const std::u16string standard =
        digits_ != nullptr ? text : StandardForm(system_, text, mark_width_);
    NumeralRecord r{line, WholeNumber(line), SystemAlias(system_), std::nullopt,
                    text, standard,          std::nullopt};
    if (digits_ != nullptr) r.digits = digits_->alias;
    if (verdict != LineVerdict::kShown) r.error = fast_.Reason(verdict, line);
    WriteNumeralRecord(r, out_);
    return r.error;
  }

 private:
  FastConvert fast_;
  NumeralSystem system_;
  const DigitSet* digits_;
  int mark_width_;
  std::ostream& out_;
  std::string shown_;
};

}  // namespace

ConversionWindow::ConversionWindow(NumeralSystem system) {
  model_.StartWithoutSettings();
  model_.Click(RadioOf(system));
}

int Convert(std::span<const std::string> args, std::istream& in, std::ostream& out,
            std::ostream& err) {
  ConvertOptions options;
  if (const auto status = StatusBeforeRun(ParseConvertOptions(args, err, &options), out)) {
    return *status;
  }

  ConversionWindow window(options.system);
  MainWindowModel& model = window.model();
  for (const BoxOption& b : options.boxes) {
    // As in the window: a box that this system's keypad does not show cannot be set.
    if (!model.Reachable(b.box)) {
      err << "zarno-cli convert: the box \"" << Name(b.box) << "\" is not shown with this system\n";
      return kUsage;
    }
    if (KindOf(b.box) == ControlKind::kStyleRadio) {
      if (b.checked) model.Click(b.box);
    } else {
      model.SetChecked(b.box, b.checked);
    }
  }
  if (options.digits != nullptr) model.SetText(Ctl::Dr10Znak_Name, options.digits->name);

  std::size_t bad = 0;
  if (options.json) {
    JsonWriter json(model, options, out);
    auto one = [&](std::string_view where, std::size_t number, std::string_view line) {
      const auto note = json.Write(line);
      if (!note) return;
      err << "zarno-cli convert: " << where << ' ' << number << ": " << *note << '\n';
      ++bad;
    };
    for (std::size_t i = 0; i < options.numbers.size(); ++i) {
      one("argument", i + 1, options.numbers[i]);
    }
    if (options.numbers.empty()) {
      std::string line;
      for (std::size_t n = 1; out && std::getline(in, line); ++n) one("line", n, line);
      if (InputFailed(in, "convert", err)) return kIoError;
    }
    return bad > 0 ? kNotANumeral : kOk;
  }

  FastConvert fast(model, options.digits ? ConvertOutput::kDigits : ConvertOutput::kNumeral,
                   options.standard);
  if (!options.numbers.empty()) {
    bad = fast.Numbers(options.numbers, out, err);
  } else {
    bad = fast.Stream(in, out, err);
    if (InputFailed(in, "convert", err)) return kIoError;
  }
  return bad > 0 ? kNotANumeral : kOk;
}

}  // namespace zarno::cli
