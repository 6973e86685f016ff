// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/bank_plan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <iterator>
#include <map>

#include "arith/report_reader.h"
#include "history/history_sheet.h"

namespace quorvane {

namespace {

using std::chrono::year;

// The code point at `at` in UTF-8 and its length; a stray byte stands for itself.
std::pair<char32_t, std::size_t> CodePoint(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead < 0x80       ? 1
                             : lead >> 5 == 6  ? 2
                             : lead >> 4 == 14 ? 3
                             : lead >> 3 == 30 ? 4
                                               : 0;
  if (length <= 1 || at + length > text.size()) {
    return {lead, 1};
  }
  char32_t point = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) >> 6 != 2) {
      return {lead, 1};
    }
    point = (point << 6) | (byte(i) & 0x3F);
  }
  return {point, length};
}

// Full-width digits and punctuation as ASCII, every kind of blank as a
// blank, every kind of minus as '-'; the rest as it is.
std::string Narrow(std::string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = CodePoint(text, at);
    if (point >= 0xFF01 && point <= 0xFF5E) {
      narrow += static_cast<char>(point - 0xFEE0);
    } else if (point == 0x3000 || point == 0xA0 || point == '\t' || point == 0x202F) {
      narrow += ' ';
    } else if (point == 0x2212 || point == 0x2013 || point == 0xFE63) {
      narrow += '-';
    } else if (point == 0x3002) {
      narrow += '.';
    } else {
      narrow.append(text.substr(at, length));
    }
    at += length;
  }
  return narrow;
}

// The text with every `part` in it replaced; built afresh, since MinGW's
// GCC 12 warns of std::string::replace in place.
std::string Replaced(std::string_view text, std::string_view part, std::string_view with) {
  std::string result;
  for (std::size_t at = 0;;) {
    const auto next = text.find(part, at);
    result.append(text.substr(at, next - at));
    if (next == std::string_view::npos) {
      return result;
    }
    result.append(with);
    at = next + part.size();
  }
}

void Erase(std::string& text, std::string_view part) { text = Replaced(text, part, {}); }

// The text without blanks and without the words around a figure.
std::string Bare(std::string_view cell, std::initializer_list<std::string_view> marks) {
  std::string text = Narrow(cell);
  Erase(text, " ");
  for (const std::string_view mark : marks) {
    Erase(text, mark);
  }
  return text;
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number of no more than nine digits.
std::optional<int> ReadWholeNumber(std::string_view text) {
  int value = 0;
  if (!AllDigits(text) || text.size() > 9) {
    return std::nullopt;
  }
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// A spreadsheet's day number counts days from 1899-12-30.
constexpr int kFirstDayNumber = 36'526;  // 2000-01-01
constexpr int kLastDayNumber = 73'050;   // 2099-12-31

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
  const std::string text = Bare(cell, {});
  for (const HeadingWord& heading : kHeadingWords) {
    if (text.find(heading.word) != std::string::npos) {
      return heading.column;
    }
  }
  return PlanColumn::Other;
}

// The headings of a row, where at least two of its cells are headings of
// different meanings.
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

// The month in a row, where it has a number or a day where the plan has
// them, and at least one figure.
std::optional<PlanMonth> MonthIn(const std::vector<std::string>& row, std::size_t index,
                                 const std::vector<PlanColumn>& columns) {
  PlanMonth month;
  month.row = index;
  bool wantsNumber = false;
  bool wantsDay = false;
  bool figure = false;
  for (std::size_t c = 0; c < columns.size() && c < row.size(); ++c) {
    const std::string& cell = row[c];
    switch (columns[c]) {
      case PlanColumn::Number:
        wantsNumber = true;
        month.number =
            AllDigits(cell) ? ReadWholeNumber(cell) : ReadWholeNumber(Bare(cell, {"第", "期"}));
        break;
      case PlanColumn::Due:
        wantsDay = true;
        month.due = ReadPlanDay(cell);
        break;
      case PlanColumn::Payment:
        month.payment = ReadPlanFigure(cell);
        break;
      case PlanColumn::Principal:
        month.principal = ReadPlanFigure(cell);
        break;
      case PlanColumn::Interest:
        month.interest = ReadPlanFigure(cell);
        break;
      case PlanColumn::Balance:
        month.balance = ReadPlanFigure(cell);
        break;
      case PlanColumn::Other:
        break;
    }
  }
  figure = month.payment || month.principal || month.interest || month.balance;
  const bool known = (wantsNumber && month.number && *month.number > 0) ||
                     (wantsDay && month.due) || (!wantsNumber && !wantsDay);
  if (!figure || !known) {
    return std::nullopt;
  }
  return month;
}

// What a column of cells looks like, for telling columns apart without headings.
enum class Looks { Mixed, Day, Whole, Figure };

Looks LooksOf(const std::vector<const std::vector<std::string>*>& rows, std::size_t c) {
  std::size_t days = 0;
  std::size_t steps = 0;
  std::size_t figures = 0;
  std::optional<int> last;
  for (const auto* row : rows) {
    const std::string& cell = (*row)[c];
    const auto whole = ReadWholeNumber(Bare(cell, {"第", "期"}));
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

// The columns of a plan without headings, from what its cells look like and
// the sums its figures make.
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

int FigureRoles(const std::vector<PlanColumn>& columns) {
  return static_cast<int>(std::count_if(columns.begin(), columns.end(), [](PlanColumn column) {
    return column != PlanColumn::Other && column != PlanColumn::Number && column != PlanColumn::Due;
  }));
}

std::vector<std::string> CsvCells(std::string_view line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      cells.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

std::vector<std::string> SplitAt(std::string_view line, char separator) {
  std::vector<std::string> cells;
  for (std::size_t at = 0;;) {
    const auto next = line.find(separator, at);
    cells.emplace_back(line.substr(at, next - at));
    if (next == std::string_view::npos) {
      return cells;
    }
    at = next + 1;
  }
}

// Cells at runs of blanks, full-width ones too. A currency word standing
// alone belongs to the figure before it and is dropped.
std::vector<std::string> BlankCells(std::string_view line) {
  std::vector<std::string> cells;
  std::string cell;
  const auto close = [&] {
    if (!cell.empty() && cell != "元" && cell != "¥" && cell != "￥") {
      cells.push_back(cell);
    }
    cell.clear();
  };
  for (std::size_t at = 0; at < line.size();) {
    const auto [point, length] = CodePoint(line, at);
    if (point == ' ' || point == '\t' || point == 0x3000 || point == 0xA0) {
      close();
    } else {
      cell.append(line.substr(at, length));
    }
    at += length;
  }
  close();
  return cells;
}

std::string Trimmed(std::string_view cell) {
  const auto first = cell.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return std::string(cell.substr(first, cell.find_last_not_of(" \t") - first + 1));
}

std::vector<std::string_view> Lines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at <= text.size();) {
    const auto end = text.find_first_of("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    if (end == std::string_view::npos) {
      break;
    }
    at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  if (!lines.empty() && lines.back().empty()) {
    lines.pop_back();
  }
  return lines;
}

// Commas part the cells where they part the lines into more cells than
// blanks do: in a CSV file a figure's thousands separators sit inside
// quotes, while in text set out with blanks they sit inside the figures.
bool LooksLikeCsv(const std::vector<std::string_view>& lines) {
  std::size_t byCommas = 0;
  std::size_t byBlanks = 0;
  for (const std::string_view line : lines) {
    if (line.find(',') != std::string_view::npos) {
      byCommas += CsvCells(line).size();
      byBlanks += BlankCells(line).size();
    }
  }
  return byCommas > byBlanks;
}

// The program's own report as a plan: its months under the headings a plan has.
PlanCells ReportCells(const ReportTable& report) {
  PlanCells cells{{"期数", "月供", "本金", "利息"}};
  cells.reserve(report.months.size() + 1);
  for (const ReportMonth& month : report.months) {
    cells.emplace_back(month.begin(), month.end());
  }
  return cells;
}

}  // namespace

PlanCells SplitPlanText(std::string_view text, CellSplit split) {
  if (split == CellSplit::Guess) {
    if (const auto report = ReadReport(text)) {
      return ReportCells(*report);
    }
  }
  const std::vector<std::string_view> lines = Lines(text);
  const bool guess = split == CellSplit::Guess;
  const bool tabs =
      split == CellSplit::Tabs || (guess && text.find('\t') != std::string_view::npos);
  const bool csv = split == CellSplit::Csv || (guess && !tabs && LooksLikeCsv(lines));
  PlanCells cells;
  cells.reserve(lines.size());
  for (const std::string_view line : lines) {
    std::vector<std::string> row;
    if (line.find_first_not_of(" \t") != std::string_view::npos) {
      row = tabs ? SplitAt(line, '\t') : csv ? CsvCells(line) : BlankCells(line);
    }
    for (std::string& cell : row) {
      cell = Trimmed(cell);
    }
    cells.push_back(std::move(row));
  }
  return cells;
}

std::string JoinPlanCells(const PlanCells& cells) {
  std::string text;
  for (const auto& row : cells) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      std::string cell = row[c];
      std::replace_if(
          cell.begin(), cell.end(), [](char ch) { return ch == '\t' || ch == '\n' || ch == '\r'; },
          ' ');
      text += (c > 0 ? "\t" : "") + cell;
    }
    text += '\n';
  }
  return text;
}

std::string SheetNumberText(double value) {
  std::array<char, 32> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 15);
  return {text.data(), written.ptr};
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

std::optional<Fen> ReadPlanFigure(std::string_view cell) {
  // Most cells are plain ASCII figures: only their separators need going.
  const bool plain = std::all_of(cell.begin(), cell.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-' || c == '+' || c == ' ';
  });
  std::string text;
  if (plain) {
    std::copy_if(cell.begin(), cell.end(), std::back_inserter(text),
                 [](char c) { return c != ',' && c != ' '; });
  } else {
    text = Bare(cell, {",", "元", "¥", "￥", "RMB", "CNY"});
  }
  bool negative = false;
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    negative = true;
    text = text.substr(1, text.size() - 2);
  }
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = negative != (text.front() == '-');
    text.erase(0, 1);
  }
  const auto point = text.find('.');
  const std::string whole = text.substr(0, point);
  const std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
  constexpr std::size_t kMostDigits = 11;  // far beyond any loan, far below overflow
  if ((whole.empty() && decimals.empty()) || whole.size() > kMostDigits ||
      (!whole.empty() && !AllDigits(whole)) || (!decimals.empty() && !AllDigits(decimals)) ||
      (point != std::string::npos && decimals.empty() && whole.empty())) {
    return std::nullopt;
  }
  Fen fen = 0;
  for (const char c : whole) {
    fen = fen * 10 + (c - '0');
  }
  for (std::size_t i = 0; i < 2; ++i) {
    fen = fen * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
  }
  if (decimals.size() > 2 && decimals[2] >= '5') {
    ++fen;  // halves round up, as the bank's own figures do
  }
  return negative ? -fen : fen;
}

std::optional<year_month_day> ReadPlanDay(std::string_view cell) {
  // Full-width forms need narrowing; a day in ASCII does not.
  const bool ascii = std::all_of(cell.begin(), cell.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::string text = ascii ? std::string(cell) : Narrow(cell);
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return std::nullopt;
  }
  text.erase(0, first);
  text = text.substr(0, std::min(text.find(' '), text.find('T')));  // a time after it
  Erase(text, "日");
  for (const std::string_view mark : {"年", "月"}) {
    text = Replaced(text, mark, "-");
  }
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '/' || c == '.'; }, '-');
  if (text.size() == 8 && AllDigits(text)) {
    text = text.substr(0, 4) + "-" + text.substr(4, 2) + "-" + text.substr(6);
  } else if (const auto number = ReadWholeNumber(text);
             number && *number >= kFirstDayNumber && *number <= kLastDayNumber) {
    constexpr std::chrono::sys_days kDayZero{year{1899} / 12 / 30};
    return year_month_day{kDayZero + std::chrono::days{*number}};
  }
  if (text.size() < 8 || !std::isdigit(static_cast<unsigned char>(text[0]))) {
    return std::nullopt;
  }
  return ReadDay(text);
}

BankPlan ReadBankPlan(const PlanCells& cells, const std::vector<PlanColumn>& chosen) {
  BankPlan plan;
  std::optional<std::size_t> headingRow;
  if (!chosen.empty()) {
    plan.columns = chosen;
  } else {
    for (std::size_t r = 0; r < cells.size() && !headingRow; ++r) {
      if (auto columns = HeadingRow(cells[r])) {
        plan.columns = std::move(*columns);
        plan.byHeadings = true;
        headingRow = r;
      }
    }
    if (!headingRow) {
      plan.columns = ColumnsByArithmetic(cells);
    }
  }
  plan.settled = FigureRoles(plan.columns) >= (chosen.empty() ? 2 : 1);
  if (!plan.settled) {
    plan.figureRows = static_cast<std::size_t>(
        std::count_if(cells.begin(), cells.end(), [](const std::vector<std::string>& row) {
          return std::count_if(row.begin(), row.end(), [](const std::string& cell) {
                   return ReadPlanFigure(cell).has_value();
                 }) >= 2;
        }));
    return plan;
  }
  for (std::size_t r = 0; r < cells.size(); ++r) {
    if (r == headingRow) {
      continue;
    }
    auto month = MonthIn(cells[r], r, plan.columns);
    if (month) {
      plan.months.push_back(*month);
    } else {
      ++plan.skipped;
    }
  }
  const bool dated = std::all_of(plan.months.begin(), plan.months.end(),
                                 [](const PlanMonth& month) { return month.due.has_value(); });
  const bool numbered =
      std::all_of(plan.months.begin(), plan.months.end(),
                  [](const PlanMonth& month) { return month.number.has_value(); });
  if (dated || numbered) {
    std::stable_sort(plan.months.begin(), plan.months.end(),
                     [dated](const PlanMonth& a, const PlanMonth& b) {
                       return dated ? a.due < b.due : a.number < b.number;
                     });
  }
  return plan;
}

}  // namespace quorvane
