// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/loan_document.h"

namespace quorvane {

LoanDocument::LoanDocument(year_month_day today, QObject* parent) : QObject(parent), today_(today) {
  Compute(kEverything);
}

SheetPart LoanDocument::PartShown() const {
  return loan_.view == SheetView::Fund ? SheetPart::Fund : SheetPart::Main;
}

CheckedLoan LoanDocument::Checked() const {
  return CheckedLoanOf(sheet_, loan_.choices, loan_.view, shown_);
}

void LoanDocument::Edit(int what, const std::function<void(LoanFile&)>& change) {
  change(loan_);
  ++revision_;
  Compute(what);
}

void LoanDocument::TakeOffer(const PlanOffer& offer) {
  const SheetPart part = PartShown();
  Edit(kChoices, [&offer, part](LoanFile& loan) { ApplyOffer(offer, part, loan.choices); });
}

void LoanDocument::SetToday(year_month_day today) {
  today_ = today;
  Compute(kContract);
}

void LoanDocument::MarkSaved(const QString& path) {
  path_ = path;
  saved_ = loan_;
  savedRevision_ = revision_;
}

void LoanDocument::Replace(const LoanFile& loan, const QString& path) {
  loan_ = loan;
  MarkSaved(path);
  Compute(kEverything);
}

void LoanDocument::Revert() {
  loan_ = saved_;
  ++revision_;
  savedRevision_ = revision_;
  Compute(kEverything);
}

// The plan is read again only when it or its columns' meanings changed, not
// on each change of the history.
void LoanDocument::Compute(int what) {
  if ((what & (kContract | kChoices | kView)) != 0) {
    sheet_ = SheetOf(loan_.texts, loan_.choices, today_);
    shown_ = ShownMonths(sheet_, loan_.view);
  }
  if ((what & (kPlan | kColumns)) != 0) {
    plan_ = ReadBankPlan(loan_.plan.cells, loan_.plan.chosen);
  }
  emit changed(what);
}

}  // namespace quorvane
