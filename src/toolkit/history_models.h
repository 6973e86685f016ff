// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
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

// 调整记录 over the loan: Quorvane's rows with a check box to switch each off,
// a day to move each to the bank's and the cuts' rate to edit, the
// borrower's rows shaded and edited in place. What is checked or edited is
// an edit of the loan. A prepayment's 事件 edits its way, as a bool:
// whether it keeps the payment (缩短期限).
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
  // The borrower's row of that kind a row shows, if it shows one.
  [[nodiscard]] const BorrowerEvent* Own(const EventRow& event, BorrowerEvent::Kind kind) const;
  // A day, a rate, an amount typed over the borrower's own row, or a
  // prepayment's way chosen; false where the text is no day, rate or
  // amount, and the row stays as it was.
  bool EditBorrowersRow(std::size_t row, int column, const QVariant& value);

  LoanDocument* document_;
  int rows_ = 0;
};

// The editors of 调整记录: a prepayment's way is chosen from a list, the
// rest is typed.
class EventsDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

}  // namespace quorvane
