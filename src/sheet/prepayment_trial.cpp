// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/prepayment_trial.h"

#include "text/day_text.h"

namespace quorvane {

namespace {

using std::chrono::year_month;

// Wide enough for 10^-18 fen of the largest balance grown for years.
__extension__ using Wide = __int128;

year_month MonthOf(year_month_day day) { return day.year() / day.month(); }

// Whole months from one month to a later one.
int MonthsApart(year_month_day from, year_month_day to) {
  return static_cast<int>((MonthOf(to) - MonthOf(from)).count());
}

// What the months leave from the day on: a prepayment on the day comes after
// the payments due on it, and before the next.
TrialColumn ColumnOf(const std::vector<HistoryRow>& months, year_month_day day, Fen owed) {
  TrialColumn column;
  column.balances.emplace_back(day, owed);
  for (const HistoryRow& row : months) {
    const bool prepayment = row.number == 0;
    if (prepayment ? row.due < day : row.due <= day) {
      continue;
    }
    column.paidFromDay += row.month.payment;
    column.balances.emplace_back(row.due, row.month.balance);
    if (!prepayment) {
      ++column.monthsLeft;
      column.interestLeft += row.month.interest;
      if (!column.payment) {
        column.payment = row.month.payment;
      }
    }
  }
  column.lastDue = months.empty() ? day : months.back().due;
  column.repaid = !months.empty() && months.back().number == 0;
  return column;
}

// The smallest whole yuan from 1 to the most that reaches a goal, with what
// it leaves: reach gives the column an amount leaves where it reaches the
// goal, nothing where it misses it, and every amount above the least one
// reaches it too.
template <typename Reach>
std::optional<GoalAnswer> LeastYuan(Fen most, const Reach& reach) {
  constexpr Fen kYuan = 100;
  Fen missed = 0;                            // in yuan: no prepayment misses it
  Fen reached = (most + kYuan - 1) / kYuan;  // in yuan: every fen owed repaid
  std::optional<TrialColumn> leaves = reach(reached * kYuan);
  if (!leaves) {
    return std::nullopt;
  }
  while (reached - missed > 1) {
    const Fen middle = missed + (reached - missed) / 2;
    if (auto column = reach(middle * kYuan)) {
      reached = middle;
      leaves = std::move(column);
    } else {
      missed = middle;
    }
  }
  return GoalAnswer{reached * kYuan, std::move(*leaves)};
}

// A column's figures in the order of kTrialFigures; what the loan as it
// stands saves against itself is left empty.
std::array<TypedCell, kTrialFigures.size()> TrialFigureCells(const TrialColumn& column,
                                                             bool asItStands) {
  return {column.payment ? TypedCell::Money(*column.payment) : TypedCell::Of("已还清"),
          TypedCell::Whole(column.monthsLeft),
          TypedCell::Day(column.lastDue),
          TypedCell::Money(column.interestLeft),
          asItStands ? TypedCell{} : TypedCell::Money(column.interestSaved),
          asItStands ? TypedCell{} : TypedCell::Whole(column.monthsEarlier),
          TypedCell::Money(column.paidFromDay)};
}

// The unit the window writes after a figure.
constexpr std::array<std::string_view, kTrialFigures.size()> kTrialUnits{"", " 期",   "", "",
                                                                         "", " 个月", ""};

}  // namespace

Outcome<PrepaymentTrial, TrialProblem> PrepaymentTrial::Of(const LoanTerms& terms,
                                                           const SheetChoices& choices,
                                                           const std::vector<LprFixing>& fixings,
                                                           SheetPart part, year_month_day day,
                                                           const LoanSheet* computed) {
  const auto at = static_cast<std::size_t>(part);
  if (at >= terms.parts.size()) {
    return TrialProblem::NotComputed;
  }
  std::optional<LoanSheet> computedHere;
  const LoanSheet& sheet =
      computed != nullptr ? *computed : computedHere.emplace(ComputeSheet(terms, choices, fixings));
  if (sheet.problem || sheet.months.at(at).empty()) {
    return TrialProblem::NotComputed;
  }
  const std::vector<HistoryRow>& months = sheet.months.at(at);
  if (day < terms.parts[at].contract.granted) {
    return TrialProblem::BeforeGrant;
  }
  if (day >= months.back().due) {
    return TrialProblem::AfterEnd;
  }
  PrepaymentTrial trial;
  trial.terms_ = terms;
  trial.choices_ = choices;
  trial.fixings_ = fixings;
  trial.part_ = part;
  trial.day_ = day;
  trial.owed_ = terms.parts[at].amount;
  for (const HistoryRow& row : months) {
    if (row.due <= day) {
      trial.owed_ = row.month.balance;
    }
  }
  trial.asItStands_ = ColumnOf(months, day, trial.owed_);
  trial.notes_ = sheet.notes;
  return trial;
}

BorrowerEvent PrepaymentTrial::Row(const TrialPrepayment& prepayment, bool shortenTerm) const {
  BorrowerEvent row;
  row.kind = BorrowerEvent::Kind::Prepayment;
  row.day = prepayment.day;
  row.part = part_;
  row.amount = prepayment.amount;
  row.shortenTerm = shortenTerm;
  row.repeat = prepayment.repeat;
  row.until = prepayment.repeat == BorrowerEvent::Repeat::Once ? std::nullopt : prepayment.until;
  return row;
}

std::optional<TrialColumn> PrepaymentTrial::ColumnWith(const TrialPrepayment& prepayment,
                                                       bool shortenTerm) const {
  SheetChoices choices = choices_;
  choices.borrowerEvents.push_back(Row(prepayment, shortenTerm));
  const LoanSheet sheet = ComputeSheet(terms_, choices, fixings_);
  if (sheet.problem) {
    return std::nullopt;
  }
  TrialColumn column =
      ColumnOf(sheet.months.at(static_cast<std::size_t>(part_)), prepayment.day, owed_);
  column.interestSaved = asItStands_.interestLeft - column.interestLeft;
  column.monthsEarlier = MonthsApart(column.lastDue, asItStands_.lastDue);
  return column;
}

Outcome<TrialColumn, TrialProblem> PrepaymentTrial::With(const TrialPrepayment& prepayment,
                                                         bool shortenTerm) const {
  if (prepayment.amount <= 0) {
    return TrialProblem::NoAmount;
  }
  if (prepayment.repeat != BorrowerEvent::Repeat::Once && prepayment.until &&
      *prepayment.until < prepayment.day) {
    return TrialProblem::RepeatEnds;
  }
  auto column = ColumnWith(prepayment, shortenTerm);
  if (!column) {
    return TrialProblem::PaymentShort;
  }
  return std::move(*column);
}

Outcome<GoalAnswer, GoalMiss> PrepaymentTrial::RepaidBy(year_month month) const {
  if (month < MonthOf(day_)) {
    return GoalMiss::BeforePrepayment;
  }
  if (MonthOf(asItStands_.lastDue) <= month) {
    return GoalMiss::AlreadyRepaid;
  }
  const auto reach = [&](Fen amount) {
    auto column = ColumnWith({day_, amount}, true);
    if (column && MonthOf(column->lastDue) > month) {
      column.reset();
    }
    return column;
  };
  auto answer = LeastYuan(owed_, reach);
  if (!answer) {
    return GoalMiss::Unreachable;
  }
  return std::move(*answer);
}

Outcome<GoalAnswer, GoalMiss> PrepaymentTrial::PaymentAtMost(Fen payment) const {
  if (payment <= 0) {
    return GoalMiss::PaymentNotPositive;
  }
  if (asItStands_.payment && *asItStands_.payment <= payment) {
    return GoalMiss::AlreadyBelow;
  }
  const auto reach = [&](Fen amount) {
    auto column = ColumnWith({day_, amount}, false);
    if (column && column->payment && *column->payment > payment) {
      column.reset();
    }
    return column;
  };
  auto answer = LeastYuan(owed_, reach);
  if (!answer) {
    return GoalMiss::Unreachable;
  }
  return std::move(*answer);
}

std::array<std::string, kTrialFigures.size()> TrialFigureTexts(const TrialColumn& column,
                                                               bool asItStands) {
  const auto cells = TrialFigureCells(column, asItStands);
  std::array<std::string, kTrialFigures.size()> texts;
  for (std::size_t figure = 0; figure < cells.size(); ++figure) {
    const TypedCell& cell = cells.at(figure);
    texts.at(figure) = cell.kind == TypedCell::Kind::Empty ? std::string("—")
                       : cell.kind == TypedCell::Kind::Words
                           ? cell.words
                           : CellText(cell) + std::string(kTrialUnits.at(figure));
  }
  return texts;
}

TypedSheet TrialSheet(const std::vector<std::pair<std::string, TrialColumn>>& columns) {
  TypedSheet sheet{"提前还款试算", {"项目"}, {}};
  std::vector<std::array<TypedCell, kTrialFigures.size()>> cells;
  for (std::size_t at = 0; at < columns.size(); ++at) {
    sheet.headings.push_back(columns[at].first);
    cells.push_back(TrialFigureCells(columns[at].second, at == 0));
  }
  for (std::size_t figure = 0; figure < kTrialFigures.size(); ++figure) {
    std::vector<TypedCell> row{TypedCell::Of(std::string(kTrialFigures.at(figure)))};
    for (const auto& column : cells) {
      row.push_back(column.at(figure));
    }
    sheet.rows.push_back(std::move(row));
  }
  return sheet;
}

std::string EarningsLine(Fen amount, Percent yearly, const TrialColumn& shorter) {
  const auto earned = Earnings(amount, yearly, shorter.monthsLeft);
  std::string line = "若这笔钱不还贷：" + YuanText(amount) + " 元按年化 " + PercentText(yearly) +
                     "% 按月复利，到 " + DayText(shorter.lastDue) + "（" +
                     std::to_string(shorter.monthsLeft) + " 个月）";
  if (!earned) {
    line += "的收益太大，无法计算";
    return line;
  }
  line += "收益 " + YuanText(*earned) + " 元；提前还款（缩短期限）节省利息 " +
          YuanText(shorter.interestSaved) + " 元，";
  const Fen apart = shorter.interestSaved - *earned;
  if (apart == 0) {
    line += "与收益相同";
  } else {
    line += apart > 0 ? "比收益多 " : "比收益少 ";
    line += YuanText(apart > 0 ? apart : -apart);
    line += " 元";
  }
  return line;
}

std::string TrialProblemWords(TrialProblem problem) {
  switch (problem) {
    case TrialProblem::BeforeGrant:
      return "还款日期早于放款日期";
    case TrialProblem::AfterEnd:
      return "还款日期不早于最后还款日，贷款那时已还清";
    case TrialProblem::NoAmount:
      return "提前还款金额须大于 0";
    case TrialProblem::RepeatEnds:
      return "重复的截止日期早于还款日期";
    case TrialProblem::NotComputed:
      return "贷款本身无法计算，请先检查合同";
    case TrialProblem::PaymentShort:
      return "这样提前还款后，月供不够付一个月的利息，无法计算";
  }
  return {};
}

std::string GoalMissWords(GoalMiss miss, const PrepaymentTrial& trial) {
  const TrialColumn& now = trial.AsItStands();
  switch (miss) {
    case GoalMiss::BeforePrepayment:
      return "还清的月份早于还款日期 " + DayText(trial.Day());
    case GoalMiss::PaymentNotPositive:
      return "月供须大于 0 元";
    case GoalMiss::AlreadyRepaid:
      return "不提前还款也在那时以前还清：最后还款日 " + DayText(now.lastDue);
    case GoalMiss::AlreadyBelow:
      return "不提前还款的月供 " + YuanText(now.payment.value_or(0)) + " 元已不高于此数";
    case GoalMiss::Unreachable:
      return "提前还款多少都达不到";
  }
  return {};
}

std::optional<Fen> Earnings(Fen amount, Percent yearly, int months) {
  // The amount in 10^-18 fen: a month's growth is × (12 000 000 + R) ⁄
  // 12 000 000, R the yearly rate in ten-thousandths of a percent; what a
  // month cuts off is below 10^-18 fen, so the fen rounded at the end is the
  // exact one but where the exact value lies within so little of a half.
  constexpr Wide kScale = 1'000'000'000'000'000'000;
  constexpr Wide kMost = Wide{1} << 100;  // below 2^127 after a month's growth
  if (amount < 0 || yearly.tenThousandths < 0 || yearly > kHighestRate || months < 0) {
    return std::nullopt;
  }
  Wide value = Wide{amount} * kScale;
  const Wide grown = kMonthRateDenominator + yearly.tenThousandths;
  for (int month = 0; month < months; ++month) {
    if (value > kMost) {
      return std::nullopt;
    }
    value = value * grown / kMonthRateDenominator;
  }
  const Wide fen = (value + kScale / 2) / kScale;
  return static_cast<Fen>(fen) - amount;
}

}  // namespace quorvane
