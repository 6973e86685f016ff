// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace quorvane {

class LoanDocument;

// LPR 公布值: the fixings published after the last one Quorvane knows, as the
// borrower types them; they hold for every loan and are kept on this
// computer. Changing them is no edit of the loan.
class FixingsDialog final : public QDialog {
  Q_OBJECT

 public:
  FixingsDialog(LoanDocument* document, QWidget* parent);

 private:
  void Add();
  void RemoveSelected();
  void ShowFixings();
  QLineEdit* Field(const char* id, const QString& caption, const QString& pattern);

  LoanDocument* document_;
  QStandardItemModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QLineEdit* day_ = nullptr;
  QLineEdit* oneYear_ = nullptr;
  QLineEdit* fiveYear_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace quorvane
