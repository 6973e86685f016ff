// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "plan/plan_cells.h"
#include "plan/plan_columns.h"
#include "text/day_text.h"
#include "text/figure_text.h"

// A bank's repayment plan (还款计划) read from its cells: each row a month,
// or a row skipped with the reason why.
namespace quorvane {

// One month of the bank's plan, or a prepayment it lists; what a column the
// plan lacks is nothing.
struct PlanMonth {
  std::size_t row = 0;  // its row in the cells
  bool prepayment = false;
  std::optional<int> number;
  std::optional<year_month_day> due;
  std::optional<Fen> payment;
  std::optional<Fen> principal;
  std::optional<Fen> interest;
  std::optional<Fen> balance;  // after the month
};

// Why a row of the cells is not a month.
enum class SkipReason {
  Empty,     // 空行
  Total,     // 合计
  Headings,  // 表头, again on each page
  Title,     // 标题: text alone
  NoFigure,  // 没有金额
  NoDay,     // 不是日期
  NoNumber,  // 没有期数
};

// The reason in the borrower's words: "空行".
std::string_view SkipReasonName(SkipReason reason);

struct SkippedRow {
  std::size_t row = 0;
  SkipReason reason = SkipReason::Empty;
};

struct BankPlan {
  std::vector<PlanColumn> columns;  // each column's meaning
  bool byHeadings = false;          // the headings said so; else the arithmetic did
  bool settled = false;             // every figure of a month has its column
  std::vector<PlanMonth> months;    // by date, or by number, as the plan has them;
                                    // a prepayment after the month it follows
  std::vector<SkippedRow> skipped;  // the rows that are not months, in their order
  std::size_t figureRows = 0;       // unsettled: the rows with two figures or more
  std::size_t textRows = 0;         // the rows with anything in them
};

// The plan in the cells, its columns found or taken from `chosen` (the
// borrower's choice, a meaning for each column).
// How many of the plan's rows are months, not prepayments.
std::size_t MonthsIn(const BankPlan& plan);

BankPlan ReadBankPlan(const PlanCells& cells, const std::vector<PlanColumn>& chosen = {});

}  // namespace quorvane
