// ConvertValue next to a plain C conversion of the same input: read the number with
// std::from_chars, multiply by the factor, print with snprintf("%.*f"). The ratio of
// the two times is reported as the counter "vs_plain_c" on the ConvertValue runs.
#include "converter/convert_value.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <ctime>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// CPU time of this thread, so that other work on the machine does not enter the ratio.
double ThreadNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

constexpr std::string_view kInput = "1";
constexpr int kDecimals = 14;

std::string PlainConversion(std::string_view input, double factor, int decimals) {
  double x = 0;
  std::from_chars(input.data(), input.data() + input.size(), x);
  char buffer[64];
  int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x * factor);
  return std::string(buffer, static_cast<std::size_t>(n));
}

// Time per call of the baseline, measured once per process in the same run: the best
// of several batches, after a warm-up batch, so that a stray interruption does not
// skew the ratio.
double BaselineNanoseconds() {
  static const double nanoseconds = [] {
    constexpr int kCalls = 50000;
    double factor = 1.0 / 12.0;
    benchmark::DoNotOptimize(factor);
    double best = 0;
    for (int batch = 0; batch < 8; ++batch) {
      double start = ThreadNanoseconds();
      for (int i = 0; i < kCalls; ++i) {
        std::string text = PlainConversion(kInput, factor, kDecimals);
        benchmark::DoNotOptimize(text);
      }
      double perCall = (ThreadNanoseconds() - start) / kCalls;
      if (batch == 1 || (batch > 1 && perCall < best)) best = perCall;
    }
    return best;
  }();
  return nanoseconds;
}

void BM_PlainC_InchesToFeet(benchmark::State& state) {
  double factor = 1.0 / 12.0;
  benchmark::DoNotOptimize(factor);
  for (auto _ : state) {
    std::string text = PlainConversion(kInput, factor, kDecimals);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_PlainC_InchesToFeet);

void RunConvertValue(benchmark::State& state, numbrella::UnitCode source,
                     numbrella::UnitCode target, std::string_view input) {
  double baseline = BaselineNanoseconds();
  double start = ThreadNanoseconds();
  for (auto _ : state) {
    auto text = numbrella::ConvertValue(source, target, input, kDecimals);
    benchmark::DoNotOptimize(text);
  }
  double perCall = (ThreadNanoseconds() - start) / static_cast<double>(state.iterations());
  state.counters["vs_plain_c"] = perCall / baseline;
}

void BM_ConvertValue_InchesToFeet(benchmark::State& state) {
  RunConvertValue(state, 0, 1, kInput);
}
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
