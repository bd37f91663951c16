// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

namespace zarno {

bool SettingsFileStore::Exists() {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
}

SettingsRead SettingsMemoryStore::Read() {
  SettingsRead out;
  if (!bytes) return out;
  if (bytes->size() > kMaxSettingsFileBytes) {
    out.outcome = SettingsRead::Outcome::kError;
    out.error = ReadFailedMessage(SettingsFileNameText(), kTooLargeReason);
    return out;
  }
  out.outcome = SettingsRead::Outcome::kEntries;
  out.entries = ParseSettingsText(*bytes);
  return out;
}

std::optional<std::u16string> SettingsMemoryStore::Write(
    const std::vector<SettingsEntry>& entries) {
  EncodedSettings encoded = EncodeSettingsForWriting(entries, SettingsFileNameText());
  if (encoded.error) return encoded.error;
  bytes = std::move(encoded.bytes);
  return std::nullopt;
}

}  // namespace zarno
