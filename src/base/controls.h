#pragma once

#include <cstdint>
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

// Identity of every named control of the main window (see controls.def).
enum class Ctl : std::uint16_t {
#define ZARNO_CONTROL(name, kind, value) name,
#include "base/controls.def"
#undef ZARNO_CONTROL
};

inline constexpr int kControlCount = 0
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

constexpr Ctl RadioOf(NumeralSystem s) {
  return static_cast<Ctl>(Index(Ctl::KirilRadio) + static_cast<int>(s));
}
constexpr std::optional<NumeralSystem> SystemOfRadio(Ctl c) {
  const int i = Index(c) - Index(Ctl::KirilRadio);
  if (i < 0 || i >= kSystemCount) return std::nullopt;
  return static_cast<NumeralSystem>(i);
}
// The font combo box of a system.
constexpr Ctl FontBoxOf(NumeralSystem s) {
  return static_cast<Ctl>(Index(Ctl::FontKirillitsa) + static_cast<int>(s));
}

// The digit button of digit d (0 to 9).
constexpr Ctl DigitButton(int d) { return static_cast<Ctl>(Index(Ctl::Arab1_0) + d); }

// Inclusive upper limit of each system.
constexpr std::int64_t LimitOf(NumeralSystem s) {
  constexpr std::int64_t kLimits[kSystemCount] = {999999, 2999,     399999, 99999,      9999,
                                                  19999,  99999999, 249999, 4294967295, 9999};
  return kLimits[static_cast<int>(s)];
}

}  // namespace zarno
