// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/sheet_check.h"

#include <algorithm>
#include <functional>

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
  std::function<void(Contract&)> change;
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
  others.push_back({[reading = offer.reading](Contract& other) { other.reading = reading; }, offer,
                    [reading = offer.reading, part](const LoanSheet& sheet, year_month_day due) {
                      const auto lpr = LprOfMonth(sheet, part, due);
                      return lpr ? "银行按" + std::string(ReadingName(reading)) + "的 LPR " +
                                       PercentText(*lpr) + "% 重定价"
                                 : std::string();
                    }});
  if (PricedOnLpr(contract)) {
    offer.kind = PlanOffer::Kind::SetRepricing;
    offer.repricing = contract.repricing == Repricing::Anniversary ? Repricing::NextJanuary
                                                                   : Repricing::Anniversary;
    others.push_back(
        {[repricing = offer.repricing](Contract& other) { other.repricing = repricing; }, offer,
         [repricing = offer.repricing](const LoanSheet&, year_month_day) {
           return "银行按" + std::string(LprRepricingName(repricing)) + "重定价";
         }});
  } else if (contract.kind == LoanKind::Commercial &&
             contract.conversionDay != kBatchConversionDay) {
    offer.kind = PlanOffer::Kind::SetConversionDay;
    offer.day = kBatchConversionDay;
    others.push_back({[](Contract& other) { other.conversionDay = kBatchConversionDay; }, offer,
                      [](const LoanSheet&, year_month_day) {
                        return "银行于 " + DayText(kBatchConversionDay) +
                               " 批量转为 LPR 加点，此前未转换";
                      }});
  }
  return others;
}

// A month whose rate the check explains by a row of the borrower's or a
// change moved, which a choice of the contract may explain better: the
// choice holds for every repricing, not just this one.
bool AsksRate(const CheckedMonth& month) {
  return month.offer && (month.offer->kind == PlanOffer::Kind::AddRate ||
                         month.offer->kind == PlanOffer::Kind::MoveChange);
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
  // Each other choice tried while months still ask for a rate of their own,
  // the first that makes a month agree naming it.
  const std::size_t at = static_cast<std::size_t>(part);
  for (const OtherChoice& choice : OtherChoices(sheet.terms.parts.at(at).contract, part)) {
    if (std::none_of(check.months.begin(), check.months.end(), AsksRate)) {
      break;
    }
    LoanTerms other = sheet.terms;
    choice.change(other.parts.at(at).contract);
    const LoanSheet otherSheet = ComputeSheet(other, choices, fixings);
    const PlanCheck otherCheck =
        CheckPlan(plan, CheckedLoanOf(otherSheet, choices, view, ShownMonths(otherSheet, view)));
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
  return check;
}

}  // namespace quorvane
