// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A bank's plan as cells: text pasted or a file's sheet, row by row, each
// cell's text in UTF-8. What reads a workbook in a process of its own hands
// the cells on as text, a row a line, the cells parted by tabs.
namespace quorvane {

using PlanCells = std::vector<std::vector<std::string>>;

// A plan has a few columns and a few hundred rows; a spreadsheet that claims
// more is cut there rather than filling the memory.
inline constexpr std::size_t kMostPlanRows = 100'000;
inline constexpr std::size_t kMostPlanColumns = 64;

// A spreadsheet's number as a person reads it: 2170.11, not 2170.1100000000001.
std::string SheetNumberText(double value);

// A row's cells joined by tabs, tabs and line ends inside a cell turned
// into blanks; and a line parted at its tabs again.
std::string JoinedRow(const std::vector<std::string>& row);
std::vector<std::string> TabbedCells(std::string_view line);

// Every row joined, a row a line.
std::string JoinPlanCells(const PlanCells& cells);

}  // namespace quorvane
