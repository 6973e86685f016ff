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

// 总还款, 总利息, the last payment's day and 截至今天, in one line each.
std::vector<std::string> SheetSummary(const std::vector<ShownMonth>& months, year_month_day today);

}  // namespace quorvane
