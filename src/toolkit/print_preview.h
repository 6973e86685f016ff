// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPrinter>
#include <memory>

#include "toolkit/report_views.h"

namespace quorvane {

// The print preview of the report over its box; it returns when the preview
// closes. The printer is kept while the box lives, so the choices made in
// the print dialog hold for the next time.
class PrintPreview final : public ReportView {
 public:
  explicit PrintPreview(QWidget* box);
  void Open(const ViewRequest& request) override;

 private:
  QWidget* box_;
  QPrinter printer_;
};

}  // namespace quorvane
