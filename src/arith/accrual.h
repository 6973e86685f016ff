// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "arith/loan_fields.h"

// The rate-change section's arithmetic: one stretch of months repaid on the
// current terms, then an optional prepayment. The principal of the stretch is
// added to the principal repaid, its months to the months repaid, and its
// amount is logged as one line.
namespace quorvane {

struct StretchTexts {
  LoanTexts loan;               // the left-hand fields
  std::string_view months;      // months repaid on the current terms
  std::string_view prepayment;  // 万元, paid at the end of the stretch
  std::string_view log;         // the lines of the stretches before
};

// The three texts a stretch writes back.
struct AccrualTexts {
  std::string principalRepaid;
  std::string monthsRepaid;
  std::string log;
};

// Under the equal-payment method each month is repaid on the current payment.
// Nothing when a field it reads is not a number, the months repaid have
// reached the term or a figure runs out of range: then nothing may change.
std::optional<AccrualTexts> AccrueEqualPayment(const StretchTexts& texts);

// Under the equal-principal method every month repays the same share, so the
// stretch repays its months times that share, whatever the rate: the rate
// and discount are not read.
std::optional<AccrualTexts> AccrueEqualPrincipal(const StretchTexts& texts);

}  // namespace quorvane
