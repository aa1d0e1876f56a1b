// SPDX-License-Identifier: GPL-3.0-or-later
// ConvertValue next to a plain C conversion of the same input: read the number with
// std::from_chars, multiply by the factor, print with snprintf("%.*f"). The ratio of
// the two times is reported as the counter "ratio" on the ConvertValue runs.
#include "bench_support.h"
#include "converter/convert_value.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using numbrella::bench::BestNanosecondsPerCall;
using numbrella::bench::RunAgainstBaseline;

constexpr std::string_view kInput = "1";
constexpr int kDecimals = 14;

std::string PlainConversion(std::string_view input, double factor, int decimals) {
  double x = 0;
  std::from_chars(input.data(), input.data() + input.size(), x);
  char buffer[64];
  int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x * factor);
  return std::string(buffer, static_cast<std::size_t>(n));
}

void PlainInchesToFeet() {
  double factor = 1.0 / 12.0;
  benchmark::DoNotOptimize(factor);
  std::string text = PlainConversion(kInput, factor, kDecimals);
  benchmark::DoNotOptimize(text);
}

// Time per call of the baseline, measured once per process in the same run.
double BaselineNanoseconds() {
  static const double nanoseconds = BestNanosecondsPerCall(PlainInchesToFeet, 50000);
  return nanoseconds;
}

void BM_PlainC_InchesToFeet(benchmark::State& state) {
  for (auto _ : state) PlainInchesToFeet();
}
BENCHMARK(BM_PlainC_InchesToFeet);

void RunConvertValue(benchmark::State& state, numbrella::UnitCode source,
                     numbrella::UnitCode target, std::string_view input) {
  RunAgainstBaseline(state, BaselineNanoseconds(), [&] {
    auto text = numbrella::ConvertValue(source, target, input, kDecimals);
    benchmark::DoNotOptimize(text);
  });
}

void BM_ConvertValue_InchesToFeet(benchmark::State& state) { RunConvertValue(state, 0, 1, kInput); }
BENCHMARK(BM_ConvertValue_InchesToFeet);

// A six-character key and a formula rule, for comparison with the two-character key.
void BM_ConvertValue_BytesToTerabytes(benchmark::State& state) {
  RunConvertValue(state, 201, 205, kInput);
}
BENCHMARK(BM_ConvertValue_BytesToTerabytes);

void BM_ConvertValue_CelsiusToFahrenheit(benchmark::State& state) {
  RunConvertValue(state, 60, 61, "37");
}
BENCHMARK(BM_ConvertValue_CelsiusToFahrenheit);

}  // namespace
