// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A loan's whole history: its rate events and every month, for 360 and 1200
// months with 30 rate steps.
#include <benchmark/benchmark.h>

#include <vector>

#include "history/loan_history.h"

namespace {

using namespace quorvane;

void History(benchmark::State& state) {
  Contract contract;
  contract.months = static_cast<int>(state.range(0));
  std::vector<RateStep> steps;
  for (int n = 0; n < 30; ++n) {
    const std::chrono::year_month month =
        contract.granted.year() / contract.granted.month() + std::chrono::months{n * 11 + 1};
    steps.push_back({month / 20, Percent{50'000 + n * 500}});
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(RateEvents(contract));
    benchmark::DoNotOptimize(LoanHistory(contract, 20'000'000, Repayment::EqualPayment, steps, {}));
  }
}

BENCHMARK(History)->Arg(360)->Arg(1200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
