// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "rates/dated_rates.h"
#include "text/figure_text.h"

// A loan computed as a bank computes it: money in whole fen, rates as exact
// decimals, each month's interest rounded half up to the fen.
namespace quorvane {

// Balances up to this (a hundred million yuan) and rates up to 100 % keep
// every product below 2^63.
inline constexpr Fen kLargestBalance = 10'000'000'000;
inline constexpr Percent kHighestRate{1'000'000};

enum class Repayment { EqualPayment, EqualPrincipal };

// A year's rate in ten-thousandths of a percent over this is the month's
// rate as a fraction: 100 × 10 000 × 12.
inline constexpr std::int64_t kMonthRateDenominator = 12'000'000;

// The days of a year a bank's day rate is the year's rate over.
inline constexpr std::array<int, 2> kDaysInYears{360, 365};

// The month's rate i = R ⁄ 1200 as a fraction: 6.12 % a year is 0.0051.
double MonthRate(Percent rate);

// A month's interest on a balance: B × R ⁄ 1200, halves up, in integers.
Fen MonthInterest(Fen balance, Percent rate);

// Interest by days: B × R ⁄ 100 × days ⁄ daysInYear, halves up, the rate
// and the days of each stretch summed first.
struct RateDays {
  Percent rate;
  int days = 0;
};
Fen DaysInterest(Fen balance, std::initializer_list<RateDays> stretches, int daysInYear);

// The days from one day to another, as interest by days counts them.
int DaysBetween(year_month_day from, year_month_day to);

// The same day so many months later (or earlier), the month's last where it
// has no such day.
year_month_day MonthsLater(year_month_day day, int months);

// The month's payment of an equal-payment loan, B·i·g ⁄ (g − 1) with
// g = (1 + i)^m, to the fen, halves up; B ⁄ m when the rate is 0.
Fen EqualPayment(Fen balance, int months, Percent rate);

// The month's share of principal of an equal-principal loan: B ⁄ m, halves up.
Fen EqualShare(Fen balance, int months);

// One month of a plan.
struct BankMonth {
  Fen payment = 0;
  Fen principal = 0;
  Fen interest = 0;
  Fen balance = 0;  // after the month
};

// What a stretch repays each month: the payment (equal payment) or the share
// of principal (equal principal), set from the balance, the months left and
// the rate whenever one of them changes.
Fen MonthlyAmount(Repayment method, Fen balance, int monthsLeft, Percent rate);

// The next month from the balance before it. The last month, and any month
// whose amount would repay more than is owed, repays exactly what is left.
// Nothing when the payment does not cover the month's interest. The
// month's interest is the month's rate on the balance unless it is given.
std::optional<BankMonth> NextMonth(Repayment method, Fen balance, Fen amount, Percent rate,
                                   bool lastMonth, std::optional<Fen> interest = std::nullopt);

}  // namespace quorvane
