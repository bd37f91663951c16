// SPDX-License-Identifier: GPL-3.0-or-later
// What a copy from the output fields puts on the clipboard: plain text and, beside it, HTML
// in the field's font, size and colour, with the thousands sign lowered (and smaller) as the
// field draws it. The HTML is read back sign by sign with the styles that apply to each.
#include "ui/rich_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <map>
#include <vector>

#include "ui/chooser_window.h"
#include "ui/widgets.h"
#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

// One sign of the pasted text with the CSS that applies to it, inner spans over outer ones.
struct Sign {
  QString text;
  std::map<QString, QString> css;
  int line = 0;  // counts the line breaks before it
};

std::map<QString, QString> ParseStyle(const QString& style) {
  std::map<QString, QString> css;
  for (const QString& declaration : style.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const qsizetype colon = declaration.indexOf(QLatin1Char(':'));
    if (colon < 0) continue;
    css[declaration.left(colon).trimmed()] = declaration.mid(colon + 1).trimmed();
  }
  return css;
}

// The fragment read as XML (it is written so that it parses as such); a parse error fails.
std::vector<Sign> SignsOf(const QString& html) {
  QXmlStreamReader xml(QStringLiteral("<root>") + html + QStringLiteral("</root>"));
  std::vector<std::map<QString, QString>> stack = {{}};
  std::vector<Sign> signs;
  int line = 0;
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement:
        if (xml.name() == QStringLiteral("br")) ++line;
        if (xml.name() == QStringLiteral("span")) {
          std::map<QString, QString> css = stack.back();
          for (const auto& [k, v] : ParseStyle(xml.attributes().value("style").toString())) {
            css[k] = v;
          }
          stack.push_back(css);
        }
        break;
      case QXmlStreamReader::EndElement:
        if (xml.name() == QStringLiteral("span")) stack.pop_back();
        break;
      case QXmlStreamReader::Characters: {
        const QString text = xml.text().toString();
        for (qsizetype i = 0; i < text.size(); ++i) {
          qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
          signs.push_back({text.mid(i, n), stack.back(), line});
          i += n - 1;
        }
        break;
      }
      default:
        break;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " in " << html.toStdString();
  return signs;
}

QString Joined(const std::vector<Sign>& signs) {
  QString text;
  for (const Sign& s : signs) text += s.text;
  return text;
}

double PointsOf(const QString& css) {
  EXPECT_TRUE(css.endsWith(QStringLiteral("pt"))) << css.toStdString();
  return css.chopped(2).toDouble();
}

QStringList FamiliesOf(const QString& css) {
  QStringList families;
  for (QString f : css.split(QStringLiteral(", "))) {
    if (f.startsWith(QLatin1Char('\''))) f = f.mid(1).chopped(1);
    families << f;
  }
  return families;
}

// ---- The HTML itself -------------------------------------------------------------------------

OutputText Sample() {
  OutputText out;
  out.text = ToQ(u"\u0482а\u0483с");
  out.font = QFont(QStringLiteral("DejaVu Sans"));
  out.font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Kolvana+")});
  out.font.setPointSize(28);
  out.color = QColor(128, 0, 0);
  out.runs = {FormatRun{0, 1, 448, -299}};
  return out;
}

TEST(OutputHtml, TheLoweredSignIsSmallerAndBelowTheLine) {
  const std::vector<Sign> signs = SignsOf(OutputHtml(Sample(), 0, 4));
  ASSERT_EQ(Joined(signs), ToQ(u"\u0482а\u0483с"));
  const Sign& sign = signs[0];
  EXPECT_DOUBLE_EQ(PointsOf(sign.css.at(QStringLiteral("font-size"))), 448 / 20.0);
  EXPECT_DOUBLE_EQ(PointsOf(sign.css.at(QStringLiteral("vertical-align"))), -299 / 20.0);
  for (std::size_t i = 1; i < signs.size(); ++i) {
    EXPECT_DOUBLE_EQ(PointsOf(signs[i].css.at(QStringLiteral("font-size"))), 28);
    EXPECT_EQ(signs[i].css.count(QStringLiteral("vertical-align")), 0u) << i;
  }
  EXPECT_EQ(sign.css.at(QStringLiteral("color")), QStringLiteral("#800000"));
  const QStringList families = FamiliesOf(sign.css.at(QStringLiteral("font-family")));
  ASSERT_GE(families.size(), 3);
  EXPECT_EQ(families[0], QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(families[1], QStringLiteral("Kolvana+"));
  EXPECT_EQ(families.back(), QStringLiteral("sans-serif"));
  EXPECT_EQ(families.count(QStringLiteral("DejaVu Sans")), 1) << "each family once";
}

TEST(OutputHtml, APartKeepsTheFormatsOfItsOwnSigns) {
  // Without the sign: nothing of its format is left.
  const std::vector<Sign> tail = SignsOf(OutputHtml(Sample(), 1, 4));
  ASSERT_EQ(Joined(tail), ToQ(u"а\u0483с"));
  for (const Sign& s : tail) EXPECT_EQ(s.css.count(QStringLiteral("vertical-align")), 0u);
  // Positions outside the text are brought into it.
  EXPECT_EQ(Joined(SignsOf(OutputHtml(Sample(), -3, 99))), Sample().text);
  EXPECT_EQ(OutputMimeData(Sample(), 2, 2), nullptr);
  const auto data = OutputMimeData(Sample(), 0, 2);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), ToQ(u"\u0482а"));
  EXPECT_TRUE(data->hasHtml());
}

TEST(OutputHtml, MarkupInFamilyNamesIsEscaped) {
  OutputText out = Sample();
  out.text = QStringLiteral("<&>");
  out.font.setFamilies({QStringLiteral("A \"B\" & 'C' <D>")});
  out.runs.clear();
  const std::vector<Sign> signs = SignsOf(OutputHtml(out, 0, 3));
  EXPECT_EQ(Joined(signs), QStringLiteral("<&>"));
  EXPECT_EQ(FamiliesOf(signs[0].css.at(QStringLiteral("font-family")))[0],
            QStringLiteral("A \"B\" & \\'C\\' <D>"));
}

TEST(OutputHtml, TheMayaColumnKeepsOneSignToALine) {
  OutputText out = Sample();
  out.text = ToQ(u"\uE141\uE140\uE152");
  out.runs.clear();
  out.column = true;
  const std::vector<Sign> signs = SignsOf(OutputHtml(out, 0, 3));
  ASSERT_EQ(signs.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(signs[i].line, i);
}

// ---- What the window puts on the clipboard ------------------------------------------------------

class RichCopyTest : public WindowTest {
 protected:
  // Selects the whole field, or [start, end) of its document, and copies as the menu does.
  void CopyFrom(Ctl c, int start = 0, int end = -1) {
    auto* out = Find<RichOutput>(c);
    QTextCursor cursor(out->document());
    if (end < 0) {
      cursor.select(QTextCursor::Document);
    } else {
      cursor.setPosition(start);
      cursor.setPosition(end, QTextCursor::KeepAnchor);
    }
    out->setTextCursor(cursor);
    out->CopyAction()->trigger();
  }
  const QMimeData* Clipboard() { return QApplication::clipboard()->mimeData(); }
  std::vector<Sign> ClipboardSigns() { return SignsOf(Clipboard()->html()); }
  QString FieldFamily(Ctl c) { return Find<QTextEdit>(c)->document()->defaultFont().family(); }
};

TEST_F(RichCopyTest, CyrillicThousandsSignIsLoweredInOurFont) {
  Type(QStringLiteral("1234"));
  CopyFrom(Ctl::Kiril);
  ASSERT_TRUE(Clipboard()->hasHtml());
  EXPECT_EQ(Clipboard()->text(), ToQ(Model().Kiril()));
  const std::vector<Sign> signs = ClipboardSigns();
  ASSERT_EQ(Joined(signs), ToQ(Model().Kiril()));
  ASSERT_EQ(signs[0].text, ToQ(u"\u0482"));
  const auto& base = signs[1].css;
  EXPECT_EQ(FamiliesOf(base.at(QStringLiteral("font-family")))[0], QStringLiteral("Kolvana+"));
  EXPECT_DOUBLE_EQ(PointsOf(base.at(QStringLiteral("font-size"))),
                   Model().State(Ctl::Kiril).font_size);
  EXPECT_EQ(base.at(QStringLiteral("color")), QStringLiteral("#800000"));
  // Our font draws the sign at the letters' size, lowered.
  EXPECT_DOUBLE_EQ(PointsOf(signs[0].css.at(QStringLiteral("font-size"))),
                   Model().State(Ctl::Kiril).font_size);
  EXPECT_LT(PointsOf(signs[0].css.at(QStringLiteral("vertical-align"))), 0);
  EXPECT_EQ(signs[1].css.count(QStringLiteral("vertical-align")), 0u);
}

TEST_F(RichCopyTest, CyrillicThousandsSignIsSmallerInAnotherFont) {
  Click(Ctl::Nastroyki);
  ASSERT_TRUE(Model().SetText(Ctl::FontKirillitsa, u"DejaVu Sans"));
  Main().Sync();
  Click(Ctl::KirilRadio);
  Type(QStringLiteral("21000"));
  CopyFrom(Ctl::Kiril);
  const std::vector<Sign> signs = ClipboardSigns();
  ASSERT_EQ(Joined(signs), ToQ(Model().Kiril()));
  ASSERT_EQ(signs[0].text, ToQ(u"\u0482"));
  EXPECT_EQ(FamiliesOf(signs[1].css.at(QStringLiteral("font-family")))[0],
            QStringLiteral("DejaVu Sans"));
  EXPECT_LT(PointsOf(signs[0].css.at(QStringLiteral("font-size"))),
            PointsOf(signs[1].css.at(QStringLiteral("font-size"))));
  EXPECT_LT(PointsOf(signs[0].css.at(QStringLiteral("vertical-align"))), 0);
}

TEST_F(RichCopyTest, ANumeralTooWideForItsFieldIsCopiedAtTheChosenSize) {
  Click(Ctl::GrekAttich);
  Type(QStringLiteral("249999"));
  CopyFrom(Ctl::Kiril);
  const std::vector<Sign> signs = ClipboardSigns();
  ASSERT_FALSE(signs.empty());
  EXPECT_DOUBLE_EQ(PointsOf(signs[0].css.at(QStringLiteral("font-size"))),
                   Model().State(Ctl::Kiril).font_size);
  EXPECT_LT(Find<QTextEdit>(Ctl::Kiril)->document()->defaultFont().pointSize(),
            Model().State(Ctl::Kiril).font_size)
      << "the field itself draws it smaller";
}

TEST_F(RichCopyTest, HebrewNumeralInItsFont) {
  Click(Ctl::Iudeyskie);
  Click(Ctl::Gershaim);
  Type(QStringLiteral("5784"));
  CopyFrom(Ctl::Kiril);
  EXPECT_EQ(Clipboard()->text(), ToQ(u"ה׳תשפ״ד"));
  const std::vector<Sign> signs = ClipboardSigns();
  EXPECT_EQ(Joined(signs), ToQ(u"ה׳תשפ״ד"));
  for (const Sign& s : signs) {
    EXPECT_EQ(FamiliesOf(s.css.at(QStringLiteral("font-family")))[0], FieldFamily(Ctl::Kiril));
    EXPECT_EQ(s.css.count(QStringLiteral("vertical-align")), 0u);
    EXPECT_EQ(s.css.count(QStringLiteral("unicode-bidi")), 0u) << "Hebrew keeps its direction";
  }
}

TEST_F(RichCopyTest, NkoDigitsReadLeftToRightAsInTheField) {
  Type(QStringLiteral("120"));
  Click(Ctl::Button4);
  QTest::mouseClick(Chooser().RowButton(26), Qt::LeftButton);  // "НКо (народы манде)"
  CopyFrom(Ctl::Arab1);
  EXPECT_EQ(Clipboard()->text(), ToQ(u"\u07C1\u07C2\u07C0")) << "no direction marks";
  const std::vector<Sign> signs = ClipboardSigns();
  EXPECT_EQ(Joined(signs), ToQ(u"\u07C1\u07C2\u07C0"));
  const auto& css = signs[0].css;
  EXPECT_EQ(FamiliesOf(css.at(QStringLiteral("font-family")))[0], FieldFamily(Ctl::Arab1));
  EXPECT_EQ(css.at(QStringLiteral("direction")), QStringLiteral("ltr"));
  EXPECT_EQ(css.at(QStringLiteral("unicode-bidi")), QStringLiteral("bidi-override"));
  EXPECT_DOUBLE_EQ(PointsOf(css.at(QStringLiteral("font-size"))),
                   Model().State(Ctl::Arab1).font_size);
  // A part of the digits: positions past the field's direction mark.
  CopyFrom(Ctl::Arab1, 2, 3);
  EXPECT_EQ(Clipboard()->text(), ToQ(u"\u07C2"));
  EXPECT_EQ(Joined(ClipboardSigns()), ToQ(u"\u07C2"));
}

TEST_F(RichCopyTest, TheFieldsOwnCopyKeyGivesTheSameFormats) {
  Type(QStringLiteral("1234"));
  auto* kiril = Find<RichOutput>(Ctl::Kiril);
  QTextCursor cursor(kiril->document());
  cursor.setPosition(0);
  cursor.setPosition(2, QTextCursor::KeepAnchor);
  kiril->setTextCursor(cursor);
  kiril->copy();
  EXPECT_EQ(Clipboard()->text(), ToQ(u"\u0482а"));
  const std::vector<Sign> signs = ClipboardSigns();
  ASSERT_EQ(signs.size(), 2u);
  EXPECT_LT(PointsOf(signs[0].css.at(QStringLiteral("vertical-align"))), 0);
}

}  // namespace
}  // namespace zarno::ui::testing
