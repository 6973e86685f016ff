// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_figures.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string>

#include "plan/narrow_text.h"

namespace quorvane {

namespace {

using std::chrono::year;

// A whole number of no more than nine digits.
std::optional<int> ReadWholeNumber(std::string_view text) {
  int value = 0;
  if (!AllDigits(text) || text.size() > 9) {
    return std::nullopt;
  }
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::optional<Fen> ReadPlanFigure(std::string_view cell) {
  // Most cells are plain ASCII figures: only their separators need going.
  const bool plain = std::all_of(cell.begin(), cell.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-' || c == '+' || c == ' ';
  });
  std::string text;
  if (plain) {
    std::copy_if(cell.begin(), cell.end(), std::back_inserter(text),
                 [](char c) { return c != ',' && c != ' '; });
  } else {
    text = Bare(cell, {",", "元", "¥", "￥", "RMB", "CNY"});
  }
  bool negative = false;
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    negative = true;
    text = text.substr(1, text.size() - 2);
  }
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = negative != (text.front() == '-');
    text.erase(0, 1);
  }
  const auto point = text.find('.');
  const std::string whole = text.substr(0, point);
  const std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
  constexpr std::size_t kMostDigits = 11;  // far beyond any loan, far below overflow
  if ((whole.empty() && decimals.empty()) || whole.size() > kMostDigits ||
      (!whole.empty() && !AllDigits(whole)) || (!decimals.empty() && !AllDigits(decimals)) ||
      (point != std::string::npos && decimals.empty() && whole.empty())) {
    return std::nullopt;
  }
  Fen fen = 0;
  for (const char c : whole) {
    fen = fen * 10 + (c - '0');
  }
  for (std::size_t i = 0; i < 2; ++i) {
    fen = fen * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
  }
  if (decimals.size() > 2 && decimals[2] >= '5') {
    ++fen;  // halves round up, as the bank's own figures do
  }
  return negative ? -fen : fen;
}

std::optional<year_month_day> ReadPlanDay(std::string_view cell) {
  // Full-width forms need narrowing; a day in ASCII does not.
  const bool ascii = std::all_of(cell.begin(), cell.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::string text = ascii ? std::string(cell) : Narrow(cell);
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return std::nullopt;
  }
  text.erase(0, first);
  text = text.substr(0, std::min(text.find(' '), text.find('T')));  // a time after it
  text = Replaced(text, "日", {});
  for (const std::string_view mark : {"年", "月"}) {
    text = Replaced(text, mark, "-");
  }
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '/' || c == '.'; }, '-');
  if (text.size() == 8 && AllDigits(text)) {
    text = text.substr(0, 4) + "-" + text.substr(4, 2) + "-" + text.substr(6);
  } else if (const auto number = ReadWholeNumber(text);
             number && *number >= kFirstDayNumber && *number <= kLastDayNumber) {
    constexpr std::chrono::sys_days kDayZero{year{1899} / 12 / 30};
    return year_month_day{kDayZero + std::chrono::days{*number}};
  }
  if (text.size() < 8 || !std::isdigit(static_cast<unsigned char>(text[0]))) {
    return std::nullopt;
  }
  return ReadDay(text);
}

std::optional<int> ReadPlanNumber(std::string_view cell) {
  return AllDigits(cell) ? ReadWholeNumber(cell) : ReadWholeNumber(Bare(cell, {"第", "期"}));
}

}  // namespace quorvane
