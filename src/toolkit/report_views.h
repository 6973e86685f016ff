// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <memory>

#include "form/report_table.h"

class QWidget;

namespace quorvane {

// What the report box shows in windows of their own: the print preview and
// the chart. They bring the printing and plotting libraries with them, so
// on Linux they live in a module of their own, loaded the first time one is
// asked for, and start-up does not load those libraries; on Windows they are
// linked in.
class ReportViews {
 public:
  ReportViews() = default;
  ReportViews(const ReportViews&) = delete;
  ReportViews& operator=(const ReportViews&) = delete;
  virtual ~ReportViews() = default;

  // Opens the print preview of the report over the box and returns when it
  // closes; the printer's settings hold for the next time.
  virtual void PrintPreview(const ReportTable& report) = 0;
  // Opens the chart of the report, or brings the open one to the front with
  // this report.
  virtual void ShowChart(const ReportTable& report) = 0;
};

// The views of one report box; nullptr, after telling the user, when they
// cannot be loaded.
std::unique_ptr<ReportViews> CreateReportViews(QWidget* box);

}  // namespace quorvane

// The module's one entry point, found by its name: the views of the box,
// owned by the caller.
extern "C" Q_DECL_EXPORT quorvane::ReportViews* QuorvaneCreateReportViews(QWidget* box);
