// SPDX-License-Identifier: GPL-3.0-or-later
// The window's wiring: what a user does to the real widgets reaches the model, and what the
// model then holds is what the widgets show. The numerals themselves are the model's tests.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEnterEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "program_info.h"
#include "ui/process_fonts.h"
#include "ui/widgets.h"
#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

QString PlainText(QTextEdit* edit) { return edit->toPlainText(); }

// The text a user would copy out of an output: the whole field selected.
QString SelectAllOf(RichOutput* out) {
  QTextCursor cursor(out->document());
  cursor.select(QTextCursor::Document);
  out->setTextCursor(cursor);
  return out->SelectedText();
}

TEST_F(WindowTest, StartsAsTheMainWindowInCyrillicAndNarrow) {
  EXPECT_EQ(Main().windowTitle(), QStringLiteral("Зарно %1 (переводчик чисел)")
                                      .arg(QString::fromLatin1(kProgramVersion.data())));
  EXPECT_EQ(Main().centralWidget()->width(), 461);
  EXPECT_EQ(Main().centralWidget()->height(), 558);
  EXPECT_EQ(Main().minimumSize(), Main().maximumSize());  // not resizable
  EXPECT_TRUE(Find<QRadioButton>(Ctl::KirilRadio)->isChecked());
  EXPECT_EQ(Find<QLineEdit>(Ctl::Sovr)->geometry(), QRect(85, 6, 188, 28));
  EXPECT_EQ(Find(Ctl::Kiril)->geometry(), QRect(85, 37, 285, 58));
  EXPECT_EQ(Find<QPushButton>(Ctl::Kiril1_1)->text(), QStringLiteral("а"));
  // Every interactive widget can be named by a screen reader.
  for (int i = 0; i < kControlCount; ++i) {
    EXPECT_FALSE(Find(static_cast<Ctl>(i))->accessibleName().isEmpty())
        << Name(static_cast<Ctl>(i));
  }
}

TEST_F(WindowTest, InstallsOurFontForTheUserWhenItWasMissing) {
  if (ShippedFontInstalledAtStart()) GTEST_SKIP() << "Kolvana+ was installed before the tests";
  EXPECT_TRUE(QFileInfo::exists(XdgDataHome() + QStringLiteral("/fonts/kolvan+.ttf")));
  // So the automatic choice gave the Cyrillic system our font.
  EXPECT_EQ(Model().Text(Ctl::FontKirillitsa), kShippedFontFamily);
}

TEST_F(WindowTest, TypedNumberShowsInBothOutputsWithTheLoweredThousandsSign) {
  Type(QStringLiteral("1234"));
  auto* kiril = Find<RichOutput>(Ctl::Kiril);
  EXPECT_EQ(PlainText(kiril), ToQ(u"\u0482а\u0483с\u0483л\u0483д\uE076"));
  EXPECT_EQ(SelectAllOf(Find<RichOutput>(Ctl::Arab1)), ToQ(u"\u0661\u0662\u0663\u0664"));
  // The thousands sign stands below the baseline, the letters on it.
  QTextCursor cursor(kiril->document());
  cursor.setPosition(1);
  EXPECT_LT(cursor.charFormat().baselineOffset(), 0);
  cursor.setPosition(2);
  EXPECT_EQ(cursor.charFormat().baselineOffset(), 0);
  // A private-use sign is always drawn from our font.
  EXPECT_TRUE(
      cursor.charFormat().fontFamilies().toStringList().contains(QStringLiteral("Kolvana+")));
  // The focus is back in Sovr with the caret at the end.
  auto* sovr = Find<QLineEdit>(Ctl::Sovr);
  EXPECT_EQ(Main().focusWidget(), sovr);
  EXPECT_EQ(sovr->cursorPosition(), 4);
}

TEST_F(WindowTest, TypedLetterIsDroppedFromSovr) {
  Type(QStringLiteral("12x"));
  EXPECT_EQ(Find<QLineEdit>(Ctl::Sovr)->text(), QStringLiteral("12"));
  EXPECT_EQ(PlainText(Find<QTextEdit>(Ctl::Kiril)), ToQ(Model().Kiril()));
  EXPECT_FALSE(Model().Kiril().empty());
}

TEST_F(WindowTest, SystemRadioButtonsRebuildTheKeypad) {
  Click(Ctl::RimRadio);
  EXPECT_TRUE(Find<QRadioButton>(Ctl::RimRadio)->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(Ctl::KirilRadio)->isChecked());
  EXPECT_EQ(Find<QPushButton>(Ctl::Kiril1_1)->text(), QStringLiteral("Ⅰ"));
  EXPECT_TRUE(Find(Ctl::Rim_100000)->isVisible());
  EXPECT_FALSE(Find(Ctl::Tysyasha)->isVisible());
  EXPECT_FALSE(Find(Ctl::Kiril1_2)->isVisible());

  Click(Ctl::GlagolRadio);
  EXPECT_EQ(Find<QPushButton>(Ctl::Kiril1_1)->text(), ToQ(u"\u2C30"));
  EXPECT_TRUE(Find(Ctl::Glagolitsa_2000)->isVisible());
  EXPECT_TRUE(Find(Ctl::Label78)->isVisible());
  EXPECT_FALSE(Find(Ctl::Rim_100000)->isVisible());
  // Each shown key has its grey value under or beside it.
  QLabel* value = Main().ValueLabel(Ctl::Glagolitsa_2000);
  ASSERT_NE(value, nullptr);
  EXPECT_TRUE(value->isVisible());
  EXPECT_EQ(value->text(), QStringLiteral("2000"));
}

TEST_F(WindowTest, MayaOutputIsANarrowColumn) {
  Type(QStringLiteral("4294967295"));
  Click(Ctl::Maya);
  auto* kiril = Find<QTextEdit>(Ctl::Kiril);
  EXPECT_EQ(kiril->geometry(), QRect(312, 37, 53, 363));
  EXPECT_EQ(PlainText(kiril), ToQ(Model().Kiril()));
  // One digit glyph under the other.
  EXPECT_GT(kiril->document()->firstBlock().layout()->lineCount(), 4);
  EXPECT_TRUE(Find(Ctl::Kiril1_19)->isVisible());
}

TEST_F(WindowTest, KeysAddTheirValues) {
  Click(Ctl::Kiril1_700);
  Click(Ctl::Kiril1_500);
  EXPECT_EQ(Find<QLineEdit>(Ctl::Sovr)->text(), QStringLiteral("1200"));
  EXPECT_EQ(PlainText(Find<QTextEdit>(Ctl::Kiril)), ToQ(Model().Kiril()));
  EXPECT_EQ(SelectAllOf(Find<RichOutput>(Ctl::Arab1)), ToQ(u"\u0661\u0662\u0660\u0660"));
}

TEST_F(WindowTest, VariantBoxChoosesTheGlyph) {
  Type(QStringLiteral("5"));
  Click(Ctl::Check_Kiril1_5_e2);
  EXPECT_TRUE(Find<QCheckBox>(Ctl::Check_Kiril1_5_e2)->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(Ctl::Check_Kiril1_5)->isChecked());
  EXPECT_TRUE(PlainText(Find<QTextEdit>(Ctl::Kiril)).startsWith(QStringLiteral("е")));
  // The default cannot be unticked directly: the model ticks it again, and so does the box.
  Click(Ctl::Check_Kiril1_5_e2);
  Click(Ctl::Check_Kiril1_5);
  EXPECT_TRUE(Find<QCheckBox>(Ctl::Check_Kiril1_5)->isChecked());
}

TEST_F(WindowTest, ThousandsSignRepairsTheSelectedLetter) {
  Type(QStringLiteral("21"));
  auto* kiril = Find<RichOutput>(Ctl::Kiril);
  ASSERT_EQ(PlainText(kiril), ToQ(u"к\u0483а\u0483"));
  // The user selects the ten (к with its mark) and presses the thousands sign.
  QTextCursor cursor(kiril->document());
  cursor.setPosition(0);
  cursor.setPosition(2, QTextCursor::KeepAnchor);
  kiril->setTextCursor(cursor);
  Click(Ctl::Tysyasha);
  EXPECT_EQ(Find<QLineEdit>(Ctl::Sovr)->text(), QStringLiteral("20001"));
  EXPECT_EQ(PlainText(kiril), ToQ(Model().Kiril()));
}

TEST_F(WindowTest, ThousandsPanelLooksPressedUntilTheNextKey) {
  auto* panel = Find<TogglePanel>(Ctl::Tysyasha);
  Click(Ctl::Tysyasha);
  EXPECT_TRUE(panel->Pressed());
  EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(192, 220, 192));
  Click(Ctl::Kiril1_2);
  EXPECT_FALSE(panel->Pressed());
  EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
  EXPECT_EQ(Find<QLineEdit>(Ctl::Sovr)->text(), QStringLiteral("2000"));
}

TEST_F(WindowTest, ClearEmptiesEverythingButKeepsTheSystem) {
  Click(Ctl::Armen);
  Type(QStringLiteral("1984"));
  Click(Ctl::Button1);
  EXPECT_TRUE(Find<QLineEdit>(Ctl::Sovr)->text().isEmpty());
  EXPECT_TRUE(PlainText(Find<QTextEdit>(Ctl::Kiril)).isEmpty());
  EXPECT_TRUE(PlainText(Find<QTextEdit>(Ctl::Arab1)).isEmpty());
  EXPECT_TRUE(Find<QRadioButton>(Ctl::Armen)->isChecked());
}

TEST_F(WindowTest, HebrewFinalLetterKeysWaitForTheOption) {
  Click(Ctl::Iudeyskie);
  EXPECT_FALSE(Find(Ctl::Kiril1_500)->isEnabled());
  EXPECT_TRUE(Find(Ctl::Gershaim)->isVisible());
  Click(Ctl::Ispolzovat);
  EXPECT_TRUE(Find(Ctl::Kiril1_500)->isEnabled());
  Click(Ctl::Kiril1_500);
  EXPECT_EQ(Find<QLineEdit>(Ctl::Sovr)->text(), QStringLiteral("500"));
}

TEST_F(WindowTest, HebrewCustomaryOrderBoxRedrawsTheNumber) {
  EXPECT_FALSE(Find(Ctl::Obychay)->isVisible()) << "an option of the Hebrew keypad only";
  Click(Ctl::Iudeyskie);
  auto* box = Find<QCheckBox>(Ctl::Obychay);
  ASSERT_TRUE(box->isVisible());
  EXPECT_EQ(box->text(), QStringLiteral("обычай"));
  EXPECT_FALSE(box->isChecked());
  Type(QStringLiteral("5744"));
  EXPECT_EQ(PlainText(Find<QTextEdit>(Ctl::Kiril)), ToQ(u"ה׳תשמד"));
  // A check box answers a click on its square and caption; its short caption leaves the
  // middle of the box bare.
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(PlainText(Find<QTextEdit>(Ctl::Kiril)), ToQ(u"ה׳תשדמ"));
  Click(Ctl::Gershaim);
  EXPECT_EQ(PlainText(Find<QTextEdit>(Ctl::Kiril)), ToQ(u"ה׳תשד״מ"));
  // Beside the other two options, in the same column.
  EXPECT_EQ(box->x(), Find(Ctl::Gershaim)->x());
  EXPECT_GT(box->y(), Find(Ctl::Gershaim)->geometry().bottom());
}

TEST_F(WindowTest, ChooserMakesTheRowsSetCurrentAndCloses) {
  Type(QStringLiteral("12"));
  Click(Ctl::Button4);
  ASSERT_TRUE(Chooser().isVisible());
  EXPECT_EQ(Chooser().RowCount(), 29);
  EXPECT_EQ(Chooser().DigitLabel(13, 1)->text(), ToQ(u"\uA8D1"));
  EXPECT_FALSE(Chooser().FontNameLabel(13)->text().isEmpty());
  QTest::mouseClick(Chooser().RowButton(13), Qt::LeftButton);  // "Саураштра"
  EXPECT_FALSE(Chooser().isVisible());
  EXPECT_EQ(Find<QLineEdit>(Ctl::Dr10Znak_Name)->text(), QStringLiteral("Саураштра"));
  EXPECT_EQ(Find<QPushButton>(Ctl::Arab1_1)->text(), ToQ(u"\uA8D1"));
  EXPECT_EQ(Find<QPushButton>(Ctl::Arab1_1)->font().pointSize(), 26);
  EXPECT_EQ(SelectAllOf(Find<RichOutput>(Ctl::Arab1)), ToQ(u"\uA8D1\uA8D2"));
  // The digit buttons type ASCII digits into Sovr.
  Click(Ctl::Arab1_7);
  EXPECT_EQ(Find<QLineEdit>(Ctl::Sovr)->text(), QStringLiteral("127"));
}

TEST_F(WindowTest, ChooserClosedByTheUserCanBeOpenedAgain) {
  Click(Ctl::Button4);
  Chooser().close();
  EXPECT_FALSE(Model().ChooserShown());
  Click(Ctl::Button4);
  EXPECT_TRUE(Chooser().isVisible());
}

// The chooser and the help window are made when first wanted, and the same window comes back
// where the user left it.
TEST_F(WindowTest, ChooserIsMadeWhenFirstShownAndKept) {
  EXPECT_EQ(Main().Chooser(), nullptr);
  Click(Ctl::Button4);
  Dr10ZnakWindow* chooser = Main().Chooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(chooser->isVisible());
  chooser->move(chooser->pos() + QPoint(30, 20));
  const QPoint place = chooser->pos();
  chooser->close();
  Click(Ctl::Button4);
  EXPECT_EQ(Main().Chooser(), chooser);
  EXPECT_TRUE(chooser->isVisible());
  EXPECT_EQ(chooser->pos(), place);
}

TEST_F(WindowTest, HelpWindowIsMadeAtTheFirstPageAndKept) {
  EXPECT_EQ(Help().Window(), nullptr);
  Main().findChild<QAction*>(QStringLiteral("N7"))->trigger();
  HelpWindow* help = Help().Window();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->CurrentPage(), "fonts");
  EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
  help->move(help->pos() + QPoint(30, 20));
  const QPoint place = help->pos();
  help->close();
  Main().findChild<QAction*>(QStringLiteral("N4"))->trigger();
  EXPECT_EQ(Help().Window(), help);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->CurrentPage(), "roman");
  EXPECT_EQ(help->pos(), place);
}

TEST_F(WindowTest, NkoNumberReadsLeftToRightLikeEverySet) {
  Type(QStringLiteral("12"));
  Click(Ctl::Button4);
  QTest::mouseClick(Chooser().RowButton(26), Qt::LeftButton);  // "НКо (народы манде)"
  auto* arab = Find<RichOutput>(Ctl::Arab1);
  // The copy is the number in logical order, without the marks that force the layout.
  EXPECT_EQ(SelectAllOf(arab), ToQ(u"\u07C1\u07C2"));
  // On screen the 1 stands left of the 2.
  const QString shown = arab->document()->toPlainText();
  const int one = static_cast<int>(shown.indexOf(QChar(0x07C1)));
  const QTextLine line = arab->document()->firstBlock().layout()->lineAt(0);
  EXPECT_LT(line.cursorToX(one), line.cursorToX(one + 1));
}

TEST_F(WindowTest, CopyCommandsCopyTheSelectionOnly) {
  Type(QStringLiteral("1234"));
  auto* kiril = Find<RichOutput>(Ctl::Kiril);
  auto* copy = kiril->findChild<QAction*>(QStringLiteral("N2"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(QString(copy->text()).remove(u'&'), QStringLiteral("Скопировать текст"));
  EXPECT_TRUE(kiril->findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions().contains(copy));

  QApplication::clipboard()->setText(QStringLiteral("before"));
  kiril->setTextCursor(QTextCursor(kiril->document()));  // nothing selected
  copy->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

  SelectAllOf(kiril);
  copy->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), ToQ(Model().Kiril()));

  auto* arab = Find<RichOutput>(Ctl::Arab1);
  SelectAllOf(arab);
  arab->findChild<QAction*>(QStringLiteral("N5"))->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), ToQ(u"\u0661\u0662\u0663\u0664"));
}

TEST_F(WindowTest, SettingsPanelOpensAndCloses) {
  auto* button = Find<QPushButton>(Ctl::Nastroyki);
  Click(Ctl::Nastroyki);
  EXPECT_EQ(Main().centralWidget()->width(), 700);
  EXPECT_EQ(button->text(), QStringLiteral("<< Настр."));
  EXPECT_TRUE(Main().centralWidget()->rect().contains(Find(Ctl::FontIudeyskie)->geometry()));
  Click(Ctl::Nastroyki);
  EXPECT_EQ(Main().centralWidget()->width(), 461);
  EXPECT_EQ(button->text(), QStringLiteral("Настр. >>"));
}

TEST_F(WindowTest, FontBoxesShowTheirFontsAndTheListWhenFirstOpened) {
  Click(Ctl::Nastroyki);
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (KindOf(c) != ControlKind::kFontBox) continue;
    auto* box = Find<QComboBox>(c);
    ASSERT_TRUE(box->isVisible()) << Name(c);
    ASSERT_TRUE(box->isEditable()) << Name(c);
    EXPECT_FALSE(Model().Text(c).empty()) << Name(c);
    EXPECT_EQ(box->currentText(), ToQ(Model().Text(c))) << Name(c);
    EXPECT_EQ(box->count(), static_cast<int>(Model().FontList().size())) << Name(c);
    EXPECT_EQ(box->lineEdit()->maxLength(), 255) << Name(c);
    EXPECT_TRUE(Main().centralWidget()->rect().contains(box->geometry())) << Name(c);
    EXPECT_GT(box->width(), 50) << Name(c);
  }
}

// The font boxes stand right of the narrow window that shows at start: the first frame does not
// wait for their lists, which they have as soon as it is painted.
TEST_F(WindowTest, FontBoxesAreMadeRightAfterTheFirstPaint) {
  std::vector<Ctl> boxes;
  for (int i = 0; i < kControlCount; ++i) {
    if (KindOf(static_cast<Ctl>(i)) == ControlKind::kFontBox) boxes.push_back(static_cast<Ctl>(i));
  }
  std::vector<std::u16string> fonts;
  for (const Ctl c : boxes) {
    fonts.push_back(Model().Text(c));
    EXPECT_FALSE(Find<QComboBox>(c)->isEditable()) << Name(c);
    EXPECT_EQ(Find<QComboBox>(c)->count(), 0) << Name(c);
  }
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Main()));
  auto* last = Find<QComboBox>(boxes.back());
  for (int i = 0; i < 100 && !last->isEditable(); ++i) QTest::qWait(10);
  // Making the boxes chose nothing: each shows the font it had.
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const Ctl c = boxes[i];
    EXPECT_EQ(Model().Text(c), fonts[i]) << Name(c);
    auto* box = Find<QComboBox>(c);
    ASSERT_TRUE(box->isEditable()) << Name(c);
    EXPECT_EQ(box->count(), static_cast<int>(Model().FontList().size())) << Name(c);
    EXPECT_EQ(box->currentText(), ToQ(Model().Text(c))) << Name(c);
  }
  EXPECT_EQ(Main().centralWidget()->width(), 461);
}

TEST_F(WindowTest, FontBoxChoiceSwitchesToItsSystem) {
  Click(Ctl::Nastroyki);
  auto* box = Find<QComboBox>(Ctl::FontArmen);
  EXPECT_EQ(box->count(), static_cast<int>(Model().FontList().size()));
  EXPECT_EQ(box->maxVisibleItems(), 25);
  const int index = box->findText(QStringLiteral("FreeSerif"));
  ASSERT_GE(index, 0);
  box->setCurrentIndex(index);  // as a choice from the list
  EXPECT_EQ(Model().Text(Ctl::FontArmen), u"FreeSerif");
  EXPECT_TRUE(Find<QRadioButton>(Ctl::Armen)->isChecked());
  EXPECT_EQ(Find(Ctl::Kiril)->font().family(), QStringLiteral("FreeSerif"));
  EXPECT_EQ(Find(Ctl::Kiril1_1)->font().families().last(), QStringLiteral("Kolvana+"));
}

TEST_F(WindowTest, SpinBoxStepsTheSizeAndSavesButRefusesTyping) {
  auto* spin = Find<QSpinBox>(Ctl::SpinEdit1);
  const int start = spin->value();
  spin->setFocus();
  QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(spin->value(), start + 1);
  EXPECT_EQ(Model().State(Ctl::Kiril).font_size, start + 1);
  EXPECT_TRUE(Settings().contains(QStringLiteral("Kiril_Font_Size=%1").arg(start + 1)));
  // A held arrow key steps once: its repeats change nothing.
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(spin, &repeat);
  EXPECT_EQ(spin->value(), start + 1);
  QTest::keyClicks(spin, QStringLiteral("5"));
  EXPECT_EQ(spin->value(), start + 1);
}

TEST_F(WindowTest, SwatchColoursBothOutputsAndSaves) {
  Type(QStringLiteral("7"));
  EXPECT_EQ(Find(Ctl::Label14)->toolTip(), QStringLiteral("зелёные буквы"));
  Click(Ctl::Label14);
  QTextCursor cursor(Find<QTextEdit>(Ctl::Kiril)->document());
  cursor.setPosition(1);
  EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 128, 0));
  EXPECT_TRUE(Settings().contains(QStringLiteral("Kiril_Font_Color=32768")));
}

TEST_F(WindowTest, FontDialogAnswerReachesTheOutput) {
  font_answer_ = FontSpec{u"FreeSerif", 30, 0, false, false};
  Click(Ctl::Button2);
  EXPECT_EQ(font_dialogs_, 1);
  EXPECT_EQ(Find<QSpinBox>(Ctl::SpinEdit1)->value(), 30);
  EXPECT_EQ(Find(Ctl::Kiril)->font().family(), QStringLiteral("FreeSerif"));
}

TEST_F(WindowTest, QuestionMarkOpensTheGlagoliticPage) {
  Click(Ctl::GlagolRadio);
  auto* label = Find<HoverLabel>(Ctl::Label78);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(label, &enter);
  EXPECT_EQ(label->text(), QStringLiteral("нажми здесь"));
  EXPECT_TRUE(label->font().bold());
  Click(Ctl::Label78);
  EXPECT_EQ(help_pages_, std::vector<std::string>{"glagolitic"});
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(label, &leave);
  EXPECT_EQ(label->text(), QStringLiteral("(?)"));
}

TEST_F(WindowTest, ClosingTheWindowSavesTheSettings) {
  ASSERT_TRUE(QFile::remove(SettingsFile()));
  bool closed = false;
  QObject::connect(&Main(), &MainWindow::closed, [&] { closed = true; });
  Main().close();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(Settings().contains(QStringLiteral("Kirillitsa_Font_Name=")));
}

TEST_F(WindowTest, ExitInTheMenuClosesTheWindowAndSaves) {
  ASSERT_TRUE(QFile::remove(SettingsFile()));
  auto* exit = Main().findChild<QAction*>(QStringLiteral("N3"));
  ASSERT_NE(exit, nullptr);
  EXPECT_EQ(QString(exit->text()).remove(u'&'), QStringLiteral("Выход"));
  exit->trigger();
  EXPECT_FALSE(Main().isVisible());
  EXPECT_TRUE(Settings().contains(QStringLiteral("Kiril_Font_Size=")));
}

TEST_F(WindowTest, BareSurfaceDragsTheWindow) {
  // Without a window manager to move it (as here), the window follows the mouse itself.
  QWidget* surface = Main().centralWidget();
  const QPoint bare(300, 395);
  ASSERT_EQ(surface->childAt(bare), nullptr);
  const QPoint start = Main().pos();
  QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, bare);
  QTest::mouseMove(surface, bare + QPoint(30, 20));
  QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, bare + QPoint(30, 20));
  EXPECT_EQ(Main().pos(), start + QPoint(30, 20));
}

TEST_F(WindowTest, AnUnexpectedBoxIsClosedAndReported) {
  QMessageBox::information(&Main(), QStringLiteral("Зарно"), QStringLiteral("?"));
  ASSERT_EQ(unexpected_boxes_.size(), 1u);
  unexpected_boxes_.clear();  // expected here
}

}  // namespace
}  // namespace zarno::ui::testing
