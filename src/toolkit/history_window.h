// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QPrinter>
#include <QWidget>
#include <array>
#include <vector>

#include "files/loan_file.h"
#include "sheet/sheet_check.h"
#include "sheet/sheet_table.h"
#include "toolkit/report_views.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class QTableWidgetItem;

namespace quorvane {

class ChartWindow;
struct ChartFigures;
class NumericField;
class PlanCheckWindow;

// The months of the loan as the months table shows them.
class HistoryMonthsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetMonths(const std::vector<ShownMonth>& months);

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

 private:
  std::vector<std::array<QString, kHistoryHeadings.size()>> cells_;
};

// 贷款历程: the loan from its first payment to its last, through every rate
// the bank applied. The contract at the top, the events under it (Quorvane's
// from the dated rates, each with a check box; the borrower's own
// prepayments and rates), the months filling the rest; every change is
// computed again at once. The loan is kept in a file of its own (保存…,
// 打开…) and checked against the bank's plan (核对银行计划…). Esc closes
// it, asking first when there are changes not saved; it changes nothing in
// the main window.
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
  QWidget* CreateContract();
  QWidget* CreateEvents();
  QWidget* CreateOutput();
  // A field or a choice of the contract, and what a change of it does.
  // A field or a choice of the contract, with the name tests know it by,
  // and what a change of it does.
  NumericField* Field(const char* id, ContractField field, const std::string& text,
                      void (HistoryWindow::*changed)() = &HistoryWindow::Recompute);
  QComboBox* Choice(const char* id, const QString& name, const QStringList& choices,
                    void (HistoryWindow::*changed)() = &HistoryWindow::Recompute);

  [[nodiscard]] ContractTexts Texts() const;
  void TableRateIntoField();
  void GrantDayChanged();
  // The months table's choice: a part, or 合计 of a combination.
  [[nodiscard]] SheetView ShownView() const;
  void Recompute();
  void ShowEvents();
  void EventItemChanged(QTableWidgetItem* item);
  void AddBorrowerEvent();
  void RemoveBorrowerEvent();
  void ShowFund();
  void EnableFundFields();
  void OptionsChanged();
  void ShowOptions();

  // The loan as a file holds it, and the window made to show one.
  [[nodiscard]] LoanFile Document() const;
  void ShowDocument(const LoanFile& file);
  void ShowTitle();
  bool Save();
  bool SaveAs();
  void SaveCommand() { Save(); }
  void SaveAsCommand() { SaveAs(); }
  void Open();
  void Problem(const QString& problem);

  void CheckBanksPlan();
  [[nodiscard]] CheckedLoan Checked() const;
  void TakeOffer(const PlanOffer& offer);

  void CopyAsTable();
  void Print();
  void Chart();
  [[nodiscard]] ChartFigures Figures() const;

  QComboBox* kind_ = nullptr;
  QLineEdit* granted_ = nullptr;
  NumericField* paymentDay_ = nullptr;
  NumericField* amount_ = nullptr;
  NumericField* months_ = nullptr;
  QComboBox* method_ = nullptr;
  NumericField* discount_ = nullptr;
  NumericField* firstRate_ = nullptr;
  QComboBox* repricing_ = nullptr;
  QCheckBox* combined_ = nullptr;
  NumericField* fundAmount_ = nullptr;
  NumericField* fundMonths_ = nullptr;
  NumericField* fundDiscount_ = nullptr;
  QComboBox* view_ = nullptr;
  QCheckBox* acrossChange_ = nullptr;
  QCheckBox* firstMonthByDays_ = nullptr;
  QComboBox* daysInYear_ = nullptr;

  QTableWidget* events_ = nullptr;
  QComboBox* newKind_ = nullptr;
  QLineEdit* newDay_ = nullptr;
  NumericField* newFigure_ = nullptr;
  QComboBox* newMode_ = nullptr;
  QPushButton* remove_ = nullptr;

  QLabel* summary_ = nullptr;
  QTableView* monthsView_ = nullptr;
  HistoryMonthsModel* monthsModel_ = nullptr;
  QLabel* status_ = nullptr;

  year_month_day today_;
  SheetChoices choices_;
  KeptPlan plan_;
  LoanSheet sheet_;
  std::vector<ShownMonth> shown_;
  QPrinter printer_;
  QPointer<ChartWindow> chart_;
  QPointer<PlanCheckWindow> check_;
  QString path_;    // the file the loan is kept in, if any
  LoanFile saved_;  // the loan as last saved or opened, or as the window took it
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
