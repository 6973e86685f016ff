// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include "files/plan_file.h"

// A bank's plan from a spreadsheet's workbook: its first sheet. Where the
// build has the libraries for it (QuaZip for .xlsx, the helper quorvane-xls
// with FreeXL for .xls), they are read; where it has not, the borrower is
// told to save the plan as CSV. The build chooses which (QUORVANE_WORKBOOKS).
namespace quorvane {

// The suffixes of workbooks, whether or not this build reads them.
inline const QStringList kWorkbookSuffixes{QStringLiteral("xls"), QStringLiteral("xlsx")};

Outcome<PlanCells, FileProblem> ReadWorkbook(const QString& path, const QString& xlsHelper);

// The suffixes of the workbooks this build reads: all of them, or none.
QStringList WorkbookSuffixes();

}  // namespace quorvane
