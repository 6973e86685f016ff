// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/shown_months.h"

#include <algorithm>
#include <array>
#include <map>

#include "text/day_text.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

bool IsRateRow(const EventRow& row) { return row.rate.has_value() && row.on && !row.noEffect; }

void AddNote(std::string& note, const std::string& text) {
  note += (note.empty() ? "" : "；") + text;
}

// One part's months, each with the 说明 of the rows that take effect with it:
// a rate from the first payment due after its day, a prepayment as its own row.
std::vector<ShownMonth> PartMonths(const LoanSheet& sheet, SheetPart part) {
  const std::vector<HistoryRow>& rows = sheet.months.at(static_cast<std::size_t>(part));
  std::vector<ShownMonth> shown;
  shown.reserve(rows.size());
  std::vector<const EventRow*> rates;
  std::vector<const EventRow*> prepayments;
  for (const EventRow& event : sheet.events) {
    if (event.part == part && event.on && !event.noEffect) {
      (IsRateRow(event) ? rates : prepayments).push_back(&event);
    }
  }
  std::size_t nextRate = 0;
  std::size_t nextPrepayment = 0;
  for (const HistoryRow& row : rows) {
    ShownMonth month{row.number, row.due, row.rate, row.month, {}};
    if (row.number == 0) {
      if (nextPrepayment < prepayments.size()) {
        AddNote(month.note, prepayments[nextPrepayment++]->why);
      }
    } else {
      for (; nextRate < rates.size() && rates[nextRate]->effective < row.due; ++nextRate) {
        AddNote(month.note, rates[nextRate]->what + "：" + rates[nextRate]->why);
      }
    }
    shown.push_back(std::move(month));
  }
  return shown;
}

// The two parts month by month: payments due on one day summed, prepayments
// after the payments of their day, the balance what both still owe.
std::vector<ShownMonth> BothParts(const LoanSheet& sheet) {
  struct Moment {
    year_month_day day;
    bool prepayment;
    auto operator<=>(const Moment&) const = default;
  };
  std::map<Moment, ShownMonth> sums;
  std::map<Moment, std::array<std::optional<Fen>, 2>> balances;  // a part's, where due
  std::array<Fen, 2> owed{};
  for (std::size_t p = 0; p < 2; ++p) {
    const auto part = static_cast<SheetPart>(p);
    for (const ShownMonth& month : PartMonths(sheet, part)) {
      owed.at(p) += month.month.principal;
      const Moment at{month.due, month.number == 0};
      auto [sum, fresh] = sums.try_emplace(at, month);
      if (fresh) {
        sum->second.rate.reset();
        sum->second.note.clear();
      } else {
        sum->second.month.payment += month.month.payment;
        sum->second.month.principal += month.month.principal;
        sum->second.month.interest += month.month.interest;
      }
      // A rate's note names its part already; a prepayment's says which here.
      if (!month.note.empty()) {
        AddNote(sum->second.note,
                month.number == 0
                    ? std::string(ViewName(static_cast<SheetView>(p))) + "：" + month.note
                    : month.note);
      }
      balances[at].at(p) = month.month.balance;
    }
  }
  std::vector<ShownMonth> shown;
  std::array<Fen, 2> after = owed;
  for (auto& [at, month] : sums) {
    for (std::size_t p = 0; p < 2; ++p) {
      after.at(p) = balances[at].at(p).value_or(after.at(p));
    }
    month.month.balance = after[0] + after[1];
    shown.push_back(std::move(month));
  }
  return shown;
}

}  // namespace

std::vector<ShownMonth> ShownMonths(const LoanSheet& sheet, SheetView view) {
  if (view == SheetView::Both) {
    return sheet.months.size() == 2 ? BothParts(sheet) : std::vector<ShownMonth>{};
  }
  const auto part = view == SheetView::Fund ? SheetPart::Fund : SheetPart::Main;
  if (static_cast<std::size_t>(part) >= sheet.months.size()) {
    return {};
  }
  return PartMonths(sheet, part);
}

std::optional<std::size_t> MonthOfEvent(const std::vector<ShownMonth>& months,
                                        const EventRow& event, bool prepayment) {
  const auto found = std::find_if(months.begin(), months.end(), [&](const ShownMonth& month) {
    return prepayment ? month.number == 0 && month.due == event.effective
                      : month.number > 0 && month.due > event.effective;
  });
  if (found == months.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - months.begin());
}

std::vector<std::string> SheetSummary(const std::vector<ShownMonth>& months, year_month_day today) {
  if (months.empty()) {
    return {};
  }
  Fen paid = 0;
  Fen interest = 0;
  Fen principal = 0;
  Fen principalByToday = 0;
  Fen interestByToday = 0;
  int dueByToday = 0;
  int monthsLeft = 0;
  for (const ShownMonth& month : months) {
    paid += month.month.payment;
    interest += month.month.interest;
    principal += month.month.principal;
    const int payments = month.number == 0 ? 0 : 1;
    if (month.due <= today) {
      principalByToday += month.month.principal;
      interestByToday += month.month.interest;
      dueByToday += payments;
    } else {
      monthsLeft += payments;
    }
  }
  const year_month_day last = months.back().due;
  std::string byToday = "截至今天（"s + DayText(today) + "）：";
  byToday += last <= today ? "已还清（"s + DayText(last) + "），共 " : "已到期 "s;
  byToday += std::to_string(dueByToday) + " 期，已还本金 " + YuanText(principalByToday) +
             " 元，已付利息 " + YuanText(interestByToday) + " 元";
  if (last > today) {
    byToday += "，尚欠本金 "s + YuanText(principal - principalByToday) + " 元，剩余 " +
               std::to_string(monthsLeft) + " 期，剩余利息 " +
               YuanText(interest - interestByToday) + " 元（按已知利率）";
  }
  return {"总还款 "s + YuanText(paid) + " 元，总利息 " + YuanText(interest) + " 元，最后还款日 " +
              DayText(last),
          byToday};
}

}  // namespace quorvane
