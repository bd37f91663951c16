// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/dump.h"

#include "cli/json.h"

namespace zarno::cli {
namespace {

// Edits, outputs and combo boxes hold a text that the user or the program writes; the other
// controls show a caption.
bool HoldsText(ControlKind kind) {
  return kind == ControlKind::kEdit || kind == ControlKind::kOutput ||
         kind == ControlKind::kFontBox;
}

const char* Bool(bool b) { return b ? "true" : "false"; }

}  // namespace

void Dump(const MainWindowModel& model, std::ostream& out) {
  out << "{\"controls\": [";
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    const ControlState& s = model.State(c);
    if (i > 0) out << ", ";
    out << "{\"name\": \"" << Name(c) << "\", \"kind\": \"" << KindName(KindOf(c)) << "\", \""
        << (HoldsText(KindOf(c)) ? "text" : "caption") << "\": " << JsonString(s.caption)
        << ", \"shown\": " << Bool(s.shown) << ", \"enabled\": " << Bool(s.enabled)
        << ", \"checked\": " << Bool(s.checked) << ", \"place\": [" << s.place.x << ", "
        << s.place.y << ", " << s.place.w << ", " << s.place.h
        << "], \"font\": " << JsonString(s.font) << ", \"size\": " << s.font_size
        << ", \"color\": " << s.color << ", \"bold\": " << Bool(s.bold)
        << ", \"italic\": " << Bool(s.italic) << "}";
  }
  out << "]}\n";
}

}  // namespace zarno::cli
