// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/bank_arithmetic.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

// A non-negative quotient rounded half up.
Fen HalfUp(std::int64_t numerator, std::int64_t denominator) {
  return (numerator + denominator / 2) / denominator;
}

}  // namespace

double MonthRate(Percent rate) {
  return static_cast<double>(rate.tenThousandths) / kMonthRateDenominator;
}

Fen MonthInterest(Fen balance, Percent rate) {
  return HalfUp(balance * rate.tenThousandths, kMonthRateDenominator);
}

Fen DaysInterest(Fen balance, std::initializer_list<RateDays> stretches, int daysInYear) {
  // Ten-thousandths of a percent: a rate of 1 is a millionth a year.
  std::int64_t rateDays = 0;
  for (const RateDays& stretch : stretches) {
    rateDays += stretch.rate.tenThousandths * stretch.days;
  }
  return HalfUp(balance * rateDays, std::int64_t{daysInYear} * 1'000'000);
}

int DaysBetween(year_month_day from, year_month_day to) {
  return static_cast<int>((std::chrono::sys_days{to} - std::chrono::sys_days{from}).count());
}

year_month_day MonthsLater(year_month_day day, int months) {
  const std::chrono::year_month month = day.year() / day.month() + std::chrono::months{months};
  const std::chrono::day last = (month / std::chrono::last).day();
  return month / std::min(day.day(), last);
}

Fen EqualPayment(Fen balance, int months, Percent rate) {
  if (rate.tenThousandths == 0) {
    return HalfUp(balance, months);
  }
  const double i = MonthRate(rate);
  const double g = std::pow(1.0 + i, months);
  double payment = static_cast<double>(balance) * i * g / (g - 1.0);
  if (!std::isfinite(payment)) {
    // So many months that g overflows: g ⁄ (g − 1) is 1, the interest alone.
    payment = static_cast<double>(balance) * i;
  }
  return static_cast<Fen>(std::floor(payment + 0.5));
}

Fen EqualShare(Fen balance, int months) { return HalfUp(balance, months); }

Fen MonthlyAmount(Repayment method, Fen balance, int monthsLeft, Percent rate) {
  return method == Repayment::EqualPayment ? EqualPayment(balance, monthsLeft, rate)
                                           : EqualShare(balance, monthsLeft);
}

std::optional<BankMonth> NextMonth(Repayment method, Fen balance, Fen amount, Percent rate,
                                   bool lastMonth, std::optional<Fen> interest) {
  BankMonth month;
  month.interest = interest.value_or(MonthInterest(balance, rate));
  if (method == Repayment::EqualPayment) {
    if (amount <= month.interest && !lastMonth && balance > 0) {
      return std::nullopt;
    }
    month.principal = amount - month.interest;
  } else {
    month.principal = amount;
  }
  if (lastMonth) {
    month.principal = balance;
  }
  month.principal = std::min(month.principal, balance);
  month.payment = month.principal + month.interest;
  month.balance = balance - month.principal;
  return month;
}

}  // namespace quorvane
