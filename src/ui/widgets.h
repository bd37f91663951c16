// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few widgets the window needs beyond Qt's own.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <functional>
#include <optional>
#include <utility>

#include "ui/output_fit.h"

class QAction;
class QMenu;

namespace zarno::ui {

// Where and how large `text` is drawn in `area`: centred; when its ink would stand out of the
// area, moved in, and when it is larger than the area, smaller, so that a sign is never clipped.
struct FittedText {
  QFont font;
  QPointF origin;  // of the baseline
  QRectF ink;      // where the ink falls
};
FittedText FitText(const QRectF& area, const QString& text, QFont font);
void DrawFittedText(QPainter& painter, const QRectF& area, const QString& text, QFont font,
                    const QColor& color);

// A keypad key or digit button: a push button whose sign is always drawn whole, a little
// inside its face, so that a sign drawn as large as its em (the Chinese zero ◯) does not run
// into the key's edge.
class SignButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
  // Where the sign's ink falls on the key.
  QRectF CaptionInk() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF SignArea() const;
};

// A push button whose caption is drawn smaller when it is wider than the button, instead of
// being clipped.
class CaptionButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
  // The font the caption is drawn in.
  QFont CaptionFont() const;
  // The width the caption may take.
  int CaptionRoom() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A toggle panel (the thousands sign, the myriads): a bevelled panel, sunken and green while
// pressed, raised while released. A click only reports; the model decides the state.
class TogglePanel : public QFrame {
  Q_OBJECT
 public:
  explicit TogglePanel(QWidget* parent);
  void SetPressed(bool pressed);
  bool Pressed() const { return pressed_; }
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString caption_;
  bool pressed_ = false;
};

// A colour swatch: a small field painted in its colour.
class Swatch : public QFrame {
  Q_OBJECT
 public:
  Swatch(QWidget* parent, const QColor& color);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The "(?)" label: "нажми здесь" in bold red while the mouse is over it.
class HoverLabel : public QLabel {
  Q_OBJECT
 public:
  explicit HoverLabel(QWidget* parent);
  void SetRestingText(const QString& text);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Show();
  QString resting_text_;
  bool hovered_ = false;
};

// A read-only rich output with the context menu "Скопировать текст". A copy (the menu or the
// keyboard's own) puts the selection on the clipboard as plain text and as HTML in the field's
// look (rich_copy.h).
class RichOutput : public QTextEdit {
  Q_OBJECT
 public:
  // `menu_name` and `action_name` are the object names of the menu and of its copy command;
  // `standard_name` that of its command "Копировать в стандартном Юникоде".
  RichOutput(QWidget* parent, const QString& menu_name, const QString& action_name,
             const QString& standard_name);
  QAction* CopyAction() const { return copy_; }
  // What the field shows, as the window has it: the copy takes its text and formats from here.
  void SetSource(std::function<OutputText()> source) { source_ = std::move(source); }
  // The selected text without the direction marks the view adds for display.
  QString SelectedText() const;
  // The selection as positions in the text the field shows, without those marks.
  std::pair<int, int> SelectionInText() const;
  bool HasSelection() const { return textCursor().hasSelection(); }
  // Copies the selection to the clipboard; nothing when nothing is selected.
  void CopySelection();

 signals:
  // The menu's "Копировать в стандартном Юникоде": the window maps the text.
  void standardCopyRequested();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  QMenu* menu_;
  QAction* copy_;
  QAction* standard_copy_;
  std::function<OutputText()> source_;
};

// The size spin box: takes no typed text, and an arrow key held down steps only once.
class SizeSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  explicit SizeSpinBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The window's surface: silver, and a handle to drag the window by from any bare point.
class Surface : public QWidget {
  Q_OBJECT
 public:
  explicit Surface(QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Set while the window follows the mouse itself (no window manager to move it).
  std::optional<QPoint> drag_offset_;
};

}  // namespace zarno::ui
