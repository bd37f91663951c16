#pragma once

// The installed font families as fontconfig knows them (no display needed), and our font
// installed for the user and loaded into this process.

#include <string>
#include <vector>

namespace zarno::cli {

std::vector<std::u16string> SystemFontFamilies();
// Installs "kolvan+.ttf" for the user when it is missing; true when it did.
bool InstallShippedFontForUser();

}  // namespace zarno::cli
