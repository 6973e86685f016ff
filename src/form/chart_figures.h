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
// after it, counted in whole fen: the principal the report starts from less
// the running sum of its 其中本金 column. A report starts from its header's
// principal (总还款 less 其中利息), but for an equal-principal report that
// continues a loan: its 总还款 also counts the principal repaid before it, so
// it starts from what its months repay.
namespace quorvane {

// The chart window's title ("还款图表 - Quorvane 1.0") and the words on it.
std::string ChartWindowTitle();
inline constexpr std::string_view kChartName = "还款图表";
inline constexpr std::string_view kPeriodAxisTitle = "期数";
inline constexpr std::string_view kPaymentAxisTitle = "月还款(元)";
inline constexpr std::string_view kBalanceAxisTitle = "剩余本金(元)";
inline constexpr std::string_view kPrincipalSeries = "其中本金";
inline constexpr std::string_view kInterestSeries = "利息";
inline constexpr std::string_view kBalanceSeries = "剩余本金";
inline constexpr std::string_view kChartKeysHint =
    "用 ←/→ 逐期、PageUp/PageDown 每 12 期、Home/End 到首末期查看；Ctrl+C 复制图表";
inline constexpr std::string_view kOutOfChartRange =
    "报表中有超出图表所能显示范围的数额，图中未画出；各期数额仍可在此逐期查看。";

struct ChartMonth {
  double period = 0;     // 期数, as the report numbers it
  double principal = 0;  // 其中本金, yuan
  double interest = 0;   // 利息
  // 剩余本金 after the month; unknown from a month whose principal the chart
  // cannot count on.
  std::optional<std::int64_t> balanceFen;
};

struct ChartFigures {
  std::vector<ChartMonth> months;
  std::vector<ReportMonth> texts;  // each month's figures as the report writes them
  std::string summary;             // 本金, 总还款, 总利息 and 利息占总还款
  // Whether every figure is one an axis can show; when not, nothing is drawn
  // and the months can still be read one by one.
  bool plottable = true;
};

// Largest amount, in yuan, that the chart draws: the running balance is
// counted in fen in 64 bits, and no loan comes near it.
inline constexpr double kLargestCharted = 1e12;

ChartFigures FiguresOf(const ReportTable& table);

// One month in the report's own words and figures, with the balance after it:
// "第 37 期：月还款 1560.73 元，其中本金 296.27 元，利息 1264.46 元，剩余本金 246191.53 元".
std::string MonthLine(const ChartFigures& figures, std::size_t month);

// A whole number of fen as yuan, as the report writes money: "1234.5", "-0.03".
std::string FenText(std::int64_t fen);

}  // namespace quorvane
