// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A bank's plan as the borrower pastes it, any text, checked against the
// worked loan of either method; the first byte also chooses, for some
// inputs, a meaning for each column as the borrower would. Whatever it reads
// is checked without a fault: every month checked is the plan's or the
// history's, a month that agrees differs in no figure, and the summary or
// the problem says something.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "plan/check_table.h"
#include "plan/plan_text.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

namespace {

// The worked loan (300 000 yuan at 8.5 折 from 2007-06-15 over 240 months)
// as the bank computes it, through every rate change.
CheckedLoan WorkedLoan(Repayment method) {
  const Contract contract;
  std::vector<RateStep> steps;
  CheckedLoan loan;
  for (const RateEvent& event : RateEvents(contract)) {
    steps.push_back({event.effective, event.rate});
    loan.rateDays.push_back(event.effective);
  }
  loan.months = *LoanHistory(contract, 30'000'000, method, steps, {});
  loan.granted = contract.granted;
  loan.amount = 30'000'000;
  loan.method = method;
  return loan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  static const CheckedLoan kLoans[] = {WorkedLoan(Repayment::EqualPayment),
                                       WorkedLoan(Repayment::EqualPrincipal)};
  const std::uint8_t flags = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const PlanCells cells = SplitPlanText(text, (flags & 2) != 0 ? CellSplit::Csv : CellSplit::Guess);
  std::vector<PlanColumn> chosen;
  if ((flags & 4) != 0) {
    for (std::size_t c = 0; c < 8; ++c) {
      chosen.push_back(static_cast<PlanColumn>(((flags >> 3) + c * 3) % kPlanColumnKinds));
    }
  }
  const BankPlan plan = ReadBankPlan(cells, chosen);
  const CheckedLoan& loan = kLoans[flags & 1];
  const PlanCheck check = CheckPlan(plan, loan);
  Check(check.months.size() <= plan.months.size() + loan.months.size(),
        "each month checked is the plan's or the history's", text);
  for (const CheckedMonth& month : check.months) {
    Check(month.inPlan || month.inHistory, "a month of one or the other", text);
    Check(!month.Agrees() || month.why.empty(), "a month that agrees needs no why", text);
    Check(month.Agrees() || !month.why.empty() || !month.inPlan || !month.inHistory ||
              month.duplicate,
          "a month that differs says why", text);
  }
  Check(!check.summary.empty() || check.problem.has_value(), "something is said", text);
  CheckTable(check);
  return 0;
}
