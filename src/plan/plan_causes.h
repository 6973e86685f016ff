// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "plan/checked_loan.h"

// Why a month of the bank's plan differs from the history, as far as the
// figures tell: the bank's rate, interest by days, a prepayment the history
// lacks, rounding, an earlier difference; and what the borrower can change
// so that the history follows the bank.
namespace quorvane {

struct PlanOffer {
  enum class Kind {
    AddRate,
    AddPrepayment,
    AcrossChange,
    FirstMonth,
    MoveChange,
    SetReading,
    SetRepricing,
    SetConversionDay,
    SetSpread,
  };
  // Whose spread SetSpread sets: the contract's (with its first rate), a
  // cut's, or one of the borrower's rows.
  enum class SpreadOf { Contract, Cut, Row };
  Kind kind = Kind::AddRate;
  year_month_day day;       // a change moved: the day it moves to
  year_month_day original;  // a change moved: Quorvane's day, and its kind
  RateEventKind change = RateEventKind::Benchmark;
  LprReading reading = LprReading::LatestPublished;  // which fixing the repricings take
  Repricing repricing = Repricing::NextJanuary;      // an LPR loan's repricing day
  Percent rate;  // a rate added; the first rate of a contract's spread set
  SpreadOf spreadOf = SpreadOf::Contract;
  std::size_t index = 0;  // the cut's, or the borrower's row
  Percent spread;
  Fen amount = 0;
  bool shortenTerm = false;
  int daysInYear = kDaysInYears[0];
};

// The offer's words on its button: "添加利率事件：2009-01-14 起年利率 5.049%".
std::string OfferText(const PlanOffer& offer);

// What the check knows of a month that differs.
struct MonthFacts {
  const PlanMonth* bank = nullptr;
  const PlanMonth* bankBefore = nullptr;  // the plan's month before it, if it has it
  const PlanMonth* bankAfter = nullptr;
  const OurMonth* ours = nullptr;
  const OurMonth* oursBefore = nullptr;
  std::optional<Fen> owedBefore;  // what the bank's plan owed before the month
};

struct Cause {
  std::string why;
  std::optional<PlanOffer> offer;
};

Cause Explain(const MonthFacts& facts, const CheckedLoan& loan);

// What the check knows of a prepayment the plan lists.
struct PrepaymentFacts {
  const PlanMonth* bank = nullptr;
  const PlanMonth* monthBefore = nullptr;  // the plan's months around it
  const PlanMonth* monthAfter = nullptr;
  const HistoryRow* ours = nullptr;  // the history's of that day, if it has one
  year_month_day day;                // its day, or else the day of the month before it
};

// Why a prepayment of the plan differs from the history's, or that the
// history lacks it.
Cause ExplainPrepayment(const PrepaymentFacts& facts, const CheckedLoan& loan);

}  // namespace quorvane
