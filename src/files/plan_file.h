// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "files/file_problem.h"
#include "plan/plan_text.h"
#include "text/outcome.h"

// A bank's plan from the file its online banking exported or the borrower
// saved: text (.csv, .txt) in UTF-8, with or without a byte order mark, or
// in GB18030, as Chinese Windows writes it; a spreadsheet's first sheet
// (.xls, .xlsx).
namespace quorvane {

// The file's cells, of the kind its suffix names; .xls through the helper
// program quorvane-xls at `xlsHelper`.
Outcome<PlanCells, FileProblem> ReadPlanFile(const QString& path, const QString& xlsHelper);

// Text as banks' files hold it: UTF-8 (a byte order mark dropped) where it
// is valid UTF-8, else GB18030.
QString DecodePlanText(const QByteArray& bytes);

// The suffixes of the files this build reads a plan from: csv, txt and the
// workbooks it reads.
QStringList PlanFileSuffixes();

// The filter of the open dialog: "银行还款计划 (*.csv *.txt *.xls *.xlsx)".
QString PlanFileFilter();

}  // namespace quorvane
