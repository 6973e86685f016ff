// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <vector>

#include "history/bank_arithmetic.h"
#include "history/rate_events.h"

// A loan month by month from its first payment to its last, through its
// rate changes and prepayments, as the bank computes it.
namespace quorvane {

// From this day on the loan runs at this rate: it holds for every payment due
// after the day.
struct RateStep {
  year_month_day effective;
  Percent rate;
};

// 提前还款: the amount repaid on a day, and whether the months (减少月供) or
// the payment (缩短期限) are kept.
struct Prepayment {
  year_month_day day;
  Fen amount = 0;
  bool shortenTerm = false;
};

struct HistoryRow {
  int number = 0;  // 1 for the first payment; 0 for a prepayment
  year_month_day due;
  Percent rate;
  BankMonth month;  // a prepayment: its amount as payment and principal
};

// The longest term a contract can have.
inline constexpr int kLongestTerm = 12'000;

// The fewest whole months in which the amount still repays the balance at
// the rate (缩短期限).
int MonthsToRepay(Repayment method, Fen balance, Fen amount, Percent rate);

// Every payment and prepayment of the loan, steps and prepayments each in
// date order, the same day taken in their order. Nothing when a payment does
// not cover a month's interest.
std::optional<std::vector<HistoryRow>> LoanHistory(const Contract& contract, Fen amount,
                                                   Repayment method,
                                                   std::span<const RateStep> steps,
                                                   std::span<const Prepayment> prepayments);

}  // namespace quorvane
