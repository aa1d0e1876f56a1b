// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures a baseline inside the same run, so that each benchmark can report its
// time as a ratio to it (the counter shows how many baselines one call costs).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace numbrella::bench {

// CPU time of this thread, so that other work on the machine does not enter the ratio.
inline double ThreadNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// Nanoseconds per call of `call`: the best of several batches after a warm-up batch.
template <typename Call>
double BestNanosecondsPerCall(Call&& call, int callsPerBatch = 20000, int batches = 8) {
  double best = 0;
  for (int batch = 0; batch <= batches; ++batch) {
    double start = ThreadNanoseconds();
    for (int i = 0; i < callsPerBatch; ++i) call();
    double perCall = (ThreadNanoseconds() - start) / callsPerBatch;
    if (batch == 1 || (batch > 1 && perCall < best)) best = perCall;
  }
  return best;
}

// Runs the benchmark loop over `call` and reports the ratio of its time per call to
// the baseline's as the counter "ratio".
template <typename Call>
void RunAgainstBaseline(benchmark::State& state, double baselineNanoseconds, Call&& call) {
  double start = ThreadNanoseconds();
  for (auto _ : state) call();
  double perCall = (ThreadNanoseconds() - start) / static_cast<double>(state.iterations());
  state.counters["baseline_ns"] = baselineNanoseconds;
  state.counters["ratio"] = perCall / baselineNanoseconds;
}

// Keeps the aggregate times of every run (function name "_" aggregate name, e.g.
// "BM_Check_median"), in processor time and in wall-clock time, so that ratios can be
// printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && !run.error_occurred) {
        const std::string name = run.run_name.function_name + "_" + run.aggregate_name;
        times[name] = run.GetAdjustedCPUTime();
        wallTimes[name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
  std::map<std::string, double> wallTimes;
};

// Prints "measured / baseline = ratio" of the two medians, followed by the note; in
// processor time unless `wallClock`.
inline void PrintRatio(RatioReporter& reporter, const std::string& measured,
                       const std::string& baseline, const char* note, bool wallClock = false) {
  std::map<std::string, double>& medians = wallClock ? reporter.wallTimes : reporter.times;
  const double b = medians[baseline + "_median"];
  const double m = medians[measured + "_median"];
  if (b > 0 && m > 0) {
    std::printf("%s / %s = %.2f%s\n", measured.c_str(), baseline.c_str(), m / b, note);
  }
}

}  // namespace numbrella::bench
