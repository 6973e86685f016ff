// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFileInfo>

#include "files/plan_workbook.h"

namespace quorvane {

PlanFile ReadWorkbook(const QString& path, const QString& /*xlsHelper*/) {
  return {{},
          QStringLiteral("此版本的 Quorvane 不能读取 %1 这样的 Excel 工作簿：请在表格软件中把它"
                         "另存为 CSV（.csv）文件再打开，或复制其中的还款计划后粘贴")
              .arg(QFileInfo(path).fileName())};
}

QStringList WorkbookSuffixes() { return {}; }

}  // namespace quorvane
