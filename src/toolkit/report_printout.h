// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "form/report_table.h"

class QPainter;
class QPrinter;

namespace quorvane {

// A report laid out on the pages of a printer: a title line (the window's
// caption and the method), the header's figures, then the months as a table
// of four columns whose headings repeat at the top of every page, and
// "第 n 页 / 共 m 页" at the foot of each page. The pages are laid out
// directly, row by row at the font's height, so a long report opens in the
// preview at once.
class ReportPrintout {
 public:
  ReportPrintout(const ReportTable& table, QPrinter& printer);

  [[nodiscard]] int PageCount() const;

  // Paints one page, counted from 0, in the printer's page coordinates.
  void PaintPage(QPainter& painter, int page) const;

  // Prints every page.
  void Print(QPrinter& printer) const;

 private:
  // The months on a page: the first and one past the last.
  [[nodiscard]] std::pair<std::size_t, std::size_t> MonthsOn(int page) const;
  void PaintRow(QPainter& painter, double top, const QStringList& cells, bool heading) const;

  std::vector<QStringList> rows_;  // the months' cells
  QString title_;
  QString figures_;
  QFont font_;
  QFont titleFont_;
  QFont headingFont_;
  QStringList headings_;
  QRectF page_;           // the printable area, in device pixels
  double rowHeight_ = 0;  // a table row, its text and its padding
  double titleHeight_ = 0;
  double headerHeight_ = 0;  // the title and the figures, on the first page
  double footerHeight_ = 0;
  std::size_t firstPageRows_ = 0;
  std::size_t rowsPerPage_ = 0;
};

}  // namespace quorvane
