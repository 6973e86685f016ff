// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/rate_tables.h"

namespace quorvane {

std::span<const RateRow> RateTable(int list) {
  if (list == 0) {
    return CommercialRates;
  }
  return FundRates;
}

}  // namespace quorvane
