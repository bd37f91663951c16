// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the settings: reading and writing "Zarno.ini", the font lists, the
// automatic font choice, and the font, size and colour controls.
#include <algorithm>
#include <filesystem>
#include <variant>

#include "base/number.h"
#include "core/main_window_model.h"
#include "core/numeral_systems.h"
#include "settings/damaged_settings.h"
#include "settings/font_choice.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

namespace zarno {
namespace {

// The controls whose font the stored Cyrillic font name sets: the output and the keypad.
bool TakesCyrillicFont(Ctl c) {
  if (KindOf(c) == ControlKind::kKey) return true;
  switch (c) {
    case Ctl::x10000:
    case Ctl::x100000:
    case Ctl::Tysyasha:
    case Ctl::Nizhe1:
    case Ctl::Zarno:
    case Ctl::Kiril:
      return true;
    default:
      return false;
  }
}

// A size from the file as the output fields can be drawn at; beyond them the window would
// draw nothing, and the thousands sign's height in twips would overflow.
int OutputPoints(std::int32_t points) {
  return std::clamp<std::int32_t>(points, kMinOutputPoints, kMaxOutputPoints);
}

}  // namespace

const std::vector<std::u16string>& MainWindowModel::FontList() {
  if (!font_list_) font_list_ = host_.InstalledFontFamilies();
  return *font_list_;
}

bool MainWindowModel::FontPresent(std::u16string_view name) {
  return zarno::FontPresent(FontList(), name);
}

int MainWindowModel::FindFontIndex(std::u16string_view name) {
  return zarno::FindFontIndex(FontList(), name);
}

// Selecting an entry by program: the box shows the entry equal to the name, or the first
// entry when none is. No change behaviour runs.
void MainWindowModel::SelectFontInBox(Ctl box, std::u16string_view name) {
  const auto& list = FontList();
  S(box).caption = list.empty() ? std::u16string(name) : list[FindFontIndex(name)];
}

void MainWindowModel::FillFontLists() {
  for (std::size_t i = 0; i < kFontBoxes.size(); ++i) {
    SelectFontInBox(kFontBoxes[i], remembered_fonts_[i]);
  }
}

template <typename F>
auto MainWindowModel::WithSettingsStore(F use) {
  if (SettingsStore* elsewhere = host_.SettingsElsewhere()) return use(*elsewhere);
  SettingsFileStore file(host_.SettingsPath());
  return use(file);
}

bool MainWindowModel::SettingsFileExists() {
  return WithSettingsStore([](SettingsStore& s) { return s.Exists(); });
}

bool MainWindowModel::SetAsideDamagedSettings() {
  if (host_.SettingsElsewhere() != nullptr) return false;  // only a file can be kept aside
  const std::filesystem::path path = host_.SettingsPath();
  const SettingsRead read = ReadSettingsFile(path);
  if (read.outcome != SettingsRead::Outcome::kEntries || !IsDamagedSettings(read.entries)) {
    return false;
  }
  const auto kept = KeepDamagedSettingsFile(path);
  if (const auto* error = std::get_if<std::u16string>(&kept)) {
    host_.ReportError(*error);
  } else {
    host_.ReportError(DamagedSettingsMessage(path, std::get<std::filesystem::path>(kept)));
  }
  return true;
}

void MainWindowModel::LoadSettings() {
  SettingsRead read = WithSettingsStore([](SettingsStore& s) { return s.Read(); });
  if (read.outcome == SettingsRead::Outcome::kNoFile) return;
  if (read.outcome == SettingsRead::Outcome::kError) {
    host_.ReportError(read.error);
    return;
  }
  ApplySettings(read.entries);
}

void MainWindowModel::ApplySettings(const std::vector<SettingsEntry>& entries) {
  settings_busy_ = true;
  for (const SettingsEntry& e : entries) {
    const auto key = FindSettingKey(e.key);
    if (!key) continue;
    const SettingKeyInfo& info = kSettingKeys[static_cast<int>(*key)];
    if (info.type == SettingType::kFontName) {
      const Ctl box = *info.font_box;
      remembered_fonts_[*FontBoxIndex(box)] = e.value;
      if (!e.value.empty() && box == Ctl::FontKirillitsa) {
        for (int i = 0; i < kControlCount; ++i) {
          if (TakesCyrillicFont(static_cast<Ctl>(i))) controls_[i].font = e.value;
        }
      }
      if (!e.value.empty() && box == Ctl::FontArab1) {
        for (int d = 0; d < 10; ++d) S(DigitButton(d)).font = e.value;
        S(Ctl::Arab1).font = e.value;
      }
      SelectFontInBox(box, e.value);
      continue;
    }
    const auto number = ParseSettingsInteger(e.value);
    if (!number) {
      // The rest of the file is not read, as with any failed conversion.
      host_.ReportError(NotAnIntegerMessage(e.value));
      break;
    }
    switch (*key) {
      case SettingKey::kKirilFontSize:
        SetSpinValue(*number);
        S(Ctl::Kiril).font_size = OutputPoints(*number);
        break;
      case SettingKey::kKirilFontColor:
        S(Ctl::Kiril).color = static_cast<std::uint32_t>(*number);
        break;
      case SettingKey::kFontArabSize:
        S(Ctl::Arab1).font_size = OutputPoints(*number);
        break;
      case SettingKey::kFontArabColor:
        S(Ctl::Arab1).color = static_cast<std::uint32_t>(*number);
        break;
      default:
        break;
    }
  }
  settings_busy_ = false;
}

void MainWindowModel::SaveSettings() {
  if (settings_busy_) return;  // a save while the file is read writes nothing
  settings_busy_ = true;
  SettingsValues v;
  for (std::size_t i = 0; i < kFontBoxes.size(); ++i) v.fonts[i] = Text(kFontBoxes[i]);
  v.kiril_font_size = State(Ctl::Kiril).font_size;
  v.kiril_font_color = static_cast<std::int32_t>(State(Ctl::Kiril).color);
  v.font_arab_size = State(Ctl::Arab1).font_size;
  v.font_arab_color = static_cast<std::int32_t>(State(Ctl::Arab1).color);
  const auto error =
      WithSettingsStore([&v](SettingsStore& s) { return s.Write(SettingsEntriesOf(v)); });
  settings_busy_ = false;
  if (error) host_.ReportError(*error);
}

FontsByBox MainWindowModel::ChosenFonts() {
  return ChooseDefaultFonts([this](std::u16string_view name) { return FontPresent(name); });
}

bool MainWindowModel::ChooseFonts() {
  if (settings_busy_) return false;
  settings_busy_ = true;
  const FontsByBox fonts = ChosenFonts();
  const auto error = WithSettingsStore(
      [&fonts](SettingsStore& s) { return s.Write(DefaultSettingsEntries(fonts)); });
  settings_busy_ = false;
  if (error) host_.ReportError(*error);
  return !error;
}

void MainWindowModel::Button5Click() {
  FillFontLists();
  ChooseFonts();
  LoadSettings();
  const Ctl radio = RadioOf(System());
  S(radio).checked = false;
  S(radio).checked = true;
  RunRadioHandler(radio);
  ApplyDr10ZnakFont();
}

void MainWindowModel::NastroykiClick() {
  const bool open = window_width_ >= kWideWidth;
  window_width_ = open ? kNarrowWidth : kWideWidth;
  SetCaption(Ctl::Nastroyki, open ? u"Настр. >>" : u"<< Настр.");
}

void MainWindowModel::FontBoxChange(Ctl box) {
  if (box == Ctl::FontArab1 || box == Ctl::FontArab2) {
    ApplyDr10ZnakFont();
    return;
  }
  // The system of the box becomes the current one, set up in its new font.
  const NumeralSystem system = SystemOfFontBox(box);
  const Ctl radio = RadioOf(system);
  for (const NumeralSystemRow& row : NumeralSystems()) S(row.radio).checked = false;
  S(radio).checked = true;
  RunRadioHandler(radio);
  RenderSystem(system);
}

void MainWindowModel::SetSpinValue(int value) {
  value = std::clamp(value, 5, 99);
  if (value == spin_value_) return;
  spin_value_ = value;
  SpinEdit1Change();
  EnforceLimit();
}

void MainWindowModel::SetOutputSize(int points) {
  S(Ctl::Kiril).font_size = points;
  S(Ctl::Arab1).font_size = points;
}

void MainWindowModel::SetOutputColor(std::uint32_t color) {
  S(Ctl::Kiril).color = color;
  S(Ctl::Arab1).color = color;
}

void MainWindowModel::SpinEdit1Change() {
  SetOutputSize(spin_value_);
  RedrawCurrentSystem();
  SaveSettings();
}

void MainWindowModel::RedrawCurrentSystem() { (this->*RowOf(System()).redraw)(); }

void MainWindowModel::SwatchClick(Ctl swatch) {
  SetOutputColor(ValueOf(swatch));
  RedrawCurrentSystem();
  RenderDr10Znak();
  SaveSettings();
  ApplyDr10ZnakFont();
}

void MainWindowModel::Button2Click() {
  const ControlState& k = State(Ctl::Kiril);
  const FontSpec f = host_.ChooseFont({k.font, k.font_size, k.color, k.bold, k.italic});
  ControlState& kiril = S(Ctl::Kiril);
  kiril.font = f.family;
  kiril.font_size = f.size;
  kiril.color = f.color;
  kiril.bold = f.bold;
  kiril.italic = f.italic;
  SetKeypadFont(f.family);
  SetKeypadFontSize();
  SetSpinValue(f.size);
  FillFontLists();
  // Every system, Maya and Hebrew included, keeps the font chosen for it.
  RedrawCurrentSystem();
  SelectFontInBox(FontBoxOf(System()), f.family);
  SaveSettings();
}

void MainWindowModel::Button3Click() {
  const ControlState& a = State(Ctl::Arab1);
  const FontSpec f = host_.ChooseFont({a.font, a.font_size, a.color, a.bold, a.italic});
  ControlState& arab = S(Ctl::Arab1);
  arab.font = f.family;
  arab.font_size = f.size;
  arab.color = f.color;
  arab.bold = f.bold;
  arab.italic = f.italic;
  for (int d = 0; d < 10; ++d) S(DigitButton(d)).font = f.family;
  SelectFontInBox(UsesFontArab2() ? Ctl::FontArab2 : Ctl::FontArab1, f.family);
  ApplyDr10ZnakFont();
  RenderDr10Znak();
  SaveSettings();
}

}  // namespace zarno
