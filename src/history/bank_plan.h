// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/bank_arithmetic.h"

// A bank's repayment plan (还款计划) as the borrower brings it: text pasted
// from online banking, a spreadsheet or a PDF viewer, or the cells of a file.
// Its columns are found by their headings, or else by the arithmetic of a
// plan; its figures and dates are read as banks write them.
namespace quorvane {

// Cells row by row, each cell's text in UTF-8.
using PlanCells = std::vector<std::vector<std::string>>;

// A plan has a few columns and a few hundred rows; a spreadsheet that claims
// more is cut there rather than filling the memory.
inline constexpr std::size_t kMostPlanRows = 100'000;
inline constexpr std::size_t kMostPlanColumns = 64;

// A spreadsheet's number as a person reads it: 2170.11, not 2170.1100000000001.
std::string SheetNumberText(double value);

// How the text's rows split into cells.
enum class CellSplit {
  Guess,  // by tabs where there are any, else as CSV where it looks like CSV, else at blanks
  Csv,    // commas, with double quotes around a cell that holds one
  Tabs,   // at every tab: a spreadsheet's cells, as JoinPlanCells writes them
};

// The text split into rows of cells; empty lines are kept as rows without
// cells. The program's own report is read as a plan with headings.
PlanCells SplitPlanText(std::string_view text, CellSplit split = CellSplit::Guess);

// Cells joined by tabs, a row a line, tabs and line ends inside a cell
// turned into blanks: how a spreadsheet's cells are handed on as text.
std::string JoinPlanCells(const PlanCells& cells);

// What a column of the plan holds.
enum class PlanColumn { Other, Number, Due, Payment, Principal, Interest, Balance };
inline constexpr std::size_t kPlanColumnKinds = 7;

// The words of a column's meaning, as the borrower picks them: "期数" ….
std::string_view PlanColumnName(PlanColumn column);

// A figure as banks write it, in fen: "1,620.95", "１６２０.９５元",
// "¥ 1620.95", "(12.00)", "-12"; past the fen it rounds half up.
std::optional<Fen> ReadPlanFigure(std::string_view cell);

// A day as banks write it: 2007-07-15, 2007/7/15, 2007.07.15, 2007年7月15日,
// 20070715, or a spreadsheet's day number.
std::optional<year_month_day> ReadPlanDay(std::string_view cell);

// One month of the bank's plan; what a column the plan lacks is nothing.
struct PlanMonth {
  std::size_t row = 0;  // its row in the cells
  std::optional<int> number;
  std::optional<year_month_day> due;
  std::optional<Fen> payment;
  std::optional<Fen> principal;
  std::optional<Fen> interest;
  std::optional<Fen> balance;  // after the month
};

struct BankPlan {
  std::vector<PlanColumn> columns;  // each column's meaning
  bool byHeadings = false;          // the headings said so; else the arithmetic did
  bool settled = false;             // every figure of a month has its column
  std::vector<PlanMonth> months;    // by date, or by number, as the plan has them
  std::size_t skipped = 0;          // rows that are not months: headings, totals, empty lines
  std::size_t figureRows = 0;       // unsettled: the rows with two figures or more
};

// The plan in the cells, its columns found or taken from `chosen` (the
// borrower's choice, a meaning for each column).
BankPlan ReadBankPlan(const PlanCells& cells, const std::vector<PlanColumn>& chosen = {});

}  // namespace quorvane
