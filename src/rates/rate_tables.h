// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string_view>

// The state's benchmark annual rates by adjustment date, 2005 to 2008, as the
// two rate lists show them: one row a list item, in list order.
namespace quorvane {

struct RateRow {
  std::string_view item;  // "08.12.23后下限": the date, 后 after it or 前 before it
  float shortTermRate;    // % per year, for a term of at most 60 months
  float longTermRate;     // % per year, for a longer term
  float discount;         // 折: 10 is the listed rate, 11 ten percent above it
};

// Terms up to this many months take the short-term rate.
inline constexpr double kShortTermMonths = 60;

// Commercial loans, with the upper and lower limits of each date. A new
// adjustment is a new row at the end; everything else follows the data.
// One row a line, as the table reads.
// clang-format off
inline constexpr auto CommercialRates = std::to_array<RateRow>({
    {"06.4.28后上限", 6.12F, 6.39F, 10.0F},
    {"06.4.28后下限", 5.51F, 5.75F, 10.0F},
    {"06.8.19后上限", 6.48F, 6.84F, 10.0F},
    {"06.8.19后下限", 5.51F, 5.81F, 10.0F},
    {"07.3.18后上限", 6.75F, 7.11F, 10.0F},
    {"07.3.18后下限", 5.74F, 6.04F, 10.0F},
    {"07.5.19后", 6.93F, 7.2F, 10.0F},
    {"07.7.21后", 7.2F, 7.38F, 10.0F},
    {"07.8.22后", 7.38F, 7.56F, 10.0F},
    {"07.9.15后", 7.65F, 7.83F, 10.0F},
    {"07.12.21后基准", 7.74F, 7.83F, 10.0F},
    {"07.12.21后上限", 7.74F, 7.83F, 11.0F},
    {"07.12.21后下限", 7.74F, 7.83F, 8.5F},
    {"08.9.16后基准", 7.56F, 7.74F, 10.0F},
    {"08.9.16后上限", 7.56F, 7.74F, 11.0F},
    {"08.9.16后下限", 7.56F, 7.74F, 8.5F},
    {"08.10.9后基准", 7.29F, 7.47F, 10.0F},
    {"08.10.9后上限", 7.29F, 7.47F, 11.0F},
    {"08.10.9后下限", 7.29F, 7.47F, 8.5F},
    {"08.10.27后基准", 7.29F, 7.47F, 10.0F},
    {"08.10.27后上限", 7.29F, 7.47F, 11.0F},
    {"08.10.27后下限", 7.29F, 7.47F, 7.0F},
    {"08.10.30后基准", 7.02F, 7.2F, 10.0F},
    {"08.10.30后上限", 7.02F, 7.2F, 11.0F},
    {"08.10.30后下限", 7.02F, 7.2F, 7.0F},
    {"08.11.27后基准", 5.94F, 6.12F, 10.0F},
    {"08.11.27后上限", 5.94F, 6.12F, 11.0F},
    {"08.11.27后下限", 5.94F, 6.12F, 7.0F},
    {"08.12.23后基准", 5.76F, 5.94F, 10.0F},
    {"08.12.23后上限", 5.76F, 5.94F, 11.0F},
    {"08.12.23后下限", 5.76F, 5.94F, 7.0F},
});
// clang-format on

// Housing provident fund loans.
// One row a line, as the table reads.
// clang-format off
inline constexpr auto FundRates = std::to_array<RateRow>({
    {"05.1.1前", 3.6F, 4.05F, 10.0F},
    {"05.1.1后", 3.78F, 4.23F, 10.0F},
    {"05.3.17后", 3.96F, 4.41F, 10.0F},
    {"06.5.8后", 4.14F, 4.59F, 10.0F},
    {"07.3.18后", 4.32F, 4.77F, 10.0F},
    {"07.5.19后", 4.41F, 4.86F, 10.0F},
    {"07.7.21后", 4.5F, 4.95F, 10.0F},
    {"07.8.22后", 4.59F, 5.04F, 10.0F},
    {"07.9.15后", 4.77F, 5.22F, 10.0F},
    {"08.9.16后", 4.59F, 5.13F, 10.0F},
    {"08.10.9后", 4.32F, 4.86F, 10.0F},
    {"08.11.27后", 3.51F, 4.05F, 10.0F},
    {"08.12.23后", 3.33F, 3.87F, 10.0F},
});
// clang-format on

// The row start-up selects: the newest lower limit of the commercial list.
constexpr std::size_t NewestLowerLimitRow() {
  for (std::size_t row = CommercialRates.size(); row-- > 0;) {
    if (CommercialRates.at(row).item.ends_with("下限")) {
      return row;
    }
  }
  return CommercialRates.size() - 1;
}

// The table paired with a rate list: 0 the commercial list, any other the
// provident-fund list.
std::span<const RateRow> RateTable(int list);

}  // namespace quorvane
