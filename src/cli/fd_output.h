// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Standard output as a stream buffer that writes to a file descriptor and remembers why a
// write failed, so that the program can say so and exit with a status that tells it.

#include <array>
#include <streambuf>

namespace zarno::cli {

class FdOutput : public std::streambuf {
 public:
  explicit FdOutput(int fd);
  ~FdOutput() override;
  FdOutput(const FdOutput&) = delete;
  FdOutput& operator=(const FdOutput&) = delete;

  // The errno of the first failed write; 0 while every write succeeded.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  // Writes the buffered bytes; false (and error_ set) when the descriptor refused them.
  bool Drain();
  bool WriteAll(const char* data, std::size_t size);

  int fd_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_;
};

}  // namespace zarno::cli
