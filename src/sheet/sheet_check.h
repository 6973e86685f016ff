// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "plan/plan_check.h"
#include "sheet/shown_months.h"

// Between the sheet and the check of a bank's plan: the months and facts the
// check takes, and an offer the borrower takes back into their choices.
namespace quorvane {

// The history of the view (a part, or both where the rate is not one) as
// the check takes it, from the months the view shows.
CheckedLoan CheckedLoanOf(const LoanSheet& sheet, const SheetChoices& choices, SheetView view,
                          const std::vector<ShownMonth>& shown);

// The offer taken into the borrower's choices, for the part checked.
// What a month of the check offers, taken into the contract or the choices.
void ApplyOffer(const PlanOffer& offer, SheetPart part, ContractTexts& texts,
                SheetChoices& choices);

// The check of a bank's plan against a sheet's part, or both; where the
// bank made another of an LPR loan's choices (the other fixing, the other
// repricing day, the batch conversion, another spread), the months that then
// agree say so and offer that choice.
PlanCheck CheckSheetPlan(const BankPlan& plan, const LoanSheet& sheet, const SheetChoices& choices,
                         SheetView view, const std::vector<ShownMonth>& shown,
                         const std::vector<LprFixing>& fixings);

}  // namespace quorvane
