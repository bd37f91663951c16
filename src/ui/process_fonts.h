// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Our font in this process and for the user.
#include <QString>
#include <QStringList>

namespace zarno::ui {

// Loads kolvan+.ttf into the running process from the first place that has it: beside the
// program, the installed data folder, the user's font folder. So our
// signs draw even before (or without) an installation. Remembers first whether the font was
// installed at all, for InstalledFontFamilies; when it was, renews a copy in the user's font
// folder that is older than ours (or broken) and loads the new one. Safe to call more than once.
void LoadShippedFontForProcess();

// True when fontconfig knew "Kolvana+" before this process loaded its own copy.
bool ShippedFontInstalledAtStart();

// Copies kolvan+.ttf into the user's font folder when no copy of our font as new as the shipped
// one is there yet, and loads the copy; true when the font is usable in this process afterwards.
// Says on standard error why the font could not be installed.
bool InstallShippedFontForUser();

// The installed families as the font lists show them. Until an installation has been tried,
// a family that only our own process loaded is left out, so that start-up still sees that
// the font is missing for other programs and installs it.
QStringList FontFamiliesForLists(bool install_tried);

// The family that the window's captions use.
QString UiFamily();

}  // namespace zarno::ui
