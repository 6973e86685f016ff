// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

// The loan as the left-hand fields describe it, and what is still owed on it.
namespace quorvane {

// A report of more months than this is refused: a thousand years is no loan,
// and a mistyped term of millions of months would bury the window in text.
inline constexpr double kLongestReport = 12000;

// The texts of the loan fields, as the user left them.
struct LoanTexts {
  std::string_view amount;           // 万元
  std::string_view rate;             // benchmark rate, % per year
  std::string_view discount;         // 折: 8.5 is 85 % of the benchmark
  std::string_view term;             // months
  std::string_view principalRepaid;  // yuan, accumulated over rate changes
  std::string_view monthsRepaid;     // months, accumulated over rate changes
};

// What is still owed when the report or the stretch starts. All double.
struct OwedLoan {
  double amount = 0;        // the whole amount lent, amount x 10000, yuan
  double principal = 0;     // amount x 10000 less the principal repaid, yuan
  double months = 0;        // term less the months repaid
  double monthsRepaid = 0;  // for numbering the months on
};

// The same with the monthly rate it is repaid at.
struct RemainingLoan : OwedLoan {
  double monthlyRate = 0;  // rate x discount / 12000
};

// Nothing when a field read is not a number or a figure is out of range.
// The first reads no rate or discount: the equal-principal stretch needs none.
std::optional<OwedLoan> ReadOwedLoan(const LoanTexts& texts);
// Rate x discount / 12000.
std::optional<double> ReadMonthlyRate(const LoanTexts& texts);
std::optional<RemainingLoan> ReadRemainingLoan(const LoanTexts& texts);

}  // namespace quorvane
