// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "arith/number_text.h"

// The shapes of the lines the program writes into its boxes: the words
// between the figures of a report's header and months, and of the stretch
// log. The schedules and the accruals write them, the report reader reads
// them back; both take them from here, so a changed word cannot leave copying,
// printing and the chart unable to read the reports.
namespace quorvane {

// A new line in the reports, the log and the help text: carriage return, line feed.
inline constexpr std::string_view kLineBreak = "\r\n";

enum class ReportMethod { EqualPayment, EqualPrincipal };

// A line of fixed pieces with one figure between each two: the figures are
// written after every piece but the last.
using LinePieces = std::span<const std::string_view>;

inline constexpr std::array<std::string_view, 4> kEqualPaymentHeader{
    "月还款:", "元| 总还款:", "元| 其中利息:", "元"};
inline constexpr std::array<std::string_view, 5> kEqualPaymentMonth{
    "第", "期:", "元 | 其中本金:", "元 | 利息:", "元"};

// The equal-principal report's own spelling: no unit and no bar between its
// two totals, and a full-width colon after the month's number ("期："), where
// the equal-payment month line has an ASCII one ("期:"). That is how these
// reports have always read, and borrowers compare them with earlier ones line
// by line: keep both colons as they are.
inline constexpr std::array<std::string_view, 3> kEqualPrincipalHeader{
    "总还款:", "其中利息:", "元"};
inline constexpr std::array<std::string_view, 5> kEqualPrincipalMonth{
    "第", "期：", "元 | 其中本金:", "元 | 利息:", "元"};

// What the header's figures are, in the order written.
inline constexpr std::string_view kPaymentLabel = "月还款";
inline constexpr std::string_view kTotalLabel = "总还款";
inline constexpr std::string_view kInterestTotalLabel = "其中利息";
inline constexpr std::array<std::string_view, 3> kEqualPaymentHeaderLabels{
    kPaymentLabel, kTotalLabel, kInterestTotalLabel};
inline constexpr std::array<std::string_view, 2> kEqualPrincipalHeaderLabels{kTotalLabel,
                                                                             kInterestTotalLabel};

struct ReportShape {
  ReportMethod method;
  LinePieces header;
  std::span<const std::string_view> headerLabels;
  std::size_t separatorLength;  // hyphens on the line under the header
  LinePieces month;
  // Money in the month lines: the equal-payment report writes "0.29", the
  // equal-principal one ".29", and whatever else speaks of a report's months
  // writes its money the same way.
  LeadingZero monthMoney;
};

inline constexpr ReportShape kEqualPaymentShape{ReportMethod::EqualPayment, kEqualPaymentHeader,
                                                kEqualPaymentHeaderLabels,  56,
                                                kEqualPaymentMonth,         LeadingZero::Written};
inline constexpr ReportShape kEqualPrincipalShape{
    ReportMethod::EqualPrincipal, kEqualPrincipalHeader, kEqualPrincipalHeaderLabels, 40,
    kEqualPrincipalMonth,         LeadingZero::Dropped};
inline constexpr std::array<ReportShape, 2> kReportShapes{kEqualPaymentShape, kEqualPrincipalShape};

constexpr const ReportShape& ShapeOf(ReportMethod method) {
  return method == ReportMethod::EqualPayment ? kEqualPaymentShape : kEqualPrincipalShape;
}

// A stretch's line in the log: " =" on an empty log, " +" after earlier
// lines, then the amount with a blank in its sign's place (" = 8566.68").
inline constexpr std::string_view kFirstStretchMark = " =";
inline constexpr std::string_view kNextStretchMark = " +";

}  // namespace quorvane
