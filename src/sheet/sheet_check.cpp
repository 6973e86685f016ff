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

void ApplyOffer(const PlanOffer& offer, SheetPart part, SheetChoices& choices) {
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

}  // namespace quorvane
