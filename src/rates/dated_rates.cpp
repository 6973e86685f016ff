// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/dated_rates.h"

#include <algorithm>

#include "rates/rate_tables.h"

namespace quorvane {

namespace {

// The newest row of a dated table on or before a day; nothing before its first.
template <typename Row>
const Row* NewestOnOrBefore(std::span<const Row> table, year_month_day day,
                            year_month_day Row::*date) {
  const auto after = std::ranges::upper_bound(table, day, {}, date);
  if (after == table.begin()) {
    return nullptr;
  }
  return &after[-1];
}

}  // namespace

std::optional<RateChange> RateInForce(std::span<const RateChange> table, year_month_day day) {
  const RateChange* change = NewestOnOrBefore(table, day, &RateChange::effective);
  return change != nullptr ? std::optional(*change) : std::nullopt;
}

Percent RateForMonths(const RateChange& change, int termMonths) {
  return termMonths <= kShortTermMonths ? change.shortTerm : change.longTerm;
}

std::optional<Percent> LprOn(year_month_day day, LprTenor tenor) {
  const LprFixing* fixing =
      NewestOnOrBefore(std::span<const LprFixing>(LprFixings), day, &LprFixing::fixed);
  if (fixing == nullptr) {
    return std::nullopt;
  }
  return RateOfTenor(*fixing, tenor);
}

LprTenor TenorForMonths(int termMonths) {
  return termMonths <= kShortTermMonths ? LprTenor::OneYear : LprTenor::FiveYear;
}

year_month_day LprFixingDay(std::chrono::year_month month) {
  for (const year_month_day moved : LprFixingsMoved) {
    if (moved.year() / moved.month() == month) {
      return moved;
    }
  }
  for (const LprFixing& fixing : LprFixings) {
    if (fixing.fixed.year() / fixing.fixed.month() == month) {
      return fixing.fixed;
    }
  }
  const std::chrono::sys_days twentieth{month / 20};
  const std::chrono::weekday weekday{twentieth};
  const int daysOff = weekday == std::chrono::Saturday ? 2 : weekday == std::chrono::Sunday ? 1 : 0;
  return year_month_day{twentieth + std::chrono::days{daysOff}};
}

}  // namespace quorvane
