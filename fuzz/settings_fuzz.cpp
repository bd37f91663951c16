// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as "Zarno.ini". Besides the sanitizers' findings, every input must keep
// what the reader promises: lines within the length limit, no line break in a key or value,
// no "=" in a value, the same entries read from a file as from memory, and entries that
// survive being written and read again unchanged.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/number.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// One file per fuzzing process, in a folder of its own, removed at exit. In memory when the
// system offers it: on a disk the write and truncation per input slow the run twentyfold.
const std::filesystem::path& ScratchFile() {
  static const std::filesystem::path file = [] {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = base / "zarno-fuzz-XXXXXX";
    Check(::mkdtemp(pattern.data()) != nullptr);
    static std::filesystem::path dir = pattern;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(dir, ec);
    });
    return dir / "Zarno.ini";
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zarno;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<SettingsEntry> entries = ParseSettingsText(bytes);

  for (const SettingsEntry& e : entries) {
    Check(e.key.size() + 1 + e.value.size() <= kMaxSettingsLine);
    Check(e.key.find_first_of(u"\r\n") == std::u16string::npos);
    Check(e.value.find_first_of(u"=\r\n") == std::u16string::npos);
    Check(e.key.find(u'\0') == std::u16string::npos && e.value.find(u'\0') == std::u16string::npos);
    // What the window does with each entry.
    if (FindSettingKey(e.key)) {
      if (const auto n = ParseSettingsInteger(e.value)) {
        Check(ParseSettingsInteger(ToDecimal(*n)) == n);
      } else {
        Check(!NotAnIntegerMessage(e.value).empty());
      }
    }
  }

  // Written out and read back, the entries stay as they are. A first key that begins with
  // U+FEFF is the one exception: written first in the file it reads as a byte order mark.
  const bool leading_mark = !entries.empty() && entries[0].key.starts_with(u'\uFEFF');
  if (!leading_mark) Check(ParseSettingsText(EncodeSettingsText(entries)) == entries);

  // The writer stores only what reads back: it refuses the entries or its bytes give them.
  const EncodedSettings encoded = EncodeSettingsForWriting(entries, u"Zarno.ini");
  Check(encoded.error.has_value() == UnwritableSettingsReason(entries).has_value() ||
        encoded.error.has_value());
  if (!encoded.error) Check(ParseSettingsText(encoded.bytes) == entries);
  if (leading_mark) Check(encoded.error.has_value());

  // The file path reads the same as memory.
  {
    std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const SettingsRead read = ReadSettingsFile(ScratchFile());
  if (size <= kMaxSettingsFileBytes) {
    Check(read.outcome == SettingsRead::Outcome::kEntries && read.entries == entries);
  } else {
    Check(read.outcome == SettingsRead::Outcome::kError);
  }
  return 0;
}
