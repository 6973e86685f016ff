// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "arith/loan_fields.h"

// The equal-payment method (等额本息): one payment for every remaining month,
// of which each month's interest is charged on the principal still owed and the
// rest repays principal.
namespace quorvane {

// The monthly payment on the principal still owed, rounded to the fen.
// A rate too small to grow the loan at all gives the interest-free payment.
float MonthlyPayment(double principal, double months, double monthlyRate);

// The months of an equal-payment loan one after the other. The balance is a
// double until the first month is repaid and single precision after it, as
// the banks' systems kept it.
class EqualPaymentMonths {
 public:
  EqualPaymentMonths(double principal, double monthlyRate, float payment);

  struct Month {
    float interest;
    float principal;
  };
  Month Next();

  // What is still owed after the months so far.
  [[nodiscard]] double Balance() const { return firstMonth_ ? firstBalance_ : balance_; }

 private:
  double firstBalance_;
  float balance_ = 0;
  bool firstMonth_ = true;
  double monthlyRate_;
  float payment_;
};

// The whole report: the header with payment and totals, then one line a month,
// numbered on from the months already repaid. Nothing when nothing is owed,
// no month is left, a field is not a number or a figure runs out of range.
std::optional<std::string> EqualPaymentReport(const LoanTexts& texts);

}  // namespace quorvane
