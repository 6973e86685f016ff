// The whole Calculate on the real offscreen window: from the click on "计 算"
// until Text2 holds the report.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
