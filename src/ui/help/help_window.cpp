// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_window.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "program_info.h"
#include "ui/help/help_pages.h"
#include "ui/help/keyboard_commands.h"

#ifndef ZARNO_HELP_URL
#define ZARNO_HELP_URL "https://zarno.example.org/"
#endif

namespace zarno::ui {
namespace {

QString FromView(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Places of the window and its controls, in pixels.
constexpr QRect kWindow(717, 179, 400, 602);
constexpr QRect kPageMemo(2, 3, 388, 437);
constexpr QRect kAboutMemo(3, 441, 386, 100);
constexpr QPoint kThanksLabel(7, 555);
constexpr QPoint kLink(131, 555);
constexpr int kLinkWidth = 156;
constexpr QRect kOkButton(289, 541, 97, 26);
constexpr QColor kPageBackground(254, 252, 231);
constexpr int kWindowPixelSize = 11;

}  // namespace

std::optional<QString> PageFamily(std::string_view id, const QStringList& installed) {
  if (id == "cyrillic") {
    for (std::string_view family : kCyrillicPageFamilies) {
      if (installed.contains(FromView(family), Qt::CaseSensitive)) return FromView(family);
    }
    return std::nullopt;
  }
  return installed.contains(FromView(kPageFamily), Qt::CaseSensitive)
             ? FromView(kPageFamily)
             : FromView(kPageFallbackFamily);
}

QString WindowFamily(const QStringList& installed) {
  return installed.contains(FromView(kPageFamily), Qt::CaseSensitive)
             ? FromView(kPageFamily)
             : FromView(kWindowFallbackFamily);
}

void LinkEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

QString HelpWindow::InitialCaption() { return QStringLiteral("\"Зарно\" Справка"); }

QString HelpWindow::AboutText() {
  return QStringLiteral(
             "\"Зарно\" - переводчик чисел из современной записи в запись кириллическими, "
             "глаголическими, римскими буквами, в цифровые системы других стран мира и обратно.\n"
             "\n"
             "\n"
             "Выпуск ") +
         QString::fromLatin1(kProgramVersion.data(), qsizetype(kProgramVersion.size())) +
         QStringLiteral(", от 11 июня 2010 г.") + KeyboardText();
}

QString HelpWindow::KeyboardText() {
  QString text = QStringLiteral("\n\nКлавиши главного окна:");
  for (const KeyboardCommand& command : kKeyboardCommands) {
    text += QStringLiteral("\n") + FromView(command.keys) + QStringLiteral(" — ") +
            FromView(command.what) + QLatin1Char('.');
  }
  return text;
}

HelpWindow::HelpWindow(QWidget* parent, FamilyProvider installed_families)
    : QWidget(parent, Qt::Window),
      installed_families_(installed_families ? std::move(installed_families) : FamilyProvider([] {
        return QFontDatabase::families();
      })) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(InitialCaption());
  setWindowModality(Qt::NonModal);
  // Closing the help window never ends the program; only the main window does.
  setAttribute(Qt::WA_QuitOnClose, false);
  move(kWindow.topLeft());
  resize(kWindow.size());
  // The places above were laid out for the small Windows dialog font; the fixed texts must
  // fit them (the thanks label ends where the link begins, the text about the program fills
  // its memo), so the window takes that font, or a sans of the same size.
  QFont window_font = font();
  window_font.setFamilies({WindowFamily(installed_families_()), FromView(kShippedFamily)});
  window_font.setPixelSize(kWindowPixelSize);
  setFont(window_font);

  page_ = new QPlainTextEdit(this);
  page_->setObjectName(QStringLiteral("TntMemo1"));
  page_->setReadOnly(true);
  page_->setGeometry(kPageMemo);
  // Lines wrap at the memo's width, so a horizontal bar would only take room.
  page_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette page_palette = page_->palette();
  page_palette.setColor(QPalette::Base, kPageBackground);
  page_->setPalette(page_palette);

  about_ = new QPlainTextEdit(this);
  about_->setObjectName(QStringLiteral("Memo1"));
  about_->setReadOnly(true);
  about_->setFrameShape(QFrame::NoFrame);
  about_->setGeometry(kAboutMemo);
  about_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The lines about the program fill it; the keyboard commands follow below them.
  about_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette about_palette = about_->palette();
  about_palette.setColor(QPalette::Base, about_palette.color(QPalette::Window));
  about_->setPalette(about_palette);
  about_->setPlainText(AboutText());

  thanks_ = new QLabel(QStringLiteral("Поблагодарить автора: "), this);
  thanks_->setObjectName(QStringLiteral("Label76"));
  thanks_->move(kThanksLabel);
  thanks_->adjustSize();

  link_ = new LinkEdit(QStringLiteral(ZARNO_HELP_URL), this);
  link_->setObjectName(QStringLiteral("Edit1"));
  link_->setReadOnly(true);
  link_->setFrame(false);
  link_->setCursor(Qt::PointingHandCursor);
  // A link takes no focus: a click opens it instead of placing a caret.
  link_->setFocusPolicy(Qt::NoFocus);
  QFont link_font = link_->font();
  link_font.setUnderline(true);
  link_->setFont(link_font);
  QPalette link_palette = link_->palette();
  link_palette.setColor(QPalette::Text, Qt::blue);
  link_palette.setColor(QPalette::Base, link_palette.color(QPalette::Window));
  link_->setPalette(link_palette);
  // The label's text sits on the same line as the link's.
  link_->setGeometry(kLink.x(), kLink.y() + (thanks_->height() - link_->sizeHint().height()) / 2,
                     kLinkWidth, link_->sizeHint().height());
  link_->setCursorPosition(0);
  connect(link_, &LinkEdit::clicked, this, &HelpWindow::OpenLink);

  ok_ = new QPushButton(QStringLiteral("Лад"), this);
  ok_->setObjectName(QStringLiteral("Button1"));
  QFont ok_font = ok_->font();
  ok_font.setBold(true);
  ok_->setFont(ok_font);
  ok_->setGeometry(kOkButton);
  connect(ok_, &QPushButton::clicked, this, &QWidget::close);
}

QUrl HelpWindow::LinkAddress() const { return QUrl(link_->text()); }

void HelpWindow::OpenLink() {
  const QUrl url = LinkAddress();
  // Headless or without a browser this fails; there is nothing the user could do about it
  // here, so the answer is only passed on.
  const bool opened = QDesktopServices::openUrl(url);
  emit linkOpened(url, opened);
}

void HelpWindow::OpenPage(std::string_view id) {
  const std::optional<HelpPage> page = LoadHelpPage(id);
  if (!page) return;
  // Keep the table's own view: the caller's text may not outlive this call.
  current_page_ = *std::find(kHelpPageIds.begin(), kHelpPageIds.end(), id);
  setWindowTitle(page->caption);
  page_->setPlainText(page->text);
  if (const std::optional<QString> family = PageFamily(id, installed_families_())) {
    QFont font = page_->font();
    font.setFamilies({*family, FromView(kShippedFamily)});
    font.setPixelSize(kPagePixelSize);
    page_->setFont(font);
  }
  show();
  raise();
}

}  // namespace zarno::ui
