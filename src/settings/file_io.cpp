// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <random>

namespace zarno {

namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports the result: on some file systems a write error shows only here.
  int Close() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A name for the temporary file that no other writer, in this process or another, picks at
// the same moment; O_EXCL settles the rare clash.
std::filesystem::path TemporaryName(const std::filesystem::path& dir,
                                    const std::filesystem::path& name) {
  static std::atomic<unsigned> counter{0};
  thread_local std::minstd_rand random{std::random_device{}()};
  std::string tmp = TemporaryFilePrefix(name) + std::to_string(::getpid()) + "-" +
                    std::to_string(counter++) + "-" + std::to_string(random() % 1000000);
  return dir / tmp;
}

// The file a chain of symbolic links ends at (path itself when it is no link).
std::error_code FollowLinks(std::filesystem::path& path) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return LastError();
    if (static_cast<std::size_t>(n) >= target.size()) {
      return std::make_error_code(std::errc::filename_too_long);  // it grew under us
    }
    target.resize(static_cast<std::size_t>(n));
    const std::filesystem::path next(target);
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Removes the temporary files of writers that died before renaming them. A name whose
// process id is not running any more is stale; a live process may still be writing its own.
void RemoveStaleTemporaryFiles(const std::filesystem::path& dir,
                               const std::filesystem::path& name) {
  const std::string prefix = TemporaryFilePrefix(name);
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return;
  while (const dirent* e = ::readdir(d)) {
    const std::string_view entry = e->d_name;
    if (!entry.starts_with(prefix)) continue;
    const std::string_view rest = entry.substr(prefix.size());
    pid_t pid = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (ec != std::errc() || end == rest.data() || *end != '-' || pid <= 0) continue;
    if (pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
    struct stat st {};
    const std::filesystem::path stale = dir / entry;
    if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(stale.c_str());
  }
  ::closedir(d);
}

// Whether the file may be replaced: not when it has no write bit at all (root included), nor
// when the system would not let this process write it.
bool MayReplace(const std::filesystem::path& path, const struct stat& st) {
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

std::string TemporaryFilePrefix(const std::filesystem::path& name) {
  return "." + name.string() + ".tmp-";
}

FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t max_bytes) {
  FileBytes out;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer forever.
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (fd.get() < 0) {
    out.status = errno == ENOENT ? FileReadStatus::kMissing : FileReadStatus::kError;
    out.error = LastError();
    return out;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    out.error = LastError();
    return out;
  }
  if (S_ISDIR(st.st_mode)) {
    out.error = std::make_error_code(std::errc::is_a_directory);
    return out;
  }
  if (!S_ISREG(st.st_mode)) {
    out.status = FileReadStatus::kNotRegular;
    return out;
  }
  // Read by chunks rather than trusting st_size: files under /proc report 0 and still have
  // content, and a file may grow while we read it.
  char buf[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.error = LastError();
      out.bytes.clear();
      return out;
    }
    if (n == 0) break;
    out.bytes.append(buf, static_cast<std::size_t>(n));
    if (out.bytes.size() > max_bytes) {
      out.status = FileReadStatus::kTooLarge;
      out.bytes.clear();
      return out;
    }
  }
  out.status = FileReadStatus::kOk;
  return out;
}

std::error_code ReplaceFileAtomically(const std::filesystem::path& given, std::string_view bytes) {
  std::filesystem::path path = given;
  if (const std::error_code ec = FollowLinks(path)) return ec;
  const std::filesystem::path name = path.filename();
  if (name.empty() || name == "." || name == "..") {
    return std::make_error_code(std::errc::is_a_directory);
  }
  std::filesystem::path dir = path.parent_path();
  if (dir.empty()) dir = ".";

  // The file being replaced gives the new one its permission bits and owner.
  struct stat old {};
  const bool replacing = ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  if (replacing && !MayReplace(path, old)) {
    return std::make_error_code(std::errc::permission_denied);
  }
  RemoveStaleTemporaryFiles(dir, name);

  std::filesystem::path tmp;
  int raw_fd = -1;
  for (int attempt = 0; attempt < 100 && raw_fd < 0; ++attempt) {
    tmp = TemporaryName(dir, name);
    raw_fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (raw_fd < 0 && errno != EEXIST) return LastError();
  }
  if (raw_fd < 0) return std::make_error_code(std::errc::file_exists);
  Fd fd(raw_fd);

  auto fail = [&tmp](std::error_code ec) {
    ::unlink(tmp.c_str());
    return ec;
  };
  if (!WriteAll(fd.get(), bytes)) return fail(LastError());
  if (replacing) {
    // Best effort: the data matters more. The owner first, since a change of owner clears
    // the setuid and setgid bits anyway; those, and the sticky bit, are never passed on.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      (void)::fchown(fd.get(), old.st_uid, old.st_gid);
    }
    ::fchmod(fd.get(), old.st_mode & 0777);
  }
  if (::fsync(fd.get()) != 0) return fail(LastError());
  if (fd.Close() != 0) return fail(LastError());
  if (::rename(tmp.c_str(), path.c_str()) != 0) return fail(LastError());

  // Make the rename itself durable. The new file is in place already, so a failure here is
  // not worth an error box.
  Fd dir_fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir_fd.get() >= 0) ::fsync(dir_fd.get());
  return {};
}

}  // namespace zarno
