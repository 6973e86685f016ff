// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "arith/loan_fields.h"

// The equal-principal method (等额本金): the principal still owed is repaid in
// equal monthly shares and each month's interest is charged on what is left,
// so the payment falls month by month.
namespace quorvane {

// The principal share of every remaining month, rounded to the fen.
float PrincipalShare(double principal, double months);

// The whole report: the totals first, then one line a month, numbered on from
// the months already repaid. Nothing when nothing is owed, no month is left,
// a field is not a number or a figure runs out of range.
std::optional<std::string> EqualPrincipalReport(const LoanTexts& texts);

}  // namespace quorvane
