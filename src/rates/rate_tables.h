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

// Commercial loans, with the upper and lower limits of each date.
extern const std::array<RateRow, 31> CommercialRates;

// Housing provident fund loans.
extern const std::array<RateRow, 13> FundRates;

// The table paired with a rate list: 0 the commercial list, any other the
// provident-fund list.
std::span<const RateRow> RateTable(int list);

}  // namespace quorvane
