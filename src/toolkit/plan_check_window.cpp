// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/plan_check_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "files/plan_file.h"
#include "form/report_table.h"
#include "toolkit/appearance.h"
#include "toolkit/export_dialog.h"
#include "toolkit/loan_document.h"
#include "toolkit/report_printout.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

constexpr int kWidth = 1100;
constexpr int kHeight = 720;
// Enough of a pasted plan to tell its columns by: the rest is checked, not shown.
constexpr int kRowsShown = 20;

const QColor kDifferingFigure(0xF8, 0xC8, 0xC8);
const QColor kDifferingMonth(0xFF, 0xF4, 0xC8);
const QColor kOneSideText(0x80, 0x80, 0x80);

QString Text(std::string_view text) { return FromUtf8(text); }

QString Title() { return Text("核对银行计划 - ") + Text(WindowCaption()); }

}  // namespace

void PlanCheckModel::SetCheck(const PlanCheck* check) {
  beginResetModel();
  check_ = check;
  endResetModel();
}

int PlanCheckModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || check_ == nullptr ? 0 : static_cast<int>(check_->months.size());
}

int PlanCheckModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kCheckHeadings.size());
}

QVariant PlanCheckModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount({})) {
    return {};
  }
  const CheckedMonth& month = check_->months.at(static_cast<std::size_t>(index.row()));
  const auto column = static_cast<CheckColumn>(index.column());
  const auto figure = FigureIn(column);
  const bool oneSide = !month.inPlan || !month.inHistory;
  switch (role) {
    case Qt::DisplayRole:
      return FromUtf8(CheckCell(month, column));
    case Qt::ToolTipRole:
      return month.Agrees() ? QVariant() : QVariant(FromUtf8(month.why));
    case Qt::BackgroundRole:
      if (figure && month.difference.at(static_cast<std::size_t>(*figure)) != 0) {
        return kDifferingFigure;
      }
      return month.Agrees() || oneSide ? QVariant() : QVariant(kDifferingMonth);
    case Qt::ForegroundRole:
      return oneSide ? QVariant(kOneSideText) : QVariant();
    case Qt::TextAlignmentRole:
      return column >= CheckColumn::Difference ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                               : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant PlanCheckModel::headerData(int section, Qt::Orientation orientation, int role) const {
  auto heading = Heading(kCheckHeadings, section, orientation, role);
  if (!heading) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  // Whose figure over which: "Quorvane 月供" and "银行月供" on two lines.
  if (FigureIn(static_cast<CheckColumn>(section))) {
    const auto apart = heading->indexOf(QChar(' '));
    *heading = apart > 0 ? heading->left(apart) + QChar('\n') + heading->mid(apart + 1)
                         : heading->left(2) + QChar('\n') + heading->mid(2);
  }
  return *heading;
}

PlanCheckWindow::PlanCheckWindow(LoanDocument* document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), printer_(QPrinter::HighResolution) {
  setObjectName(QStringLiteral("planCheck"));
  setWindowTitle(Title());
  setAccessibleName(Title());
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  resize(kWidth, kHeight);
  printer_.setPageSize(QPageSize(QPageSize::A4));
  printer_.setPageOrientation(QPageLayout::Landscape);  // eleven columns of figures

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateSource());
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("checkSummary"));
  CaptionResults(summary_, Text("核对结果"));
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(summary_);

  model_ = new PlanCheckModel(this);
  table_ = new QTableView(this);
  table_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  table_->setObjectName(QStringLiteral("checkedMonths"));
  table_->setAccessibleName(Text("逐期对照"));
  table_->setModel(model_);
  CompactRows(table_);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Narrow enough at 1024 × 700 that the difference shows beside the
  // figures: each heading on two lines, the cause in the line under the
  // table (the model keeps it in a column of its own, which copy writes).
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnHidden(static_cast<int>(CheckColumn::Why), true);
  const int figureWidth = std::max(fontMetrics().horizontalAdvance(QStringLiteral("Quorvane")),
                                   fontMetrics().horizontalAdvance(QStringLiteral("0000000.00"))) +
                          12;
  table_->setColumnWidth(static_cast<int>(CheckColumn::Number),
                         fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  table_->setColumnWidth(static_cast<int>(CheckColumn::Due),
                         fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 12);
  for (int column = static_cast<int>(CheckColumn::BankPayment);
       column < static_cast<int>(CheckColumn::Difference); ++column) {
    table_->setColumnWidth(column, figureWidth);
  }
  connect(table_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
    const auto row = static_cast<std::size_t>(index.row());
    if (row < check_.months.size() && check_.months[row].due.ok()) {
      emit monthChosen(check_.months[row].due, check_.months[row].prepayment);
    }
  });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &PlanCheckWindow::ShowMonth);
  layout->addWidget(table_, 1);

  auto* whyRow = new QHBoxLayout;
  why_ = new QLabel(this);
  why_->setObjectName(QStringLiteral("why"));
  CaptionResults(why_, Text("原因"));
  why_->setWordWrap(true);
  why_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  take_ = new QPushButton(Text("采用"), this);
  take_->setObjectName(QStringLiteral("takeOffer"));
  take_->setEnabled(false);
  connect(take_, &QPushButton::clicked, this, &PlanCheckWindow::TakeOffer);
  whyRow->addWidget(why_, 1);
  whyRow->addWidget(take_);
  layout->addLayout(whyRow);
  layout->addWidget(CreateOutput());
  connect(document_, &LoanDocument::changed, this, &PlanCheckWindow::Follow);
  AddUndoCommands(this, document_->UndoStack());
  Follow(LoanDocument::kEverything);
}

QWidget* PlanCheckWindow::CreateSource() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  QStringList suffixes;
  for (const QString& suffix : PlanFileSuffixes()) {
    suffixes << QChar('.') + suffix;
  }
  auto* hint = new QLabel(Text("把网上银行、表格或 PDF 里的还款计划复制后按 Ctrl+V 粘贴，"
                               "或打开银行导出的文件（%1）。")
                              .arg(suffixes.join(Text("、"))),
                          box);
  hint->setWordWrap(true);
  row->addWidget(hint, 1);
  const struct {
    const char* caption;
    QKeySequence key;
    void (PlanCheckWindow::*slot)();
  } sources[] = {
      {"粘贴", QKeySequence(QKeySequence::Paste), &PlanCheckWindow::Paste},
      {"打开文件…", QKeySequence(QKeySequence::Open), &PlanCheckWindow::ChooseFile},
      {"清除", QKeySequence(), &PlanCheckWindow::Clear},
  };
  for (const auto& source : sources) {
    auto* button = new QPushButton(Text(source.caption), box);
    connect(button, &QPushButton::clicked, this, source.slot);
    if (!source.key.isEmpty()) {
      button->setToolTip(source.key.toString(QKeySequence::NativeText));
      connect(AddWindowCommand(this, Text(source.caption), source.key), &QAction::triggered, this,
              source.slot);
    }
    row->addWidget(button);
  }
  layout->addLayout(row);

  auto* meaningRow = new QHBoxLayout;
  auto* meaningHint = new QLabel(Text("各列的含义（认错了可以在第一行改）："), box);
  auto* again = new QPushButton(Text("重新识别"), box);
  connect(again, &QPushButton::clicked, this, &PlanCheckWindow::FindColumnsAgain);
  meaningRow->addWidget(meaningHint, 1);
  meaningRow->addWidget(again);
  layout->addLayout(meaningRow);
  columns_ = new QTableWidget(box);
  columns_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  columns_->setObjectName(QStringLiteral("planColumns"));
  columns_->setAccessibleName(Text("粘贴的还款计划"));
  columns_->verticalHeader()->hide();
  columns_->horizontalHeader()->hide();
  columns_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  columns_->setWordWrap(false);
  columns_->setMaximumHeight((fontMetrics().height() + 10) * 7);
  // Wide enough for a date, a figure or the longest meaning with its arrow.
  columnWidth_ = fontMetrics().horizontalAdvance(Text("剩余本金（不用）")) + 24;
  layout->addWidget(columns_);
  return box;
}

QWidget* PlanCheckWindow::CreateOutput() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(1);
  const struct {
    const char* caption;
    QKeySequence key;
    void (PlanCheckWindow::*slot)();
  } outputs[] = {
      {"下一处不一致", QKeySequence(Qt::Key_F8), &PlanCheckWindow::NextDiffering},
      {"复制为表格", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &PlanCheckWindow::CopyAsTable},
      {"打印…", QKeySequence(Qt::CTRL | Qt::Key_P), &PlanCheckWindow::Print},
      {"导出…", QKeySequence(Qt::CTRL | Qt::Key_E), &PlanCheckWindow::Export},
  };
  for (const auto& output : outputs) {
    layout->addWidget(AddCommandButton(this, row, Text(output.caption), output.key,
                                       std::bind_front(output.slot, this)));
  }
  return row;
}

// The plan's columns shown again where the plan changed, its meanings where
// they did, and the check made again on any change of the loan.
void PlanCheckWindow::Follow(int what) {
  if ((what & LoanDocument::kPlan) != 0) {
    ShowColumns();
  }
  if ((what & (LoanDocument::kPlan | LoanDocument::kColumns)) != 0) {
    ShowMeanings();
  }
  notice_.clear();
  Recheck();
}

void PlanCheckWindow::TakePlan(PlanCells cells) {
  document_->Edit(LoanDocument::kPlan | LoanDocument::kColumns, [&cells](LoanFile& loan) {
    loan.plan = {std::move(cells), {}};
  });
}

// Paste never loses what is there: text that is no plan leaves the plan as
// it was and says why; a plan in its place can be undone.
void PlanCheckWindow::Paste() {
  const QString text = QApplication::clipboard()->text();
  if (text.trimmed().isEmpty()) {
    Notice(Text("剪贴板里没有文字，还款计划没有改动。"));
    return;
  }
  PlanCells cells = SplitPlanText(text.toStdString());
  const auto problem = UncheckablePlan(ReadBankPlan(cells));
  if (problem && *problem != PlanProblem::ColumnsUnclear) {
    Notice(FromUtf8(PlanProblemWords(*problem)) + Text("。还款计划没有改动。"));
    return;
  }
  TakePlan(std::move(cells));
}

void PlanCheckWindow::Notice(const QString& words) {
  notice_ = words;
  Recheck();
}

void PlanCheckWindow::Export() {
  const ExportOutcome outcome = ExportSheets(this, Text("核对银行计划"), CheckSheets(check_));
  if (outcome.kind == ExportOutcome::Kind::Failed) {
    QMessageBox::warning(this, Title(), outcome.words);
    Notice(outcome.words);
  } else if (outcome.kind == ExportOutcome::Kind::Written) {
    Notice(outcome.words);
  }
}

void PlanCheckWindow::ChooseFile() {
  const QString path = QFileDialog::getOpenFileName(
      this, Text("打开银行还款计划"),
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), PlanFileFilter());
  if (!path.isEmpty()) {
    OpenPlanFile(path);
  }
}

void PlanCheckWindow::OpenPlanFile(const QString& path) {
  auto file = ReadPlanFile(path, HelperPath(QStringLiteral(QUORVANE_XLS_HELPER)));
  if (!file) {
    summary_->setText(FileProblemWords(file.Failure()));  // what is open stays as it was
    return;
  }
  TakePlan(*std::move(file));
}

void PlanCheckWindow::Clear() { TakePlan({}); }

// The first rows of the plan under a row of choices, one for each column;
// the same rows opened again are left as they are.
void PlanCheckWindow::ShowColumns() {
  const PlanCells& cells = document_->Loan().plan.cells;
  const int shown = static_cast<int>(std::min<std::size_t>(cells.size(), kRowsShown));
  PlanCells rows(cells.begin(), cells.begin() + shown);
  std::size_t width = 0;
  for (const auto& row : cells) {
    width = std::max(width, row.size());
  }
  width = std::min(width, kMostPlanColumns);
  if (rows == shownRows_ && static_cast<std::size_t>(columns_->columnCount()) == width) {
    return;
  }
  shownRows_ = std::move(rows);
  const QSignalBlocker quiet(columns_);
  columns_->clear();
  columns_->setColumnCount(static_cast<int>(width));
  columns_->setRowCount(width == 0 ? 0 : shown + 1);
  meanings_.clear();
  for (int column = 0; column < static_cast<int>(width); ++column) {
    auto* meaning = new QComboBox(columns_);
    for (std::size_t kind = 0; kind < kPlanColumnKinds; ++kind) {
      meaning->addItem(FromUtf8(PlanColumnName(static_cast<PlanColumn>(kind))));
    }
    meaning->setAccessibleName(Text("第 %1 列的含义").arg(column + 1));
    meaning->setObjectName(QStringLiteral("columnMeaning%1").arg(column + 1));
    connect(meaning, &QComboBox::activated, this, &PlanCheckWindow::ColumnChosen);
    columns_->setCellWidget(0, column, meaning);
    meanings_.push_back(meaning);
  }
  for (int row = 0; row < shown; ++row) {
    const auto& texts = shownRows_.at(static_cast<std::size_t>(row));
    for (std::size_t column = 0; column < texts.size() && column < width; ++column) {
      columns_->setItem(row + 1, static_cast<int>(column),
                        new QTableWidgetItem(FromUtf8(texts[column])));
    }
  }
  for (int column = 0; column < static_cast<int>(width); ++column) {
    columns_->setColumnWidth(column, columnWidth_);
  }
  // Tab goes from the table through its row of choices, then on to the months.
  QWidget* before = columns_;
  for (QComboBox* meaning : meanings_) {
    setTabOrder(before, meaning);
    before = meaning;
  }
  setTabOrder(before, table_);
}

void PlanCheckWindow::ColumnChosen() {
  std::vector<PlanColumn> chosen;
  for (const QComboBox* meaning : meanings_) {
    chosen.push_back(static_cast<PlanColumn>(std::max(0, meaning->currentIndex())));
  }
  document_->Edit(LoanDocument::kColumns,
                  [&chosen](LoanFile& loan) { loan.plan.chosen = std::move(chosen); });
}

void PlanCheckWindow::FindColumnsAgain() {
  document_->Edit(LoanDocument::kColumns, [](LoanFile& loan) { loan.plan.chosen.clear(); });
}

// Each column's meaning as the plan was read with them.
void PlanCheckWindow::ShowMeanings() {
  const BankPlan& read = document_->Plan();
  for (std::size_t column = 0; column < meanings_.size(); ++column) {
    const PlanColumn meaning =
        column < read.columns.size() ? read.columns[column] : PlanColumn::Other;
    meanings_[column]->setCurrentIndex(static_cast<int>(meaning));
  }
}

void PlanCheckWindow::Recheck() {
  const bool none = document_->Loan().plan.cells.empty();
  check_ = none ? PlanCheck{} : document_->Check();
  QStringList said;
  if (check_.problem) {
    said << FromUtf8(PlanProblemWords(*check_.problem));
  }
  if (!check_.summary.empty()) {
    said << FromUtf8(check_.summary);
  }
  for (const std::string& note : check_.notes) {
    said << FromUtf8(note);
  }
  if (none) {
    said = QStringList{Text("还没有银行的还款计划。")};
  }
  if (!notice_.isEmpty()) {
    said.prepend(notice_);
  }
  summary_->setText(said.join(QChar('\n')));
  // Each row left out, and why, for the borrower to see that nothing else was.
  QStringList skipped;
  for (const SkippedRow& row : document_->Plan().skipped) {
    skipped << Text("第 %1 行：").arg(row.row + 1) + FromUtf8(SkipReasonName(row.reason));
  }
  summary_->setToolTip(skipped.join(QChar('\n')));
  const int current = table_->currentIndex().row();
  model_->SetCheck(&check_);
  const auto first = std::find_if(check_.months.begin(), check_.months.end(),
                                  [](const CheckedMonth& month) { return !month.Agrees(); });
  const int row = first == check_.months.end() ? std::min(current, model_->rowCount({}) - 1)
                                               : static_cast<int>(first - check_.months.begin());
  table_->setCurrentIndex(model_->index(row, 0));
  ShowMonth();
}

void PlanCheckWindow::ShowMonth() {
  const int row = table_->currentIndex().row();
  const CheckedMonth* month = row >= 0 && static_cast<std::size_t>(row) < check_.months.size()
                                  ? &check_.months[row]
                                  : nullptr;
  if (month == nullptr || month->Agrees()) {
    why_->setText(month == nullptr ? QString() : Text("这一期与 Quorvane 一致。"));
    take_->setText(Text("采用"));
    take_->setEnabled(false);
    return;
  }
  const QString day = FromUtf8(DayText(month->due));
  why_->setText((month->prepayment ? Text("提前还款（%1）：").arg(day)
                                   : Text("第 %1 期（%2）：").arg(month->number).arg(day)) +
                FromUtf8(month->why));
  take_->setEnabled(month->offer.has_value());
  take_->setText(month->offer ? Text("采用：") + FromUtf8(OfferText(*month->offer)) : Text("采用"));
}

void PlanCheckWindow::NextDiffering() {
  const int from = table_->currentIndex().row();
  for (std::size_t row = from < 0 ? 0 : static_cast<std::size_t>(from) + 1;
       row < check_.months.size(); ++row) {
    if (!check_.months[row].Agrees()) {
      table_->setCurrentIndex(model_->index(static_cast<int>(row), 0));
      return;
    }
  }
}

void PlanCheckWindow::TakeOffer() {
  const int row = table_->currentIndex().row();
  if (row < 0 || static_cast<std::size_t>(row) >= check_.months.size() ||
      !check_.months[static_cast<std::size_t>(row)].offer) {
    return;
  }
  const PlanOffer offer = *check_.months[static_cast<std::size_t>(row)].offer;
  document_->TakeOffer(offer);
}

void PlanCheckWindow::keyPressEvent(QKeyEvent* event) {
  if (!CloseOnEscape(this, event)) {
    QWidget::keyPressEvent(event);
  }
}

void PlanCheckWindow::CopyAsTable() { PutTableOnClipboard(CheckTable(check_)); }

void PlanCheckWindow::Print() {
  ReportPrintout::Table table{Title(), summary_->text(), {}, {}};
  const auto why = static_cast<std::size_t>(CheckColumn::Why);
  for (std::size_t column = 0; column < why; ++column) {
    table.headings << FromUtf8(kCheckHeadings.at(column));
  }
  for (const CheckedMonth& month : check_.months) {
    QStringList cells;
    const std::vector<std::string> texts = CheckCells(month);
    for (std::size_t column = 0; column < why; ++column) {
      cells << FromUtf8(texts.at(column));
    }
    table.rows.push_back(cells);
  }
  QPrintPreviewDialog preview(&printer_, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&table](QPrinter* printer) { ReportPrintout(table, *printer).Print(*printer); });
  preview.exec();
}

}  // namespace quorvane
