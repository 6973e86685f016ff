// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/checked_loan.h"

namespace quorvane {

std::vector<OurMonth> OurMonths(const CheckedLoan& loan) {
  std::vector<OurMonth> months;
  Fen before = loan.amount;
  year_month_day previousDue = loan.granted;
  for (const HistoryRow& month : loan.months) {
    if (month.number > 0) {
      months.push_back(
          {&month, before, previousDue, loan.rated ? std::optional(month.rate) : std::nullopt});
      previousDue = month.due;
    }
    before = month.month.balance;
  }
  return months;
}

MonthFigures FiguresOf(const PlanMonth& month) {
  return {month.payment, month.principal, month.interest, month.balance};
}

MonthFigures FiguresOf(const BankMonth& month) {
  return {month.payment, month.principal, month.interest, month.balance};
}

}  // namespace quorvane
