// SPDX-License-Identifier: GPL-3.0-or-later
// The number texts, the leading-number reader and the evaluation, each beside a plain
// C baseline measured in the same run: snprintf("%.*f") for the fixed-decimals text,
// std::from_chars for the reader. The counter "ratio" is ours divided by the baseline.
#include "bench_support.h"
#include "calculator/evaluate.h"
#include "common/number_text.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using numbrella::bench::BestNanosecondsPerCall;
using numbrella::bench::RunAgainstBaseline;

const std::vector<double>& Values() {
  static const std::vector<double> values = {12.5,      -0.25,      1.0 / 3.0, 1234567.891,
                                             0.000123,  98.6,       2.675,     1e12 + 0.5,
                                             -17.77777, 3.14159265, 42.0,      0.1};
  return values;
}

std::string Snprintf(double value, int places) {
  char buffer[400];
  int n = std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
  return std::string(buffer, static_cast<std::size_t>(n));
}

void FixedAgainstSnprintf(benchmark::State& state, int places) {
  std::size_t i = 0;
  double baseline = BestNanosecondsPerCall([&] {
    std::string s = Snprintf(Values()[i++ % Values().size()], places);
    benchmark::DoNotOptimize(s);
  });
  RunAgainstBaseline(state, baseline, [&] {
    std::string s = numbrella::FixedDecimalsText(Values()[i++ % Values().size()], places);
    benchmark::DoNotOptimize(s);
  });
}

void BM_FixedDecimalsText_5(benchmark::State& state) { FixedAgainstSnprintf(state, 5); }
void BM_FixedDecimalsText_40(benchmark::State& state) { FixedAgainstSnprintf(state, 40); }
BENCHMARK(BM_FixedDecimalsText_5);
BENCHMARK(BM_FixedDecimalsText_40);

void BM_GeneralNumberText(benchmark::State& state) {
  std::size_t i = 0;
  double baseline = BestNanosecondsPerCall([&] {
    char buffer[64];
    int n = std::snprintf(buffer, sizeof buffer, "%.15g", Values()[i++ % Values().size()]);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
  });
  RunAgainstBaseline(state, baseline, [&] {
    std::string s = numbrella::GeneralNumberText(Values()[i++ % Values().size()]);
    benchmark::DoNotOptimize(s);
  });
}
BENCHMARK(BM_GeneralNumberText);

const std::vector<std::string>& PlainInputs() {
  static const std::vector<std::string> inputs = {"12.5", "1234567.891", "0.000123",   "98.6",
                                                  "42",   "-17.77777",   "3.14159265", "1e12"};
  return inputs;
}

void BM_ReadLeadingNumber(benchmark::State& state) {
  std::size_t i = 0;
  double baseline = BestNanosecondsPerCall([&] {
    const std::string& s = PlainInputs()[i++ % PlainInputs().size()];
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    benchmark::DoNotOptimize(v);
  });
  RunAgainstBaseline(state, baseline, [&] {
    auto v = numbrella::ReadLeadingNumber(PlainInputs()[i++ % PlainInputs().size()]);
    benchmark::DoNotOptimize(v);
  });
}
BENCHMARK(BM_ReadLeadingNumber);

// The evaluation against the same work done plainly: read two operands, add, print.
void BM_Evaluate(benchmark::State& state) {
  std::size_t i = 0;
  double baseline = BestNanosecondsPerCall([&] {
    const std::string& a = PlainInputs()[i % PlainInputs().size()];
    const std::string& b = PlainInputs()[(i++ + 3) % PlainInputs().size()];
    double x = 0, y = 0;
    std::from_chars(a.data(), a.data() + a.size(), x);
    std::from_chars(b.data(), b.data() + b.size(), y);
    std::string s = Snprintf(x + y, 5);
    benchmark::DoNotOptimize(s);
  });
  RunAgainstBaseline(state, baseline, [&] {
    auto o = numbrella::Evaluate(PlainInputs()[i % PlainInputs().size()],
                                 PlainInputs()[(i + 3) % PlainInputs().size()], "+", 5);
    ++i;
    benchmark::DoNotOptimize(o);
  });
}
BENCHMARK(BM_Evaluate);

}  // namespace
