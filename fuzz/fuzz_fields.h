// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "arith/accrual.h"
#include "arith/loan_fields.h"

// Fuzz input as the window's fields: the texts of amount, rate, discount,
// term, principal repaid, months repaid, months of the stretch and prepayment,
// one a line, then whatever follows as the stretch log.
namespace quorvane::fuzzing {

struct FuzzFields {
  std::array<std::string, 8> fields;
  std::string log;

  [[nodiscard]] LoanTexts Loan() const {
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
  }
  [[nodiscard]] StretchTexts Stretch() const { return {Loan(), fields[6], fields[7], log}; }
};

inline FuzzFields SplitFields(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  FuzzFields parsed;
  for (std::string& field : parsed.fields) {
    const auto end = input.find('\n');
    field = std::string(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
  }
  parsed.log = std::string(input);
  return parsed;
}

}  // namespace quorvane::fuzzing
