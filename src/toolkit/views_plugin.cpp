// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The views plug-in's entry point, which Qt checks when it loads it.
#include <QObject>

#include "toolkit/chart_window.h"
#include "toolkit/print_preview.h"
#include "toolkit/report_views.h"

namespace quorvane {

class QuorvaneViewsPlugin final : public QObject, public ViewsPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QUORVANE_VIEWS_INTERFACE)
  Q_INTERFACES(quorvane::ViewsPlugin)

 public:
  // The class of each view.
  [[nodiscard]] std::unique_ptr<ReportView> CreateView(ReportViewKind kind,
                                                       QWidget* box) const override {
    switch (kind) {
      case ReportViewKind::PrintPreview:
        return std::make_unique<PrintPreview>(box);
      case ReportViewKind::Chart:
        return std::make_unique<ChartView>(box);
    }
    return nullptr;
  }
};

}  // namespace quorvane

#include "views_plugin.moc"
