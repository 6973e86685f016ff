// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/loan_fields.h"

#include <cmath>

#include "arith/number_rules.h"

namespace quorvane {

std::optional<OwedLoan> ReadOwedLoan(const LoanTexts& texts) {
  const auto amount = FieldNumber(texts.amount);
  const auto term = FieldNumber(texts.term);
  const auto principalRepaid = FieldNumber(texts.principalRepaid);
  const auto monthsRepaid = FieldNumber(texts.monthsRepaid);
  if (!amount || !term || !principalRepaid || !monthsRepaid) {
    return std::nullopt;
  }
  OwedLoan loan;
  loan.amount = *amount * 10000;
  loan.principal = loan.amount - *principalRepaid;
  loan.months = *term - *monthsRepaid;
  loan.monthsRepaid = *monthsRepaid;
  if (!std::isfinite(loan.amount) || !std::isfinite(loan.principal) ||
      !std::isfinite(loan.months)) {
    return std::nullopt;
  }
  return loan;
}

std::optional<double> ReadMonthlyRate(const LoanTexts& texts) {
  const auto rate = FieldNumber(texts.rate);
  const auto discount = FieldNumber(texts.discount);
  if (!rate || !discount) {
    return std::nullopt;
  }
  // The product of rate and discount first, then the division.
  const double monthlyRate = *rate * *discount / 12000;
  if (!std::isfinite(monthlyRate)) {
    return std::nullopt;
  }
  return monthlyRate;
}

std::optional<RemainingLoan> ReadRemainingLoan(const LoanTexts& texts) {
  const auto owed = ReadOwedLoan(texts);
  const auto monthlyRate = ReadMonthlyRate(texts);
  if (!owed || !monthlyRate) {
    return std::nullopt;
  }
  return RemainingLoan{*owed, *monthlyRate};
}

}  // namespace quorvane
