// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "history/loan_history.h"
#include "plan/bank_plan.h"

// The history a bank's plan is checked against, and the four figures of a
// month that the two are compared by.
namespace quorvane {

// One of Quorvane's rate changes, which the borrower can move to the day the
// bank made it.
struct QuorvaneChange {
  year_month_day effective;  // as the history takes it now
  year_month_day original;   // Quorvane's own day
  RateEventKind kind = RateEventKind::Benchmark;
};

// The months of the history (of one part, or of both summed), the days its
// rate changed and what the contract says of its first month.
struct CheckedLoan {
  std::vector<HistoryRow> months;        // prepayments among them
  bool rated = true;                     // each month has its rate: not the sum of two parts
  std::vector<year_month_day> rateDays;  // the rate rows in effect, by day
  std::vector<QuorvaneChange> changes;   // Quorvane's among them, by day
  year_month_day granted;
  Fen amount = 0;
  Repayment method = Repayment::EqualPayment;
  DayInterest byDays;
};

// A month of the history with the balance before it.
struct OurMonth {
  const HistoryRow* month = nullptr;
  Fen before = 0;
  year_month_day previousDue;   // the grant day before the first
  std::optional<Percent> rate;  // nothing for the sum of two parts
};

// A balance the bank's arithmetic can be worked on: none of a plan's
// figures is trusted further.
inline bool Owable(std::optional<Fen> fen) { return fen && *fen >= 0 && *fen <= kLargestBalance; }

// The history's months, prepayments left out.
std::vector<OurMonth> OurMonths(const CheckedLoan& loan);

enum class PlanFigure { Payment, Principal, Interest, Balance };
inline constexpr std::size_t kPlanFigures = 4;
inline constexpr std::array<std::string_view, kPlanFigures> kFigureNames{"月供", "本金", "利息",
                                                                         "剩余本金"};
using MonthFigures = std::array<std::optional<Fen>, kPlanFigures>;

MonthFigures FiguresOf(const PlanMonth& month);
MonthFigures FiguresOf(const BankMonth& month);

}  // namespace quorvane
