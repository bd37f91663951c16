// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/main_window_model.h"

#include <algorithm>

#include "base/number.h"
#include "core/numeral_systems.h"
#include "digits/digit_sets.h"
#include "keypads/layout.h"
#include "numerals/captions.h"
#include "numerals/slavonic.h"
#include "numerals/standard_form.h"
#include "settings/settings_keys.h"

namespace zarno {

namespace {

// Design captions of the controls whose text no routine writes.
constexpr struct {
  Ctl control;
  std::u16string_view text;
} kDesignCaptions[] = {
    {Ctl::Button1, u"Очистить"},
    {Ctl::Nastroyki, u"Настр. >>"},
    {Ctl::Button4, u"Другие 10-знаковые >>"},
    {Ctl::Button2, u"Шрифт"},
    {Ctl::Button3, u"Шрифт"},
    {Ctl::Button5, u"Подобрать шрифты"},
    {Ctl::Kiril_10000_I_Bolshe, u"10000 и больше"},
    {Ctl::Dr10Znak_Name, u"Арабские"},
    {Ctl::Kiril_Stepen_103, u"x1000"},
    {Ctl::x10000_nadpis, u"x10000"},
    {Ctl::x100000_nadpis, u"x100000"},
    {Ctl::TysyashaNizhe, u""},
    {Ctl::Ispolzovat, u"использовать"},
    {Ctl::Gershaim, u"\" (гершаим)"},
    {Ctl::Obychay, u"обычай"},
    {Ctl::Label78, u"(?)"},
};

// Options and radio buttons selected at start.
constexpr Ctl kTickedAtStart[] = {Ctl::IspZarno, Ctl::TysyashaNizhe, Ctl::KirilRadio,
                                  Ctl::Kiril_Old_Tys_Radio1};

}  // namespace

MainWindowModel::MainWindowModel(Host& host) : host_(host) {
  for (const auto& [control, text] : kDesignCaptions) S(control).caption = text;
  for (const NumeralSystemRow& row : NumeralSystems()) S(row.radio).caption = row.radio_caption;
  for (Ctl c : kVariantBoxesTickedAtStart) S(c).checked = true;
  for (Ctl c : kTickedAtStart) S(c).checked = true;
  S(Ctl::CF1).shown = S(Ctl::CF2).shown = false;
  S(Ctl::Kiril).place = kKirilLine;
  S(Ctl::Kiril).font = u"Microsoft Sans Serif";
  S(Ctl::Kiril).font_size = 20;
  S(Ctl::Arab1).font_size = 20;
  for (int d = 0; d < 10; ++d) S(DigitButton(d)).font_size = 20;
  ApplyLayout(NumeralSystem::kKiril);
}

// ---- Queries ----------------------------------------------------------------------------

NumeralSystem MainWindowModel::System() const { return SystemOf(Keys()); }

bool MainWindowModel::IsSlavonic() const { return zarno::IsSlavonic(System()); }

bool MainWindowModel::Reachable(Ctl c) const { return State(c).shown && State(c).enabled; }

bool MainWindowModel::AboveLimit() const {
  if (Sovr().empty()) return false;
  const auto value = ParseInt64(Sovr());
  // A number too large to convert is above every limit.
  return !value || *value > LimitOf(System());
}

bool MainWindowModel::KirilFontIsShipped() const {
  return State(Ctl::Kiril).font == kShippedFontFamily;
}

// ---- User events --------------------------------------------------------------------------

bool MainWindowModel::Click(Ctl c) {
  if (!Reachable(c)) return false;
  switch (KindOf(c)) {
    case ControlKind::kKey:
      KeyClick(c);
      break;
    case ControlKind::kVariantBox:
    case ControlKind::kOptionBox:
      S(c).checked = !S(c).checked;
      RunCheckHandler(c);
      break;
    case ControlKind::kSystemRadio:
    case ControlKind::kStyleRadio:
      SelectRadio(c);
      break;
    case ControlKind::kPanel:
      if (c == Ctl::Tysyasha) TysyashaClick();
      if (c == Ctl::x10000) x10000Click();
      if (c == Ctl::x100000) x100000Click();
      break;
    case ControlKind::kDigitButton:
      Arab1DigitClick(static_cast<int>(ValueOf(c)));
      break;
    case ControlKind::kSwatch:
      SwatchClick(c);
      break;
    case ControlKind::kLink:
      host_.OpenHelpPage("glagolitic");
      break;
    case ControlKind::kButton:
      switch (c) {
        case Ctl::Button1:
          Button1Click();
          break;
        case Ctl::Zarno:
          ZarnoClick();
          break;
        case Ctl::Nastroyki:
          NastroykiClick();
          break;
        case Ctl::Button4:
          Button4Click();
          break;
        case Ctl::Button2:
          Button2Click();
          break;
        case Ctl::Button3:
          Button3Click();
          break;
        case Ctl::Button5:
          Button5Click();
          break;
        default:
          break;
      }
      break;
    default:
      return false;  // edits, labels and outputs take no clicks
  }
  EnforceLimit();
  return true;
}

bool MainWindowModel::SetText(Ctl c, std::u16string_view text) {
  if (!State(c).shown) return false;
  if (c == Ctl::Sovr) {
    SetSovrText(text);
  } else if (c == Ctl::Dr10Znak_Name) {
    chosen_digit_group_.reset();
    if (Text(c) != text) {
      S(c).caption = text;
      Dr10Znak_NameChange();
    }
  } else if (KindOf(c) == ControlKind::kFontBox) {
    text = text.substr(0, kFontBoxMaxLength);
    if (Text(c) != text) {
      S(c).caption = text;
      FontBoxChange(c);
    }
  } else {
    return false;
  }
  EnforceLimit();
  return true;
}

void MainWindowModel::SelectKiril(int start, int length) {
  const int size = static_cast<int>(Kiril().size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  kiril_selection_ = {start, length};
}

// ---- Number state ---------------------------------------------------------------------------

void MainWindowModel::SetSovrText(std::u16string_view text) {
  if (Sovr() == text) {
    // An edit reports changes only: the keypad path that raised the flag gets no pass to
    // swallow, so the flag must not linger for the user's next edit.
    skip_sovr_change_ = false;
    return;
  }
  S(Ctl::Sovr).caption = text;
  dr10_drawn_from_ = std::u16string::npos;
  SovrChange();
}

bool MainWindowModel::TypeIntoSovr(char16_t c) {
  if (!State(Ctl::Sovr).shown) return false;
  if (skip_sovr_change_ || !IsAsciiDigit(c) || dr10_drawn_from_ != Sovr().size()) {
    std::u16string text = Sovr();
    text.push_back(c);
    return SetText(Ctl::Sovr, text);
  }
  // Sovr holds digits only (the strip was drawn from all of it), so with one more digit the
  // change neither filters the text nor finds it empty.
  S(Ctl::Sovr).caption.push_back(c);
  RedrawAfterSovrChange(/*one_digit_appended=*/true);
  EnforceLimit();
  return true;
}

void MainWindowModel::SetKiril(std::u16string text) {
  S(Ctl::Kiril).caption = std::move(text);
  kiril_format_.clear();
  kiril_selection_ = {};
}

void MainWindowModel::SovrChange() {
  if (skip_sovr_change_) {
    skip_sovr_change_ = false;
    return;
  }
  // Only digits stay in the number: a trailing letter is dropped as typed, and a pasted text
  // keeps its digits. The shorter text runs its own (nested) pass first.
  if (!Sovr().empty() && !IsDigitString(Sovr())) {
    std::u16string digits;
    std::copy_if(Sovr().begin(), Sovr().end(), std::back_inserter(digits), IsAsciiDigit);
    SetSovrText(digits);
  } else if (Sovr().empty()) {
    SetCaption(Ctl::Zarno, u"\u0483");
  }
  RedrawAfterSovrChange(/*one_digit_appended=*/false);
}

void MainWindowModel::RedrawAfterSovrChange(bool one_digit_appended) {
  RenderSystem(System());
  EmptyKirilAboveLimit();
  if (one_digit_appended) {
    ExtendDr10Znak();
  } else {
    RenderDr10Znak();
  }
  ApplyDr10ZnakFont();
}

void MainWindowModel::RenderSystem(NumeralSystem system) { (this->*RowOf(system).render)(); }

void MainWindowModel::EmptyKirilAboveLimit() {
  if (!AboveLimit()) return;
  SetKiril(u"");
  if (IsSlavonic()) SetCaption(Ctl::Zarno, u"");
}

// Whatever path drew the display, a number above the limit of the system shows nothing.
void MainWindowModel::EnforceLimit() { EmptyKirilAboveLimit(); }

void MainWindowModel::Button1Click() {
  mark_width_ = 1;
  ReleasePanels();
  SetSovrText(u"");
  SetKiril(u"");
  plain_kiril_.clear();
  SetCaption(Ctl::Zarno, u"\u0483");
}

void MainWindowModel::SystemHelpClick() { host_.OpenHelpPage(RowOf(System()).help_page); }

std::u16string MainWindowModel::StandardText(Ctl output, int start, int length) const {
  const std::u16string_view text = Text(output);
  const std::size_t from = std::min(text.size(), static_cast<std::size_t>(std::max(start, 0)));
  const std::u16string_view part =
      text.substr(from, length < 0 ? text.npos : static_cast<std::size_t>(length));
  if (output == Ctl::Arab1) {
    const DigitSet* set = FindDigitSet(Text(Ctl::Dr10Znak_Name));
    return set != nullptr ? StandardDigitText(*set, part) : std::u16string(part);
  }
  return StandardForm(System(), part, mark_width_);
}

void MainWindowModel::ReleasePanels() {
  Release(Ctl::Tysyasha);
  Release(Ctl::x10000);
  Release(Ctl::x100000);
}

// ---- Radio buttons and check boxes ----------------------------------------------------

void MainWindowModel::SelectRadio(Ctl radio) {
  if (Checked(radio)) return;  // selecting the selected one changes nothing
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (KindOf(c) == KindOf(radio)) S(c).checked = false;
  }
  S(radio).checked = true;
  RunRadioHandler(radio);
}

void MainWindowModel::RunRadioHandler(Ctl radio) {
  if (const auto system = SystemOfRadio(radio)) {
    SystemClick(*system);
    return;
  }
  switch (radio) {
    case Ctl::Kiril_Old_Tys_Radio1:
      Kiril_Old_Tys_Radio1Click();
      break;
    case Ctl::Kiril_Old_Tys_Radio2:
      Kiril_Old_Tys_Radio2Click();
      break;
    default:
      break;
  }
}

void MainWindowModel::SetChecked(Ctl box, bool checked) {
  if (Checked(box) == checked) return;
  S(box).checked = checked;
  RunCheckHandler(box);
}

// ---- Digit sets -------------------------------------------------------------------------------

void MainWindowModel::Dr10Znak_NameChange() {
  const DigitSet* set = FindDigitSet(Text(Ctl::Dr10Znak_Name));
  name_in_group2_ = set != nullptr && set->group == 2;
  if (set != nullptr) {
    const auto digits = DigitsOf(*set, Text(Ctl::FontArab1));
    for (int d = 0; d < 10; ++d) SetCaption(DigitButton(d), digits[d]);
    dr10_drawn_from_ = std::u16string::npos;
  }
  const int size = set != nullptr ? set->button_size : 16;
  for (int d = 0; d < 10; ++d) S(DigitButton(d)).font_size = size;
  RenderDr10Znak();
}

void MainWindowModel::RenderDr10Znak() {
  std::u16string text;
  text.reserve(Sovr().size());
  for (char16_t c : Sovr()) {
    if (IsAsciiDigit(c)) text += Text(DigitButton(c - u'0'));
  }
  S(Ctl::Arab1).caption = std::move(text);
  dr10_drawn_from_ = IsDigitString(Sovr()) || Sovr().empty() ? Sovr().size() : std::u16string::npos;
}

void MainWindowModel::ExtendDr10Znak() {
  if (Sovr().empty() || dr10_drawn_from_ != Sovr().size() - 1) {
    RenderDr10Znak();
    return;
  }
  S(Ctl::Arab1).caption += Text(DigitButton(Sovr().back() - u'0'));
  ++dr10_drawn_from_;
}

bool MainWindowModel::UsesFontArab2() const {
  // A set chosen in the chooser keeps the font of the row it was chosen from (Tibetan is
  // offered in both fonts).
  if (chosen_digit_group_) return *chosen_digit_group_ == 2;
  return name_in_group2_;
}

void MainWindowModel::ApplyDigitFontName(std::u16string_view name) {
  if (State(Ctl::Arab1).font == name && State(Ctl::Arab1_9).font == name) return;
  S(Ctl::Arab1).font = name;
  for (int d = 0; d < 10; ++d) S(DigitButton(d)).font = name;
}

void MainWindowModel::ApplyDr10ZnakFont() {
  ApplyDigitFontName(Text(UsesFontArab2() ? Ctl::FontArab2 : Ctl::FontArab1));
}
void MainWindowModel::ApplyFontArab1() { ApplyDigitFontName(Text(Ctl::FontArab1)); }
void MainWindowModel::ApplyFontArab2() { ApplyDigitFontName(Text(Ctl::FontArab2)); }

void MainWindowModel::Arab1DigitClick(int digit) {
  std::u16string text = Sovr();
  text.push_back(static_cast<char16_t>(u'0' + digit));
  SetSovrText(text);
}

bool MainWindowModel::ChooseDigitSetRow(int row) {
  const auto rows = ChooserRows();
  if (!chooser_shown_ || row < 1 || row > static_cast<int>(rows.size())) return false;
  const ChooserRow& r = rows[row - 1];
  if (Text(Ctl::Dr10Znak_Name) != r.name) {
    S(Ctl::Dr10Znak_Name).caption = r.name;
    Dr10Znak_NameChange();
  }
  chosen_digit_group_ = r.group;
  if (r.group == 1) {
    ApplyFontArab1();
  } else {
    ApplyFontArab2();
  }
  chooser_shown_ = false;
  EnforceLimit();
  return true;
}

// ---- Start-up
// -------------------------------------------------------------------------------------

void MainWindowModel::FormCreate() {
  if (!FontPresent(kShippedFontFamily) && host_.InstallShippedFont()) font_list_.reset();
  FillFontLists();
  StartKeypadAndDigits();
  // A damaged file is kept aside and counts as missing: the fonts are chosen afresh.
  if ((!SettingsFileExists() || SetAsideDamagedSettings()) && !ChooseFonts()) {
    // Nothing could be written (the error box said why): the window still starts with the
    // chosen fonts and the default sizes and colours.
    ApplySettings(DefaultSettingsEntries(ChosenFonts()));
  } else {
    LoadSettings();
  }
  FinishStart();
}

void MainWindowModel::StartWithoutSettings() {
  StartKeypadAndDigits();
  FinishStart();
}

void MainWindowModel::StartKeypadAndDigits() {
  window_width_ = kNarrowWidth;
  SetKirilCaptions();
  mark_width_ = 1;
  skip_sovr_change_ = false;
  for (int d = 0; d < 10; ++d) {
    SetCaption(DigitButton(d), std::u16string(1, static_cast<char16_t>(u'\u0660' + d)));
  }
  dr10_drawn_from_ = std::u16string::npos;
}

void MainWindowModel::FinishStart() {
  SetKeypadFontSize();
  SetCaption(Ctl::Memo1, kMemo1Text);
  SetCaption(Ctl::Memo2, kMemo2Text);
  SetCaption(Ctl::Nizhe2, u"ниже строки");
}

}  // namespace zarno
