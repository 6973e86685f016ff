// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A report or the stretch log read back from its box as a table, to take out
// of the window: tab-separated text and HTML for the clipboard, and the
// pieces of a printed page. What the box shows is read, edits included; a
// line that cannot be read makes the whole text unreadable, so nothing is
// ever left out silently.
namespace quorvane {

enum class ReportMethod { EqualPayment, EqualPrincipal };

// The method's name, as the method buttons say it.
std::string_view MethodName(ReportMethod method);

struct ReportFigure {
  std::string_view label;  // 月还款, 总还款, 其中利息
  std::string value;       // as the report writes it, without "元"
};

// One month: its number, payment, principal and interest, as written.
using ReportMonth = std::array<std::string, 4>;

// The column headings of the months.
inline constexpr std::array<std::string_view, 4> kMonthHeadings{"期数", "月还款(元)",
                                                                "其中本金(元)", "利息(元)"};

struct ReportTable {
  ReportMethod method = ReportMethod::EqualPayment;
  std::vector<ReportFigure> figures;
  std::vector<ReportMonth> months;
};

// A report as either schedule writes it; lines may end in CR LF or LF alone.
// Nothing when it is no report: the help text, a message, an edited line.
std::optional<ReportTable> ReadReport(std::string_view text);

// The log of stretches: a line " = 8566.68" or " + 1262.97" each.
struct LogTable {
  std::vector<std::string> amounts;  // yuan, as written
};
std::optional<LogTable> ReadLog(std::string_view text);

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
