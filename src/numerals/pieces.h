// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A numeral put together from captions: the renderers note the captions first and copy them
// once into a string of the joint length, so that no text is moved or grown on the way.
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace zarno {

template <int kMax>
class Pieces {
 public:
  // Notes one more caption; at most kMax in all.
  void Add(std::u16string_view s) {
    data_[count_] = s.data();
    size_[count_] = s.size();
    first_[count_++] = s.empty() ? u'\0' : s[0];
    total_ += s.size();
    one_unit_ = one_unit_ && s.size() == 1;
  }
  std::size_t Size() const { return total_; }

  // The captions joined in the order they were noted, or `backward` in the reverse order
  // (for numerals written from the units up).
  std::u16string Join(bool backward = false) const {
    const std::size_t count = static_cast<std::size_t>(count_);
    if (one_unit_) {
      // Captions are mostly one character: the string is made from their first units.
      if (!backward) return std::u16string(first_, count);
      return std::u16string(std::make_reverse_iterator(first_ + count),
                            std::make_reverse_iterator(first_));
    }
    std::u16string out;
    out.reserve(total_);  // no allocation up to the seven characters a string holds inline
    for (int k = 0; k < count_; ++k) {
      const int i = backward ? count_ - 1 - k : k;
      out.append(data_[i], size_[i]);
    }
    return out;
  }

 private:
  // Left uninitialized on purpose: only the first count_ entries are ever read.
  const char16_t* data_[kMax];
  std::size_t size_[kMax];
  char16_t first_[kMax];  // the first unit of each caption, 0 for an empty one
  int count_ = 0;
  std::size_t total_ = 0;
  bool one_unit_ = true;  // every caption noted is one code unit
};

}  // namespace zarno
