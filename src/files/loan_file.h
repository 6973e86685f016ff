// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "history/bank_plan.h"
#include "history/history_sheet.h"

// The loan's history kept in a file of its own (.quorvane), to come back to
// each year when the loan is repriced: the contract as typed, the
// borrower's rows, Quorvane's rows switched off or edited, the options and
// the bank's plan. Small, readable JSON with a format version; read back
// exactly, so saving what was opened writes the same bytes.
namespace quorvane {

// The bank's plan as the borrower brought it, and the meaning they chose
// for each column (none where the plan's own headings or sums say).
struct KeptPlan {
  PlanCells cells;
  std::vector<PlanColumn> chosen;
  bool operator==(const KeptPlan&) const = default;
};

struct LoanFile {
  ContractTexts texts;
  SheetView view = SheetView::Main;
  SheetChoices choices;
  KeptPlan plan;
  bool operator==(const LoanFile&) const = default;
};

// The suffix of the file, and the version of its format this program writes.
inline constexpr std::string_view kLoanFileSuffix = "quorvane";
inline constexpr int kLoanFileVersion = 1;

QByteArray WriteLoanFile(const LoanFile& file);

// The file read, or why it cannot be: broken, truncated, written by a newer
// Quorvane, or not a Quorvane file at all, in the window's words.
struct ReadLoan {
  std::optional<LoanFile> file;
  QString problem;
};
ReadLoan ReadLoanFile(const QByteArray& bytes);

// Writes the bytes to the path in one step: until the new file is
// complete the old one stays as it was, and no half-written file is ever
// left. An empty text when it worked, else what failed.
QString SaveFileAtomically(const QString& path, const QByteArray& bytes);

// The file's bytes, or what kept them from being read.
struct FileBytes {
  QByteArray bytes;
  QString problem;
};
FileBytes ReadFileBytes(const QString& path);

}  // namespace quorvane
