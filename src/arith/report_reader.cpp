// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/report_reader.h"

#include "arith/number_rules.h"

namespace quorvane {

namespace {

// The lines of a box's text. Empty lines at its end (the last line break)
// are no lines; an empty line among the others is kept, and cannot be read.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  while (!lines.empty() && lines.back().empty()) {
    lines.pop_back();
  }
  return lines;
}

bool IsFigure(std::string_view text) { return !text.empty() && FieldNumber(text).has_value(); }

// The figures of a line made of fixed pieces with one figure between each
// two: nothing when the pieces are not there or a figure is no number.
std::optional<std::vector<std::string>> Figures(std::string_view line, LinePieces pieces) {
  std::vector<std::string> figures;
  bool first = true;
  for (const std::string_view piece : pieces) {
    if (first) {
      if (!line.starts_with(piece)) {
        return std::nullopt;
      }
      line.remove_prefix(piece.size());
      first = false;
      continue;
    }
    const auto at = line.find(piece);
    if (at == std::string_view::npos || !IsFigure(line.substr(0, at))) {
      return std::nullopt;
    }
    figures.emplace_back(line.substr(0, at));
    line.remove_prefix(at + piece.size());
  }
  if (!line.empty()) {
    return std::nullopt;
  }
  return figures;
}

std::optional<ReportTable> ReadAs(const ReportShape& shape,
                                  const std::vector<std::string_view>& lines) {
  if (lines.size() < 2 || lines[1] != std::string(shape.separatorLength, '-')) {
    return std::nullopt;
  }
  const auto header = Figures(lines[0], shape.header);
  if (!header) {
    return std::nullopt;
  }
  ReportTable table;
  table.method = shape.method;
  auto label = shape.headerLabels.begin();
  for (const std::string& value : *header) {
    table.figures.push_back({*label++, value});
  }
  for (std::size_t i = 2; i < lines.size(); ++i) {
    auto month = Figures(lines[i], shape.month);
    if (!month) {
      return std::nullopt;
    }
    table.months.push_back({std::move((*month)[0]), std::move((*month)[1]), std::move((*month)[2]),
                            std::move((*month)[3])});
  }
  return table;
}

}  // namespace

std::optional<ReportTable> ReadReport(std::string_view text) {
  const auto lines = Lines(text);
  for (const ReportShape& shape : kReportShapes) {
    if (auto table = ReadAs(shape, lines)) {
      return table;
    }
  }
  return std::nullopt;
}

std::optional<LogTable> ReadLog(std::string_view text) {
  LogTable table;
  for (std::string_view line : Lines(text)) {
    if (!line.starts_with(kFirstStretchMark) && !line.starts_with(kNextStretchMark)) {
      return std::nullopt;
    }
    line.remove_prefix(kFirstStretchMark.size());
    if (line.starts_with(' ')) {
      line.remove_prefix(1);  // the sign's place of a figure not below zero
    }
    if (!IsFigure(line) || line.front() == ' ' || line.front() == '+') {
      return std::nullopt;
    }
    table.amounts.emplace_back(line);
  }
  if (table.amounts.empty()) {
    return std::nullopt;
  }
  return table;
}

}  // namespace quorvane
