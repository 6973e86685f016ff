// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/report_views.h"

#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "toolkit/chart_window.h"
#include "toolkit/report_printout.h"

namespace quorvane {
namespace {

class BoxViews final : public ReportViews {
 public:
  explicit BoxViews(QWidget* box) : box_(box) {}

  void PrintPreview(const ReportTable& report) override {
    if (!printer_) {
      printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    QPrintPreviewDialog preview(printer_.get(), box_);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, box_,
        [&report](QPrinter* printer) { ReportPrintout(report, *printer).Print(*printer); });
    preview.exec();
  }

  void ShowChart(const ReportTable& report) override {
    if (chartWindow_ == nullptr) {
      chartWindow_ = new ChartWindow(box_->window());
    }
    chartWindow_->ShowReport(report);
  }

 private:
  QWidget* box_;
  // Kept while the window lives, so the choices made in the print dialog hold.
  std::unique_ptr<QPrinter> printer_;
  QPointer<ChartWindow> chartWindow_;  // while it is open
};

}  // namespace

#ifndef QUORVANE_VIEWS_MODULE
std::unique_ptr<ReportViews> CreateReportViews(QWidget* box) {
  return std::make_unique<BoxViews>(box);
}
#endif

}  // namespace quorvane

#ifdef QUORVANE_VIEWS_MODULE
quorvane::ReportViews* QuorvaneCreateReportViews(QWidget* box) {
  return new quorvane::BoxViews(box);
}
#endif
