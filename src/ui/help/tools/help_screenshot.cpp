// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the help window with one page into a PNG, for the documentation:
//   zarno-help-screenshot PAGE OUT.png [FONT.ttf]
// Run under QT_QPA_PLATFORM=offscreen. The offscreen platform draws no window frame, so the
// caption is drawn in a plain strip above the window to show what the title bar says.
#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "ui/help/help_pages.h"
#include "ui/help/help_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3 || !zarno::ui::IsHelpPage(argv[1])) {
    std::fprintf(stderr, "usage: zarno-help-screenshot PAGE OUT.png [FONT.ttf]\n");
    return 2;
  }
  if (argc > 3 && QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[3])) < 0) {
    std::fprintf(stderr, "zarno-help-screenshot: cannot load the font %s\n", argv[3]);
    return 1;
  }
  zarno::ui::HelpWindow window;
  window.OpenPage(argv[1]);
  const QPixmap client = window.grab();

  constexpr int kCaptionHeight = 24;
  QImage picture(client.width(), client.height() + kCaptionHeight, QImage::Format_RGB32);
  picture.fill(QColor(0, 84, 147));
  QPainter painter(&picture);
  painter.setPen(Qt::white);
  QFont caption_font = window.font();
  caption_font.setBold(true);
  painter.setFont(caption_font);
  painter.drawText(QRect(8, 0, client.width() - 16, kCaptionHeight),
                   Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
  painter.drawPixmap(0, kCaptionHeight, client);
  painter.end();
  if (!picture.save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "zarno-help-screenshot: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
