// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a numeral is laid out in its output field (Kiril, Arab1). The user chooses one size for
// both fields; a numeral too wide for its one-line field (or, in the Maya column, too tall)
// is drawn at the largest whole point size that shows it whole, down to kFitFloorPoints.
// Only the drawing shrinks: the chosen size stays what the spin box shows and the settings
// keep. A numeral that fits at the chosen size is drawn exactly at that size.
#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <vector>

#include "core/main_window_model.h"

class QTextDocument;

namespace zarno::ui {

// Below this size a numeral is no longer shrunk but wraps, as a field too narrow for it always
// did. 10 points (13 pixels at 96 dpi) is still larger than every caption of the window (8
// points), and the numeral marks and the lowered thousands sign are still seen apart from their
// letters. It is also just low enough for the widest numerals of every system with their
// default signs (Greek Attic 249999 stands whole at 10 points, Roman 388888 at 11) to stand on
// one line in the 285-pixel field; and two wrapped lines at this size still fit its height.
inline constexpr int kFitFloorPoints = 10;

// What an output field shows, at the size the user chose.
struct OutputText {
  QString text;
  QFont font;  // its point size is the chosen size
  QColor color;
  // The lowered (and perhaps smaller) thousands signs, as the model formats them.
  std::vector<FormatRun> runs;
  qreal dpi = 96;
  // Digits of every set read left to right, whatever their bidi class.
  bool left_to_right = false;
  // The Maya column: one sign below another, one sign to a line.
  bool column = false;
  // The room inside the field's frame, and the document's margin within it.
  QSize room;
  qreal margin = 2;
};

struct Fit {
  int points = 0;
  // True when the numeral stands whole at `points`; false when it wraps (at the floor, or at
  // a chosen size below the floor).
  bool whole = true;
};

// Writes `out` into `doc` at `points`; the lowered thousands signs keep their proportions (their
// size and offset scale with the text).
void FillOutputDocument(QTextDocument& doc, const OutputText& out, int points);

// True when `out` at `points` stands whole in its room: one line (one sign to a line in the
// column) and neither wider nor taller than the room.
bool StandsWhole(const OutputText& out, int points);

// The largest whole point size, not above the chosen one, at which `out` stands whole.
Fit FitOutput(const OutputText& out);

}  // namespace zarno::ui
