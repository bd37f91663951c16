// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the settings live: the file "Zarno.ini", or bytes in memory that are written and
// read exactly as the file is (for the tests and the fuzz targets, which must not wait for a
// disk).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace zarno {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual bool Exists() = 0;
  virtual SettingsRead Read() = 0;
  // nullopt when written; otherwise the text for the error box, and nothing changed.
  virtual std::optional<std::u16string> Write(const std::vector<SettingsEntry>& entries) = 0;
};

class SettingsFileStore final : public SettingsStore {
 public:
  explicit SettingsFileStore(std::filesystem::path path) : path_(std::move(path)) {}
  bool Exists() override;
  SettingsRead Read() override { return ReadSettingsFile(path_); }
  std::optional<std::u16string> Write(const std::vector<SettingsEntry>& entries) override {
    return WriteSettingsFile(path_, entries);
  }

 private:
  std::filesystem::path path_;
};

class SettingsMemoryStore final : public SettingsStore {
 public:
  bool Exists() override { return bytes.has_value(); }
  SettingsRead Read() override;
  std::optional<std::u16string> Write(const std::vector<SettingsEntry>& entries) override;

  // The file's bytes; nullopt when there is no file.
  std::optional<std::string> bytes;
};

}  // namespace zarno
