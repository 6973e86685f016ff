// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rates/dated_rates.h"
#include "text/outcome.h"

// The LPR fixings a borrower types, published after the last one the program
// knows: one a month, each the day and the two tenors' rates.
namespace quorvane {

// What is wrong with a fixing typed.
enum class FixingProblem { Day, Known, Rate, SameMonth };

// The problem in the window's words.
std::string FixingProblemWords(FixingProblem problem);

// The highest rate a fixing takes, in %.
inline constexpr Percent kHighestFixing{200'000};

// A fixing as typed: its day, and the 1-year and 5-year rates in %; refused
// where it is on or before the last one known, its rates are past 0 … 20,
// or its month has one among `kept` already.
Outcome<LprFixing, FixingProblem> ReadOwnFixing(std::string_view day, std::string_view oneYear,
                                                std::string_view fiveYear,
                                                const std::vector<LprFixing>& kept);

// The fixings kept on this computer with those a loan's file carries: the
// file's adds the months the kept lack; where both have a month and differ,
// the kept one holds and its month is named. A month the program's own
// tables now hold gives way to them.
struct MergedFixings {
  std::vector<LprFixing> fixings;    // by day
  std::vector<LprFixing> differing;  // the file's, where the kept differ
};
MergedFixings MergeFixings(const std::vector<LprFixing>& kept,
                           const std::vector<LprFixing>& fromFile);

}  // namespace quorvane
