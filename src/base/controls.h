// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

namespace zarno {

// What a control is; decides how a click on it is handled and how the view builds it.
enum class ControlKind : std::uint8_t {
  kEdit,
  kOutput,
  kButton,
  kDigitButton,
  kSystemRadio,
  kGroup,
  kStyleRadio,
  kKey,
  kVariantBox,
  kOptionBox,
  kPanel,
  kLabel,
  kLink,
  kSpin,
  kSwatch,
  kFontBox,
};

// The kinds by name, as `zarno-cli replay`'s dump writes them.
inline constexpr std::string_view kControlKindNames[] = {
    "edit",        "output", "button",      "digit-button", "system-radio", "group",
    "style-radio", "key",    "variant-box", "option-box",   "panel",        "label",
    "link",        "spin",   "swatch",      "font-box",
};
static_assert(std::size(kControlKindNames) == static_cast<std::size_t>(ControlKind::kFontBox) + 1,
              "one name for every kind, in the order of ControlKind");
constexpr std::string_view KindName(ControlKind kind) {
  return kControlKindNames[static_cast<int>(kind)];
}

// Identity of every named control of the main window (see controls.def).
enum class Ctl : std::uint16_t {
#define ZARNO_CONTROL(name, kind, value) name,
#include "base/controls.def"
#undef ZARNO_CONTROL
};

inline constexpr int kControlCount = 0
// NOLINTNEXTLINE(bugprone-macro-parentheses): each control adds one term to the sum.
#define ZARNO_CONTROL(name, kind, value) +1
#include "base/controls.def"
#undef ZARNO_CONTROL
    ;

struct ControlInfo {
  std::string_view name;
  ControlKind kind;
  std::uint32_t value;  // the number a key stands for; the colour of a swatch
};

inline constexpr ControlInfo kControls[kControlCount] = {
#define ZARNO_CONTROL(name, kind, value) {#name, ControlKind::kind, value},
#include "base/controls.def"
#undef ZARNO_CONTROL
};

constexpr int Index(Ctl c) { return static_cast<int>(c); }
constexpr const ControlInfo& Info(Ctl c) { return kControls[Index(c)]; }
constexpr std::string_view Name(Ctl c) { return Info(c).name; }
constexpr ControlKind KindOf(Ctl c) { return Info(c).kind; }
constexpr std::uint32_t ValueOf(Ctl c) { return Info(c).value; }

// The control of that exact name (case-sensitive), if any.
std::optional<Ctl> FindControl(std::string_view name);

// The ten numeral systems, identified by their radio buttons.
enum class NumeralSystem : std::uint8_t {
  kKiril,
  kGlagol,
  kRim,
  kKitay,
  kArmen,
  kGruz,
  kGrekIonich,
  kGrekAttich,
  kMaya,
  kIudeyskie,
};
inline constexpr int kSystemCount = 10;

// The digit button of `d` (0 to 9) under the digit field.
constexpr Ctl DigitButton(int d) { return static_cast<Ctl>(Index(Ctl::Arab1_0) + d); }
constexpr bool DigitButtonsInDigitOrder() {
  for (int d = 0; d < 10; ++d) {
    const Ctl c = DigitButton(d);
    if (KindOf(c) != ControlKind::kDigitButton || ValueOf(c) != static_cast<std::uint32_t>(d)) {
      return false;
    }
  }
  return true;
}
static_assert(DigitButtonsInDigitOrder(),
              "the digit buttons stand in controls.def in the order of their digits");

}  // namespace zarno
