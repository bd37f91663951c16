// SPDX-License-Identifier: GPL-3.0-or-later
// Digit sets, the chooser rows, and the window's use of the settings file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "digits/digit_sets.h"
#include "fake_host.h"

namespace zarno::testing {
namespace {

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(DigitSets, TheTableHas28SetsInTwoGroups) {
  ASSERT_EQ(DigitSets().size(), 28u);
  int group2 = 0;
  for (const DigitSet& set : DigitSets()) group2 += set.group == 2;
  EXPECT_EQ(group2, 15);
  EXPECT_EQ(ChooserRows().size(), 29u);
  for (const ChooserRow& row : ChooserRows()) {
    EXPECT_NE(FindDigitSet(row.name), nullptr) << "every chooser row names a set";
  }
}

TEST(DigitSets, ChoosingASetRewritesButtonsAndNumber) {
  Window w;
  w.Type(u"105");
  w.model.SetText(Ctl::Dr10Znak_Name, u"Бенгали");
  EXPECT_EQ(w.model.Text(Ctl::Arab1), u"\u09E7\u09E6\u09EB");
  EXPECT_EQ(w.model.State(Ctl::Arab1_0).font_size, 16);
  EXPECT_EQ(w.model.State(Ctl::Arab1).font, w.model.Text(Ctl::FontArab1));
  w.model.SetText(Ctl::Dr10Znak_Name, u"Саураштра");
  EXPECT_EQ(w.model.State(Ctl::Arab1_9).font_size, 26);
  EXPECT_EQ(w.model.Text(Ctl::Arab1_9), u"\uA8D9");
  // A name outside the table keeps the glyphs, sets size 16 and the first font.
  w.model.SetText(Ctl::Dr10Znak_Name, u"саураштра");
  EXPECT_EQ(w.model.Text(Ctl::Arab1_9), u"\uA8D9");
  EXPECT_EQ(w.model.State(Ctl::Arab1_9).font_size, 16);
  w.Type(u"1059");
  EXPECT_EQ(w.model.State(Ctl::Arab1).font, w.model.Text(Ctl::FontArab1));
}

TEST(DigitSets, TamilZeroDependsOnTheFontAtTheMomentOfChoice) {
  Window w;
  w.model.SetText(Ctl::FontArab1, u"Arial Unicode MS");
  w.model.SetText(Ctl::Dr10Znak_Name, u"Тамильские соврем.");
  w.Type(u"105");
  EXPECT_EQ(w.model.Text(Ctl::Arab1), u"\u0BE7o\u0BEB");
  w.model.SetText(Ctl::FontArab1, u"DejaVu Sans");
  EXPECT_EQ(w.model.Text(Ctl::Arab1_0), u"o") << "not until the set is chosen again";
  w.model.SetText(Ctl::Dr10Znak_Name, u"Тайские");
  w.model.SetText(Ctl::Dr10Znak_Name, u"Тамильские соврем.");
  EXPECT_EQ(w.model.Text(Ctl::Arab1_0), u"\u0BE6");
}

TEST(DigitSets, DigitButtonsTypeAsciiDigits) {
  Window w;
  w.model.SetText(Ctl::Dr10Znak_Name, u"Тайские");
  w.Click(Ctl::Arab1_1);
  w.Click(Ctl::Arab1_7);
  EXPECT_EQ(w.model.Sovr(), u"17");
  EXPECT_EQ(w.model.Text(Ctl::Arab1), u"\u0E51\u0E57");
}

TEST(Chooser, ARowChoosesTheSetWithItsGroupFontAndCloses) {
  Window w;
  w.model.SetText(Ctl::FontArab2, u"FreeSerif");
  EXPECT_FALSE(w.model.ChooseDigitSetRow(13)) << "the chooser is not shown";
  w.Click(Ctl::Button4);
  ASSERT_TRUE(w.model.ChooseDigitSetRow(13));
  EXPECT_FALSE(w.model.ChooserShown());
  EXPECT_EQ(w.model.Text(Ctl::Dr10Znak_Name), u"Саураштра");
  EXPECT_EQ(w.model.State(Ctl::Arab1).font, u"FreeSerif");
  // Tibetan in the first font stays in the first font when the number changes.
  w.model.SetText(Ctl::FontArab1, u"DejaVu Sans");
  w.Click(Ctl::Button4);
  w.model.ChooseDigitSetRow(18);
  w.Type(u"42");
  EXPECT_EQ(w.model.State(Ctl::Arab1).font, u"DejaVu Sans");
  w.Click(Ctl::Button4);
  w.model.ChooseDigitSetRow(19);
  w.Type(u"43");
  EXPECT_EQ(w.model.State(Ctl::Arab1).font, u"FreeSerif");
}

TEST(Settings, AFreshStartWritesTheDefaultFileFromInstalledFonts) {
  Window w;
  const std::string text = ReadFile(w.host.dir.path() / "Zarno.ini");
  EXPECT_EQ(text,
            "Kirillitsa_Font_Name=Kolvana+\r\nGlagolitsa_Font_Name=Kolvana+\r\n"
            "Rim_Font_Name=Kolvana+\r\nKitay_Font_Name=AR PL UMing CN\r\n"
            "Armen_Font_Name=DejaVu Sans\r\nGruz_Font_Name=DejaVu Sans\r\n"
            "GrekIonich_Font_Name=DejaVu Sans\r\nGrekAttich_Font_Name=Kolvana+\r\n"
            "Maya_Font_Name=Kolvana+\r\nIudeyskie_Font_Name=DejaVu Sans\r\n"
            "Kiril_Font_Size=28\r\nKiril_Font_Color=128\r\nFontArab1=DejaVu Sans\r\n"
            "FontArab2=Kolvana+\r\nFontArab_Size=27\r\nFontArab_Color=128\r\n");
  EXPECT_EQ(w.model.Text(Ctl::FontKirillitsa), u"Kolvana+");
  EXPECT_EQ(w.model.State(Ctl::Kiril).font, u"Kolvana+");
  EXPECT_EQ(w.model.State(Ctl::Kiril).font_size, 28);
  EXPECT_EQ(w.model.SpinValue(), 28);
  EXPECT_EQ(w.model.State(Ctl::Kiril1_1).font_size, 20) << "keys at 20 points with our font";
  EXPECT_TRUE(w.host.errors.empty());
}

TEST(Settings, SizeAndColourSurviveARestart) {
  FakeHost host;
  {
    MainWindowModel m(host);
    m.FormCreate();
    m.SetSpinValue(29);
    m.Click(Ctl::Label14);
  }
  MainWindowModel again(host);
  again.FormCreate();
  EXPECT_EQ(again.State(Ctl::Kiril).font_size, 29);
  EXPECT_EQ(again.State(Ctl::Arab1).font_size, 29);
  EXPECT_EQ(again.State(Ctl::Kiril).color, 32768u);
  EXPECT_EQ(again.State(Ctl::Arab1).color, 32768u);
}

TEST(Settings, ABadNumberStopsTheReadingWithTheMessage) {
  FakeHost host;
  {
    std::ofstream f(host.dir.path() / "Zarno.ini", std::ios::binary);
    f << "Kiril_Font_Size=40\r\nKiril_Font_Color=12x\r\nFontArab_Size=33\r\n";
  }
  MainWindowModel m(host);
  m.FormCreate();
  EXPECT_EQ(m.State(Ctl::Kiril).font_size, 40);
  EXPECT_EQ(m.SpinValue(), 40);
  EXPECT_NE(m.State(Ctl::Arab1).font_size, 33) << "the lines after the error are not read";
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], u"'12x' is not a valid integer value");
  // The size change during the reading saved nothing.
  EXPECT_EQ(ReadFile(host.dir.path() / "Zarno.ini").substr(0, 18), "Kiril_Font_Size=40");
}

TEST(Settings, SizeOutsideTheSpinRangeGoesToTheOutputOnly) {
  FakeHost host;
  {
    std::ofstream f(host.dir.path() / "Zarno.ini", std::ios::binary);
    f << "Kiril_Font_Size=200\r\n";
  }
  MainWindowModel m(host);
  m.FormCreate();
  EXPECT_EQ(m.State(Ctl::Kiril).font_size, 200);
  EXPECT_EQ(m.SpinValue(), 99);
}

TEST(Settings, AFailedSaveIsReportedAndTheProgramGoesOn) {
  FakeHost host;
  MainWindowModel m(host);
  m.FormCreate();
  std::filesystem::remove(host.dir.path() / "Zarno.ini");
  std::filesystem::create_directory(host.dir.path() / "Zarno.ini");  // no file can go there
  m.SetSpinValue(30);
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(m.State(Ctl::Kiril).font_size, 30);
}

TEST(Settings, FontBoxChangeSwitchesToItsSystem) {
  Window w;
  w.Type(u"1984");
  w.model.SetText(Ctl::FontArmen, u"FreeSans");
  EXPECT_EQ(w.model.System(), NumeralSystem::kArmen);
  EXPECT_EQ(w.model.State(Ctl::Kiril).font, u"FreeSans");
  EXPECT_EQ(w.model.Kiril(), u"\u054C\u054B\u0541\u0534");
}

TEST(Settings, ChooseFontsAgainResetsSizesAndColours) {
  Window w;
  w.model.SetSpinValue(40);
  w.Click(Ctl::Label15);
  w.Click(Ctl::Nastroyki);
  EXPECT_EQ(w.model.WindowWidth(), kWideWidth);
  w.Click(Ctl::Button5);
  EXPECT_EQ(w.model.State(Ctl::Kiril).font_size, 28);
  EXPECT_EQ(w.model.State(Ctl::Arab1).font_size, 27);
  EXPECT_EQ(w.model.State(Ctl::Kiril).color, 128u);
  w.Click(Ctl::Nastroyki);
  EXPECT_EQ(w.model.WindowWidth(), kNarrowWidth);
  EXPECT_EQ(w.model.Text(Ctl::Nastroyki), u"Настр. >>");
}

TEST(Settings, FontDialogAppliesEvenWhenCancelled) {
  Window w;
  w.Click(Ctl::GrekIonich);
  w.host.dialog_answer = FontSpec{u"FreeSerif", 33, 255, true, false};
  w.Click(Ctl::Button2);
  EXPECT_EQ(w.model.State(Ctl::Kiril).font, u"FreeSerif");
  EXPECT_EQ(w.model.SpinValue(), 33);
  EXPECT_EQ(w.model.Text(Ctl::FontGrekIonich), u"FreeSerif");
  EXPECT_NE(ReadFile(w.host.dir.path() / "Zarno.ini").find("GrekIonich_Font_Name=FreeSerif"),
            std::string::npos);
  w.host.dialog_answer.reset();  // cancel: nothing changes, the file is written all the same
  std::filesystem::remove(w.host.dir.path() / "Zarno.ini");
  w.Click(Ctl::Button2);
  EXPECT_EQ(w.model.State(Ctl::Kiril).font, u"FreeSerif");
  EXPECT_TRUE(std::filesystem::exists(w.host.dir.path() / "Zarno.ini"));
}

TEST(Settings, DigitFontDialogIsSavedAndComesBackAtTheNextStart) {
  Window w;
  w.host.dialog_answer = FontSpec{u"FreeMono", 31, 0xFF00FF, false, true};
  w.Click(Ctl::Button3);
  EXPECT_EQ(w.model.State(Ctl::Arab1).font, u"FreeMono");
  EXPECT_EQ(w.model.Text(Ctl::FontArab1), u"FreeMono");
  // The next window reads the same settings file.
  MainWindowModel next(w.host);
  next.FormCreate();
  EXPECT_EQ(next.Text(Ctl::FontArab1), u"FreeMono");
  EXPECT_EQ(next.State(Ctl::Arab1).font, u"FreeMono");
  EXPECT_EQ(next.State(Ctl::Arab1).font_size, 31);
  EXPECT_EQ(next.State(Ctl::Arab1).color, 0xFF00FFu);
}

}  // namespace
}  // namespace zarno::testing
