// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A loan's whole history: its rate events and every month, for 360 and 1200
// months with 30 rate steps; and a bank's plan of 360 and 1200 months, pasted
// as text, read and checked against the history.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "history/event_texts.h"
#include "history/loan_history.h"
#include "plan/plan_text.h"
#include "sheet/sheet_check.h"

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

// A loan priced on the LPR from the start (2021-03-15, LPR + 55, repriced
// every 3 months from 2024-11-01, a spread of its own from 2025-03-01): its
// events from the fixings and cuts, and its months with 30 rate steps in all.
// Budget: 100 µs for 360 months.
void LprHistory(benchmark::State& state) {
  using std::chrono::year;
  Contract contract;
  contract.granted = year{2021} / 3 / 15;
  contract.months = static_cast<int>(state.range(0));
  contract.spread = Percent{5'500};
  contract.firstRate = Percent{52'000};
  contract.lprRows = {{LprRow::Kind::Cycle, year{2024} / 11 / 1, {}, 3},
                      {LprRow::Kind::Spread, year{2025} / 3 / 1, Percent{-4'000}, 12}};
  for (auto _ : state) {
    const std::vector<RateEvent> events = RateEvents(contract);
    std::vector<RateStep> steps;
    for (const RateEvent& event : events) {
      steps.push_back({event.effective, event.rate});
    }
    for (int n = 0; steps.size() < 30; ++n) {
      const std::chrono::year_month month = year{2027} / 1 + std::chrono::months{n * 7};
      steps.push_back({month / 20, Percent{30'000 + n * 100}});
    }
    benchmark::DoNotOptimize(
        LoanHistory(contract, 100'000'000, Repayment::EqualPayment, steps, {}));
  }
}

BENCHMARK(LprHistory)->Arg(360)->Unit(benchmark::kMicrosecond);

// The worked loan over so many months, the bank's plan of it as a bank's
// page pastes (a title, the headings, a month a row with thousands
// separators, a total), from the paste until every month is checked.
void ReadAndCheckPlan(benchmark::State& state) {
  ContractTexts texts;
  texts.months = std::to_string(state.range(0));
  const LoanSheet sheet = SheetOf(texts, {}, std::chrono::year{2026} / 12 / 8);
  const CheckedLoan loan =
      CheckedLoanOf(sheet, {}, SheetView::Main, ShownMonths(sheet, SheetView::Main));
  std::string pasted =
      "个人住房贷款还款计划\n期次\t应还日期\t应还本息\t应还本金\t应还利息\t剩余本金\n";
  for (const HistoryRow& month : loan.months) {
    pasted += std::to_string(month.number) + '\t' + DayText(month.due) + "\t¥" +
              YuanText(month.month.payment) + '\t' + YuanText(month.month.principal) + '\t' +
              YuanText(month.month.interest) + "\t1," + YuanText(month.month.balance) + '\n';
  }
  pasted += "合计\t\t\t\t\t\n";
  for (auto _ : state) {
    const PlanCheck check = CheckPlan(ReadBankPlan(SplitPlanText(pasted)), loan);
    benchmark::DoNotOptimize(check.summary.data());
  }
}

BENCHMARK(ReadAndCheckPlan)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
