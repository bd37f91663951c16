// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption and sign of the window and of the chooser stands whole inside its control and
// clear of its neighbours, with the fonts of this machine at the default size.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "keypads/layout.h"
#include "ui/chooser_window.h"
#include "ui/widgets.h"
#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

constexpr Ctl kSystems[] = {Ctl::KirilRadio, Ctl::GlagolRadio, Ctl::RimRadio,   Ctl::Kitay,
                            Ctl::Armen,      Ctl::Gruz,        Ctl::GrekIonich, Ctl::GrekAttich,
                            Ctl::Maya,       Ctl::Iudeyskie};

// Keys whose value caption finds no free place beside their box: the older ten thousand of the
// Roman keypad stands between the box of ↂ and the caption of ↇ.
bool MayGoWithoutCaption(Ctl system, Ctl key) {
  return system == Ctl::RimRadio && key == Ctl::Rim_10000_2;
}

std::string Where(Ctl system, Ctl c) {
  return std::string(Name(system)) + " " + std::string(Name(c));
}

TEST_F(WindowTest, ValueCaptionsStandClearOfKeysBoxesAndEachOther) {
  for (const Ctl system : kSystems) {
    Click(system);
    std::vector<QRect> controls;
    for (int i = 0; i < kControlCount; ++i) {
      const auto c = static_cast<Ctl>(i);
      QWidget* w = Main().Widget(c);
      if ((IsKeypadControl(c) || c == Ctl::Kiril) && w->isVisible()) {
        controls.push_back(w->geometry());
      }
    }
    std::vector<std::pair<Ctl, QRect>> captions;
    for (int i = 0; i < kControlCount; ++i) {
      const auto key = static_cast<Ctl>(i);
      QLabel* caption = Main().ValueLabel(key);
      if (caption == nullptr || !Main().Widget(key)->isVisible()) continue;
      if (!caption->isVisible()) {
        EXPECT_TRUE(MayGoWithoutCaption(system, key)) << Where(system, key) << " has no caption";
        continue;
      }
      const QRect r = caption->geometry();
      for (const QRect& t : controls) {
        EXPECT_FALSE(t.intersects(r)) << Where(system, key) << " caption lies on a control";
      }
      // Near its key: below it, and at most a caption's width aside.
      const QRect k = Main().Widget(key)->geometry();
      EXPECT_GE(r.top(), k.bottom()) << Where(system, key);
      EXPECT_LE(r.top(), k.bottom() + 20) << Where(system, key);
      EXPECT_LE(std::abs(r.center().x() - k.center().x()), k.width()) << Where(system, key);
      captions.emplace_back(key, r);
    }
    // Two captions side by side keep a gap, so that "500" and "600" do not read as one number.
    for (std::size_t a = 0; a < captions.size(); ++a) {
      for (std::size_t b = a + 1; b < captions.size(); ++b) {
        EXPECT_FALSE(captions[a].second.adjusted(-2, 0, 2, 0).intersects(captions[b].second))
            << Where(system, captions[a].first) << " and " << Name(captions[b].first);
      }
    }
  }
}

TEST_F(WindowTest, EverySignStandsInsideItsKey) {
  for (const Ctl system : kSystems) {
    Click(system);
    for (int i = 0; i < kControlCount; ++i) {
      const auto c = static_cast<Ctl>(i);
      auto* key = qobject_cast<SignButton*>(Main().Widget(c));
      if (key == nullptr || !key->isVisible() || key->text().isEmpty()) continue;
      const QRectF ink = key->CaptionInk();
      if (ink.isEmpty()) continue;  // a sign no font draws
      // Clear of the key's edge by more than the edge itself.
      EXPECT_TRUE(QRectF(key->rect()).adjusted(3, 3, -3, -3).contains(ink))
          << Where(system, c) << " ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
          << ink.height() << " in " << key->width() << "x" << key->height();
    }
  }
}

// The check boxes of every keypad (variants and options) show their whole caption and stand
// clear of every other control and value caption of the window.
TEST_F(WindowTest, CheckBoxesStandWholeAndClearOfEverythingElse) {
  for (const Ctl system : kSystems) {
    Click(system);
    std::vector<std::pair<Ctl, QRect>> shown;
    for (int i = 0; i < kControlCount; ++i) {
      const auto c = static_cast<Ctl>(i);
      if (Main().Widget(c)->isVisible()) shown.emplace_back(c, Main().Widget(c)->geometry());
    }
    for (int i = 0; i < kControlCount; ++i) {
      const auto box = static_cast<Ctl>(i);
      const ControlKind kind = KindOf(box);
      if (kind != ControlKind::kOptionBox && kind != ControlKind::kVariantBox) continue;
      auto* check = qobject_cast<QCheckBox*>(Main().Widget(box));
      ASSERT_NE(check, nullptr) << Name(box);
      if (!check->isVisible()) continue;
      const QRect r = check->geometry();
      if (!check->text().isEmpty()) {
        EXPECT_LE(check->sizeHint().width(), r.width()) << Where(system, box) << " caption cut";
      }
      for (const auto& [other, place] : shown) {
        // The group of the ten-thousands style holds its own radio buttons only.
        if (other == box || KindOf(other) == ControlKind::kGroup) continue;
        EXPECT_FALSE(place.intersects(r)) << Where(system, box) << " lies on " << Name(other);
      }
      for (int k = 0; k < kControlCount; ++k) {
        QLabel* caption = Main().ValueLabel(static_cast<Ctl>(k));
        if (caption == nullptr || !caption->isVisible()) continue;
        EXPECT_FALSE(caption->geometry().intersects(r))
            << Where(system, box) << " lies on the caption of " << Name(static_cast<Ctl>(k));
      }
    }
  }
}

TEST_F(WindowTest, EveryButtonCaptionFitsItsButton) {
  Click(Ctl::Nastroyki);  // the settings panel too
  for (CaptionButton* button : Main().findChildren<CaptionButton*>()) {
    if (!button->isVisible()) continue;
    EXPECT_LE(QFontMetrics(button->CaptionFont()).horizontalAdvance(button->text()),
              button->CaptionRoom())
        << button->objectName().toStdString();
  }
  Click(Ctl::Button4);
  ASSERT_TRUE(Chooser().isVisible());
  int rows = 0;
  for (CaptionButton* button : Chooser().findChildren<CaptionButton*>()) {
    EXPECT_LE(QFontMetrics(button->CaptionFont()).horizontalAdvance(button->text()),
              button->CaptionRoom())
        << button->text().toStdString();
    ++rows;
  }
  EXPECT_EQ(rows, Chooser().RowCount());
}

TEST_F(WindowTest, ChooserDigitsStayInTheirCells) {
  Click(Ctl::Button4);
  ASSERT_TRUE(Chooser().isVisible());
  for (int row = 1; row <= Chooser().RowCount(); ++row) {
    const QRect button = Chooser().RowButton(row)->geometry();
    const std::string name = Chooser().RowButton(row)->text().toStdString();
    for (int d = 0; d < 10; ++d) {
      const QRectF ink = Chooser().DigitInk(row, d);
      if (ink.isEmpty()) continue;  // a digit no font draws
      // Within the row: centred on the button, no taller than the rows' pitch.
      EXPECT_GE(ink.top(), button.center().y() - 16) << name << " digit " << d;
      EXPECT_LE(ink.bottom(), button.center().y() + 16) << name << " digit " << d;
      if (d < 9) {
        const QRectF next = Chooser().DigitInk(row, d + 1);
        if (!next.isEmpty()) {
          EXPECT_LT(ink.right(), next.left()) << name << " digit " << d;
        }
      }
    }
  }
}

}  // namespace
}  // namespace zarno::ui::testing
