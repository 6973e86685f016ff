// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "form/menu_texts.h"
#include "form/report_table.h"

class QAction;

namespace quorvane {

class ReportView;
struct MainWindowLoan;

// A multi-line box whose text can be taken out of the window: "复制为表格"
// (Ctrl+Shift+C) puts it on the clipboard as a table, tab-separated and
// HTML, for a spreadsheet or a document; the report box also opens the views
// of its report ("打印…", Ctrl+P; "图表…", F11). They read the text as the box
// shows it, and are disabled when it does not read as a report (or a log).
// "贷款历程…" (F12, from anywhere in the window) opens the loan's history,
// with the loan in the main window's fields.
class ReportBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  enum class Content { Report, Log };
  explicit ReportBox(Content content, QWidget* parent = nullptr);
  ~ReportBox() override;
  ReportBox(const ReportBox&) = delete;
  ReportBox& operator=(const ReportBox&) = delete;

  // What was owed before the first month of the report the box shows, when
  // the program knows it: it wrote the report, and the user has not edited it.
  using OwedLookup = std::function<std::optional<double>()>;
  void SetOwedLookup(OwedLookup lookup) { owedLookup_ = std::move(lookup); }
  // The loan in the main window's fields.
  using LoanLookup = std::function<MainWindowLoan()>;
  void SetLoanLookup(LoanLookup lookup) { loanLookup_ = std::move(lookup); }
  // The entries that work anywhere in the window, reading no report: 贷款历程….
  [[nodiscard]] QList<QAction*> WindowActions() const;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  [[nodiscard]] std::string BoxText() const;
  [[nodiscard]] std::optional<TableRows> ReadRows() const;
  // Whether the menu's entries are enabled: only while the menu is open, the
  // text being read then; otherwise a shortcut reads it when pressed.
  void EnableActions(bool enabled);
  void CopyAsTable();
  // Opens the view of a menu entry with the report in the box; the view is
  // made the first time it is asked for.
  void OpenView(std::size_t entry);
  [[nodiscard]] ReportView* View(std::size_t entry);

  Content content_;
  QAction* copyAsTable_ = nullptr;
  // The report box's only, in the order of kReportViewEntries.
  std::array<QAction*, kReportViewEntries.size()> viewActions_{};
  std::array<std::unique_ptr<ReportView>, kReportViewEntries.size()> views_;
  OwedLookup owedLookup_;
  LoanLookup loanLookup_;
};

}  // namespace quorvane
