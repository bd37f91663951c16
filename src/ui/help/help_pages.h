// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help pages are data: one text file per page, embedded as a Qt resource. Line 1 of a
// file is the window caption, line 2 is empty, then come the paragraphs, separated by one
// empty line.

#include <QString>
#include <array>
#include <optional>
#include <string_view>

namespace zarno::ui {

struct HelpPage {
  QString caption;
  QString text;  // paragraphs joined with an empty line, no line break at the end
};

// The pages: the ten of the "Справка" submenu in menu order, then the page on fonts.
inline constexpr std::array<std::string_view, 11> kHelpPageIds = {
    "cyrillic",    "glagolitic",  "roman", "chinese", "armenian", "tamil",
    "greek_ionic", "greek_attic", "maya",  "hebrew",  "fonts",
};

bool IsHelpPage(std::string_view id);

// Splits the text of a page file. Accepts LF and CR LF line ends; several empty lines in a
// row count as one paragraph break, and the lines of one paragraph stay as they are.
// nullopt when the caption is missing or line 2 is not empty.
std::optional<HelpPage> ParseHelpPage(const QString& file_text);

// The page from the embedded resource; nullopt for an unknown id.
std::optional<HelpPage> LoadHelpPage(std::string_view id);

// Where the page file lies in the resource.
QString HelpPageResource(std::string_view id);

}  // namespace zarno::ui
