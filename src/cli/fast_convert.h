#pragma once

// The batch path of convert: what the window shows for each number, written without running
// the window's recomputation pass for every line. The glyphs, boxes, mark style and digit
// set are taken once from a window model set up for the conversion; a line that is not a
// plain run of digits goes through that model itself, so that every line comes out exactly
// as the window shows it.

#include <iosfwd>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/main_window_model.h"
#include "numerals/slavonic.h"

namespace zarno::cli {

// Which display convert writes: the numeral (Kiril) or the digits of a digit set (Arab1).
enum class ConvertOutput { kNumeral, kDigits };

class FastConvert {
 public:
  // Follows the system, glyph store, mark style and digit set of `model` as they are now.
  // `standard` writes numerals in their standard Unicode form instead of our font's signs
  // (digits have but one form).
  FastConvert(MainWindowModel& model, ConvertOutput output, bool standard);

  // Appends what the window shows for the number of one line (UTF-8, without a line end;
  // a carriage return at the end of the line is ignored).
  void Line(std::string_view line, std::string& out);

  // Converts every line of `in` to a line of `out`, in the order of the input. Reads and
  // writes in large blocks and shares large blocks between two threads.
  void Stream(std::istream& in, std::ostream& out);

  // Converts the numbers of a list, one output line each.
  void Numbers(std::span<const std::string> numbers, std::ostream& out);

 private:
  // The numeral of a run of at most 18 digits, as the recomputation pass leaves it in Kiril.
  void Numeral(std::u16string_view sovr, std::u16string& shown) const;
  // Lines from `begin` to `end` (each ended by '\n' but perhaps the last), appended to `out`.
  void Lines(const char* begin, const char* end, std::string& out);
  void ThroughModel(std::string_view line, std::string& out);

  MainWindowModel& model_;
  std::mutex model_mutex_;
  const ConvertOutput output_;
  const bool standard_;
  const NumeralSystem system_;
  const ControlStates glyphs_;  // a copy, so that the threads never read the model
  const int mark_width_;
  std::string digits_utf8_[10];
  // The Cyrillic and Glagolitic letters and their dressing, but for the value of the number.
  std::optional<KirilWriter> kiril_;
  DressOptions dress_;
};

}  // namespace zarno::cli
