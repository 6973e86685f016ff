// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "form/printout_layout.h"
#include "form/report_table.h"

class QPainter;
class QPrinter;

namespace quorvane {

// A report (or the loan's history) laid out on the pages of a printer: the title and the header's
// figures, then the months as a table whose headings repeat at the top of
// every page, and "第 n 页 / 共 m 页" at the foot of each page. The rows are
// painted directly at the font's height, so a long report opens in the
// preview at once.
class ReportPrintout {
 public:
  ReportPrintout(const ReportTable& table, QPrinter& printer);

  // Any table laid out the same way: a title, the figures above the table,
  // its headings and its rows.
  struct Table {
    QString title;
    QString figures;
    QStringList headings;
    std::vector<QStringList> rows;
  };
  ReportPrintout(Table table, QPrinter& printer);

  [[nodiscard]] int PageCount() const;

  // Paints one page, counted from 0, in the printer's page coordinates.
  void PaintPage(QPainter& painter, int page) const;

  // Prints every page.
  void Print(QPrinter& printer) const;

  // The fonts of the title, the headings and the rest.
  struct Fonts {
    QFont text;
    QFont title;
    QFont headings;
  };

 private:
  void PaintRow(QPainter& painter, double top, const QStringList& cells, bool heading) const;

  Fonts fonts_;
  QString title_;
  QString figures_;
  QStringList headings_;
  std::vector<QStringList> rows_;  // the months' cells
  QRectF page_;                    // the printable area, in device pixels
  PageHeights heights_;
  double titleHeight_ = 0;
  std::vector<PageMonths> pages_;
};

}  // namespace quorvane
