// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file without one readable line of the sixteen keys: kept aside as
// "Zarno.ini.damaged", reported once, and the window starts as with no file at all.
#include "settings/damaged_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/number.h"
#include "fake_host.h"

namespace zarno::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void WriteFile(const fs::path& p, std::string_view bytes) {
  std::ofstream f(p, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A file the program wrote, saved again by an editor as UTF-16 with a byte order mark.
std::string Utf16Le(std::string_view ascii) {
  std::string out("\xFF\xFE", 2);
  for (char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

struct DamagedCase {
  const char* name;
  std::string bytes;
};

class DamagedSettingsTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedSettingsTest, IsKeptAsideAndTheFontsAreChosenAfresh) {
  FakeHost host;
  const fs::path ini = host.dir.path() / "Zarno.ini";
  WriteFile(ini, GetParam().bytes);
  MainWindowModel m(host);
  m.FormCreate();

  EXPECT_EQ(ReadFile(host.dir.path() / "Zarno.ini.damaged"), GetParam().bytes) << "kept as it was";
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], u"Файл настроек " + FromUtf8(ini.string()) +
                                u" повреждён: в нём нет ни одной настройки. Он сохранён как " +
                                FromUtf8(ini.string()) + u".damaged, шрифты подобраны заново.");
  // The window as with no file: the automatic choice and the default sizes and colours.
  EXPECT_EQ(m.Text(Ctl::FontKirillitsa), u"Kolvana+");
  EXPECT_EQ(m.State(Ctl::Kiril).font, u"Kolvana+");
  EXPECT_EQ(m.SpinValue(), 28);
  EXPECT_EQ(m.State(Ctl::Kiril).font_size, 28);
  EXPECT_EQ(m.State(Ctl::Arab1).font_size, 27);
  EXPECT_EQ(m.State(Ctl::Kiril).color, 128u);
  EXPECT_EQ(ReadFile(ini).substr(0, 30), "Kirillitsa_Font_Name=Kolvana+\r");
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettingsTest,
    ::testing::Values(
        DamagedCase{"Empty", ""},
        DamagedCase{"BinaryJunk", std::string("\x7F"
                                              "ELF\x02\x01\x01\0\0\0\xFF\xFE=\x80",
                                              14)},
        DamagedCase{"Utf16", Utf16Le("Kirillitsa_Font_Name=DejaVu Sans\r\nKiril_Font_Size=20\r\n")},
        DamagedCase{"OnlyUnknownKeys", "kiril_font_size=20\r\nSize=20\r\n[Fonts]\r\n"},
        DamagedCase{"KeyWithBlanks", " Kiril_Font_Size=20\r\nKiril_Font_Size =20\r\n"}),
    [](const ::testing::TestParamInfo<DamagedCase>& param_info) { return param_info.param.name; });

TEST(DamagedSettings, OneKeyMakesTheFileGoodAsBefore) {
  // A file with at least one of the sixteen keys is read as always, a bad number included.
  for (const char* text : {"junk\r\nKiril_Font_Size=20\r\n", "Kiril_Font_Color=12x\r\n"}) {
    FakeHost host;
    WriteFile(host.dir.path() / "Zarno.ini", text);
    MainWindowModel m(host);
    m.FormCreate();
    EXPECT_FALSE(fs::exists(host.dir.path() / "Zarno.ini.damaged")) << text;
    EXPECT_EQ(ReadFile(host.dir.path() / "Zarno.ini"), text);
    EXPECT_EQ(host.errors.size(), std::string_view(text).find("12x") != std::string::npos);
  }
}

TEST(DamagedSettings, AnEarlierKeptFileIsNotOverwritten) {
  FakeHost host;
  const fs::path dir = host.dir.path();
  WriteFile(dir / "Zarno.ini.damaged", "first");
  WriteFile(dir / "Zarno.ini.damaged-2", "second");
  WriteFile(dir / "Zarno.ini", "third");
  MainWindowModel m(host);
  m.FormCreate();
  EXPECT_EQ(ReadFile(dir / "Zarno.ini.damaged"), "first");
  EXPECT_EQ(ReadFile(dir / "Zarno.ini.damaged-2"), "second");
  EXPECT_EQ(ReadFile(dir / "Zarno.ini.damaged-3"), "third");
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_NE(host.errors[0].find(u"Zarno.ini.damaged-3,"), std::u16string::npos);
}

TEST(DamagedSettings, FileThatCannotBeReadIsNotDamagedButAnError) {
  // A folder in its place: the reading error is reported, nothing is renamed.
  FakeHost host;
  fs::create_directory(host.dir.path() / "Zarno.ini");
  MainWindowModel m(host);
  m.FormCreate();
  EXPECT_FALSE(fs::exists(host.dir.path() / "Zarno.ini.damaged"));
  EXPECT_TRUE(fs::is_directory(host.dir.path() / "Zarno.ini"));
}

TEST(DamagedSettings, NowhereToWriteStillStartsWithTheDefaults) {
  // The settings folder cannot be made: one error, and the window has the chosen fonts and
  // the default sizes all the same instead of the design values.
  FakeHost host;
  WriteFile(host.dir.path() / "config", "a file where the folder should be");
  host.settings_path = (host.dir.path() / "config" / "zarno" / "Zarno.ini").string();
  MainWindowModel m(host);
  m.FormCreate();
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(m.Text(Ctl::FontKirillitsa), u"Kolvana+");
  EXPECT_EQ(m.SpinValue(), 28);
  EXPECT_EQ(m.State(Ctl::Arab1).font_size, 27);
}

TEST(DamagedSettings, TheRuleItself) {
  EXPECT_TRUE(IsDamagedSettings({}));
  EXPECT_TRUE(IsDamagedSettings({{u"KIRIL_FONT_SIZE", u"20"}, {u"", u""}}));
  EXPECT_FALSE(IsDamagedSettings({{u"x", u"y"}, {u"FontArab2", u""}}));
}

}  // namespace
}  // namespace zarno::testing
