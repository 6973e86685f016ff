// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_text.h"

#include "arith/report_reader.h"
#include "plan/narrow_text.h"

namespace quorvane {

namespace {

std::vector<std::string> CsvCells(std::string_view line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      cells.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

// Cells at runs of blanks, full-width ones too. A currency word standing
// alone belongs to the figure before it and is dropped.
std::vector<std::string> BlankCells(std::string_view line) {
  std::vector<std::string> cells;
  std::string cell;
  const auto close = [&] {
    if (!cell.empty() && cell != "元" && cell != "¥" && cell != "￥") {
      cells.push_back(cell);
    }
    cell.clear();
  };
  for (std::size_t at = 0; at < line.size();) {
    const auto [point, length] = CodePoint(line, at);
    if (point == ' ' || point == '\t' || point == 0x3000 || point == 0xA0) {
      close();
    } else {
      cell.append(line.substr(at, length));
    }
    at += length;
  }
  close();
  return cells;
}

std::string Trimmed(std::string_view cell) {
  const auto first = cell.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return std::string(cell.substr(first, cell.find_last_not_of(" \t") - first + 1));
}

std::vector<std::string_view> Lines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at <= text.size();) {
    const auto end = text.find_first_of("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    if (end == std::string_view::npos) {
      break;
    }
    at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  if (!lines.empty() && lines.back().empty()) {
    lines.pop_back();
  }
  return lines;
}

// Commas part the cells where they part the lines into more cells than
// blanks do: in a CSV file a figure's thousands separators sit inside
// quotes, while in text set out with blanks they sit inside the figures.
bool LooksLikeCsv(const std::vector<std::string_view>& lines) {
  std::size_t byCommas = 0;
  std::size_t byBlanks = 0;
  for (const std::string_view line : lines) {
    if (line.find(',') != std::string_view::npos) {
      byCommas += CsvCells(line).size();
      byBlanks += BlankCells(line).size();
    }
  }
  return byCommas > byBlanks;
}

// The program's own report as a plan: its months under the headings a plan has.
PlanCells ReportCells(const ReportTable& report) {
  PlanCells cells{{"期数", "月供", "本金", "利息"}};
  cells.reserve(report.months.size() + 1);
  for (const ReportMonth& month : report.months) {
    cells.emplace_back(month.begin(), month.end());
  }
  return cells;
}

}  // namespace

PlanCells SplitPlanText(std::string_view text, CellSplit split) {
  if (split == CellSplit::Guess) {
    if (const auto report = ReadReport(text)) {
      return ReportCells(*report);
    }
  }
  const std::vector<std::string_view> lines = Lines(text);
  const bool guess = split == CellSplit::Guess;
  const bool tabs =
      split == CellSplit::Tabs || (guess && text.find('\t') != std::string_view::npos);
  const bool csv = split == CellSplit::Csv || (guess && !tabs && LooksLikeCsv(lines));
  PlanCells cells;
  cells.reserve(lines.size());
  for (const std::string_view line : lines) {
    std::vector<std::string> row;
    if (line.find_first_not_of(" \t") != std::string_view::npos) {
      row = tabs ? TabbedCells(line) : csv ? CsvCells(line) : BlankCells(line);
    }
    for (std::string& cell : row) {
      cell = Trimmed(cell);
    }
    cells.push_back(std::move(row));
  }
  return cells;
}

}  // namespace quorvane
