// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole Calculate on the real offscreen window: from the click on "计 算"
// until Text2 holds the report.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "toolkit/form_window.h"

namespace {

void Calculate(benchmark::State& state) {
  quorvane::FormWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    state.SkipWithError("window not shown");
    return;
  }
  window.findChild<QLineEdit*>(QStringLiteral("Text1(3)"))
      ->setText(QString::number(state.range(0)));
  auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  const auto* report = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
  for (auto _ : state) {
    QTest::mouseClick(calculate, Qt::LeftButton);
    QApplication::processEvents();  // the box lays out and paints what it shows
    benchmark::DoNotOptimize(report->document()->blockCount());
  }
  if (report->document()->blockCount() < state.range(0)) {
    state.SkipWithError("no report in Text2");
  }
}

BENCHMARK(Calculate)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// A report of the given term in the box, on a shown window.
bool ShowReport(quorvane::FormWindow& window, benchmark::State& state) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    state.SkipWithError("window not shown");
    return false;
  }
  window.findChild<QLineEdit*>(QStringLiteral("Text1(3)"))
      ->setText(QString::number(state.range(0)));
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  return true;
}

// "复制为表格": from the shortcut until the clipboard holds the table.
void CopyAsTable(benchmark::State& state) {
  quorvane::FormWindow window;
  if (!ShowReport(window, state)) {
    return;
  }
  auto* report = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
  report->setFocus();
  for (auto _ : state) {
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    benchmark::DoNotOptimize(QApplication::clipboard()->mimeData()->html().size());
  }
}

BENCHMARK(CopyAsTable)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// "打印…": from the shortcut until the preview dialog shows the pages.
void PrintPreview(benchmark::State& state) {
  quorvane::FormWindow window;
  if (!ShowReport(window, state)) {
    return;
  }
  auto* report = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
  int previews = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window.activateWindow();  // back from the dialog, as a user's window is
    if (!QTest::qWaitForWindowActive(&window)) {
      break;
    }
    report->setFocus();
    state.ResumeTiming();
    QTimer::singleShot(0, [&previews] {
      if (auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ++previews;
        preview->reject();
      }
    });
    QTest::keyClick(report, Qt::Key_P, Qt::ControlModifier);
  }
  if (previews != state.iterations()) {
    state.SkipWithError("the preview did not open every time");
  }
}

BENCHMARK(PrintPreview)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// The yardstick for 打印…: Qt's own print preview of one page with one line.
void QtPrintPreviewOfOneLine(benchmark::State& state) {
  QPrinter printer(QPrinter::HighResolution);
  for (auto _ : state) {
    QPrintPreviewDialog preview(&printer);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [](QPrinter* target) {
      QPainter painter(target);
      painter.drawText(100, 100, QStringLiteral("第1期:1560.73元"));
    });
    QTimer::singleShot(0, &preview, &QDialog::reject);
    preview.exec();
  }
}

BENCHMARK(QtPrintPreviewOfOneLine)->Unit(benchmark::kMillisecond);

// "图表…": from F11 in the report box until the chart window is shown and
// painted, a new window each time.
void Chart(benchmark::State& state) {
  quorvane::FormWindow window;
  if (!ShowReport(window, state)) {
    return;
  }
  auto* report = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
  int shown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (auto* chart = window.findChild<QWidget*>(QStringLiteral("chart"))) {
      chart->window()->close();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    window.activateWindow();  // back from the chart, as a user's window is
    if (!QTest::qWaitForWindowActive(&window)) {
      break;
    }
    report->setFocus();
    state.ResumeTiming();
    QTest::keyClick(report, Qt::Key_F11);
    auto* chart = window.findChild<QWidget*>(QStringLiteral("chart"));
    if (chart == nullptr) {
      break;
    }
    while (!chart->window()->windowHandle()->isExposed()) {
      QApplication::processEvents();
    }
    QApplication::processEvents();  // it lays out and paints
    ++shown;
  }
  if (shown != state.iterations()) {
    state.SkipWithError("the chart did not open every time");
  }
}

BENCHMARK(Chart)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// "贷款历程…": from F12 in the main window until the history of its loan is
// shown and painted, a new window each time.
void HistoryOpen(benchmark::State& state) {
  quorvane::FormWindow window;
  if (!ShowReport(window, state)) {
    return;
  }
  auto* amount = window.findChild<QLineEdit*>(QStringLiteral("Text1(0)"));
  int shown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (auto* history = window.findChild<QWidget*>(QStringLiteral("history"))) {
      history->deleteLater();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
      break;
    }
    amount->setFocus();
    state.ResumeTiming();
    QTest::keyClick(amount, Qt::Key_F12);
    auto* history = window.findChild<QWidget*>(QStringLiteral("history"));
    if (history == nullptr) {
      break;
    }
    while (!history->windowHandle()->isExposed()) {
      QApplication::processEvents();
    }
    QApplication::processEvents();  // it lays out and paints
    ++shown;
  }
  if (shown != state.iterations()) {
    state.SkipWithError("the history did not open every time");
  }
}

BENCHMARK(HistoryOpen)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// The history of the main window's loan opened with F12; nothing when it
// does not open.
QWidget* OpenedHistory(quorvane::FormWindow& window, benchmark::State& state) {
  if (!ShowReport(window, state)) {
    return nullptr;
  }
  QTest::keyClick(window.findChild<QLineEdit*>(QStringLiteral("Text1(0)")), Qt::Key_F12);
  auto* history = window.findChild<QWidget*>(QStringLiteral("history"));
  if (history == nullptr || !QTest::qWaitForWindowExposed(history)) {
    state.SkipWithError("no history window");
    return nullptr;
  }
  return history;
}

// An edit of the history's contract each time round, a new multiple typed
// over the old, until what it changed is painted.
void EditTheMultiple(QWidget* history, benchmark::State& state) {
  auto* discount = history->findChild<QLineEdit*>(QStringLiteral("discount"));
  discount->setFocus();
  bool eight = false;
  for (auto _ : state) {
    eight = !eight;
    QTest::keyClick(discount, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(discount, eight ? Qt::Key_8 : Qt::Key_7);
    QApplication::processEvents();  // the windows paint what they now hold
  }
}

// An edit of the history's contract until its tables are filled again and painted.
void HistoryEdit(benchmark::State& state) {
  quorvane::FormWindow window;
  if (QWidget* history = OpenedHistory(window, state)) {
    EditTheMultiple(history, state);
  }
}

BENCHMARK(HistoryEdit)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// An amount typed in 提前还款试算 over the history of the main window's loan,
// a digit over the last each time round, until the columns and the chart
// are computed and painted. Budget: 16 ms.
void PlannerTyping(benchmark::State& state) {
  quorvane::FormWindow window;
  QWidget* history = OpenedHistory(window, state);
  if (history == nullptr) {
    return;
  }
  QTest::keyClick(history, Qt::Key_T, Qt::ControlModifier);
  auto* planner = history->findChild<QWidget*>(QStringLiteral("planner"));
  if (planner == nullptr || !QTest::qWaitForWindowExposed(planner)) {
    state.SkipWithError("no planner");
    return;
  }
  auto* amount = planner->findChild<QLineEdit*>(QStringLiteral("trialAmount"));
  amount->setFocus();
  bool two = false;
  for (auto _ : state) {
    two = !two;
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(amount, two ? Qt::Key_2 : Qt::Key_3);
    QApplication::processEvents();
  }
}

BENCHMARK(PlannerTyping)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// The history open with its own table pasted as the bank's plan into
// 核对银行计划; nothing when a step fails.
QWidget* HistoryWithCheck(quorvane::FormWindow& window, benchmark::State& state) {
  QWidget* history = OpenedHistory(window, state);
  if (history == nullptr) {
    return nullptr;
  }
  QTest::keyClick(history, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(history, Qt::Key_B, Qt::ControlModifier);
  auto* check = history->findChild<QWidget*>(QStringLiteral("planCheck"));
  if (check == nullptr || !QTest::qWaitForWindowExposed(check)) {
    state.SkipWithError("no check window");
    return nullptr;
  }
  QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
  QApplication::processEvents();
  return history;
}

// An edit of the history's contract with the bank's plan open beside it:
// the history computed, the plan checked again, both painted.
void CheckRedrawn(benchmark::State& state) {
  quorvane::FormWindow window;
  if (QWidget* history = HistoryWithCheck(window, state)) {
    EditTheMultiple(history, state);
  }
}

BENCHMARK(CheckRedrawn)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

// Calls one of the history window's file commands with a file's path.
bool FileCommand(QWidget* history, const char* command, const QString& path) {
  bool done = false;
  QMetaObject::invokeMethod(history, command, Q_RETURN_ARG(bool, done), Q_ARG(QString, path));
  return done;
}

// 保存 (Ctrl+S with the file named) of the history with its bank's plan:
// the file written and synced to the disk.
void Save(benchmark::State& state) {
  quorvane::FormWindow window;
  QWidget* history = HistoryWithCheck(window, state);
  if (history == nullptr) {
    return;
  }
  const QString path = QDir::temp().filePath(QStringLiteral("quorvane-bench.quorvane"));
  bool saved = true;
  for (auto _ : state) {
    saved = FileCommand(history, "SaveTo", path) && saved;
    QApplication::processEvents();  // the title paints what it says
  }
  QFile::remove(path);
  if (!saved) {
    state.SkipWithError("not saved");
  }
}

// 打开 of a history with its bank's plan over one without: the file read,
// the history and the check shown and painted.
void Open(benchmark::State& state) {
  quorvane::FormWindow window;
  QWidget* history = HistoryWithCheck(window, state);
  if (history == nullptr) {
    return;
  }
  const QString withPlan = QDir::temp().filePath(QStringLiteral("quorvane-bench-plan.quorvane"));
  const QString without = QDir::temp().filePath(QStringLiteral("quorvane-bench.quorvane"));
  bool opened = FileCommand(history, "SaveTo", withPlan);
  for (QPushButton* button : history->findChildren<QPushButton*>()) {
    if (button->text() == QStringLiteral("清除")) {
      button->click();
    }
  }
  opened = FileCommand(history, "SaveTo", without) && opened;
  for (auto _ : state) {
    state.PauseTiming();
    opened = FileCommand(history, "OpenFrom", without) && opened;
    QApplication::processEvents();
    state.ResumeTiming();
    opened = FileCommand(history, "OpenFrom", withPlan) && opened;
    QApplication::processEvents();  // the windows paint what they show
  }
  QFile::remove(withPlan);
  QFile::remove(without);
  if (!opened) {
    state.SkipWithError("not opened");
  }
}

BENCHMARK(Save)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);
BENCHMARK(Open)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
