// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/printout_layout.h"

#include <algorithm>
#include <cmath>

#include "form/form_design.h"

namespace quorvane {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// How many whole rows fit into a height, at most the months there are.
std::size_t RowsIn(double height, double row, std::size_t months) {
  if (!(row > 0) || !(height >= row)) {
    return 0;
  }
  const double rows = std::floor(height / row);
  return rows >= static_cast<double>(months) ? months : static_cast<std::size_t>(rows);
}

}  // namespace

std::string PrintoutTitle(const ReportTable& table) {
  return WindowCaption() + std::string(kIdeographicSpace) + std::string(MethodName(table.method));
}

std::string PrintoutFigures(const ReportTable& table) {
  std::string figures;
  for (const ReportFigure& figure : table.figures) {
    if (!figures.empty()) {
      figures += std::string(kIdeographicSpace) + std::string(kIdeographicSpace);
    }
    figures += std::string(figure.label) + "：" + figure.value + "元";
  }
  return figures;
}

std::vector<PageMonths> Paginate(std::size_t months, const PageHeights& heights) {
  const double table = heights.page - heights.footer;
  // Below the headings' row: one row fewer than fit.
  const auto monthsUnderHeadings = [&](double height) {
    const std::size_t rows = RowsIn(height, heights.row, months + 1);
    return rows > 0 ? rows - 1 : 0;
  };
  const std::size_t onFirst = monthsUnderHeadings(table - heights.header);
  const std::size_t onLater = std::max<std::size_t>(1, monthsUnderHeadings(table));

  std::vector<PageMonths> pages{{0, std::min(onFirst, months)}};
  while (pages.back().end < months) {
    const std::size_t first = pages.back().end;
    pages.push_back({first, first + std::min(onLater, months - first)});
  }
  return pages;
}

}  // namespace quorvane
