// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <vector>

#include "history/bank_arithmetic.h"
#include "rates/dated_rates.h"

// How the state's rate changes reached a running home loan: the benchmark
// repricings until 2020, the conversion to LPR plus a fixed spread, the
// yearly LPR repricings and the spread cuts of 2023 and 2024.
namespace quorvane {

enum class LoanKind { Commercial, Fund };

// When a change reaches a running loan: 次年1月1日, 对月对日, 次月.
enum class Repricing { NextJanuary, Anniversary, ChangeDay };

// How a bank may count a month's interest in days, where the month is not
// one whole month at one rate: across a rate change (分段计息) and from the
// grant day to the first payment day. A day's rate is the year's ⁄ 360 or ⁄ 365.
struct DayInterest {
  bool acrossChange = false;
  bool firstMonth = false;
  int daysInYear = kDaysInYears[0];
  auto operator<=>(const DayInterest&) const = default;
};

// The spread cuts: from its day a spread above the cap became the cap, on
// the LPR of the last repricing. Banks in some cities cut to other caps.
struct SpreadCut {
  year_month_day day;
  Percent cap;
};
inline constexpr std::array<SpreadCut, 2> kSpreadCuts{{
    {std::chrono::year{2023} / 9 / 25, Percent{0}},
    {std::chrono::year{2024} / 10 / 25, Percent{-3'000}},
}};

// The cut of that day, if there is one.
std::optional<std::size_t> SpreadCutOn(year_month_day day);

// The first day a commercial loan was priced on the LPR from the start.
inline constexpr year_month_day kFirstLprGrantDay = std::chrono::year{2019} / 10 / 8;

// The days a commercial loan granted before could become an LPR loan, the
// first of them the day it did unless the borrower says otherwise.
inline constexpr year_month_day kLprConversionDay = std::chrono::year{2020} / 3 / 1;
inline constexpr year_month_day kLastConversionDay = std::chrono::year{2020} / 8 / 31;

// What the borrower chose in 2020: LPR plus a fixed spread, or the rate
// then, fixed to the end.
enum class Conversion { LprSpread, Fixed };

// Which fixing a repricing takes: the latest published strictly before its
// day (最近一次公布, the central bank's "最近一个月"), or the one of the month
// before its month (上月公布).
enum class LprReading { LatestPublished, MonthBefore };

// What a borrower could change of an LPR loan from 2024-11-01, each from its
// day: a new spread (加点调整), a repricing cycle of 3, 6 or 12 months
// (重定价周期), a fixed rate turned into LPR plus a spread (转为 LPR 加点).
struct LprRow {
  enum class Kind { Spread, Cycle, ToLpr };
  Kind kind = Kind::Spread;
  year_month_day day;
  Percent spread;        // Spread, ToLpr
  int cycleMonths = 12;  // Cycle
  auto operator<=>(const LprRow&) const = default;
};

struct Contract {
  LoanKind kind = LoanKind::Commercial;
  year_month_day granted = std::chrono::year{2007} / 6 / 15;
  int paymentDay = 15;  // 1 to 28
  int months = 240;
  int discountTenths = 85;  // 折 × 10: 85 is 8.5 折, the contract's multiple
  Percent firstRate{61'200};
  Repricing repricing = Repricing::NextJanuary;
  // The cap of each spread cut; nothing where the cut is switched off or
  // does not reach the loan.
  std::array<std::optional<Percent>, kSpreadCuts.size()> spreadCaps{kSpreadCuts[0].cap,
                                                                    kSpreadCuts[1].cap};
  // The rate the loan ran at on the day it became an LPR loan, where it was
  // not the tables' (the bank's own notice said otherwise): its spread is
  // measured from it.
  std::optional<Percent> rateOnConversion;
  DayInterest byDays;
  // Priced on the LPR from the start: the tenor (定价基准) and the spread (加点).
  LprTenor tenor = LprTenor::FiveYear;
  Percent spread;
  // Granted before: the day it was converted in 2020, and how.
  year_month_day conversionDay = kLprConversionDay;
  Conversion conversion = Conversion::LprSpread;
  bool firstHome = true;  // the 2023 cut was for first homes only
  LprReading reading = LprReading::LatestPublished;
  std::vector<LprRow> lprRows;  // by day
  // The fixings the borrower typed, published after the last one known, by day.
  std::vector<LprFixing> ownFixings;
};

// The last fixing a loan knows of: the borrower's last, else the tables'.
LprFixing LastFixing(const Contract& contract);

// Whether a contract was priced on the LPR from the start.
bool PricedOnLpr(const Contract& contract);

// The tenor of the LPR a loan follows: its contract's where it was priced on
// the LPR from the start, else the one its original term matches.
LprTenor TenorOf(const Contract& contract);

// The spread a cut sets for a loan (its tier), or nothing where the cut
// does not reach it: 2023's for first homes granted by 2023-08-31, at +0
// before 2022-05-15 and −20 after; 2024's for every home granted before
// its day, at −30.
std::optional<Percent> CutTier(std::size_t cut, const Contract& contract);

// The day the k-th payment is due: the payment day of the k-th month after
// the grant month.
year_month_day PaymentDay(const Contract& contract, int k);

// The table's rate on the grant day times the contract's multiple. Nothing
// before the tables begin, and nothing for a commercial loan granted from
// kFirstLprGrantDay on, which was priced on the LPR from the start.
std::optional<Percent> FirstRate(LoanKind kind, year_month_day granted, int months,
                                 int discountTenths);

// The first rate of a loan priced on the LPR from the start: the latest
// fixing of its tenor on or before its grant, plus its spread.
std::optional<Percent> LprFirstRate(year_month_day granted, LprTenor tenor, Percent spread);

// The LPR converted loans were measured against: December 2019's of the
// tenor their term matches.
Percent ConversionLpr(LprTenor tenor);

enum class RateEventKind {
  Benchmark,      // a benchmark change reached the loan
  LprConversion,  // the rate kept, now LPR + spread
  LprRepricing,   // the yearly repricing at the LPR + spread
  SpreadCap,      // the spread cut to a cap
  FixedRate,      // the rate kept, fixed to the end
  LprRowTaken,    // a row of the borrower's (LprRow) took effect
};

struct RateEvent {
  year_month_day effective;  // the rate holds for payments due after this day
  RateEventKind kind = RateEventKind::Benchmark;
  Percent rate;             // the loan's rate from here
  Percent base;             // the benchmark or the LPR the rate is made of
  year_month_day baseDay;   // the benchmark change that set the rate, or the LPR fixing
  Percent spread;           // LPR loans: the spread from here
  bool lprAssumed = false;  // the fixing is later than the last one known
  // Benchmark: how many changes of the rate since the last repricing, and the
  // first of them; several reach a loan on one repricing day.
  int adjustments = 1;
  year_month_day firstAdjustment;
  // LprRowTaken: the borrower's row, its index in the contract's.
  std::size_t lprRow = 0;
  bool ownFixing = false;  // the fixing is one the borrower typed
};

// Every change of the loan's rate from the first rate to its last payment,
// in date order. Repricings that leave the rate as it was are not events; the
// conversion to LPR is, though it keeps the rate.
std::vector<RateEvent> RateEvents(const Contract& contract);

}  // namespace quorvane
