// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 提前还款试算 as typed: a contract, the prepayment's day, amount, repeat
// and its last day, and the two goals, any text in any field. Each choice
// either says what is wrong or gives a schedule that ends at 0.00 with its
// principal summing to what was lent and no negative balance; a goal's
// amount reaches the goal and one yuan less does not.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "field_lines.h"
#include "history_shape.h"
#include "report_shape.h"
#include "sheet/prepayment_trial.h"
#include "text/day_text.h"
#include "text/decimal_text.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

namespace {

constexpr std::string_view kWhere = "prepayment trial";
constexpr Fen kYuan = 100;

std::chrono::year_month MonthOf(year_month_day day) { return day.year() / day.month(); }

// The loan with the prepayment as the history computes it once taken.
void CheckTaken(const LoanTerms& terms, const PrepaymentTrial& trial,
                const TrialPrepayment& prepayment, bool shortenTerm, const TrialColumn& column) {
  SheetChoices choices;
  choices.borrowerEvents.push_back(trial.Row(prepayment, shortenTerm));
  const LoanSheet sheet = ComputeSheet(terms, choices);
  Check(!sheet.problem, "a trial the history computes", kWhere);
  const auto& months = sheet.months.front();
  CheckPart(months, terms.parts.front().amount, kWhere);
  Check(column.lastDue == months.back().due, "the column's last day is the schedule's", kWhere);
  for (const auto& [day, balance] : column.balances) {
    Check(balance >= 0, "the chart owes nothing negative", kWhere);
  }
}

// What a prepayment of so much on the trial's day leaves, 缩短期限 or 减少月供;
// the loan as it stands for none; nothing where the bank's arithmetic cannot
// carry it (a payment that no longer covers a month's interest), which no
// goal counts as reached.
std::optional<TrialColumn> Leaves(const PrepaymentTrial& trial, Fen amount, bool shortenTerm) {
  if (amount == 0) {
    return trial.AsItStands();
  }
  const auto column = trial.With({trial.Day(), amount}, shortenTerm);
  return column ? std::optional(*column) : std::nullopt;
}

void CheckGoals(const PrepaymentTrial& trial, FieldLines& in) {
  const auto year = ReadDecimal(in.Next(), 0);
  const auto month = ReadDecimal(in.Next(), 0);
  if (year && month && *month >= 1 && *month <= 12 && *year <= 9999) {
    const std::chrono::year_month by = std::chrono::year{static_cast<int>(*year)} /
                                       std::chrono::month{static_cast<unsigned>(*month)};
    if (const auto answer = trial.RepaidBy(by)) {
      Check(answer->amount % kYuan == 0 && answer->amount > 0, "whole yuan", kWhere);
      const auto reached = Leaves(trial, answer->amount, true);
      Check(reached && MonthOf(reached->lastDue) <= by, "the goal is reached", kWhere);
      const auto missed = Leaves(trial, answer->amount - kYuan, true);
      Check(!missed || MonthOf(missed->lastDue) > by, "one yuan less misses it", kWhere);
    }
  }
  if (const auto payment = ReadDecimal(in.Next(), 2)) {
    if (const auto answer = trial.PaymentAtMost(*payment)) {
      Check(answer->amount % kYuan == 0 && answer->amount > 0, "whole yuan", kWhere);
      const auto reached = Leaves(trial, answer->amount, false);
      Check(reached && (!reached->payment || *reached->payment <= *payment),
            "the payment is reached", kWhere);
      const auto missed = Leaves(trial, answer->amount - kYuan, false);
      Check(!missed || (missed->payment && *missed->payment > *payment), "one yuan less misses it",
            kWhere);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const auto flags = data[0];
  FieldLines in(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  ContractTexts texts;
  texts.kind = (flags & 1) != 0 ? LoanKind::Fund : LoanKind::Commercial;
  texts.method = (flags & 2) != 0 ? Repayment::EqualPrincipal : Repayment::EqualPayment;
  texts.repricing = static_cast<Repricing>((flags >> 2) % 3);
  for (std::string* field : {&texts.granted, &texts.paymentDay, &texts.amount, &texts.months,
                             &texts.discount, &texts.firstRate, &texts.spread}) {
    *field = in.Next();
  }
  const auto terms = ReadContractTexts(texts, std::chrono::year{2026} / 12 / 8);
  const auto day = ReadDay(in.Next());
  if (!terms || !day) {
    return 0;
  }
  const auto trial = PrepaymentTrial::Of(*terms, {}, {}, SheetPart::Main, *day);
  if (!trial) {
    return 0;
  }
  TrialPrepayment prepayment;
  prepayment.day = *day;
  prepayment.amount = ReadDecimal(in.Next(), 6).value_or(0);
  prepayment.repeat = static_cast<BorrowerEvent::Repeat>((flags >> 4) % 3);
  prepayment.until = ReadDay(in.Next());
  if (prepayment.amount <= kLargestBalance) {
    for (const bool shortenTerm : {true, false}) {
      if (const auto column = trial->With(prepayment, shortenTerm)) {
        Check(column->interestLeft >= 0 && column->paidFromDay >= 0, "nothing negative", kWhere);
        CheckTaken(*terms, *trial, prepayment, shortenTerm, *column);
      }
    }
  }
  CheckGoals(*trial, in);
  return 0;
}
