// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>
#include <cstddef>
#include <optional>

#include "form/chart_figures.h"
#include "form/report_table.h"
#include "toolkit/report_views.h"

class QCPAxis;
class QCPBars;
class QCPGraph;
class QCPItemStraightLine;
class QCustomPlot;
class QKeyEvent;
class QLabel;
class QMouseEvent;

namespace quorvane {

// The repayment chart of a report, in a window of its own beside the
// calculator: each month's payment stacked as principal and interest, the
// principal still owed on a second axis, the totals above and, below, the
// month under the marker in the report's own words. The marker follows the
// mouse, and the arrow keys, PageUp/PageDown (12 months) and Home/End while
// the chart has the focus. Ctrl+C copies the chart as a picture; Esc closes
// the window. It reads the report it is given and changes nothing else.
class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* parent);
  ChartWindow(const ChartWindow&) = delete;
  ChartWindow& operator=(const ChartWindow&) = delete;
  ~ChartWindow() override;

  // Draws the report and brings the window to the front. What was owed
  // before its first month is known of a report the program wrote.
  void ShowReport(const ReportTable& table, std::optional<double> owedYuan);
  // Draws figures of another kind (the loan's history) the same way, with
  // their rate as a step line on an axis of its own.
  void ShowFigures(ChartFigures figures);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetUpPlot();
  void SetUpRateLine();
  void Draw();
  void DrawRates();
  void MarkMonth(std::size_t month);
  void MarkMonthAt(const QMouseEvent* event);
  // Moves the marker as a key asks; false for a key that does not move it.
  bool MoveMarker(int key);
  [[nodiscard]] QString MonthStatus(std::size_t month) const;
  void CopyPicture();

  QCustomPlot* plot_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* status_ = nullptr;
  QCPBars* principal_ = nullptr;
  QCPBars* interest_ = nullptr;
  QCPGraph* balance_ = nullptr;
  QCPAxis* rateAxis_ = nullptr;
  QCPGraph* rate_ = nullptr;
  QCPGraph* changes_ = nullptr;
  QCPItemStraightLine* marker_ = nullptr;
  ChartFigures figures_;
  std::optional<std::size_t> marked_;
};

// A chart as its window shows it, as a PNG picture on the clipboard.
void CopyPlotPicture(QCustomPlot* plot);

// The chart of the report in a box: opens the chart window, or brings the
// open one to the front with the report now in the box.
class ChartView final : public ReportView {
 public:
  explicit ChartView(QWidget* box) : box_(box) {}
  void Open(const ViewRequest& request) override;

 private:
  QWidget* box_;
  QPointer<ChartWindow> window_;  // while it is open
};

}  // namespace quorvane
