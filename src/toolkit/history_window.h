// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include "sheet/sheet_choices.h"
#include "text/day_text.h"
#include "toolkit/report_views.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QModelIndex;
class QTableView;

namespace quorvane {

class ChartWindow;
struct ChartFigures;
class ContractForm;
class EventsModel;
class HistoryMonthsModel;
class LoanDocument;
class NumericField;
class PlanCheckWindow;
class PrepaymentWindow;

// 贷款历程: the loan from its first payment to its last, through every rate
// the bank applied. The contract at the top, the events under it (Quorvane's
// from the dated rates, each with a check box; the borrower's own
// prepayments and rates), the months filling the rest; every change is
// computed again at once. The loan is kept in a file of its own (保存…,
// 打开…) and checked against the bank's plan (核对银行计划…), both views of
// one loan document. Esc closes it, asking first when there are changes not
// saved; it changes nothing in the main window.
class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryWindow(QWidget* parent);
  HistoryWindow(const HistoryWindow&) = delete;
  HistoryWindow& operator=(const HistoryWindow&) = delete;
  ~HistoryWindow() override;

  // The contract takes the main window's loan (when the window first opens).
  void TakeLoan(const MainWindowLoan& loan);
  // The day the window counts 截至今天 to; the system's date unless set.
  void SetToday(year_month_day today);

  // The loan kept in a file: what 保存… and 打开… do once a name is chosen.
  // Whatever fails is said in the window and in the status line, and what is
  // open stays as it was.
  Q_INVOKABLE bool SaveTo(const QString& path);
  Q_INVOKABLE bool OpenFrom(const QString& path);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* CreateEvents();
  QWidget* CreateMonths();
  QWidget* CreateOutput();

  // The contract's fields into the loan, and the loan into the window.
  void ContractEdited(int what, int typing);
  void Show(int what);
  void ShowTitle();
  void ShowStatus(const QString& words);

  // Selects the month where the event of a row takes effect, and a month
  // of the months table by its day.
  void ShowMonthOfEvent(const QModelIndex& index);
  void SelectMonth(year_month_day due, bool prepayment);
  // The kind of the row the adding fields make.
  [[nodiscard]] BorrowerEvent::Kind NewKind() const;
  void AddBorrowerEvent();
  void RemoveBorrowerEvent();
  void EnableRemove();

  bool Save();
  bool SaveAs();
  void SaveCommand() { Save(); }
  void SaveAsCommand() { SaveAs(); }
  void Open();
  void Problem(const QString& problem);

  void CheckBanksPlan();
  void CopyAsTable();
  void EditFixings();
  void Print();
  void Chart();
  void PlanPrepayment();
  // 导出…: the months shown, to a .csv.
  void Export();
  [[nodiscard]] ChartFigures Figures() const;

  LoanDocument* document_;
  ContractForm* contract_ = nullptr;

  QTableView* events_ = nullptr;
  EventsModel* eventsModel_ = nullptr;
  QComboBox* newPart_ = nullptr;
  QComboBox* newKind_ = nullptr;
  QLineEdit* newDay_ = nullptr;
  NumericField* newFigure_ = nullptr;
  QComboBox* newMode_ = nullptr;
  QPushButton* remove_ = nullptr;

  QLabel* summary_ = nullptr;
  QTableView* monthsView_ = nullptr;
  HistoryMonthsModel* monthsModel_ = nullptr;
  QLabel* status_ = nullptr;

  QPrinter printer_;
  QPointer<ChartWindow> chart_;
  QPointer<PlanCheckWindow> check_;
  QPointer<PrepaymentWindow> planner_;
};

// The loan's history over the main window: opens the window with the main
// window's loan the first time, and brings it to the front after.
class HistoryView final : public ReportView {
 public:
  explicit HistoryView(QWidget* box) : box_(box) {}
  void Open(const ViewRequest& request) override;

 private:
  QWidget* box_;
  QPointer<HistoryWindow> window_;
};

}  // namespace quorvane
