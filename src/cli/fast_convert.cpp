// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fast_convert.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <thread>
#include <variant>

#include "base/number.h"
#include "core/numeral_systems.h"
#include "numerals/standard_form.h"

namespace zarno::cli {
namespace {

// Longer runs of digits (leading zeros) go through the model, which knows their fate.
constexpr std::size_t kMaxDirectDigits = 18;

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view WithoutBlanks(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The digits of a number from its first that is not 0 ("0" for zero).
std::string_view WithoutLeadingZeros(std::string_view digits) {
  const auto first = digits.find_first_not_of('0');
  return first == digits.npos ? digits.substr(0, std::min<std::size_t>(digits.size(), 1))
                              : digits.substr(first);
}

std::int64_t ValueOf(std::string_view digits) {
  std::int64_t value = 0;
  for (char c : digits) value = 10 * value + (c - '0');
  return value;
}

// A number with a blank between groups of three digits, as the window writes its ranges.
std::string Grouped(std::int64_t value) {
  const std::string digits = std::to_string(value);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ' ';
    text += digits[i];
  }
  return text;
}

bool IsPlainNumber(std::string_view line) {
  if (line.empty() || line.size() > kMaxDirectDigits) return false;
  for (char c : line) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::u16string_view ShownOf(const MainWindowModel& model, ConvertOutput output) {
  return output == ConvertOutput::kDigits ? model.Text(Ctl::Arab1) : model.Kiril();
}

}  // namespace

FastConvert::FastConvert(MainWindowModel& model, ConvertOutput output, bool standard)
    : model_(model),
      output_(output),
      standard_(standard && output == ConvertOutput::kNumeral),
      system_(model.System()),
      glyphs_(model.Controls()),
      mark_width_(model.MarkWidth()),
      writer_(RowOf(system_).writer(KeypadView(glyphs_), mark_width_)) {
  for (int d = 0; d < 10; ++d) digits_utf8_[d] = ToUtf8(model.Text(DigitButton(d)));
  room_ = std::visit([](const auto& writer) { return writer.Room(); }, writer_);
  // A digit set writes every number; a numeral system those up to its limit, and zero when
  // it has a sign for it.
  if (output_ == ConvertOutput::kNumeral) {
    highest_ = LimitOf(system_);
    std::string zero;
    lowest_ = AppendNumeral(u"0", zero) ? 0 : 1;
  }
}

std::string FastConvert::Range() const { return Grouped(lowest_) + "–" + Grouped(highest_); }

std::string FastConvert::Reason(LineVerdict verdict, std::string_view line) const {
  if (verdict == LineVerdict::kNotWhole || verdict == LineVerdict::kShown) {
    return "not a whole number";
  }
  std::string_view number = WithoutBlanks(WithoutCarriageReturn(line));
  if (verdict == LineVerdict::kOutside) number = WithoutLeadingZeros(number);
  // A run of digits too long to read is not quoted whole.
  const std::string what = number.size() <= 24
                               ? std::string(number)
                               : "a number of " + std::to_string(number.size()) + " digits";
  const std::string system(RowOf(system_).cli_name);
  if (verdict == LineVerdict::kNotWritten) {
    return "the window writes no " + system + " numeral for " + what;
  }
  return what + " is outside " + Range() + " for " + system;
}

template <typename Char>
Char* FastConvert::Write(std::u16string_view sovr, Char* out) const {
  return std::visit([&](const auto& writer) -> Char* { return writer.Write(sovr, out); }, writer_);
}

bool FastConvert::AppendNumeral(std::u16string_view sovr, std::string& out) const {
  if (!standard_) {
    // Straight to UTF-8 from the writer's table, through a buffer of the thread: the output
    // grows by what is written, not by the room the writing needs.
    thread_local std::string room;
    room.resize(kUtf8PerUnit * room_);
    char* const begin = room.data();
    const char* const end = Write(sovr, begin);
    if (end == nullptr || end == begin) return false;
    out.append(begin, static_cast<std::size_t>(end - begin));
    return true;
  }
  thread_local std::u16string room;
  room.resize(room_);
  const char16_t* const end = Write(sovr, room.data());
  if (end == nullptr || end == room.data()) return false;
  const std::u16string_view shown(room.data(), static_cast<std::size_t>(end - room.data()));
  AppendUtf8(out, StandardForm(system_, shown, mark_width_));
  return true;
}

LineVerdict FastConvert::Line(std::string_view line, std::string& out) {
  line = WithoutCarriageReturn(line);
  if (!IsPlainNumber(line)) return UnusualLine(line, out);
  if (output_ == ConvertOutput::kDigits) {
    for (char c : line) out += digits_utf8_[c - '0'];
    return LineVerdict::kShown;
  }
  const std::int64_t value = ValueOf(line);
  if (value < lowest_ || value > highest_) return LineVerdict::kOutside;
  char16_t sovr[kMaxDirectDigits];
  for (std::size_t i = 0; i < line.size(); ++i) sovr[i] = static_cast<char16_t>(line[i]);
  return AppendNumeral({sovr, line.size()}, out) ? LineVerdict::kShown : LineVerdict::kNotWritten;
}

LineVerdict FastConvert::UnusualLine(std::string_view line, std::string& out) {
  const std::string_view number = WithoutBlanks(line);
  if (number.empty() || !AllDigits(number)) return LineVerdict::kNotWhole;
  if (number.size() <= kMaxDirectDigits) return Line(number, out);
  // A long run of digits: leading zeros, or a number larger than any limit.
  if (output_ == ConvertOutput::kNumeral) {
    const std::string_view significant = WithoutLeadingZeros(number);
    if (significant.size() > kMaxDirectDigits) return LineVerdict::kOutside;
    const std::int64_t value = ValueOf(significant);
    if (value < lowest_ || value > highest_) return LineVerdict::kOutside;
  }
  const std::size_t before = out.size();
  ThroughModel(number, out);
  return out.size() > before ? LineVerdict::kShown : LineVerdict::kNotWritten;
}

void FastConvert::ThroughModel(std::string_view line, std::string& out) {
  // What a line shows depends on its text alone, so the threads may take turns in any order.
  const std::lock_guard lock(model_mutex_);
  model_.SetText(Ctl::Sovr, FromUtf8(line));
  const std::u16string_view shown = ShownOf(model_, output_);
  AppendUtf8(out, standard_ ? StandardForm(system_, shown, mark_width_) : shown);
}

std::size_t FastConvert::Lines(const char* begin, const char* end, std::string& out,
                               std::vector<Note>& notes) {
  // The writer is chosen once for all the lines, so that its walk is part of their loop.
  return std::visit([&](const auto& writer) { return LinesWith(writer, begin, end, out, notes); },
                    writer_);
}

template <typename Writer>
std::size_t FastConvert::LinesWith(const Writer& writer, const char* begin, const char* end,
                                   std::string& out, std::vector<Note>& notes) {
  // A plain number of a numeral system goes from its digits straight to the writer, which
  // writes it in UTF-8 into `out`; any other line goes through Line. `out` grows in large
  // steps and holds `used` bytes of lines.
  const bool direct = output_ == ConvertOutput::kNumeral && !standard_;
  const std::size_t most = kUtf8PerUnit * room_ + 1;  // a numeral, the slack and the line end
  std::size_t used = out.size();
  std::size_t count = 0;
  for (; begin < end; ++count) {
    const char* stop = std::find(begin, end, '\n');
    const std::string_view line(begin, static_cast<std::size_t>(stop - begin));
    begin = stop + 1;
    if (out.size() - used < most) out.resize(std::max(2 * out.size(), used + most));
    // The digits, their value and the digits as UTF-16 in one pass; `plain` stays true for a
    // run of at most kMaxDirectDigits digits (a carriage return at the end is no part of it).
    const std::string_view digits = WithoutCarriageReturn(line);
    bool plain = direct && !digits.empty() && digits.size() <= kMaxDirectDigits;
    char16_t sovr[kMaxDirectDigits];
    std::int64_t value = 0;
    for (std::size_t i = 0; plain && i < digits.size(); ++i) {
      const unsigned digit = static_cast<unsigned char>(digits[i]) - unsigned{'0'};
      plain = digit <= 9;
      value = 10 * value + digit;
      sovr[i] = static_cast<char16_t>(digits[i]);
    }
    LineVerdict verdict = LineVerdict::kShown;
    if (plain && value >= lowest_ && value <= highest_) {
      char* const at = out.data() + used;
      const char* const written = writer.Write({sovr, digits.size()}, at);
      if (written == nullptr || written == at) {
        verdict = LineVerdict::kNotWritten;
      } else {
        used = static_cast<std::size_t>(written - out.data());
      }
    } else {
      out.resize(used);
      verdict = Line(line, out);
      used = out.size();
      out.resize(used + 1);
    }
    out[used++] = '\n';
    if (verdict != LineVerdict::kShown) notes.push_back({count, Reason(verdict, line)});
  }
  out.resize(used);
  return count;
}

std::size_t FastConvert::Stream(std::istream& in, std::ostream& out, std::ostream& err) {
  std::string block(read_block_, '\0');
  std::size_t kept = 0;  // the start of an unfinished line, carried to the next block
  std::string first;
  std::string second;
  std::vector<Note> first_notes;
  std::vector<Note> second_notes;
  std::size_t lines_before = 0;  // the lines of the blocks before this one
  std::size_t bad = 0;
  while (true) {
    in.read(block.data() + kept, static_cast<std::streamsize>(block.size() - kept));
    const std::size_t size = kept + static_cast<std::size_t>(in.gcount());
    const bool last = size < block.size();
    // The lines of this block: up to its last line end, or all of it at the end of input.
    std::size_t done = size;
    if (!last) {
      const std::size_t end = block.rfind('\n', size - 1);
      // A line longer than a block is read on into a larger block.
      if (end == std::string::npos) {
        kept = size;
        block.resize(2 * block.size());
        continue;
      }
      done = end + 1;
    }
    const char* begin = block.data();
    first.clear();
    second.clear();
    first_notes.clear();
    second_notes.clear();
    std::size_t first_lines = 0;
    std::size_t second_lines = 0;
    if (done >= share_block_) {
      const char* middle = std::find(begin + done / 2, begin + done, '\n');
      if (middle != begin + done) ++middle;
      std::thread helper([&] { second_lines = Lines(middle, begin + done, second, second_notes); });
      first_lines = Lines(begin, middle, first, first_notes);
      helper.join();
    } else {
      first_lines = Lines(begin, begin + done, first, first_notes);
    }
    out.write(first.data(), static_cast<std::streamsize>(first.size()));
    out.write(second.data(), static_cast<std::streamsize>(second.size()));
    for (const Note& n : first_notes) WriteNote("line", lines_before + n.line + 1, n.reason, err);
    for (const Note& n : second_notes) {
      WriteNote("line", lines_before + first_lines + n.line + 1, n.reason, err);
    }
    bad += first_notes.size() + second_notes.size();
    lines_before += first_lines + second_lines;
    // Output that cannot be written ends the work; the caller reports it.
    if (last || !out) break;
    kept = size - done;
    std::char_traits<char>::move(block.data(), block.data() + done, kept);
  }
  out.flush();
  return bad;
}

std::size_t FastConvert::Numbers(std::span<const std::string> numbers, std::ostream& out,
                                 std::ostream& err) {
  std::string text;
  std::size_t bad = 0;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const LineVerdict verdict = Line(numbers[i], text);
    text += '\n';
    if (verdict != LineVerdict::kShown) {
      WriteNote("argument", i + 1, Reason(verdict, numbers[i]), err);
      ++bad;
    }
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  return bad;
}

void FastConvert::WriteNote(std::string_view where, std::size_t number, std::string_view reason,
                            std::ostream& err) {
  err << "zarno-cli convert: " << where << ' ' << number << ": " << reason << '\n';
}

}  // namespace zarno::cli
