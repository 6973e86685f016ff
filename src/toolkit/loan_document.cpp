// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/loan_document.h"

#include <QUndoCommand>

namespace quorvane {

namespace {

// An edit of the loan: the loan before and after it. Typing in one field
// merges into one edit until the typing ends.
class LoanEdit final : public QUndoCommand {
 public:
  LoanEdit(LoanDocument* document, int what, LoanFile before, LoanFile after, int typing)
      : document_(document),
        what_(what),
        before_(std::move(before)),
        after_(std::move(after)),
        typing_(typing),
        session_(document->TypingSession()) {}

  void undo() override { document_->Put(before_, what_); }
  void redo() override { document_->Put(after_, what_); }
  [[nodiscard]] int id() const override { return typing_; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const LoanEdit*>(other);
    if (next->session_ != session_ || next->what_ != what_) {
      return false;
    }
    after_ = next->after_;
    return true;
  }

 private:
  LoanDocument* document_;
  int what_;
  LoanFile before_;
  LoanFile after_;
  int typing_;
  int session_;
};

}  // namespace

LoanDocument::LoanDocument(year_month_day today, QObject* parent) : QObject(parent), today_(today) {
  connect(&undo_, &QUndoStack::cleanChanged, this, &LoanDocument::savedChanged);
  Compute(kEverything);
}

// The stack clears itself as it goes, which is no change of what is saved.
LoanDocument::~LoanDocument() { undo_.disconnect(this); }

SheetPart LoanDocument::PartShown() const {
  return loan_.view == SheetView::Fund ? SheetPart::Fund : SheetPart::Main;
}

CheckedLoan LoanDocument::Checked() const {
  return CheckedLoanOf(sheet_, loan_.choices, loan_.view, shown_);
}

void LoanDocument::Edit(int what, const std::function<void(LoanFile&)>& change, int typing) {
  LoanFile after = loan_;
  change(after);
  if (after == loan_) {
    return;  // nothing changed: nothing to undo
  }
  undo_.push(new LoanEdit(this, what, loan_, std::move(after), typing));
}

void LoanDocument::Put(const LoanFile& loan, int what) {
  loan_ = loan;
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
  undo_.setClean();
  ++typingSession_;
}

void LoanDocument::Replace(const LoanFile& loan, const QString& path) {
  undo_.clear();
  loan_ = loan;
  MarkSaved(path);
  Compute(kEverything);
}

void LoanDocument::Revert() { Replace(saved_, path_); }

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
