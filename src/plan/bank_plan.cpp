// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/bank_plan.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <limits>
#include <numeric>
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

// A row that says it is a prepayment, in the words banks print.
bool SaysPrepayment(const std::vector<std::string>& row) {
  static constexpr std::array<std::string_view, 5> kWords{"提前还款", "部分还款", "提前还本",
                                                          "提前归还", "提前偿还"};
  return std::any_of(row.begin(), row.end(), [](const std::string& cell) {
    return std::any_of(kWords.begin(), kWords.end(),
                       [&](std::string_view word) { return cell.find(word) != std::string::npos; });
  });
}

// Principal alone: no interest, and a payment, if any, that is the principal.
bool PrincipalOnly(const PlanMonth& month) {
  return month.principal && *month.principal > 0 && month.interest.value_or(0) == 0 &&
         month.payment.value_or(*month.principal) == *month.principal;
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
  const bool numbered = wantsNumber && month.number && *month.number > 0;
  const bool known = numbered || (wantsDay && month.due) || (!wantsNumber && !wantsDay);
  // The words count where the row is no numbered month with interest: a
  // month's own note may speak of a prepayment before it.
  if (figure && SaysPrepayment(row) && !(numbered && month.interest.value_or(0) > 0)) {
    month.prepayment = true;
    return month;
  }
  if (!figure || !known) {
    return ReasonToSkip(row, month, figure, wantsDay);
  }
  return month;
}

// A dated row of principal alone whose day is not the day of the payments
// around it is a prepayment, whatever the row says.
void MarkPrepaymentsByDay(std::vector<PlanMonth>& months) {
  std::vector<year_month_day> paymentDays;
  for (const PlanMonth& month : months) {
    if (!month.prepayment && month.due && !PrincipalOnly(month)) {
      paymentDays.push_back(*month.due);
    }
  }
  std::sort(paymentDays.begin(), paymentDays.end());
  for (PlanMonth& month : months) {
    if (month.prepayment || !month.due || !PrincipalOnly(month)) {
      continue;
    }
    const auto after = std::upper_bound(paymentDays.begin(), paymentDays.end(), *month.due);
    const bool differsBefore =
        after == paymentDays.begin() || (after - 1)->day() != month.due->day();
    const bool differsAfter = after == paymentDays.end() || after->day() != month.due->day();
    month.prepayment = !paymentDays.empty() && differsBefore && differsAfter;
  }
}

// The rows in the plan's order: by day where every month has one, else by
// number. A prepayment without either keeps its place after the month
// before it in the cells, and one on a payment day follows the payment.
void SortMonths(std::vector<PlanMonth>& months) {
  const auto regular = [](const PlanMonth& month) { return !month.prepayment; };
  const bool dated = std::all_of(months.begin(), months.end(), [&](const PlanMonth& month) {
    return !regular(month) || month.due.has_value();
  });
  const bool numbered = std::all_of(months.begin(), months.end(), [&](const PlanMonth& month) {
    return !regular(month) || month.number.has_value();
  });
  if (!dated && !numbered) {
    return;
  }
  std::vector<std::int64_t> places;
  places.reserve(months.size());
  std::int64_t place = std::numeric_limits<std::int64_t>::min();
  for (const PlanMonth& month : months) {
    if (dated && month.due) {
      place = std::chrono::sys_days(*month.due).time_since_epoch().count();
    } else if (!dated && month.number) {
      place = *month.number;
    }
    places.push_back(place);
  }
  std::vector<std::size_t> order(months.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::pair(places[a], months[a].prepayment) < std::pair(places[b], months[b].prepayment);
  });
  std::vector<PlanMonth> sorted;
  sorted.reserve(months.size());
  for (const std::size_t at : order) {
    sorted.push_back(months[at]);
  }
  months = std::move(sorted);
}

}  // namespace

std::size_t MonthsIn(const BankPlan& plan) {
  return static_cast<std::size_t>(
      std::count_if(plan.months.begin(), plan.months.end(),
                    [](const PlanMonth& month) { return !month.prepayment; }));
}

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
  MarkPrepaymentsByDay(plan.months);
  SortMonths(plan.months);
  return plan;
}

}  // namespace quorvane
