// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/bank_plan.h"

#include <algorithm>
#include <variant>

#include "plan/plan_figures.h"

namespace quorvane {

namespace {

// A row that says it sums the months.
bool IsTotal(const std::vector<std::string>& row) {
  return std::any_of(row.begin(), row.end(), [](const std::string& cell) {
    return cell.find("合计") != std::string::npos || cell.find("总计") != std::string::npos ||
           cell.find("小计") != std::string::npos;
  });
}

// Why a row that is not a month is not one.
SkipReason ReasonToSkip(const std::vector<std::string>& row, const PlanMonth& month, bool figure,
                        bool wantsDay) {
  const auto filled =
      std::count_if(row.begin(), row.end(), [](const std::string& cell) { return !cell.empty(); });
  if (filled == 0) {
    return SkipReason::Empty;
  }
  if (IsTotal(row)) {
    return SkipReason::Total;
  }
  if (HeadingRow(row)) {
    return SkipReason::Headings;
  }
  if (!figure) {
    return filled == 1 ? SkipReason::Title : SkipReason::NoFigure;
  }
  return wantsDay && !month.due ? SkipReason::NoDay : SkipReason::NoNumber;
}

// The month in a row, where it has a number or a day where the plan has
// them, and at least one figure; else why the row is none.
std::variant<PlanMonth, SkipReason> MonthIn(const std::vector<std::string>& row, std::size_t index,
                                            const std::vector<PlanColumn>& columns) {
  PlanMonth month;
  month.row = index;
  bool wantsNumber = false;
  bool wantsDay = false;
  bool figure = false;
  for (std::size_t c = 0; c < columns.size() && c < row.size(); ++c) {
    const std::string& cell = row[c];
    switch (columns[c]) {
      case PlanColumn::Number:
        wantsNumber = true;
        month.number = ReadPlanNumber(cell);
        break;
      case PlanColumn::Due:
        wantsDay = true;
        month.due = ReadPlanDay(cell);
        break;
      case PlanColumn::Payment:
        month.payment = ReadPlanFigure(cell);
        break;
      case PlanColumn::Principal:
        month.principal = ReadPlanFigure(cell);
        break;
      case PlanColumn::Interest:
        month.interest = ReadPlanFigure(cell);
        break;
      case PlanColumn::Balance:
        month.balance = ReadPlanFigure(cell);
        break;
      case PlanColumn::Other:
        break;
    }
  }
  figure = month.payment || month.principal || month.interest || month.balance;
  const bool known = (wantsNumber && month.number && *month.number > 0) ||
                     (wantsDay && month.due) || (!wantsNumber && !wantsDay);
  if (!figure || !known) {
    return ReasonToSkip(row, month, figure, wantsDay);
  }
  return month;
}

}  // namespace

std::string_view SkipReasonName(SkipReason reason) {
  switch (reason) {
    case SkipReason::Empty:
      return "空行";
    case SkipReason::Total:
      return "合计";
    case SkipReason::Headings:
      return "表头";
    case SkipReason::Title:
      return "标题";
    case SkipReason::NoFigure:
      return "没有金额";
    case SkipReason::NoDay:
      return "不是日期";
    case SkipReason::NoNumber:
      return "没有期数";
  }
  return {};
}

BankPlan ReadBankPlan(const PlanCells& cells, const std::vector<PlanColumn>& chosen) {
  BankPlan plan;
  std::optional<std::size_t> headingRow;
  if (!chosen.empty()) {
    plan.columns = chosen;
  } else {
    for (std::size_t r = 0; r < cells.size() && !headingRow; ++r) {
      if (auto columns = HeadingRow(cells[r])) {
        plan.columns = std::move(*columns);
        plan.byHeadings = true;
        headingRow = r;
      }
    }
    if (!headingRow) {
      plan.columns = ColumnsByArithmetic(cells);
    }
  }
  plan.textRows = static_cast<std::size_t>(
      std::count_if(cells.begin(), cells.end(), [](const std::vector<std::string>& row) {
        return std::any_of(row.begin(), row.end(),
                           [](const std::string& cell) { return !cell.empty(); });
      }));
  plan.settled = FigureColumns(plan.columns) >= (chosen.empty() ? 2 : 1);
  if (!plan.settled) {
    plan.figureRows = static_cast<std::size_t>(
        std::count_if(cells.begin(), cells.end(), [](const std::vector<std::string>& row) {
          return std::count_if(row.begin(), row.end(), [](const std::string& cell) {
                   return ReadPlanFigure(cell).has_value();
                 }) >= 2;
        }));
    return plan;
  }
  for (std::size_t r = 0; r < cells.size(); ++r) {
    if (r == headingRow) {
      continue;
    }
    auto month = MonthIn(cells[r], r, plan.columns);
    if (const auto* read = std::get_if<PlanMonth>(&month)) {
      plan.months.push_back(*read);
    } else {
      plan.skipped.push_back({r, std::get<SkipReason>(month)});
    }
  }
  const bool dated = std::all_of(plan.months.begin(), plan.months.end(),
                                 [](const PlanMonth& month) { return month.due.has_value(); });
  const bool numbered =
      std::all_of(plan.months.begin(), plan.months.end(),
                  [](const PlanMonth& month) { return month.number.has_value(); });
  if (dated || numbered) {
    std::stable_sort(plan.months.begin(), plan.months.end(),
                     [dated](const PlanMonth& a, const PlanMonth& b) {
                       return dated ? a.due < b.due : a.number < b.number;
                     });
  }
  return plan;
}

}  // namespace quorvane
