// SPDX-License-Identifier: GPL-3.0-or-later
// Which numerals the window has to shrink, and which of them reach the floor size and wrap.
// For every system it renders every number of the range (the Greek Ionic and Maya ranges by
// their widest digits only), ranks the numerals by the width their signs advance at 28
// points, and lays the widest ones out exactly as the window does, printing the largest size
// at which each stands whole in its field. Run offscreen, from any folder:
//   QT_QPA_PLATFORM=offscreen build/bench/fit_survey [--dots] [--click NAME]...
// --dots ticks the dots option of the Cyrillic and Glagolitic numerals, their widest form, and
// surveys only these two; --click NAME clicks a control first (a variant box, for example
// Check_Rim_1000_1 for the older Roman thousand).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QHash>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/output_fit.h"
#include "ui/program.h"
#include "ui/qt_text.h"

namespace {

using zarno::Ctl;

struct Range {
  Ctl radio;
  const char* name;
  std::int64_t limit;
  // false: the numbers made of each place's three widest digits (every system writes a number
  // place by place, so its widest numerals are among them).
  bool every_number;
};

constexpr Range kRanges[] = {
    {Ctl::KirilRadio, "Cyrillic", 999999, true},
    {Ctl::GlagolRadio, "Glagolitic", 2999, true},
    {Ctl::RimRadio, "Roman", 399999, true},
    {Ctl::Kitay, "Chinese", 99999, true},
    {Ctl::Armen, "Armenian", 9999, true},
    {Ctl::Gruz, "Georgian", 19999, true},
    {Ctl::GrekIonich, "Greek Ionic", 99999999, false},
    {Ctl::GrekAttich, "Greek Attic", 249999, true},
    {Ctl::Maya, "Maya", 4294967295, false},
    {Ctl::Iudeyskie, "Hebrew", 9999, true},
};

constexpr int kWidest = 12;
constexpr int kChosen = 28;

std::u16string Digits(std::int64_t n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

class Survey {
 public:
  explicit Survey(zarno::ui::MainWindow& window) : window_(window) {}

  void Run(const Range& range, QTextStream& out) {
    auto& model = window_.Model();
    model.Click(range.radio);
    model.SetSpinValue(kChosen);
    window_.Sync();
    advance_.clear();
    metrics_font_ = window_.OutputOf(Ctl::Kiril).font;
    std::vector<std::pair<qreal, std::int64_t>> ranked;
    auto consider = [&](std::int64_t n) {
      model.SetText(Ctl::Sovr, Digits(n));
      ranked.emplace_back(Advance(zarno::ui::ToQ(model.Kiril())), n);
    };
    if (range.every_number) {
      for (std::int64_t n = 1; n <= range.limit; ++n) consider(n);
    } else {
      for (std::int64_t n : WidestByPlace(range)) consider(n);
    }
    std::sort(ranked.rbegin(), ranked.rend());
    // The exact sizes of the widest, and of every numeral that the rough width puts near the
    // floor (a one-line numeral shrinks in proportion to its width).
    const qreal room = window_.OutputOf(Ctl::Kiril).room.width();
    const qreal near_floor = kChosen * room / (zarno::ui::kFitFloorPoints + 2);
    // The Maya column is as tall as its number of places, whatever the digits.
    const bool column = window_.OutputOf(Ctl::Kiril).column;
    int below_floor = 0;
    QStringList below;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
      if (i >= kWidest && (column || ranked[i].first < near_floor)) break;
      model.SetText(Ctl::Sovr, Digits(ranked[i].second));
      window_.Sync();
      const int largest = LargestWhole();
      if (i < 5) {
        out << "  " << range.name << " " << ranked[i].second << ": "
            << zarno::ui::ToQ(model.Kiril()) << "  whole up to " << largest << " pt\n";
      }
      if (largest < zarno::ui::kFitFloorPoints) {
        ++below_floor;
        below << QStringLiteral("%1 (%2 pt)").arg(ranked[i].second).arg(largest);
      }
    }
    out << range.name << ": " << below_floor << " numerals stand whole on one line only below "
        << zarno::ui::kFitFloorPoints << " pt" << (below.isEmpty() ? "" : ": ")
        << below.mid(0, 40).join(QStringLiteral(", ")) << (below.size() > 40 ? ", ..." : "")
        << "\n";
    out.flush();
  }

 private:
  qreal Advance(const QString& text) {
    qreal sum = 0;
    for (const QChar c : text) {
      auto it = advance_.find(c.unicode());
      if (it == advance_.end()) {
        it = advance_.insert(c.unicode(), QFontMetricsF(metrics_font_).horizontalAdvance(c));
      }
      sum += *it;
    }
    return sum;
  }

  // The largest size from 1 to 99 at which the numeral shown stands whole.
  int LargestWhole() {
    zarno::ui::OutputText out = window_.OutputOf(Ctl::Kiril);
    out.font.setPointSize(99);
    const zarno::ui::Fit fit = zarno::ui::FitOutput(out);
    if (fit.whole) return fit.points;
    for (int points = fit.points; points > 1; --points) {
      if (zarno::ui::StandsWhole(out, points)) return points;
    }
    return 1;
  }

  // Each place with its three widest digits, every combination of them.
  std::vector<std::int64_t> WidestByPlace(const Range& range) {
    auto& model = window_.Model();
    std::vector<std::array<int, 3>> best;
    for (std::int64_t place = 1; place <= range.limit; place *= 10) {
      std::vector<std::pair<qreal, int>> widths;
      for (int d = 1; d <= 9; ++d) {
        if (d * place > range.limit) break;
        model.SetText(Ctl::Sovr, Digits(d * place));
        widths.emplace_back(Advance(zarno::ui::ToQ(model.Kiril())), d);
      }
      std::sort(widths.rbegin(), widths.rend());
      const auto nth = [&](std::size_t i) { return widths[std::min(i, widths.size() - 1)].second; };
      best.push_back({nth(0), nth(1), nth(2)});
    }
    std::vector<std::int64_t> numbers = {0};
    std::int64_t place = 1;
    for (const auto& pair : best) {
      std::vector<std::int64_t> next;
      for (std::int64_t n : numbers) {
        for (int d : pair) {
          if (n + d * place <= range.limit) next.push_back(n + d * place);
        }
      }
      std::sort(next.begin(), next.end());
      next.erase(std::unique(next.begin(), next.end()), next.end());
      numbers = next;
      place *= 10;
    }
    return numbers;
  }

  zarno::ui::MainWindow& window_;
  QFont metrics_font_;
  QHash<char16_t, qreal> advance_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  const bool dots = args.contains(QStringLiteral("--dots"));
  QTemporaryDir work;
  if (!work.isValid() || !QDir::setCurrent(work.path())) return 2;
  QTextStream out(stdout);
  auto windows = zarno::ui::CreateProgramWindows({});
  windows.main->show();
  QApplication::processEvents();
  if (dots) windows.main->Model().Click(Ctl::IspTochka);
  for (qsizetype i = 1; i + 1 < args.size(); ++i) {
    if (args[i] != QStringLiteral("--click")) continue;
    const std::optional<Ctl> control = zarno::FindControl(args[i + 1].toStdString());
    // A box of another system's keypad is reached from that system.
    for (const Range& range : kRanges) {
      if (!control || windows.main->Model().Reachable(*control)) break;
      windows.main->Model().Click(range.radio);
    }
    if (!control || !windows.main->Model().Click(*control)) {
      out << "cannot click " << args[i + 1] << "\n";
      return 2;
    }
  }
  Survey survey(*windows.main);
  for (const Range& range : kRanges) {
    if (dots && range.radio != Ctl::KirilRadio && range.radio != Ctl::GlagolRadio) continue;
    survey.Run(range, out);
  }
  return 0;
}
