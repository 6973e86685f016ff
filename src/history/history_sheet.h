// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "history/loan_history.h"

// The loan's whole story as its window holds it: the contract as the
// borrower typed it, one or two parts (a combination loan has a provident
// fund part beside the commercial one), Quorvane's rate events with the ones
// the borrower switched off, and the borrower's own rows: prepayments and the
// rates of the bank's notices. From it come the events table, the months of
// each part and of both, and what is wrong, in the window's words.
namespace quorvane {

// The contract's fields as typed: amounts in 万元, rates in %, 折, months.
struct ContractTexts {
  LoanKind kind = LoanKind::Commercial;
  std::string granted = "2007-06-15";
  std::string paymentDay = "15";
  std::string amount = "30";
  std::string months = "240";
  Repayment method = Repayment::EqualPayment;
  std::string discount = "8.5";
  std::string firstRate = "6.12";
  Repricing repricing = Repricing::NextJanuary;
  bool combined = false;  // 组合贷款: a provident-fund part beside the commercial one
  std::string fundAmount = "10";
  std::string fundDiscount = "10";
  std::string fundMonths = "240";
  bool operator==(const ContractTexts&) const = default;
};

// The parts of a loan: the one part, or a combination's two.
enum class SheetPart : std::size_t { Main = 0, Fund = 1 };

// What the months table shows: a part's months, or the sum of both by date.
enum class SheetView { Main, Fund, Both };

// A row the borrower adds: 提前还款 or 利率.
struct BorrowerEvent {
  enum class Kind { Prepayment, Rate };
  Kind kind = Kind::Rate;
  year_month_day day;
  SheetPart part = SheetPart::Main;
  Fen amount = 0;  // 提前还款
  bool shortenTerm = false;
  Percent rate;  // 利率
  bool operator==(const BorrowerEvent&) const = default;
};

// One of Quorvane's rows, known by its part, its kind and its day: what the
// borrower switches off stays off while the row is there.
struct EventKey {
  SheetPart part = SheetPart::Main;
  RateEventKind kind = RateEventKind::Benchmark;
  year_month_day effective;
  auto operator<=>(const EventKey&) const = default;
};

// What the borrower set beside the contract: their rows, Quorvane's rows
// switched off and the spreads of the two cuts.
struct SheetChoices {
  std::vector<BorrowerEvent> borrowerEvents;
  std::set<EventKey> switchedOff;
  Percent cap2023{0};
  Percent cap2024{-3'000};
  DayInterest byDays;  // the contract's options of interest by days
  bool operator==(const SheetChoices&) const = default;
};

// The first grant day the tables price, and the last of a commercial loan
// priced on the benchmark: later ones were priced on the LPR from the start.
inline constexpr year_month_day kFirstGrantDay = std::chrono::year{2004} / 10 / 29;
inline constexpr year_month_day kLastBenchmarkGrantDay = std::chrono::year{2019} / 10 / 7;

// The words of the contract's choices, as the window offers them.
std::string_view KindName(LoanKind kind);
std::string_view RepaymentName(Repayment method);
std::string_view RepricingName(Repricing repricing);
std::string_view ViewName(SheetView view);

// A day written 2007-06-15 (or 2007-6-15).
std::optional<year_month_day> ReadDay(std::string_view text);

// A decimal of digits and at most one point, to so many places exactly:
// "25.5" to 6 places is 25500000. Nothing for any other text or more places.
std::optional<std::int64_t> ReadDecimal(std::string_view text, int places);

// The contract of each part and what it owes.
struct LoanPartTerms {
  Contract contract;
  Fen amount = 0;
};

struct ReadContract {
  std::vector<LoanPartTerms> parts;  // empty when `problem` says what is wrong
  Repayment method = Repayment::EqualPayment;
  std::string problem;
};

// The contract's texts read, or what is wrong with them in the window's words.
ReadContract ReadContractTexts(const ContractTexts& texts, year_month_day today);

// The first rate of a contract's texts, from the tables (R2), as the field
// shows it: "6.12"; nothing where the tables have none.
std::optional<std::string> TableFirstRate(const ContractTexts& texts);

// A row of the events table.
struct EventRow {
  SheetPart part = SheetPart::Main;
  std::optional<std::size_t> borrowerRow;  // the borrower's: its index in their events
  std::optional<EventKey> key;             // Quorvane's
  year_month_day effective;
  std::string what;             // 事件
  std::optional<Percent> rate;  // the rate after it
  std::optional<Percent> base;  // a spread cut's LPR, from which an edited rate makes the spread
  std::string why;              // 说明
  bool on = true;
  bool noEffect = false;    // after the loan's end
  bool lprAssumed = false;  // on a fixing later than the last one known
};

struct LoanSheet {
  std::vector<EventRow> events;                 // in the order they are taken
  std::vector<std::vector<HistoryRow>> months;  // each part's
  std::string problem;                          // what is wrong, in the window's words
  std::vector<std::string> notes;               // what the window says it assumed
};

// Everything the window shows of a contract and the borrower's choices.
LoanSheet ComputeSheet(const ReadContract& contract, const SheetChoices& choices);

struct ShownMonth {
  int number = 0;  // 期数; 0 for a prepayment
  year_month_day due;
  std::optional<Percent> rate;  // nothing for the sum of two parts
  BankMonth month;
  std::string note;  // the 说明 of the events that take effect with this month
};

std::vector<ShownMonth> ShownMonths(const LoanSheet& sheet, SheetView view);

// 总还款, 总利息, the last payment's day and 截至今天, in one line each.
std::vector<std::string> SheetSummary(const std::vector<ShownMonth>& months, year_month_day today);

// The months table's headings.
inline constexpr std::array<std::string_view, 8> kHistoryHeadings{
    "期数",         "还款日期", "年利率(%)",    "月还款(元)",
    "其中本金(元)", "利息(元)", "剩余本金(元)", "说明"};

// Whole fen as yuan with two decimals and no separators: "1620.95".
std::string YuanText(Fen fen);

// A shown month's cells, under the headings.
std::vector<std::string> MonthCells(const ShownMonth& month);

// What 复制为表格 puts on the clipboard: the contract as label and value, an
// empty row, the headings, one row a month.
std::vector<std::vector<std::string>> SheetTable(const ContractTexts& texts, SheetView view,
                                                 const std::vector<ShownMonth>& months);

// The window's title: "贷款历程 - Quorvane 1.0".
inline constexpr std::string_view kHistoryName = "贷款历程";

}  // namespace quorvane
