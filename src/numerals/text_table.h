// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table that the numeral writers walk: short texts (the letters of a digit in a place, a
// sign, a group of signs) kept one after another, in UTF-16 and in UTF-8, and copied out in
// whole blocks of sixteen bytes. A numeral is a handful of such copies, with no loop over its
// characters and no call per text, in either encoding.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "base/number.h"

namespace zarno {

class TextTable {
 public:
  // Where one text lies in the table, in either encoding.
  struct Text {
    std::uint32_t offset = 0;  // UTF-16
    std::uint32_t size = 0;
    std::uint32_t offset8 = 0;  // UTF-8
    std::uint32_t size8 = 0;
  };

  static constexpr std::size_t kBlock = 16;  // bytes copied at a time
  // Code units that Put may write past the end of the text it puts: a buffer that receives
  // texts from the table has this much room beyond the longest numeral written into it. A
  // UTF-8 buffer has kUtf8PerUnit bytes for every unit of room.
  static constexpr std::size_t kSlack = kBlock / sizeof(char16_t);

  TextTable() : units_(kSlack, u'\0'), bytes_(kBlock, '\0') {}

  // Keeps `parts` one after another as one text and gives its place. The table holds a block
  // after its last text, so that a block read from any text stays inside it. The texts are
  // whole UTF-16, as captions are: a surrogate is never parted from its pair.
  Text Add(std::span<const std::u16string_view> parts) {
    Text t;
    t.offset = static_cast<std::uint32_t>(units_.size() - kSlack);
    t.offset8 = static_cast<std::uint32_t>(bytes_.size() - kBlock);
    for (std::u16string_view part : parts) t.size += static_cast<std::uint32_t>(part.size());
    // The slack moves behind the new text.
    units_.resize(units_.size() + t.size);
    bytes_.resize(bytes_.size() + kUtf8PerUnit * t.size);
    char16_t* at = units_.data() + t.offset;
    char* at8 = bytes_.data() + t.offset8;
    for (std::u16string_view part : parts) {
      std::char_traits<char16_t>::copy(at, part.data(), part.size());
      at += part.size();
      at8 = WriteUtf8(part, at8);
    }
    t.size8 = static_cast<std::uint32_t>(at8 - (bytes_.data() + t.offset8));
    bytes_.resize(t.offset8 + t.size8 + kBlock);
    return t;
  }
  Text Add(std::initializer_list<std::u16string_view> parts) {
    return Add(std::span(parts.begin(), parts.size()));
  }
  Text Add(std::u16string_view s) { return Add({s}); }

  // Writes the text at `out` in UTF-16 or UTF-8 and gives its end. Whole blocks are copied:
  // what lies past the end of the text is left for the next text (or the end of the buffer)
  // to cover.
  char16_t* Put(Text t, char16_t* out) const { return Copy(units_.data() + t.offset, t.size, out); }
  char* Put(Text t, char* out) const { return Copy(bytes_.data() + t.offset8, t.size8, out); }

  // The text itself, valid until the next Add.
  std::u16string_view View(Text t) const { return {units_.data() + t.offset, t.size}; }

 private:
  template <typename Char>
  static Char* Copy(const Char* from, std::size_t size, Char* out) {
    constexpr std::size_t kUnits = kBlock / sizeof(Char);
    std::size_t done = 0;
    do {
      std::memcpy(out + done, from + done, kBlock);
      done += kUnits;
    } while (done < size);
    return out + size;
  }

  std::u16string units_;
  std::string bytes_;
};

}  // namespace zarno
