// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "arith/report_reader.h"

// A report or the stretch log, as the report reader reads it from its box,
// laid out as a table to take out of the window: tab-separated text and HTML
// for the clipboard, and the pieces of a printed page.
namespace quorvane {

// The method's name, as the method buttons say it.
std::string_view MethodName(ReportMethod method);

// The column headings of the months.
inline constexpr std::array<std::string_view, 4> kMonthHeadings{"期数", "月还款(元)",
                                                                "其中本金(元)", "利息(元)"};

// Rows of cells: for a report, the header's figures as label and value, an
// empty row, the headings, one row a month; for the log, the headings and
// one row a stretch, numbered from 1.
using TableRows = std::vector<std::vector<std::string>>;
TableRows Rows(const ReportTable& table);
TableRows Rows(const LogTable& table);

// Cells separated by tabs, each row ending in CR LF.
std::string TabSeparated(const TableRows& rows);

// The same cells as an HTML table.
std::string HtmlTable(const TableRows& rows);

}  // namespace quorvane
