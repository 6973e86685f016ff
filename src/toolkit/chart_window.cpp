// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/chart_window.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "toolkit/appearance.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

// Okabe and Ito's blue and orange: told apart with any colour vision, and
// dark against light when printed in grey; the balance line is black.
const QColor kPrincipalColour(0x00, 0x72, 0xB2);
const QColor kInterestColour(0xE6, 0x9F, 0x00);
const QColor kBalanceColour(Qt::black);
const QColor kMarkerColour(0x55, 0x55, 0x55);
// The rate black and dashed: apart from the blue and orange bars, and from
// the balance's solid line.
const QColor kRateColour(Qt::black);

constexpr int kChartWidth = 800;
constexpr int kChartHeight = 520;
constexpr int kMonthsPerPage = 12;

void UseFont(QCPAxis* axis, const QFont& font) {
  axis->setLabelFont(font);
  axis->setTickLabelFont(font);
}

QCPBars* MonthBars(QCustomPlot* plot, std::string_view name, const QColor& colour) {
  auto* bars = new QCPBars(plot->xAxis, plot->yAxis);
  bars->setName(FromUtf8(name));
  bars->setPen(Qt::NoPen);
  bars->setBrush(colour);
  bars->setWidth(1);  // one month wide: the months touch, like a filled area
  bars->setStackingGap(0);
  bars->setAntialiased(false);  // no light seams between the months
  return bars;
}

// A range that shows zero and leaves a little room above the highest figure.
void IncludeZeroWithHeadroom(QCPAxis* axis) {
  QCPRange range = axis->range();
  range.lower = std::min(range.lower, 0.0);
  range.upper = std::max(range.upper, 0.0);
  const double room = range.size() > 0 ? range.size() * 0.05 : 1.0;
  axis->setRange(range.lower, range.upper + room);
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(FromUtf8(ChartWindowTitle()));
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  resize(kChartWidth, kChartHeight);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  plot_ = new QCustomPlot(this);
  plot_->setObjectName(QStringLiteral("chart"));
  plot_->setFocusPolicy(Qt::StrongFocus);
  plot_->setMouseTracking(true);
  plot_->setAccessibleName(FromUtf8(kChartName));
  plot_->installEventFilter(this);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("status"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(plot_, 1);
  layout->addWidget(status_);
  SetUpPlot();
  connect(plot_, &QCustomPlot::mouseMove, this, &ChartWindow::MarkMonthAt);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::SetUpPlot() {
  const QFont font = WindowFont();
  for (QCPAxis* axis : {plot_->xAxis, plot_->yAxis, plot_->yAxis2}) {
    UseFont(axis, font);
  }
  plot_->xAxis->setLabel(FromUtf8(kMonthHeadings[0]));
  plot_->yAxis->setLabel(FromUtf8(kMonthHeadings[1]));
  plot_->yAxis2->setLabel(FromUtf8(kBalanceHeading));
  plot_->yAxis2->setVisible(true);

  principal_ = MonthBars(plot_, WithoutUnit(kMonthHeadings[2]), kPrincipalColour);
  interest_ = MonthBars(plot_, WithoutUnit(kMonthHeadings[3]), kInterestColour);
  interest_->moveAbove(principal_);
  balance_ = plot_->addGraph(plot_->xAxis, plot_->yAxis2);
  balance_->setName(FromUtf8(WithoutUnit(kBalanceHeading)));
  balance_->setPen(QPen(kBalanceColour, 2));

  marker_ = new QCPItemStraightLine(plot_);
  marker_->setPen(QPen(kMarkerColour, 1, Qt::DashLine));
  marker_->setVisible(false);

  // The legend in a row of its own under the axes, clear of the figures.
  plot_->legend->setVisible(true);
  plot_->legend->setFont(font);
  plot_->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
  plot_->legend->setBorderPen(Qt::NoPen);
  auto* legendRow = new QCPLayoutGrid;
  plot_->plotLayout()->addElement(1, 0, legendRow);
  plot_->plotLayout()->setRowStretchFactor(1, 0.001);
  legendRow->addElement(0, 0, plot_->legend);
  legendRow->setMargins(QMargins(0, 0, 0, 4));
}

void ChartWindow::ShowReport(const ReportTable& table, std::optional<double> owedYuan) {
  ShowFigures(FiguresOf(table, owedYuan));
}

// The rate's axis and its step line, made the first time figures have a rate.
void ChartWindow::SetUpRateLine() {
  rateAxis_ = plot_->axisRect()->addAxis(QCPAxis::atRight);
  UseFont(rateAxis_, WindowFont());
  rateAxis_->setLabel(FromUtf8(kRateHeading));
  rate_ = plot_->addGraph(plot_->xAxis, rateAxis_);
  rate_->setName(FromUtf8(WithoutUnit(kRateHeading)));
  rate_->setLineStyle(QCPGraph::lsStepLeft);
  rate_->setPen(QPen(kRateColour, 2, Qt::DashLine));
  changes_ = plot_->addGraph(plot_->xAxis, rateAxis_);
  changes_->setLineStyle(QCPGraph::lsNone);
  changes_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, kRateColour, Qt::white, 7));
  changes_->removeFromLegend();
}

void ChartWindow::DrawRates() {
  if (figures_.rates.empty() && rate_ == nullptr) {
    return;
  }
  if (rate_ == nullptr) {
    SetUpRateLine();
  }
  QVector<double> periods;
  QVector<double> rates;
  QVector<double> changePeriods;
  QVector<double> changeRates;
  for (std::size_t m = 0; m < figures_.rates.size() && figures_.plottable; ++m) {
    periods << figures_.months.at(m).period;
    rates << figures_.rates[m];
  }
  for (const std::size_t m : figures_.changes) {
    if (m < static_cast<std::size_t>(rates.size())) {
      changePeriods << periods.at(static_cast<qsizetype>(m));
      changeRates << rates.at(static_cast<qsizetype>(m));
    }
  }
  rate_->setData(periods, rates);
  changes_->setData(changePeriods, changeRates);
  rateAxis_->setVisible(!rates.isEmpty());
  rate_->setVisible(!rates.isEmpty());
  rateAxis_->rescale();
  IncludeZeroWithHeadroom(rateAxis_);
}

void ChartWindow::ShowFigures(ChartFigures figures) {
  figures_ = std::move(figures);
  marked_.reset();
  Draw();
  show();
  raise();
  activateWindow();
  plot_->setFocus(Qt::OtherFocusReason);
}

void ChartWindow::Draw() {
  summary_->setText(FromUtf8(figures_.summary));
  plot_->setAccessibleDescription(summary_->text());
  status_->setText(FromUtf8(figures_.plottable ? kChartKeysHint : kOutOfChartRange));
  marker_->setVisible(false);

  QVector<double> periods;
  QVector<double> principal;
  QVector<double> interest;
  QVector<double> balance;
  if (figures_.plottable) {
    const auto count = static_cast<qsizetype>(figures_.months.size());
    periods.reserve(count);
    principal.reserve(count);
    interest.reserve(count);
    balance.reserve(count);
    for (const ChartMonth& month : figures_.months) {
      periods << month.period;
      principal << month.principal;
      interest << month.interest;
      balance << static_cast<double>(*month.balanceFen) / 100;
    }
  }
  principal_->setData(periods, principal);
  interest_->setData(periods, interest);
  balance_->setData(periods, balance);
  plot_->rescaleAxes();
  IncludeZeroWithHeadroom(plot_->yAxis);
  IncludeZeroWithHeadroom(plot_->yAxis2);
  DrawRates();
  plot_->replot();
}

void ChartWindow::MarkMonth(std::size_t month) {
  if (month >= figures_.months.size()) {
    return;
  }
  marked_ = month;
  status_->setText(MonthStatus(month));
  if (figures_.plottable) {
    const double period = figures_.months[month].period;
    marker_->point1->setCoords(period, 0);
    marker_->point2->setCoords(period, 1);
    marker_->setVisible(true);
    plot_->replot(QCustomPlot::rpQueuedReplot);
  }
}

void ChartWindow::MarkMonthAt(const QMouseEvent* event) {
  if (figures_.months.empty() || !figures_.plottable) {
    return;
  }
  const double period = plot_->xAxis->pixelToCoord(event->position().x());
  const auto nearest = std::min_element(
      figures_.months.begin(), figures_.months.end(), [period](const auto& a, const auto& b) {
        return std::fabs(a.period - period) < std::fabs(b.period - period);
      });
  const auto month = static_cast<std::size_t>(nearest - figures_.months.begin());
  if (marked_ != month) {
    MarkMonth(month);
  }
  QToolTip::showText(event->globalPosition().toPoint(), MonthStatus(month), plot_);
}

QString ChartWindow::MonthStatus(std::size_t month) const {
  return FromUtf8(MonthLine(figures_, month));
}

bool ChartWindow::MoveMarker(int key) {
  const auto last = static_cast<long long>(figures_.months.size()) - 1;
  const long long at = marked_ ? static_cast<long long>(*marked_) : -1;
  long long to = at;
  switch (key) {
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = last;
      break;
    case Qt::Key_Right:
      to = at + 1;
      break;
    case Qt::Key_Left:
      to = marked_ ? at - 1 : last;
      break;
    case Qt::Key_PageDown:
      to = marked_ ? at + kMonthsPerPage : 0;
      break;
    case Qt::Key_PageUp:
      to = marked_ ? at - kMonthsPerPage : last;
      break;
    default:
      return false;
  }
  if (last >= 0) {
    MarkMonth(static_cast<std::size_t>(std::clamp(to, 0LL, last)));
  }
  return true;
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plot_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
    if (plain && MoveMarker(key->key())) {
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Esc and Ctrl+C reach the window from whichever of its parts has the focus.
void ChartWindow::keyPressEvent(QKeyEvent* event) {
  if (CloseOnEscape(this, event)) {
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    CopyPicture();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void ChartWindow::CopyPicture() { CopyPlotPicture(plot_); }

void CopyPlotPicture(QCustomPlot* plot) {
  const QImage picture = plot->toPixmap().toImage();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  auto* data = new QMimeData;
  data->setImageData(picture);
  data->setData(QStringLiteral("image/png"), png);
  QApplication::clipboard()->setMimeData(data);
}

void ChartView::Open(const ViewRequest& request) {
  if (window_ == nullptr) {
    window_ = new ChartWindow(box_->window());
  }
  window_->ShowReport(*request.report, request.owedYuan);
}

}  // namespace quorvane
