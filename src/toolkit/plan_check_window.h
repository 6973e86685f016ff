// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QPrinter>
#include <QWidget>
#include <array>
#include <vector>

#include "files/loan_file.h"
#include "plan/check_table.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace quorvane {

// The side-by-side table: each of the bank's months beside Quorvane's, the
// figures that differ marked. Cells are written as they are shown, so a long
// plan costs no more than the rows on the screen.
class PlanCheckModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;
  // The check shown; its owner keeps it while it is.
  void SetCheck(const PlanCheck* check);

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

 private:
  const PlanCheck* check_ = nullptr;
};

// 核对银行计划: the bank's plan pasted or opened, the meaning of each of its
// columns (found, or picked by the borrower), and the plan beside the
// history month by month, with why each month differs and what to change
// to follow the bank. Nothing in the history changes without a click on
// 采用. Esc closes it.
class PlanCheckWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PlanCheckWindow(QWidget* parent);

  // The plan kept with the loan, and the loan it is checked against: the
  // check is made when the loan is set.
  void SetPlan(const KeptPlan& plan);
  [[nodiscard]] const KeptPlan& Plan() const { return plan_; }
  void SetLoan(const CheckedLoan& loan);

  // Reads a bank's file as 打开文件… does once a file is chosen.
  void OpenPlanFile(const QString& path);

 signals:
  // The borrower brought another plan or picked a column's meaning.
  void planChanged();
  // The borrower took what a month that differs offers.
  void offerTaken(const quorvane::PlanOffer& offer);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* CreateSource();
  QWidget* CreateOutput();
  void Paste();
  void ChooseFile();
  void Clear();
  void TakePlan(PlanCells cells);
  void ColumnChosen();
  void FindColumnsAgain();
  void ShowColumns();
  void ReadPlan();
  void Recheck();
  void ShowMonth();
  void NextDiffering();
  void TakeOffer();
  void CopyAsTable();
  void Print();

  KeptPlan plan_;
  BankPlan read_;
  CheckedLoan loan_;
  PlanCheck check_;

  QTableWidget* columns_ = nullptr;
  int columnWidth_ = 0;
  std::vector<QComboBox*> meanings_;
  QLabel* summary_ = nullptr;
  QTableView* table_ = nullptr;
  PlanCheckModel* model_ = nullptr;
  QLabel* why_ = nullptr;
  QPushButton* take_ = nullptr;
  QPrinter printer_;
};

}  // namespace quorvane
