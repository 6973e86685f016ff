// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_columns.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>

#include "plan/narrow_text.h"
#include "plan/plan_figures.h"

namespace quorvane {

namespace {

// The headings banks use, by the words a heading holds; the first that
// matches says. 剩余本金 is a balance before it is a principal.
struct HeadingWord {
  std::string_view word;
  PlanColumn column;
};
constexpr HeadingWord kHeadingWords[] = {
    {"余额", PlanColumn::Balance},     {"剩余本金", PlanColumn::Balance},
    {"未还本金", PlanColumn::Balance}, {"日期", PlanColumn::Due},
    {"还款日", PlanColumn::Due},       {"到期日", PlanColumn::Due},
    {"期数", PlanColumn::Number},      {"期次", PlanColumn::Number},
    {"期号", PlanColumn::Number},      {"序号", PlanColumn::Number},
    {"本息", PlanColumn::Payment},     {"还款额", PlanColumn::Payment},
    {"月供", PlanColumn::Payment},     {"还款金额", PlanColumn::Payment},
    {"月还款", PlanColumn::Payment},   {"应还金额", PlanColumn::Payment},
    {"本金", PlanColumn::Principal},   {"利息", PlanColumn::Interest},
};

PlanColumn HeadingOf(std::string_view cell) {
  if (cell.size() > 48) {
    return PlanColumn::Other;
  }
  const std::string text = Bare(cell);
  for (const HeadingWord& heading : kHeadingWords) {
    if (text.find(heading.word) != std::string::npos) {
      return heading.column;
    }
  }
  return PlanColumn::Other;
}

}  // namespace

std::optional<std::vector<PlanColumn>> HeadingRow(const std::vector<std::string>& row) {
  std::vector<PlanColumn> columns;
  std::array<bool, kPlanColumnKinds> seen{};
  int headings = 0;
  for (const std::string& cell : row) {
    PlanColumn column = HeadingOf(cell);
    auto& once = seen[static_cast<std::size_t>(column)];
    if (column != PlanColumn::Other && once) {
      column = PlanColumn::Other;  // a second 本金 column: the first holds
    } else if (column != PlanColumn::Other) {
      once = true;
      ++headings;
    }
    columns.push_back(column);
  }
  return headings >= 2 ? std::optional(columns) : std::nullopt;
}

namespace {

// What a column of cells looks like, for telling columns apart without headings.
enum class Looks { Mixed, Day, Whole, Figure };

Looks LooksOf(const std::vector<const std::vector<std::string>*>& rows, std::size_t c) {
  std::size_t days = 0;
  std::size_t steps = 0;
  std::size_t figures = 0;
  std::optional<int> last;
  for (const auto* row : rows) {
    const std::string& cell = (*row)[c];
    const auto whole = ReadPlanNumber(cell);
    days += ReadPlanDay(cell) && !(whole && *whole < kFirstDayNumber) ? 1 : 0;
    if (whole && last && (*whole == *last + 1 || *whole + 1 == *last)) {
      ++steps;
    }
    last = whole;
    figures += ReadPlanFigure(cell) ? 1 : 0;
  }
  const auto most = [&](std::size_t count) { return count * 5 >= rows.size() * 4; };
  if (most(days)) {
    return Looks::Day;
  }
  if (rows.size() > 1 && most(steps + 1)) {
    return Looks::Whole;
  }
  return most(figures) ? Looks::Figure : Looks::Mixed;
}

// The figures' roles, each a column or none.
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
struct Roles {
  std::size_t payment = kNone;
  std::size_t principal = kNone;
  std::size_t interest = kNone;
  std::size_t balance = kNone;
};

// How many of a plan's sums the roles make hold, and how many they break:
// payment = principal + interest; each balance the last less the principal.
std::pair<int, int> Score(const Roles& roles, const std::vector<std::vector<Fen>>& figures) {
  int hold = 0;
  int broken = 0;
  const auto count = [&](bool holds) { (holds ? hold : broken) += 1; };
  for (std::size_t r = 0; r < figures.size(); ++r) {
    const auto& row = figures[r];
    if (roles.payment != kNone && roles.principal != kNone && roles.interest != kNone) {
      count(row[roles.payment] == row[roles.principal] + row[roles.interest]);
    }
    if (r > 0 && roles.principal != kNone && roles.balance != kNone) {
      const auto& before = figures[r - 1];
      count(before[roles.balance] - row[roles.principal] == row[roles.balance] ||
            row[roles.balance] - before[roles.principal] == before[roles.balance]);
    }
  }
  return {hold, broken};
}

// The roles of the figure columns the plan's arithmetic settles, if one
// assignment makes more of its sums hold than any other.
std::optional<Roles> RolesByArithmetic(const std::vector<std::size_t>& figureColumns,
                                       const std::vector<std::vector<Fen>>& figures) {
  const std::size_t n = figureColumns.size();
  if (n < 2 || n > 10 || figures.size() < 2) {
    return std::nullopt;
  }
  std::optional<Roles> best;
  int bestHold = 0;
  bool tie = false;
  const auto choices = [n](std::size_t index) { return index == n ? kNone : index; };
  for (std::size_t a = 0; a <= n; ++a) {
    for (std::size_t b = 0; b <= n; ++b) {
      for (std::size_t c = 0; c <= n; ++c) {
        for (std::size_t d = 0; d <= n; ++d) {
          const std::size_t picked[] = {a, b, c, d};
          const auto used = std::count_if(std::begin(picked), std::end(picked),
                                          [n](std::size_t i) { return i != n; });
          std::vector<std::size_t> distinct;
          for (const std::size_t i : picked) {
            if (i != n) {
              distinct.push_back(i);
            }
          }
          std::sort(distinct.begin(), distinct.end());
          if (used < 2 || std::adjacent_find(distinct.begin(), distinct.end()) != distinct.end()) {
            continue;
          }
          const Roles roles{choices(a), choices(b), choices(c), choices(d)};
          const auto [hold, broken] = Score(roles, figures);
          if (hold == 0 || broken * 5 > hold) {
            continue;
          }
          if (hold > bestHold) {
            best = roles;
            bestHold = hold;
            tie = false;
          } else if (hold == bestHold) {
            tie = true;
          }
        }
      }
    }
  }
  if (!best || tie) {
    return std::nullopt;
  }
  const auto column = [&](std::size_t i) { return i == kNone ? kNone : figureColumns[i]; };
  return Roles{column(best->payment), column(best->principal), column(best->interest),
               column(best->balance)};
}

}  // namespace

std::vector<PlanColumn> ColumnsByArithmetic(const PlanCells& cells) {
  std::map<std::size_t, std::size_t> widths;
  for (const auto& row : cells) {
    if (row.size() >= 2) {
      ++widths[row.size()];
    }
  }
  if (widths.empty()) {
    return {};
  }
  const std::size_t width =
      std::max_element(widths.begin(), widths.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
      })->first;
  std::vector<const std::vector<std::string>*> rows;
  for (const auto& row : cells) {
    if (row.size() == width) {
      rows.push_back(&row);
    }
  }
  constexpr std::size_t kRowsLooked = 36;  // enough to tell, few enough to be quick
  rows.resize(std::min(rows.size(), kRowsLooked));
  std::vector<PlanColumn> columns(width, PlanColumn::Other);
  std::vector<std::size_t> figureColumns;
  bool number = false;
  bool day = false;
  for (std::size_t c = 0; c < width; ++c) {
    const Looks looks = LooksOf(rows, c);
    if (looks == Looks::Day && !day) {
      columns[c] = PlanColumn::Due;
      day = true;
    } else if (looks == Looks::Whole && !number) {
      columns[c] = PlanColumn::Number;
      number = true;
    } else if (looks == Looks::Figure || looks == Looks::Whole) {
      figureColumns.push_back(c);
    }
  }
  std::vector<std::vector<Fen>> figures;
  figures.reserve(rows.size());
  for (const auto* row : rows) {
    std::vector<Fen> values;
    values.reserve(figureColumns.size());
    for (const std::size_t c : figureColumns) {
      values.push_back(ReadPlanFigure((*row)[c]).value_or(0));
    }
    figures.push_back(std::move(values));
  }
  const auto roles = RolesByArithmetic(figureColumns, figures);
  if (!roles) {
    return columns;
  }
  const std::pair<std::size_t, PlanColumn> found[] = {{roles->payment, PlanColumn::Payment},
                                                      {roles->principal, PlanColumn::Principal},
                                                      {roles->interest, PlanColumn::Interest},
                                                      {roles->balance, PlanColumn::Balance}};
  for (const auto& [c, column] : found) {
    if (c != kNone) {
      columns[c] = column;
    }
  }
  return columns;
}

int FigureColumns(const std::vector<PlanColumn>& columns) {
  return static_cast<int>(std::count_if(columns.begin(), columns.end(), [](PlanColumn column) {
    return column != PlanColumn::Other && column != PlanColumn::Number && column != PlanColumn::Due;
  }));
}

std::string_view PlanColumnName(PlanColumn column) {
  switch (column) {
    case PlanColumn::Other:
      return "（不用）";
    case PlanColumn::Number:
      return "期数";
    case PlanColumn::Due:
      return "还款日期";
    case PlanColumn::Payment:
      return "月供";
    case PlanColumn::Principal:
      return "本金";
    case PlanColumn::Interest:
      return "利息";
    case PlanColumn::Balance:
      return "剩余本金";
  }
  return {};
}

}  // namespace quorvane
