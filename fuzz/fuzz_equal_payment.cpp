// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The equal-payment report on any eight field texts: nothing (refused),
// or a header, a separator and period lines numbered on by one; and the
// months repay the loan to within the rounding of each month.
#include "arith/equal_payment.h"
#include "fuzz_fields.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

namespace {

void CheckMonthsRepayTheLoan(const LoanTexts& texts, std::size_t monthCount) {
  const auto loan = ReadRemainingLoan(texts);
  const float payment = MonthlyPayment(loan->principal, loan->months, loan->monthlyRate);
  EqualPaymentMonths months(loan->principal, loan->monthlyRate, payment);
  double repaid = 0;
  double slack = std::fabs(loan->principal) * 2.5e-7;
  for (std::size_t k = 0; k < monthCount; ++k) {
    // Each month rounds its interest, its principal and the balance to the
    // fen in single precision: a few units in the last place of each.
    const double balance = std::fabs(months.Balance());
    const auto month = months.Next();
    slack += (balance + std::fabs(payment) + std::fabs(month.interest)) * 2.5e-7 + 0.01;
    repaid += month.principal;
  }
  Check(std::fabs(repaid + months.Balance() - loan->principal) <= slack,
        "principals and balance make up the loan", "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzFields fields = SplitFields(data, size);
  const auto written = EqualPaymentReport(fields.Loan());
  if (!written) {
    return 0;
  }
  const std::string& report = *written;
  CheckNoInfinityOrNan(report);
  const auto lines = Lines(report);
  Check(lines.size() >= 2, "header and separator", report);
  Figures(lines[0], {"月还款:", "元| 总还款:", "元| 其中利息:", "元"});
  Check(lines[1] == std::string(56, '-'), "separator of 56 hyphens", report);
  std::vector<double> numbers;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    numbers.push_back(Figures(lines[i], {"第", "期:", "元 | 其中本金:", "元 | 利息:", "元"})[0]);
  }
  CheckConsecutive(numbers, report);
  CheckMonthsRepayTheLoan(fields.Loan(), lines.size() - 2);
  return 0;
}
