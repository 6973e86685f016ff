// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/plan_file.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "files/file_bytes.h"
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

Outcome<PlanCells, FileProblem> ReadPlanFile(const QString& path, const QString& xlsHelper) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (kWorkbookSuffixes.contains(suffix)) {
    return ReadWorkbook(path, xlsHelper);
  }
  const auto read = ReadFileBytes(path);
  if (!read) {
    return read.Failure();
  }
  const std::string text = DecodePlanText(*read).toStdString();
  return SplitPlanText(text, suffix == QLatin1String("csv") ? CellSplit::Csv : CellSplit::Guess);
}

QStringList PlanFileSuffixes() {
  return QStringList{QStringLiteral("csv"), QStringLiteral("txt")} + WorkbookSuffixes();
}

QString PlanFileFilter() {
  QStringList patterns;
  for (const QString& suffix : PlanFileSuffixes()) {
    patterns << QStringLiteral("*.") + suffix;
  }
  return QStringLiteral("银行还款计划 (") + patterns.join(QChar(' ')) +
         QStringLiteral(");;所有文件 (*)");
}

}  // namespace quorvane
