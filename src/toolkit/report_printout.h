// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRectF>
#include <QTextDocument>

#include "form/report_table.h"

class QPainter;
class QPrinter;

namespace quorvane {

// A report laid out on the pages of a printer: a title line (the window's
// caption and the method), the header's figures, then the months as a table
// whose headings repeat at the top of every page, and "第 n 页 / 共 m 页" at
// the foot of each page.
class ReportPrintout {
 public:
  ReportPrintout(const ReportTable& table, QPrinter& printer);

  [[nodiscard]] int PageCount() const;

  // Paints one page, counted from 0, in the printer's page coordinates.
  void PaintPage(QPainter& painter, int page) const;

  // Prints every page.
  void Print(QPrinter& printer) const;

 private:
  QTextDocument document_;
  QFont font_;
  QRectF body_;    // where the document's pages go, in device pixels
  QRectF footer_;  // where the page number goes
};

}  // namespace quorvane
