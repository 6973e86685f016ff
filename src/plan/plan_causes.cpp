// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_causes.h"

#include <algorithm>
#include <cstdlib>

#include "text/day_text.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

// The plainest rate at which a month's interest on the balance, halves up,
// is what the bank charged: one the history has where one fits, else the
// one with the fewest decimals.
std::optional<Percent> RateOfInterest(Fen interest, Fen balance,
                                      const std::vector<Percent>& known) {
  if (balance <= 0 || interest < 0 || interest > balance) {
    return std::nullopt;
  }
  const std::int64_t low = std::max<std::int64_t>(
      0, (interest * kMonthRateDenominator - kMonthRateDenominator / 2 + balance - 1) / balance);
  const std::int64_t high =
      (interest * kMonthRateDenominator + kMonthRateDenominator / 2 + balance - 1) / balance - 1;
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
  return balance * rate.tenThousandths / kMonthRateDenominator;
}

Fen HalfEven(Fen balance, Percent rate) {
  const std::int64_t product = balance * rate.tenThousandths;
  const Fen down = product / kMonthRateDenominator;
  const std::int64_t rest = product % kMonthRateDenominator;
  const bool up =
      rest * 2 > kMonthRateDenominator || (rest * 2 == kMonthRateDenominator && down % 2 != 0);
  return down + (up ? 1 : 0);
}

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
  const Percent rate = facts.ours->rate.value_or(Percent{});
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
  const Percent old = facts.oursBefore->rate.value_or(rate);
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
    if (month != nullptr && month->rate) {
      rates.push_back(*month->rate);
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

std::string FiguresText(const MonthFigures& figures) {
  std::string text;
  for (std::size_t f = 0; f < kPlanFigures; ++f) {
    if (figures[f]) {
      text +=
          (text.empty() ? "" : "，") + std::string(kFigureNames[f]) + " " + YuanText(*figures[f]);
    }
  }
  return text;
}

// A row of the bank's whose own figures do not add up: its principal and
// interest are not its payment, or its balance is more than the last
// month's less its principal. That is for the bank to answer first.
std::optional<Cause> SelfUnbalanced(const MonthFacts& facts) {
  const PlanMonth& bank = *facts.bank;
  const std::string row = "银行计划第 " + std::to_string(bank.row + 1) + " 行自身不平：";
  if (bank.payment && bank.principal && bank.interest &&
      *bank.principal + *bank.interest != *bank.payment) {
    return Cause{row + "本金 " + YuanText(*bank.principal) + " + 利息 " + YuanText(*bank.interest) +
                     " = " + YuanText(*bank.principal + *bank.interest) + " 元，不等于月供 " +
                     YuanText(*bank.payment) + " 元；请先向银行核实这一行",
                 {}};
  }
  const PlanMonth* before = facts.bankBefore;
  if (before != nullptr && before->balance && bank.principal && bank.balance &&
      *bank.balance > *before->balance - *bank.principal) {
    return Cause{row + "上期剩余本金 " + YuanText(*before->balance) + " − 本金 " +
                     YuanText(*bank.principal) + " = " +
                     YuanText(*before->balance - *bank.principal) + " 元，不等于剩余本金 " +
                     YuanText(*bank.balance) + " 元；请先向银行核实这一行",
                 {}};
  }
  return std::nullopt;
}

std::string SpreadOfferText(const PlanOffer& offer) {
  const std::string spread = BasisPointsText(offer.spread) + " 基点";
  switch (offer.spreadOf) {
    case PlanOffer::SpreadOf::Contract:
      return "加点改为 " + spread + "，首期年利率 " + PercentText(offer.rate) + "%";
    case PlanOffer::SpreadOf::Cut:
      return "把 " + DayText(offer.day) + " 加点下调的加点改为 " + spread;
    case PlanOffer::SpreadOf::Row:
      return "把 " + DayText(offer.day) + " 的加点改为 " + spread;
  }
  return {};
}

}  // namespace

Cause Explain(const MonthFacts& facts, const CheckedLoan& loan) {
  for (auto cause : {SelfUnbalanced(facts), MissingPrepayment(facts, loan)}) {
    if (cause) {
      return *cause;
    }
  }
  const PlanMonth& bank = *facts.bank;
  const auto rate = facts.ours->rate;
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
  return {"没有已知原因相符。银行：" + FiguresText(FiguresOf(bank)) + "；Quorvane：" +
              FiguresText(FiguresOf(facts.ours->month->month)),
          {}};
}

Cause ExplainPrepayment(const PrepaymentFacts& facts, const CheckedLoan& loan) {
  const PlanMonth& bank = *facts.bank;
  const Fen amount = bank.principal.value_or(bank.payment.value_or(0));
  if (facts.ours == nullptr) {
    PlanOffer offer;
    offer.kind = PlanOffer::Kind::AddPrepayment;
    offer.day = facts.day;
    offer.amount = amount;
    const auto kept = RepayingAmount(facts.monthBefore, loan.method);
    const auto after = RepayingAmount(facts.monthAfter, loan.method);
    offer.shortenTerm = kept && after && *kept == *after;
    return {"银行计划有一笔 " + DayText(facts.day) + " 的提前还款 " + YuanText(amount) +
                " 元，Quorvane 没有",
            offer};
  }
  const Fen ours = facts.ours->month.principal;
  if (amount != ours) {
    return {
        "提前还款金额不同：银行 " + YuanText(amount) + " 元，Quorvane " + YuanText(ours) + " 元",
        {}};
  }
  return {"提前还款金额相同；差在剩余本金，由此前的差异而来", {}};
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
    case PlanOffer::Kind::SetReading:
      return offer.reading == LprReading::MonthBefore ? "重定价用的 LPR 改为“上月公布”"
                                                      : "重定价用的 LPR 改为“最近一次公布”";
    case PlanOffer::Kind::SetRepricing:
      return offer.repricing == Repricing::Anniversary ? "重定价日改为“贷款发放日对应日”"
                                                       : "重定价日改为“每年1月1日”";
    case PlanOffer::Kind::SetConversionDay:
      return "转换日期改为 " + DayText(offer.day);
    case PlanOffer::Kind::MoveChange:
      return "把 " + DayText(offer.original) + " 的调整改为 " + DayText(offer.day) + " 起执行";
    case PlanOffer::Kind::SetSpread:
      return SpreadOfferText(offer);
  }
  return {};
}

}  // namespace quorvane
