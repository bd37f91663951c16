// SPDX-License-Identifier: GPL-3.0-or-later
// The window model driven by arbitrary event sequences: clicks on any control, texts typed
// or pasted into Sovr, selections, spins and chooser rows. Nothing may crash or hang, and a
// number above the limit never shows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/number.h"
#include "core/main_window_model.h"
#include "digits/digit_sets.h"
#include "settings/settings_store.h"

using namespace zarno;

namespace {

class FuzzHost : public Host {
 public:
  void ShowMessage(std::u16string_view) override {}
  void ReportError(std::u16string_view) override {}
  std::vector<std::u16string> InstalledFontFamilies() override {
    return {u"DejaVu Sans", u"Kolvana+", u"Arial Unicode MS"};
  }
  // In memory: a file on the disk, flushed at every save, would slow the run a hundredfold.
  SettingsStore* SettingsElsewhere() override { return &settings; }

  SettingsMemoryStore settings;
};

constexpr char16_t kAlphabet[] = u"0123456789000x-\u0663 \uE070";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzHost host;
  MainWindowModel m(host);
  m.FormCreate();
  std::size_t i = 0;
  auto next = [&]() -> unsigned { return i < size ? data[i++] : 0; };
  while (i < size) {
    switch (next() % 7) {
      case 0:
      case 1:
        m.Click(static_cast<Ctl>((next() << 8 | next()) % kControlCount));
        break;
      case 2: {
        std::u16string text = m.Sovr();
        const unsigned n = next() % 24;
        if (next() % 4 == 0) text.clear();
        for (unsigned k = 0; k < n; ++k) text += kAlphabet[next() % (std::size(kAlphabet) - 1)];
        m.SetText(Ctl::Sovr, text);
        break;
      }
      case 3:
        m.SelectKiril(static_cast<int>(next()) - 8, static_cast<int>(next()) - 8);
        break;
      case 4:
        m.SetSpinValue(static_cast<int>(next()) - 20);
        break;
      case 5:
        m.Click(Ctl::Button4);
        m.ChooseDigitSetRow(static_cast<int>(next() % 31));
        break;
      case 6:
        m.SetText(Ctl::Dr10Znak_Name, DigitSets()[next() % DigitSets().size()].name);
        break;
    }
    if (m.AboveLimit() && !m.Kiril().empty()) std::abort();
  }
  return 0;
}
