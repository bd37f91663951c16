// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rich_copy.h"

#include <QMimeData>
#include <algorithm>

namespace zarno::ui {
namespace {

QString Points(qreal points) { return QString::number(points, 'g', 5) + QStringLiteral("pt"); }

// A family name as a CSS string: a name may hold a quote or a backslash.
QString CssString(QString family) {
  family.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  family.replace(QLatin1Char('\''), QStringLiteral("\\'"));
  return QLatin1Char('\'') + family + QLatin1Char('\'');
}

// The field's own families (the chosen one, then ours), the fallbacks, a generic family.
QString FamilyList(const QFont& font) {
  QStringList families = font.families();
  if (families.isEmpty()) families << font.family();
  for (const QString& fallback : HtmlFallbackFamilies()) {
    if (!families.contains(fallback)) families << fallback;
  }
  QStringList css;
  for (const QString& family : families) css << CssString(family);
  css << QStringLiteral("sans-serif");
  return css.join(QStringLiteral(", "));
}

QString FieldStyle(const OutputText& out) {
  QStringList style = {
      QStringLiteral("font-family: ") + FamilyList(out.font),
      QStringLiteral("font-size: ") + Points(out.font.pointSizeF()),
      QStringLiteral("color: ") + out.color.name(),
  };
  if (out.font.bold()) style << QStringLiteral("font-weight: bold");
  if (out.font.italic()) style << QStringLiteral("font-style: italic");
  // The digits of every set read left to right in the field, the NKo digits too.
  if (out.left_to_right) {
    style << QStringLiteral("direction: ltr") << QStringLiteral("unicode-bidi: bidi-override");
  }
  style << QStringLiteral("white-space: pre");
  return style.join(QStringLiteral("; "));
}

// The thousands sign: smaller (with a font other than ours) and lowered by its offset.
QString RunStyle(const FormatRun& run) {
  QStringList style;
  if (run.height_twips) style << QStringLiteral("font-size: ") + Points(*run.height_twips / 20.0);
  if (run.offset_twips != 0) {
    style << QStringLiteral("vertical-align: ") + Points(run.offset_twips / 20.0);
  }
  return style.join(QStringLiteral("; "));
}

const FormatRun* RunAt(const std::vector<FormatRun>& runs, int position) {
  for (const FormatRun& run : runs) {
    if (position >= run.start && position < run.start + run.length) return &run;
  }
  return nullptr;
}

}  // namespace

QStringList HtmlFallbackFamilies() {
  return {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"), QStringLiteral("FreeSerif"),
          QStringLiteral("Arial Unicode MS"), QStringLiteral("Segoe UI Historic")};
}

QString OutputHtml(const OutputText& out, int start, int end) {
  const int size = static_cast<int>(out.text.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  QString body;
  const FormatRun* open = nullptr;
  for (int p = start; p < end;) {
    const bool pair =
        p + 1 < end && out.text[p].isHighSurrogate() && out.text[p + 1].isLowSurrogate();
    const int units = pair ? 2 : 1;
    const FormatRun* run = RunAt(out.runs, p);
    if (run != nullptr && RunStyle(*run).isEmpty()) run = nullptr;
    if (run != open) {
      if (open != nullptr) body += QStringLiteral("</span>");
      if (run != nullptr) {
        body += QStringLiteral("<span style=\"") + RunStyle(*run).toHtmlEscaped() +
                QStringLiteral("\">");
      }
      open = run;
    }
    // The column: one sign below another, as a Maya numeral is read.
    if (out.column && p > start) body += QStringLiteral("<br/>");
    body += out.text.mid(p, units).toHtmlEscaped();
    p += units;
  }
  if (open != nullptr) body += QStringLiteral("</span>");
  return QStringLiteral("<meta charset=\"utf-8\"/><span style=\"") +
         FieldStyle(out).toHtmlEscaped() + QStringLiteral("\">") + body + QStringLiteral("</span>");
}

std::unique_ptr<QMimeData> OutputMimeData(const OutputText& out, int start, int end) {
  const int size = static_cast<int>(out.text.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  if (start == end) return nullptr;
  auto data = std::make_unique<QMimeData>();
  data->setText(out.text.mid(start, end - start));
  data->setHtml(OutputHtml(out, start, end));
  return data;
}

}  // namespace zarno::ui
