// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window without a toolkit: all of its state, and every event handler under the
// name of its control and event. The Qt view mirrors this state and forwards user events;
// zarno-cli and the tests drive it directly.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/control_state.h"
#include "core/host.h"
#include "numerals/keypad_view.h"
#include "numerals/slavonic.h"
#include "settings/settings_keys.h"
#include "settings/shipped_font.h"

namespace zarno {

// Character format of a run of `Kiril`: the lowered (and, for fonts other than our own,
// smaller) thousands sign. Heights and offsets are in twips; a negative offset lowers.
struct FormatRun {
  int start = 0;
  int length = 0;
  std::optional<int> height_twips;
  int offset_twips = 0;
  friend bool operator==(const FormatRun&, const FormatRun&) = default;
};

struct Selection {
  int start = 0;
  int length = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

inline constexpr int kNarrowWidth = 461;
inline constexpr int kWideWidth = 700;
inline constexpr int kFontBoxCount = 12;
// The longest text a font box takes, as an edit's length limit does: no font name comes near
// it, and a line of the settings file holds no more.
inline constexpr std::size_t kFontBoxMaxLength = 255;
// The font sizes, in points, that the output fields are drawn at: a size read from the
// settings file is brought within them (a size of 200 stays 200).
inline constexpr int kMinOutputPoints = 1;
inline constexpr int kMaxOutputPoints = 400;

// How the numeral marks, dots and thousands signs dress a Cyrillic or Glagolitic number:
// the boxes and panels of the glyph store, the mark style and the number in Sovr.
DressOptions DressOptionsOf(const KeypadView& keys, int mark_width, std::u16string_view sovr);

class MainWindowModel {
 public:
  // The created state of the window, before start-up (FormCreate) runs.
  explicit MainWindowModel(Host& host);

  MainWindowModel(const MainWindowModel&) = delete;
  MainWindowModel& operator=(const MainWindowModel&) = delete;

  // ---- User events (what the view and zarno-cli forward) --------------------------------
  // Each returns false, doing nothing, when the control is hidden or disabled.
  bool Click(Ctl control);
  // Replaces the whole text of an edit or combo box (one change).
  bool SetText(Ctl control, std::u16string_view text);
  // One character typed at the end of Sovr: the same change as SetText with that character
  // appended, in time that does not grow with the length of the number.
  bool TypeIntoSovr(char16_t c);
  void SelectKiril(int start, int length);
  void SetSpinValue(int value);
  // A row button (1 to 29) of the digit-set chooser; false when the chooser is not shown.
  bool ChooseDigitSetRow(int row);
  void HideChooser() { chooser_shown_ = false; }

  // ---- State ------------------------------------------------------------------------
  const ControlStates& Controls() const { return controls_; }
  const ControlState& State(Ctl c) const { return controls_[Index(c)]; }
  const std::u16string& Text(Ctl c) const { return controls_[Index(c)].caption; }
  bool Checked(Ctl c) const { return controls_[Index(c)].checked; }
  bool Reachable(Ctl c) const;
  NumeralSystem System() const;
  KeypadView Keys() const { return KeypadView(controls_); }

  const std::u16string& Sovr() const { return Text(Ctl::Sovr); }
  const std::u16string& Kiril() const { return Text(Ctl::Kiril); }
  const std::u16string& PlainKiril() const { return plain_kiril_; }
  int MarkWidth() const { return mark_width_; }
  bool SkipSovrChange() const { return skip_sovr_change_; }
  Selection KirilSelection() const { return kiril_selection_; }
  const std::vector<FormatRun>& KirilFormat() const { return kiril_format_; }
  // Grows each time the focus should go to Sovr with the caret at its end.
  int FocusSovrRequests() const { return focus_sovr_requests_; }
  int WindowWidth() const { return window_width_; }
  bool ChooserShown() const { return chooser_shown_; }
  int SpinValue() const { return spin_value_; }
  const std::vector<std::u16string>& FontList();

  // ---- Start-up -----------------------------------------------------------------------
  void FormCreate();
  // The start-up without fonts and settings file, for conversions in scripts.
  void StartWithoutSettings();

  // ---- Number state and recomputation -------------------------------------------------
  void SovrChange();
  void Button1Click();
  // F1: the help page of the selected system.
  void SystemHelpClick();
  // The text of an output (Kiril or Arab1), or its part [start, start + length), in standard
  // Unicode: no sign of our font's private area (the copy command "Копировать в стандартном
  // Юникоде").
  std::u16string StandardText(Ctl output, int start = 0, int length = -1) const;
  // Writes the text of Sovr as an edit does: a change runs SovrChange at once; an equal
  // text raises no notification (and so clears a pending SkipSovrChange).
  void SetSovrText(std::u16string_view text);
  bool AboveLimit() const;

  // ---- Cyrillic and Glagolitic --------------------------------------------------------
  void RenderKiril();
  void DecorateKiril();
  void LowerTysyasha();
  void ZarnoClick();
  void IspZarnoClick();
  void IspTochkaClick();
  void TysyashaNizheClick();
  void Kiril_Old_Tys_Radio1Click() { RenderKiril(); }
  void Kiril_Old_Tys_Radio2Click() { RenderKiril(); }

  // ---- The other renderers and readers -------------------------------------------------
  // Draws Sovr with the current system's unit (the `numeral` of its row), for the systems
  // whose window does nothing besides.
  void RenderNumeral();
  void ReadRim();
  void ReadAndRenderRim();
  void RenderKitay();
  void ReadKitay();
  void ReadAndRenderKitay();
  void ReadMaya();
  void AppendMaya(Ctl key);
  // Hebrew, with its options (core/hebrew_options.cpp).
  void RenderIudeyskie();
  void IspolzovatClick();
  void GershaimClick();
  void ObychayClick();

  // ---- System switches (keypads) ------------------------------------------------------
  // The click handler of every system's radio button (the row of the system says its steps).
  void SystemClick(NumeralSystem system);
  void KirilRadioClick();
  void GlagolRadioClick();
  void SetKirilCaptions();
  void SetGlagolCaptions();
  void SetKeypadFont(std::u16string_view name);
  void SetKeypadFontSize();

  // ---- Keypad entry -------------------------------------------------------------------
  void AddValue(std::uint32_t a);
  void PressKey(Ctl own, Ctl partner1, Ctl partner2, std::uint32_t a, Ctl key);
  // What a pressed key does in each system (NumeralSystemRow::press_key).
  void AddKeyValue(std::uint32_t a, Ctl key);
  void AddKeyValueAndRedraw(std::uint32_t a, Ctl key);
  void AppendRimKey(std::uint32_t a, Ctl key);
  void AppendKitayKey(std::uint32_t a, Ctl key);
  void AppendMayaKey(std::uint32_t a, Ctl key);
  void PressVariantKey(Ctl own, Ctl partner1, Ctl partner2, std::uint32_t a);
  void RenderCurrentSystemAfterKey();
  void KeyClick(Ctl key);
  void TysyashaClick();
  // What the thousands panel does in each system (NumeralSystemRow::thousands_panel): it
  // stays down for the next key, or in Cyrillic the selected letters move behind a thousands
  // sign.
  void LatchThousands();
  void MoveSelectionBehindThousandsSign();
  void AppendTysyasha();
  void ReadKiril();
  void x10000Click() { MyriadPanelClick(Ctl::x10000); }
  void x100000Click() { MyriadPanelClick(Ctl::x100000); }

  // ---- Glyph variants -----------------------------------------------------------------
  // Sets a check box by program; a change of state runs its click handler.
  void SetChecked(Ctl box, bool checked);
  void PairVariant(Ctl first, Ctl second);
  void PairVariantSecond(Ctl first, Ctl second);
  void TripleVariant(Ctl first, Ctl second, Ctl third);
  void TripleVariantOther(Ctl own, Ctl first, Ctl other);
  void RefreshVariant();
  void RefreshPairVariant();

  // ---- Digit sets ---------------------------------------------------------------------
  void Dr10Znak_NameChange();
  void RenderDr10Znak();
  bool UsesFontArab2() const;
  void ApplyDr10ZnakFont();
  void ApplyFontArab1();
  void ApplyFontArab2();
  void Arab1DigitClick(int digit);
  void Button4Click() { chooser_shown_ = true; }

  // ---- Settings and fonts -------------------------------------------------------------
  void LoadSettings();
  void SaveSettings();
  // Writes the default file with the chosen fonts; true when it was written.
  bool ChooseFonts();
  // The fonts the automatic choice takes from the installed ones.
  FontsByBox ChosenFonts();
  // Applies the lines of a settings file one by one, as LoadSettings does.
  void ApplySettings(const std::vector<SettingsEntry>& entries);
  void FillFontLists();
  bool FontPresent(std::u16string_view name);
  int FindFontIndex(std::u16string_view name);
  void Button5Click();
  void NastroykiClick();
  void FontBoxChange(Ctl box);
  void SpinEdit1Change();
  void SwatchClick(Ctl swatch);
  void Button2Click();
  void Button3Click();
  // The redraw of the current system after a change of size or colour.
  void RedrawCurrentSystem();
  bool SettingsFileExists();
  // At start-up: a settings file without one line of the sixteen keys is renamed to
  // "Zarno.ini.damaged" and reported once; true when the file was such a one.
  bool SetAsideDamagedSettings();

 private:
  // Runs use(store) with the host's settings store: the file, or the host's own.
  template <typename F>
  auto WithSettingsStore(F use);
  void StartKeypadAndDigits();
  void FinishStart();
  ControlState& S(Ctl c) { return controls_[Index(c)]; }
  void SetKiril(std::u16string text);
  void SetCaption(Ctl c, std::u16string_view text) { S(c).caption = text; }
  void Release(Ctl panel) { S(panel).checked = false; }
  void ReleasePanels();
  void SelectRadio(Ctl radio);
  void RunRadioHandler(Ctl radio);
  void RunCheckHandler(Ctl box);
  void ApplyLayout(NumeralSystem system);
  void PrepareSystem(NumeralSystem system);
  // The renderer of a system, as a change of Sovr runs it.
  void RenderSystem(NumeralSystem system);
  void EmptyKirilAboveLimit();
  void EnforceLimit();
  // What a switch to `system` does to the Hebrew final-letter option.
  void ResetFinalLetters(NumeralSystem system);
  void MyriadPanelClick(Ctl panel);
  // Whether the selected system writes Slavonic letters.
  bool IsSlavonic() const;
  bool KirilFontIsShipped() const;
  void SelectFontInBox(Ctl box, std::u16string_view name);
  void ApplyDigitFontName(std::u16string_view name);
  void SetOutputSize(int points);
  void SetOutputColor(std::uint32_t color);
  void RedrawAfterSovrChange(bool one_digit_appended);
  void ExtendDr10Znak();

  Host& host_;
  ControlStates controls_{};
  std::u16string plain_kiril_;
  int mark_width_ = 1;
  bool skip_sovr_change_ = false;
  Selection kiril_selection_;
  std::vector<FormatRun> kiril_format_;
  int focus_sovr_requests_ = 0;
  int window_width_ = kNarrowWidth;
  bool chooser_shown_ = false;
  int spin_value_ = 16;
  // Settings: the busy mark and the font names remembered from the last reading.
  bool settings_busy_ = false;
  std::array<std::u16string, kFontBoxCount> remembered_fonts_{};
  std::optional<std::vector<std::u16string>> font_list_;
  // The font group of the chooser row the current digit set was chosen from.
  std::optional<int> chosen_digit_group_;
  // Whether the name in Dr10Znak_Name is one of the second font group ("Арабские" is not).
  bool name_in_group2_ = false;
  // The length of Sovr when the digit strip was last drawn from it, while Sovr held digits only
  // and neither it, the strip nor the digit captions changed since (npos otherwise). A digit
  // typed at its end then adds one sign to the strip instead of drawing it anew.
  std::size_t dr10_drawn_from_ = std::u16string::npos;
};

}  // namespace zarno
