// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/rate_selection.h"

#include "arith/number_rules.h"
#include "arith/number_text.h"

namespace quorvane {

namespace {

// The row of the table, or nothing when the row is outside it (-1: no row
// selected).
std::optional<RateRow> CheckedRow(std::span<const RateRow> table, int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= table.size()) {
    return std::nullopt;
  }
  return table[static_cast<std::size_t>(row)];
}

}  // namespace

std::optional<std::string> RateForTerm(std::span<const RateRow> table, int row,
                                       std::string_view termText) {
  const auto term = FieldNumber(termText);
  const auto rates = CheckedRow(table, row);
  if (!term || !rates) {
    return std::nullopt;
  }
  return NumberText(*term <= kShortTermMonths ? rates->shortTermRate : rates->longTermRate);
}

std::optional<RateTexts> SelectRate(std::span<const RateRow> table, int row,
                                    std::string_view termText) {
  const auto rates = CheckedRow(table, row);
  auto rate = RateForTerm(table, row, termText);
  if (!rates || !rate) {
    return std::nullopt;
  }
  return RateTexts{std::move(*rate), NumberText(rates->discount)};
}

}  // namespace quorvane
