// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/own_fixings.h"

#include <algorithm>

#include "text/day_text.h"
#include "text/decimal_text.h"
#include "text/figure_text.h"

namespace quorvane {

namespace {

std::chrono::year_month MonthOf(year_month_day day) { return day.year() / day.month(); }

bool AfterTheKnown(const LprFixing& fixing) {
  return MonthOf(fixing.fixed) > MonthOf(kLastKnownLprFixing);
}

std::optional<Percent> ReadFixingRate(std::string_view text) {
  const auto rate = ReadDecimal(text, 4);
  if (!rate || *rate > kHighestFixing.tenThousandths) {
    return std::nullopt;
  }
  return Percent{*rate};
}

}  // namespace

std::string FixingProblemWords(FixingProblem problem) {
  switch (problem) {
    case FixingProblem::Day:
      return "LPR 公布日期应写成 2026-09-21 这样的日期";
    case FixingProblem::Known:
      return "LPR 公布日期应在 " + DayText(kLastKnownLprFixing) +
             " 之后：此前的公布值 Quorvane 已有";
    case FixingProblem::Rate:
      return "LPR 应为 0 至 " + DecimalText(kHighestFixing.tenThousandths, 4, 0) +
             "，至多四位小数，如 3.50";
    case FixingProblem::SameMonth:
      return "这个月已有一个 LPR 公布值：每月只公布一次";
  }
  return {};
}

Outcome<LprFixing, FixingProblem> ReadOwnFixing(std::string_view day, std::string_view oneYear,
                                                std::string_view fiveYear,
                                                const std::vector<LprFixing>& kept) {
  const auto fixed = ReadDay(day);
  if (!fixed) {
    return FixingProblem::Day;
  }
  LprFixing fixing{*fixed, {}, {}};
  if (!AfterTheKnown(fixing)) {
    return FixingProblem::Known;
  }
  const auto one = ReadFixingRate(oneYear);
  const auto five = ReadFixingRate(fiveYear);
  if (!one || !five) {
    return FixingProblem::Rate;
  }
  if (std::any_of(kept.begin(), kept.end(), [&](const LprFixing& other) {
        return MonthOf(other.fixed) == MonthOf(*fixed);
      })) {
    return FixingProblem::SameMonth;
  }
  fixing.oneYear = *one;
  fixing.fiveYear = *five;
  return fixing;
}

MergedFixings MergeFixings(const std::vector<LprFixing>& kept,
                           const std::vector<LprFixing>& fromFile) {
  MergedFixings merged;
  for (const LprFixing& fixing : kept) {
    if (AfterTheKnown(fixing)) {
      merged.fixings.push_back(fixing);
    }
  }
  for (const LprFixing& fixing : fromFile) {
    const auto same = std::find_if(
        merged.fixings.begin(), merged.fixings.end(),
        [&](const LprFixing& other) { return MonthOf(other.fixed) == MonthOf(fixing.fixed); });
    if (same == merged.fixings.end()) {
      if (AfterTheKnown(fixing)) {
        merged.fixings.push_back(fixing);
      }
    } else if (same->oneYear != fixing.oneYear || same->fiveYear != fixing.fiveYear ||
               same->fixed != fixing.fixed) {
      merged.differing.push_back(fixing);
    }
  }
  std::sort(merged.fixings.begin(), merged.fixings.end(),
            [](const LprFixing& a, const LprFixing& b) { return a.fixed < b.fixed; });
  return merged;
}

}  // namespace quorvane
