// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "sheet/loan_sheet.h"
#include "text/outcome.h"
#include "text/typed_table.h"

// 提前还款试算: a prepayment tried on a part of the loan as it stands, with
// its rate events and the borrower's rows, and what it changes from its day
// on: kept the payment (缩短期限) or the months (减少月供), beside the loan
// without it. And the other way round, the least amount that reaches a goal.
namespace quorvane {

// The prepayment tried: a day, an amount, and a repeat as the borrower's row
// of the history has it.
struct TrialPrepayment {
  year_month_day day;
  Fen amount = 0;
  BorrowerEvent::Repeat repeat = BorrowerEvent::Repeat::Once;
  std::optional<year_month_day> until{};
  bool operator==(const TrialPrepayment&) const = default;
};

// What a choice leaves from the prepayment's day on.
struct TrialColumn {
  std::optional<Fen> payment;  // 月供: the first payment due after the day
  int monthsLeft = 0;          // 剩余期数: the payments due after the day
  year_month_day lastDue;      // 最后还款日
  Fen interestLeft = 0;        // 剩余利息
  Fen interestSaved = 0;       // 节省利息, against the loan without the prepayment
  int monthsEarlier = 0;       // 提前还清, in months
  Fen paidFromDay = 0;         // 总还款 from the day, the prepayments included
  bool repaid = false;         // a prepayment repays all that is owed
  // The balance owed from the day on: on the day before the prepayment,
  // then after each payment or prepayment.
  std::vector<std::pair<year_month_day, Fen>> balances;
};

// Why a prepayment cannot be tried.
enum class TrialProblem {
  BeforeGrant,   // the day is before the loan was granted
  AfterEnd,      // the day is on or after the loan's last payment
  NoAmount,      // an amount of 0
  RepeatEnds,    // a repeat that ends before it starts
  NotComputed,   // the loan itself cannot be computed
  PaymentShort,  // with the prepayment a payment no longer covers a month's interest
};

// Why a goal cannot be reached, or needs nothing.
enum class GoalMiss {
  BeforePrepayment,    // the month asked for is before the prepayment's
  PaymentNotPositive,  // the payment asked for is 0 or less
  AlreadyRepaid,       // the loan ends in the month or before without a prepayment
  AlreadyBelow,        // its payment is already no more than that
  Unreachable,         // no amount reaches it
};

// The least whole yuan that reaches a goal, and what it leaves.
struct GoalAnswer {
  Fen amount = 0;
  TrialColumn column;
};

class PrepaymentTrial {
 public:
  // The part of the loan as it stands; nothing where its day is before the
  // grant or on or after the last payment, or the loan cannot be computed.
  // The sheet of the same loan is taken where it is already computed.
  static Outcome<PrepaymentTrial, TrialProblem> Of(const LoanTerms& terms,
                                                   const SheetChoices& choices,
                                                   const std::vector<LprFixing>& fixings,
                                                   SheetPart part, year_month_day day,
                                                   const LoanSheet* computed = nullptr);

  [[nodiscard]] year_month_day Day() const { return day_; }
  // What the loan owes on the day, after the payments due on or before it.
  [[nodiscard]] Fen Owed() const { return owed_; }
  // The loan as it stands: 不提前还款.
  [[nodiscard]] const TrialColumn& AsItStands() const { return asItStands_; }
  // What the sheet says it assumed (the LPR after the last fixing known).
  [[nodiscard]] const std::vector<std::string>& Notes() const { return notes_; }

  // The loan with the prepayment, kept the payment or the months.
  [[nodiscard]] Outcome<TrialColumn, TrialProblem> With(const TrialPrepayment& prepayment,
                                                        bool shortenTerm) const;

  // The least amount on the day that makes the last payment fall in the
  // month or before it (缩短期限).
  [[nodiscard]] Outcome<GoalAnswer, GoalMiss> RepaidBy(std::chrono::year_month month) const;
  // The least amount on the day after which the first payment is at most
  // so much (减少月供).
  [[nodiscard]] Outcome<GoalAnswer, GoalMiss> PaymentAtMost(Fen payment) const;

  // The borrower's row that takes the prepayment into the history.
  [[nodiscard]] BorrowerEvent Row(const TrialPrepayment& prepayment, bool shortenTerm) const;

 private:
  PrepaymentTrial() = default;
  [[nodiscard]] std::optional<TrialColumn> ColumnWith(const TrialPrepayment& prepayment,
                                                      bool shortenTerm) const;

  LoanTerms terms_;
  SheetChoices choices_;
  std::vector<LprFixing> fixings_;
  SheetPart part_ = SheetPart::Main;
  year_month_day day_;
  Fen owed_ = 0;
  TrialColumn asItStands_;
  std::vector<std::string> notes_;
};

// The choices' names, the figures' names and a column's figures as the
// planner shows them: "2021.48", "71 期", "2020-12-15", "78 个月".
inline constexpr std::array<std::string_view, 3> kTrialWays{"不提前还款", "缩短期限", "减少月供"};
inline constexpr std::array<std::string_view, 7> kTrialFigures{
    "月供（元）",     "剩余期数", "最后还款日",  "剩余利息（元）",
    "节省利息（元）", "提前还清", "总还款（元）"};
std::array<std::string, kTrialFigures.size()> TrialFigureTexts(const TrialColumn& column,
                                                               bool asItStands);

// The columns as a spreadsheet's file takes them: a row a figure, a column
// a choice under its name, figures as numbers and days as dates.
TypedSheet TrialSheet(const std::vector<std::pair<std::string, TrialColumn>>& columns);

// 若这笔钱不还贷: what the amount would earn at the yearly rate over the
// months 缩短期限 still pays, beside the interest it saves.
std::string EarningsLine(Fen amount, Percent yearly, const TrialColumn& shorter);

// The words for a problem and a goal missed, as the status line says them.
std::string TrialProblemWords(TrialProblem problem);
std::string GoalMissWords(GoalMiss miss, const PrepaymentTrial& trial);

// What the amount would earn from the day at the yearly rate compounded
// monthly (the rate ⁄ 12 a month) over so many months, to the fen, halves
// up, rounded once at the end; nothing where it grows past what is counted.
std::optional<Fen> Earnings(Fen amount, Percent yearly, int months);

}  // namespace quorvane
