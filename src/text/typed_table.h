// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "text/figure_text.h"

// A table as a spreadsheet's file takes it: each cell words, a sum of money,
// a rate, a day or a whole number, so that a workbook keeps figures as
// numbers and days as dates, and a text file writes them as the windows do.
namespace quorvane {

struct TypedCell {
  enum class Kind { Empty, Words, Money, Rate, Day, Whole };
  Kind kind = Kind::Empty;
  std::string words;
  std::int64_t value = 0;  // fen, ten-thousandths of a percent, or the number
  std::chrono::year_month_day day{};

  static TypedCell Of(std::string text) { return {Kind::Words, std::move(text), 0, {}}; }
  static TypedCell Money(Fen fen) { return {Kind::Money, {}, fen, {}}; }
  static TypedCell Rate(Percent rate) { return {Kind::Rate, {}, rate.tenThousandths, {}}; }
  static TypedCell Day(std::chrono::year_month_day day) { return {Kind::Day, {}, 0, day}; }
  static TypedCell Whole(std::int64_t number) { return {Kind::Whole, {}, number, {}}; }
};

// The cell as the windows write it: "1620.95", "6.6555", "2007-07-15", "12".
std::string CellText(const TypedCell& cell);

// A sheet: its name, its headings and its rows under them.
struct TypedSheet {
  std::string name;
  std::vector<std::string> headings;
  std::vector<std::vector<TypedCell>> rows;
};

}  // namespace quorvane
