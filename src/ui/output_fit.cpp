// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output_fit.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace zarno::ui {
namespace {

constexpr QChar kLeftToRightOverride(0x202D);
constexpr QChar kPopDirectionalFormatting(0x202C);

QFont AtPoints(QFont font, int points) {
  font.setPointSize(std::max(points, 1));
  return font;
}

qreal ChosenPoints(const OutputText& out, int fallback) {
  return out.font.pointSizeF() > 0 ? out.font.pointSizeF() : fallback;
}

// The advance of the widest sign of the text.
qreal WidestSign(const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  qreal widest = 0;
  for (const QChar c : text) widest = std::max(widest, metrics.horizontalAdvance(c));
  return widest;
}

int LineCount(const QTextDocument& doc) {
  int lines = 0;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    if (block.layout() != nullptr) lines += block.layout()->lineCount();
  }
  return lines;
}

// The document laid out as the field would lay it out: the column wraps at its width, a
// one-line field is laid out without wrapping, to measure how wide the line would be.
void LayOut(QTextDocument& doc, const OutputText& out, int points) {
  FillOutputDocument(doc, out, points);
  doc.setTextWidth(out.column ? out.room.width() : -1);
}

}  // namespace

void FillOutputDocument(QTextDocument& doc, const OutputText& out, int points) {
  const qreal scale = points / ChosenPoints(out, points);
  const QFont font = AtPoints(out.font, points);
  doc.clear();
  doc.setDocumentMargin(out.margin);
  doc.setDefaultFont(font);
  QTextBlockFormat block_format;
  block_format.setAlignment(Qt::AlignHCenter);
  if (out.left_to_right) {
    QTextOption option = doc.defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    doc.setDefaultTextOption(option);
    block_format.setLayoutDirection(Qt::LeftToRight);
  }
  if (out.column) {
    // The column is narrowed to one sign, so that the next sign always goes to the next line,
    // whatever the size: two signs side by side would read as another number.
    const qreal line = out.room.width() - 2 * out.margin;
    const qreal side =
        std::max(0.0, std::floor((line - std::ceil(WidestSign(out.text, font)) - 1) / 2));
    block_format.setLeftMargin(side);
    block_format.setRightMargin(side);
  }
  QTextCursor cursor(&doc);
  cursor.setBlockFormat(block_format);
  QTextCharFormat base;
  base.setFont(font);
  base.setForeground(out.color);
  QString text = out.text;
  int shift = 0;
  // The override marks are display only; the copy commands leave them out.
  if (out.left_to_right && !text.isEmpty()) {
    text = kLeftToRightOverride + text + kPopDirectionalFormatting;
    shift = 1;
  }
  cursor.insertText(text, base);
  // The thousands sign lowered (and made smaller) as the model formats it, scaled with the
  // text. Qt takes the offset as a percentage of the fragment's own font height, positive
  // upwards.
  for (const FormatRun& run : out.runs) {
    QFont fragment = font;
    QTextCharFormat format;
    if (run.height_twips) {
      const qreal run_points = std::clamp(*run.height_twips / 20.0 * scale, qreal{kMinOutputPoints},
                                          qreal{kMaxOutputPoints});
      fragment.setPointSizeF(run_points);
      format.setFontPointSize(run_points);
    }
    const qreal lowered_pixels = -run.offset_twips * scale / 1440.0 * out.dpi;
    format.setBaselineOffset(-100.0 * lowered_pixels / QFontMetricsF(fragment).height());
    cursor.setPosition(run.start + shift);
    cursor.setPosition(run.start + shift + run.length, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
  }
}

bool StandsWhole(const OutputText& out, int points) {
  QTextDocument probe;
  LayOut(probe, out, points);
  const QSizeF size = probe.size();
  if (size.height() > out.room.height()) return false;
  if (out.column) {
    return probe.idealWidth() <= out.room.width() && LineCount(probe) == out.text.size();
  }
  return size.width() <= out.room.width() && LineCount(probe) == 1;
}

Fit FitOutput(const OutputText& out) {
  const int chosen = static_cast<int>(std::lround(ChosenPoints(out, kFitFloorPoints)));
  if (out.text.isEmpty() || out.room.isEmpty() || StandsWhole(out, chosen)) return {chosen, true};
  const int lowest = std::min(chosen, kFitFloorPoints);
  if (lowest == chosen) return {chosen, false};
  // A first guess from how much too large it is, then single steps to the largest size.
  QTextDocument probe;
  LayOut(probe, out, chosen);
  const QSizeF needed = probe.size();
  qreal ratio = out.room.height() / needed.height();
  if (!out.column) ratio = std::min(ratio, out.room.width() / needed.width());
  int points = std::clamp(static_cast<int>(chosen * ratio), lowest, chosen - 1);
  if (StandsWhole(out, points)) {
    while (points + 1 < chosen && StandsWhole(out, points + 1)) ++points;
    return {points, true};
  }
  while (points > lowest) {
    --points;
    if (StandsWhole(out, points)) return {points, true};
  }
  return {lowest, false};
}

}  // namespace zarno::ui
