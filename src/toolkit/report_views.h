// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtPlugin>
#include <memory>
#include <optional>
#include <string>

#include "form/menu_texts.h"
#include "form/report_table.h"

class QWidget;

// The views: the windows of their own that the report box's menu opens (the
// print preview, the chart). They bring the printing and plotting libraries
// with them, so they live in a Qt plug-in of their own, which the build
// makes a module loaded the first time a view is asked for, so that
// start-up does not load those libraries, or links into the program.
namespace quorvane {

// The loan in the main window's fields, as typed, and the kind of the rate
// list chosen last.
struct MainWindowLoan {
  std::string amount;  // 万元
  std::string months;
  std::string discount;  // 折
  bool equalPrincipal = false;
  bool fund = false;
};

// What a view is opened with: the report as the box shows it (for a view of
// the report), what was owed before its first month when the program wrote
// it, and the main window's loan.
struct ViewRequest {
  const ReportTable* report = nullptr;
  std::optional<double> owedYuan;
  MainWindowLoan loan;
};

// A view of one report box. It opens over the box, or brings its open window
// to the front with the report now in the box.
class ReportView {
 public:
  ReportView() = default;
  ReportView(const ReportView&) = delete;
  ReportView& operator=(const ReportView&) = delete;
  virtual ~ReportView() = default;

  virtual void Open(const ViewRequest& request) = 0;
};

// What the plug-in offers: the view behind each entry of the menu.
class ViewsPlugin {
 public:
  ViewsPlugin() = default;
  ViewsPlugin(const ViewsPlugin&) = delete;
  ViewsPlugin& operator=(const ViewsPlugin&) = delete;
  virtual ~ViewsPlugin() = default;

  [[nodiscard]] virtual std::unique_ptr<ReportView> CreateView(ReportViewKind kind,
                                                               QWidget* box) const = 0;
};

// The plug-in, or nothing and why it could not be had.
struct LoadedViews {
  const ViewsPlugin* plugin = nullptr;
  QString failure;
};
LoadedViews LoadViews();

}  // namespace quorvane

#define QUORVANE_VIEWS_INTERFACE "quorvane.ViewsPlugin/1.0"
Q_DECLARE_INTERFACE(quorvane::ViewsPlugin, QUORVANE_VIEWS_INTERFACE)
