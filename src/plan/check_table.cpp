// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/check_table.h"

namespace quorvane {

namespace {

std::string DifferenceText(const CheckedMonth& month) {
  std::string text;
  for (std::size_t f = 0; f < kPlanFigures; ++f) {
    if (month.difference[f] != 0) {
      text += (text.empty() ? "" : "，") + std::string(kFigureNames.at(f)) + " " +
              (month.difference[f] > 0 ? "+" : "") + std::to_string(month.difference[f]);
    }
  }
  return text;
}

}  // namespace

std::optional<PlanFigure> FigureIn(CheckColumn column) {
  const auto at = static_cast<std::size_t>(column);
  const auto first = static_cast<std::size_t>(CheckColumn::BankPayment);
  if (at < first || at >= static_cast<std::size_t>(CheckColumn::Difference)) {
    return std::nullopt;
  }
  return static_cast<PlanFigure>((at - first) / 2);
}

std::string CheckCell(const CheckedMonth& month, CheckColumn column) {
  const auto money = [](const std::optional<Fen>& fen) { return fen ? YuanText(*fen) : ""; };
  switch (column) {
    case CheckColumn::Number:
      return month.prepayment ? "提前还款" : month.number > 0 ? std::to_string(month.number) : "";
    case CheckColumn::Due:
      return month.due.ok() ? DayText(month.due) : "";
    case CheckColumn::Difference:
      return DifferenceText(month);
    case CheckColumn::Why:
      return month.why;
    default: {
      const auto figure = static_cast<std::size_t>(*FigureIn(column));
      return money(column == BankColumn(static_cast<PlanFigure>(figure)) ? month.bank.at(figure)
                                                                         : month.ours.at(figure));
    }
  }
}

std::vector<std::string> CheckCells(const CheckedMonth& month) {
  std::vector<std::string> cells;
  cells.reserve(kCheckHeadings.size());
  for (std::size_t column = 0; column < kCheckColumns; ++column) {
    cells.push_back(CheckCell(month, static_cast<CheckColumn>(column)));
  }
  return cells;
}

std::vector<TypedSheet> CheckSheets(const PlanCheck& check) {
  TypedSheet months{"逐期对照", {kCheckHeadings.begin(), kCheckHeadings.end()}, {}};
  months.rows.reserve(check.months.size());
  for (const CheckedMonth& month : check.months) {
    std::vector<TypedCell> row;
    row.reserve(kCheckColumns);
    for (std::size_t at = 0; at < kCheckColumns; ++at) {
      const auto column = static_cast<CheckColumn>(at);
      if (const auto figure = FigureIn(column)) {
        const auto& figures = column == BankColumn(*figure) ? month.bank : month.ours;
        const auto& fen = figures.at(static_cast<std::size_t>(*figure));
        row.push_back(fen ? TypedCell::Money(*fen) : TypedCell{});
      } else if (column == CheckColumn::Number && month.number > 0 && !month.prepayment) {
        row.push_back(TypedCell::Whole(month.number));
      } else if (column == CheckColumn::Due && month.due.ok()) {
        row.push_back(TypedCell::Day(month.due));
      } else {
        row.push_back(TypedCell::Of(CheckCell(month, column)));
      }
    }
    months.rows.push_back(std::move(row));
  }
  TypedSheet summary{"核对结果", {"核对结果"}, {{TypedCell::Of(check.summary)}}};
  for (const std::string& note : check.notes) {
    summary.rows.push_back({TypedCell::Of(note)});
  }
  return {std::move(months), std::move(summary)};
}

std::vector<std::vector<std::string>> CheckTable(const PlanCheck& check) {
  std::vector<std::vector<std::string>> table{{check.summary}};
  for (const std::string& note : check.notes) {
    table.push_back({note});
  }
  table.emplace_back();
  table.emplace_back(kCheckHeadings.begin(), kCheckHeadings.end());
  for (const CheckedMonth& month : check.months) {
    table.push_back(CheckCells(month));
  }
  return table;
}

}  // namespace quorvane
