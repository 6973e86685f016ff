// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/report_format.h"

// A report or the stretch log read back from the text of its box, as the box
// shows it, edits included: what copying, printing and the chart take out of
// the window. A line that cannot be read makes the whole text unreadable, so
// nothing is ever left out silently. The box is editable, so the text may be
// anything a user typed or pasted.
namespace quorvane {

struct ReportFigure {
  std::string_view label;  // 月还款, 总还款, 其中利息
  std::string value;       // as the report writes it, without "元"
};

// One month: its number, payment, principal and interest, as written.
using ReportMonth = std::array<std::string, 4>;

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

}  // namespace quorvane
