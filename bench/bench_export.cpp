// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 导出… of the history: the worked loan's months and its contract over 360
// and 1200 months, from the sheets to the file in its place, as .xlsx
// (through its helper) and as .csv. Budget: 200 ms for 1200 months as .xlsx.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "files/table_file.h"
#include "sheet/sheet_table.h"

namespace {

using namespace quorvane;

std::vector<TypedSheet> HistorySheets(int months) {
  ContractTexts texts;
  texts.months = std::to_string(months);
  const LoanSheet sheet = SheetOf(texts, {}, std::chrono::year{2026} / 12 / 8);
  return {MonthsSheet(ShownMonths(sheet, SheetView::Main)),
          ContractSheet(texts, SheetView::Main, sheet.events)};
}

void ExportXlsx(benchmark::State& state) {
  const QString helper = QStringLiteral(QUORVANE_XLSX_HELPER);
  if (helper.isEmpty()) {
    state.SkipWithError("this build writes no workbooks");
    return;
  }
  const auto sheets = HistorySheets(static_cast<int>(state.range(0)));
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("还款明细.xlsx"));
  for (auto _ : state) {
    if (WriteXlsx(path, sheets, helper)) {
      state.SkipWithError("not written");
      return;
    }
  }
}

void ExportCsv(benchmark::State& state) {
  const auto sheets = HistorySheets(static_cast<int>(state.range(0)));
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("还款明细.csv"));
  for (auto _ : state) {
    if (WriteCsv(path, sheets.front(), CsvEncoding::Utf8)) {
      state.SkipWithError("not written");
      return;
    }
  }
}

BENCHMARK(ExportXlsx)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportCsv)->Arg(360)->Arg(1200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
