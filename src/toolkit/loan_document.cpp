// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/loan_document.h"

#include <QSettings>
#include <QUndoCommand>

#include "sheet/own_fixings.h"
#include "text/day_text.h"
#include "text/figure_text.h"

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

// The user's settings, in a file of the program's own (an ini file under the
// user's configuration folder, on Windows too).
QSettings UserSettings() {
  return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
          QStringLiteral("quorvane")};
}

const QString kFixingsKey = QStringLiteral("lpr/fixings");

// The fixings as the settings keep them: "2026-09-21 2.90 3.40" each; one
// that no longer reads (the program's tables hold its month now) is left out.
std::vector<LprFixing> KeptFixings() {
  std::vector<LprFixing> fixings;
  for (const QString& line : UserSettings().value(kFixingsKey).toStringList()) {
    const QStringList parts = line.split(QChar(' '));
    if (parts.size() != 3) {
      continue;
    }
    const auto read = ReadOwnFixing(parts[0].toStdString(), parts[1].toStdString(),
                                    parts[2].toStdString(), fixings);
    if (read) {
      fixings.push_back(*read);
    }
  }
  return MergeFixings(fixings, {}).fixings;
}

void KeepFixings(const std::vector<LprFixing>& fixings) {
  QStringList lines;
  for (const LprFixing& fixing : fixings) {
    lines << QString::fromStdString(DayText(fixing.fixed) + " " + PercentText(fixing.oneYear) +
                                    " " + PercentText(fixing.fiveYear));
  }
  UserSettings().setValue(kFixingsKey, lines);
}

}  // namespace

LoanDocument::LoanDocument(year_month_day today, QObject* parent)
    : QObject(parent), today_(today), fixings_(KeptFixings()) {
  connect(&undo_, &QUndoStack::cleanChanged, this, &LoanDocument::savedChanged);
  Compute(kEverything);
}

// The stack clears itself as it goes, which is no change of what is saved.
LoanDocument::~LoanDocument() { undo_.disconnect(this); }

SheetPart LoanDocument::PartShown() const {
  return loan_.view == SheetView::Fund ? SheetPart::Fund : SheetPart::Main;
}

PlanCheck LoanDocument::Check() const {
  return CheckSheetPlan(plan_, sheet_, loan_.choices, loan_.view, shown_, fixings_);
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
  Edit(kContract | kChoices,
       [&offer, part](LoanFile& loan) { ApplyOffer(offer, part, loan.texts, loan.choices); });
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

std::vector<LprFixing> LoanDocument::Replace(const LoanFile& loan, const QString& path) {
  MergedFixings merged = MergeFixings(fixings_, loan.fixings);
  if (merged.fixings != fixings_) {
    fixings_ = std::move(merged.fixings);
    KeepFixings(fixings_);
  }
  undo_.clear();
  loan_ = loan;
  loan_.fixings.clear();
  MarkSaved(path);
  Compute(kEverything);
  return merged.differing;
}

LoanFile LoanDocument::ToKeep() const {
  LoanFile kept = loan_;
  kept.fixings = fixings_;
  return kept;
}

void LoanDocument::SetFixings(std::vector<LprFixing> fixings) {
  fixings_ = std::move(fixings);
  KeepFixings(fixings_);
  Compute(kContract);
}

void LoanDocument::Revert() { Replace(saved_, path_); }

// The plan is read again only when it or its columns' meanings changed, not
// on each change of the history.
void LoanDocument::Compute(int what) {
  if ((what & (kContract | kChoices | kView)) != 0) {
    sheet_ = SheetOf(loan_.texts, loan_.choices, today_, fixings_);
    shown_ = ShownMonths(sheet_, loan_.view);
  }
  if ((what & (kPlan | kColumns)) != 0) {
    plan_ = ReadBankPlan(loan_.plan.cells, loan_.plan.chosen);
  }
  emit changed(what);
}

}  // namespace quorvane
