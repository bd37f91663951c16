// SPDX-License-Identifier: GPL-3.0-or-later
// The window's saves never spoil "Zarno.ini": a font box text that the file could not give back
// is refused in the error box and the old file stays; over-long texts and sizes from the file
// are brought within what the window can hold and draw.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/number.h"
#include "fake_host.h"
#include "settings/settings_store.h"

namespace zarno::testing {
namespace {

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

struct BadName {
  const char* what;
  Ctl box;
  std::u16string name;
  std::u16string_view reason;
};

TEST(SettingsSafety, AFontNameThatWouldNotReadBackIsRefusedAndTheFileKept) {
  const BadName cases[] = {
      {"CR with a line of its own", Ctl::FontKirillitsa, u"X\rKiril_Font_Size=abc",
       u"значение Kirillitsa_Font_Name содержит перевод строки"},
      {"LF", Ctl::FontArab1, u"Sans\nSerif", u"значение FontArab1 содержит перевод строки"},
      {"equals sign", Ctl::FontRim, u"Arial=Bold", u"значение Rim_Font_Name содержит знак «=»"},
      {"too long for a line", Ctl::FontMaya, std::u16string(241, u'm'),
       u"значение Maya_Font_Name длиннее 255 знаков вместе с ключом"},
  };
  for (const BadName& c : cases) {
    Window w;
    const auto ini = w.host.dir.path() / "Zarno.ini";
    const std::string before = ReadFile(ini);
    w.model.SetText(c.box, c.name);
    w.model.SetSpinValue(40);  // a save
    ASSERT_EQ(w.host.errors.size(), 1u) << c.what;
    EXPECT_EQ(w.host.errors[0], u"Не удалось записать файл " + FromUtf8(ini.string()) + u": " +
                                    std::u16string(c.reason) + u"; такое значение не сохраняется")
        << c.what;
    EXPECT_EQ(ReadFile(ini), before) << c.what;

    // The next start reads the old file without complaint.
    MainWindowModel again(w.host);
    again.FormCreate();
    EXPECT_EQ(w.host.errors.size(), 1u) << c.what;
  }
}

TEST(SettingsSafety, AHugeFontNameIsCutToTheLengthOfTheBox) {
  Window w;
  w.model.SetText(Ctl::FontKirillitsa, std::u16string(1'000'000, u'x'));
  EXPECT_EQ(w.model.Text(Ctl::FontKirillitsa).size(), kFontBoxMaxLength);
  for (int i = 0; i < kControlCount; ++i) {
    EXPECT_LE(w.model.Controls()[i].font.size(), kFontBoxMaxLength) << Name(static_cast<Ctl>(i));
  }
}

TEST(SettingsSafety, SizesFromTheFileAreKeptWithinWhatTheWindowDraws) {
  const struct {
    const char* value;
    int kiril_points;
    int spin;
  } cases[] = {
      {"2147483647", kMaxOutputPoints, 99},
      {"-2147483648", kMinOutputPoints, 5},
      {"0", kMinOutputPoints, 5},
      {"200", 200, 99},
      {"40", 40, 40},
      {"401", kMaxOutputPoints, 99},
  };
  for (const auto& c : cases) {
    FakeHost host;
    {
      std::ofstream f(host.dir.path() / "Zarno.ini", std::ios::binary);
      f << "Kirillitsa_Font_Name=DejaVu Sans\r\nKiril_Font_Size=" << c.value
        << "\r\nFontArab_Size=" << c.value << "\r\n";
    }
    MainWindowModel m(host);
    m.FormCreate();
    EXPECT_EQ(m.State(Ctl::Kiril).font_size, c.kiril_points) << c.value;
    EXPECT_EQ(m.State(Ctl::Arab1).font_size, c.kiril_points) << c.value;
    EXPECT_EQ(m.SpinValue(), c.spin) << c.value;
    // The lowered thousands sign of another font than ours is four fifths high, in twips.
    m.SetText(Ctl::Sovr, u"1001");
    ASSERT_FALSE(m.KirilFormat().empty()) << c.value;
    EXPECT_EQ(m.KirilFormat()[0].height_twips, 16 * c.kiril_points) << c.value;
    EXPECT_TRUE(host.errors.empty()) << c.value;
  }
}

}  // namespace
}  // namespace zarno::testing
