// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sheet/loan_sheet.h"

// The months as the months table shows them: a part's, or the sum of both
// parts by date, each with the 说明 of what takes effect with it; and the
// summary above them.
namespace quorvane {

struct ShownMonth {
  int number = 0;  // 期数; 0 for a prepayment
  year_month_day due;
  std::optional<Percent> rate;  // nothing for the sum of two parts
  BankMonth month;
  std::string note;  // the 说明 of the events that take effect with this month
};

std::vector<ShownMonth> ShownMonths(const LoanSheet& sheet, SheetView view);

// The row of the months where an event takes effect: a rate with the first
// payment due after its day, a prepayment as its own row. Nothing where the
// months end before it.
std::optional<std::size_t> MonthOfEvent(const std::vector<ShownMonth>& months,
                                        const EventRow& event, bool prepayment);

// 总还款, 总利息, the last payment's day and 截至今天, in one line each.
std::vector<std::string> SheetSummary(const std::vector<ShownMonth>& months, year_month_day today);

}  // namespace quorvane
