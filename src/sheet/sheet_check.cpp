// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/sheet_check.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "text/decimal_text.h"

namespace quorvane {

CheckedLoan CheckedLoanOf(const LoanSheet& sheet, const SheetChoices& choices, SheetView view,
                          const std::vector<ShownMonth>& shown) {
  const LoanTerms& contract = sheet.terms;
  CheckedLoan loan;
  loan.rated = view != SheetView::Both;
  loan.months.reserve(shown.size());
  for (const ShownMonth& month : shown) {
    loan.months.push_back({month.number, month.due, month.rate.value_or(Percent{}), month.month});
  }
  loan.method = contract.method;
  loan.byDays = choices.byDays;
  for (std::size_t p = 0; p < contract.parts.size(); ++p) {
    if (view == SheetView::Both || static_cast<std::size_t>(view) == p) {
      loan.amount += contract.parts[p].amount;
      loan.granted = contract.parts[p].contract.granted;
    }
  }
  for (const EventRow& row : sheet.events) {
    const bool inView = view == SheetView::Both ||
                        static_cast<std::size_t>(view) == static_cast<std::size_t>(row.part);
    if (inView && row.on && !row.noEffect && row.rate) {
      loan.rateDays.push_back(row.effective);
      if (row.key && loan.rated) {
        loan.changes.push_back({row.effective, row.key->effective, row.key->kind});
      }
    }
  }
  std::sort(loan.rateDays.begin(), loan.rateDays.end());
  std::stable_sort(
      loan.changes.begin(), loan.changes.end(),
      [](const QuorvaneChange& a, const QuorvaneChange& b) { return a.effective < b.effective; });
  return loan;
}

namespace {

void SetSpread(const PlanOffer& offer, ContractTexts& texts, SheetChoices& choices) {
  switch (offer.spreadOf) {
    case PlanOffer::SpreadOf::Contract:
      texts.spread = DecimalText(offer.spread.tenThousandths, 2, 0);
      texts.firstRate = PercentText(offer.rate);
      break;
    case PlanOffer::SpreadOf::Cut:
      if (offer.index < choices.caps.size()) {
        choices.caps.at(offer.index) = offer.spread;
      }
      break;
    case PlanOffer::SpreadOf::Row:
      if (offer.index < choices.borrowerEvents.size()) {
        choices.borrowerEvents[offer.index].spread = offer.spread;
      }
      break;
  }
}

}  // namespace

void ApplyOffer(const PlanOffer& offer, SheetPart part, ContractTexts& texts,
                SheetChoices& choices) {
  BorrowerEvent event;
  event.day = offer.day;
  event.part = part;
  switch (offer.kind) {
    case PlanOffer::Kind::AddRate:
      event.kind = BorrowerEvent::Kind::Rate;
      event.rate = offer.rate;
      choices.borrowerEvents.push_back(event);
      break;
    case PlanOffer::Kind::AddPrepayment:
      event.kind = BorrowerEvent::Kind::Prepayment;
      event.amount = offer.amount;
      event.shortenTerm = offer.shortenTerm;
      choices.borrowerEvents.push_back(event);
      break;
    case PlanOffer::Kind::AcrossChange:
      choices.byDays.acrossChange = true;
      choices.byDays.daysInYear = offer.daysInYear;
      break;
    case PlanOffer::Kind::FirstMonth:
      choices.byDays.firstMonth = true;
      choices.byDays.daysInYear = offer.daysInYear;
      break;
    case PlanOffer::Kind::SetReading:
      texts.reading = offer.reading;
      break;
    case PlanOffer::Kind::SetRepricing:
      texts.repricing = offer.repricing;
      break;
    case PlanOffer::Kind::SetConversionDay:
      texts.conversionDay = DayText(offer.day);
      break;
    case PlanOffer::Kind::SetSpread:
      SetSpread(offer, texts, choices);
      break;
    case PlanOffer::Kind::MoveChange: {
      const EventKey key{part, offer.change, offer.original};
      if (offer.day == offer.original) {
        choices.moved.erase(key);
      } else {
        choices.moved[key] = offer.day;
      }
      break;
    }
  }
}

namespace {

// The LPR of the repricing that took effect with a month: the last LPR row
// of the part before its day.
std::optional<Percent> LprOfMonth(const LoanSheet& sheet, SheetPart part, year_month_day due) {
  std::optional<Percent> lpr;
  for (const EventRow& row : sheet.events) {
    if (row.part == part && row.key && row.on && row.lpr && row.effective < due) {
      lpr = row.lpr;
    }
  }
  return lpr;
}

}  // namespace

namespace {

// Another choice of the contract's that a bank may have made: how it
// changes the contract, what taking it offers, and its words for a month.
struct OtherChoice {
  std::function<void(Contract&, SheetChoices&)> change;
  PlanOffer offer;
  std::function<std::string(const LoanSheet&, year_month_day)> words;
};

// The batch conversion of the big banks, for the loans left to them.
constexpr year_month_day kBatchConversionDay = std::chrono::year{2020} / 8 / 25;

std::vector<OtherChoice> OtherChoices(const Contract& contract, SheetPart part) {
  std::vector<OtherChoice> others;
  PlanOffer offer;
  offer.kind = PlanOffer::Kind::SetReading;
  offer.reading = contract.reading == LprReading::LatestPublished ? LprReading::MonthBefore
                                                                  : LprReading::LatestPublished;
  others.push_back(
      {[reading = offer.reading](Contract& other, SheetChoices&) { other.reading = reading; },
       offer,
       [reading = offer.reading, part](const LoanSheet& sheet, year_month_day due) {
         const auto lpr = LprOfMonth(sheet, part, due);
         return lpr ? "银行按" + std::string(ReadingName(reading)) + "的 LPR " + PercentText(*lpr) +
                          "% 重定价"
                    : std::string();
       }});
  if (PricedOnLpr(contract)) {
    offer.kind = PlanOffer::Kind::SetRepricing;
    offer.repricing = contract.repricing == Repricing::Anniversary ? Repricing::NextJanuary
                                                                   : Repricing::Anniversary;
    others.push_back({[repricing = offer.repricing](Contract& other, SheetChoices&) {
                        other.repricing = repricing;
                      },
                      offer,
                      [repricing = offer.repricing](const LoanSheet&, year_month_day) {
                        return "银行按" + std::string(LprRepricingName(repricing)) + "重定价";
                      }});
  } else if (contract.kind == LoanKind::Commercial &&
             contract.conversionDay != kBatchConversionDay) {
    offer.kind = PlanOffer::Kind::SetConversionDay;
    offer.day = kBatchConversionDay;
    others.push_back(
        {[](Contract& other, SheetChoices&) { other.conversionDay = kBatchConversionDay; }, offer,
         [](const LoanSheet&, year_month_day) {
           return "银行于 " + DayText(kBatchConversionDay) + " 批量转为 LPR 加点，此前未转换";
         }});
  }
  return others;
}

// The spread in force before a day, where it came from, and the LPR part
// then; nothing where the loan has no spread the borrower can set (a
// converted loan before any cut or row of theirs).
struct SpreadInForce {
  PlanOffer::SpreadOf of = PlanOffer::SpreadOf::Contract;
  std::size_t index = 0;  // the cut's, or the borrower's row
  year_month_day day;     // the cut's or the row's
  Percent spread{};
  Percent lprPart{};
  bool repriced = false;  // a row of the LPR came before the day
};

std::optional<SpreadInForce> SpreadBefore(const LoanSheet& sheet, const Contract& contract,
                                          const SheetChoices& choices, SheetPart part,
                                          year_month_day due) {
  std::optional<SpreadInForce> found;
  if (PricedOnLpr(contract)) {
    found = SpreadInForce{};
    found->spread = contract.spread;
    found->lprPart = Percent{contract.firstRate.tenThousandths - contract.spread.tenThousandths};
  }
  for (const EventRow& row : sheet.events) {
    if (row.part != part || !row.on || !row.rate || !row.lpr || row.effective >= due) {
      continue;
    }
    const Percent spread{row.rate->tenThousandths - row.lpr->tenThousandths};
    const auto* const cut =
        std::find_if(kSpreadCuts.begin(), kSpreadCuts.end(), [&](const auto& c) {
          return row.key && row.key->kind == RateEventKind::SpreadCap &&
                 row.key->effective == c.day;
        });
    const bool own = row.borrowerRow &&
                     choices.borrowerEvents.at(*row.borrowerRow).kind != BorrowerEvent::Kind::Cycle;
    if (cut != kSpreadCuts.end()) {
      found = SpreadInForce{PlanOffer::SpreadOf::Cut,
                            static_cast<std::size_t>(cut - kSpreadCuts.begin()), cut->day};
    } else if (own) {
      found = SpreadInForce{PlanOffer::SpreadOf::Row, *row.borrowerRow, row.effective};
    }
    if (found) {
      found->spread = spread;
      found->lprPart = *row.lpr;
      found->repriced = true;
    }
  }
  return found;
}

// The spread that gives the bank's rate of the first month asking a rate:
// the rate less the LPR part then, where that is a spread one can type.
std::optional<OtherChoice> OtherSpread(const LoanSheet& sheet, const SheetChoices& choices,
                                       const PlanCheck& check, SheetPart part) {
  const auto asks = std::find_if(check.months.begin(), check.months.end(), [](const auto& month) {
    return month.offer && month.offer->kind == PlanOffer::Kind::AddRate;
  });
  if (asks == check.months.end()) {
    return std::nullopt;
  }
  const Contract& contract = sheet.terms.parts.at(static_cast<std::size_t>(part)).contract;
  const auto now = SpreadBefore(sheet, contract, choices, part, asks->due);
  if (!now) {
    return std::nullopt;
  }
  const Percent spread{asks->offer->rate.tenThousandths - now->lprPart.tenThousandths};
  constexpr std::int64_t kTenthOfAPoint = 10;
  if (spread == now->spread || spread.tenThousandths % kTenthOfAPoint != 0 ||
      std::abs(spread.tenThousandths) > kWidestSpread.tenThousandths) {
    return std::nullopt;
  }
  PlanOffer offer;
  offer.kind = PlanOffer::Kind::SetSpread;
  offer.spreadOf = now->of;
  offer.index = now->index;
  offer.day = now->day;
  offer.spread = spread;
  // Before the first repricing the first rate is the spread's too.
  offer.rate = now->repriced ? contract.firstRate : asks->offer->rate;
  const std::string ours = "，Quorvane 按 " + BasisPointsText(now->spread) + " 基点";
  std::string words;
  switch (now->of) {
    case PlanOffer::SpreadOf::Contract:
      words = "银行按加点 " + BasisPointsText(spread) + " 基点计息" + ours;
      break;
    case PlanOffer::SpreadOf::Cut:
      words =
          "银行 " + DayText(now->day) + " 把加点下调为 " + BasisPointsText(spread) + " 基点" + ours;
      break;
    case PlanOffer::SpreadOf::Row:
      words = "银行自 " + DayText(now->day) + " 起按加点 " + BasisPointsText(spread) + " 基点计息" +
              ours;
      break;
  }
  return OtherChoice{[offer](Contract& other, SheetChoices& otherChoices) {
                       ContractTexts texts;
                       ApplyOffer(offer, SheetPart::Main, texts, otherChoices);
                       if (offer.spreadOf == PlanOffer::SpreadOf::Contract) {
                         other.spread = offer.spread;
                         other.firstRate = offer.rate;
                       }
                     },
                     offer, [words](const LoanSheet&, year_month_day) { return words; }};
}

// A month whose rate the check explains by a row of the borrower's or a
// change moved, which a choice of the contract may explain better: the
// choice holds for every repricing, not just this one.
bool AsksRate(const CheckedMonth& month) {
  return month.offer && (month.offer->kind == PlanOffer::Kind::AddRate ||
                         month.offer->kind == PlanOffer::Kind::MoveChange);
}

}  // namespace

namespace {

// Where taking a choice makes a month that asks a rate agree, the month
// names the choice and offers it.
void TryChoice(const OtherChoice& choice, const BankPlan& plan, const LoanSheet& sheet,
               const SheetChoices& choices, SheetView view, const std::vector<LprFixing>& fixings,
               PlanCheck& check) {
  const auto at =
      static_cast<std::size_t>(view == SheetView::Fund ? SheetPart::Fund : SheetPart::Main);
  LoanTerms other = sheet.terms;
  SheetChoices otherChoices = choices;
  choice.change(other.parts.at(at).contract, otherChoices);
  const LoanSheet otherSheet = ComputeSheet(other, otherChoices, fixings);
  const PlanCheck otherCheck =
      CheckPlan(plan, CheckedLoanOf(otherSheet, otherChoices, view, ShownMonths(otherSheet, view)));
  for (CheckedMonth& month : check.months) {
    if (!AsksRate(month)) {
      continue;
    }
    const auto same = std::find_if(
        otherCheck.months.begin(), otherCheck.months.end(), [&](const CheckedMonth& other) {
          return other.due == month.due && other.prepayment == month.prepayment;
        });
    const std::string words = choice.words(otherSheet, month.due);
    if (same != otherCheck.months.end() && same->Agrees() && !words.empty()) {
      month.why = words;
      month.offer = choice.offer;
    }
  }
}

}  // namespace

PlanCheck CheckSheetPlan(const BankPlan& plan, const LoanSheet& sheet, const SheetChoices& choices,
                         SheetView view, const std::vector<ShownMonth>& shown,
                         const std::vector<LprFixing>& fixings) {
  PlanCheck check = CheckPlan(plan, CheckedLoanOf(sheet, choices, view, shown));
  const auto part = view == SheetView::Fund ? SheetPart::Fund : SheetPart::Main;
  const bool lpr = std::any_of(sheet.events.begin(), sheet.events.end(), [&](const auto& row) {
    return row.part == part && row.key && row.lpr;
  });
  if (view == SheetView::Both || sheet.problem || !lpr) {
    return check;
  }
  // Each other choice of the contract's tried while months still ask for a
  // rate of their own, the first that makes a month agree naming it; then
  // the spread that gives the first month still asking its bank's rate.
  const auto asking = [&check] {
    return std::any_of(check.months.begin(), check.months.end(), AsksRate);
  };
  for (const OtherChoice& choice :
       OtherChoices(sheet.terms.parts.at(static_cast<std::size_t>(part)).contract, part)) {
    if (asking()) {
      TryChoice(choice, plan, sheet, choices, view, fixings, check);
    }
  }
  if (asking()) {
    if (const auto spread = OtherSpread(sheet, choices, check, part)) {
      TryChoice(*spread, plan, sheet, choices, view, fixings, check);
    }
  }
  return check;
}

}  // namespace quorvane
