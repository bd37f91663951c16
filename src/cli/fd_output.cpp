// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fd_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zarno::cli {

FdOutput::FdOutput(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

FdOutput::~FdOutput() { Drain(); }

bool FdOutput::WriteAll(const char* data, std::size_t size) {
  if (error_ != 0) return false;
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool FdOutput::Drain() {
  const bool ok = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return ok;
}

FdOutput::int_type FdOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize FdOutput::xsputn(const char* s, std::streamsize n) {
  const auto size = static_cast<std::size_t>(n);
  const auto room = static_cast<std::size_t>(epptr() - pptr());
  if (size <= room) {
    std::memcpy(pptr(), s, size);
    pbump(static_cast<int>(size));
    return n;
  }
  // Large blocks go straight to the descriptor, after what is buffered.
  if (!Drain() || !WriteAll(s, size)) return 0;
  return n;
}

int FdOutput::sync() { return Drain() ? 0 : -1; }

}  // namespace zarno::cli
