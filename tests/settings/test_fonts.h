// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Font files for the installer's tests: our real font as the build ships it, and copies of it
// changed in one respect each, so that only that respect decides what the installer does.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace zarno::testing {

inline std::string ShippedFontBytes() {
  std::ifstream in(ZARNO_SHIPPED_FONT, std::ios::binary);
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  EXPECT_GT(bytes.size(), 1000u) << "cannot read " << ZARNO_SHIPPED_FONT;
  return bytes;
}

inline std::uint32_t BigEndian(std::string_view bytes, std::size_t at, int count) {
  std::uint32_t v = 0;
  for (int i = 0; i < count; ++i) v = v << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return v;
}

struct TableSpan {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// Where a table lies, from the table directory at the start of the file.
inline TableSpan Table(std::string_view font, std::string_view tag) {
  const std::uint32_t count = BigEndian(font, 4, 2);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t record = 12 + 16 * i;
    if (font.substr(record, 4) == tag) {
      return {BigEndian(font, record + 8, 4), BigEndian(font, record + 12, 4)};
    }
  }
  ADD_FAILURE() << "no table " << tag;
  return {};
}

// fontRevision of the 'head' table, in 1/65536.
inline std::int32_t RevisionOf(std::string_view font) {
  return static_cast<std::int32_t>(BigEndian(font, Table(font, "head").offset + 4, 4));
}

inline std::string WithRevision(std::string font, std::int32_t revision) {
  const std::size_t at = Table(font, "head").offset + 4;
  for (int i = 0; i < 4; ++i)
    font[at + i] = static_cast<char>(std::uint32_t(revision) >> (24 - 8 * i));
  return font;
}

// Our font under another family name of the same length ("Kolvanka"): every name record
// that says "Kolvana+" (UTF-16BE, as the Windows records are) says it no longer.
inline std::string WithFamilyKolvanka(std::string font) {
  const std::string from("\0K\0o\0l\0v\0a\0n\0a\0+", 16);
  const std::string to("\0K\0o\0l\0v\0a\0n\0k\0a", 16);
  const TableSpan name = Table(font, "name");
  int replaced = 0;
  for (std::size_t at = font.find(from, name.offset);
       at != std::string::npos && at < name.offset + name.length; at = font.find(from, at + 1)) {
    font.replace(at, to.size(), to);
    ++replaced;
  }
  EXPECT_GT(replaced, 0);
  return font;
}

// Our font with its outlines overwritten: the table directory, names and metrics are whole,
// so the file opens; no glyph loads.
inline std::string WithDamagedGlyphs(std::string font) {
  const TableSpan glyf = Table(font, "glyf");
  font.replace(glyf.offset, glyf.length, std::string(glyf.length, '\xFF'));
  return font;
}

// What a user or a failed download leaves under the font's name.
inline constexpr std::string_view kNotAFont = "trueNOT A FONT";

}  // namespace zarno::testing
