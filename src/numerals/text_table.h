// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table that the numeral writers walk: short texts (the letters of a digit in a place, a
// sign, a group of signs) kept one after another in one string, and copied out in whole
// blocks of eight code units. A numeral is a handful of such copies, with no loop over its
// characters and no call per text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zarno {

class TextTable {
 public:
  // Where one text lies in the table.
  struct Text {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
  };

  // Units that Put may write past the end of the text it puts: a buffer that receives texts
  // from the table has this much room beyond the longest numeral written into it.
  static constexpr std::size_t kSlack = 8;

  TextTable() : units_(kSlack, u'\0') {}

  // Keeps `parts` one after another as one text and gives its place. The table holds kSlack
  // units after its last text, so that a block read from any text stays inside it.
  Text Add(std::span<const std::u16string_view> parts) {
    const std::size_t offset = units_.size() - kSlack;
    std::size_t size = 0;
    for (std::u16string_view part : parts) size += part.size();
    units_.resize(units_.size() + size);  // the slack moves behind the new text
    char16_t* at = units_.data() + offset;
    for (std::u16string_view part : parts) {
      std::char_traits<char16_t>::copy(at, part.data(), part.size());
      at += part.size();
    }
    return {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(size)};
  }
  Text Add(std::initializer_list<std::u16string_view> parts) {
    return Add(std::span(parts.begin(), parts.size()));
  }
  Text Add(std::u16string_view s) { return Add({s}); }

  // Makes room for `units` more units of text.
  void Reserve(std::size_t units) { units_.reserve(units_.size() + units); }

  // Writes the text at `out` and gives its end. Whole blocks are copied: what lies past the
  // end of the text is left for the next text (or the end of the buffer) to cover.
  char16_t* Put(Text t, char16_t* out) const {
    const char16_t* from = units_.data() + t.offset;
    std::size_t done = 0;
    do {
      std::memcpy(out + done, from + done, kSlack * sizeof(char16_t));
      done += kSlack;
    } while (done < t.size);
    return out + t.size;
  }

  // The text itself, valid until the next Add.
  std::u16string_view View(Text t) const { return {units_.data() + t.offset, t.size}; }

 private:
  std::u16string units_;
};

}  // namespace zarno
