// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/font_file.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/test_fonts.h"

namespace zarno {
namespace {

using namespace testing;

TEST(ParseFontFile, OurFontWithItsFamilyAndVersion) {
  const std::string font = ShippedFontBytes();
  const ParsedFont parsed = ParseFontFile(font);
  ASSERT_TRUE(parsed.facts) << parsed.problem;
  EXPECT_EQ(parsed.facts->family, "Kolvana+");
  EXPECT_EQ(parsed.facts->revision, RevisionOf(font));
  EXPECT_GE(parsed.facts->revision, 0x10000);  // 1.000 and later
  EXPECT_TRUE(parsed.problem.empty());
}

TEST(ParseFontFile, TheVersionComesFromTheHeadTable) {
  const ParsedFont parsed = ParseFontFile(WithRevision(ShippedFontBytes(), 0x0002'8000));
  ASSERT_TRUE(parsed.facts) << parsed.problem;
  EXPECT_EQ(parsed.facts->revision, 0x0002'8000);
  EXPECT_EQ(RevisionText(parsed.facts->revision), "2.500");
  EXPECT_EQ(RevisionText(65602), "1.001");
}

TEST(ParseFontFile, AnotherFamilyIsReadAsSuch) {
  const ParsedFont parsed = ParseFontFile(WithFamilyKolvanka(ShippedFontBytes()));
  ASSERT_TRUE(parsed.facts) << parsed.problem;
  EXPECT_EQ(parsed.facts->family, "Kolvanka");
}

TEST(ParseFontFile, WhatIsNoFont) {
  const std::string font = ShippedFontBytes();
  for (const std::string& bytes :
       {std::string(kNotAFont), std::string(), std::string("\0\1\0\0", 4), font.substr(0, 12),
        font.substr(0, font.size() / 3), std::string("<html>404</html>")}) {
    const ParsedFont parsed = ParseFontFile(bytes);
    EXPECT_FALSE(parsed.facts) << bytes.size() << " bytes";
    EXPECT_FALSE(parsed.problem.empty());
  }
  EXPECT_EQ(ParseFontFile(kNotAFont).problem, "not a font");
}

TEST(ParseFontFile, ACopyCutShortLacksTables) {
  // FreeType itself opens these and takes the lost outlines for empty glyphs.
  const std::string font = ShippedFontBytes();
  for (std::size_t keep : {font.size() - 1, font.size() * 9 / 10, font.size() / 2}) {
    const ParsedFont parsed = ParseFontFile(font.substr(0, keep));
    EXPECT_FALSE(parsed.facts) << keep << " bytes";
    EXPECT_EQ(parsed.problem.rfind("cut short: ", 0), 0u) << parsed.problem;
  }
}

TEST(ParseFontFile, DamagedOutlinesBehindAWholeDirectory) {
  const ParsedFont parsed = ParseFontFile(WithDamagedGlyphs(ShippedFontBytes()));
  EXPECT_FALSE(parsed.facts);
  EXPECT_EQ(parsed.problem.rfind("glyph ", 0), 0u) << parsed.problem;
}

}  // namespace
}  // namespace zarno
