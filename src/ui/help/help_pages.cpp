// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_pages.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

// The resource lives in a static library: nothing refers to its registration code, so the
// linker would drop it. Naming its initializer keeps it; Q_INIT_RESOURCE must stand outside
// any namespace.
static void InitHelpResource() { Q_INIT_RESOURCE(help); }

namespace zarno::ui {

bool IsHelpPage(std::string_view id) {
  return std::find(kHelpPageIds.begin(), kHelpPageIds.end(), id) != kHelpPageIds.end();
}

QString HelpPageResource(std::string_view id) {
  return QStringLiteral(":/help/pages/") +
         QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())) + QStringLiteral(".txt");
}

std::optional<HelpPage> ParseHelpPage(const QString& file_text) {
  QString text = file_text;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QStringList lines = text.split(u'\n');
  if (lines.isEmpty() || lines[0].isEmpty()) return std::nullopt;
  if (lines.size() > 1 && !lines[1].isEmpty()) return std::nullopt;

  HelpPage page;
  page.caption = lines[0];
  QStringList paragraphs;
  QString paragraph;
  for (qsizetype i = 2; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) {
      if (!paragraph.isEmpty()) paragraphs.append(paragraph);
      paragraph.clear();
    } else {
      if (!paragraph.isEmpty()) paragraph += u'\n';
      paragraph += lines[i];
    }
  }
  if (!paragraph.isEmpty()) paragraphs.append(paragraph);
  page.text = paragraphs.join(QStringLiteral("\n\n"));
  return page;
}

std::optional<HelpPage> LoadHelpPage(std::string_view id) {
  if (!IsHelpPage(id)) return std::nullopt;
  static const bool registered = (InitHelpResource(), true);
  (void)registered;
  QFile file(HelpPageResource(id));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return ParseHelpPage(QString::fromUtf8(file.readAll()));
}

}  // namespace zarno::ui
