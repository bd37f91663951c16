#include "cli/fast_convert.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <thread>

#include "base/number.h"
#include "core/numeral_systems.h"
#include "numerals/armenian_georgian.h"
#include "numerals/chinese.h"
#include "numerals/greek_attic.h"
#include "numerals/greek_ionic.h"
#include "numerals/hebrew.h"
#include "numerals/maya.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"
#include "numerals/standard_form.h"

namespace zarno::cli {
namespace {

// Longer runs of digits (leading zeros) go through the model, which knows their fate.
constexpr std::size_t kMaxDirectDigits = 18;
// Input is read in blocks of this size; a block at least kShareBlock long is split between
// two threads.
constexpr std::size_t kReadBlock = 8 << 20;
constexpr std::size_t kShareBlock = 256 << 10;

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
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
      mark_width_(model.MarkWidth()) {
  for (int d = 0; d < 10; ++d) digits_utf8_[d] = ToUtf8(model.Text(DigitButton(d)));
  const KeypadView keys(glyphs_);
  kiril_.emplace(keys, !keys.Checked(Ctl::KirilRadio), keys.Checked(Ctl::Kiril_Old_Tys_Radio2));
  dress_ = DressOptionsOf(keys, mark_width_, u"");
}

void FastConvert::Numeral(std::u16string_view sovr, std::u16string& shown) const {
  std::int64_t value = 0;
  for (char16_t c : sovr) value = 10 * value + (c - u'0');
  shown.clear();
  if (value > LimitOf(system_)) return;  // the window empties Kiril above the limit
  const KeypadView keys(glyphs_);
  switch (system_) {
    case NumeralSystem::kRim:
      shown = RenderRim(sovr, keys);
      return;
    case NumeralSystem::kKitay:
      shown = RenderKitay(sovr, keys);
      return;
    case NumeralSystem::kArmen:
      shown = RenderArmen(sovr, keys);
      return;
    case NumeralSystem::kGruz:
      shown = RenderGruz(sovr, keys);
      return;
    case NumeralSystem::kGrekIonich:
      shown = RenderGrekIonich(sovr, keys);
      return;
    case NumeralSystem::kGrekAttich:
      shown = RenderGrekAttich(sovr, keys);
      return;
    case NumeralSystem::kMaya:
      shown = RenderMaya(sovr, keys);
      return;
    case NumeralSystem::kIudeyskie:
      shown = RenderIudeyskie(sovr, keys);
      return;
    case NumeralSystem::kGlagol:
    case NumeralSystem::kKiril: {
      // The letters and then the dressing, in one buffer of the thread.
      thread_local std::u16string room;
      room.resize(kiril_->MaxPlain() + DressRoom(kiril_->MaxPlain()));
      char16_t* const plain = room.data();
      const char16_t* end = kiril_->WritePlain(sovr, plain);
      if (end == nullptr) return;  // a Glagolitic thousands digit that ends the rendering
      DressOptions o = dress_;
      o.value = value;
      shown = WriteDressed({plain, static_cast<std::size_t>(end - plain)}, o,
                           plain + kiril_->MaxPlain());
      return;
    }
  }
}

void FastConvert::Line(std::string_view line, std::string& out) {
  line = WithoutCarriageReturn(line);
  if (!IsPlainNumber(line)) {
    ThroughModel(line, out);
    return;
  }
  if (output_ == ConvertOutput::kDigits) {
    for (char c : line) out += digits_utf8_[c - '0'];
    return;
  }
  char16_t sovr[kMaxDirectDigits];
  for (std::size_t i = 0; i < line.size(); ++i) sovr[i] = static_cast<char16_t>(line[i]);
  thread_local std::u16string shown;
  Numeral({sovr, line.size()}, shown);
  AppendUtf8(out, standard_ ? StandardForm(system_, shown, mark_width_) : shown);
}

void FastConvert::ThroughModel(std::string_view line, std::string& out) {
  // What a line shows depends on its text alone, so the threads may take turns in any order.
  const std::lock_guard lock(model_mutex_);
  model_.SetText(Ctl::Sovr, FromUtf8(line));
  const std::u16string_view shown = ShownOf(model_, output_);
  AppendUtf8(out, standard_ ? StandardForm(system_, shown, mark_width_) : shown);
}

void FastConvert::Lines(const char* begin, const char* end, std::string& out) {
  while (begin < end) {
    const char* stop = std::find(begin, end, '\n');
    Line({begin, static_cast<std::size_t>(stop - begin)}, out);
    out += '\n';
    begin = stop + 1;
  }
}

void FastConvert::Stream(std::istream& in, std::ostream& out) {
  std::string block(kReadBlock, '\0');
  std::size_t kept = 0;  // the start of an unfinished line, carried to the next block
  std::string first;
  std::string second;
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
    if (done >= kShareBlock) {
      const char* middle = std::find(begin + done / 2, begin + done, '\n');
      if (middle != begin + done) ++middle;
      std::thread helper([&] { Lines(middle, begin + done, second); });
      Lines(begin, middle, first);
      helper.join();
    } else {
      Lines(begin, begin + done, first);
    }
    out.write(first.data(), static_cast<std::streamsize>(first.size()));
    out.write(second.data(), static_cast<std::streamsize>(second.size()));
    // Output that cannot be written ends the work; the caller reports it.
    if (last || !out) break;
    kept = size - done;
    std::char_traits<char>::move(block.data(), block.data() + done, kept);
  }
  out.flush();
}

void FastConvert::Numbers(std::span<const std::string> numbers, std::ostream& out) {
  std::string text;
  for (const std::string& n : numbers) {
    Line(n, text);
    text += '\n';
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
}

}  // namespace zarno::cli
