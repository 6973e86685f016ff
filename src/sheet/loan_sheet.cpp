// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/loan_sheet.h"

#include <algorithm>
#include <map>

#include "history/event_texts.h"

namespace quorvane {

namespace {

using namespace std::string_literals;
using std::chrono::year;

const char* const kNoEffect = "（贷款已还清，不起作用）";
const char* const kNotForThisLoan = "（此贷款没有可调的加点，不起作用）";

std::string_view EventName(RateEventKind kind) {
  switch (kind) {
    case RateEventKind::Benchmark:
      return "基准利率调整";
    case RateEventKind::LprConversion:
      return "转为 LPR";
    case RateEventKind::LprRepricing:
      return "LPR 重定价";
    case RateEventKind::SpreadCap:
      return "加点下调";
    case RateEventKind::FixedRate:
      return "转为固定利率";
    case RateEventKind::LprRowTaken:
      return "自填";
  }
  return {};
}

std::string PartPrefix(bool combined, SheetPart part) {
  if (!combined) {
    return {};
  }
  return std::string(ViewName(static_cast<SheetView>(part))) + "：";
}

EventRow QuorvaneRow(const RateEvent& event, const Contract& contract, SheetPart part,
                     const SheetChoices& choices) {
  const EventKey key{part, event.kind, event.effective};
  EventRow row{part,
               std::nullopt,
               key,
               event.effective,
               std::string(EventName(event.kind)),
               event.rate,
               event.kind == RateEventKind::SpreadCap ? std::optional(event.base) : std::nullopt,
               EventText(event, contract),
               !choices.switchedOff.contains(key),
               false,
               event.lprAssumed};
  if (event.kind != RateEventKind::Benchmark && event.kind != RateEventKind::FixedRate) {
    row.lpr = event.base;
  }
  if (const auto moved = choices.moved.find(key); moved != choices.moved.end()) {
    row.effective = moved->second;
    row.why += "；" + MovedText(event.effective, moved->second);
  }
  return row;
}

// A cut the borrower switched off still has its row, to switch it on again.
std::optional<RateEvent> CutSwitchedOff(Contract contract, std::size_t cut, Percent cap) {
  contract.spreadCaps.at(cut) = cap;
  for (const RateEvent& event : RateEvents(contract)) {
    if (event.kind == RateEventKind::SpreadCap && event.effective == kSpreadCuts.at(cut).day) {
      return event;
    }
  }
  return std::nullopt;
}

// A cut that leaves the spread as it was still has its row, greyed and with
// no box to tick, so the borrower sees it was considered: "加点 −63.5 基点不高于
// 0 基点，不变". None where the loan was no LPR loan or had ended by then.
std::optional<EventRow> CutThatChangesNothing(const std::vector<RateEvent>& events,
                                              const Contract& contract, std::size_t cut,
                                              const SheetChoices& choices) {
  const year_month_day day = kSpreadCuts.at(cut).day;
  std::optional<Percent> spread;
  std::optional<Percent> fixed;  // the rate of a loan turned fixed
  for (const RateEvent& event : events) {
    if (event.effective > day) {
      break;
    }
    if (event.kind == RateEventKind::SpreadCap && event.effective == day) {
      return std::nullopt;  // it did change the spread
    }
    if (event.kind == RateEventKind::FixedRate) {
      fixed = event.rate;
      spread.reset();
    } else if (event.kind != RateEventKind::Benchmark) {
      spread = event.spread;
      fixed.reset();
    }
  }
  if ((!spread && !fixed) || day >= PaymentDay(contract, contract.months)) {
    return std::nullopt;
  }
  const EventRow untouched{SheetPart::Main,
                           std::nullopt,
                           std::nullopt,
                           day,
                           std::string(EventName(RateEventKind::SpreadCap)),
                           std::nullopt,
                           std::nullopt,
                           {},
                           false};
  if (fixed) {
    EventRow row = untouched;
    row.why = "固定利率 "s + PercentText(*fixed) + "%，不受加点下调影响，不变";
    return row;
  }
  const auto tier = CutTier(cut, contract);
  if (!tier) {
    return std::nullopt;
  }
  const Percent cap = choices.caps.at(cut).value_or(*tier);
  EventRow row = untouched;
  row.why =
      "加点 "s + BasisPointsText(*spread) + " 基点不高于 " + BasisPointsText(cap) + " 基点，不变";
  return row;
}

EventRow BorrowerRow(const BorrowerEvent& event, std::size_t index) {
  EventRow row{event.part, index, std::nullopt, event.day, {}, std::nullopt, std::nullopt, {}};
  row.what = std::string(BorrowerKindName(event.kind)) + "（自填）";
  switch (event.kind) {
    case BorrowerEvent::Kind::Rate:
      row.rate = event.rate;
      row.why = "银行通知的年利率 "s + PercentText(event.rate) + "%";
      break;
    case BorrowerEvent::Kind::Prepayment:
      row.why = "提前还款 "s + YuanText(event.amount) + " 元，" +
                std::string(ModeName(event.shortenTerm));
      if (event.repeat != BorrowerEvent::Repeat::Once) {
        row.why += "，"s + std::string(RepeatName(event.repeat)) + "一次，至" +
                   (event.until ? DayText(*event.until) : "还清"s);
      }
      break;
    case BorrowerEvent::Kind::Spread:
      row.why = "加点调为 "s + BasisPointsText(event.spread) + " 基点";
      break;
    case BorrowerEvent::Kind::Cycle:
      row.why = "重定价周期改为 "s + std::to_string(event.cycleMonths) + " 个月";
      break;
    case BorrowerEvent::Kind::ToLpr:
      row.why = "固定利率转为 LPR 加点 "s + BasisPointsText(event.spread) + " 基点";
      break;
  }
  return row;
}

// The borrower's rows of an LPR loan for the contract, by day, and the
// index of each among the borrower's rows.
std::vector<std::size_t> PutLprRows(Contract& contract, SheetPart part,
                                    const SheetChoices& choices) {
  using Kind = BorrowerEvent::Kind;
  std::vector<std::size_t> indices;
  for (std::size_t i = 0; i < choices.borrowerEvents.size(); ++i) {
    const BorrowerEvent& event = choices.borrowerEvents[i];
    if (event.part == part &&
        (event.kind == Kind::Spread || event.kind == Kind::Cycle || event.kind == Kind::ToLpr)) {
      indices.push_back(i);
    }
  }
  std::stable_sort(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
    return choices.borrowerEvents[a].day < choices.borrowerEvents[b].day;
  });
  contract.lprRows.clear();
  for (const std::size_t i : indices) {
    const BorrowerEvent& event = choices.borrowerEvents[i];
    const auto kind = event.kind == Kind::Spread  ? LprRow::Kind::Spread
                      : event.kind == Kind::Cycle ? LprRow::Kind::Cycle
                                                  : LprRow::Kind::ToLpr;
    contract.lprRows.push_back({kind, event.day, event.spread, event.cycleMonths});
  }
  return indices;
}

// Quorvane's rows and the borrower's of one part, in the order they are
// taken: by day, Quorvane's first on a day, the borrower's in their order.
std::vector<EventRow> RowsOf(Contract& contract, SheetPart part, const SheetChoices& choices) {
  std::array<bool, kSpreadCuts.size()> off{};
  std::array<std::optional<Percent>, kSpreadCuts.size()> caps{};
  for (std::size_t cut = 0; cut < kSpreadCuts.size(); ++cut) {
    off.at(cut) =
        choices.switchedOff.contains({part, RateEventKind::SpreadCap, kSpreadCuts.at(cut).day});
    const auto tier = CutTier(cut, contract);
    caps.at(cut) = tier ? std::optional(choices.caps.at(cut).value_or(*tier)) : std::nullopt;
    contract.spreadCaps.at(cut) = off.at(cut) ? std::nullopt : caps.at(cut);
  }
  const std::vector<std::size_t> lprRows = PutLprRows(contract, part, choices);
  const std::vector<RateEvent> events = RateEvents(contract);
  std::vector<EventRow> rows;
  rows.reserve(events.size() + kSpreadCuts.size() + choices.borrowerEvents.size());
  std::map<std::size_t, const RateEvent*> taken;  // the borrower's LPR rows that took effect
  for (const RateEvent& event : events) {
    if (event.kind == RateEventKind::LprRowTaken) {
      taken[lprRows.at(event.lprRow)] = &event;
    } else {
      rows.push_back(QuorvaneRow(event, contract, part, choices));
    }
  }
  for (std::size_t cut = 0; cut < kSpreadCuts.size(); ++cut) {
    if (contract.kind != LoanKind::Commercial) {
      continue;
    }
    const auto switchedOff =
        off.at(cut) && caps.at(cut) ? CutSwitchedOff(contract, cut, *caps.at(cut)) : std::nullopt;
    if (switchedOff) {
      rows.push_back(QuorvaneRow(*switchedOff, contract, part, choices));
    } else if (auto unchanged = CutThatChangesNothing(events, contract, cut, choices)) {
      unchanged->part = part;
      rows.push_back(std::move(*unchanged));
    }
  }
  for (std::size_t i = 0; i < choices.borrowerEvents.size(); ++i) {
    if (choices.borrowerEvents[i].part == part) {
      EventRow row = BorrowerRow(choices.borrowerEvents[i], i);
      if (const auto found = taken.find(i); found != taken.end()) {
        row.rate = found->second->rate;
        row.lpr = found->second->base;
        row.why += "：" + EventText(*found->second, contract);
      }
      rows.push_back(std::move(row));
    }
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const EventRow& a, const EventRow& b) { return a.effective < b.effective; });
  return rows;
}

bool IsBorrowers(const EventRow& row, const SheetChoices& choices, BorrowerEvent::Kind kind) {
  return row.borrowerRow && choices.borrowerEvents[*row.borrowerRow].kind == kind;
}

bool IsPrepayment(const EventRow& row, const SheetChoices& choices) {
  return IsBorrowers(row, choices, BorrowerEvent::Kind::Prepayment);
}

// A new spread, or a fixed rate turned into LPR plus a spread, where the
// loan has no such thing: the row has no rate.
bool NotForThisLoan(const EventRow& row, const SheetChoices& choices) {
  return !row.rate && (IsBorrowers(row, choices, BorrowerEvent::Kind::Spread) ||
                       IsBorrowers(row, choices, BorrowerEvent::Kind::ToLpr));
}

// The rate the loan ran at on the day it became an LPR loan, as the rows
// switched on make it: the borrower's rates and the repricings kept.
Percent RateOnConversion(const std::vector<EventRow>& rows, const Contract& contract) {
  Percent rate = contract.firstRate;
  for (const EventRow& row : rows) {
    const bool lpr = row.key && row.key->kind != RateEventKind::Benchmark;
    if (row.on && row.rate && !lpr && row.effective <= kLprConversionDay) {
      rate = *row.rate;
    }
  }
  return rate;
}

// A part's rows; where the borrower's rows or the rows switched off leave
// the loan at another rate on the conversion day, its spread is measured
// from that rate.
std::vector<EventRow> PartRows(Contract& contract, SheetPart part, const SheetChoices& choices) {
  std::vector<EventRow> rows = RowsOf(contract, part, choices);
  const auto conversion = std::find_if(rows.begin(), rows.end(), [](const EventRow& row) {
    return row.key && row.key->kind == RateEventKind::LprConversion;
  });
  if (conversion == rows.end()) {
    return rows;
  }
  const Percent executing = RateOnConversion(rows, contract);
  if (executing == conversion->rate) {
    return rows;
  }
  contract.rateOnConversion = executing;
  return RowsOf(contract, part, choices);
}

// A part's prepayments in date order, each with the borrower's row it
// comes from: a repeated row gives one for each of its days.
struct PartPrepayments {
  std::vector<Prepayment> prepayments;
  std::vector<std::size_t> rows;
};

PartPrepayments PrepaymentsOf(const std::vector<EventRow>& rows, const Contract& contract,
                              const SheetChoices& choices) {
  std::vector<std::pair<Prepayment, std::size_t>> all;
  const year_month_day last = PaymentDay(contract, contract.months);
  for (const EventRow& row : rows) {
    if (row.on && IsPrepayment(row, choices)) {
      const BorrowerEvent& event = choices.borrowerEvents[*row.borrowerRow];
      for (const year_month_day day : PrepaymentDays(event, last)) {
        all.push_back({{day, event.amount, event.shortenTerm}, *row.borrowerRow});
      }
    }
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const auto& a, const auto& b) { return a.first.day < b.first.day; });
  PartPrepayments part;
  part.prepayments.reserve(all.size());
  part.rows.reserve(all.size());
  for (const auto& [prepayment, row] : all) {
    part.prepayments.push_back(prepayment);
    part.rows.push_back(row);
  }
  return part;
}

// Marks the rows that came too late to change the loan: rates after its last
// payment, prepayments once it was repaid (a repeated one, where none of its
// days came before).
void MarkNoEffect(std::vector<EventRow>& rows, const std::vector<HistoryRow>& months,
                  const SheetChoices& choices, const PartPrepayments& prepayments) {
  const year_month_day lastDue = months.empty() ? year_month_day{} : months.back().due;
  const auto applied = static_cast<std::size_t>(std::count_if(
      months.begin(), months.end(), [](const HistoryRow& row) { return row.number == 0; }));
  const auto tookEffect = [&](std::size_t borrowerRow) {
    const auto end = prepayments.rows.begin() +
                     static_cast<std::ptrdiff_t>(std::min(applied, prepayments.rows.size()));
    return std::find(prepayments.rows.begin(), end, borrowerRow) != end;
  };
  for (EventRow& row : rows) {
    if (!row.on) {
      continue;
    }
    if (IsPrepayment(row, choices)) {
      row.noEffect = !tookEffect(*row.borrowerRow);
    } else if (NotForThisLoan(row, choices)) {
      row.noEffect = true;
      row.why += row.effective >= lastDue ? kNoEffect : kNotForThisLoan;
      continue;
    } else {
      row.noEffect = row.effective >= lastDue;
    }
    if (row.noEffect) {
      row.why += kNoEffect;
    }
  }
}

// The first repricing of an LPR loan on a fixing the program does not know:
// one in the second month after the last known fixing or later.
year_month_day FirstUnknownRepricing(const Contract& contract) {
  const year_month_day last = LastFixing(contract).fixed;
  const std::chrono::year_month first = last.year() / last.month() + std::chrono::months{2};
  const year_month_day firstDay{first / 1};
  if (contract.repricing != Repricing::Anniversary) {
    return year{int(first.year()) + 1} / 1 / 1;
  }
  const year_month_day anniversary{first.year() / contract.granted.month() / 1};
  return year_month_day{
      (anniversary >= firstDay ? first.year() : first.year() + std::chrono::years{1}) /
      contract.granted.month() / contract.granted.day()};
}

// Whether the loan runs on the LPR past the fixings the program knows.
bool RunsPastKnownLpr(const std::vector<EventRow>& rows, const std::vector<HistoryRow>& months,
                      const Contract& contract) {
  const bool lpr = PricedOnLpr(contract) ||
                   std::any_of(rows.begin(), rows.end(),
                               [](const EventRow& row) { return row.on && row.lpr.has_value(); });
  return lpr && !months.empty() && months.back().due > FirstUnknownRepricing(contract);
}

bool RateTooHigh(const std::vector<EventRow>& rows, const Contract& contract) {
  return contract.firstRate > kHighestRate ||
         std::any_of(rows.begin(), rows.end(),
                     [](const EventRow& row) { return row.rate && *row.rate > kHighestRate; });
}

}  // namespace

LoanSheet ComputeSheet(const LoanTerms& contract, const SheetChoices& choices,
                       const std::vector<LprFixing>& fixings) {
  LoanSheet sheet;
  sheet.terms = contract;
  const bool combined = contract.parts.size() > 1;
  bool assumed = false;
  for (std::size_t p = 0; p < contract.parts.size(); ++p) {
    const auto part = static_cast<SheetPart>(p);
    Contract terms = contract.parts[p].contract;
    terms.byDays = choices.byDays;
    terms.ownFixings = fixings;
    std::vector<EventRow> rows = PartRows(terms, part, choices);
    std::vector<RateStep> steps;
    for (EventRow& row : rows) {
      row.what = PartPrefix(combined, part) + row.what;
      if (row.on && row.rate && !IsPrepayment(row, choices)) {
        steps.push_back({row.effective, *row.rate});
      }
    }
    const PartPrepayments prepayments = PrepaymentsOf(rows, terms, choices);
    auto months = RateTooHigh(rows, terms)
                      ? std::nullopt
                      : LoanHistory(terms, contract.parts[p].amount, contract.method, steps,
                                    prepayments.prepayments);
    if (!months) {
      sheet.problem = ContractProblem{ContractProblem::Fault::PaymentShort};
      months.emplace();
    }
    MarkNoEffect(rows, *months, choices, prepayments);
    assumed = assumed || RunsPastKnownLpr(rows, *months, terms) ||
              std::any_of(rows.begin(), rows.end(), [](const EventRow& row) {
                return row.on && !row.noEffect && row.lprAssumed;
              });
    sheet.events.insert(sheet.events.end(), rows.begin(), rows.end());
    sheet.months.push_back(std::move(*months));
  }
  if (assumed) {
    // The rate of the tenor the loan follows (its commercial part's).
    Contract first = contract.parts.front().contract;
    first.ownFixings = fixings;
    const LprFixing last = LastFixing(first);
    const Percent rate = RateOfTenor(last, TenorOf(first));
    sheet.notes.push_back(DayText(last.fixed) + " 以后的 LPR 未知，按 " + PercentText(rate) +
                          "% 计" + (fixings.empty() ? "" : "（自填）") +
                          "；可在“LPR 公布值”中填入新的公布值");
  }
  return sheet;
}

LoanSheet SheetOf(const ContractTexts& texts, const SheetChoices& choices, year_month_day today,
                  const std::vector<LprFixing>& fixings) {
  const auto terms = ReadContractTexts(texts, today);
  if (!terms) {
    LoanSheet sheet;
    sheet.problem = terms.Failure();
    return sheet;
  }
  return ComputeSheet(*terms, choices, fixings);
}

}  // namespace quorvane
