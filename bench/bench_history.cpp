// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A loan's whole history: its rate events and every month, for 360 and 1200
// months with 30 rate steps; a bank's plan of 360 and 1200 months, pasted
// as text, read and checked against the history; and a prepayment tried on
// a loan with 30 rate events, its columns and the goals' amounts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "history/event_texts.h"
#include "history/loan_history.h"
#include "plan/plan_text.h"
#include "sheet/prepayment_trial.h"
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

// The LPR loan of 2021-03-15 (LPR + 55, 1 000 000 yuan, repriced every 3
// months from 2024-11-01): 30 rate events over 360 months.
struct TrialLoan {
  LoanTerms terms;
  SheetChoices choices;
};

TrialLoan LprTrialLoan(int months) {
  ContractTexts texts;
  texts.granted = "2021-03-15";
  texts.amount = "100";
  texts.months = std::to_string(months);
  texts.spread = "55";
  texts.firstRate = "5.20";
  TrialLoan loan{*ReadContractTexts(texts, std::chrono::year{2026} / 12 / 8), {}};
  BorrowerEvent cycle;
  cycle.kind = BorrowerEvent::Kind::Cycle;
  cycle.day = std::chrono::year{2024} / 11 / 1;
  cycle.cycleMonths = 3;
  loan.choices.borrowerEvents.push_back(cycle);
  return loan;
}

constexpr year_month_day kTrialDay = std::chrono::year{2027} / 3 / 15;

// 提前还款试算's three columns: the loan as it stands, 缩短期限 and 减少月供
// of 20 万元 on 2027-03-15. Budget: 1 ms for 360 months, 4 ms for 1200.
void TrialColumns(benchmark::State& state) {
  const TrialLoan loan = LprTrialLoan(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const auto trial =
        PrepaymentTrial::Of(loan.terms, loan.choices, {}, SheetPart::Main, kTrialDay);
    benchmark::DoNotOptimize(trial->With({kTrialDay, 20'000'000}, true));
    benchmark::DoNotOptimize(trial->With({kTrialDay, 20'000'000}, false));
  }
}

BENCHMARK(TrialColumns)->Arg(360)->Arg(1200)->Unit(benchmark::kMicrosecond);

// The least amount that repays the loan by 2040 (缩短期限), and the least
// that brings the payment to 4 000 yuan (减少月供). Budget: 10 ms each.
void GoalSeek(benchmark::State& state) {
  const TrialLoan loan = LprTrialLoan(360);
  const auto trial = PrepaymentTrial::Of(loan.terms, loan.choices, {}, SheetPart::Main, kTrialDay);
  const bool repaidBy = state.range(0) == 0;
  for (auto _ : state) {
    if (repaidBy) {
      benchmark::DoNotOptimize(trial->RepaidBy(std::chrono::year{2040} / 1));
    } else {
      benchmark::DoNotOptimize(trial->PaymentAtMost(400'000));
    }
  }
}

BENCHMARK(GoalSeek)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
