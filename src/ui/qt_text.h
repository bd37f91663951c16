// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conversions between the model's plain types and Qt's.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/control_state.h"
#include "core/main_window_model.h"

namespace zarno::ui {

inline QString ToQ(std::u16string_view s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

inline std::u16string FromQ(const QString& s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()),
                        static_cast<std::size_t>(s.size()));
}

inline QRect ToQ(const Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

// Colour values keep red in the lowest byte.
inline QColor ColorOf(std::uint32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline QString ShippedFamily() { return ToQ(kShippedFontFamily); }

// The font list of a widget that can show our signs: the chosen family first, then our own
// font, so that a private-use sign never falls back to another font's glyph at that code
// point (AR PL UMing has its own glyphs at several of them).
inline QStringList FamiliesWithOurs(const QString& family) {
  QStringList families;
  if (!family.isEmpty()) families << family;
  if (family != ShippedFamily()) families << ShippedFamily();
  return families;
}

}  // namespace zarno::ui
