// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/rate_events.h"

#include <algorithm>

namespace quorvane {

namespace {

using std::chrono::year;
using std::chrono::years;

std::span<const RateChange> TableOf(LoanKind kind) {
  return kind == LoanKind::Commercial ? std::span<const RateChange>(CommercialBenchmarks)
                                      : std::span<const RateChange>(FundBenchmarks);
}

// A table's rate times the contract's multiple, to four places, halves up.
Percent Discounted(Percent rate, int discountTenths) {
  return Percent{(rate.tenThousandths * discountTenths + 50) / 100};
}

// The same day some years later; 29 February falls on the 28th in other years.
year_month_day YearsLater(year_month_day day, int count) {
  const year_month_day later = day + years{count};
  return later.ok() ? later : year_month_day{later.year() / later.month() / std::chrono::last};
}

// The days a change can reach the loan, after `from` and before `until`.
std::vector<year_month_day> RepricingDays(const Contract& contract, year_month_day from,
                                          year_month_day until, bool changeDays) {
  std::vector<year_month_day> days;
  if (changeDays) {
    for (const RateChange& change : TableOf(contract.kind)) {
      if (change.effective > from && change.effective < until) {
        days.push_back(change.effective);
      }
    }
    return days;
  }
  for (int n = 1;; ++n) {
    const year_month_day day = contract.repricing == Repricing::Anniversary
                                   ? YearsLater(contract.granted, n)
                                   : year{int(contract.granted.year()) + n} / 1 / 1;
    if (day >= until) {
      return days;
    }
    if (day > from) {
      days.push_back(day);
    }
  }
}

// The LPR a repricing takes, and the month of its fixing.
struct LprAt {
  Percent rate;
  year_month_day month;  // the first day of the fixing's month
  bool assumed = false;
  bool own = false;  // a fixing the borrower typed
};

// An event on the LPR: a repricing, a cut, the borrower's row.
RateEvent LprEvent(year_month_day day, RateEventKind kind, Percent rate, const LprAt& lpr,
                   Percent spread, std::size_t row = 0) {
  return {day, kind, rate, lpr.rate, lpr.month, spread, lpr.assumed, 1, {}, row, lpr.own};
}

// The month of the newest fixing on or before a day.
std::chrono::year_month FixingMonthOn(year_month_day day) {
  const std::chrono::year_month month = day.year() / day.month();
  return LprFixingDay(month) <= day ? month : month - std::chrono::months{1};
}

LprAt LprFor(year_month_day repricing, const Contract& contract) {
  const std::chrono::year_month thisMonth = repricing.year() / repricing.month();
  const bool published = LprFixingDay(thisMonth) < repricing;
  const std::chrono::year_month fixingMonth =
      contract.reading == LprReading::LatestPublished && published
          ? thisMonth
          : thisMonth - std::chrono::months{1};
  const std::chrono::year_month lastKnown =
      kLastKnownLprFixing.year() / kLastKnownLprFixing.month();
  const LprTenor tenor = TenorOf(contract);
  LprAt at{LprOn(LprFixingDay(fixingMonth), tenor).value_or(ConversionLpr(tenor)),
           year_month_day{fixingMonth / 1}, fixingMonth > lastKnown};
  if (at.assumed) {
    // The borrower's newest fixing of that month or before, where there is one.
    for (const LprFixing& own : contract.ownFixings) {
      const std::chrono::year_month month = own.fixed.year() / own.fixed.month();
      if (month > lastKnown && month <= fixingMonth) {
        at.rate = RateOfTenor(own, tenor);
        at.own = true;
        at.assumed = month < fixingMonth;
      }
    }
  }
  return at;
}

// LPR plus the spread; a spread deeper than the LPR leaves no interest, not a
// negative one.
Percent LprPlus(Percent lpr, Percent spread) {
  return Percent{std::max<std::int64_t>(0, lpr.tenThousandths + spread.tenThousandths)};
}

// The changes of a term's rate after one day and on or before another,
// each the day it took effect; a row of the table that left it is none.
std::vector<year_month_day> Adjustments(std::span<const RateChange> table, int months,
                                        year_month_day after, year_month_day until) {
  std::vector<year_month_day> days;
  for (std::size_t i = 1; i < table.size(); ++i) {
    const bool changed = RateForMonths(table[i], months) != RateForMonths(table[i - 1], months);
    if (changed && table[i].effective > after && table[i].effective <= until) {
      days.push_back(table[i].effective);
    }
  }
  return days;
}

// The benchmark repricings from the grant day up to `until`, each with the
// change that set its rate and how many changes came since the last.
void AddBenchmarkEvents(const Contract& contract, year_month_day until, Percent& rate,
                        std::vector<RateEvent>& events) {
  const auto table = TableOf(contract.kind);
  year_month_day lastRepricing = contract.granted;
  for (const year_month_day day : RepricingDays(contract, contract.granted, until,
                                                contract.repricing == Repricing::ChangeDay)) {
    const auto change = RateInForce(table, day);
    const Percent base = RateForMonths(*change, contract.months);
    const Percent next = Discounted(base, contract.discountTenths);
    const auto adjustments = Adjustments(table, contract.months, lastRepricing, day);
    lastRepricing = day;
    if (next != rate && !adjustments.empty()) {
      rate = next;
      events.push_back({day,
                        RateEventKind::Benchmark,
                        rate,
                        base,
                        adjustments.back(),
                        {},
                        false,
                        static_cast<int>(adjustments.size()),
                        adjustments.front()});
    } else if (next != rate) {
      rate = next;  // a first rate the tables do not hold, undone on the first repricing
      events.push_back(
          {day, RateEventKind::Benchmark, rate, base, change->effective, {}, false, 1, {}});
    }
  }
}

// An LPR loan from its start (its grant, or its conversion): the spread and
// the LPR part until its first repricing, the first repricing strictly after
// `from`, then every cycle; the cuts and the borrower's new spreads on the
// LPR of the last repricing.
struct LprStart {
  year_month_day from;
  Percent spread;
  LprAt lpr;
};

// The repricing days after `from` and before `until`: every 12 months from
// the contract's day, and from a cycle row's day on, the last repricing day
// before it plus whole cycles.
std::vector<year_month_day> LprRepricingDays(const Contract& contract, year_month_day from,
                                             year_month_day until) {
  std::vector<year_month_day> days = RepricingDays(contract, from, until, false);
  for (const LprRow& row : contract.lprRows) {
    if (row.kind != LprRow::Kind::Cycle || row.day >= until) {
      continue;
    }
    const auto kept = std::lower_bound(days.begin(), days.end(), row.day);
    const year_month_day base = kept != days.begin() ? *(kept - 1)
                                : kept != days.end() ? *kept
                                                     : from;
    days.erase(kept, days.end());
    for (int k = 1;; ++k) {
      const year_month_day day = MonthsLater(base, k * row.cycleMonths);
      if (day >= until) {
        break;
      }
      if (day >= row.day && day > from) {
        days.push_back(day);
      }
    }
  }
  return days;
}

// What happens to an LPR loan on a day, in the order of a day: the
// repricing, then a cut, then the borrower's row.
struct LprMoment {
  year_month_day day;
  int order = 0;
  std::size_t index = 0;  // the cut's, or the borrower's row's
  auto operator<=>(const LprMoment&) const = default;
};
constexpr int kRepricing = 0;
constexpr int kCut = 1;
constexpr int kBorrowersSpread = 2;

void AddLprEvents(const Contract& contract, const LprStart& start, year_month_day until,
                  Percent& rate, std::vector<RateEvent>& events) {
  Percent spread = start.spread;
  LprAt lpr = start.lpr;
  std::vector<LprMoment> moments;
  for (const year_month_day day : LprRepricingDays(contract, start.from, until)) {
    moments.push_back({day, kRepricing, 0});
  }
  for (std::size_t c = 0; c < kSpreadCuts.size(); ++c) {
    const year_month_day day = kSpreadCuts[c].day;
    if (contract.spreadCaps[c] && CutTier(c, contract) && day > start.from && day < until) {
      moments.push_back({day, kCut, c});
    }
  }
  for (std::size_t r = 0; r < contract.lprRows.size(); ++r) {
    const LprRow& row = contract.lprRows[r];
    if (row.kind == LprRow::Kind::Spread && row.day > start.from && row.day < until) {
      moments.push_back({row.day, kBorrowersSpread, r});
    }
  }
  std::sort(moments.begin(), moments.end());
  for (const LprMoment& moment : moments) {
    if (moment.order == kRepricing) {
      lpr = LprFor(moment.day, contract);
      const Percent repriced = LprPlus(lpr.rate, spread);
      if (repriced != rate) {
        rate = repriced;
        events.push_back(LprEvent(moment.day, RateEventKind::LprRepricing, rate, lpr, spread));
      }
    } else if (moment.order == kCut) {
      const Percent cap = *contract.spreadCaps[moment.index];
      if (spread > cap) {
        spread = cap;
        rate = LprPlus(lpr.rate, spread);
        events.push_back(LprEvent(moment.day, RateEventKind::SpreadCap, rate, lpr, spread));
      }
    } else {
      spread = contract.lprRows[moment.index].spread;
      rate = LprPlus(lpr.rate, spread);
      events.push_back(
          LprEvent(moment.day, RateEventKind::LprRowTaken, rate, lpr, spread, moment.index));
    }
  }
}

// A loan granted before the LPR, converted in 2020: to LPR plus the spread
// from December 2019's LPR of its tenor, or to its rate then, fixed.
void AddConversion(const Contract& contract, year_month_day until, Percent& rate,
                   std::vector<RateEvent>& events) {
  const Percent lpr = ConversionLpr(TenorOf(contract));
  const year_month_day december{year{2019} / 12 / 1};
  if (contract.conversion == Conversion::Fixed) {
    events.push_back(
        {contract.conversionDay, RateEventKind::FixedRate, rate, rate, december, {}, false, 1, {}});
    // Fixed until the borrower turned it into LPR plus a spread, from 2024-11-01.
    for (std::size_t r = 0; r < contract.lprRows.size(); ++r) {
      const LprRow& row = contract.lprRows[r];
      if (row.kind == LprRow::Kind::ToLpr && row.day > contract.conversionDay && row.day < until) {
        const LprAt now = LprFor(row.day, contract);
        rate = LprPlus(now.rate, row.spread);
        events.push_back(LprEvent(row.day, RateEventKind::LprRowTaken, rate, now, row.spread, r));
        AddLprEvents(contract, {row.day, row.spread, now}, until, rate, events);
        return;
      }
    }
    return;
  }
  const Percent spread{rate.tenThousandths - lpr.tenThousandths};
  events.push_back({contract.conversionDay,
                    RateEventKind::LprConversion,
                    rate,
                    lpr,
                    december,
                    spread,
                    false,
                    1,
                    {}});
  AddLprEvents(contract, {contract.conversionDay, spread, {lpr, december, false}}, until, rate,
               events);
}

}  // namespace

std::optional<Percent> LprFirstRate(year_month_day granted, LprTenor tenor, Percent spread) {
  const auto lpr = LprOn(granted, tenor);
  if (!lpr) {
    return std::nullopt;
  }
  return LprPlus(*lpr, spread);
}

std::optional<std::size_t> SpreadCutOn(year_month_day day) {
  for (std::size_t c = 0; c < kSpreadCuts.size(); ++c) {
    if (kSpreadCuts[c].day == day) {
      return c;
    }
  }
  return std::nullopt;
}

year_month_day PaymentDay(const Contract& contract, int k) {
  const std::chrono::year_month month =
      contract.granted.year() / contract.granted.month() + std::chrono::months{k};
  return month / std::chrono::day(static_cast<unsigned>(contract.paymentDay));
}

std::optional<Percent> FirstRate(LoanKind kind, year_month_day granted, int months,
                                 int discountTenths) {
  if (kind == LoanKind::Commercial && granted >= kFirstLprGrantDay) {
    return std::nullopt;
  }
  const auto change = RateInForce(TableOf(kind), granted);
  if (!change) {
    return std::nullopt;
  }
  return Discounted(RateForMonths(*change, months), discountTenths);
}

LprFixing LastFixing(const Contract& contract) {
  if (!contract.ownFixings.empty()) {
    return contract.ownFixings.back();
  }
  return {kLastKnownLprFixing, *LprOn(kLastKnownLprFixing, LprTenor::OneYear),
          *LprOn(kLastKnownLprFixing, LprTenor::FiveYear)};
}

bool PricedOnLpr(const Contract& contract) {
  return contract.kind == LoanKind::Commercial && contract.granted >= kFirstLprGrantDay;
}

LprTenor TenorOf(const Contract& contract) {
  if (PricedOnLpr(contract)) {
    return contract.tenor;
  }
  return TenorForMonths(contract.months);
}

Percent ConversionLpr(LprTenor tenor) { return *LprOn(year{2019} / 12 / 31, tenor); }

std::optional<Percent> CutTier(std::size_t cut, const Contract& contract) {
  const bool fixed = contract.conversion == Conversion::Fixed && !PricedOnLpr(contract);
  if (contract.kind != LoanKind::Commercial || fixed) {
    return std::nullopt;
  }
  if (cut == 0) {
    if (!contract.firstHome || contract.granted > year{2023} / 8 / 31) {
      return std::nullopt;
    }
    return contract.granted < year{2022} / 5 / 15 ? Percent{0} : Percent{-2'000};
  }
  if (contract.granted >= kSpreadCuts.at(cut).day) {
    return std::nullopt;
  }
  return kSpreadCuts.at(cut).cap;
}

std::vector<RateEvent> RateEvents(const Contract& contract) {
  std::vector<RateEvent> events;
  Percent rate = contract.firstRate;
  const year_month_day lastPayment = PaymentDay(contract, contract.months);
  if (PricedOnLpr(contract)) {
    const Percent spread = contract.spread;
    const LprAt first{Percent{rate.tenThousandths - spread.tenThousandths},
                      year_month_day{FixingMonthOn(contract.granted) / 1}, false};
    AddLprEvents(contract, {contract.granted, spread, first}, lastPayment, rate, events);
    return events;
  }
  const bool converts =
      contract.kind == LoanKind::Commercial && lastPayment > contract.conversionDay;
  AddBenchmarkEvents(contract, converts ? contract.conversionDay : lastPayment, rate, events);
  if (converts) {
    rate = contract.rateOnConversion.value_or(rate);
    AddConversion(contract, lastPayment, rate, events);
  }
  return events;
}

}  // namespace quorvane
