// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>
#include <vector>

#include "history/loan_history.h"
#include "report_shape.h"

namespace quorvane::fuzzing {

// A part's months as the bank computes them: nothing negative, ending at
// 0.00, the principal summing to what was lent.
inline void CheckPart(const std::vector<HistoryRow>& rows, Fen lent, std::string_view where) {
  Check(!rows.empty(), "a part has months", where);
  Fen repaid = 0;
  for (const HistoryRow& row : rows) {
    Check(row.month.balance >= 0 && row.month.principal >= 0 && row.month.interest >= 0,
          "nothing negative", where);
    repaid += row.month.principal;
  }
  Check(rows.back().month.balance == 0, "ends at 0.00", where);
  Check(repaid == lent, "the principal sums to the amount", where);
}

}  // namespace quorvane::fuzzing
