// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/report_table.h"

namespace quorvane {

namespace {

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
    text += kLineBreak;
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
