// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a copy from an output field (Kiril, Arab1) puts on the clipboard: the selected part of
// the numeral as plain text, and beside it as HTML that keeps the field's look in a document
// that has our font: the family (with a list of common Unicode families after it for the signs
// a document's fonts lack), the chosen size and colour, and the thousands sign lowered and
// smaller as the field draws it.
#include <QString>
#include <QStringList>
#include <memory>

#include "ui/output_fit.h"

class QMimeData;

namespace zarno::ui {

// The families a pasted numeral falls back to after its own family and ours, last a generic
// one: fonts with wide coverage of the scripts the program writes.
QStringList HtmlFallbackFamilies();

// The part [start, end) of `out.text` (positions in the text, without any display marks) as
// an HTML fragment. The chosen size is that of `out.font`, not the size a long numeral is
// shrunk to in its field; the Maya column keeps one sign to a line.
QString OutputHtml(const OutputText& out, int start, int end);

// text/plain and text/html of that part; null when the part is empty.
std::unique_ptr<QMimeData> OutputMimeData(const OutputText& out, int start, int end);

}  // namespace zarno::ui
