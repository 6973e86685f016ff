// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/history_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "files/file_bytes.h"
#include "form/chart_figures.h"
#include "form/field_checks.h"
#include "form/report_table.h"
#include "sheet/sheet_table.h"
#include "toolkit/appearance.h"
#include "toolkit/chart_window.h"
#include "toolkit/contract_form.h"
#include "toolkit/export_dialog.h"
#include "toolkit/fixings_dialog.h"
#include "toolkit/history_models.h"
#include "toolkit/loan_document.h"
#include "toolkit/numeric_field.h"
#include "toolkit/plan_check_window.h"
#include "toolkit/prepayment_window.h"
#include "toolkit/report_printout.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

constexpr int kWidth = 960;
constexpr int kHeight = 680;
// The figures; the 说明 do not fit a printed column.
constexpr int kPrintedColumns = static_cast<int>(MonthColumn::Note);

// The window's name, in its title and in a saved file's suggested name.
constexpr std::string_view kHistoryName = "贷款历程";

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

}  // namespace

HistoryWindow::HistoryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      document_(new LoanDocument(SystemToday(), this)),
      printer_(QPrinter::HighResolution) {
  setObjectName(QStringLiteral("history"));
  setWindowTitle(Title());
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  setAccessibleName(Title());
  resize(kWidth, kHeight);
  printer_.setPageSize(QPageSize(QPageSize::A4));

  auto* layout = new QVBoxLayout(this);
  contract_ = new ContractForm(this);
  layout->addWidget(contract_);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->setChildrenCollapsible(false);
  split->addWidget(CreateEvents());
  split->addWidget(CreateMonths());
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 3);
  layout->addWidget(split, 1);
  layout->addWidget(CreateOutput());
  connect(contract_, &ContractForm::edited, this, &HistoryWindow::ContractEdited);
  connect(contract_, &ContractForm::typingEnded, document_, &LoanDocument::EndTyping);
  connect(contract_, &ContractForm::fixingsAsked, this, &HistoryWindow::EditFixings);
  connect(document_, &LoanDocument::changed, this, &HistoryWindow::Show);
  connect(document_, &LoanDocument::savedChanged, this, &HistoryWindow::ShowTitle);
  AddUndoCommands(this, document_->UndoStack());
  Show(LoanDocument::kEverything);
}

HistoryWindow::~HistoryWindow() {
  newFigure_->SetHandlers({}, {});
  document_->disconnect(this);
}

QWidget* HistoryWindow::CreateEvents() {
  auto* box = new QGroupBox(Text("调整记录"), this);
  auto* layout = new QVBoxLayout(box);
  eventsModel_ = new EventsModel(document_, this);
  events_ = new QTableView(box);
  events_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  events_->setObjectName(QStringLiteral("events"));
  events_->setAccessibleName(Text("调整记录"));
  events_->setModel(eventsModel_);
  events_->setItemDelegate(new EventsDelegate(events_));
  CompactRows(events_);
  events_->horizontalHeader()->setStretchLastSection(true);
  events_->setSelectionBehavior(QAbstractItemView::SelectRows);
  events_->setSelectionMode(QAbstractItemView::SingleSelection);
  events_->setColumnWidth(EventsModel::kDay,
                          fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 40);
  events_->setColumnWidth(EventsModel::kWhat,
                          fontMetrics().horizontalAdvance(Text("公积金部分：提前还款（自填）")));
  connect(events_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &HistoryWindow::EnableRemove);
  connect(events_, &QAbstractItemView::activated, this, &HistoryWindow::ShowMonthOfEvent);
  // Delete in the table removes the borrower's row, as 删除所选 does.
  auto* removeKey = new QAction(Text("删除所选"), events_);
  removeKey->setShortcut(QKeySequence::Delete);
  removeKey->setShortcutContext(Qt::WidgetShortcut);
  events_->addAction(removeKey);
  connect(removeKey, &QAction::triggered, this, &HistoryWindow::RemoveBorrowerEvent);
  // Five rows at the least, on a screen of 1024 × 700 too.
  events_->setMinimumHeight(events_->horizontalHeader()->sizeHint().height() +
                            events_->verticalHeader()->defaultSectionSize() * 5 +
                            events_->frameWidth() * 2);
  layout->addWidget(events_, 1);

  auto* adding = new QHBoxLayout;
  // The part a new row goes to, in a combination.
  newPart_ = new QComboBox(box);
  newPart_->setObjectName(QStringLiteral("newPart"));
  newPart_->addItems({Text(ViewName(SheetView::Main)), Text(ViewName(SheetView::Fund))});
  newPart_->setAccessibleName(Text("新增记录属于"));
  newKind_ = new QComboBox(box);
  newKind_->setObjectName(QStringLiteral("newKind"));
  for (const std::string_view kind : kBorrowerKindNames) {
    newKind_->addItem(FromUtf8(kind));
  }
  newKind_->setAccessibleName(Text("新增记录的种类"));
  newDay_ = new QLineEdit(box);
  newDay_->setObjectName(QStringLiteral("newDay"));
  newDay_->setAccessibleName(Text("新增记录的日期"));
  newDay_->setPlaceholderText(Text("日期，如 2012-07-15"));
  newDay_->setMinimumWidth(fontMetrics().horizontalAdvance(newDay_->placeholderText()) + 16);
  newDay_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]{0,10}")), this));
  newFigure_ = new NumericField(QString(), box);
  newFigure_->setObjectName(QStringLiteral("newFigure"));
  // A spread takes a leading minus besides the digits and the point.
  newFigure_->SetHandlers(
      [this](std::int16_t& key) {
        const bool signedFigure =
            NewKind() == BorrowerEvent::Kind::Spread || NewKind() == BorrowerEvent::Kind::ToLpr;
        if (!(signedFigure && key == '-' && newFigure_->cursorPosition() == 0 &&
              !newFigure_->text().startsWith(QChar('-')))) {
          RefuseOtherKeys(key);
        }
      },
      {});
  newMode_ = new QComboBox(box);
  newMode_->setObjectName(QStringLiteral("newMode"));
  for (const std::string_view mode : kPrepaymentModes) {
    newMode_->addItem(FromUtf8(mode));
  }
  newMode_->setAccessibleName(Text("提前还款方式"));
  const auto kindChosen = [this] {
    static constexpr std::array<std::string_view, kBorrowerKindNames.size()> kFigures{
        "提前还款金额（万元）", "年利率（%）", "加点（基点）", "重定价周期（月）：3、6 或 12",
        "加点（基点）"};
    const auto kind = static_cast<std::size_t>(NewKind());
    newFigure_->setAccessibleName(FromUtf8(kFigures.at(kind)));
    newFigure_->setPlaceholderText(newFigure_->accessibleName());
    newMode_->setEnabled(NewKind() == BorrowerEvent::Kind::Prepayment);
  };
  connect(newKind_, &QComboBox::currentIndexChanged, this, kindChosen);
  kindChosen();
  auto* add = new QPushButton(Text("添加"), box);
  add->setObjectName(QStringLiteral("addEvent"));
  connect(add, &QPushButton::clicked, this, &HistoryWindow::AddBorrowerEvent);
  connect(newFigure_, &QLineEdit::returnPressed, this, &HistoryWindow::AddBorrowerEvent);
  remove_ = new QPushButton(Text("删除所选"), box);
  remove_->setObjectName(QStringLiteral("removeEvent"));
  remove_->setEnabled(false);
  connect(remove_, &QPushButton::clicked, this, &HistoryWindow::RemoveBorrowerEvent);
  adding->addWidget(newPart_);
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

QWidget* HistoryWindow::CreateMonths() {
  auto* box = new QGroupBox(Text("还款明细"), this);
  auto* layout = new QVBoxLayout(box);
  summary_ = new QLabel(box);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  CaptionResults(summary_, Text("合计"));
  monthsModel_ = new HistoryMonthsModel(this);
  monthsView_ = new QTableView(box);
  monthsView_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
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
  layout->addWidget(summary_);
  layout->addWidget(monthsView_, 1);
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
      {"提前还款试算…", QKeySequence(Qt::CTRL | Qt::Key_T), &HistoryWindow::PlanPrepayment},
      {"复制为表格", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &HistoryWindow::CopyAsTable},
      {"打印…", QKeySequence(Qt::CTRL | Qt::Key_P), &HistoryWindow::Print},
      {"图表…", QKeySequence(Qt::Key_F11), &HistoryWindow::Chart},
      {"打开…", QKeySequence(Qt::CTRL | Qt::Key_O), &HistoryWindow::Open},
      {"保存…", QKeySequence(Qt::CTRL | Qt::Key_S), &HistoryWindow::SaveCommand},
      {"另存为…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &HistoryWindow::SaveAsCommand},
      {"导出…", QKeySequence(Qt::CTRL | Qt::Key_E), &HistoryWindow::Export},
  };
  // LPR 公布值…: its button stands by the LPR's fields of the contract.
  connect(AddWindowCommand(this, Text("LPR 公布值…"), QKeySequence(Qt::CTRL | Qt::Key_L)),
          &QAction::triggered, this, &HistoryWindow::EditFixings);
  for (const auto& output : outputs) {
    layout->addWidget(AddCommandButton(this, row, Text(output.caption), output.key,
                                       std::bind_front(output.slot, this)));
  }
  return row;
}

void HistoryWindow::ContractEdited(int what, int typing) {
  document_->Edit(
      what,
      [this](LoanFile& loan) {
        loan.texts = contract_->Texts();
        loan.view = contract_->View();
        loan.choices.byDays = contract_->Options();
      },
      typing);
}

// The loan as it now is: the contract's fields where it was changed from
// elsewhere (a file opened, an offer taken), the months, the totals and what
// the window says of it.
void HistoryWindow::Show(int what) {
  contract_->Show(document_->Loan());
  if ((what & (LoanDocument::kContract | LoanDocument::kChoices | LoanDocument::kView)) != 0) {
    const std::vector<ShownMonth>& shown = document_->Shown();
    monthsModel_->SetMonths(shown);
    QStringList summary;
    for (const std::string& line : SheetSummary(shown, document_->Today())) {
      summary << FromUtf8(line);
    }
    summary_->setText(summary.join(QChar('\n')));
    QStringList status;
    const LoanSheet& sheet = document_->Sheet();
    if (sheet.problem) {
      status << FromUtf8(ProblemWords(*sheet.problem));
    }
    for (const std::string& note : sheet.notes) {
      status << FromUtf8(note);
    }
    ShowStatus(status.join(Text("；")));
    EnableRemove();
    newPart_->setEnabled(document_->Loan().texts.combined);
  }
  ShowTitle();
}

// The title names the file, if there is one, and marks changes not saved.
void HistoryWindow::ShowTitle() {
  const QString& path = document_->Path();
  const QString name = path.isEmpty() ? FromUtf8(kHistoryName) + QStringLiteral("[*]")
                                      : QFileInfo(path).fileName() + QStringLiteral("[*] - ") +
                                            FromUtf8(kHistoryName);
  setWindowTitle(name + QStringLiteral(" - ") + FromUtf8(WindowCaption()));
  setWindowModified(document_->Unsaved());
}

void HistoryWindow::ShowStatus(const QString& words) { status_->setText(words); }

void HistoryWindow::TakeLoan(const MainWindowLoan& loan) {
  LoanFile taken = document_->Loan();
  ContractTexts& texts = taken.texts;
  texts.amount = loan.amount;
  texts.months = loan.months;
  texts.discount = loan.discount;
  texts.method = loan.equalPrincipal ? Repayment::EqualPrincipal : Repayment::EqualPayment;
  texts.kind = loan.fund ? LoanKind::Fund : LoanKind::Commercial;
  texts.fundMonths = loan.months;
  texts.firstRate = TableFirstRate(texts).value_or(texts.firstRate);
  document_->Replace(taken, {});
}

void HistoryWindow::SetToday(year_month_day today) { document_->SetToday(today); }

void HistoryWindow::ShowMonthOfEvent(const QModelIndex& index) {
  const EventRow* event = eventsModel_->Event(index.row());
  if (event == nullptr) {
    return;
  }
  const bool prepayment =
      event->borrowerRow && document_->Loan().choices.borrowerEvents.at(*event->borrowerRow).kind ==
                                BorrowerEvent::Kind::Prepayment;
  if (const auto month = MonthOfEvent(document_->Shown(), *event, prepayment)) {
    const QModelIndex row = monthsModel_->index(static_cast<int>(*month), 0);
    monthsView_->setCurrentIndex(row);
    monthsView_->scrollTo(row, QAbstractItemView::PositionAtCenter);
  }
}

void HistoryWindow::SelectMonth(year_month_day due, bool prepayment) {
  const std::vector<ShownMonth>& shown = document_->Shown();
  const auto found = std::find_if(shown.begin(), shown.end(), [&](const ShownMonth& month) {
    return month.due == due && (month.number == 0) == prepayment;
  });
  if (found != shown.end()) {
    const QModelIndex row = monthsModel_->index(static_cast<int>(found - shown.begin()), 0);
    monthsView_->setCurrentIndex(row);
    monthsView_->scrollTo(row, QAbstractItemView::PositionAtCenter);
  }
}

BorrowerEvent::Kind HistoryWindow::NewKind() const {
  return static_cast<BorrowerEvent::Kind>(std::max(0, newKind_->currentIndex()));
}

void HistoryWindow::AddBorrowerEvent() {
  const BorrowerEvent::Kind kind = NewKind();
  const auto read =
      ReadBorrowerEvent(kind, newDay_->text().toStdString(), newFigure_->text().toStdString());
  if (!read) {
    ShowStatus(FromUtf8(ProblemWords(read.Failure())));
    return;
  }
  BorrowerEvent event = *read;
  event.shortenTerm = kind == BorrowerEvent::Kind::Prepayment && newMode_->currentIndex() == 1;
  event.part = document_->Loan().texts.combined && newPart_->currentIndex() == 1 ? SheetPart::Fund
                                                                                 : SheetPart::Main;
  newFigure_->clear();
  document_->Edit(LoanDocument::kChoices,
                  [&event](LoanFile& loan) { loan.choices.borrowerEvents.push_back(event); });
  // The new row selected and in view.
  const std::size_t added = document_->Loan().choices.borrowerEvents.size() - 1;
  for (int row = 0; row < eventsModel_->rowCount({}); ++row) {
    if (eventsModel_->Event(row)->borrowerRow == added) {
      events_->setCurrentIndex(eventsModel_->index(row, 0));
      events_->scrollTo(events_->currentIndex());
    }
  }
}

void HistoryWindow::RemoveBorrowerEvent() {
  const EventRow* event = eventsModel_->Event(events_->currentIndex().row());
  if (event == nullptr || !event->borrowerRow) {
    return;
  }
  const auto index = static_cast<std::ptrdiff_t>(*event->borrowerRow);
  document_->Edit(LoanDocument::kChoices, [index](LoanFile& loan) {
    loan.choices.borrowerEvents.erase(loan.choices.borrowerEvents.begin() + index);
  });
}

void HistoryWindow::EnableRemove() {
  const EventRow* event = eventsModel_->Event(events_->currentIndex().row());
  remove_->setEnabled(event != nullptr && event->borrowerRow.has_value());
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
  if (document_->Unsaved()) {
    QMessageBox ask(QMessageBox::Question, Title(), Text("贷款历程有改动尚未保存，要保存吗？"),
                    QMessageBox::NoButton, this);
    QPushButton* save = ask.addButton(Text("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = ask.addButton(Text("不保存"), QMessageBox::DestructiveRole);
    QPushButton* cancel = ask.addButton(Text("取消"), QMessageBox::RejectRole);
    ask.setDefaultButton(save);
    ask.setEscapeButton(cancel);
    ask.exec();
    if (ask.clickedButton() == discard) {
      document_->Revert();
    } else if (ask.clickedButton() != save || !Save()) {
      event->ignore();
      return;
    }
  }
  if (check_ != nullptr) {
    check_->close();
  }
  if (planner_ != nullptr) {
    planner_->close();
  }
  event->accept();
}

void HistoryWindow::Problem(const QString& problem) {
  ShowStatus(problem);
  QMessageBox::warning(this, Title(), problem);
}

bool HistoryWindow::SaveTo(const QString& path) {
  if (const auto failed = SaveFileAtomically(path, WriteLoanFile(document_->ToKeep()))) {
    Problem(FileProblemWords(*failed));
    return false;
  }
  document_->MarkSaved(path);
  ShowTitle();
  ShowStatus(Text("已保存到 ") + QDir::toNativeSeparators(path));
  return true;
}

bool HistoryWindow::OpenFrom(const QString& path) {
  const auto bytes = ReadFileBytes(path);
  const auto read = bytes ? ReadLoanFile(*bytes) : bytes.Failure();
  if (!read) {
    Problem(FileProblemWords(read.Failure()));
    return false;
  }
  const std::vector<LprFixing> differing = document_->Replace(*read, path);
  if (!differing.empty()) {
    QStringList months;
    for (const LprFixing& fixing : differing) {
      months << FromUtf8(MonthText(fixing.fixed));
    }
    ShowStatus(
        Text("文件中 %1 的 LPR 公布值与本机保存的不同，按本机的计").arg(months.join(Text("、"))));
  }
  return true;
}

bool HistoryWindow::Save() {
  return document_->Path().isEmpty() ? SaveAs() : SaveTo(document_->Path());
}

bool HistoryWindow::SaveAs() {
  const QString& path = document_->Path();
  const QString suggested = path.isEmpty()
                                ? DocumentsFolder() + QChar('/') + FromUtf8(kHistoryName) +
                                      QChar('.') + FromUtf8(kLoanFileSuffix)
                                : path;
  const QString chosen =
      QFileDialog::getSaveFileName(this, Text("保存贷款历程"), suggested, FileFilter());
  return !chosen.isEmpty() && SaveTo(WithSuffix(chosen));
}

void HistoryWindow::Export() {
  const LoanFile& loan = document_->Loan();
  const ExportOutcome outcome =
      ExportSheets(this, Text("还款明细"),
                   {MonthsSheet(document_->Shown()),
                    ContractSheet(loan.texts, loan.view, document_->Sheet().events)});
  if (outcome.kind == ExportOutcome::Kind::Failed) {
    Problem(outcome.words);
  } else if (outcome.kind == ExportOutcome::Kind::Written) {
    ShowStatus(outcome.words);
  }
}

void HistoryWindow::Open() {
  if (document_->Unsaved()) {
    const auto answer = QMessageBox::question(
        this, Title(), Text("打开另一个文件，当前未保存的改动将丢失。继续吗？"));
    if (answer != QMessageBox::Yes) {
      return;
    }
  }
  const QString& path = document_->Path();
  const QString chosen = QFileDialog::getOpenFileName(
      this, Text("打开贷款历程"), path.isEmpty() ? DocumentsFolder() : QFileInfo(path).path(),
      FileFilter());
  if (!chosen.isEmpty()) {
    OpenFrom(chosen);
  }
}

void HistoryWindow::CheckBanksPlan() {
  if (check_ == nullptr) {
    check_ = new PlanCheckWindow(document_, this);
    connect(check_, &PlanCheckWindow::monthChosen, this, &HistoryWindow::SelectMonth);
  }
  check_->show();
  check_->raise();
  check_->activateWindow();
}

void HistoryWindow::PlanPrepayment() {
  if (planner_ == nullptr) {
    planner_ = new PrepaymentWindow(document_, this);
  }
  planner_->show();
  planner_->raise();
  planner_->activateWindow();
}

void HistoryWindow::EditFixings() {
  FixingsDialog dialog(document_, this);
  dialog.exec();
}

void HistoryWindow::CopyAsTable() {
  const LoanFile& loan = document_->Loan();
  PutTableOnClipboard(SheetTable(loan.texts, loan.view, document_->Shown()));
}

void HistoryWindow::Print() {
  ReportPrintout::Table table{Title(), summary_->text(), {}, {}};
  for (int column = 0; column < kPrintedColumns; ++column) {
    table.headings << FromUtf8(kHistoryHeadings.at(static_cast<std::size_t>(column)));
  }
  const std::vector<ShownMonth>& shown = document_->Shown();
  table.rows.reserve(shown.size());
  for (const ShownMonth& month : shown) {
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
  const std::vector<ShownMonth>& shown = document_->Shown();
  const auto summary = SheetSummary(shown, document_->Today());
  figures.summary = summary.empty() ? std::string() : summary.front();
  const bool rated = std::all_of(shown.begin(), shown.end(),
                                 [](const ShownMonth& month) { return month.rate.has_value(); });
  for (const ShownMonth& month : shown) {
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
