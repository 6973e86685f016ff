// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/loan_history.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

// The loan between two payments: what is owed and how it is repaid.
struct Standing {
  Fen balance = 0;
  int monthsLeft = 0;
  Percent rate;
  Fen amount = 0;  // the payment, or the share of principal
};

void ApplyPrepayment(Repayment method, const Prepayment& prepayment, Standing& loan) {
  loan.balance -= std::min(prepayment.amount, loan.balance);
  if (loan.balance == 0) {
    loan.monthsLeft = 0;
    return;
  }
  if (prepayment.shortenTerm) {
    loan.monthsLeft =
        std::min(loan.monthsLeft, MonthsToRepay(method, loan.balance, loan.amount, loan.rate));
  }
  loan.amount = MonthlyAmount(method, loan.balance, loan.monthsLeft, loan.rate);
}

// The days a month's interest runs for: from the day before it (the grant
// day, or the last payment day) to its payment day, and the day its rate
// changed, if it did.
struct MonthDays {
  year_month_day from;
  year_month_day to;
  std::optional<year_month_day> changedOn;
};

// The month's interest where the contract counts it in days: a month whose
// rate changed after its first day, each rate for its own days; the first
// month, when it is not one whole month, for its days. Nothing where the
// month's rate on the balance holds.
std::optional<Fen> InterestByDays(const DayInterest& byDays, const MonthDays& month, Fen balance,
                                  Percent rateBefore, Percent rate, bool first) {
  if (byDays.acrossChange && month.changedOn && *month.changedOn > month.from) {
    return DaysInterest(balance,
                        {{rateBefore, DaysBetween(month.from, *month.changedOn)},
                         {rate, DaysBetween(*month.changedOn, month.to)}},
                        byDays.daysInYear);
  }
  const bool wholeMonth = month.from.day() == month.to.day();
  if (byDays.firstMonth && first && !wholeMonth) {
    return DaysInterest(balance, {{rate, DaysBetween(month.from, month.to)}}, byDays.daysInYear);
  }
  return std::nullopt;
}

}  // namespace

int MonthsToRepay(Repayment method, Fen balance, Fen amount, Percent rate) {
  const auto wholeMonths = [](double months) {
    return static_cast<int>(std::clamp(std::ceil(months), 1.0, double{kLongestTerm}));
  };
  if (method == Repayment::EqualPrincipal || rate.tenThousandths == 0) {
    return wholeMonths(static_cast<double>(balance) / static_cast<double>(amount));
  }
  const double i = MonthRate(rate);
  const double m = static_cast<double>(amount);
  const double b = static_cast<double>(balance);
  if (m <= b * i) {
    return kLongestTerm;  // the payment no longer covers the interest
  }
  return wholeMonths(std::log(m / (m - b * i)) / std::log(1.0 + i));
}

std::optional<std::vector<HistoryRow>> LoanHistory(const Contract& contract, Fen amount,
                                                   Repayment method,
                                                   std::span<const RateStep> steps,
                                                   std::span<const Prepayment> prepayments) {
  Standing loan{amount, contract.months, contract.firstRate, 0};
  loan.amount = MonthlyAmount(method, loan.balance, loan.monthsLeft, loan.rate);
  std::vector<HistoryRow> rows;
  std::size_t step = 0;
  std::size_t prepaid = 0;
  const auto prepayUntil = [&](year_month_day before) {
    for (; prepaid < prepayments.size() && prepayments[prepaid].day < before && loan.monthsLeft > 0;
         ++prepaid) {
      ApplyPrepayment(method, prepayments[prepaid], loan);
      const Fen paid =
          std::min(prepayments[prepaid].amount, rows.empty() ? amount : rows.back().month.balance);
      rows.push_back({0, prepayments[prepaid].day, loan.rate, {paid, paid, 0, loan.balance}});
    }
  };
  for (int k = 1; loan.monthsLeft > 0; ++k) {
    const year_month_day due = PaymentDay(contract, k);
    prepayUntil(due);
    if (loan.monthsLeft == 0) {
      break;
    }
    const year_month_day previousDue = k == 1 ? contract.granted : PaymentDay(contract, k - 1);
    const Percent rateBefore = loan.rate;
    std::optional<year_month_day> changedOn;
    // The payment is set again only where the month's rate differs from the
    // last month's: a rate changed and changed back within a month leaves it.
    for (; step < steps.size() && steps[step].effective < due; ++step) {
      if (steps[step].rate != loan.rate) {
        loan.rate = steps[step].rate;
        changedOn = steps[step].effective;
      }
    }
    if (loan.rate != rateBefore) {
      loan.amount = MonthlyAmount(method, loan.balance, loan.monthsLeft, loan.rate);
    } else {
      changedOn.reset();
    }
    const auto month = NextMonth(method, loan.balance, loan.amount, loan.rate, loan.monthsLeft == 1,
                                 InterestByDays(contract.byDays, {previousDue, due, changedOn},
                                                loan.balance, rateBefore, loan.rate, k == 1));
    if (!month) {
      return std::nullopt;
    }
    rows.push_back({k, due, loan.rate, *month});
    loan.balance = month->balance;
    loan.monthsLeft = loan.balance == 0 ? 0 : loan.monthsLeft - 1;
  }
  return rows;
}

}  // namespace quorvane
