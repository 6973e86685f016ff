// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/report_printout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "form/form_design.h"
#include "form/menu_texts.h"
#include "toolkit/appearance.h"
#include "toolkit/utf8.h"

namespace quorvane {

namespace {

constexpr int kPrintPoints = 10;
constexpr int kPrintTitlePoints = 14;
constexpr double kRowPadding = 0.35;  // of a line's height, above and below the text

QStringList Cells(const ReportMonth& month) {
  QStringList cells;
  for (const std::string& figure : month) {
    cells << FromUtf8(figure);
  }
  return cells;
}

}  // namespace

ReportPrintout::ReportPrintout(const ReportTable& table, QPrinter& printer)
    : font_(WindowFont()), titleFont_(WindowFont()), headingFont_(WindowFont()) {
  font_.setPointSize(kPrintPoints);
  titleFont_.setPointSize(kPrintTitlePoints);
  titleFont_.setBold(true);
  headingFont_.setPointSize(kPrintPoints);
  headingFont_.setBold(true);

  title_ = QString::fromStdString(WindowCaption()) + QStringLiteral("\u3000") +
           FromUtf8(MethodName(table.method));
  QStringList figures;
  for (const ReportFigure& figure : table.figures) {
    figures << FromUtf8(figure.label) + QStringLiteral("：") + FromUtf8(figure.value) +
                   QStringLiteral("元");
  }
  figures_ = figures.join(QStringLiteral("\u3000\u3000"));
  for (const std::string_view heading : kMonthHeadings) {
    headings_ << FromUtf8(heading);
  }
  rows_.reserve(table.months.size());
  for (const ReportMonth& month : table.months) {
    rows_.push_back(Cells(month));
  }

  page_ = printer.pageLayout().paintRectPixels(printer.resolution());
  page_.moveTo(0, 0);
  const QFontMetricsF metrics(font_, &printer);
  rowHeight_ = metrics.height() * (1 + 2 * kRowPadding);
  titleHeight_ = QFontMetricsF(titleFont_, &printer).height() * 1.5;
  const double figuresHeight =
      metrics.boundingRect(page_, Qt::TextWordWrap, figures_).height() + metrics.height();
  headerHeight_ = titleHeight_ + figuresHeight;
  footerHeight_ = 2.5 * metrics.height();
  const double tableHeight = page_.height() - footerHeight_;
  // Every page has the heading row; the first also the title and the figures.
  rowsPerPage_ = std::max<std::size_t>(1, static_cast<std::size_t>(tableHeight / rowHeight_) - 1);
  firstPageRows_ =
      static_cast<std::size_t>(std::max(0.0, (tableHeight - headerHeight_) / rowHeight_ - 1));
}

int ReportPrintout::PageCount() const {
  if (rows_.size() <= firstPageRows_) {
    return 1;
  }
  const std::size_t later = rows_.size() - firstPageRows_;
  return 1 + static_cast<int>((later + rowsPerPage_ - 1) / rowsPerPage_);
}

std::pair<std::size_t, std::size_t> ReportPrintout::MonthsOn(int page) const {
  const std::size_t first =
      page == 0 ? 0 : firstPageRows_ + static_cast<std::size_t>(page - 1) * rowsPerPage_;
  const std::size_t count = page == 0 ? firstPageRows_ : rowsPerPage_;
  return {std::min(first, rows_.size()), std::min(first + count, rows_.size())};
}

// One row of the table: four cells of equal width, framed, the figures set
// right as in a ledger.
void ReportPrintout::PaintRow(QPainter& painter, double top, const QStringList& cells,
                              bool heading) const {
  const double width = page_.width() / 4;
  const double padding = rowHeight_ * kRowPadding / (1 + 2 * kRowPadding);
  painter.setFont(heading ? headingFont_ : font_);
  for (qsizetype column = 0; column < cells.size() && column < 4; ++column) {
    const QRectF cell(page_.left() + static_cast<double>(column) * width, top, width, rowHeight_);
    painter.drawRect(cell);
    painter.drawText(cell.adjusted(padding, 0, -padding, 0), Qt::AlignRight | Qt::AlignVCenter,
                     cells[column]);
  }
}

void ReportPrintout::PaintPage(QPainter& painter, int page) const {
  painter.save();
  QPen pen(Qt::black);
  pen.setWidthF(rowHeight_ / 40);  // a hairline at any resolution
  painter.setPen(pen);
  double top = page_.top();
  if (page == 0) {
    painter.setFont(titleFont_);
    painter.drawText(QRectF(page_.left(), top, page_.width(), titleHeight_),
                     Qt::AlignLeft | Qt::AlignVCenter, title_);
    top += titleHeight_;
    painter.setFont(font_);
    painter.drawText(QRectF(page_.left(), top, page_.width(), headerHeight_ - titleHeight_),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, figures_);
    top = page_.top() + headerHeight_;
  }
  PaintRow(painter, top, headings_, true);
  const auto [first, last] = MonthsOn(page);
  for (std::size_t month = first; month < last; ++month) {
    top += rowHeight_;
    PaintRow(painter, top, rows_[month], false);
  }
  painter.setFont(font_);
  const QRectF footer(page_.left(), page_.bottom() - footerHeight_, page_.width(), footerHeight_);
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
