// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/sheet_check.h"

#include <algorithm>

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

PlanCheck CheckSheetPlan(const BankPlan& plan, const LoanSheet& sheet, const SheetChoices& choices,
                         SheetView view, const std::vector<ShownMonth>& shown,
                         const std::vector<LprFixing>& fixings) {
  PlanCheck check = CheckPlan(plan, CheckedLoanOf(sheet, choices, view, shown));
  const bool asksRate = std::any_of(check.months.begin(), check.months.end(), [](const auto& m) {
    return m.offer && m.offer->kind == PlanOffer::Kind::AddRate;
  });
  const auto part = view == SheetView::Fund ? SheetPart::Fund : SheetPart::Main;
  const bool repriced = std::any_of(sheet.events.begin(), sheet.events.end(), [&](const auto& row) {
    return row.part == part && row.key && row.key->kind == RateEventKind::LprRepricing;
  });
  if (view == SheetView::Both || sheet.problem || !asksRate || !repriced) {
    return check;
  }
  LoanTerms other = sheet.terms;
  const LprReading reading =
      other.parts.at(static_cast<std::size_t>(part)).contract.reading == LprReading::LatestPublished
          ? LprReading::MonthBefore
          : LprReading::LatestPublished;
  for (LoanPartTerms& each : other.parts) {
    each.contract.reading = reading;
  }
  const LoanSheet otherSheet = ComputeSheet(other, choices, fixings);
  const std::vector<ShownMonth> otherShown = ShownMonths(otherSheet, view);
  const PlanCheck otherCheck =
      CheckPlan(plan, CheckedLoanOf(otherSheet, choices, view, otherShown));
  for (CheckedMonth& month : check.months) {
    if (!month.offer || month.offer->kind != PlanOffer::Kind::AddRate) {
      continue;
    }
    const auto same = std::find_if(
        otherCheck.months.begin(), otherCheck.months.end(), [&](const CheckedMonth& other) {
          return other.due == month.due && other.prepayment == month.prepayment;
        });
    const auto lpr = LprOfMonth(otherSheet, part, month.due);
    if (same == otherCheck.months.end() || !same->Agrees() || !lpr) {
      continue;
    }
    month.why = std::string("银行按") + std::string(ReadingName(reading)) + "的 LPR " +
                PercentText(*lpr) + "% 重定价";
    PlanOffer offer;
    offer.kind = PlanOffer::Kind::SetReading;
    offer.reading = reading;
    month.offer = offer;
  }
  return check;
}

}  // namespace quorvane
