// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "arith/loan_fields.h"

namespace quorvane::testing {

// The loan fields' texts, the full reset's loan unless a test changes them.
struct LoanFieldTexts {
  std::string amount = "25.7";
  std::string rate = "7.2";
  std::string discount = "8.5";
  std::string term = "360";
  std::string principalRepaid = "0";
  std::string monthsRepaid = "0";

  [[nodiscard]] LoanTexts Texts() const {
    return {amount, rate, discount, term, principalRepaid, monthsRepaid};
  }
};

}  // namespace quorvane::testing
