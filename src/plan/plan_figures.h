// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "text/day_text.h"
#include "text/figure_text.h"

// The figures, dates and month numbers of a bank's plan, as banks write them.
namespace quorvane {

// A figure in fen: "1,620.95", "１６２０.９５元", "¥ 1620.95", "(12.00)",
// "-12"; past the fen it rounds half up.
std::optional<Fen> ReadPlanFigure(std::string_view cell);

// A day: 2007-07-15, 2007/7/15, 2007.07.15, 2007年7月15日, 20070715, or a
// spreadsheet's day number.
std::optional<year_month_day> ReadPlanDay(std::string_view cell);

// A month's number: "12", "第 12 期".
std::optional<int> ReadPlanNumber(std::string_view cell);

// A spreadsheet's day number counts days from 1899-12-30; those a plan's
// days can have.
inline constexpr int kFirstDayNumber = 36'526;  // 2000-01-01
inline constexpr int kLastDayNumber = 73'050;   // 2099-12-31

}  // namespace quorvane
