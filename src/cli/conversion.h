// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What convert and read share: a window model set up for converting, and the JSON line that
// describes one numeral.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"
#include "core/main_window_model.h"

namespace zarno::cli {

// Conversion needs no fonts, messages or settings file.
class QuietHost : public Host {
 public:
  void ShowMessage(std::u16string_view) override {}
  void ReportError(std::u16string_view) override {}
  std::vector<std::u16string> InstalledFontFamilies() override { return {}; }
};

// A window started without settings, with `system` chosen.
class ConversionWindow {
 public:
  explicit ConversionWindow(NumeralSystem system);
  MainWindowModel& model() { return model_; }

 private:
  QuietHost host_;
  MainWindowModel model_{host_};
};

// One numeral as --json describes it.
struct NumeralRecord {
  std::string_view input;                  // the line or argument, without its line end
  std::optional<std::string_view> number;  // its decimal digits; none when it is no number
  std::string_view system;                 // the numeral system's command-line name
  std::optional<std::string_view> digits;  // the digit set's command-line name, if one
  std::u16string_view text;                // as the window shows it
  std::u16string_view standard;            // in standard Unicode
  std::optional<std::string> error;        // why the text is empty, if it is
};

// Writes `record` as one line: {"input": ..., "number": 1234 or null, "system": ...,
// "digits": ... or null, "text": ..., "standard": ..., "code_points": ["U+0482", ...],
// "error": ... or null}; the code points are those of the text.
void WriteNumeralRecord(const NumeralRecord& record, std::ostream& out);

}  // namespace zarno::cli
