// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "form/report_table.h"

// A report on paper: the texts above its table, and how its months fall on
// the pages. Every page has the headings' row above its months and its
// number at the foot ("第 n 页 / 共 m 页"); the first page also has the title
// and the header's figures above the table.
namespace quorvane {

// "Quorvane 1.0　等额本息": the window's caption and the method.
std::string PrintoutTitle(const ReportTable& table);

// The header's figures as label and amount: "月还款：1744.85元　　总还款：…".
std::string PrintoutFigures(const ReportTable& table);

// The heights a page is made of, in any one unit.
struct PageHeights {
  double page = 0;    // what can be printed on
  double header = 0;  // the title and the figures, on the first page
  double footer = 0;  // the page number
  double row = 0;     // a row of the table, the headings' or a month's
};

// The months on one page, counted from 0: the first and one past the last.
struct PageMonths {
  std::size_t first = 0;
  std::size_t end = 0;
};

// The pages of a report of so many months: every month on exactly one page,
// in order. A page too small for a month under the headings still takes one,
// so that no month is left out; the first page may hold none when the title
// and the figures fill it.
std::vector<PageMonths> Paginate(std::size_t months, const PageHeights& heights);

}  // namespace quorvane
