// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rates/rate_tables.h"

// Filling the rate fields from a row of a rate table.
namespace quorvane {

// The benchmark rate text for the term: the short-term rate for a term of at
// most 60 months, the long-term rate above. Nothing when the term is not a
// number or the row is outside the table.
std::optional<std::string> RateForTerm(std::span<const RateRow> table, int row,
                                       std::string_view termText);

// What a selected row writes: the rate for the term and the row's discount.
struct RateTexts {
  std::string rate;
  std::string discount;
};

std::optional<RateTexts> SelectRate(std::span<const RateRow> table, int row,
                                    std::string_view termText);

}  // namespace quorvane
