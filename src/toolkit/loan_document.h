// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <vector>

#include "files/loan_file.h"
#include "plan/bank_plan.h"
#include "sheet/sheet_check.h"

namespace quorvane {

// The loan that the history and the check of the bank's plan both show: the
// contract as typed, the borrower's choices and rows, the bank's plan with
// the meanings of its columns, and the file it is kept in. No window holds a
// copy of it: each shows it, changes it through Edit and follows `changed`.
// What it computes to (the events, the months, the plan read) is computed
// once a change, here.
class LoanDocument final : public QObject {
  Q_OBJECT

 public:
  // What an edit changed; views redo only what shows it.
  enum What : int {
    kContract = 1,  // the contract's fields
    kChoices = 2,   // the borrower's rows, Quorvane's rows switched off, the options
    kPlan = 4,      // the bank's plan
    kColumns = 8,   // the meanings of its columns
    kView = 16,     // the part the months table shows
    kEverything = kContract | kChoices | kPlan | kColumns | kView,
  };

  LoanDocument(year_month_day today, QObject* parent);
  LoanDocument(const LoanDocument&) = delete;
  LoanDocument& operator=(const LoanDocument&) = delete;
  ~LoanDocument() override;

  [[nodiscard]] const LoanFile& Loan() const { return loan_; }
  [[nodiscard]] year_month_day Today() const { return today_; }
  [[nodiscard]] const LoanSheet& Sheet() const { return sheet_; }
  // The months of the part shown, or of both.
  [[nodiscard]] const std::vector<ShownMonth>& Shown() const { return shown_; }
  // The part the borrower's new rows and the check's offers go to.
  [[nodiscard]] SheetPart PartShown() const;
  // The bank's plan as its cells and the chosen meanings read it.
  [[nodiscard]] const BankPlan& Plan() const { return plan_; }
  // The history of the part shown as the check takes it.
  [[nodiscard]] CheckedLoan Checked() const;
  // The bank's plan checked against it.
  [[nodiscard]] PlanCheck Check() const;

  // Every change of the loan goes through here, as a command that can be
  // undone: the change is made, what follows from it computed again, and
  // `changed` says what it was. Edits of one typing (`typing` the same,
  // not -1) merge into one command until EndTyping.
  void Edit(int what, const std::function<void(LoanFile&)>& change, int typing = -1);
  // The typing in a field is over: the next edit is a command of its own.
  void EndTyping() { ++typingSession_; }
  [[nodiscard]] QUndoStack* UndoStack() { return &undo_; }
  // What a month of the check offers, taken into the borrower's choices.
  void TakeOffer(const PlanOffer& offer);
  void SetToday(year_month_day today);

  // The file the loan is kept in, and whether it has changes not saved: the
  // undo stack is away from where it was saved.
  [[nodiscard]] const QString& Path() const { return path_; }
  [[nodiscard]] bool Unsaved() const { return !undo_.isClean(); }
  // The loan as it is now is what the file at `path` holds.
  void MarkSaved(const QString& path);
  // Another loan in place of this one, as opened from its file (or, with no
  // path, as the window first takes it): nothing of it is unsaved. The LPR
  // fixings its file carries join this computer's; those of a month where
  // this computer's differ are returned, and this computer's hold.
  std::vector<LprFixing> Replace(const LoanFile& loan, const QString& path);
  // The loan as its file keeps it: with this computer's LPR fixings.
  [[nodiscard]] LoanFile ToKeep() const;
  // The LPR fixings the borrower typed, kept on this computer for every
  // loan: read from the user's settings when the history first needs them.
  // Setting them is no edit of the loan (nothing to undo) but is kept at once.
  [[nodiscard]] const std::vector<LprFixing>& Fixings() const { return fixings_; }
  void SetFixings(std::vector<LprFixing> fixings);
  // Back to the loan as it was last saved or taken.
  void Revert();

  // What an undone or redone command puts in place.
  void Put(const LoanFile& loan, int what);
  [[nodiscard]] int TypingSession() const { return typingSession_; }

 signals:
  void changed(int what);
  // What is saved, or not, changed: an edit, an undo, a save.
  void savedChanged();

 private:
  void Compute(int what);

  year_month_day today_;
  LoanFile loan_;
  LoanSheet sheet_;
  std::vector<ShownMonth> shown_;
  BankPlan plan_;
  QString path_;
  LoanFile saved_;  // to go back to
  QUndoStack undo_;
  int typingSession_ = 0;
  std::vector<LprFixing> fixings_;
};

}  // namespace quorvane
