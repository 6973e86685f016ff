// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/checked_loan.h"
#include "plan/plan_causes.h"

// The bank's plan beside the loan's history, month by month to the fen:
// which months agree, which differ and by how much, which months one has and
// the other lacks, and for each month that differs the cause the figures
// point to, with what the borrower can change to follow the bank.
namespace quorvane {

// A row of the side-by-side table: a month of both, or of one only.
struct CheckedMonth {
  int number = 0;           // 0 for a prepayment
  bool prepayment = false;  // a prepayment the plan lists, or the history has
  int after = 0;            // a prepayment's: the number of the month before it
  year_month_day due;
  MonthFigures bank;
  MonthFigures ours;
  std::array<Fen, kPlanFigures> difference{};  // the bank's less Quorvane's
  bool inPlan = false;
  bool inHistory = false;
  bool duplicate = false;  // a second row of the plan for a month it had
  std::string why;         // empty where they agree
  std::optional<PlanOffer> offer;

  [[nodiscard]] bool Agrees() const;
};

// Why nothing could be checked.
enum class PlanProblem {
  NoMonths,        // nothing that reads as a month
  NotAPlan,        // text with no column of dates or of figures
  ColumnsUnclear,  // figures, but which column is which is not settled
};

// The problem in the borrower's words.
std::string_view PlanProblemWords(PlanProblem problem);

struct PlanCheck {
  std::vector<CheckedMonth> months;
  std::string summary;             // 银行计划 240 期：与 Quorvane 一致 …
  std::vector<std::string> notes;  // what else the borrower should know of the plan
  std::optional<PlanProblem> problem;
};

// Why a plan read from cells cannot be checked at all, if it cannot.
std::optional<PlanProblem> UncheckablePlan(const BankPlan& plan);

PlanCheck CheckPlan(const BankPlan& plan, const CheckedLoan& loan);

}  // namespace quorvane
