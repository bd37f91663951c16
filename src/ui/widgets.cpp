// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextCursor>
#include <QWindow>
#include <algorithm>

#include "ui/rich_copy.h"

namespace zarno::ui {
namespace {

// What the pressed and released panels look like.
const QColor kPressedPanel(192, 220, 192);  // "money green"

QColor ReleasedPanelColor() {
  // The colour of a window border in the standard palette, as the released panels had.
  return QApplication::palette().color(QPalette::Active, QPalette::Window);
}

// Where the ink of `text` falls when it is drawn with its baseline at `origin`.
QRectF InkAt(const QString& text, const QFont& font, const QPointF& origin) {
  QPainterPath path;
  path.addText(origin, font, text);
  return path.boundingRect();
}

}  // namespace

FittedText FitText(const QRectF& area, const QString& text, QFont font) {
  FittedText fitted{font, area.center(), {}};
  if (text.isEmpty() || area.isEmpty()) return fitted;
  const QRectF room = area.adjusted(1, 1, -1, -1);
  for (int step = 0; step < 40; ++step) {
    // Centred as a button centres its caption: the advance across, the line box down.
    const QFontMetricsF metrics(font);
    fitted.font = font;
    fitted.origin = QPointF(room.center().x() - metrics.horizontalAdvance(text) / 2,
                            room.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    fitted.ink = InkAt(text, font, fitted.origin);
    if (fitted.ink.isEmpty()) break;  // spaces only, or a sign no font has
    if (fitted.ink.width() <= room.width() && fitted.ink.height() <= room.height()) {
      // It fits: move it in where it stands out (a tall sign, a mark above the line).
      qreal dx = 0;
      qreal dy = 0;
      if (fitted.ink.left() < room.left()) dx = room.left() - fitted.ink.left();
      if (fitted.ink.right() > room.right()) dx = room.right() - fitted.ink.right();
      if (fitted.ink.top() < room.top()) dy = room.top() - fitted.ink.top();
      if (fitted.ink.bottom() > room.bottom()) dy = room.bottom() - fitted.ink.bottom();
      fitted.origin += QPointF(dx, dy);
      fitted.ink.translate(dx, dy);
      break;
    }
    const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    if (size <= 4) break;
    font.setPointSizeF(size * 0.9);
  }
  return fitted;
}

void DrawFittedText(QPainter& painter, const QRectF& area, const QString& text, QFont font,
                    const QColor& color) {
  if (text.isEmpty() || area.isEmpty()) return;
  const FittedText fitted = FitText(area, text, font);
  painter.save();
  painter.setFont(fitted.font);
  painter.setPen(color);
  painter.drawText(fitted.origin, text);
  painter.restore();
}

// ---- SignButton -------------------------------------------------------------------------

QRectF SignButton::SignArea() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  // Two pixels inside the face the style leaves for the caption.
  return QRectF(style()->subElementRect(QStyle::SE_PushButtonContents, &option, this))
      .adjusted(1, 1, -1, -1);
}

QRectF SignButton::CaptionInk() const { return FitText(SignArea(), text(), font()).ink; }

void SignButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const QColor color =
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  DrawFittedText(painter, SignArea(), caption, font(), color);
}

// ---- CaptionButton ------------------------------------------------------------------------

int CaptionButton::CaptionRoom() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  // A few pixels of the face stay free on each side, as on a button whose caption fits.
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 8;
}

QFont CaptionButton::CaptionFont() const {
  QFont f = font();
  const int room = CaptionRoom();
  while (QFontMetrics(f).horizontalAdvance(text()) > room) {
    const qreal size = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
    if (size <= 5) break;  // smaller than this is no longer read
    f.setPointSizeF(size - 0.5);
  }
  return f;
}

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QFont caption_font = CaptionFont();
  painter.setFont(caption_font);
  option.fontMetrics = QFontMetrics(caption_font);
  painter.drawControl(QStyle::CE_PushButton, option);
}

// ---- TogglePanel ------------------------------------------------------------------------

TogglePanel::TogglePanel(QWidget* parent) : QFrame(parent) {
  setAutoFillBackground(true);
  setLineWidth(1);
  SetPressed(false);
}

void TogglePanel::SetPressed(bool pressed) {
  pressed_ = pressed;
  setFrameStyle(QFrame::Panel | (pressed ? QFrame::Sunken : QFrame::Raised));
  QPalette p = palette();
  p.setColor(QPalette::Window, pressed ? kPressedPanel : ReleasedPanelColor());
  setPalette(p);
  update();
}

void TogglePanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TogglePanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  DrawFittedText(painter, contentsRect(), caption_, font(), palette().color(QPalette::WindowText));
}

void TogglePanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

// ---- Swatch -------------------------------------------------------------------------------

Swatch::Swatch(QWidget* parent, const QColor& color) : QFrame(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setCursor(Qt::PointingHandCursor);
}

void Swatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

// ---- HoverLabel ---------------------------------------------------------------------------

HoverLabel::HoverLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  Show();
}

void HoverLabel::SetRestingText(const QString& text) {
  resting_text_ = text;
  Show();
}

void HoverLabel::Show() {
  QFont f = font();
  f.setBold(hovered_);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, hovered_ ? QColor(255, 0, 0) : QColor(128, 128, 128));
  setPalette(p);
  setText(hovered_ ? QStringLiteral("нажми здесь") : resting_text_);
}

void HoverLabel::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  Show();
  QLabel::enterEvent(event);
}

void HoverLabel::leaveEvent(QEvent* event) {
  hovered_ = false;
  Show();
  QLabel::leaveEvent(event);
}

void HoverLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

// ---- RichOutput ---------------------------------------------------------------------------

RichOutput::RichOutput(QWidget* parent, const QString& menu_name, const QString& action_name,
                       const QString& standard_name)
    : QTextEdit(parent),
      menu_(new QMenu(this)),
      copy_(new QAction(QStringLiteral("&Скопировать текст"), this)),
      standard_copy_(new QAction(QStringLiteral("Копировать в стандартном &Юникоде"), this)) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setAcceptRichText(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  menu_->setObjectName(menu_name);
  copy_->setObjectName(action_name);
  standard_copy_->setObjectName(standard_name);
  // Shown in the menu, and a key of the menu while it is open; the window's own Ctrl+Shift+C
  // is in its menu "Правка".
  standard_copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  standard_copy_->setShortcutContext(Qt::WidgetShortcut);
  menu_->addAction(copy_);
  menu_->addAction(standard_copy_);
  connect(copy_, &QAction::triggered, this, &RichOutput::CopySelection);
  connect(standard_copy_, &QAction::triggered, this, &RichOutput::standardCopyRequested);
  // A read-only field passes Tab on, as every other control does.
  setTabChangesFocus(true);
}

QString RichOutput::SelectedText() const {
  QString text = textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.remove(QChar(0x202D));  // LEFT-TO-RIGHT OVERRIDE
  text.remove(QChar(0x202C));  // POP DIRECTIONAL FORMATTING
  return text;
}

std::pair<int, int> RichOutput::SelectionInText() const {
  const QTextCursor cursor = textCursor();
  // A field that reads left to right whatever its digits begins with the override mark.
  const int shift = document()->characterAt(0) == QChar(0x202D) ? 1 : 0;
  return {std::max(0, cursor.selectionStart() - shift), std::max(0, cursor.selectionEnd() - shift)};
}

QMimeData* RichOutput::createMimeDataFromSelection() const {
  if (!source_) return QTextEdit::createMimeDataFromSelection();
  const auto [start, end] = SelectionInText();
  return OutputMimeData(source_(), start, end).release();
}

void RichOutput::CopySelection() {
  if (!HasSelection()) return;
  if (QMimeData* mime = createMimeDataFromSelection()) QApplication::clipboard()->setMimeData(mime);
}

void RichOutput::contextMenuEvent(QContextMenuEvent* event) { menu_->exec(event->globalPos()); }

// ---- SizeSpinBox --------------------------------------------------------------------------

SizeSpinBox::SizeSpinBox(QWidget* parent) : QSpinBox(parent) {
  // No typed text: the size changes by the arrows only.
  lineEdit()->setReadOnly(true);
}

void SizeSpinBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      // A held arrow steps once: its repeats are refused like typed text.
      if (event->isAutoRepeat()) {
        QApplication::beep();
        event->accept();
        return;
      }
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      break;
    default:
      if (!event->text().isEmpty()) {
        QApplication::beep();
        event->accept();
        return;
      }
      break;
  }
  QSpinBox::keyPressEvent(event);
}

// ---- Surface ------------------------------------------------------------------------------

Surface::Surface(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(p);
}

void Surface::mousePressEvent(QMouseEvent* event) {
  QWidget* top = window();
  // The window manager moves the window, as a drag by the caption would; where there is
  // none (a bare X server), the window follows the mouse by itself.
  if (top->windowHandle() != nullptr && top->windowHandle()->startSystemMove()) return;
  drag_offset_ = event->globalPosition().toPoint() - top->frameGeometry().topLeft();
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
  if (!drag_offset_) return;
  window()->move(event->globalPosition().toPoint() - *drag_offset_);
}

void Surface::mouseReleaseEvent(QMouseEvent*) { drag_offset_.reset(); }

}  // namespace zarno::ui
