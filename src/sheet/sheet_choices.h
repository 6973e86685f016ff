// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "history/loan_history.h"

// What the borrower sets beside the contract: their own rows, Quorvane's rows
// switched off or moved to the bank's day, the spreads of the cuts and how the bank counts interest
// by days; and which part of a combination loan the months table shows.
namespace quorvane {

// The parts of a loan: the one part, or a combination's two.
enum class SheetPart : std::size_t { Main = 0, Fund = 1 };

// What the months table shows: a part's months, or the sum of both by date.
enum class SheetView { Main, Fund, Both };

// A row the borrower adds: 提前还款, 利率 (a bank's notice), or what an LPR
// loan allows from 2024-11-01: 加点调整, 重定价周期, 转为 LPR 加点.
struct BorrowerEvent {
  enum class Kind { Prepayment, Rate, Spread, Cycle, ToLpr };
  // A prepayment made once, or again each year or each month.
  enum class Repeat { Once, Yearly, Monthly };
  Kind kind = Kind::Rate;
  year_month_day day;
  SheetPart part = SheetPart::Main;
  Fen amount = 0;  // 提前还款
  bool shortenTerm = false;
  Percent rate;          // 利率
  Percent spread;        // 加点调整, 转为 LPR 加点
  int cycleMonths = 12;  // 重定价周期
  // 提前还款 again each year or each month, to its last day or the loan's end.
  Repeat repeat = Repeat::Once;
  std::optional<year_month_day> until{};
  bool operator==(const BorrowerEvent&) const = default;
};

// The kinds' words, in the order the window offers them.
inline constexpr std::array<std::string_view, 5> kBorrowerKindNames{"提前还款", "利率", "加点调整",
                                                                    "重定价周期", "转为 LPR 加点"};
constexpr std::string_view BorrowerKindName(BorrowerEvent::Kind kind) {
  return kBorrowerKindNames.at(static_cast<std::size_t>(kind));
}

// The repeats' words, in the order the window offers them.
inline constexpr std::array<std::string_view, 3> kRepeatNames{"不重复", "每年", "每月"};
constexpr std::string_view RepeatName(BorrowerEvent::Repeat repeat) {
  return kRepeatNames.at(static_cast<std::size_t>(repeat));
}

// The days a prepayment falls on: its day, and for a repeat each year or
// each month after it (the month's last day where it has no such day) up to
// its last day, or the last day given where it has none.
std::vector<year_month_day> PrepaymentDays(const BorrowerEvent& event, year_month_day last);

// The cycles a repricing can take, in months.
inline constexpr std::array<int, 3> kRepricingCycles{3, 6, 12};

// One of Quorvane's rows, known by its part, its kind and its day: what the
// borrower switches off stays off while the row is there.
struct EventKey {
  SheetPart part = SheetPart::Main;
  RateEventKind kind = RateEventKind::Benchmark;
  year_month_day effective;
  auto operator<=>(const EventKey&) const = default;
};

struct SheetChoices {
  std::vector<BorrowerEvent> borrowerEvents;
  std::set<EventKey> switchedOff;
  std::map<EventKey, year_month_day> moved;  // Quorvane's rows the bank took on another day
  // The spread each cut set where the borrower says so (cities' floors
  // differed); nothing where it is the cut's tier for the loan.
  std::array<std::optional<Percent>, kSpreadCuts.size()> caps{};
  DayInterest byDays;  // the contract's options of interest by days
  bool operator==(const SheetChoices&) const = default;
};

// The words of the parts and the views, as the window offers them.
std::string_view ViewName(SheetView view);

// What a prepayment keeps: the months (减少月供) or the payment (缩短期限), in
// the order the window offers them.
inline constexpr std::array<std::string_view, 2> kPrepaymentModes{"减少月供", "缩短期限"};
constexpr std::string_view ModeName(bool shortenTerm) {
  return kPrepaymentModes[shortenTerm ? 1 : 0];
}

}  // namespace quorvane
