// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include "toolkit/report_views.h"

namespace quorvane {

// The views plug-in's entry point, which Qt checks when it loads it: it
// makes the class of each view.
class QuorvaneViewsPlugin final : public QObject, public ViewsPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QUORVANE_VIEWS_INTERFACE)
  Q_INTERFACES(quorvane::ViewsPlugin)

 public:
  [[nodiscard]] std::unique_ptr<ReportView> CreateView(ReportViewKind kind,
                                                       QWidget* box) const override;
};

}  // namespace quorvane
