// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_check.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "history/event_texts.h"
#include "text/day_text.h"

namespace quorvane {

namespace {

std::optional<Fen> BankBefore(const PlanMonth& month) {
  if (month.balance && month.principal) {
    return *month.balance + *month.principal;
  }
  return std::nullopt;
}

// What the plan owed before a month: its balance after it plus its
// principal; else what it owed after the month before; else, for the first
// month of the loan, the amount lent. A plan without balances that starts
// with the first month so owes the amount less the principal repaid.
std::optional<Fen> OwedBefore(const PlanMonth& month, std::optional<Fen> afterMonthBefore,
                              std::optional<Fen> lent) {
  if (const auto before = BankBefore(month)) {
    return before;
  }
  return afterMonthBefore ? afterMonthBefore : lent;
}

// For each of the plan's months, the history's month it is checked against:
// by the month of its date where the plan has dates, else by its number, or
// its place; a plan that starts later starts where its first balance does.
// A prepayment the plan lists is checked apart.
std::vector<std::optional<std::size_t>> Align(const BankPlan& plan,
                                              const std::vector<OurMonth>& ours) {
  std::vector<std::optional<std::size_t>> aligned(plan.months.size());
  std::vector<const PlanMonth*> months;
  std::vector<std::size_t> rows;
  for (std::size_t j = 0; j < plan.months.size(); ++j) {
    if (!plan.months[j].prepayment) {
      months.push_back(&plan.months[j]);
      rows.push_back(j);
    }
  }
  const bool dated =
      !months.empty() && std::all_of(months.begin(), months.end(),
                                     [](const PlanMonth* month) { return month->due.has_value(); });
  if (dated) {
    std::map<std::chrono::year_month, std::size_t> byMonth;
    for (std::size_t i = 0; i < ours.size(); ++i) {
      byMonth.emplace(ours[i].month->due.year() / ours[i].month->due.month(), i);
    }
    for (std::size_t k = 0; k < months.size(); ++k) {
      const auto found = byMonth.find(months[k]->due->year() / months[k]->due->month());
      if (found != byMonth.end()) {
        aligned[rows[k]] = found->second;
      }
    }
    return aligned;
  }
  const bool numbered = std::all_of(months.begin(), months.end(), [](const PlanMonth* month) {
    return month->number.has_value();
  });
  const auto placeOf = [&](std::size_t k) {
    return numbered ? static_cast<std::int64_t>(*months[k]->number) - 1
                    : static_cast<std::int64_t>(k);
  };
  std::int64_t offset = 0;
  if (!months.empty()) {
    if (const auto before = BankBefore(*months.front())) {
      const std::int64_t first = placeOf(0);
      const bool fits = first >= 0 && first < static_cast<std::int64_t>(ours.size()) &&
                        ours[static_cast<std::size_t>(first)].before == *before;
      const auto found = std::find_if(
          ours.begin(), ours.end(), [&](const OurMonth& month) { return month.before == *before; });
      if (!fits && found != ours.end()) {
        offset = (found - ours.begin()) - first;
      }
    }
  }
  for (std::size_t k = 0; k < months.size(); ++k) {
    const std::int64_t i = placeOf(k) + offset;
    if (i >= 0 && i < static_cast<std::int64_t>(ours.size())) {
      aligned[rows[k]] = static_cast<std::size_t>(i);
    }
  }
  return aligned;
}

// A prepayment of the history's, with the number of the month before it.
struct OurPrepayment {
  const HistoryRow* row = nullptr;
  int after = 0;
  bool taken = false;
};

std::vector<OurPrepayment> OurPrepayments(const CheckedLoan& loan) {
  std::vector<OurPrepayment> prepayments;
  int after = 0;
  for (const HistoryRow& row : loan.months) {
    if (row.number > 0) {
      after = row.number;
    } else {
      prepayments.push_back({&row, after});
    }
  }
  return prepayments;
}

// The history's prepayment a prepayment of the plan is checked against: one
// after the same month, on the same day if there is one.
OurPrepayment* MatchingPrepayment(std::vector<OurPrepayment>& ours, int after,
                                  std::optional<year_month_day> day) {
  OurPrepayment* match = nullptr;
  for (OurPrepayment& prepayment : ours) {
    if (prepayment.taken || prepayment.after != after) {
      continue;
    }
    if (day && prepayment.row->due == *day) {
      return &prepayment;
    }
    match = match != nullptr ? match : &prepayment;
  }
  return match;
}

// The number of the history's last month due on or before a day.
int MonthOnOrBefore(const std::vector<OurMonth>& ours, year_month_day day) {
  const auto after = std::find_if(ours.begin(), ours.end(),
                                  [&](const OurMonth& month) { return month.month->due > day; });
  return after == ours.begin() ? 0 : (after - 1)->month->number;
}

// A month's largest difference: its figure and the fen.
struct Gap {
  std::size_t figure = 0;
  Fen fen = 0;
};

Gap LargestGap(const CheckedMonth& month) {
  Gap gap;
  // Interest first: where figures differ alike, it is where a cause shows.
  for (const PlanFigure figure :
       {PlanFigure::Interest, PlanFigure::Payment, PlanFigure::Principal, PlanFigure::Balance}) {
    const auto f = static_cast<std::size_t>(figure);
    if (std::llabs(month.difference[f]) > std::llabs(gap.fen)) {
      gap = {f, month.difference[f]};
    }
  }
  return gap;
}

// "第 19 期（2009-01-15），利息差 +0.37 元": a month and its own largest gap.
std::string GapText(const CheckedMonth& month, const Gap& gap) {
  return "第 " + std::to_string(month.number) + " 期（" + DayText(month.due) + "），" +
         std::string(kFigureNames.at(gap.figure)) + "差 " + SignedYuanText(gap.fen) + " 元";
}

std::string Summary(const PlanCheck& check, std::size_t planMonths) {
  std::size_t agree = 0;
  std::size_t differ = 0;
  std::size_t planOnly = 0;
  std::size_t historyOnly = 0;
  std::size_t twice = 0;
  std::size_t prepayments = 0;
  std::size_t prepaymentsDiffer = 0;
  std::size_t prepaymentsLacking = 0;
  const CheckedMonth* first = nullptr;
  const CheckedMonth* largest = nullptr;
  for (const CheckedMonth& month : check.months) {
    if (month.prepayment) {
      prepayments += month.inPlan ? 1 : 0;
      prepaymentsDiffer += month.inPlan && !month.Agrees() ? 1 : 0;
      prepaymentsLacking += month.inPlan ? 0 : 1;
    } else if (month.duplicate) {
      ++twice;
    } else if (month.inPlan && month.inHistory) {
      if (month.Agrees()) {
        ++agree;
        continue;
      }
      ++differ;
      first = first != nullptr ? first : &month;
      if (largest == nullptr ||
          std::llabs(LargestGap(month).fen) > std::llabs(LargestGap(*largest).fen)) {
        largest = &month;
      }
    } else if (month.inPlan) {
      ++planOnly;
    } else if (month.inHistory) {
      ++historyOnly;
    }
  }
  std::string text = "银行计划 " + std::to_string(planMonths) + " 期：与 Quorvane 一致 " +
                     std::to_string(agree) + " 期";
  if (differ > 0) {
    text +=
        "，不一致 " + std::to_string(differ) + " 期；最早" + GapText(*first, LargestGap(*first));
    if (largest != first) {
      text += "；差得最多的是" + GapText(*largest, LargestGap(*largest));
    }
  }
  if (prepayments > 0) {
    text += "；提前还款 ";
    text += std::to_string(prepayments);
    text += " 笔";
    if (prepaymentsDiffer > 0) {
      text += "，不一致 ";
      text += std::to_string(prepaymentsDiffer);
      text += " 笔";
    } else {
      text += "一致";
    }
  }
  if (twice > 0) {
    text += "；重复 " + std::to_string(twice) + " 期";
  }
  if (planOnly > 0) {
    text += "；Quorvane 没有的 " + std::to_string(planOnly) + " 期";
  }
  if (historyOnly > 0) {
    text += "；计划缺 " + std::to_string(historyOnly) + " 期";
  }
  if (prepaymentsLacking > 0) {
    text += "；计划缺提前还款 " + std::to_string(prepaymentsLacking) + " 笔";
  }
  return text;
}

// What the borrower should know of the plan as a whole: rows skipped, rows
// twice, another loan's plan, or one in 万元.
std::vector<std::string> PlanNotes(const BankPlan& plan, const CheckedLoan& loan,
                                   const std::vector<OurMonth>& ours,
                                   const std::vector<std::optional<std::size_t>>& aligned) {
  std::vector<std::string> notes;
  if (!plan.skipped.empty()) {
    notes.push_back("跳过 " + std::to_string(plan.skipped.size()) +
                    " 行不是还款月份的内容（标题、合计、空行等）");
  }
  for (std::size_t j = 0; j < plan.months.size(); ++j) {
    const auto before = BankBefore(plan.months[j]);
    if (plan.months[j].prepayment || !aligned[j] || !Owable(before)) {
      continue;
    }
    const Fen expected = ours[*aligned[j]].before;
    if (*before > 0 && expected > 0 && std::llabs(*before * 10'000 - expected) * 100 <= expected &&
        std::llabs(*before - expected) * 100 > expected) {
      notes.push_back(
          "银行计划的金额约为 Quorvane 的万分之一：似以万元为单位，请用以元为单位的计划核对");
    } else if (*aligned[j] == 0 && *before != loan.amount) {
      notes.push_back("银行计划首期前的本金 " + YuanText(*before) + " 元与贷款金额 " +
                      YuanText(loan.amount) + " 元不同：似为另一笔贷款，仍逐期核对");
    }
    break;
  }
  return notes;
}

// A month of the plan checked against one of the history's, with what the
// plan owed before it.
struct Matched {
  std::size_t row = 0;  // in the check's rows
  std::size_t ours = 0;
  const PlanMonth* bank = nullptr;
  std::optional<Fen> owedBefore;
};

// Whether the bank charged a month's interest at a rate.
bool ChargedAt(const Matched& month, Percent rate) {
  return month.bank->interest && Owable(month.owedBefore) &&
         *month.bank->interest == MonthInterest(*month.owedBefore, rate);
}

// Where the history changes the rate with a month and the bank kept the old
// rate for that month and the next few, then took the new one: one of
// Quorvane's changes that the bank made months late. Those months say so,
// and offer the change moved, in place of a rate of the borrower's each.
void NameLateChanges(std::vector<CheckedMonth>& rows, const std::vector<Matched>& matched,
                     const std::vector<OurMonth>& ours, const CheckedLoan& loan) {
  for (std::size_t m = 0; m < matched.size(); ++m) {
    const Matched& first = matched[m];
    const CheckedMonth& row = rows[first.row];
    if (!row.offer || row.offer->kind != PlanOffer::Kind::AddRate || first.ours == 0) {
      continue;
    }
    const OurMonth& our = ours[first.ours];
    const OurMonth& before = ours[first.ours - 1];
    const auto change =
        std::find_if(loan.changes.rbegin(), loan.changes.rend(), [&](const QuorvaneChange& c) {
          return c.effective >= before.month->due && c.effective < our.month->due;
        });
    if (!our.rate || !before.rate || *our.rate == *before.rate || change == loan.changes.rend()) {
      continue;
    }
    // The months in a row at the old rate where the history has the new.
    const auto inStep = [&](std::size_t n) {
      return m + n < matched.size() && matched[m + n].ours == first.ours + n;
    };
    std::size_t late = 0;
    while (inStep(late) && ours[first.ours + late].rate == our.rate &&
           ChargedAt(matched[m + late], *before.rate)) {
      ++late;
    }
    // Then the new rate, not a later change's: a change the bank skipped is
    // not one it made late.
    if (late == 0 || !inStep(late) || ours[first.ours + late].rate != our.rate ||
        !ChargedAt(matched[m + late], *our.rate)) {
      continue;
    }
    PlanOffer offer;
    offer.kind = PlanOffer::Kind::MoveChange;
    offer.original = change->original;
    offer.change = change->kind;
    offer.day = MonthsLater(change->effective, static_cast<int>(late));
    const std::string why = MovedText(change->original, offer.day) + "：本期仍按年利率 " +
                            PercentText(*before.rate) + "% 计息，Quorvane 按 " +
                            PercentText(*our.rate) + "%";
    for (std::size_t n = 0; n < late; ++n) {
      rows[matched[m + n].row].why = why;
      rows[matched[m + n].row].offer = offer;
    }
    m += late - 1;
  }
}

}  // namespace

bool CheckedMonth::Agrees() const {
  return inPlan && inHistory && !duplicate &&
         std::all_of(difference.begin(), difference.end(), [](Fen fen) { return fen == 0; });
}

std::string_view PlanProblemWords(PlanProblem problem) {
  switch (problem) {
    case PlanProblem::NoMonths:
      return "没有找到还款月份：请粘贴银行的还款计划（每期一行），或打开它的文件";
    case PlanProblem::NotAPlan:
      return "这不像还款计划：没有找到日期和金额的列";
    case PlanProblem::ColumnsUnclear:
      return "分不清各列的含义：请在各列上方选择每列是期数、日期、月供、本金、利息还是剩余本金";
  }
  return {};
}

std::optional<PlanProblem> UncheckablePlan(const BankPlan& plan) {
  if (plan.months.empty() && (plan.settled || plan.figureRows == 0)) {
    const bool text = plan.textRows > 0 && !plan.settled;
    return text ? PlanProblem::NotAPlan : PlanProblem::NoMonths;
  }
  if (!plan.settled) {
    return PlanProblem::ColumnsUnclear;
  }
  return std::nullopt;
}

PlanCheck CheckPlan(const BankPlan& plan, const CheckedLoan& loan) {
  PlanCheck check;
  check.problem = UncheckablePlan(plan);
  if (check.problem) {
    return check;
  }
  const std::vector<OurMonth> ours = OurMonths(loan);
  std::vector<OurPrepayment> ourPrepayments = OurPrepayments(loan);
  const auto aligned = Align(plan, ours);
  check.notes = PlanNotes(plan, loan, ours, aligned);
  std::vector<bool> taken(ours.size(), false);
  std::optional<std::size_t> firstOurs;
  std::optional<std::size_t> lastOurs;
  const PlanMonth* previous = nullptr;   // the plan's row before, a prepayment too
  const PlanMonth* lastMonth = nullptr;  // the plan's month before, prepayments left out
  PlanMonth afterPrepayment;             // a prepayment, with what the plan owed after it
  std::optional<std::size_t> previousOurs;
  std::optional<Fen> owedAfter;  // what the plan owed after its row before
  bool listsPrepayments = false;
  std::vector<Matched> matched;
  for (std::size_t j = 0; j < plan.months.size(); ++j) {
    const PlanMonth& bank = plan.months[j];
    if (bank.prepayment) {
      listsPrepayments = true;
      const int after = bank.due       ? MonthOnOrBefore(ours, *bank.due)
                        : previousOurs ? ours[*previousOurs].month->number
                                       : 0;
      const auto monthBefore = std::find_if(ours.begin(), ours.end(), [&](const OurMonth& month) {
        return month.month->number == after;
      });
      const auto monthAfter =
          std::find_if(plan.months.begin() + static_cast<std::ptrdiff_t>(j), plan.months.end(),
                       [](const PlanMonth& month) { return !month.prepayment; });
      OurPrepayment* match = MatchingPrepayment(ourPrepayments, after, bank.due);
      CheckedMonth row;
      row.prepayment = true;
      row.after = after;
      row.inPlan = true;
      row.bank = FiguresOf(bank);
      row.due =
          bank.due.value_or(monthBefore != ours.end() ? monthBefore->month->due : loan.granted);
      if (match != nullptr) {
        match->taken = true;
        row.inHistory = true;
        row.ours = FiguresOf(match->row->month);
        for (std::size_t f = 0; f < kPlanFigures; ++f) {
          row.difference[f] = row.bank[f] && row.ours[f] ? *row.bank[f] - *row.ours[f] : 0;
        }
      }
      if (!row.Agrees()) {
        Cause cause = ExplainPrepayment(
            {&bank, lastMonth, monthAfter != plan.months.end() ? &*monthAfter : nullptr,
             match != nullptr ? match->row : nullptr, row.due},
            loan);
        row.why = std::move(cause.why);
        if (loan.rated) {
          row.offer = cause.offer;
        }
      }
      const Fen amount = bank.principal.value_or(bank.payment.value_or(0));
      owedAfter = bank.balance ? bank.balance
                  : owedAfter  ? std::optional(*owedAfter - amount)
                               : std::nullopt;
      afterPrepayment = bank;
      afterPrepayment.balance = owedAfter;
      previous = &afterPrepayment;
      check.months.push_back(std::move(row));
      continue;
    }
    CheckedMonth row;
    row.inPlan = true;
    row.bank = FiguresOf(bank);
    row.number = bank.number.value_or(0);
    row.due = bank.due.value_or(year_month_day{});
    if (const auto i = aligned[j]) {
      const OurMonth& our = ours[*i];
      row.inHistory = true;
      row.duplicate = taken[*i];
      taken[*i] = true;
      row.number = our.month->number;
      row.due = bank.due.value_or(our.month->due);
      row.ours = FiguresOf(our.month->month);
      for (std::size_t f = 0; f < kPlanFigures; ++f) {
        row.difference[f] = row.bank[f] ? *row.bank[f] - *row.ours[f] : 0;
      }
      firstOurs = std::min(firstOurs.value_or(*i), *i);
      lastOurs = std::max(lastOurs.value_or(*i), *i);
      const bool follows = previousOurs && *previousOurs + 1 == *i;
      const std::optional<Fen> owedBefore =
          OwedBefore(bank, follows ? owedAfter : std::nullopt,
                     *i == 0 ? std::optional(loan.amount) : std::nullopt);
      owedAfter = bank.balance                   ? bank.balance
                  : owedBefore && bank.principal ? std::optional(*owedBefore - *bank.principal)
                                                 : std::nullopt;
      if (!row.Agrees() && !row.duplicate) {
        const auto next = std::find_if(plan.months.begin() + static_cast<std::ptrdiff_t>(j) + 1,
                                       plan.months.end(),
                                       [](const PlanMonth& month) { return !month.prepayment; });
        const MonthFacts facts{
            &bank, follows ? previous : nullptr,     next != plan.months.end() ? &*next : nullptr,
            &our,  *i > 0 ? &ours[*i - 1] : nullptr, owedBefore};
        Cause cause = Explain(facts, loan);
        row.why = std::move(cause.why);
        if (our.rate) {
          row.offer = cause.offer;  // the sum of two parts takes no event: whose would it be?
        }
      }
      if (!row.duplicate) {
        matched.push_back({check.months.size(), *i, &bank, owedBefore});
      }
      previousOurs = *i;
    } else {
      row.why = "Quorvane 的历程中没有这一期";
      previousOurs.reset();
    }
    if (row.duplicate) {
      row.why = "银行计划中这一期重复";
    }
    previous = &bank;
    lastMonth = &bank;
    check.months.push_back(std::move(row));
  }
  NameLateChanges(check.months, matched, ours, loan);
  // The history's months the plan skips over, and those after a plan that
  // repays the loan; and its prepayments among them, where the plan lists
  // prepayments at all.
  const bool planEnds = plan.months.back().balance == Fen{0};
  for (std::size_t i = firstOurs.value_or(0); i < ours.size(); ++i) {
    if (!taken[i] && (i < lastOurs.value_or(0) || planEnds)) {
      CheckedMonth row;
      row.inHistory = true;
      row.number = ours[i].month->number;
      row.due = ours[i].month->due;
      row.ours = FiguresOf(ours[i].month->month);
      row.why = "银行计划中没有这一期";
      check.months.push_back(std::move(row));
    }
  }
  if (listsPrepayments && firstOurs) {
    const int firstMonth = ours[*firstOurs].month->number;
    const int lastMonthNumber = ours[lastOurs.value_or(0)].month->number;
    for (const OurPrepayment& prepayment : ourPrepayments) {
      if (!prepayment.taken && prepayment.after >= firstMonth &&
          (prepayment.after < lastMonthNumber || planEnds)) {
        CheckedMonth row;
        row.prepayment = true;
        row.after = prepayment.after;
        row.inHistory = true;
        row.due = prepayment.row->due;
        row.ours = FiguresOf(prepayment.row->month);
        row.why = "银行计划中没有这笔提前还款";
        check.months.push_back(std::move(row));
      }
    }
  }
  const bool dated = std::all_of(check.months.begin(), check.months.end(),
                                 [](const CheckedMonth& month) { return month.due.ok(); });
  std::stable_sort(check.months.begin(), check.months.end(),
                   [dated](const CheckedMonth& a, const CheckedMonth& b) {
                     if (dated) {
                       return std::pair(a.due, a.prepayment) < std::pair(b.due, b.prepayment);
                     }
                     return std::pair(a.prepayment ? a.after : a.number, a.prepayment) <
                            std::pair(b.prepayment ? b.after : b.number, b.prepayment);
                   });
  check.summary = Summary(check, MonthsIn(plan));
  return check;
}

}  // namespace quorvane
