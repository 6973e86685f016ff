// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "files/file_problem.h"
#include "plan/plan_cells.h"
#include "plan/plan_columns.h"
#include "sheet/contract_texts.h"
#include "text/outcome.h"

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
  // The LPR fixings the borrower typed, carried with the loan to another
  // computer; the loan's own state keeps none (they are the computer's).
  std::vector<LprFixing> fixings;
  bool operator==(const LoanFile&) const = default;
};

// The suffix of the file, and the version of its format this program writes.
inline constexpr std::string_view kLoanFileSuffix = "quorvane";
// 2: the fund part's own first rate; 3: Quorvane's changes moved to the bank's
// day; 4: LPR loans from the start, the conversion as chosen, a cut's tier;
// 5: a prepayment repeated each year or each month.
inline constexpr int kLoanFileVersion = 5;

QByteArray WriteLoanFile(const LoanFile& file);

// The file read, or why it cannot be: broken, truncated, written by a newer
// Quorvane, or not a Quorvane file at all.
Outcome<LoanFile, FileProblem> ReadLoanFile(const QByteArray& bytes);

}  // namespace quorvane
