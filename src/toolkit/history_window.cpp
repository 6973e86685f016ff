// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/history_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "files/file_bytes.h"
#include "form/chart_figures.h"
#include "form/field_checks.h"
#include "form/report_table.h"
#include "text/decimal_text.h"
#include "toolkit/appearance.h"
#include "toolkit/chart_window.h"
#include "toolkit/numeric_field.h"
#include "toolkit/plan_check_window.h"
#include "toolkit/report_printout.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

constexpr int kWidth = 960;
constexpr int kHeight = 680;
constexpr int kPrintedColumns = 7;  // the figures; the 说明 do not fit a printed column

enum EventColumn { kDayColumn, kWhatColumn, kRateColumn, kWhyColumn };

// The window's name, in its title and in a saved file's suggested name.
constexpr std::string_view kHistoryName = "贷款历程";
constexpr int kEventRowRole = Qt::UserRole;

QString Title() {
  return FromUtf8(kHistoryName) + QStringLiteral(" - ") + FromUtf8(WindowCaption());
}

// The file dialogs' filter, and the suffix a name is given when it has none.
QString FileFilter() {
  return QStringLiteral("Quorvane 贷款历程 (*.") + FromUtf8(kLoanFileSuffix) + QChar(')');
}

QString WithSuffix(const QString& path) {
  const QString suffix = QChar('.') + FromUtf8(kLoanFileSuffix);
  return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

QString DocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

year_month_day SystemToday() {
  const QDate today = QDate::currentDate();
  return std::chrono::year{today.year()} /
         std::chrono::month(static_cast<unsigned>(today.month())) /
         std::chrono::day(static_cast<unsigned>(today.day()));
}

QString Text(std::string_view text) { return FromUtf8(text); }

// Digits and the point, as in the main window's fields.
void RefuseOtherKeys(std::int16_t& keyAscii) {
  if (!IsAcceptedKey(keyAscii)) {
    keyAscii = 0;
  }
}

// The figures' colour of a marked month: a light yellow that dark text reads on.
const QColor kMarkedMonth(0xFF, 0xF4, 0xC8);
const QColor kBorrowersRow(0xE8, 0xF0, 0xFF);
const QColor kSwitchedOffText(0x80, 0x80, 0x80);

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
  const auto noteColumn = row.size() - 1;
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

HistoryWindow::HistoryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), today_(SystemToday()), printer_(QPrinter::HighResolution) {
  setObjectName(QStringLiteral("history"));
  setWindowTitle(Title());
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  setAccessibleName(Title());
  resize(kWidth, kHeight);
  printer_.setPageSize(QPageSize(QPageSize::A4));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateContract());
  auto* split = new QSplitter(Qt::Vertical, this);
  split->setChildrenCollapsible(false);
  split->addWidget(CreateEvents());
  auto* monthsBox = new QGroupBox(Text("还款明细"), split);
  auto* monthsLayout = new QVBoxLayout(monthsBox);
  summary_ = new QLabel(monthsBox);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  CaptionResults(summary_, Text("合计"));
  monthsModel_ = new HistoryMonthsModel(this);
  monthsView_ = new QTableView(monthsBox);
  monthsView_->setObjectName(QStringLiteral("months"));
  monthsView_->setAccessibleName(Text("还款明细"));
  monthsView_->setModel(monthsModel_);
  CompactRows(monthsView_);
  monthsView_->horizontalHeader()->setStretchLastSection(true);
  monthsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  monthsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  const int digitWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000.00"));
  for (int column = 0; column + 1 < static_cast<int>(kHistoryHeadings.size()); ++column) {
    monthsView_->setColumnWidth(column, digitWidth);
  }
  monthsLayout->addWidget(summary_);
  monthsLayout->addWidget(monthsView_, 1);
  split->addWidget(monthsBox);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 3);
  layout->addWidget(split, 1);
  layout->addWidget(CreateOutput());
  Recompute();
  saved_ = Document();
  ShowTitle();
}

HistoryWindow::~HistoryWindow() {
  for (NumericField* field : findChildren<NumericField*>()) {
    field->SetHandlers({}, {});
  }
}

NumericField* HistoryWindow::Field(const char* id, ContractField caption, const std::string& text,
                                   void (HistoryWindow::*changed)()) {
  auto* field = new NumericField(FromUtf8(text), this);
  field->setAccessibleName(Text(FieldName(caption)));
  field->setObjectName(QLatin1String(id));
  field->SetHandlers(RefuseOtherKeys, [this, field] {
    if (NeedsRepair(field->text().toStdString())) {
      field->setText(FromUtf8(kRepairedNumber));
      Recompute();
    }
  });
  connect(field, &QLineEdit::textEdited, this, changed);
  return field;
}

QComboBox* HistoryWindow::Choice(const char* id, const QString& name, const QStringList& choices,
                                 void (HistoryWindow::*changed)()) {
  auto* choice = new QComboBox(this);
  choice->addItems(choices);
  choice->setAccessibleName(name);
  choice->setObjectName(QLatin1String(id));
  connect(choice, &QComboBox::currentIndexChanged, this, changed);
  return choice;
}

QWidget* HistoryWindow::CreateContract() {
  auto* box = new QGroupBox(Text("贷款合同"), this);
  auto* grid = new QGridLayout(box);
  const auto place = [grid, box](int row, int column, std::string_view caption, QWidget* field) {
    auto* label = new QLabel(Text(caption), box);
    label->setBuddy(field);
    grid->addWidget(label, row, column * 2);
    grid->addWidget(field, row, column * 2 + 1);
  };
  const ContractTexts defaults;
  const auto name = [](ContractField field) { return Text(FieldName(field)); };
  kind_ = Choice("kind", name(ContractField::Kind),
                 {Text(KindName(LoanKind::Commercial)), Text(KindName(LoanKind::Fund))},
                 &HistoryWindow::TableRateIntoField);
  granted_ = new QLineEdit(FromUtf8(defaults.granted), this);
  granted_->setAccessibleName(name(ContractField::Granted));
  granted_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 16);
  granted_->setObjectName(QStringLiteral("granted"));
  granted_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]{0,10}")), this));
  connect(granted_, &QLineEdit::textEdited, this, &HistoryWindow::GrantDayChanged);
  paymentDay_ = Field("paymentDay", ContractField::PaymentDay, defaults.paymentDay);
  repricing_ = Choice(
      "repricing", name(ContractField::Repricing),
      {Text(RepricingName(Repricing::NextJanuary)), Text(RepricingName(Repricing::Anniversary)),
       Text(RepricingName(Repricing::ChangeDay))});
  amount_ = Field("amount", ContractField::Amount, defaults.amount);
  months_ =
      Field("months", ContractField::Months, defaults.months, &HistoryWindow::TableRateIntoField);
  method_ = Choice("method", name(ContractField::Method),
                   {Text(RepaymentName(Repayment::EqualPayment)),
                    Text(RepaymentName(Repayment::EqualPrincipal))});
  discount_ = Field("discount", ContractField::Discount, defaults.discount,
                    &HistoryWindow::TableRateIntoField);
  firstRate_ = Field("firstRate", ContractField::FirstRate, defaults.firstRate);
  combined_ = new QCheckBox(name(ContractField::Combined), this);
  combined_->setObjectName(QStringLiteral("combined"));
  combined_->setAccessibleName(name(ContractField::Combined));
  fundAmount_ = Field("fundAmount", ContractField::FundAmount, defaults.fundAmount);
  fundMonths_ = Field("fundMonths", ContractField::FundMonths, defaults.fundMonths);
  fundDiscount_ = Field("fundDiscount", ContractField::FundDiscount, defaults.fundDiscount);
  view_ = Choice("view", name(ContractField::View),
                 {Text(ViewName(SheetView::Main)), Text(ViewName(SheetView::Fund)),
                  Text(ViewName(SheetView::Both))});
  connect(combined_, &QCheckBox::toggled, this, &HistoryWindow::ShowFund);

  place(0, 0, FieldName(ContractField::Kind), kind_);
  place(0, 1, FieldName(ContractField::Granted), granted_);
  place(0, 2, FieldName(ContractField::PaymentDay), paymentDay_);
  place(0, 3, FieldName(ContractField::Repricing), repricing_);
  place(1, 0, FieldName(ContractField::Amount), amount_);
  place(1, 1, FieldName(ContractField::Months), months_);
  place(1, 2, FieldName(ContractField::Method), method_);
  place(1, 3, FieldName(ContractField::Discount), discount_);
  place(1, 4, FieldName(ContractField::FirstRate), firstRate_);
  grid->addWidget(combined_, 2, 0);
  place(2, 1, FieldName(ContractField::FundAmount), fundAmount_);
  place(2, 2, "期限（月）", fundMonths_);
  place(2, 3, "折扣（折）", fundDiscount_);
  place(2, 4, FieldName(ContractField::View), view_);

  // How the bank counts a month's interest in days, where it does.
  acrossChange_ = new QCheckBox(Text("分段计息"), this);
  acrossChange_->setObjectName(QStringLiteral("acrossChange"));
  acrossChange_->setAccessibleName(Text("分段计息：调息当月按天分段计算利息"));
  acrossChange_->setToolTip(acrossChange_->accessibleName());
  firstMonthByDays_ = new QCheckBox(Text("首月按天计息"), this);
  firstMonthByDays_->setObjectName(QStringLiteral("firstMonthByDays"));
  firstMonthByDays_->setAccessibleName(
      Text("首月按天计息：放款日至首次还款日不足或超过一个月时按天计息"));
  firstMonthByDays_->setToolTip(firstMonthByDays_->accessibleName());
  daysInYear_ = Choice("daysInYear", Text("日利率"), {Text("年利率 ÷ 360"), Text("年利率 ÷ 365")},
                       &HistoryWindow::OptionsChanged);
  connect(acrossChange_, &QCheckBox::toggled, this, &HistoryWindow::OptionsChanged);
  connect(firstMonthByDays_, &QCheckBox::toggled, this, &HistoryWindow::OptionsChanged);
  grid->addWidget(acrossChange_, 3, 0, 1, 2);
  grid->addWidget(firstMonthByDays_, 3, 2, 1, 2);
  place(3, 2, "日利率", daysInYear_);
  ShowFund();
  return box;
}

QWidget* HistoryWindow::CreateEvents() {
  auto* box = new QGroupBox(Text("调整记录"), this);
  auto* layout = new QVBoxLayout(box);
  events_ = new QTableWidget(0, 4, box);
  events_->setObjectName(QStringLiteral("events"));
  events_->setAccessibleName(Text("调整记录"));
  events_->setHorizontalHeaderLabels(
      {Text("生效日期"), Text("事件"), Text("年利率(%)"), Text("说明")});
  CompactRows(events_);
  events_->horizontalHeader()->setStretchLastSection(true);
  events_->setSelectionBehavior(QAbstractItemView::SelectRows);
  events_->setSelectionMode(QAbstractItemView::SingleSelection);
  events_->setColumnWidth(kDayColumn,
                          fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 40);
  events_->setColumnWidth(kWhatColumn,
                          fontMetrics().horizontalAdvance(Text("公积金部分：提前还款（自填）")));
  connect(events_, &QTableWidget::itemChanged, this, &HistoryWindow::EventItemChanged);
  connect(events_, &QTableWidget::currentCellChanged, this, [this](int row) {
    const QTableWidgetItem* item = row >= 0 ? events_->item(row, kDayColumn) : nullptr;
    const auto at = item != nullptr ? item->data(kEventRowRole).toInt() : -1;
    remove_->setEnabled(at >= 0 && static_cast<std::size_t>(at) < sheet_.events.size() &&
                        sheet_.events.at(static_cast<std::size_t>(at)).borrowerRow.has_value());
  });
  layout->addWidget(events_, 1);

  auto* adding = new QHBoxLayout;
  newKind_ = new QComboBox(box);
  newKind_->addItems({Text("提前还款"), Text("利率")});
  newKind_->setAccessibleName(Text("新增记录的种类"));
  newDay_ = new QLineEdit(box);
  newDay_->setAccessibleName(Text("新增记录的日期"));
  newDay_->setPlaceholderText(Text("日期，如 2012-07-15"));
  newDay_->setMinimumWidth(fontMetrics().horizontalAdvance(newDay_->placeholderText()) + 16);
  newDay_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]{0,10}")), this));
  newFigure_ = new NumericField(QString(), box);
  newFigure_->SetHandlers(RefuseOtherKeys, {});
  newMode_ = new QComboBox(box);
  newMode_->addItems({Text("减少月供"), Text("缩短期限")});
  newMode_->setAccessibleName(Text("提前还款方式"));
  const auto kindChosen = [this] {
    const bool prepayment = newKind_->currentIndex() == 0;
    newFigure_->setAccessibleName(Text(prepayment ? "提前还款金额（万元）" : "年利率（%）"));
    newFigure_->setPlaceholderText(newFigure_->accessibleName());
    newMode_->setEnabled(prepayment);
  };
  connect(newKind_, &QComboBox::currentIndexChanged, this, kindChosen);
  kindChosen();
  auto* add = new QPushButton(Text("添加"), box);
  connect(add, &QPushButton::clicked, this, &HistoryWindow::AddBorrowerEvent);
  connect(newFigure_, &QLineEdit::returnPressed, this, &HistoryWindow::AddBorrowerEvent);
  remove_ = new QPushButton(Text("删除所选"), box);
  remove_->setEnabled(false);
  connect(remove_, &QPushButton::clicked, this, &HistoryWindow::RemoveBorrowerEvent);
  adding->addWidget(newKind_);
  adding->addWidget(newDay_);
  adding->addWidget(newFigure_);
  adding->addWidget(newMode_);
  adding->addWidget(add);
  adding->addStretch(1);
  adding->addWidget(remove_);
  layout->addLayout(adding);
  return box;
}

QWidget* HistoryWindow::CreateOutput() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  status_ = new QLabel(row);
  status_->setObjectName(QStringLiteral("status"));
  CaptionResults(status_, Text("状态"));
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(status_, 1);
  const struct {
    const char* caption;
    QKeySequence key;
    void (HistoryWindow::*slot)();
  } outputs[] = {
      {"核对银行计划…", QKeySequence(Qt::CTRL | Qt::Key_B), &HistoryWindow::CheckBanksPlan},
      {"复制为表格", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &HistoryWindow::CopyAsTable},
      {"打印…", QKeySequence(Qt::CTRL | Qt::Key_P), &HistoryWindow::Print},
      {"图表…", QKeySequence(Qt::Key_F11), &HistoryWindow::Chart},
      {"打开…", QKeySequence(Qt::CTRL | Qt::Key_O), &HistoryWindow::Open},
      {"保存…", QKeySequence(Qt::CTRL | Qt::Key_S), &HistoryWindow::SaveCommand},
      {"另存为…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &HistoryWindow::SaveAsCommand},
  };
  for (const auto& output : outputs) {
    auto* button = new QPushButton(Text(output.caption), row);
    button->setToolTip(output.key.toString(QKeySequence::NativeText));
    connect(button, &QPushButton::clicked, this, output.slot);
    layout->addWidget(button);
    connect(AddWindowCommand(this, Text(output.caption), output.key), &QAction::triggered, this,
            output.slot);
  }
  return row;
}

void HistoryWindow::ShowFund() {
  EnableFundFields();
  TableRateIntoField();
}

void HistoryWindow::EnableFundFields() {
  const bool combined = combined_->isChecked();
  for (QWidget* field :
       std::initializer_list<QWidget*>{fundAmount_, fundMonths_, fundDiscount_, view_}) {
    field->setEnabled(combined);
  }
  kind_->setEnabled(!combined);
}

void HistoryWindow::OptionsChanged() {
  if (daysInYear_ == nullptr) {
    return;  // still being built
  }
  choices_.byDays = {acrossChange_->isChecked(), firstMonthByDays_->isChecked(),
                     daysInYear_->currentIndex() == 1 ? 365 : 360};
  Recompute();
}

void HistoryWindow::ShowOptions() {
  const QSignalBlocker across(acrossChange_);
  const QSignalBlocker first(firstMonthByDays_);
  const QSignalBlocker days(daysInYear_);
  acrossChange_->setChecked(choices_.byDays.acrossChange);
  firstMonthByDays_->setChecked(choices_.byDays.firstMonth);
  daysInYear_->setCurrentIndex(choices_.byDays.daysInYear == 365 ? 1 : 0);
}

void HistoryWindow::TakeLoan(const MainWindowLoan& loan) {
  amount_->setText(FromUtf8(loan.amount));
  months_->setText(FromUtf8(loan.months));
  discount_->setText(FromUtf8(loan.discount));
  method_->setCurrentIndex(loan.equalPrincipal ? 1 : 0);
  kind_->setCurrentIndex(loan.fund ? 1 : 0);
  fundMonths_->setText(FromUtf8(loan.months));
  TableRateIntoField();
  saved_ = Document();
  ShowTitle();
}

void HistoryWindow::SetToday(year_month_day today) {
  today_ = today;
  Recompute();
}

ContractTexts HistoryWindow::Texts() const {
  ContractTexts texts;
  texts.kind = kind_->currentIndex() == 1 ? LoanKind::Fund : LoanKind::Commercial;
  texts.granted = granted_->text().toStdString();
  texts.paymentDay = paymentDay_->text().toStdString();
  texts.amount = amount_->text().toStdString();
  texts.months = months_->text().toStdString();
  texts.method = method_->currentIndex() == 1 ? Repayment::EqualPrincipal : Repayment::EqualPayment;
  texts.discount = discount_->text().toStdString();
  texts.firstRate = firstRate_->text().toStdString();
  texts.repricing = static_cast<Repricing>(std::max(0, repricing_->currentIndex()));
  texts.combined = combined_->isChecked();
  texts.fundAmount = fundAmount_->text().toStdString();
  texts.fundMonths = fundMonths_->text().toStdString();
  texts.fundDiscount = fundDiscount_->text().toStdString();
  return texts;
}

void HistoryWindow::TableRateIntoField() {
  if (firstRate_ == nullptr) {
    return;
  }
  if (const auto rate = TableFirstRate(Texts())) {
    firstRate_->setText(FromUtf8(*rate));
  }
  Recompute();
}

void HistoryWindow::GrantDayChanged() {
  if (const auto day = ReadDay(granted_->text().toStdString()); day && day->ok()) {
    paymentDay_->setText(QString::number(std::min(static_cast<unsigned>(day->day()), 28U)));
  }
  TableRateIntoField();
}

SheetView HistoryWindow::ShownView() const {
  return combined_->isChecked() ? static_cast<SheetView>(std::max(0, view_->currentIndex()))
                                : SheetView::Main;
}

void HistoryWindow::Recompute() {
  if (view_ == nullptr || monthsModel_ == nullptr) {
    return;  // still being built
  }
  sheet_ = SheetOf(Texts(), choices_, today_);
  ShowEvents();
  shown_ = ShownMonths(sheet_, ShownView());
  monthsModel_->SetMonths(shown_);
  QStringList summary;
  for (const std::string& line : SheetSummary(shown_, today_)) {
    summary << FromUtf8(line);
  }
  summary_->setText(summary.join(QChar('\n')));
  QStringList status;
  if (sheet_.problem) {
    status << FromUtf8(ProblemWords(*sheet_.problem));
  }
  for (const std::string& note : sheet_.notes) {
    status << FromUtf8(note);
  }
  status_->setText(status.join(Text("；")));
  if (check_ != nullptr) {
    check_->SetLoan(Checked());
  }
  ShowTitle();
}

void HistoryWindow::ShowEvents() {
  const QSignalBlocker quiet(events_);
  const int current = events_->currentRow();
  events_->setRowCount(static_cast<int>(sheet_.events.size()));
  for (std::size_t i = 0; i < sheet_.events.size(); ++i) {
    const EventRow& event = sheet_.events[i];
    const auto row = static_cast<int>(i);
    const QString cells[] = {FromUtf8(DayText(event.effective)), FromUtf8(event.what),
                             event.rate ? FromUtf8(PercentText(*event.rate)) : QString(),
                             FromUtf8(event.why)};
    for (int column = kDayColumn; column <= kWhyColumn; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      const bool editable = column == kRateColumn && event.base && event.on;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                     (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
      if (event.borrowerRow) {
        item->setBackground(kBorrowersRow);
      }
      if (!event.on || event.noEffect) {
        item->setForeground(kSwitchedOffText);
      }
      item->setToolTip(cells[kWhyColumn]);
      events_->setItem(row, column, item);
    }
    QTableWidgetItem* day = events_->item(row, kDayColumn);
    day->setData(kEventRowRole, row);
    if (event.key) {
      day->setFlags(day->flags() | Qt::ItemIsUserCheckable);
      day->setCheckState(event.on ? Qt::Checked : Qt::Unchecked);
    }
  }
  if (current >= 0 && current < events_->rowCount()) {
    events_->setCurrentCell(current, kDayColumn);
  }
}

void HistoryWindow::EventItemChanged(QTableWidgetItem* item) {
  const int at = events_->item(item->row(), kDayColumn)->data(kEventRowRole).toInt();
  if (at < 0 || static_cast<std::size_t>(at) >= sheet_.events.size()) {
    return;
  }
  const EventRow& event = sheet_.events.at(static_cast<std::size_t>(at));
  if (item->column() == kDayColumn && event.key) {
    if (item->checkState() == Qt::Checked) {
      choices_.switchedOff.erase(*event.key);
    } else {
      choices_.switchedOff.insert(*event.key);
    }
  } else if (item->column() == kRateColumn && event.base && event.key) {
    const auto rate = ReadDecimal(item->text().trimmed().toStdString(), 4);
    const auto cut = SpreadCutOn(event.key->effective);
    if (rate && cut) {
      choices_.caps.at(*cut) = Percent{*rate - event.base->tenThousandths};
    }
  }
  // The table is filled again once the item has had its say.
  QTimer::singleShot(0, this, &HistoryWindow::Recompute);
}

void HistoryWindow::AddBorrowerEvent() {
  const auto kind =
      newKind_->currentIndex() == 0 ? BorrowerEvent::Kind::Prepayment : BorrowerEvent::Kind::Rate;
  auto read =
      ReadBorrowerEvent(kind, newDay_->text().toStdString(), newFigure_->text().toStdString());
  if (!read) {
    status_->setText(FromUtf8(ProblemWords(read.Failure())));
    return;
  }
  BorrowerEvent event = *std::move(read);
  event.shortenTerm = kind == BorrowerEvent::Kind::Prepayment && newMode_->currentIndex() == 1;
  event.part =
      combined_->isChecked() && view_->currentIndex() == 1 ? SheetPart::Fund : SheetPart::Main;
  choices_.borrowerEvents.push_back(event);
  newFigure_->clear();
  Recompute();
}

void HistoryWindow::RemoveBorrowerEvent() {
  const int row = events_->currentRow();
  const QTableWidgetItem* item = row >= 0 ? events_->item(row, kDayColumn) : nullptr;
  if (item == nullptr) {
    return;
  }
  const auto at = static_cast<std::size_t>(item->data(kEventRowRole).toInt());
  if (at >= sheet_.events.size() || !sheet_.events[at].borrowerRow) {
    return;
  }
  const auto index = static_cast<std::ptrdiff_t>(*sheet_.events[at].borrowerRow);
  choices_.borrowerEvents.erase(choices_.borrowerEvents.begin() + index);
  Recompute();
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
  if (!CloseOnEscape(this, event)) {
    QWidget::keyPressEvent(event);
  }
}

// Closing with changes not saved asks what to do with them: 不保存 goes back
// to the loan as it was last saved (or as the window took it), 取消 keeps
// the window open.
void HistoryWindow::closeEvent(QCloseEvent* event) {
  if (isWindowModified()) {
    QMessageBox ask(QMessageBox::Question, Title(), Text("贷款历程有改动尚未保存，要保存吗？"),
                    QMessageBox::NoButton, this);
    QPushButton* save = ask.addButton(Text("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = ask.addButton(Text("不保存"), QMessageBox::DestructiveRole);
    QPushButton* cancel = ask.addButton(Text("取消"), QMessageBox::RejectRole);
    ask.setDefaultButton(save);
    ask.setEscapeButton(cancel);
    ask.exec();
    if (ask.clickedButton() == discard) {
      ShowDocument(saved_);
    } else if (ask.clickedButton() != save || !Save()) {
      event->ignore();
      return;
    }
  }
  if (check_ != nullptr) {
    check_->close();
  }
  event->accept();
}

LoanFile HistoryWindow::Document() const { return {Texts(), ShownView(), choices_, plan_}; }

// The window as a file holds the loan: the fields as they were typed (the
// first rate too, not the tables'), the choices, the rows and the plan.
void HistoryWindow::ShowDocument(const LoanFile& file) {
  {
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QWidget* field : std::initializer_list<QWidget*>{
             kind_, granted_, paymentDay_, amount_, months_, method_, discount_, firstRate_,
             repricing_, combined_, fundAmount_, fundMonths_, fundDiscount_, view_}) {
      quiet.push_back(std::make_unique<QSignalBlocker>(field));
    }
    const ContractTexts& texts = file.texts;
    kind_->setCurrentIndex(texts.kind == LoanKind::Fund ? 1 : 0);
    granted_->setText(FromUtf8(texts.granted));
    paymentDay_->setText(FromUtf8(texts.paymentDay));
    amount_->setText(FromUtf8(texts.amount));
    months_->setText(FromUtf8(texts.months));
    method_->setCurrentIndex(texts.method == Repayment::EqualPrincipal ? 1 : 0);
    discount_->setText(FromUtf8(texts.discount));
    firstRate_->setText(FromUtf8(texts.firstRate));
    repricing_->setCurrentIndex(static_cast<int>(texts.repricing));
    combined_->setChecked(texts.combined);
    fundAmount_->setText(FromUtf8(texts.fundAmount));
    fundMonths_->setText(FromUtf8(texts.fundMonths));
    fundDiscount_->setText(FromUtf8(texts.fundDiscount));
    view_->setCurrentIndex(static_cast<int>(file.view));
  }
  EnableFundFields();
  choices_ = file.choices;
  plan_ = file.plan;
  ShowOptions();
  if (check_ != nullptr) {
    check_->SetPlan(plan_);
  }
  Recompute();
}

// The title names the file, if there is one, and marks changes not saved.
void HistoryWindow::ShowTitle() {
  const QString name = path_.isEmpty() ? FromUtf8(kHistoryName) + QStringLiteral("[*]")
                                       : QFileInfo(path_).fileName() + QStringLiteral("[*] - ") +
                                             FromUtf8(kHistoryName);
  setWindowTitle(name + QStringLiteral(" - ") + FromUtf8(WindowCaption()));
  setWindowModified(!(Document() == saved_));
}

void HistoryWindow::Problem(const QString& problem) {
  status_->setText(problem);
  QMessageBox::warning(this, Title(), problem);
}

bool HistoryWindow::SaveTo(const QString& path) {
  const LoanFile file = Document();
  if (const auto failed = SaveFileAtomically(path, WriteLoanFile(file))) {
    Problem(FileProblemWords(*failed));
    return false;
  }
  path_ = path;
  saved_ = file;
  ShowTitle();
  status_->setText(Text("已保存到 ") + QDir::toNativeSeparators(path));
  return true;
}

bool HistoryWindow::OpenFrom(const QString& path) {
  const auto bytes = ReadFileBytes(path);
  const auto read = bytes ? ReadLoanFile(*bytes) : bytes.Failure();
  if (!read) {
    Problem(FileProblemWords(read.Failure()));
    return false;
  }
  path_ = path;
  saved_ = *read;
  ShowDocument(*read);
  return true;
}

bool HistoryWindow::Save() { return path_.isEmpty() ? SaveAs() : SaveTo(path_); }

bool HistoryWindow::SaveAs() {
  const QString suggested = path_.isEmpty()
                                ? DocumentsFolder() + QChar('/') + FromUtf8(kHistoryName) +
                                      QChar('.') + FromUtf8(kLoanFileSuffix)
                                : path_;
  const QString path =
      QFileDialog::getSaveFileName(this, Text("保存贷款历程"), suggested, FileFilter());
  return !path.isEmpty() && SaveTo(WithSuffix(path));
}

void HistoryWindow::Open() {
  if (isWindowModified()) {
    const auto answer = QMessageBox::question(
        this, Title(), Text("打开另一个文件，当前未保存的改动将丢失。继续吗？"));
    if (answer != QMessageBox::Yes) {
      return;
    }
  }
  const QString path = QFileDialog::getOpenFileName(
      this, Text("打开贷款历程"), path_.isEmpty() ? DocumentsFolder() : QFileInfo(path_).path(),
      FileFilter());
  if (!path.isEmpty()) {
    OpenFrom(path);
  }
}

CheckedLoan HistoryWindow::Checked() const {
  return CheckedLoanOf(sheet_, choices_, ShownView(), shown_);
}

void HistoryWindow::CheckBanksPlan() {
  if (check_ == nullptr) {
    check_ = new PlanCheckWindow(this);
    check_->SetPlan(plan_);
    connect(check_, &PlanCheckWindow::planChanged, this, [this] {
      plan_ = check_->Plan();
      ShowTitle();
    });
    connect(check_, &PlanCheckWindow::offerTaken, this, &HistoryWindow::TakeOffer);
  }
  check_->SetLoan(Checked());
  check_->show();
  check_->raise();
  check_->activateWindow();
}

// What a month that differs offers, taken into the history, which the
// check then follows.
void HistoryWindow::TakeOffer(const PlanOffer& offer) {
  ApplyOffer(offer, ShownView() == SheetView::Fund ? SheetPart::Fund : SheetPart::Main, choices_);
  ShowOptions();
  Recompute();
}

void HistoryWindow::CopyAsTable() { PutTableOnClipboard(SheetTable(Texts(), ShownView(), shown_)); }

void HistoryWindow::Print() {
  ReportPrintout::Table table{Title(), summary_->text(), {}, {}};
  for (int column = 0; column < kPrintedColumns; ++column) {
    table.headings << FromUtf8(kHistoryHeadings.at(static_cast<std::size_t>(column)));
  }
  table.rows.reserve(shown_.size());
  for (const ShownMonth& month : shown_) {
    QStringList cells;
    const std::vector<std::string> texts = MonthCells(month);
    for (int column = 0; column < kPrintedColumns; ++column) {
      cells << FromUtf8(texts.at(static_cast<std::size_t>(column)));
    }
    table.rows.push_back(cells);
  }
  QPrintPreviewDialog preview(&printer_, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&table](QPrinter* printer) { ReportPrintout(table, *printer).Print(*printer); });
  preview.exec();
}

ChartFigures HistoryWindow::Figures() const {
  ChartFigures figures;
  figures.report.method = ReportMethod::EqualPayment;
  const auto summary = SheetSummary(shown_, today_);
  figures.summary = summary.empty() ? std::string() : summary.front();
  const bool rated = std::all_of(shown_.begin(), shown_.end(),
                                 [](const ShownMonth& month) { return month.rate.has_value(); });
  for (const ShownMonth& month : shown_) {
    if (month.number == 0) {
      continue;  // a prepayment
    }
    const auto period = static_cast<double>(month.number);
    figures.months.push_back({period, static_cast<double>(month.month.principal) / 100,
                              static_cast<double>(month.month.interest) / 100,
                              month.month.balance});
    std::string line =
        "第 "s + std::to_string(month.number) + " 期（" + DayText(month.due) + "）：";
    if (month.rate) {
      line += "年利率 "s + PercentText(*month.rate) + "%，";
    }
    line += "月还款 "s + YuanText(month.month.payment) + " 元，其中本金 " +
            YuanText(month.month.principal) + " 元，利息 " + YuanText(month.month.interest) +
            " 元，剩余本金 " + YuanText(month.month.balance) + " 元";
    figures.monthLines.push_back(line);
    if (rated) {
      figures.rates.push_back(static_cast<double>(month.rate->tenThousandths) / 10'000);
    }
    if (!month.note.empty()) {
      figures.changes.push_back(figures.months.size() - 1);
    }
  }
  return figures;
}

void HistoryWindow::Chart() {
  if (chart_ == nullptr) {
    chart_ = new ChartWindow(this);
  }
  chart_->ShowFigures(Figures());
}

void HistoryView::Open(const ViewRequest& request) {
  if (window_ == nullptr) {
    window_ = new HistoryWindow(box_);
    window_->TakeLoan(request.loan);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace quorvane
