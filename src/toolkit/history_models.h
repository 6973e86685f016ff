// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "sheet/sheet_table.h"

namespace quorvane {

class LoanDocument;

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

// 调整记录 over the loan: Quorvane's rows with a check box to switch each off
// and the cuts' rate to edit, the borrower's rows shaded. What is checked or
// edited is an edit of the loan.
class EventsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kDay, kWhat, kRate, kWhy };

  EventsModel(LoanDocument* document, QObject* parent);

  // The event of a row, if the row is there.
  [[nodiscard]] const EventRow* Event(int row) const;

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  // The rows follow the loan: those there are told of their change, those
  // added or gone are added or removed at the end, so the row the borrower
  // is on stays.
  void Follow(int what);
  // A day or a rate of the borrower's own row, typed over it; false where
  // the text is no day or rate, and the row stays as it was.
  bool EditBorrowersRow(std::size_t row, int column, const QString& text);

  LoanDocument* document_;
  int rows_ = 0;
};

}  // namespace quorvane
