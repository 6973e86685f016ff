// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/plan_file.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "files/loan_file.h"
#include "files/plan_workbook.h"

namespace quorvane {

QString DecodePlanText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8);  // drops a byte order mark
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) {
    return text;
  }
  // A Qt without ICU knows no GB18030; on Windows its system code page is
  // then the one Chinese Windows writes its files in (936).
  QStringDecoder chinese("GB18030");
  return chinese.isValid() ? chinese.decode(bytes)
                           : QStringDecoder(QStringConverter::System).decode(bytes);
}

PlanFile ReadPlanFile(const QString& path, const QString& xlsHelper) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("xls") || suffix == QLatin1String("xlsx")) {
    return ReadWorkbook(path, xlsHelper);
  }
  const FileBytes read = ReadFileBytes(path);
  if (!read.problem.isEmpty()) {
    return {{}, read.problem};
  }
  const std::string text = DecodePlanText(read.bytes).toStdString();
  return {SplitPlanText(text, suffix == QLatin1String("csv") ? CellSplit::Csv : CellSplit::Guess),
          {}};
}

QString PlanFileFilter() {
  QString suffixes = QStringLiteral("*.csv *.txt");
  for (const QString& suffix : WorkbookSuffixes()) {
    suffixes += QStringLiteral(" *.") + suffix;
  }
  return QStringLiteral("银行还款计划 (") + suffixes + QStringLiteral(");;所有文件 (*)");
}

}  // namespace quorvane
