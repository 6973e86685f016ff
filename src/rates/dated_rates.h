// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <chrono>
#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>

// The dated rates a running loan met from 2004 to 2026: the state's benchmark
// lending rates, the housing provident fund's rates and the five-year loan
// prime rate. Rates are exact decimals, as banks write them.
namespace quorvane {

using std::chrono::year_month_day;

// A rate in % per year to four decimal places, exactly: 6.6555 % is 66555.
// Four places hold every rate a contract's multiple makes of the tables
// (7.83 × 8.5 折 = 6.6555) and every LPR spread (−0.635).
struct Percent {
  std::int64_t tenThousandths = 0;
  auto operator<=>(const Percent&) const = default;
};

// 6.12_pct: the literal's own digits, so no binary fraction comes between the
// table and the rate.
consteval Percent operator""_pct(const char* text) {
  std::int64_t value = 0;
  int places = -1;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '.' && places < 0) {
      places = 0;
    } else if (*c >= '0' && *c <= '9' && places < 4) {
      value = value * 10 + (*c - '0');
      places += places >= 0 ? 1 : 0;
    } else {
      throw std::invalid_argument("a rate has digits and at most four places");
    }
  }
  for (int p = places < 0 ? 0 : places; p < 4; ++p) {
    value *= 10;
  }
  return Percent{value};
}

// One change of a table: from this day on, new loans took these rates.
struct RateChange {
  year_month_day effective;
  Percent shortTerm;  // terms of at most 60 months: 3–5 years, 1–5 years from 2014-11-22
  Percent longTerm;   // longer terms
};

using namespace std::chrono_literals;

// Commercial loans. 2008-10-27 changed no benchmark (only the home loans'
// floor) and has no row.
// clang-format off
inline constexpr auto CommercialBenchmarks = std::to_array<RateChange>({
    {2004y / 10 / 29, 5.85_pct, 6.12_pct},
    {2006y / 4 / 28, 6.12_pct, 6.39_pct},
    {2006y / 8 / 19, 6.48_pct, 6.84_pct},
    {2007y / 3 / 18, 6.75_pct, 7.11_pct},
    {2007y / 5 / 19, 6.93_pct, 7.20_pct},
    {2007y / 7 / 21, 7.20_pct, 7.38_pct},
    {2007y / 8 / 22, 7.38_pct, 7.56_pct},
    {2007y / 9 / 15, 7.65_pct, 7.83_pct},
    {2007y / 12 / 21, 7.74_pct, 7.83_pct},
    {2008y / 9 / 16, 7.56_pct, 7.74_pct},
    {2008y / 10 / 9, 7.29_pct, 7.47_pct},
    {2008y / 10 / 30, 7.02_pct, 7.20_pct},
    {2008y / 11 / 27, 5.94_pct, 6.12_pct},
    {2008y / 12 / 23, 5.76_pct, 5.94_pct},
    {2010y / 10 / 20, 5.96_pct, 6.14_pct},
    {2010y / 12 / 26, 6.22_pct, 6.40_pct},
    {2011y / 2 / 9, 6.45_pct, 6.60_pct},
    {2011y / 4 / 6, 6.65_pct, 6.80_pct},
    {2011y / 7 / 7, 6.90_pct, 7.05_pct},
    {2012y / 6 / 8, 6.65_pct, 6.80_pct},
    {2012y / 7 / 6, 6.40_pct, 6.55_pct},
    {2014y / 11 / 22, 6.00_pct, 6.15_pct},
    {2015y / 3 / 1, 5.75_pct, 5.90_pct},
    {2015y / 5 / 11, 5.50_pct, 5.65_pct},
    {2015y / 6 / 28, 5.25_pct, 5.40_pct},
    {2015y / 8 / 26, 5.00_pct, 5.15_pct},
    {2015y / 10 / 24, 4.75_pct, 4.90_pct},
});
// clang-format on

// Housing provident fund loans; the rows that left the rates unchanged stay,
// as the ministry announced them.
// clang-format off
inline constexpr auto FundBenchmarks = std::to_array<RateChange>({
    {2004y / 10 / 29, 3.78_pct, 4.23_pct},
    {2005y / 3 / 17, 3.96_pct, 4.41_pct},
    {2006y / 5 / 8, 4.14_pct, 4.59_pct},
    {2006y / 8 / 19, 4.14_pct, 4.59_pct},
    {2007y / 3 / 18, 4.32_pct, 4.77_pct},
    {2007y / 5 / 19, 4.41_pct, 4.86_pct},
    {2007y / 7 / 21, 4.50_pct, 4.95_pct},
    {2007y / 8 / 22, 4.59_pct, 5.04_pct},
    {2007y / 9 / 15, 4.77_pct, 5.22_pct},
    {2007y / 12 / 21, 4.77_pct, 5.22_pct},
    {2008y / 9 / 16, 4.59_pct, 5.13_pct},
    {2008y / 10 / 9, 4.32_pct, 4.86_pct},
    {2008y / 10 / 27, 4.05_pct, 4.59_pct},
    {2008y / 11 / 27, 3.51_pct, 4.05_pct},
    {2008y / 12 / 23, 3.33_pct, 3.87_pct},
    {2010y / 10 / 20, 3.50_pct, 4.05_pct},
    {2010y / 12 / 26, 3.75_pct, 4.30_pct},
    {2011y / 2 / 9, 4.00_pct, 4.50_pct},
    {2011y / 4 / 6, 4.20_pct, 4.70_pct},
    {2011y / 7 / 7, 4.45_pct, 4.90_pct},
    {2012y / 6 / 8, 4.20_pct, 4.70_pct},
    {2012y / 7 / 6, 4.00_pct, 4.50_pct},
    {2014y / 11 / 22, 3.75_pct, 4.25_pct},
    {2015y / 3 / 1, 3.50_pct, 4.00_pct},
    {2015y / 5 / 11, 3.25_pct, 3.75_pct},
    {2015y / 6 / 28, 3.00_pct, 3.50_pct},
    {2015y / 8 / 26, 2.75_pct, 3.25_pct},
    {2022y / 10 / 1, 2.60_pct, 3.10_pct},
    {2024y / 5 / 18, 2.35_pct, 2.85_pct},
    {2025y / 5 / 8, 2.10_pct, 2.60_pct},
});
// clang-format on

// The loan prime rates at the fixings that changed either tenor; every
// fixing between repeats the one above it.
struct LprFixing {
  year_month_day fixed;
  Percent oneYear;
  Percent fiveYear;
  bool operator==(const LprFixing&) const = default;
};

// Which LPR a loan is priced on: the 5-year (over 5 years) or the 1-year.
enum class LprTenor { FiveYear, OneYear };

// clang-format off
inline constexpr auto LprFixings = std::to_array<LprFixing>({
    {2019y / 8 / 20, 4.25_pct, 4.85_pct},
    {2019y / 9 / 20, 4.20_pct, 4.85_pct},
    {2019y / 11 / 20, 4.15_pct, 4.80_pct},
    {2020y / 2 / 20, 4.05_pct, 4.75_pct},
    {2020y / 4 / 20, 3.85_pct, 4.65_pct},
    {2021y / 12 / 20, 3.80_pct, 4.65_pct},
    {2022y / 1 / 20, 3.70_pct, 4.60_pct},
    {2022y / 5 / 20, 3.70_pct, 4.45_pct},
    {2022y / 8 / 22, 3.65_pct, 4.30_pct},
    {2023y / 6 / 20, 3.55_pct, 4.20_pct},
    {2023y / 8 / 21, 3.45_pct, 4.20_pct},
    {2024y / 2 / 20, 3.45_pct, 3.95_pct},
    {2024y / 7 / 22, 3.35_pct, 3.85_pct},
    {2024y / 10 / 21, 3.10_pct, 3.60_pct},
    {2025y / 5 / 20, 3.00_pct, 3.50_pct},
});
// clang-format on

// The fixings on another day than the 20th, or the Monday after a 20th that
// falls on a weekend: a holiday's.
inline constexpr auto LprFixingsMoved = std::to_array<year_month_day>({
    2026y / 2 / 24,
});

// The last fixing known to the program; later ones are not known, and the
// last value is taken for them.
inline constexpr year_month_day kLastKnownLprFixing = 2026y / 8 / 20;

// The change in force on a day: the newest one effective on or before it.
// Nothing before a table's first day.
std::optional<RateChange> RateInForce(std::span<const RateChange> table, year_month_day day);

// The rate of a change for a loan of this many months.
Percent RateForMonths(const RateChange& change, int termMonths);

// The LPR of a tenor at the newest fixing on or before a day; nothing
// before the first fixing.
std::optional<Percent> LprOn(year_month_day day, LprTenor tenor = LprTenor::FiveYear);

// A fixing's rate of a tenor.
constexpr Percent RateOfTenor(const LprFixing& fixing, LprTenor tenor) {
  return tenor == LprTenor::FiveYear ? fixing.fiveYear : fixing.oneYear;
}

// The tenor a term matches: the 5-year LPR over 5 years, else the 1-year.
LprTenor TenorForMonths(int termMonths);

// The day of a month's fixing: the 20th, or the working day after it.
year_month_day LprFixingDay(std::chrono::year_month month);

}  // namespace quorvane
