// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
  bool strong = false;  // words that head what follows them, in bold

  static TypedCell Of(std::string text) { return {Kind::Words, std::move(text), 0, {}, false}; }
  static TypedCell Heading(std::string text) { return {Kind::Words, std::move(text), 0, {}, true}; }
  static TypedCell Money(Fen fen) { return {Kind::Money, {}, fen, {}, false}; }
  static TypedCell Rate(Percent rate) { return {Kind::Rate, {}, rate.tenThousandths, {}, false}; }
  static TypedCell Day(std::chrono::year_month_day day) { return {Kind::Day, {}, 0, day, false}; }
  static TypedCell Whole(std::int64_t number) { return {Kind::Whole, {}, number, {}, false}; }
};

// The cell as the windows write it: "1620.95", "6.6555", "2007-07-15", "12".
std::string CellText(const TypedCell& cell);

// A sheet: its name, its headings and its rows under them.
struct TypedSheet {
  std::string name;
  std::vector<std::string> headings;
  std::vector<std::vector<TypedCell>> rows;
};

// Sheets as text for the program that writes them into a workbook, and read
// back there: a line a sheet's name ("S"), its headings ("H") or a row
// ("R"), its fields parted by tabs, each cell a letter of its kind and its
// value; a tab, a line end or a backslash in words escaped. Nothing where
// the text is not such sheets.
std::string SheetsText(const std::vector<TypedSheet>& sheets);
std::optional<std::vector<TypedSheet>> ReadSheetsText(std::string_view text);

}  // namespace quorvane
