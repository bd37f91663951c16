// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/font_file.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace zarno {
namespace {

struct LibraryDone {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDone {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using Library = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDone>;
using Face = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDone>;

ParsedFont Problem(std::string text) { return ParsedFont{std::nullopt, std::move(text)}; }

std::uint32_t BigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count && at + i < bytes.size(); ++i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

// How many tables the directory of the first face names (numTables), for a single font or
// a collection.
std::uint32_t DirectoryTableCount(std::string_view bytes) {
  const std::size_t face = bytes.starts_with("ttcf") ? BigEndian(bytes, 12, 4) : 0;
  return BigEndian(bytes, face + 4, 2);
}

ParsedFont Parse(std::string_view bytes) {
  FT_Library raw_library = nullptr;
  if (FT_Init_FreeType(&raw_library) != 0) return Problem("FreeType cannot start");
  const Library library(raw_library);

  FT_Face raw_face = nullptr;
  if (FT_New_Memory_Face(library.get(), reinterpret_cast<const FT_Byte*>(bytes.data()),
                         static_cast<FT_Long>(bytes.size()), 0, &raw_face) != 0) {
    return Problem("not a font");
  }
  const Face face(raw_face);
  if (!FT_IS_SFNT(face.get()) || !FT_IS_SCALABLE(face.get())) {
    return Problem("not a TrueType or OpenType font");
  }
  // FreeType passes over a table that reaches beyond the end of the file, and then takes
  // missing outlines for empty ones: a file cut short would pass for a font without signs.
  FT_ULong tables = 0;
  FT_Sfnt_Table_Info(face.get(), 0, nullptr, &tables);
  if (const std::uint32_t named = DirectoryTableCount(bytes); tables < named) {
    return Problem("cut short: " + std::to_string(named - tables) + " of its " +
                   std::to_string(named) + " tables are missing");
  }
  const auto* head = static_cast<const TT_Header*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_HEAD));
  if (head == nullptr) return Problem("no 'head' table");
  // The table directory may be whole while the outlines behind it are cut short: load them.
  for (FT_Long glyph = 0; glyph < face->num_glyphs; ++glyph) {
    if (FT_Load_Glyph(face.get(), static_cast<FT_UInt>(glyph),
                      FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_IGNORE_TRANSFORM) != 0) {
      return Problem("glyph " + std::to_string(glyph) + " is damaged");
    }
  }
  FontFacts facts;
  if (face->family_name != nullptr) facts.family = face->family_name;
  facts.revision = static_cast<std::int32_t>(head->Font_Revision);
  return ParsedFont{std::move(facts), {}};
}

}  // namespace

ParsedFont ParseFontFile(std::string_view bytes) noexcept {
  try {
    return Parse(bytes);
  } catch (...) {
    // Only an allocation can throw here.
    return ParsedFont{std::nullopt, "out of memory"};
  }
}

std::string RevisionText(std::int32_t revision) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", revision / 65536.0);
  return text;
}

}  // namespace zarno
