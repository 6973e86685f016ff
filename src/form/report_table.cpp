// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/report_table.h"

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
std::optional<std::vector<std::string>> Figures(std::string_view line,
                                                const std::vector<std::string_view>& pieces) {
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

// How each schedule writes its report.
struct ReportFormat {
  ReportMethod method;
  std::vector<std::string_view> header;
  std::vector<std::string_view> headerLabels;
  std::size_t separatorLength;
  std::vector<std::string_view> month;
};

const std::array<ReportFormat, 2>& Formats() {
  static const std::array<ReportFormat, 2> formats{{
      {ReportMethod::EqualPayment,
       {"月还款:", "元| 总还款:", "元| 其中利息:", "元"},
       {"月还款", "总还款", "其中利息"},
       56,
       {"第", "期:", "元 | 其中本金:", "元 | 利息:", "元"}},
      {ReportMethod::EqualPrincipal,
       {"总还款:", "其中利息:", "元"},
       {"总还款", "其中利息"},
       40,
       {"第", "期：", "元 | 其中本金:", "元 | 利息:", "元"}},
  }};
  return formats;
}

std::optional<ReportTable> ReadAs(const ReportFormat& format,
                                  const std::vector<std::string_view>& lines) {
  if (lines.size() < 2 || lines[1] != std::string(format.separatorLength, '-')) {
    return std::nullopt;
  }
  const auto header = Figures(lines[0], format.header);
  if (!header) {
    return std::nullopt;
  }
  ReportTable table;
  table.method = format.method;
  auto label = format.headerLabels.begin();
  for (const std::string& value : *header) {
    table.figures.push_back({*label++, value});
  }
  for (std::size_t i = 2; i < lines.size(); ++i) {
    auto month = Figures(lines[i], format.month);
    if (!month) {
      return std::nullopt;
    }
    table.months.push_back({std::move((*month)[0]), std::move((*month)[1]), std::move((*month)[2]),
                            std::move((*month)[3])});
  }
  return table;
}

void AppendEscaped(std::string& html, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      default:
        html += c;
    }
  }
}

}  // namespace

std::string_view MethodName(ReportMethod method) {
  return method == ReportMethod::EqualPayment ? "等额本息" : "等额本金";
}

std::optional<ReportTable> ReadReport(std::string_view text) {
  const auto lines = Lines(text);
  for (const ReportFormat& format : Formats()) {
    if (auto table = ReadAs(format, lines)) {
      return table;
    }
  }
  return std::nullopt;
}

std::optional<LogTable> ReadLog(std::string_view text) {
  LogTable table;
  for (std::string_view line : Lines(text)) {
    if (!line.starts_with(" =") && !line.starts_with(" +")) {
      return std::nullopt;
    }
    line.remove_prefix(2);
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

TableRows Rows(const ReportTable& table) {
  TableRows rows;
  for (const ReportFigure& figure : table.figures) {
    rows.push_back({std::string(figure.label), figure.value});
  }
  rows.push_back({""});
  rows.emplace_back(kMonthHeadings.begin(), kMonthHeadings.end());
  for (const ReportMonth& month : table.months) {
    rows.emplace_back(month.begin(), month.end());
  }
  return rows;
}

TableRows Rows(const LogTable& table) {
  TableRows rows{{"序号", "本金(元)"}};
  int number = 0;
  for (const std::string& amount : table.amounts) {
    rows.push_back({std::to_string(++number), amount});
  }
  return rows;
}

std::string TabSeparated(const TableRows& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) {
        text += '\t';
      }
      text += row[i];
    }
    text += "\r\n";
  }
  return text;
}

std::string HtmlTable(const TableRows& rows) {
  std::string html = "<table>\n";
  for (const auto& row : rows) {
    html += "<tr>";
    for (const std::string& cell : row) {
      html += "<td>";
      AppendEscaped(html, cell);
      html += "</td>";
    }
    html += "</tr>\n";
  }
  html += "</table>\n";
  return html;
}

}  // namespace quorvane
