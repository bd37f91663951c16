// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Zarno.ini": lines of key=value. Reading yields the entries in file order and leaves their
// meaning to the window, which applies them one by one; writing replaces the whole file.
//
// The format as we read it:
// - The file is UTF-8 when all of it is valid UTF-8 (a leading byte order mark is skipped);
//   otherwise it is Windows-1251, the code page the program wrote in on Russian Windows.
//   Only a file written there could be misread: a run of Windows-1251 bytes that happens to
//   be valid UTF-8, which no real font name makes.
// - Lines end with CR LF, a bare LF or a bare CR; the last line needs no end.
// - A line is split at its LAST "=": the key is what comes before, the value what comes
//   after, both unchanged. A line without "=" (an empty one too) yields nothing.
// - A line longer than kMaxSettingsLine characters (UTF-16 code units, counted after
//   decoding) lies outside the format and yields nothing: no key or font name comes near
//   that length, and cutting it short would turn junk into a value.
// - A line holding a NUL character yields nothing: a font family name cannot contain one,
//   and every layer below us would cut the name there.
// - A file larger than kMaxSettingsFileBytes is not read at all (an error): ours is under
//   one kilobyte, so anything that large is not a settings file. Below that, every line is
//   read, however many there are.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarno {

inline constexpr std::string_view kSettingsFileName = "Zarno.ini";
inline constexpr std::size_t kMaxSettingsLine = 255;
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{16} * 1024 * 1024;

struct SettingsEntry {
  std::u16string key;
  std::u16string value;
  friend bool operator==(const SettingsEntry&, const SettingsEntry&) = default;
};

struct SettingsRead {
  enum class Outcome {
    kEntries,  // entries holds what the file says (possibly nothing)
    kNoFile,   // nothing of that name: nothing to read, nothing to report
    kError,    // error holds the text for the error box
  };
  Outcome outcome = Outcome::kNoFile;
  std::vector<SettingsEntry> entries;
  std::u16string error;
};

// Reads the settings file. Never throws; never blocks on a FIFO or device put in its place.
SettingsRead ReadSettingsFile(const std::filesystem::path& path);

// "Zarno.ini" as the messages name it.
std::u16string SettingsFileNameText();
// Why a file larger than kMaxSettingsFileBytes is not read.
inline constexpr std::u16string_view kTooLargeReason = u"файл больше 16 МиБ, это не файл настроек";
// The text of the error box for a settings file `file_name` that could not be read.
std::u16string ReadFailedMessage(std::u16string_view file_name, std::u16string_view reason);

// The text of a file's bytes, decoded as described above.
std::u16string DecodeSettingsBytes(std::string_view bytes);

// The entries of a file's bytes.
std::vector<SettingsEntry> ParseSettingsText(std::string_view bytes);

// A numeric value as a whole decimal number: an optional "+" or "-", then one or more ASCII
// digits, nothing else (no blanks, no hexadecimal), within the signed 32-bit range.
// The file only ever holds decimal numbers; nullopt for anything else.
std::optional<std::int32_t> ParseSettingsInteger(std::u16string_view value);

// "'<value>' is not a valid integer value": what the window reports for such a value.
std::u16string NotAnIntegerMessage(std::u16string_view value);

// The bytes of a file holding the entries: key=value, each line ended by CR LF, in UTF-8
// (plain ASCII for ASCII names). Keys and values are written as given.
std::string EncodeSettingsText(const std::vector<SettingsEntry>& entries);

// Why the entries cannot be written so that reading the file gives them back, as a reason for
// the error box ("значение Kirillitsa_Font_Name содержит перевод строки"); nullopt when they
// can. Such entries are never written: a line break in a font name would add a line of its
// own making, a "=" in a value moves the split, a longer line or a NUL is skipped by the
// reader, a lone surrogate has no UTF-8 form, and U+FEFF at the start reads as a byte order
// mark.
std::optional<std::u16string> UnwritableSettingsReason(const std::vector<SettingsEntry>& entries);

// The bytes to store for the entries, or the text for the error box that refuses them
// ("Не удалось записать файл <name>: <reason>").
struct EncodedSettings {
  std::string bytes;
  std::optional<std::u16string> error;
};
EncodedSettings EncodeSettingsForWriting(const std::vector<SettingsEntry>& entries,
                                         std::u16string_view file_name);

// Replaces the file by the entries, atomically: on failure, and for entries that could not be
// read back, the old file stays as it was and the text for the error box is returned; nullopt
// means the file is written. A missing folder on the way is created; an empty path (no home
// folder to keep settings in) fails.
std::optional<std::u16string> WriteSettingsFile(const std::filesystem::path& path,
                                                const std::vector<SettingsEntry>& entries);

}  // namespace zarno
