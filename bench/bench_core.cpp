// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computing core on the default loan (25.7 万元, 7.2 %, 8.5 折) with terms
// from 12 to 12 000 months: each cost should grow with the months alone.
#include <benchmark/benchmark.h>

#include <string>

#include "arith/accrual.h"
#include "arith/equal_payment.h"
#include "arith/equal_principal.h"
#include "arith/number_text.h"

namespace {

using namespace quorvane;

LoanTexts DefaultLoan(const std::string& term) { return {"25.7", "7.2", "8.5", term, "0", "0"}; }

void EqualPayment(benchmark::State& state) {
  const std::string term = std::to_string(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(EqualPaymentReport(DefaultLoan(term)));
  }
  state.SetComplexityN(state.range(0));
}

void EqualPrincipal(benchmark::State& state) {
  const std::string term = std::to_string(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(EqualPrincipalReport(DefaultLoan(term)));
  }
  state.SetComplexityN(state.range(0));
}

// A stretch over the whole term.
template <auto Accrue>
void Accrual(benchmark::State& state) {
  const std::string term = std::to_string(state.range(0));
  const StretchTexts stretch{DefaultLoan(term), term, "0", ""};
  for (auto _ : state) {
    benchmark::DoNotOptimize(Accrue(stretch));
  }
  state.SetComplexityN(state.range(0));
}

void NumberTexts(benchmark::State& state) {
  float amount = 1560.73F;
  for (auto _ : state) {
    benchmark::DoNotOptimize(NumberText(amount));
    benchmark::DoNotOptimize(PointNumberText(amount));
    benchmark::DoNotOptimize(StrText(amount));
    benchmark::DoNotOptimize(PointNumberText(360.0));
    amount += 0.01F;
  }
}

void Terms(benchmark::internal::Benchmark* benchmark) {
  for (const int months : {12, 120, 360, 1200, 12000}) {
    benchmark->Arg(months);
  }
  benchmark->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(EqualPayment)->Apply(Terms);
BENCHMARK(EqualPrincipal)->Apply(Terms);
BENCHMARK(Accrual<&AccrueEqualPayment>)->Name("AccrueEqualPayment")->Apply(Terms);
BENCHMARK(Accrual<&AccrueEqualPrincipal>)->Name("AccrueEqualPrincipal")->Apply(Terms);
BENCHMARK(NumberTexts);

}  // namespace

BENCHMARK_MAIN();
