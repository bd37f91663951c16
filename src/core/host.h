// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarno {

class SettingsStore;  // settings/settings_store.h

// A font as the font dialog shows it.
struct FontSpec {
  std::u16string family;
  int size = 0;  // points
  std::uint32_t color = 0;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// What the window model needs of its surroundings: the window, the command-line tool or a
// test implements it.
class Host {
 public:
  virtual ~Host() = default;

  // The program's own message box, answered OK.
  virtual void ShowMessage(std::u16string_view text) = 0;
  // The application's error box: a failed operation is reported here and stops.
  virtual void ReportError(std::u16string_view text) = 0;

  // The installed font families, sorted; asked again after InstallShippedFont installed one.
  virtual std::vector<std::u16string> InstalledFontFamilies() = 0;
  // Installs the shipped font for the user and makes it usable in this process; true when
  // a font was installed (the font list is then built afresh).
  virtual bool InstallShippedFont() { return false; }

  // The standard font dialog, loaded with `current`; returns the chosen font, or `current`
  // when the user cancels.
  virtual FontSpec ChooseFont(const FontSpec& current) { return current; }

  // Opens a help page ("glagolitic", ...) in the help window.
  virtual void OpenHelpPage(std::string_view /*page*/) {}
  // The settings file: by default "Zarno.ini" in the current directory, as the command-line
  // replay keeps it; the window keeps it where the user's settings live.
  virtual std::string SettingsPath() { return "Zarno.ini"; }
  // Settings kept elsewhere than in that file (in memory, for tests and fuzzing); null for
  // the file.
  virtual SettingsStore* SettingsElsewhere() { return nullptr; }
};

}  // namespace zarno
