// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the Kolvana+ sample sheet (docs/font-sample-sheet.png): every glyph of the
// font large with its code point, then numerals set the way Зарно sets them,
// with the font family list {"DejaVu Sans", "Kolvana+"} so that letters come
// from DejaVu Sans and our signs from Kolvana+ by per-character fallback.
//
// usage: kolvana-sample-sheet FONT.ttf OUT.png     (QT_QPA_PLATFORM=offscreen)

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <vector>

namespace {

const QColor kInk(0x10, 0x10, 0x10);
const QColor kBase(0x9a, 0x9a, 0xa4);  // letters the sign belongs to
const QColor kRule(0xd8, 0xd8, 0xe0);  // baselines and advance boxes
const QColor kLabel(0x50, 0x50, 0x60);

QString ucs4(char32_t cp) { return QString::fromUcs4(&cp, 1); }

QFont mixedFont(qreal px) {
  QFont f;
  f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Kolvana+")});
  f.setPixelSize(int(px));
  return f;
}

QFont labelFont(qreal px, bool bold = false) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(int(px));
  f.setBold(bold);
  return f;
}

// the letters a combining sign of ours is shown with in the glyph table
QString contextFor(char32_t cp) {
  switch (cp) {
    case 0xE075:
      return QStringLiteral("і");
    case 0xE076:
      return QStringLiteral("д");
    case 0xE065:
      return QStringLiteral("ѱ");
    case 0xE077:
      return QStringLiteral("лд");
    case 0xE078:
      return QStringLiteral("слд");
    case 0xE079:
      return QStringLiteral("аслд");
    case 0xE060:
      return QStringLiteral("҂аслд");
    case 0xE070:
      return QStringLiteral("а");
    case 0xE085:
      return QStringLiteral("в");
    case 0xE130:
      return QStringLiteral("҂");
    default:
      return QString();
  }
}

struct Cell {
  char32_t cp;
  QString context;
  qreal width;
};

}  // namespace

int main(int argc, char **argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FONT.ttf OUT.png\n", argv[0]);
    return 2;
  }
  const int id = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1]));
  if (id < 0) {
    std::fprintf(stderr, "cannot load %s\n", argv[1]);
    return 1;
  }
  QFont own(QStringLiteral("Kolvana+"));
  own.setPixelSize(100);
  // QFontMetrics::inFontUcs4 would also count fonts Qt falls back to
  const QRawFont ownRaw = QRawFont::fromFont(own);

  const int W = 1800;
  QImage img(W, 6000, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  const qreal margin = 40;
  qreal y = 70;
  p.setPen(kInk);
  p.setFont(labelFont(40, true));
  p.drawText(QPointF(margin, y), QStringLiteral("Kolvana+"));
  p.setFont(labelFont(20));
  p.setPen(kLabel);
  y += 36;
  p.drawText(QPointF(margin, y),
             QStringLiteral("numeral signs of Зарно. Black: Kolvana+; grey: the letters a sign "
                            "belongs to (DejaVu Sans)."));
  y += 40;

  // ---- the glyph table -------------------------------------------------
  std::vector<Cell> cells;
  const QFont big = mixedFont(140);
  const QFontMetricsF bigMetrics(big);
  for (char32_t cp = 0xE000; cp <= 0xF8FF; ++cp) {
    if (!ownRaw.supportsCharacter(cp)) continue;
    const QString ctx = contextFor(cp);
    qreal w = bigMetrics.horizontalAdvance(ctx + ucs4(cp));
    cells.push_back({cp, ctx, std::max<qreal>(w + 40, 200)});
  }
  const qreal cellH = 290;
  const qreal ascent = bigMetrics.ascent();
  qreal x = margin;
  for (const Cell &c : cells) {
    if (x + c.width > W - margin) {
      x = margin;
      y += cellH;
    }
    const qreal base = y + 30 + ascent;
    const qreal gx = x + (c.width - bigMetrics.horizontalAdvance(c.context + ucs4(c.cp))) / 2;
    p.setPen(kRule);
    p.drawLine(QPointF(x + 8, base), QPointF(x + c.width - 8, base));
    p.setFont(big);
    if (!c.context.isEmpty()) {
      p.setPen(kBase);
      p.drawText(QPointF(gx, base), c.context);
    }
    const qreal sx = gx + bigMetrics.horizontalAdvance(c.context);
    const qreal adv = bigMetrics.horizontalAdvance(ucs4(c.cp));
    if (adv > 0) {
      p.setPen(kRule);
      p.drawRect(QRectF(sx, base - ascent, adv, bigMetrics.height()));
    }
    p.setPen(kInk);
    p.drawText(QPointF(sx, base), ucs4(c.cp));
    p.setFont(labelFont(18));
    p.setPen(kLabel);
    p.drawText(QRectF(x, y + cellH - 45, c.width, 30), Qt::AlignHCenter,
               QStringLiteral("U+") +
                   QString::number(uint(c.cp), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    x += c.width;
  }
  y += cellH + 30;

  // ---- numerals as the program writes them ----------------------------
  struct Sample {
    QString label;
    QString text;
  };
  const QString plain = QStringLiteral("҂асл");
  const std::vector<Sample> samples = {
      {"1234 dressed", QStringLiteral("҂а\u0483с\u0483л\u0483д\uE076")},
      {"10000, style 1 | 2", QStringLiteral("҂і\uE075    а\uE070")},
      {"110000, style 2", QStringLiteral("а\uE085 а\uE070")},
      {"1234, style 2 | 3 | 4", plain + QStringLiteral("д\uE075    ") + plain +
                                    QStringLiteral("д\u0483    ") + plain +
                                    QStringLiteral("д\uE076")},
      {"1234, style 5 | 6",
       plain + QStringLiteral("д\uE077    ") + plain + QStringLiteral("д\uE078")},
      {"1234, style 7 | 8",
       plain + QStringLiteral("д\uE079    ") + plain + QStringLiteral("д\uE060")},
      {"1234, style 9", plain.left(3) + QStringLiteral("л\u0483д")},
      {"1234 with dots",
       QStringLiteral("҂а\u2027с\u2027л\u2027д\u0483    ҂а\u2027с\u2027л\u2027д\uE079")},
      {"older letters", QStringLiteral("ф\uE065 ѱ\uE065 ѿ\uE065 \uE03E\u0483 \uE038\u0483 "
                                       "\uE066\u0483 \uE067\u0483 \uE068\u0483 \uE069")},
      {"1999 Roman", QStringLiteral("ⅯⅭⅯⅩⅭⅠⅩ    \uE105\uE104\uE105ⅩⅭⅠⅩ")},
      {"5, 500, 500, 10000 older", QStringLiteral("Ⅴ \uE101    Ⅾ \uE103 \uE106    ↂ \uE107")},
      {"249999 Attic",
       QStringLiteral("\uE114\uE114\uE114\uE114ΜΜΜΜ\uE113ΧΧΧΧ\uE112ΗΗΗΗ\uE111ΔΔΔΔΓΙΙΙΙ")},
  };
  const qreal labelW = 330;
  for (const Sample &s : samples) {
    qreal px = 84;
    QFont f = mixedFont(px);
    while (QFontMetricsF(f).horizontalAdvance(s.text) > W - margin * 2 - labelW && px > 20) {
      px -= 2;
      f = mixedFont(px);
    }
    const QFontMetricsF fm(f);
    const qreal base = y + 105;
    p.setFont(labelFont(20));
    p.setPen(kLabel);
    p.drawText(QRectF(margin, base - 26, labelW - 20, 30), Qt::AlignLeft, s.label);
    p.setPen(kRule);
    p.drawLine(QPointF(margin + labelW, base), QPointF(W - margin, base));
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QPointF(margin + labelW, base), s.text);
    y += 140;
  }

  // ---- Maya: one digit below the other, highest place on top ----------
  const int maya[] = {3, 14, 11, 6, 3, 4, 12, 15};  // 4294967295
  QString column;
  for (int d : maya) {
    if (!column.isEmpty()) column += QChar('\n');
    column += ucs4(0xE140 + d);
  }
  y += 20;
  p.setFont(labelFont(20));
  p.setPen(kLabel);
  p.drawText(QPointF(margin, y + 20), QStringLiteral("4294967295 Maya"));
  p.drawText(QPointF(margin, y + 50), QStringLiteral("(3 14 11 6 3 4 12 15)"));
  const QFont mayaBig = mixedFont(72);
  const QFontMetricsF mb(mayaBig);
  const qreal colH = mb.lineSpacing() * 8;
  QRectF bigCol(margin + labelW, y, 90, colH);
  p.setPen(kRule);
  p.drawRect(bigCol);
  p.setFont(mayaBig);
  p.setPen(kInk);
  p.drawText(bigCol, Qt::AlignHCenter | Qt::AlignTop, column);

  // as in the program's output field, 53 px wide
  const QFont mayaSmall = mixedFont(40);
  const QFontMetricsF ms(mayaSmall);
  QRectF field(margin + labelW + 200, y, 53, ms.lineSpacing() * 8 + 8);
  p.setPen(kRule);
  p.drawRect(field);
  p.setFont(mayaSmall);
  p.setPen(kInk);
  p.drawText(field.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, column);
  p.setFont(labelFont(18));
  p.setPen(kLabel);
  p.drawText(QPointF(field.right() + 20, y + 20), QStringLiteral("a 53 px field"));

  // all twenty digits in a row
  QString row;
  for (int d = 0; d < 20; ++d) row += ucs4(0xE140 + d);
  QFont mayaRow = mixedFont(56);
  p.setFont(mayaRow);
  p.setPen(kInk);
  p.drawText(QPointF(margin + labelW + 400, y + 300), row.left(10));
  p.drawText(QPointF(margin + labelW + 400, y + 420), row.mid(10));
  p.setFont(labelFont(18));
  p.setPen(kLabel);
  p.drawText(QPointF(margin + labelW + 400, y + 200), QStringLiteral("0 … 9 and 10 … 19"));

  y += colH + 40;
  p.end();
  const QImage out = img.copy(0, 0, W, int(y));
  if (!out.save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
