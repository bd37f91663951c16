// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few file operations that the settings file and the font installer need, done with POSIX
// calls because the standard streams can neither refuse to block on a FIFO nor flush a file
// to the disk.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zarno {

enum class FileReadStatus {
  kOk,          // bytes holds the whole file
  kMissing,     // nothing of that name (also a dangling symbolic link)
  kNotRegular,  // a FIFO, a device, a socket: never read, so that we cannot block or loop
  kTooLarge,    // more than max_bytes
  kError,       // error holds the reason (a directory gives "Is a directory")
};

struct FileBytes {
  FileReadStatus status = FileReadStatus::kError;
  std::string bytes;
  std::error_code error;
};

// Reads a whole regular file, but never more than max_bytes + 1 bytes of it.
FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t max_bytes);

// Replaces the file at path by the bytes, so that a reader sees either the old file or the
// whole new one: the bytes go into a new file beside it, which is flushed to the disk and then
// renamed over the old name. On failure the temporary file is removed, the old file is left
// as it was and the reason is returned; an empty error code means success.
// - A file without any write permission bit is kept as it is (permission_denied), also for
//   root: its owner made it read-only to keep it. Others' write permission is checked as the
//   system checks it.
// - A symbolic link at path is followed, through a chain of links, and its final target is
//   replaced, so that a link into a folder of kept files keeps working; a dangling link
//   creates its target.
// - The new file gets the permission bits of the file it replaces, without the setuid, setgid
//   and sticky bits, and its owner and group where this process may give them (root may); a
//   new file gets 0666 less the umask.
// - Temporary files that killed writers left beside the file are removed first; those of
//   processes still running are left alone.
std::error_code ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The prefix of the temporary files for the file name ("Zarno.ini" gives ".Zarno.ini.tmp-"),
// followed by the writer's process id and "-".
std::string TemporaryFilePrefix(const std::filesystem::path& name);

}  // namespace zarno
