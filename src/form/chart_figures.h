// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/report_table.h"

// A report's figures as the repayment chart draws them, and the chart's
// words. Everything comes from the report as the box shows it: each month's
// payment split into principal and interest, and the principal still owed
// after it, counted in whole fen: what was owed before the report's first
// month less the running sum of its 其中本金 column.
namespace quorvane {

// The chart window's title ("还款图表 - Quorvane 1.0") and the words on it;
// the axes and series are named by the report's own headings.
std::string ChartWindowTitle();
inline constexpr std::string_view kChartName = "还款图表";
inline constexpr std::string_view kBalanceHeading = "剩余本金(元)";
inline constexpr std::string_view kChartKeysHint =
    "用 ←/→ 逐期、PageUp/PageDown 每 12 期、Home/End 到首末期查看；Ctrl+C 复制图表";
inline constexpr std::string_view kOutOfChartRange =
    "报表中有超出图表所能显示范围的数额，图中未画出；各期数额仍可在此逐期查看。";

// A heading without its unit, as a series is named: "其中本金(元)" gives "其中本金".
std::string_view WithoutUnit(std::string_view heading);

struct ChartMonth {
  double period = 0;     // 期数, as the report numbers it
  double principal = 0;  // 其中本金, yuan
  double interest = 0;   // 利息
  // 剩余本金 after the month; unknown from a month whose principal the chart
  // cannot count on.
  std::optional<std::int64_t> balanceFen;
};

struct ChartFigures {
  ReportTable report;  // the months' figures as the report writes them
  std::vector<ChartMonth> months;
  std::string summary;  // 本金, 总还款, 总利息 and 利息占总还款
  // Whether every figure is one an axis can show; when not, nothing is drawn
  // and the months can still be read one by one.
  bool plottable = true;
  // Figures that are no report's (the loan's history): each month's line,
  // its annual rate in %, drawn as a step line, and the months a rate
  // change takes effect, marked on it.
  std::vector<std::string> monthLines;
  std::vector<double> rates;
  std::vector<std::size_t> changes;
};

// The rate line's heading.
inline constexpr std::string_view kRateHeading = "年利率(%)";

// Largest amount, in yuan, that the chart draws: the running balance is
// counted in fen in 64 bits, and no loan comes near it.
inline constexpr double kLargestCharted = 1e12;

// What is owed before the report's first month, in fen. The program knows
// it of a report it wrote (owedYuan, what Calculate owed); of a report the
// user has edited it is what the months repay, the sum of the 其中本金
// column. Nothing when it is beyond what the chart counts.
std::optional<std::int64_t> OwedBeforeFirstMonth(const ReportTable& table,
                                                 std::optional<double> owedYuan);

// 剩余本金 after each month, from what was owed before the first; unknown
// from the first month whose principal cannot be counted.
std::vector<std::optional<std::int64_t>> BalancesAfterMonths(const ReportTable& table,
                                                             std::optional<std::int64_t> owedFen);

// The line above the chart: 本金, 总还款, 总利息 and 利息占总还款 from the
// report's header.
std::string Summary(const ReportTable& table);

// Everything the chart shows of a report.
ChartFigures FiguresOf(ReportTable table, std::optional<double> owedYuan);

// One month in the report's own words and figures, with the balance after it:
// "第 37 期：月还款 1560.73 元，其中本金 300.28 元，利息 1260.45 元，剩余本金 246846.83 元".
std::string MonthLine(const ChartFigures& figures, std::size_t month);

// A whole number of fen as the report's month lines write money: "1234.5",
// and "0.29" in an equal-payment report, ".29" in an equal-principal one.
std::string MoneyText(ReportMethod method, std::int64_t fen);

}  // namespace quorvane
