// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_cells.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quorvane {

std::string SheetNumberText(double value) {
  std::array<char, 32> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 15);
  return {text.data(), written.ptr};
}

std::string JoinedRow(const std::vector<std::string>& row) {
  std::string text;
  for (std::size_t c = 0; c < row.size(); ++c) {
    std::string cell = row[c];
    std::replace_if(
        cell.begin(), cell.end(), [](char ch) { return ch == '\t' || ch == '\n' || ch == '\r'; },
        ' ');
    text += (c > 0 ? "\t" : "") + cell;
  }
  return text;
}

std::vector<std::string> TabbedCells(std::string_view line) {
  std::vector<std::string> cells;
  for (std::size_t at = 0;;) {
    const auto next = line.find('\t', at);
    cells.emplace_back(line.substr(at, next - at));
    if (next == std::string_view::npos) {
      return cells;
    }
    at = next + 1;
  }
}

std::string JoinPlanCells(const PlanCells& cells) {
  std::string text;
  for (const auto& row : cells) {
    text += JoinedRow(row) + '\n';
  }
  return text;
}

}  // namespace quorvane
