// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/plan_check.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "history/event_texts.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

constexpr std::int64_t kMonthDenominator = 12'000'000;  // ten-thousandths of a percent, a month
constexpr std::string_view kFigureNames[kPlanFigures] = {"月供", "本金", "利息", "剩余本金"};
constexpr int kDaysInYears[] = {360, 365};

std::array<std::optional<Fen>, kPlanFigures> FiguresOf(const PlanMonth& month) {
  return {month.payment, month.principal, month.interest, month.balance};
}

std::array<std::optional<Fen>, kPlanFigures> FiguresOf(const BankMonth& month) {
  return {month.payment, month.principal, month.interest, month.balance};
}

// A balance the bank's arithmetic can be worked on: none of a plan's
// figures is trusted further.
bool Owable(std::optional<Fen> fen) { return fen && *fen >= 0 && *fen <= kLargestBalance; }

std::string SignedYuan(Fen fen) { return (fen > 0 ? "+" : "") + YuanText(fen); }

// The history's months and, for each, the balance before it.
struct OurMonth {
  const ShownMonth* month = nullptr;
  Fen before = 0;
  year_month_day previousDue;  // the grant day before the first
};

std::vector<OurMonth> OurMonths(const CheckedLoan& loan) {
  std::vector<OurMonth> months;
  Fen before = loan.amount;
  year_month_day previousDue = loan.granted;
  for (const ShownMonth& month : loan.months) {
    if (month.number > 0) {
      months.push_back({&month, before, previousDue});
      previousDue = month.due;
    }
    before = month.month.balance;
  }
  return months;
}

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
std::vector<std::optional<std::size_t>> Align(const BankPlan& plan,
                                              const std::vector<OurMonth>& ours) {
  std::vector<std::optional<std::size_t>> aligned(plan.months.size());
  const bool dated = !plan.months.empty() &&
                     std::all_of(plan.months.begin(), plan.months.end(),
                                 [](const PlanMonth& month) { return month.due.has_value(); });
  if (dated) {
    std::map<std::chrono::year_month, std::size_t> byMonth;
    for (std::size_t i = 0; i < ours.size(); ++i) {
      byMonth.emplace(ours[i].month->due.year() / ours[i].month->due.month(), i);
    }
    for (std::size_t j = 0; j < plan.months.size(); ++j) {
      const auto found = byMonth.find(plan.months[j].due->year() / plan.months[j].due->month());
      if (found != byMonth.end()) {
        aligned[j] = found->second;
      }
    }
    return aligned;
  }
  const bool numbered =
      std::all_of(plan.months.begin(), plan.months.end(),
                  [](const PlanMonth& month) { return month.number.has_value(); });
  const auto placeOf = [&](std::size_t j) {
    return numbered ? static_cast<std::int64_t>(*plan.months[j].number) - 1
                    : static_cast<std::int64_t>(j);
  };
  std::int64_t offset = 0;
  if (!plan.months.empty()) {
    if (const auto before = BankBefore(plan.months.front())) {
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
  for (std::size_t j = 0; j < plan.months.size(); ++j) {
    const std::int64_t i = placeOf(j) + offset;
    if (i >= 0 && i < static_cast<std::int64_t>(ours.size())) {
      aligned[j] = static_cast<std::size_t>(i);
    }
  }
  return aligned;
}

// The plainest rate at which a month's interest on the balance, halves up,
// is what the bank charged: one the history has where one fits, else the
// one with the fewest decimals.
std::optional<Percent> RateOfInterest(Fen interest, Fen balance,
                                      const std::vector<Percent>& known) {
  if (balance <= 0 || interest < 0 || interest > balance) {
    return std::nullopt;
  }
  const std::int64_t low = std::max<std::int64_t>(
      0, (interest * kMonthDenominator - kMonthDenominator / 2 + balance - 1) / balance);
  const std::int64_t high =
      (interest * kMonthDenominator + kMonthDenominator / 2 + balance - 1) / balance - 1;
  for (const Percent rate : known) {
    if (rate.tenThousandths >= low && rate.tenThousandths <= high) {
      return rate;
    }
  }
  for (const std::int64_t step : {10'000, 1'000, 100, 10, 1}) {
    const std::int64_t rate = (low + step - 1) / step * step;
    if (rate <= high) {
      return Percent{rate};
    }
  }
  return std::nullopt;
}

// A month's interest cut off at the fen, and rounded half to even.
Fen Truncated(Fen balance, Percent rate) {
  return balance * rate.tenThousandths / kMonthDenominator;
}

Fen HalfEven(Fen balance, Percent rate) {
  const std::int64_t product = balance * rate.tenThousandths;
  const Fen down = product / kMonthDenominator;
  const std::int64_t rest = product % kMonthDenominator;
  const bool up = rest * 2 > kMonthDenominator || (rest * 2 == kMonthDenominator && down % 2 != 0);
  return down + (up ? 1 : 0);
}

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

// The repaying amount that a prepayment keeps (缩短期限) or changes.
std::optional<Fen> RepayingAmount(const PlanMonth* month, Repayment method) {
  if (month == nullptr) {
    return std::nullopt;
  }
  return method == Repayment::EqualPayment ? month->payment : month->principal;
}

// The bank's balance falls by more than the month's principal: a prepayment
// the history lacks, before the month where the month's interest is on what
// was left, after it otherwise.
std::optional<Cause> MissingPrepayment(const MonthFacts& facts, const CheckedLoan& loan) {
  const PlanMonth& bank = *facts.bank;
  if (facts.bankBefore == nullptr || !facts.bankBefore->balance || !bank.balance ||
      !bank.principal || !bank.interest) {
    return std::nullopt;
  }
  const Fen before = *facts.bankBefore->balance;
  const Fen extra = before - *bank.principal - *bank.balance;
  if (extra <= 1 || !Owable(before) || !Owable(before - extra)) {
    return std::nullopt;
  }
  const Percent rate = facts.ours->month->rate.value_or(Percent{});
  const bool first = MonthInterest(before - extra, rate) == *bank.interest;
  PlanOffer offer;
  offer.kind = PlanOffer::Kind::AddPrepayment;
  offer.day = first ? facts.ours->previousDue : facts.ours->month->due;
  offer.amount = extra;
  const auto kept = RepayingAmount(first ? facts.bankBefore : facts.bank, loan.method);
  const auto after = RepayingAmount(first ? facts.bank : facts.bankAfter, loan.method);
  offer.shortenTerm = kept && after && *kept == *after;
  return Cause{"银行本期剩余本金比上期少 "s + YuanText(before - *bank.balance) +
                   " 元，比本期本金多 " + YuanText(extra) + " 元：似有一笔 " + DayText(offer.day) +
                   " 的提前还款，Quorvane 没有",
               offer};
}

std::optional<Cause> Rounding(Fen bankInterest, Fen balance, Percent rate) {
  if (std::llabs(bankInterest - MonthInterest(balance, rate)) != 1) {
    return std::nullopt;
  }
  const std::string figures = "：" + YuanText(balance) + " 元 × " + PercentText(rate) +
                              "% ÷ 12 = " + YuanText(bankInterest) + " 元";
  if (bankInterest == Truncated(balance, rate)) {
    return Cause{"舍入不同：银行把利息的分以下舍去" + figures + "，Quorvane 四舍五入", {}};
  }
  if (bankInterest == HalfEven(balance, rate)) {
    return Cause{"舍入不同：银行按“四舍六入五成双”取利息" + figures + "，Quorvane 四舍五入", {}};
  }
  return std::nullopt;
}

// The first month's interest by its days, from the grant day.
std::optional<Cause> FirstMonthByDays(const MonthFacts& facts, const CheckedLoan& loan,
                                      Fen bankInterest, Fen balance, Percent rate) {
  const year_month_day from = facts.ours->previousDue;
  const year_month_day to = facts.ours->month->due;
  if (facts.ours->month->number != 1 || from.day() == to.day() || loan.byDays.firstMonth) {
    return std::nullopt;
  }
  const int days = DaysBetween(from, to);
  for (const int daysInYear : kDaysInYears) {
    if (DaysInterest(balance, {{rate, days}}, daysInYear) == bankInterest) {
      PlanOffer offer;
      offer.kind = PlanOffer::Kind::FirstMonth;
      offer.daysInYear = daysInYear;
      return Cause{"银行首月按天计息：" + YuanText(balance) + " 元 × " + PercentText(rate) +
                       "% × " + std::to_string(days) + " 天 ÷ " + std::to_string(daysInYear) +
                       " = " + YuanText(bankInterest) + " 元（放款 " + DayText(from) +
                       " 至首次还款 " + DayText(to) + "）",
                   offer};
    }
  }
  return std::nullopt;
}

// A month across a rate change, each rate for its days.
std::optional<Cause> AcrossChange(const MonthFacts& facts, const CheckedLoan& loan,
                                  Fen bankInterest, Fen balance, Percent rate) {
  if (facts.oursBefore == nullptr || loan.byDays.acrossChange) {
    return std::nullopt;
  }
  const Percent old = facts.oursBefore->month->rate.value_or(rate);
  const year_month_day from = facts.ours->previousDue;
  const year_month_day to = facts.ours->month->due;
  const auto change = std::find_if(loan.rateDays.rbegin(), loan.rateDays.rend(),
                                   [&](year_month_day day) { return day > from && day < to; });
  if (old == rate || change == loan.rateDays.rend()) {
    return std::nullopt;
  }
  const int before = DaysBetween(from, *change);
  const int after = DaysBetween(*change, to);
  for (const int daysInYear : kDaysInYears) {
    if (DaysInterest(balance, {{old, before}, {rate, after}}, daysInYear) == bankInterest) {
      PlanOffer offer;
      offer.kind = PlanOffer::Kind::AcrossChange;
      offer.daysInYear = daysInYear;
      return Cause{"银行本月分段计息：" + YuanText(balance) + " 元 × (" + PercentText(old) +
                       "% × " + std::to_string(before) + " 天 + " + PercentText(rate) + "% × " +
                       std::to_string(after) + " 天) ÷ " + std::to_string(daysInYear) + " = " +
                       YuanText(bankInterest) + " 元（利率 " + DayText(*change) + " 调整）",
                   offer};
    }
  }
  return std::nullopt;
}

std::vector<Percent> KnownRates(const MonthFacts& facts) {
  std::vector<Percent> rates;
  for (const OurMonth* month : {facts.oursBefore, facts.ours}) {
    if (month != nullptr && month->month->rate) {
      rates.push_back(*month->month->rate);
    }
  }
  return rates;
}

// The day from which a rate of the borrower's holds for this month: the
// day of the month's last rate change, after which the borrower's row is
// taken, else the last payment day.
year_month_day RateOfferDay(const MonthFacts& facts, const CheckedLoan& loan) {
  const year_month_day from = facts.ours->previousDue;
  const year_month_day to = facts.ours->month->due;
  const auto last = std::find_if(loan.rateDays.rbegin(), loan.rateDays.rend(),
                                 [&](year_month_day day) { return day >= from && day < to; });
  return last == loan.rateDays.rend() ? from : *last;
}

std::optional<Cause> BankRate(const MonthFacts& facts, const CheckedLoan& loan, Fen bankInterest,
                              Fen balance, Percent rate) {
  const auto bankRate = RateOfInterest(bankInterest, balance, KnownRates(facts));
  if (!bankRate || *bankRate == rate) {
    return std::nullopt;
  }
  PlanOffer offer;
  offer.kind = PlanOffer::Kind::AddRate;
  offer.day = RateOfferDay(facts, loan);
  offer.rate = *bankRate;
  return Cause{"银行本月按年利率 " + PercentText(*bankRate) + "% 计息，Quorvane 按 " +
                   PercentText(rate) + "%",
               offer};
}

std::string FiguresText(const std::array<std::optional<Fen>, kPlanFigures>& figures) {
  std::string text;
  for (std::size_t f = 0; f < kPlanFigures; ++f) {
    if (figures[f]) {
      text +=
          (text.empty() ? "" : "，") + std::string(kFigureNames[f]) + " " + YuanText(*figures[f]);
    }
  }
  return text;
}

Cause Explain(const MonthFacts& facts, const CheckedLoan& loan, const CheckedMonth& row) {
  if (auto cause = MissingPrepayment(facts, loan)) {
    return *cause;
  }
  const PlanMonth& bank = *facts.bank;
  const auto rate = facts.ours->month->rate;
  const std::optional<Fen> before = facts.owedBefore;
  if (bank.interest && Owable(before) && Owable(bank.interest) && rate) {
    const Fen interest = *bank.interest;
    if (interest == MonthInterest(*before, *rate)) {
      if (*before != facts.ours->before) {
        return {"本期利息与 Quorvane 的利率相符；差在期初本金（银行 " + YuanText(*before) +
                    " 元，Quorvane " + YuanText(facts.ours->before) + " 元），由此前的差异而来",
                {}};
      }
    } else {
      for (const auto& cause : {Rounding(interest, *before, *rate),
                                FirstMonthByDays(facts, loan, interest, *before, *rate),
                                AcrossChange(facts, loan, interest, *before, *rate),
                                BankRate(facts, loan, interest, *before, *rate)}) {
        if (cause) {
          return *cause;
        }
      }
    }
  }
  return {
      "没有已知原因相符。银行：" + FiguresText(row.bank) + "；Quorvane：" + FiguresText(row.ours),
      {}};
}

std::string DifferenceText(const CheckedMonth& month) {
  std::string text;
  for (std::size_t f = 0; f < kPlanFigures; ++f) {
    if (month.difference[f] != 0) {
      text += (text.empty() ? "" : "，") + std::string(kFigureNames[f]) + " " +
              (month.difference[f] > 0 ? "+" : "") + std::to_string(month.difference[f]);
    }
  }
  return text;
}

std::string Summary(const PlanCheck& check, std::size_t planMonths) {
  std::size_t agree = 0;
  std::size_t differ = 0;
  std::size_t planOnly = 0;
  std::size_t historyOnly = 0;
  std::size_t twice = 0;
  const CheckedMonth* first = nullptr;
  std::pair<Fen, std::size_t> largest{0, 0};
  for (const CheckedMonth& month : check.months) {
    if (month.duplicate) {
      ++twice;
    } else if (month.inPlan && month.inHistory) {
      if (month.Agrees()) {
        ++agree;
        continue;
      }
      ++differ;
      first = first != nullptr ? first : &month;
      // Interest first: where figures differ alike, it is where a cause shows.
      for (const PlanFigure figure : {PlanFigure::Interest, PlanFigure::Payment,
                                      PlanFigure::Principal, PlanFigure::Balance}) {
        const auto f = static_cast<std::size_t>(figure);
        if (std::llabs(month.difference[f]) > std::llabs(largest.first)) {
          largest = {month.difference[f], f};
        }
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
    text += "，不一致 " + std::to_string(differ) + " 期；最早第 " + std::to_string(first->number) +
            " 期（" + DayText(first->due) + "），" + std::string(kFigureNames[largest.second]) +
            "差 " + SignedYuan(largest.first) + " 元";
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
  return text;
}

// What the borrower should know of the plan as a whole: rows skipped, rows
// twice, another loan's plan, or one in 万元.
std::vector<std::string> PlanNotes(const BankPlan& plan, const CheckedLoan& loan,
                                   const std::vector<OurMonth>& ours,
                                   const std::vector<std::optional<std::size_t>>& aligned) {
  std::vector<std::string> notes;
  if (plan.skipped > 0) {
    notes.push_back("跳过 " + std::to_string(plan.skipped) +
                    " 行不是还款月份的内容（标题、合计、空行等）");
  }
  for (std::size_t j = 0; j < plan.months.size(); ++j) {
    const auto before = BankBefore(plan.months[j]);
    if (!aligned[j] || !Owable(before)) {
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

}  // namespace

CheckedLoan CheckedLoanOf(const ReadContract& contract, const LoanSheet& sheet,
                          const SheetChoices& choices, SheetView view) {
  return CheckedLoanOf(contract, sheet, choices, view, ShownMonths(sheet, view));
}

CheckedLoan CheckedLoanOf(const ReadContract& contract, const LoanSheet& sheet,
                          const SheetChoices& choices, SheetView view,
                          std::vector<ShownMonth> shown) {
  CheckedLoan loan;
  loan.months = std::move(shown);
  loan.method = contract.method;
  loan.byDays = choices.byDays;
  for (std::size_t p = 0; p < contract.parts.size(); ++p) {
    const bool shown = view == SheetView::Both || static_cast<std::size_t>(view) == p;
    if (shown) {
      loan.amount += contract.parts[p].amount;
      loan.granted = contract.parts[p].contract.granted;
    }
  }
  for (const EventRow& row : sheet.events) {
    const bool shown = view == SheetView::Both ||
                       static_cast<std::size_t>(view) == static_cast<std::size_t>(row.part);
    if (shown && row.on && !row.noEffect && row.rate) {
      loan.rateDays.push_back(row.effective);
    }
  }
  std::sort(loan.rateDays.begin(), loan.rateDays.end());
  return loan;
}

bool CheckedMonth::Agrees() const {
  return inPlan && inHistory && !duplicate &&
         std::all_of(difference.begin(), difference.end(), [](Fen fen) { return fen == 0; });
}

std::string OfferText(const PlanOffer& offer) {
  switch (offer.kind) {
    case PlanOffer::Kind::AddRate:
      return "添加利率事件：" + DayText(offer.day) + " 起年利率 " + PercentText(offer.rate) + "%";
    case PlanOffer::Kind::AddPrepayment:
      return "添加提前还款：" + DayText(offer.day) + " " + YuanText(offer.amount) + " 元，" +
             (offer.shortenTerm ? "缩短期限" : "减少月供");
    case PlanOffer::Kind::AcrossChange:
      return "打开分段计息（一年按 " + std::to_string(offer.daysInYear) + " 天）";
    case PlanOffer::Kind::FirstMonth:
      return "打开首月按天计息（一年按 " + std::to_string(offer.daysInYear) + " 天）";
  }
  return {};
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
  }
}

PlanCheck CheckPlan(const BankPlan& plan, const CheckedLoan& loan) {
  PlanCheck check;
  if (plan.months.empty() && (plan.settled || plan.figureRows == 0)) {
    check.problem = "没有找到还款月份：请粘贴银行的还款计划（每期一行），或打开它的文件";
    return check;
  }
  if (!plan.settled) {
    check.problem =
        "分不清各列的含义：请在各列上方选择每列是期数、日期、月供、本金、利息还是剩余本金";
    return check;
  }
  const std::vector<OurMonth> ours = OurMonths(loan);
  const auto aligned = Align(plan, ours);
  check.notes = PlanNotes(plan, loan, ours, aligned);
  std::vector<bool> taken(ours.size(), false);
  std::optional<std::size_t> firstOurs;
  std::optional<std::size_t> lastOurs;
  const PlanMonth* previous = nullptr;
  std::optional<std::size_t> previousOurs;
  std::optional<Fen> owedAfter;  // what the plan owed after its month before
  for (std::size_t j = 0; j < plan.months.size(); ++j) {
    const PlanMonth& bank = plan.months[j];
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
        const MonthFacts facts{&bank,
                               follows ? previous : nullptr,
                               j + 1 < plan.months.size() ? &plan.months[j + 1] : nullptr,
                               &our,
                               *i > 0 ? &ours[*i - 1] : nullptr,
                               owedBefore};
        Cause cause = Explain(facts, loan, row);
        row.why = std::move(cause.why);
        if (our.month->rate) {
          row.offer = cause.offer;  // the sum of two parts takes no event: whose would it be?
        }
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
    check.months.push_back(std::move(row));
  }
  // The history's months the plan skips over, and those after a plan that
  // repays the loan.
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
  const bool dated = std::all_of(check.months.begin(), check.months.end(),
                                 [](const CheckedMonth& month) { return month.due.ok(); });
  std::stable_sort(check.months.begin(), check.months.end(),
                   [dated](const CheckedMonth& a, const CheckedMonth& b) {
                     return dated ? a.due < b.due : a.number < b.number;
                   });
  check.summary = Summary(check, plan.months.size());
  return check;
}

std::string CheckCell(const CheckedMonth& month, std::size_t column) {
  const auto money = [](const std::optional<Fen>& fen) { return fen ? YuanText(*fen) : ""; };
  constexpr std::size_t kFirstFigure = 2;
  const std::size_t figures = kFirstFigure + kPlanFigures * 2;
  if (column == 0) {
    return month.number > 0 ? std::to_string(month.number) : "";
  }
  if (column == 1) {
    return month.due.ok() ? DayText(month.due) : "";
  }
  if (column < figures) {
    const std::size_t f = (column - kFirstFigure) / 2;
    return money(column % 2 == 0 ? month.bank.at(f) : month.ours.at(f));
  }
  return column == figures ? DifferenceText(month) : month.why;
}

std::vector<std::string> CheckCells(const CheckedMonth& month) {
  std::vector<std::string> cells;
  cells.reserve(kCheckHeadings.size());
  for (std::size_t column = 0; column < kCheckHeadings.size(); ++column) {
    cells.push_back(CheckCell(month, column));
  }
  return cells;
}

std::vector<std::vector<std::string>> CheckTable(const PlanCheck& check) {
  std::vector<std::vector<std::string>> table{{check.summary}};
  for (const std::string& note : check.notes) {
    table.push_back({note});
  }
  table.emplace_back();
  table.emplace_back(kCheckHeadings.begin(), kCheckHeadings.end());
  for (const CheckedMonth& month : check.months) {
    table.push_back(CheckCells(month));
  }
  return table;
}

}  // namespace quorvane
