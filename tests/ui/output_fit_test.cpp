// SPDX-License-Identifier: GPL-3.0-or-later
// The whole numeral in sight: a numeral too wide for its one-line field (or too tall for the
// Maya column) is drawn smaller until it stands whole; the size the user chose stays what the
// spin box shows and what the settings file keeps.
#include "ui/output_fit.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <cmath>

#include "ui/widgets.h"
#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

// How an output field has laid out its text.
struct Laid {
  int lines = 0;
  qreal widest_line = 0;  // with the document's margins
  qreal height = 0;
  QSize viewport;
  bool scroll_bar = false;
};

Laid LaidOut(QTextEdit* field) {
  Laid laid;
  QTextDocument* doc = field->document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      laid.widest_line = std::max(laid.widest_line, line.naturalTextWidth());
      ++laid.lines;
    }
  }
  laid.widest_line += 2 * doc->documentMargin();
  laid.height = doc->size().height();
  laid.viewport = field->viewport()->size();
  laid.scroll_bar = field->verticalScrollBar()->isVisible();
  return laid;
}

// The point size the field draws the character at `position` with.
qreal PointsAt(QTextEdit* field, int position) {
  QTextCursor cursor(field->document());
  cursor.setPosition(position + 1);  // the format of the character before the cursor
  return cursor.charFormat().font().pointSizeF();
}

struct Longest {
  Ctl radio;
  const char* number;
};

// The widest numeral of each system (Maya has its own test) at the default options and
// variants, as bench/fit_survey finds them with the fonts the automatic choice gives.
constexpr Longest kLongest[] = {
    {Ctl::KirilRadio, "848848"},   {Ctl::GlagolRadio, "2465"},  {Ctl::RimRadio, "388888"},
    {Ctl::Kitay, "99999"},         {Ctl::Armen, "8849"},        {Ctl::Gruz, "12534"},
    {Ctl::GrekIonich, "18411841"}, {Ctl::GrekAttich, "249999"}, {Ctl::Iudeyskie, "1941"},
};

class OutputFitTest : public WindowTest {
 protected:
  void Show(Ctl radio, int size, const QString& number) {
    Click(Ctl::Button1);
    Click(radio);
    Find<QSpinBox>(Ctl::SpinEdit1)->setValue(size);
    Type(number);
  }
};

TEST_F(OutputFitTest, WidestNumeralOfEverySystemStandsOnOneLine) {
  for (const int size : {28, 60}) {
    for (const Longest& l : kLongest) {
      Show(l.radio, size, QString::fromLatin1(l.number));
      const QString where = QStringLiteral("%1 at %2").arg(l.number).arg(size);
      auto* kiril = Find<QTextEdit>(Ctl::Kiril);
      ASSERT_FALSE(kiril->toPlainText().isEmpty()) << where.toStdString();
      const Laid laid = LaidOut(kiril);
      EXPECT_EQ(laid.lines, 1) << where.toStdString();
      EXPECT_LE(laid.widest_line, laid.viewport.width()) << where.toStdString();
      EXPECT_LE(laid.height, laid.viewport.height()) << where.toStdString();
      EXPECT_FALSE(laid.scroll_bar) << where.toStdString();
      EXPECT_GE(PointsAt(kiril, 0), kFitFloorPoints) << where.toStdString();
      EXPECT_LE(PointsAt(kiril, 0), size) << where.toStdString();
      // The chosen size is what the spin box shows and what the settings keep.
      EXPECT_EQ(Find<QSpinBox>(Ctl::SpinEdit1)->value(), size);
      EXPECT_EQ(Model().State(Ctl::Kiril).font_size, size);
      EXPECT_TRUE(Settings().contains(
          QRegularExpression(QStringLiteral("^Kiril_Font_Size=%1\\r?$").arg(size),
                             QRegularExpression::MultilineOption)))
          << Settings().toStdString();
    }
  }
}

TEST_F(OutputFitTest, ShortNumeralKeepsTheChosenSize) {
  struct Case {
    Ctl radio;
    const char* number;
  };
  for (const Case& c : {Case{Ctl::KirilRadio, "1"}, Case{Ctl::RimRadio, "1999"},
                        Case{Ctl::Kitay, "12"}, Case{Ctl::GrekAttich, "5"}}) {
    Show(c.radio, 28, QString::fromLatin1(c.number));
    EXPECT_EQ(PointsAt(Find<QTextEdit>(Ctl::Kiril), 0), 28) << c.number;
    // The digit field keeps its own size until the spin box changes it.
    EXPECT_EQ(PointsAt(Find<QTextEdit>(Ctl::Arab1), 1), Model().State(Ctl::Arab1).font_size)
        << c.number;
  }
}

TEST_F(OutputFitTest, FittedNumeralIsTheLargestSizeThatStandsWhole) {
  Show(Ctl::RimRadio, 60, QStringLiteral("3888"));
  auto* kiril = Find<QTextEdit>(Ctl::Kiril);
  const qreal drawn = PointsAt(kiril, 0);
  EXPECT_LT(drawn, 60);
  const OutputText out = Main().OutputOf(Ctl::Kiril);
  EXPECT_EQ(out.font.pointSize(), 60);  // what the field is asked to show
  EXPECT_TRUE(StandsWhole(out, static_cast<int>(drawn)));
  EXPECT_FALSE(StandsWhole(out, static_cast<int>(drawn) + 1));
}

TEST_F(OutputFitTest, LoweredThousandsSignKeepsItsProportionsWhenShrunk) {
  // Our font draws the sign at the letters' size, lowered; any other font also smaller.
  for (const char16_t* family : {u"Kolvana+", u"DejaVu Sans"}) {
    Model().SetText(Ctl::FontKirillitsa, family);
    Main().Sync();
    struct Seen {
      qreal sign_to_letter = 0;
      qreal offset = 0;  // a percentage of the sign's own height
    };
    std::vector<Seen> seen;
    // At a size that fits, then at one the field has to shrink.
    for (const int size : {20, 70}) {
      Show(Ctl::KirilRadio, size, QStringLiteral("1234"));
      auto* kiril = Find<QTextEdit>(Ctl::Kiril);
      ASSERT_EQ(kiril->toPlainText().at(0), QChar(0x0482));
      QTextCursor cursor(kiril->document());
      cursor.setPosition(1);
      seen.push_back(
          {PointsAt(kiril, 0) / PointsAt(kiril, 1), cursor.charFormat().baselineOffset()});
      if (size == 70) {
        EXPECT_LT(PointsAt(kiril, 1), 70);
      }
    }
    const std::string where = ToQ(family).toStdString();
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_NEAR(seen[0].sign_to_letter, seen[1].sign_to_letter, 0.01) << where;
    EXPECT_LT(seen[0].offset, 0) << where;
    EXPECT_NEAR(seen[0].offset, seen[1].offset, std::abs(seen[0].offset) * 0.1) << where;
  }
}

TEST_F(OutputFitTest, MayaColumnShowsOneSignToALineWithinItsHeight) {
  for (const int size : {8, 28, 60, 99}) {
    Show(Ctl::Maya, size, QStringLiteral("4294967295"));
    auto* kiril = Find<QTextEdit>(Ctl::Kiril);
    const QString where = QString::number(size);
    ASSERT_EQ(kiril->toPlainText().size(), 8) << where.toStdString();
    const Laid laid = LaidOut(kiril);
    EXPECT_EQ(laid.lines, 8) << where.toStdString();
    EXPECT_LE(laid.height, laid.viewport.height()) << where.toStdString();
    EXPECT_FALSE(laid.scroll_bar) << where.toStdString();
    // The digits of the same number, in the digit field, on one line.
    const Laid digits = LaidOut(Find<QTextEdit>(Ctl::Arab1));
    EXPECT_EQ(digits.lines, 1) << where.toStdString();
    EXPECT_LE(digits.widest_line, digits.viewport.width()) << where.toStdString();
  }
}

TEST_F(OutputFitTest, BelowTheFloorTheNumeralWrapsInsteadOfShrinkingFurther) {
  // At the smallest sizes nothing is shrunk: a chosen size below the floor is kept.
  Show(Ctl::GrekAttich, 8, QStringLiteral("249999"));
  EXPECT_EQ(PointsAt(Find<QTextEdit>(Ctl::Kiril), 0), 8);
  // A long numeral in a field narrowed by hand cannot shrink below the floor.
  OutputText out = Main().OutputOf(Ctl::Kiril);
  out.font.setPointSize(40);
  out.room.setWidth(60);
  const Fit fit = FitOutput(out);
  EXPECT_EQ(fit.points, kFitFloorPoints);
  EXPECT_FALSE(fit.whole);
}

}  // namespace
}  // namespace zarno::ui::testing
