// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "plan/plan_cells.h"

// A bank's plan as the borrower brings it as text: pasted from online
// banking, a spreadsheet or a PDF viewer, or a text file's contents.
namespace quorvane {

// How the text's rows split into cells.
enum class CellSplit {
  Guess,  // by tabs where there are any, else as CSV where it looks like CSV, else at blanks
  Csv,    // commas, with double quotes around a cell that holds one
  Tabs,   // at every tab: a spreadsheet's cells, as JoinPlanCells writes them
};

// The text split into rows of cells; empty lines are kept as rows without
// cells. The program's own report is read as a plan with headings.
PlanCells SplitPlanText(std::string_view text, CellSplit split = CellSplit::Guess);

}  // namespace quorvane
