// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The batch path of convert: what the window shows for each number, written without running
// the window's recomputation pass for every line. The glyphs, boxes, mark style and digit
// set are taken once from a window model set up for the conversion; a long run of digits
// (leading zeros) goes through that model itself, so that every number comes out exactly as
// the window shows it. A line is a number only when it is a whole decimal number, blanks
// around it allowed; any other line, and a number outside the range of the system, gives an
// empty output and a verdict that says why.

#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/main_window_model.h"
#include "numerals/writers.h"

namespace zarno::cli {

// Which display convert writes: the numeral (Kiril) or the digits of a digit set (Arab1).
enum class ConvertOutput { kNumeral, kDigits };

enum class LineVerdict {
  kShown,     // a number the window writes
  kNotWhole,  // no whole decimal number: empty, letters, a sign, a decimal point ...
  kOutside,   // a number outside the range of the system
  // A number in the range that the window writes as nothing: it carries leading zeros into
  // its digit-by-digit renderers, and some of them write nothing for more places than the
  // numeral has.
  kNotWritten,
};

class FastConvert {
 public:
  // Follows the system, glyph store, mark style and digit set of `model` as they are now.
  // `standard` writes numerals in their standard Unicode form instead of our font's signs
  // (digits have but one form).
  FastConvert(MainWindowModel& model, ConvertOutput output, bool standard);

  // Appends what the window shows for the number of one line (UTF-8, without a line end;
  // a carriage return at the end of the line is ignored); appends nothing unless the verdict
  // is kShown.
  LineVerdict Line(std::string_view line, std::string& out);

  // Why `line` gave `verdict` (not kShown), as a note says it: "not a whole number",
  // "0 is outside 1–9 999 for hebrew", "the window writes no hebrew numeral for 00012".
  std::string Reason(LineVerdict verdict, std::string_view line) const;
  // The numbers written, as the window writes a range: "1–9 999".
  std::string Range() const;

  // Converts every line of `in` to a line of `out`, in the order of the input, and writes a
  // note for each line that gives no numeral to `err`, with its line number. Reads and
  // writes in large blocks and shares large blocks between two threads. Returns the number
  // of such lines.
  std::size_t Stream(std::istream& in, std::ostream& out, std::ostream& err);

  // Stream reads blocks of `read` bytes and shares a block of at least `share` bytes between
  // two threads (1 MiB and 256 KiB unless set; tests set smaller ones).
  void SetBlockSizes(std::size_t read, std::size_t share) {
    read_block_ = read;
    share_block_ = share;
  }

  // Converts the numbers of a list, one output line each; notes as Stream's, with the
  // argument's number.
  std::size_t Numbers(std::span<const std::string> numbers, std::ostream& out, std::ostream& err);

 private:
  struct Note {
    std::size_t line;  // counted from 0 in the lines of one call of Lines
    std::string reason;
  };

  // Writes the numeral of the run of at most 18 digits `sovr` as the recomputation pass
  // leaves it in Kiril, in UTF-16 (room_ units) or UTF-8 (kUtf8PerUnit bytes a unit) at
  // `out`, and gives its end; nullptr or `out` when the window writes nothing.
  template <typename Char>
  Char* Write(std::u16string_view sovr, Char* out) const;
  // Appends that numeral to `out` in UTF-8 (in its standard form if asked); false when the
  // window writes nothing.
  bool AppendNumeral(std::u16string_view sovr, std::string& out) const;
  // A line that is not a short run of digits alone.
  LineVerdict UnusualLine(std::string_view line, std::string& out);
  // Lines from `begin` to `end` (each ended by '\n' but perhaps the last), appended to `out`;
  // returns how many there were.
  std::size_t Lines(const char* begin, const char* end, std::string& out, std::vector<Note>& notes);
  template <typename Writer>
  std::size_t LinesWith(const Writer& writer, const char* begin, const char* end, std::string& out,
                        std::vector<Note>& notes);
  void ThroughModel(std::string_view line, std::string& out);
  static void WriteNote(std::string_view where, std::size_t number, std::string_view reason,
                        std::ostream& err);

  MainWindowModel& model_;
  std::mutex model_mutex_;
  const ConvertOutput output_;
  const bool standard_;
  const NumeralSystem system_;
  const ControlStates glyphs_;  // a copy, so that the threads never read the model
  const int mark_width_;
  std::string digits_utf8_[10];
  // The writer of the system, made once for its glyphs, boxes and mark style.
  const NumeralWriter writer_;
  std::size_t room_ = 0;  // the room of the writer, in UTF-16 code units
  // The numbers written; a digit set writes all.
  std::int64_t lowest_ = 0;
  std::int64_t highest_ = INT64_MAX;
  std::size_t read_block_ = 1 << 20;
  std::size_t share_block_ = 256 << 10;
};

}  // namespace zarno::cli
