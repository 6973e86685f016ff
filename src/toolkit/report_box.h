// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>
#include <memory>
#include <optional>
#include <string>

#include "form/report_table.h"

class QAction;

namespace quorvane {

class ReportViews;

// A multi-line box whose text can be taken out of the window: "复制为表格"
// (Ctrl+Shift+C) puts it on the clipboard as a table, tab-separated and
// HTML, for a spreadsheet or a document; the report box also prints
// ("打印…", Ctrl+P) through the print preview and draws it as a chart
// ("图表…", F11, in a window of its own). They read the text as the box shows
// it, and are disabled when it does not read as a report (or a log).
class ReportBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  enum class Content { Report, Log };
  explicit ReportBox(Content content, QWidget* parent = nullptr);
  ~ReportBox() override;
  ReportBox(const ReportBox&) = delete;
  ReportBox& operator=(const ReportBox&) = delete;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  [[nodiscard]] std::string BoxText() const;
  [[nodiscard]] std::optional<TableRows> ReadRows() const;
  // Whether the menu's entries are enabled: only while the menu is open, the
  // text being read then; otherwise a shortcut reads it when pressed.
  void EnableActions(bool enabled);
  void CopyAsTable();
  void PrintPreview();
  // Opens the chart of the report in the box, or brings the open one to the
  // front with this report.
  void ShowChart();
  // The print preview and the chart, made the first time one is asked for.
  ReportViews* Views();

  Content content_;
  QAction* copyAsTable_ = nullptr;
  QAction* print_ = nullptr;  // the report box's only
  QAction* chart_ = nullptr;  // the report box's only
  std::unique_ptr<ReportViews> views_;
};

}  // namespace quorvane
