#pragma once

// A numeral put together from captions: the renderers note the captions first and copy them
// once into a string of the joint length, so that no text is moved or grown on the way.
#include <cstddef>
#include <string>
#include <string_view>

namespace zarno {

template <int kMax>
class Pieces {
 public:
  // Notes one more caption; at most kMax in all.
  void Add(std::u16string_view s) {
    data_[count_] = s.data();
    size_[count_++] = s.size();
    total_ += s.size();
  }
  std::size_t Size() const { return total_; }

  // The captions joined in the order they were noted, or `backward` in the reverse order
  // (for numerals written from the units up).
  std::u16string Join(bool backward = false) const {
    std::u16string out;
    out.reserve(total_);  // no allocation up to the seven characters a string holds inline
    for (int k = 0; k < count_; ++k) {
      const int i = backward ? count_ - 1 - k : k;
      // Captions are mostly one character: copy them without a library call.
      for (std::size_t j = 0; j < size_[i]; ++j) out.push_back(data_[i][j]);
    }
    return out;
  }

 private:
  // Left uninitialized on purpose: only the first count_ entries are ever read.
  const char16_t* data_[kMax];
  std::size_t size_[kMax];
  int count_ = 0;
  std::size_t total_ = 0;
};

}  // namespace zarno
