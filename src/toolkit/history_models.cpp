// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/history_models.h"

#include <QColor>
#include <QComboBox>

#include "text/decimal_text.h"
#include "toolkit/loan_document.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

// The figures' colour of a marked month: a light yellow that dark text reads on.
const QColor kMarkedMonth(0xFF, 0xF4, 0xC8);
const QColor kBorrowersRow(0xE8, 0xF0, 0xFF);
const QColor kSwitchedOffText(0x80, 0x80, 0x80);

constexpr std::array<std::string_view, 4> kEventHeadings{"生效日期", "事件", "年利率(%)", "说明"};

}  // namespace

void HistoryMonthsModel::SetMonths(const std::vector<ShownMonth>& months) {
  beginResetModel();
  cells_.clear();
  cells_.reserve(months.size());
  for (const ShownMonth& month : months) {
    const std::vector<std::string> texts = MonthCells(month);
    auto& row = cells_.emplace_back();
    for (std::size_t column = 0; column < row.size(); ++column) {
      row.at(column) = FromUtf8(texts.at(column));
    }
  }
  endResetModel();
}

int HistoryMonthsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int HistoryMonthsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kHistoryHeadings.size());
}

QVariant HistoryMonthsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= cells_.size()) {
    return {};
  }
  const auto& row = cells_.at(static_cast<std::size_t>(index.row()));
  const auto noteColumn = static_cast<std::size_t>(MonthColumn::Note);
  const bool marked = !row.at(noteColumn).isEmpty();
  switch (role) {
    case Qt::DisplayRole:
      return row.at(static_cast<std::size_t>(index.column()));
    case Qt::ToolTipRole:
      return marked ? QVariant(row.at(noteColumn)) : QVariant();
    case Qt::BackgroundRole:
      return marked ? QVariant(kMarkedMonth) : QVariant();
    case Qt::TextAlignmentRole:
      return static_cast<std::size_t>(index.column()) == noteColumn
                 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                 : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant HistoryMonthsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const auto heading = Heading(kHistoryHeadings, section, orientation, role);
  return heading ? *heading : QAbstractTableModel::headerData(section, orientation, role);
}

EventsModel::EventsModel(LoanDocument* document, QObject* parent)
    : QAbstractTableModel(parent),
      document_(document),
      rows_(static_cast<int>(document->Sheet().events.size())) {
  connect(document_, &LoanDocument::changed, this, &EventsModel::Follow);
}

const EventRow* EventsModel::Event(int row) const {
  const auto& events = document_->Sheet().events;
  return row >= 0 && static_cast<std::size_t>(row) < events.size() ? &events[row] : nullptr;
}

int EventsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int EventsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kEventHeadings.size());
}

QVariant EventsModel::data(const QModelIndex& index, int role) const {
  const EventRow* event = index.isValid() ? Event(index.row()) : nullptr;
  if (event == nullptr) {
    return {};
  }
  const BorrowerEvent* prepayment = Own(*event, BorrowerEvent::Kind::Prepayment);
  if (role == Qt::EditRole && prepayment != nullptr && index.column() == kWhat) {
    return prepayment->shortenTerm;
  }
  if (role == Qt::EditRole && prepayment != nullptr && index.column() == kWhy) {
    return FromUtf8(YuanText(prepayment->amount));
  }
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      switch (index.column()) {
        case kDay:
          return FromUtf8(DayText(event->effective));
        case kWhat:
          return FromUtf8(event->what);
        case kRate:
          return event->rate ? FromUtf8(PercentText(*event->rate)) : QString();
        default:
          return FromUtf8(event->why);
      }
    case Qt::CheckStateRole:
      if (index.column() == kDay && event->key) {
        return event->on ? Qt::Checked : Qt::Unchecked;
      }
      return {};
    case Qt::ToolTipRole:
      return FromUtf8(event->why);
    case Qt::BackgroundRole:
      return event->borrowerRow ? QVariant(kBorrowersRow) : QVariant();
    case Qt::ForegroundRole:
      return !event->on || event->noEffect ? QVariant(kSwitchedOffText) : QVariant();
    default:
      return {};
  }
}

QVariant EventsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const auto heading = Heading(kEventHeadings, section, orientation, role);
  return heading ? *heading : QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags EventsModel::flags(const QModelIndex& index) const {
  const EventRow* event = index.isValid() ? Event(index.row()) : nullptr;
  if (event == nullptr) {
    return Qt::NoItemFlags;
  }
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == kDay && event->key) {
    flags |= Qt::ItemIsUserCheckable | Qt::ItemIsEditable;  // moved to the bank's day
  }
  if (index.column() == kRate && event->base && event->on) {
    flags |= Qt::ItemIsEditable;  // a cut's rate: its spread is what the borrower sets
  }
  // The borrower's own rows: the day of each, a rate row's rate, a
  // prepayment's way (事件) and amount (说明).
  const bool prepayment = Own(*event, BorrowerEvent::Kind::Prepayment) != nullptr;
  const bool rateRow = Own(*event, BorrowerEvent::Kind::Rate) != nullptr;
  if (event->borrowerRow && (index.column() == kDay || (index.column() == kRate && rateRow) ||
                             (prepayment && (index.column() == kWhat || index.column() == kWhy)))) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool EventsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const EventRow* event = index.isValid() ? Event(index.row()) : nullptr;
  if (event != nullptr && event->borrowerRow && role == Qt::EditRole) {
    return EditBorrowersRow(*event->borrowerRow, index.column(), value);
  }
  if (event == nullptr || !event->key) {
    return false;
  }
  const EventKey key = *event->key;
  if (index.column() == kDay && role == Qt::EditRole) {
    const auto day = ReadDay(value.toString().trimmed().toStdString());
    if (!day) {
      return false;
    }
    document_->Edit(LoanDocument::kChoices, [&key, day](LoanFile& loan) {
      if (*day == key.effective) {
        loan.choices.moved.erase(key);
      } else {
        loan.choices.moved[key] = *day;
      }
    });
    return true;
  }
  if (index.column() == kDay && role == Qt::CheckStateRole) {
    const bool on = value.toInt() == Qt::Checked;
    document_->Edit(LoanDocument::kChoices, [&key, on](LoanFile& loan) {
      if (on) {
        loan.choices.switchedOff.erase(key);
      } else {
        loan.choices.switchedOff.insert(key);
      }
    });
    return true;
  }
  const auto cut = SpreadCutOn(key.effective);
  const auto rate = ReadDecimal(value.toString().trimmed().toStdString(), 4);
  if (index.column() != kRate || role != Qt::EditRole || !event->base || !cut || !rate) {
    return false;
  }
  const Percent spread{*rate - event->base->tenThousandths};
  document_->Edit(LoanDocument::kChoices,
                  [cut, spread](LoanFile& loan) { loan.choices.caps.at(*cut) = spread; });
  return true;
}

const BorrowerEvent* EventsModel::Own(const EventRow& event, BorrowerEvent::Kind kind) const {
  if (!event.borrowerRow) {
    return nullptr;
  }
  const BorrowerEvent& own = document_->Loan().choices.borrowerEvents.at(*event.borrowerRow);
  return own.kind == kind ? &own : nullptr;
}

bool EventsModel::EditBorrowersRow(std::size_t row, int column, const QVariant& value) {
  const std::string typed = value.toString().trimmed().toStdString();
  const auto edit = [this, row](auto change) {
    document_->Edit(LoanDocument::kChoices, [row, &change](LoanFile& loan) {
      change(loan.choices.borrowerEvents.at(row));
    });
    return true;
  };
  if (column == kDay) {
    const auto day = ReadDay(typed);
    return day && edit([day](BorrowerEvent& event) { event.day = *day; });
  }
  if (column == kWhat) {
    const bool shortenTerm = value.toBool();
    return edit([shortenTerm](BorrowerEvent& event) { event.shortenTerm = shortenTerm; });
  }
  if (column == kWhy) {
    const auto amount = ReadDecimal(typed, 2);
    return amount && *amount > 0 && *amount <= kLargestBalance &&
           edit([amount](BorrowerEvent& event) { event.amount = *amount; });
  }
  const auto rate = ReadDecimal(typed, 4);
  const bool rateRow =
      document_->Loan().choices.borrowerEvents.at(row).kind == BorrowerEvent::Kind::Rate;
  if (column != kRate || !rateRow || !rate || *rate > kHighestRate.tenThousandths) {
    return false;
  }
  return edit([rate](BorrowerEvent& event) { event.rate = Percent{*rate}; });
}

void EventsModel::Follow(int what) {
  if ((what & (LoanDocument::kContract | LoanDocument::kChoices | LoanDocument::kView)) == 0) {
    return;
  }
  const auto rows = static_cast<int>(document_->Sheet().events.size());
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
  if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, kWhy));
  }
}

namespace {

// The cell of a prepayment's way.
bool IsWay(const QModelIndex& index) {
  return index.column() == EventsModel::kWhat &&
         index.data(Qt::EditRole).userType() == QMetaType::Bool;
}

}  // namespace

QWidget* EventsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  if (!IsWay(index)) {
    return QStyledItemDelegate::createEditor(parent, option, index);
  }
  auto* box = new QComboBox(parent);
  box->setObjectName(QStringLiteral("prepaymentWay"));
  box->setAccessibleName(FromUtf8("提前还款方式"));
  for (const std::string_view mode : kPrepaymentModes) {
    box->addItem(FromUtf8(mode));
  }
  return box;
}

void EventsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* box = qobject_cast<QComboBox*>(editor);
  if (box == nullptr || !IsWay(index)) {
    QStyledItemDelegate::setEditorData(editor, index);
    return;
  }
  box->setCurrentIndex(index.data(Qt::EditRole).toBool() ? 1 : 0);
}

void EventsDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
  auto* box = qobject_cast<QComboBox*>(editor);
  if (box == nullptr || !IsWay(index)) {
    QStyledItemDelegate::setModelData(editor, model, index);
    return;
  }
  const bool shortenTerm = box->currentIndex() == 1;
  if (shortenTerm != index.data(Qt::EditRole).toBool()) {
    model->setData(index, shortenTerm, Qt::EditRole);
  }
}

}  // namespace quorvane
