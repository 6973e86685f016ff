// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/plan_workbook.h"

namespace quorvane {

Outcome<PlanCells, FileProblem> ReadWorkbook(const QString& path, const QString& /*xlsHelper*/) {
  return FileProblem{FileProblem::Kind::NoWorkbooks, path};
}

QStringList WorkbookSuffixes() { return {}; }

}  // namespace quorvane
