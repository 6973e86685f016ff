// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/plan_check.h"
#include "text/typed_table.h"

// The side-by-side table of a check: its columns, the text of each cell, and
// what 复制为表格 puts on the clipboard.
namespace quorvane {

// The columns in their order: the month, then the bank's and Quorvane's of
// each figure side by side, the difference in fen and the cause.
enum class CheckColumn : std::size_t {
  Number,
  Due,
  BankPayment,
  OurPayment,
  BankPrincipal,
  OurPrincipal,
  BankInterest,
  OurInterest,
  BankBalance,
  OurBalance,
  Difference,
  Why,
};
inline constexpr std::size_t kCheckColumns = 12;

inline constexpr std::array<std::string_view, kCheckColumns> kCheckHeadings{
    "期数",     "还款日期",      "银行月供",     "Quorvane 月供",     "银行本金",   "Quorvane 本金",
    "银行利息", "Quorvane 利息", "银行剩余本金", "Quorvane 剩余本金", "差额（分）", "原因"};

// The column of the bank's figure, and of Quorvane's.
constexpr CheckColumn BankColumn(PlanFigure figure) {
  return static_cast<CheckColumn>(static_cast<std::size_t>(CheckColumn::BankPayment) +
                                  static_cast<std::size_t>(figure) * 2);
}
constexpr CheckColumn OurColumn(PlanFigure figure) {
  return static_cast<CheckColumn>(static_cast<std::size_t>(BankColumn(figure)) + 1);
}

// The figure a column shows, the bank's or Quorvane's; nothing for the others.
std::optional<PlanFigure> FigureIn(CheckColumn column);

// A checked month's cell under its heading, and all of them.
std::string CheckCell(const CheckedMonth& month, CheckColumn column);
std::vector<std::string> CheckCells(const CheckedMonth& month);

// What 复制为表格 puts on the clipboard: the summary, the notes, an empty
// row, the headings, a row a month.
std::vector<std::vector<std::string>> CheckTable(const PlanCheck& check);

// The check as a spreadsheet's file takes it: the months with the bank's and
// Quorvane's figures in columns of their own, as numbers; and a sheet of
// the summary and the notes.
std::vector<TypedSheet> CheckSheets(const PlanCheck& check);

}  // namespace quorvane
