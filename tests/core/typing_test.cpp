// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into Sovr one character at a time. The short path that extends the number and its
// digit strip by one digit must leave the window exactly as the full change does (the whole
// text set anew), whatever came before: keys, panels, system switches, digit sets, clearing,
// letters, pasted numbers and the skip flag of the keypads.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/number.h"
#include "digits/digit_sets.h"
#include "fake_host.h"

namespace zarno::testing {
namespace {

// The first difference between two windows, or "" when they agree in every control and in
// the state that the next event reads.
std::string Difference(const MainWindowModel& a, const MainWindowModel& b) {
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    if (!(a.State(c) == b.State(c))) {
      return std::string(Name(c)) + ": \"" + ToUtf8(a.Text(c)) + "\" against \"" +
             ToUtf8(b.Text(c)) + "\"";
    }
  }
  if (a.PlainKiril() != b.PlainKiril()) return "the plain numeral";
  if (a.MarkWidth() != b.MarkWidth()) return "the mark width";
  if (a.SkipSovrChange() != b.SkipSovrChange()) return "the skip flag";
  if (!(a.KirilSelection() == b.KirilSelection())) return "the selection";
  if (a.KirilFormat().size() != b.KirilFormat().size()) return "the thousands sign format";
  return "";
}

// Controls that change the number or the way it is drawn, without dialogs or files.
bool IsUserControl(Ctl c) {
  switch (KindOf(c)) {
    case ControlKind::kKey:
    case ControlKind::kPanel:
    case ControlKind::kSystemRadio:
    case ControlKind::kStyleRadio:
    case ControlKind::kVariantBox:
    case ControlKind::kOptionBox:
    case ControlKind::kDigitButton:
      return true;
    default:
      return c == Ctl::Button1 || c == Ctl::Zarno;
  }
}

class TwoWindows {
 public:
  explicit TwoWindows(unsigned seed) : rng_(seed) {}

  // One random event for both windows; the typed one gets digits through TypeIntoSovr.
  void Step() {
    const int kind = Pick(14);
    if (kind < 6) {
      Type(static_cast<char16_t>(u'0' + Pick(10)));
    } else if (kind == 6) {
      Type(Pick(2) == 0 ? u'x' : u'\u0663');  // a letter and a non-ASCII digit are dropped
    } else if (kind >= 7 && kind <= 10) {
      std::vector<Ctl> controls;
      for (int i = 0; i < kControlCount; ++i) {
        const Ctl c = static_cast<Ctl>(i);
        if (IsUserControl(c) && typed_.model.Reachable(c)) controls.push_back(c);
      }
      if (controls.empty()) return;
      const Ctl c = controls[Pick(static_cast<int>(controls.size()))];
      Log(std::string("click ") + std::string(Name(c)));
      typed_.model.Click(c);
      set_.model.Click(c);
    } else if (kind == 11) {
      const auto sets = DigitSets();
      const std::u16string name(sets[Pick(static_cast<int>(sets.size()))].name);
      Log("digit set " + ToUtf8(name));
      typed_.model.SetText(Ctl::Dr10Znak_Name, name);
      set_.model.SetText(Ctl::Dr10Znak_Name, name);
    } else if (kind == 12) {
      const std::u16string number = ToDecimal(Pick(100000));
      Log("paste " + ToUtf8(number));
      typed_.model.SetText(Ctl::Sovr, number);
      set_.model.SetText(Ctl::Sovr, number);
    } else {
      Log("clear");
      typed_.model.SetText(Ctl::Sovr, u"");
      set_.model.SetText(Ctl::Sovr, u"");
    }
  }

  std::string Difference() const {
    const std::string d = testing::Difference(typed_.model, set_.model);
    return d.empty() ? d : d + "\nafter:\n" + log_.str();
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  void Log(const std::string& event) { log_ << "  " << event << "\n"; }
  void Type(char16_t c) {
    Log("type " + ToUtf8(std::u16string(1, c)));
    typed_.model.TypeIntoSovr(c);
    set_.model.SetText(Ctl::Sovr, set_.model.Sovr() + c);
  }

  std::mt19937 rng_;
  Window typed_;
  Window set_;
  std::ostringstream log_;
};

TEST(TypeIntoSovr, LeavesTheWindowAsTheWholeTextSetAnew) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    TwoWindows windows(seed);
    for (int step = 0; step < 150; ++step) {
      windows.Step();
      const std::string difference = windows.Difference();
      ASSERT_EQ(difference, "") << "seed " << seed;
    }
  }
}

TEST(TypeIntoSovr, ALongNumberKeepsEveryDigitInTheStrip) {
  Window w;
  w.model.SetText(Ctl::Dr10Znak_Name, u"Девангари");
  std::u16string digits;
  for (int i = 0; i < 5000; ++i) digits.push_back(static_cast<char16_t>(u'0' + (i * 7) % 10));
  for (char16_t c : digits) w.model.TypeIntoSovr(c);
  Window whole;
  whole.model.SetText(Ctl::Dr10Znak_Name, u"Девангари");
  whole.Type(digits);
  EXPECT_EQ(w.model.Sovr(), digits);
  EXPECT_EQ(w.model.Text(Ctl::Arab1), whole.model.Text(Ctl::Arab1));
  EXPECT_EQ(w.model.Kiril(), u"");  // above every limit
}

}  // namespace
}  // namespace zarno::testing
