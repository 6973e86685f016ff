// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QPrinter>
#include <QWidget>
#include <array>
#include <vector>

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
class LoanDocument;

// 核对银行计划: the bank's plan pasted or opened, the meaning of each of its
// columns (found, or picked by the borrower), and the plan beside the
// history month by month, with why each month differs and what to change
// to follow the bank. A view of the loan document, as the history is: the
// plan is kept with the loan, and nothing in the history changes without a
// click on 采用. Esc closes it.
class PlanCheckWindow : public QWidget {
  Q_OBJECT

 public:
  PlanCheckWindow(LoanDocument* document, QWidget* parent);

  // Reads a bank's file as 打开文件… does once a file is chosen.
  void OpenPlanFile(const QString& path);

 signals:
  // Enter on a month: the history shows it too.
  void monthChosen(std::chrono::year_month_day due, bool prepayment);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* CreateSource();
  QWidget* CreateOutput();
  void Follow(int what);
  void Paste();
  // Says something above the check until the loan next changes.
  void Notice(const QString& words);
  void ChooseFile();
  void Clear();
  void TakePlan(PlanCells cells);
  void ColumnChosen();
  void FindColumnsAgain();
  void ShowColumns();
  void ShowMeanings();
  void Recheck();
  void ShowMonth();
  void NextDiffering();
  void TakeOffer();
  void CopyAsTable();
  void Print();
  void Export();

  LoanDocument* document_;
  PlanCheck check_;
  QString notice_;

  QTableWidget* columns_ = nullptr;
  int columnWidth_ = 0;
  PlanCells shownRows_;  // the plan's first rows, as the row of choices shows them
  std::vector<QComboBox*> meanings_;
  QLabel* summary_ = nullptr;
  QTableView* table_ = nullptr;
  PlanCheckModel* model_ = nullptr;
  QLabel* why_ = nullptr;
  QPushButton* take_ = nullptr;
  QPrinter printer_;
};

}  // namespace quorvane
