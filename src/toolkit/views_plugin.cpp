// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/views_plugin.h"

#include "toolkit/chart_window.h"
#include "toolkit/history_window.h"
#include "toolkit/print_preview.h"

namespace quorvane {

std::unique_ptr<ReportView> QuorvaneViewsPlugin::CreateView(ReportViewKind kind,
                                                            QWidget* box) const {
  switch (kind) {
    case ReportViewKind::PrintPreview:
      return std::make_unique<PrintPreview>(box);
    case ReportViewKind::Chart:
      return std::make_unique<ChartView>(box);
    case ReportViewKind::History:
      return std::make_unique<HistoryView>(box);
  }
  return nullptr;
}

}  // namespace quorvane
