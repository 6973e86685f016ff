// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "arith/number_rules.h"

// Checks on what the procedures write: every figure a number as the program
// writes numbers, every report line of its kind's shape. A failed check
// aborts, so the fuzzer keeps the input that broke it.
namespace quorvane::fuzzing {

[[noreturn]] inline void Fail(std::string_view what, std::string_view text) {
  std::fprintf(stderr, "check failed: %.*s\n--- in ---\n%.*s\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(std::min<std::size_t>(text.size(), 2000)),
               text.data());
  std::abort();
}

inline void Check(bool holds, std::string_view what, std::string_view text) {
  if (!holds) {
    Fail(what, text);
  }
}

inline void CheckNoInfinityOrNan(std::string_view text) {
  for (const std::string_view word : {"inf", "Inf", "INF", "nan", "NaN", "NAN"}) {
    Check(text.find(word) == std::string_view::npos, "no inf or nan", text);
  }
}

// A figure as the number texts write it: no blank, and it reads back.
inline double Figure(std::string_view text, std::string_view context) {
  Check(!text.empty() && text.find(' ') == std::string_view::npos, "figure without blanks",
        context);
  const auto value = FieldNumber(text);
  Check(value.has_value(), "figure reads back", context);
  return *value;
}

inline std::vector<std::string_view> Lines(std::string_view report) {
  std::vector<std::string_view> lines;
  Check(report.ends_with("\r\n"), "report ends in CR LF", report);
  while (!report.empty()) {
    const auto end = report.find("\r\n");
    lines.push_back(report.substr(0, end));
    report.remove_prefix(end + 2);
  }
  return lines;
}

// Matches a line against a pattern of literal pieces with a figure between
// each two, and gives the figures.
inline std::vector<double> Figures(std::string_view line,
                                   const std::vector<std::string_view>& pieces) {
  std::vector<double> figures;
  std::string_view rest = line;
  Check(rest.starts_with(pieces.front()), "line starts as its kind", line);
  rest.remove_prefix(pieces.front().size());
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    const auto at = rest.find(pieces[i]);
    Check(at != std::string_view::npos, "line has its pieces", line);
    figures.push_back(Figure(rest.substr(0, at), line));
    rest.remove_prefix(at + pieces[i].size());
  }
  Check(rest.empty(), "nothing after the line's last piece", line);
  return figures;
}

// Period lines are numbered on by one, as far as 15 digits can tell.
inline void CheckConsecutive(const std::vector<double>& numbers, std::string_view report) {
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    const double step = numbers[i] - numbers[i - 1];
    const double slack = std::fabs(numbers[i]) * 1e-14 + 1e-9;
    Check(std::fabs(step - 1) <= slack || (step == 0 && std::fabs(numbers[i]) >= 1e14),
          "months numbered consecutively", report);
  }
}

}  // namespace quorvane::fuzzing
