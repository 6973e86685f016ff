// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/report_printout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "form/menu_texts.h"
#include "toolkit/appearance.h"
#include "toolkit/utf8.h"

namespace quorvane {

namespace {

constexpr int kPrintPoints = 10;
constexpr int kPrintTitlePoints = 14;
constexpr double kRowPadding = 0.35;  // of a line's height, above and below the text

ReportPrintout::Fonts PrintFonts() {
  ReportPrintout::Fonts fonts{WindowFont(), WindowFont(), WindowFont()};
  fonts.text.setPointSize(kPrintPoints);
  fonts.title.setPointSize(kPrintTitlePoints);
  fonts.title.setBold(true);
  fonts.headings.setPointSize(kPrintPoints);
  fonts.headings.setBold(true);
  return fonts;
}

QStringList Cells(const auto& texts) {
  QStringList cells;
  for (const auto& text : texts) {
    cells << FromUtf8(text);
  }
  return cells;
}

QRectF PrintableArea(const QPrinter& printer) {
  QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  page.moveTo(0, 0);
  return page;
}

double TitleHeight(const ReportPrintout::Fonts& fonts, QPrinter& printer) {
  return QFontMetricsF(fonts.title, &printer).height() * 1.5;
}

// The heights of the page's parts, measured in the printer's fonts.
PageHeights MeasurePage(const ReportPrintout::Fonts& fonts, QPrinter& printer, const QRectF& page,
                        const QString& figures) {
  const QFontMetricsF metrics(fonts.text, &printer);
  const double figuresHeight =
      metrics.boundingRect(page, Qt::TextWordWrap, figures).height() + metrics.height();
  return {.page = page.height(),
          .header = TitleHeight(fonts, printer) + figuresHeight,
          .footer = 2.5 * metrics.height(),
          .row = metrics.height() * (1 + 2 * kRowPadding)};
}

}  // namespace

ReportPrintout::Table TableOf(const ReportTable& report) {
  ReportPrintout::Table table{FromUtf8(PrintoutTitle(report)),
                              FromUtf8(PrintoutFigures(report)),
                              Cells(kMonthHeadings),
                              {}};
  table.rows.reserve(report.months.size());
  for (const ReportMonth& month : report.months) {
    table.rows.push_back(Cells(month));
  }
  return table;
}

ReportPrintout::ReportPrintout(const ReportTable& table, QPrinter& printer)
    : ReportPrintout(TableOf(table), printer) {}

ReportPrintout::ReportPrintout(Table table, QPrinter& printer)
    : fonts_(PrintFonts()),
      title_(std::move(table.title)),
      figures_(std::move(table.figures)),
      headings_(std::move(table.headings)),
      rows_(std::move(table.rows)),
      page_(PrintableArea(printer)),
      heights_(MeasurePage(fonts_, printer, page_, figures_)),
      titleHeight_(TitleHeight(fonts_, printer)),
      pages_(Paginate(rows_.size(), heights_)) {}

int ReportPrintout::PageCount() const { return static_cast<int>(pages_.size()); }

// One row of the table: a cell of equal width for each heading, framed, the
// figures set right as in a ledger.
void ReportPrintout::PaintRow(QPainter& painter, double top, const QStringList& cells,
                              bool heading) const {
  const double width = page_.width() / static_cast<double>(headings_.size());
  const double padding = heights_.row * kRowPadding / (1 + 2 * kRowPadding);
  painter.setFont(heading ? fonts_.headings : fonts_.text);
  for (qsizetype column = 0; column < cells.size() && column < headings_.size(); ++column) {
    const QRectF cell(page_.left() + static_cast<double>(column) * width, top, width, heights_.row);
    painter.drawRect(cell);
    painter.drawText(cell.adjusted(padding, 0, -padding, 0), Qt::AlignRight | Qt::AlignVCenter,
                     cells[column]);
  }
}

void ReportPrintout::PaintPage(QPainter& painter, int page) const {
  painter.save();
  QPen pen(Qt::black);
  pen.setWidthF(heights_.row / 40);  // a hairline at any resolution
  painter.setPen(pen);
  double top = page_.top();
  if (page == 0) {
    painter.setFont(fonts_.title);
    painter.drawText(QRectF(page_.left(), top, page_.width(), titleHeight_),
                     Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.setFont(fonts_.text);
    painter.drawText(
        QRectF(page_.left(), top + titleHeight_, page_.width(), heights_.header - titleHeight_),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, figures_);
    top += heights_.header;
  }
  PaintRow(painter, top, headings_, true);
  const PageMonths months = pages_.at(static_cast<std::size_t>(page));
  for (std::size_t month = months.first; month < months.end; ++month) {
    top += heights_.row;
    PaintRow(painter, top, rows_[month], false);
  }
  painter.setFont(fonts_.text);
  const QRectF footer(page_.left(), page_.bottom() - heights_.footer, page_.width(),
                      heights_.footer);
  painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                   FromUtf8(PageNumberText(page + 1, PageCount())));
  painter.restore();
}

void ReportPrintout::Print(QPrinter& printer) const {
  QPainter painter(&printer);
  for (int page = 0; page < PageCount(); ++page) {
    if (page > 0) {
      printer.newPage();
    }
    PaintPage(painter, page);
  }
}

}  // namespace quorvane
