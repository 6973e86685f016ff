// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// Days as the program writes them and as the borrower types them.
namespace quorvane {

using std::chrono::year_month_day;

// A day as 2007-07-15.
std::string DayText(year_month_day day);

// A day's month as 2007-07.
std::string MonthText(year_month_day day);

// A day written 2007-06-15 (or 2007-6-15): a real day, or nothing.
std::optional<year_month_day> ReadDay(std::string_view text);

}  // namespace quorvane
