// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/loan_end.h"

#include "arith/number_rules.h"

namespace quorvane {

bool LoanRepaid(std::string_view monthsRepaid, std::string_view term,
                std::string_view principalRepaid, std::string_view amount) {
  const auto months = FieldNumber(monthsRepaid);
  const auto termMonths = FieldNumber(term);
  const auto principal = FieldNumber(principalRepaid);
  const auto amountLent = FieldNumber(amount);
  const bool monthsReached = months && termMonths && *months - *termMonths >= 0;
  const bool principalReached = principal && amountLent && *principal - *amountLent * 10000 >= 0;
  return monthsReached || principalReached;
}

}  // namespace quorvane
