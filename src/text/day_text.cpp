// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/day_text.h"

#include <charconv>
#include <cstdio>

namespace quorvane {

std::string DayText(year_month_day day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
  return text;
}

std::string MonthText(year_month_day day) { return DayText(day).substr(0, 7); }

std::optional<year_month_day> ReadDay(std::string_view text) {
  int parts[3] = {};
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  for (int i = 0; i < 3; ++i) {
    const auto [next, error] = std::from_chars(at, end, parts[i]);
    const bool last = i == 2;
    if (error != std::errc{} || next == at || parts[i] < 0 ||
        (last ? next != end : next == end || *next != '-')) {
      return std::nullopt;
    }
    at = next + (last ? 0 : 1);
  }
  const year_month_day day{std::chrono::year{parts[0]} /
                           std::chrono::month(static_cast<unsigned>(parts[1])) /
                           std::chrono::day(static_cast<unsigned>(parts[2]))};
  if (parts[0] > 9999 || parts[1] > 12 || parts[2] > 31 || !day.ok()) {
    return std::nullopt;
  }
  return day;
}

}  // namespace quorvane
