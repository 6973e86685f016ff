// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/prepayment_window.h"

#include <qcustomplot.h>

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "form/field_checks.h"
#include "form/form_design.h"
#include "text/day_text.h"
#include "text/decimal_text.h"
#include "toolkit/appearance.h"
#include "toolkit/chart_window.h"
#include "toolkit/export_dialog.h"
#include "toolkit/loan_document.h"
#include "toolkit/numeric_field.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 760;
// 金额 in 万元 to the fen: a 万元 is a million fen.
constexpr int kTenThousandPlaces = 6;
constexpr int kRatePlaces = 4;
constexpr int kYuanPlaces = 2;

// The loan without the prepayment black; the choices in Okabe and Ito's
// blue, orange and vermilion, told apart with any colour vision.
const std::array<QColor, 4> kColours{QColor(Qt::black), QColor(0x00, 0x72, 0xB2),
                                     QColor(0xE6, 0x9F, 0x00), QColor(0xD5, 0x5E, 0x00)};
const QColor kMarkerColour(0x55, 0x55, 0x55);

QString Text(std::string_view text) { return FromUtf8(text); }

QString Title() { return Text("提前还款试算 - ") + Text(WindowCaption()); }

double Seconds(year_month_day day) {
  const QDate date(int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())));
  return static_cast<double>(date.startOfDay(Qt::UTC).toSecsSinceEpoch());
}

year_month_day DayOf(double seconds) {
  const QDate date = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(seconds), Qt::UTC).date();
  return std::chrono::year{date.year()} / date.month() / date.day();
}

// A number typed, in so many places: nothing where the field is empty or
// does not read as one.
std::optional<std::int64_t> Figure(const QLineEdit* field, int places) {
  return ReadDecimal(field->text().toStdString(), places);
}

// The balance owed on a day by a column's figures: the last balance on or
// before it.
std::optional<Fen> BalanceOn(const TrialColumn& column, year_month_day day) {
  std::optional<Fen> owed;
  for (const auto& [when, balance] : column.balances) {
    if (when > day) {
      break;
    }
    owed = balance;
  }
  return owed;
}

}  // namespace

PrepaymentWindow::PrepaymentWindow(LoanDocument* document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
  setObjectName(QStringLiteral("planner"));
  setWindowTitle(Title());
  setAccessibleName(Title());
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  resize(kWidth, kHeight);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateInputs());
  table_ = new QTableWidget(static_cast<int>(kTrialFigures.size()), kColumns, this);
  table_->setObjectName(QStringLiteral("trialColumns"));
  table_->setAccessibleName(Text("试算结果"));
  table_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QStringList ways;
  for (const std::string_view way : kTrialWays) {
    ways << Text(way);
  }
  ways << Text("反推");
  table_->setHorizontalHeaderLabels(ways);
  QStringList figures;
  for (const std::string_view figure : kTrialFigures) {
    figures << Text(figure);
  }
  table_->setVerticalHeaderLabels(figures);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setColumnHidden(kGoal, true);
  CompactRows(table_);
  table_->verticalHeader()->show();  // the figures' names
  table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() +
                         table_->verticalHeader()->defaultSectionSize() *
                             static_cast<int>(kTrialFigures.size()) +
                         2 * table_->frameWidth());
  layout->addWidget(table_);

  auto* takeRow = new QHBoxLayout;
  takeRow->addStretch(1);
  const std::array<const char*, kColumns> takes{nullptr, "采用“缩短期限”", "采用“减少月供”",
                                                "采用“反推”"};
  for (int column = kShorter; column < kColumns; ++column) {
    auto* button = new QPushButton(Text(takes.at(static_cast<std::size_t>(column))), this);
    button->setObjectName(QStringLiteral("take%1").arg(column));
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this,
            [this, column] { Take(static_cast<Column>(column)); });
    takeRow->addWidget(button);
    take_.at(static_cast<std::size_t>(column)) = button;
  }
  take_.at(kGoal)->setVisible(false);
  layout->addLayout(takeRow);
  layout->addWidget(CreateGoals());

  earnings_ = new QLabel(this);
  earnings_->setObjectName(QStringLiteral("earnings"));
  CaptionResults(earnings_, Text("若这笔钱不还贷"));
  earnings_->setWordWrap(true);
  earnings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(earnings_);
  notes_ = new QLabel(this);
  notes_->setObjectName(QStringLiteral("trialNotes"));
  CaptionResults(notes_, Text("说明"));
  notes_->setWordWrap(true);
  layout->addWidget(notes_);
  layout->addWidget(CreateChart(), 1);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("trialStatus"));
  CaptionResults(status_, Text("状态"));
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(status_);

  connect(AddWindowCommand(this, Text("复制图表"), QKeySequence::Copy), &QAction::triggered, this,
          &PrepaymentWindow::CopyPicture);
  auto* exportRow = new QHBoxLayout;
  exportRow->addStretch(1);
  QPushButton* exportButton = AddCommandButton(
      this, this, Text("导出…"), QKeySequence(Qt::CTRL | Qt::Key_E), [this] { Export(); });
  exportButton->setObjectName(QStringLiteral("trialExport"));
  exportRow->addWidget(exportButton);
  layout->addLayout(exportRow);
  connect(document_, &LoanDocument::changed, this, &PrepaymentWindow::Recompute);
  AddUndoCommands(this, document_->UndoStack());
  Recompute();
}

PrepaymentWindow::~PrepaymentWindow() {
  for (NumericField* field : findChildren<NumericField*>()) {
    field->SetHandlers({}, {});
  }
}

NumericField* PrepaymentWindow::Field(const char* id, const QString& caption, const QString& text,
                                      bool optional) {
  auto* field = new NumericField(text, this);
  field->setObjectName(QLatin1String(id));
  field->setAccessibleName(caption);
  field->SetHandlers(RefuseOtherKeys, [this, field, optional] {
    // What cannot be read is repaired as the history's fields repair it;
    // a field that may be empty is left empty.
    const std::string typed = field->text().toStdString();
    if (NeedsRepair(typed) && !(optional && typed.empty())) {
      field->setText(FromUtf8(kRepairedNumber));
      Recompute();
    }
  });
  connect(field, &QLineEdit::textEdited, this, &PrepaymentWindow::Recompute);
  return field;
}

QWidget* PrepaymentWindow::CreateInputs() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto place = [box, grid](int row, int column, std::string_view caption, QWidget* field) {
    auto* label = new QLabel(Text(caption), box);
    label->setBuddy(field);
    grid->addWidget(label, row, column * 2);
    grid->addWidget(field, row, column * 2 + 1);
    return label;
  };
  const QString dayPattern = QStringLiteral("[0-9-]{0,10}");
  day_ = new QLineEdit(box);
  day_->setObjectName(QStringLiteral("trialDay"));
  day_->setAccessibleName(Text("还款日期"));
  day_->setValidator(new QRegularExpressionValidator(QRegularExpression(dayPattern), day_));
  day_->setPlaceholderText(QStringLiteral("2027-01-15"));
  connect(day_, &QLineEdit::textEdited, this, &PrepaymentWindow::Recompute);
  amount_ = Field("trialAmount", Text("金额（万元）"), {}, true);
  repeat_ = new QComboBox(box);
  repeat_->setObjectName(QStringLiteral("trialRepeat"));
  repeat_->setAccessibleName(Text("重复"));
  for (const std::string_view repeat : kRepeatNames) {
    repeat_->addItem(Text(repeat));
  }
  until_ = new QLineEdit(box);
  until_->setObjectName(QStringLiteral("trialUntil"));
  until_->setAccessibleName(Text("重复至"));
  until_->setValidator(new QRegularExpressionValidator(QRegularExpression(dayPattern), until_));
  until_->setPlaceholderText(Text("还清"));
  connect(until_, &QLineEdit::textEdited, this, &PrepaymentWindow::Recompute);
  connect(repeat_, &QComboBox::currentIndexChanged, this, [this](int index) {
    until_->setEnabled(index > 0);
    Recompute();
  });
  until_->setEnabled(false);
  part_ = new QComboBox(box);
  part_->setObjectName(QStringLiteral("trialPart"));
  part_->setAccessibleName(Text("部分"));
  part_->addItems({Text(ViewName(SheetView::Main)), Text(ViewName(SheetView::Fund))});
  connect(part_, &QComboBox::currentIndexChanged, this, [this] {
    day_->clear();  // the other part's first payment day after today
    Recompute();
  });
  yield_ = Field("trialYield", Text("理财年化收益率（%）"), {}, true);

  place(0, 0, "还款日期", day_);
  place(0, 1, "金额（万元）", amount_);
  place(0, 2, "重复", repeat_);
  place(0, 3, "重复至", until_);
  partLabel_ = place(1, 0, "部分", part_);
  place(1, 1, "理财年化收益率（%）", yield_);
  grid->setColumnStretch(8, 1);
  return box;
}

QWidget* PrepaymentWindow::CreateGoals() {
  auto* box = new QGroupBox(Text("反推"), this);
  auto* grid = new QGridLayout(box);
  byYear_ = Field("goalYear", Text("还清年份"), {}, true);
  byMonth_ = Field("goalMonth", Text("还清月份"), {}, true);
  payment_ = Field("goalPayment", Text("月供上限（元）"), {}, true);
  const int yearWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
  byYear_->setMaximumWidth(yearWidth);
  byMonth_->setMaximumWidth(yearWidth);
  auto* in = new QLabel(Text("在"), box);
  in->setBuddy(byYear_);
  auto* year = new QLabel(Text("年"), box);
  year->setBuddy(byMonth_);
  auto* ask = new QLabel(Text("月前还清，需在还款日期提前还款多少（缩短期限）"), box);
  auto* repaidBy = new QPushButton(Text("反推"), box);
  repaidBy->setObjectName(QStringLiteral("askRepaidBy"));
  repaidBy->setAccessibleName(Text("反推还清所需金额"));
  connect(repaidBy, &QPushButton::clicked, this, [this] { Ask(Goal::RepaidBy); });
  auto* down = new QLabel(Text("月供降到"), box);
  down->setBuddy(payment_);
  auto* below = new QLabel(Text("元以下，需提前还款多少（减少月供）"), box);
  auto* paymentAtMost = new QPushButton(Text("反推"), box);
  paymentAtMost->setObjectName(QStringLiteral("askPayment"));
  paymentAtMost->setAccessibleName(Text("反推月供所需金额"));
  connect(paymentAtMost, &QPushButton::clicked, this, [this] { Ask(Goal::PaymentAtMost); });
  for (NumericField* field : {byYear_, byMonth_}) {
    connect(field, &QLineEdit::returnPressed, this, [this] { Ask(Goal::RepaidBy); });
  }
  connect(payment_, &QLineEdit::returnPressed, this, [this] { Ask(Goal::PaymentAtMost); });
  grid->addWidget(in, 0, 0);
  grid->addWidget(byYear_, 0, 1);
  grid->addWidget(year, 0, 2);
  grid->addWidget(byMonth_, 0, 3);
  grid->addWidget(ask, 0, 4);
  grid->addWidget(repaidBy, 0, 5);
  grid->addWidget(down, 1, 0);
  grid->addWidget(payment_, 1, 1, 1, 3);
  grid->addWidget(below, 1, 4);
  grid->addWidget(paymentAtMost, 1, 5);
  grid->setColumnStretch(4, 1);
  return box;
}

QWidget* PrepaymentWindow::CreateChart() {
  plot_ = new QCustomPlot(this);
  plot_->setObjectName(QStringLiteral("trialChart"));
  plot_->setAccessibleName(Text("剩余本金图"));
  plot_->setFocusPolicy(Qt::StrongFocus);
  plot_->setMouseTracking(true);
  plot_->installEventFilter(this);
  plot_->setMinimumHeight(220);
  const QFont font = WindowFont();
  for (QCPAxis* axis : {plot_->xAxis, plot_->yAxis}) {
    axis->setLabelFont(font);
    axis->setTickLabelFont(font);
  }
  auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
  ticker->setDateTimeFormat(QStringLiteral("yyyy"));
  ticker->setDateTimeSpec(Qt::UTC);
  plot_->xAxis->setTicker(ticker);
  plot_->yAxis->setLabel(Text("剩余本金（元）"));
  for (int column = 0; column < kColumns; ++column) {
    QCPGraph* graph = plot_->addGraph();
    const auto name = column == kGoal ? std::string_view("反推") : kTrialWays.at(column);
    graph->setName(Text(name));
    graph->setLineStyle(QCPGraph::lsStepLeft);
    graph->setPen(QPen(kColours.at(static_cast<std::size_t>(column)), 2,
                       column == kGoal ? Qt::DashLine : Qt::SolidLine));
    balances_.at(static_cast<std::size_t>(column)) = graph;
  }
  dayLine_ = new QCPItemStraightLine(plot_);
  dayLine_->setPen(QPen(kMarkerColour, 1, Qt::DotLine));
  marker_ = new QCPItemStraightLine(plot_);
  marker_->setPen(QPen(kMarkerColour, 1, Qt::DashLine));
  marker_->setVisible(false);
  plot_->legend->setVisible(true);
  plot_->legend->setFont(font);
  plot_->legend->setBorderPen(Qt::NoPen);
  plot_->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
  connect(plot_, &QCustomPlot::mouseMove, this, &PrepaymentWindow::MarkDayAt);
  return plot_;
}

void PrepaymentWindow::keyPressEvent(QKeyEvent* event) {
  if (!CloseOnEscape(this, event)) {
    QWidget::keyPressEvent(event);
  }
}

bool PrepaymentWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plot_ && event->type() == QEvent::Leave) {
    marker_->setVisible(false);
    plot_->replot();
  }
  return QWidget::eventFilter(watched, event);
}

void PrepaymentWindow::Say(const QString& words) { status_->setText(words); }

void PrepaymentWindow::Recompute() {
  if (document_ == nullptr) {
    return;  // the history is closing, its loan gone first
  }
  const LoanFile& loan = document_->Loan();
  const bool combined = loan.texts.combined;
  part_->setVisible(combined);
  partLabel_->setVisible(combined);
  const SheetPart part = combined && part_->currentIndex() == 1 ? SheetPart::Fund : SheetPart::Main;
  trial_.reset();
  columns_ = {};
  typed_.reset();
  QString problem;
  const auto terms = ReadContractTexts(loan.texts, document_->Today());
  if (!terms) {
    problem = FromUtf8(ProblemWords(terms.Failure()));
  } else {
    if (day_->text().isEmpty()) {
      // The first payment day after today.
      const LoanSheet& sheet = document_->Sheet();
      const auto at = static_cast<std::size_t>(part);
      if (at < sheet.months.size()) {
        for (const HistoryRow& row : sheet.months[at]) {
          if (row.number > 0 && row.due > document_->Today()) {
            day_->setText(FromUtf8(DayText(row.due)));
            break;
          }
        }
      }
    }
    const auto day = ReadDay(day_->text().toStdString());
    if (!day) {
      problem = Text("还款日期应写成 2027-01-15 这样");
    } else {
      auto trial = PrepaymentTrial::Of(*terms, loan.choices, document_->Fixings(), part, *day,
                                       &document_->Sheet());
      if (trial) {
        trial_ = *std::move(trial);
        columns_[kAsItStands] = trial_->AsItStands();
        typed_ = Typed(*trial_, problem);
      } else {
        problem = FromUtf8(TrialProblemWords(trial.Failure()));
      }
    }
  }
  if (typed_) {
    for (const Column column : {kShorter, kLower}) {
      auto figures = trial_->With(*typed_, column == kShorter);
      if (figures) {
        columns_.at(column) = *std::move(figures);
      } else {
        problem = FromUtf8(TrialProblemWords(figures.Failure()));
      }
    }
  }
  for (int column = kAsItStands; column < kGoal; ++column) {
    ShowColumn(static_cast<Column>(column), columns_.at(static_cast<std::size_t>(column)));
  }
  QString goal;
  if (trial_) {
    goal = ShowGoal(*trial_);
  } else {
    ShowColumn(kGoal, std::nullopt);
  }
  ShowEarnings(typed_);
  QStringList notes;
  if (trial_) {
    for (const std::string& note : trial_->Notes()) {
      notes << FromUtf8(note);
    }
  }
  notes_->setText(notes.join(QChar('\n')));
  notes_->setVisible(!notes.isEmpty());
  if (!problem.isEmpty()) {
    Say(problem);
  } else if (typed_ && columns_[kShorter] && columns_[kShorter]->repaid &&
             typed_->amount >= trial_->Owed()) {
    Say(Text("金额不少于所欠的 %1 元：这笔提前还款一次还清")
            .arg(FromUtf8(YuanText(trial_->Owed()))));
  } else {
    Say(goal);
  }
  DrawChart();
}

std::optional<TrialPrepayment> PrepaymentWindow::Typed(const PrepaymentTrial& trial,
                                                       QString& problem) const {
  if (amount_->text().isEmpty()) {
    return std::nullopt;
  }
  TrialPrepayment prepayment;
  prepayment.day = trial.Day();
  prepayment.amount = Figure(amount_, kTenThousandPlaces).value_or(0);
  prepayment.repeat = static_cast<BorrowerEvent::Repeat>(repeat_->currentIndex());
  if (prepayment.repeat != BorrowerEvent::Repeat::Once && !until_->text().isEmpty()) {
    prepayment.until = ReadDay(until_->text().toStdString());
    if (!prepayment.until) {
      problem = Text("重复至应写成 2030-01-15 这样，或留空表示直到还清");
      return std::nullopt;
    }
  }
  return prepayment;
}

void PrepaymentWindow::ShowColumn(Column column, const std::optional<TrialColumn>& figures) {
  const auto texts =
      figures ? std::optional(TrialFigureTexts(*figures, column == kAsItStands)) : std::nullopt;
  for (std::size_t row = 0; row < kTrialFigures.size(); ++row) {
    auto* cell = new QTableWidgetItem(texts ? FromUtf8(texts->at(row)) : QString());
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(static_cast<int>(row), column, cell);
  }
  if (QPushButton* take = take_.at(column)) {
    take->setEnabled(figures.has_value());
  }
}

QString PrepaymentWindow::ShowGoal(const PrepaymentTrial& trial) {
  goalAmount_.reset();
  QString words;
  std::optional<Outcome<GoalAnswer, GoalMiss>> answer;
  if (goal_ == Goal::RepaidBy) {
    const auto year = Figure(byYear_, 0);
    const auto month = Figure(byMonth_, 0);
    if (!year || !month || *month < 1 || *month > 12 || *year > 9999) {
      words = Text("请填写还清的年份和月份（1 至 12）");
    } else {
      answer = trial.RepaidBy(std::chrono::year{static_cast<int>(*year)} /
                              std::chrono::month{static_cast<unsigned>(*month)});
    }
  } else if (goal_ == Goal::PaymentAtMost) {
    const auto payment = Figure(payment_, kYuanPlaces);
    if (!payment) {
      words = Text("请填写月供上限（元）");
    } else {
      answer = trial.PaymentAtMost(*payment);
    }
  }
  const bool shown = answer && answer->HasValue();
  if (answer && !shown) {
    words = FromUtf8(GoalMissWords(answer->Failure(), trial));
  }
  if (shown) {
    goalAmount_ = (*answer)->amount;
    columns_[kGoal] = (*answer)->column;
    const QString way = Text(goal_ == Goal::RepaidBy ? "缩短期限" : "减少月供");
    table_->horizontalHeaderItem(kGoal)->setText(Text("反推：") + way);
    words = Text("反推：在 %1 提前还款 %2 元（%3）")
                .arg(FromUtf8(DayText(trial.Day())), FromUtf8(YuanText(*goalAmount_)), way);
  }
  table_->setColumnHidden(kGoal, !shown);
  take_.at(kGoal)->setVisible(shown);
  ShowColumn(kGoal, columns_[kGoal]);
  return words;
}

void PrepaymentWindow::ShowEarnings(const std::optional<TrialPrepayment>& prepayment) {
  const auto yearly = Figure(yield_, kRatePlaces);
  QString line;
  if (yearly && prepayment && columns_[kShorter]) {
    line = prepayment->repeat == BorrowerEvent::Repeat::Once
               ? FromUtf8(EarningsLine(prepayment->amount, Percent{*yearly}, *columns_[kShorter]))
               : Text("重复还款时不作此比较");
  }
  earnings_->setText(line);
  earnings_->setVisible(!line.isEmpty());
}

void PrepaymentWindow::DrawChart() {
  for (int column = 0; column < kColumns; ++column) {
    QCPGraph* graph = balances_.at(static_cast<std::size_t>(column));
    const auto& figures = columns_.at(static_cast<std::size_t>(column));
    QVector<double> days;
    QVector<double> owed;
    if (figures) {
      for (const auto& [day, balance] : figures->balances) {
        days << Seconds(day);
        owed << static_cast<double>(balance) / 100.0;
      }
    }
    graph->setData(days, owed, true);
    graph->setVisible(figures.has_value());
    if (figures) {
      graph->addToLegend();
    } else {
      graph->removeFromLegend();
    }
  }
  if (trial_) {
    const double day = Seconds(trial_->Day());
    dayLine_->point1->setCoords(day, 0);
    dayLine_->point2->setCoords(day, 1);
  }
  dayLine_->setVisible(trial_.has_value());
  plot_->rescaleAxes(true);
  plot_->yAxis->setRangeLower(0);
  plot_->replot();
}

void PrepaymentWindow::MarkDayAt(const QMouseEvent* event) {
  if (!columns_[kAsItStands]) {
    return;
  }
  const double x = plot_->xAxis->pixelToCoord(event->position().x());
  const year_month_day day = DayOf(x);
  marker_->point1->setCoords(x, 0);
  marker_->point2->setCoords(x, 1);
  marker_->setVisible(true);
  plot_->replot();
  QStringList owed;
  for (int column = 0; column < kColumns; ++column) {
    const auto& figures = columns_.at(static_cast<std::size_t>(column));
    if (const auto balance = figures ? BalanceOn(*figures, day) : std::nullopt) {
      owed << balances_.at(static_cast<std::size_t>(column))->name() + QChar(' ') +
                  FromUtf8(YuanText(*balance)) + Text(" 元");
    }
  }
  if (!owed.isEmpty()) {
    Say(FromUtf8(DayText(day)) + Text("剩余本金：") + owed.join(Text("，")));
  }
}

void PrepaymentWindow::Ask(Goal goal) {
  goal_ = goal;
  Recompute();
}

void PrepaymentWindow::Take(Column column) {
  if (!trial_ || document_ == nullptr) {
    return;
  }
  std::optional<BorrowerEvent> row;
  if (column == kGoal && goalAmount_) {
    row = trial_->Row({trial_->Day(), *goalAmount_}, goal_ == Goal::RepaidBy);
  } else if ((column == kShorter || column == kLower) && typed_) {
    row = trial_->Row(*typed_, column == kShorter);
  }
  if (!row) {
    return;
  }
  goal_ = Goal::None;
  amount_->clear();
  // The history takes the row, and the planner follows the loan it changed.
  document_->Edit(LoanDocument::kChoices,
                  [&row](LoanFile& loan) { loan.choices.borrowerEvents.push_back(*row); });
  Say(Text("已加入贷款历程：%1 提前还款 %2 元，%3")
          .arg(FromUtf8(DayText(row->day)), FromUtf8(YuanText(row->amount)),
               FromUtf8(ModeName(row->shortenTerm))));
}

void PrepaymentWindow::CopyPicture() { CopyPlotPicture(plot_); }

void PrepaymentWindow::Export() {
  std::vector<std::pair<std::string, TrialColumn>> shown;
  for (int column = 0; column < kColumns; ++column) {
    if (const auto& figures = columns_.at(static_cast<std::size_t>(column))) {
      shown.emplace_back(table_->horizontalHeaderItem(column)->text().toStdString(), *figures);
    }
  }
  if (shown.empty()) {
    Say(Text("没有可导出的试算结果"));
    return;
  }
  const ExportOutcome outcome = ExportSheets(this, Text("提前还款试算"), {TrialSheet(shown)});
  if (outcome.kind == ExportOutcome::Kind::Failed) {
    QMessageBox::warning(this, Title(), outcome.words);
    Say(outcome.words);
  } else if (outcome.kind == ExportOutcome::Kind::Written) {
    Say(outcome.words);
  }
}

}  // namespace quorvane
