// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/report_printout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>

#include "form/form_design.h"
#include "form/menu_texts.h"
#include "toolkit/appearance.h"
#include "toolkit/utf8.h"

namespace quorvane {

namespace {

constexpr int kPrintPoints = 10;
constexpr int kPrintTitlePoints = 14;

QString Cell(const char* tag, std::string_view text) {
  return QStringLiteral("<%1 align=\"right\">%2</%1>")
      .arg(QLatin1String(tag), FromUtf8(text).toHtmlEscaped());
}

// The title line, the header's figures, and the months as a table whose
// heading row is its header: a paginated layout repeats it on every page.
QString PrintedHtml(const ReportTable& table) {
  QString html = QStringLiteral("<p style=\"font-size: %1pt; font-weight: bold\">%2</p>")
                     .arg(kPrintTitlePoints)
                     .arg((QString::fromStdString(WindowCaption()) + QStringLiteral("\u3000") +
                           FromUtf8(MethodName(table.method)))
                              .toHtmlEscaped());
  QStringList figures;
  for (const ReportFigure& figure : table.figures) {
    figures << FromUtf8(figure.label) + QStringLiteral("：") + FromUtf8(figure.value) +
                   QStringLiteral("元");
  }
  html +=
      QStringLiteral("<p>%1</p>").arg(figures.join(QStringLiteral("\u3000\u3000")).toHtmlEscaped());
  html += QStringLiteral(
      "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" border=\"0.5\" "
      "style=\"border-collapse: collapse\"><thead><tr>");
  for (const std::string_view heading : kMonthHeadings) {
    html += Cell("th", heading);
  }
  html += QStringLiteral("</tr></thead>");
  html.reserve(html.size() + static_cast<qsizetype>(table.months.size()) * 160);
  for (const ReportMonth& month : table.months) {
    html += QStringLiteral("<tr>");
    for (const std::string& figure : month) {
      html += Cell("td", figure);
    }
    html += QStringLiteral("</tr>");
  }
  html += QStringLiteral("</table>");
  return html;
}

}  // namespace

ReportPrintout::ReportPrintout(const ReportTable& table, QPrinter& printer) : font_(WindowFont()) {
  font_.setPointSize(kPrintPoints);
  document_.setDefaultFont(font_);
  document_.setHtml(PrintedHtml(table));

  document_.documentLayout()->setPaintDevice(&printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const double footerHeight = 2.5 * QFontMetricsF(font_, &printer).height();
  body_ = QRectF(0, 0, page.width(), page.height() - footerHeight);
  footer_ = QRectF(0, body_.bottom(), page.width(), footerHeight);
  document_.setPageSize(body_.size());
}

int ReportPrintout::PageCount() const { return document_.pageCount(); }

void ReportPrintout::PaintPage(QPainter& painter, int page) const {
  const QRectF shown(0, page * body_.height(), body_.width(), body_.height());
  painter.save();
  painter.translate(body_.left(), body_.top() - shown.top());
  painter.setClipRect(shown);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = shown;
  document_.documentLayout()->draw(&painter, context);
  painter.restore();

  painter.save();
  painter.setFont(font_);
  painter.drawText(footer_, Qt::AlignHCenter | Qt::AlignBottom,
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
