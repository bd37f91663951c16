// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the font installer must know of a file before it copies it into the user's fonts, read
// with FreeType from bytes already in memory: whether it is a TrueType or OpenType font whose
// every glyph loads, its family and its version.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarno {

struct FontFacts {
  std::string family;         // the family of its name table, as fontconfig and Qt list it
  std::int32_t revision = 0;  // fontRevision of its 'head' table, in 1/65536: 1.001 is 65602
};

struct ParsedFont {
  std::optional<FontFacts> facts;  // set when the bytes are a font that parses
  std::string problem;             // otherwise why not, in a few words
};

// Parses the first face of the bytes of a font file. Never throws.
ParsedFont ParseFontFile(std::string_view bytes) noexcept;

// "1.001" for 65602: a revision as font versions are written, to three decimals.
std::string RevisionText(std::int32_t revision);

}  // namespace zarno
