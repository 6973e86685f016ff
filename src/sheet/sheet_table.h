// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/shown_months.h"
#include "text/typed_table.h"

// The months table's cells and what 复制为表格 puts on the clipboard.
namespace quorvane {

// The months table's columns in their order, and their headings.
enum class MonthColumn : std::size_t {
  Number,
  Due,
  Rate,
  Payment,
  Principal,
  Interest,
  Balance,
  Note,  // 说明
};
inline constexpr std::array<std::string_view, 8> kHistoryHeadings{
    "期数",         "还款日期", "年利率(%)",    "月还款(元)",
    "其中本金(元)", "利息(元)", "剩余本金(元)", "说明"};

// A shown month's cells, under the headings.
std::vector<std::string> MonthCells(const ShownMonth& month);

// The months as a spreadsheet's file takes them: figures as numbers, days
// as days, under the months table's headings.
TypedSheet MonthsSheet(const std::vector<ShownMonth>& months);

// The contract as label and value, then the rate events, each with its day,
// its rate and its 说明: a workbook's second sheet.
TypedSheet ContractSheet(const ContractTexts& texts, SheetView view,
                         const std::vector<EventRow>& events);

// The contract as label and value, an empty row, the headings, one row a month.
std::vector<std::vector<std::string>> SheetTable(const ContractTexts& texts, SheetView view,
                                                 const std::vector<ShownMonth>& months);

}  // namespace quorvane
