// SPDX-License-Identifier: GPL-3.0-or-later
// The window model's hot paths: one recomputation pass as typing causes it.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "base/number.h"
#include "core/main_window_model.h"
#include "digits/digit_sets.h"
#include "numerals/slavonic.h"

namespace zarno {
namespace {

class BenchHost : public Host {
 public:
  void ShowMessage(std::u16string_view) override {}
  void ReportError(std::u16string_view) override {}
  std::vector<std::u16string> InstalledFontFamilies() override { return {}; }
};

std::vector<std::u16string> RandomNumbers(std::int64_t max, int count = 4096) {
  std::mt19937_64 rng(42);
  std::uniform_int_distribution<std::int64_t> dist(1, max);
  std::vector<std::u16string> out;
  for (int i = 0; i < count; ++i) out.push_back(ToDecimal(dist(rng)));
  return out;
}

// RenderKiril and DecorateKiril on their own: letters, marks and the Zarno preview.
void BM_RenderAndDecorateKiril(benchmark::State& state) {
  BenchHost host;
  MainWindowModel m(host);
  m.StartWithoutSettings();
  const auto numbers = RandomNumbers(999999);
  const KeypadView keys = m.Keys();
  DressOptions options;
  std::size_t i = 0;
  for (auto _ : state) {
    auto plain = RenderKirilPlain(numbers[i++ % numbers.size()], keys, false, false);
    benchmark::DoNotOptimize(DecorateKiril(*plain, options));
  }
}
BENCHMARK(BM_RenderAndDecorateKiril);

// The whole pass that a change of Sovr runs in Cyrillic: render, dress, format the
// thousands sign, limit test, digit-set display and font.
void BM_SovrChangePassCyrillic(benchmark::State& state) {
  BenchHost host;
  MainWindowModel m(host);
  m.StartWithoutSettings();
  const auto numbers = RandomNumbers(999999);
  std::size_t i = 0;
  for (auto _ : state) {
    m.SetSovrText(numbers[i++ % numbers.size()]);
    benchmark::DoNotOptimize(m.Kiril().data());
  }
}
BENCHMARK(BM_SovrChangePassCyrillic);

void BM_RenderDr10Znak(benchmark::State& state) {
  BenchHost host;
  MainWindowModel m(host);
  m.StartWithoutSettings();
  m.SetText(Ctl::Dr10Znak_Name, u"Девангари");
  m.SetSovrText(u"1234567890");
  for (auto _ : state) {
    m.RenderDr10Znak();
    benchmark::DoNotOptimize(m.Text(Ctl::Arab1).data());
  }
}
BENCHMARK(BM_RenderDr10Znak);

}  // namespace
}  // namespace zarno
