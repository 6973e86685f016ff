// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/export_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "files/table_file.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

QString Text(std::string_view text) { return FromUtf8(text); }

}  // namespace

ExportOutcome ExportSheets(QWidget* window, const QString& name,
                           const std::vector<TypedSheet>& sheets) {
  const QString xlsx = Text("Excel 工作簿 (*.xlsx)");
  const QString utf8 = Text("CSV，UTF-8 (*.csv)");
  const QString gb18030 = Text("CSV，GB18030 (*.csv)");
  const QString helper = HelperPath(QStringLiteral(QUORVANE_XLSX_HELPER));
  const QStringList filters =
      helper.isEmpty() ? QStringList{utf8, gb18030} : QStringList{xlsx, utf8, gb18030};
  QString filter = filters.front();
  const QString suggested =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QChar('/') + name;
  QString chosen = QFileDialog::getSaveFileName(window, Text("导出"), suggested,
                                                filters.join(QStringLiteral(";;")), &filter);
  if (chosen.isEmpty() || sheets.empty()) {
    return {};
  }
  // A name's own suffix says the kind; else the filter chosen does.
  const bool namedCsv = chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
  const bool namedXlsx = chosen.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
  const bool workbook = !helper.isEmpty() && (namedXlsx || (!namedCsv && filter == xlsx));
  if (!namedCsv && !namedXlsx) {
    chosen += workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
  }
  const auto problem = workbook
                           ? WriteXlsx(chosen, sheets, helper)
                           : WriteCsv(chosen, sheets.front(),
                                      filter == gb18030 ? CsvEncoding::Gb18030 : CsvEncoding::Utf8);
  if (problem) {
    return {ExportOutcome::Kind::Failed, FileProblemWords(*problem)};
  }
  return {ExportOutcome::Kind::Written, Text("已导出：") + QDir::toNativeSeparators(chosen)};
}

}  // namespace quorvane
