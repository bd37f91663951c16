// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chooser_window.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "digits/digit_sets.h"
#include "ui/process_fonts.h"
#include "ui/qt_text.h"
#include "ui/widgets.h"

namespace zarno::ui {
namespace {

// The design of the window: 511 by 988 at (583, -1). Its font-name column starts at x 512,
// just right of that width, so the window is made wide enough to show it.
constexpr int kDesignHeight = 988;
constexpr int kFontColumnX = 512;
constexpr int kWidth = kFontColumnX + 128;
constexpr QPoint kDesignPos(583, -1);

constexpr int kFirstRowY = 16;
constexpr int kRowStep = 32;
constexpr int kDigitX[10] = {136, 162, 192, 224, 254, 281, 312, 344, 373, 401};
constexpr int kRegionX = 432;
// The row of "новый тай лы/new tai lue" has the widest caption.
constexpr int kWideRow = 22;

const QColor kGrey(128, 128, 128);

// A digit of a row: its ink stands centred on the row's line, whatever the ascent and
// descent of the font that ends up drawing it; a glyph larger than its cell (the space to the
// next digit and between the rows) is drawn smaller, so that neighbours never overlap.
class DigitGlyph : public QLabel {
 public:
  DigitGlyph(QWidget* parent, const QSizeF& cell) : QLabel(parent), cell_(cell) {}

  // Where the digit's ink falls, in the label, and the font it is drawn in.
  std::pair<QRectF, QFont> Fitted() const {
    QFont f = font();
    const QString glyph = text();
    for (int step = 0; step < 30 && !glyph.isEmpty(); ++step) {
      QPainterPath path;
      path.addText(QPointF(0, 0), f, glyph);
      const QRectF ink = path.boundingRect();
      if (ink.isEmpty()) return {QRectF(), f};
      if ((ink.width() <= cell_.width() && ink.height() <= cell_.height()) || f.pixelSize() <= 6) {
        return {ink.translated(1 - ink.left(), height() / 2.0 - ink.center().y()), f};
      }
      f.setPixelSize(std::max(6, f.pixelSize() - 1));
    }
    return {QRectF(), f};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const QString glyph = text();
    if (glyph.isEmpty()) return;
    const auto [ink, f] = Fitted();
    if (ink.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(f);
    painter.setPen(palette().color(QPalette::WindowText));
    // The ink's top left where Fitted placed it.
    QPainterPath path;
    path.addText(QPointF(0, 0), f, glyph);
    const QRectF at_origin = path.boundingRect();
    painter.drawText(ink.topLeft() - at_origin.topLeft(), glyph);
  }

 private:
  QSizeF cell_;
};

QLabel* GreyLabel(QWidget* parent, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, kGrey);
  label->setPalette(p);
  label->setGeometry(place);
  return label;
}

}  // namespace

Dr10ZnakWindow::Dr10ZnakWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Dr10Znak"));
  setWindowTitle(QStringLiteral("Другие обозначения цифр десятичной позиционной системы"));
  setFont(QFont(UiFamily(), 8));
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("Dr10ZnakRows"));
  content->setFixedSize(kWidth, kDesignHeight);

  GreyLabel(content, QStringLiteral("Шрифт:"), QRect(kFontColumnX, 0, 120, 14))
      ->setObjectName(QStringLiteral("FontHeader"));
  for (int d = 0; d < 10; ++d) {
    GreyLabel(content, QString::number(d), QRect(135 + 30 * d, 0, 14, 14))
        ->setObjectName(QStringLiteral("DigitHeader%1").arg(d));
  }

  const auto rows = ChooserRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ChooserRow& r = rows[i];
    const int number = static_cast<int>(i) + 1;
    const int y = kFirstRowY + kRowStep * static_cast<int>(i);
    Row row;
    row.button = new CaptionButton(ToQ(r.name), content);
    row.button->setObjectName(QStringLiteral("Row%1").arg(number));
    row.button->setAccessibleName(ToQ(r.name));
    row.button->setGeometry(number == kWideRow ? QRect(2, y, 129, 25) : QRect(8, y, 116, 25));
    connect(row.button, &QPushButton::clicked, this, [this, number] { emit rowClicked(number); });
    // The digits are drawn a little larger than the row, centred on the row's button.
    const int label_h = r.digit_height + 14;
    const int label_y = y + 12 - label_h / 2;
    for (int d = 0; d < 10; ++d) {
      const int next_x = d < 9 ? kDigitX[d + 1] : kDigitX[9] + kRowStep;
      auto* label = new DigitGlyph(content, QSizeF(next_x - kDigitX[d] - 3, kRowStep - 2));
      label->setObjectName(QStringLiteral("Row%1Digit%2").arg(number).arg(d));
      label->setGeometry(kDigitX[d], label_y, 2 * r.digit_height, label_h);
      row.digits[d] = label;
    }
    row.region = GreyLabel(content, ToQ(r.region), QRect(kRegionX, y - 3, 80, 30));
    row.region->setObjectName(QStringLiteral("Row%1Region").arg(number));
    row.region->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.font_name = GreyLabel(content, QString(), QRect(kFontColumnX, y, 124, 25));
    row.font_name->setObjectName(QStringLiteral("Row%1Font").arg(number));
    row.font_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rows_.push_back(row);
  }

  // On a screen lower than the window the rows scroll.
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setWidget(content);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);

  int height = kDesignHeight;
  int width = kWidth;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const int available = screen->availableGeometry().height();
    if (available < kDesignHeight) {
      height = available - 40;  // room for the window frame
      width += scroll_->verticalScrollBar()->sizeHint().width();
    }
  }
  resize(width, height);
  move(kDesignPos);
}

void Dr10ZnakWindow::Refresh(const QString& font_arab1, const QString& font_arab2) {
  const auto rows = ChooserRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ChooserRow& r = rows[i];
    Row& row = rows_[i];
    const QString family = r.group == 2 ? font_arab2 : font_arab1;
    QFont font(UiFamily());
    font.setFamilies(FamiliesWithOurs(family.isEmpty() ? UiFamily() : family));
    font.setPixelSize(r.digit_height);
    for (QLabel* label : row.digits) label->setFont(font);
    // The name of the font the digits are drawn in, as the digit-9 label has it.
    row.font_name->setText(QFontInfo(row.digits[9]->font()).family());
    row.button->setText(ToQ(r.name));
    const DigitSet* set = FindDigitSet(r.name);
    if (set == nullptr) continue;
    const auto digits = DigitsOf(*set, FromQ(font_arab1));
    for (int d = 0; d < 10; ++d) row.digits[d]->setText(ToQ(digits[d]));
  }
}

QRectF Dr10ZnakWindow::DigitInk(int row, int digit) const {
  const auto* label = static_cast<const DigitGlyph*>(DigitLabel(row, digit));
  return label->Fitted().first.translated(label->pos());
}

void Dr10ZnakWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closedByUser();
}

}  // namespace zarno::ui
