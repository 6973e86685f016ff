// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/print_preview.h"

#include <QPrintPreviewDialog>

#include "toolkit/report_printout.h"

namespace quorvane {

PrintPreview::PrintPreview(QWidget* box) : box_(box), printer_(QPrinter::HighResolution) {
  printer_.setPageSize(QPageSize(QPageSize::A4));
}

void PrintPreview::Open(const ViewRequest& request) {
  QPrintPreviewDialog preview(&printer_, box_);
  QObject::connect(
      &preview, &QPrintPreviewDialog::paintRequested, box_,
      [&request](QPrinter* printer) { ReportPrintout(*request.report, *printer).Print(*printer); });
  preview.exec();
}

}  // namespace quorvane
