// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/bank_plan.h"
#include "history/history_sheet.h"

// The bank's plan beside the loan's history, month by month to the fen:
// which months agree, which differ and by how much, which months one has and
// the other lacks, and for each month that differs the cause the figures
// point to, with what the borrower can change to follow the bank.
namespace quorvane {

// The history a plan is checked against: the months of the part shown, the
// days its rate changed and what the contract says of its first month.
struct CheckedLoan {
  std::vector<ShownMonth> months;        // prepayments among them
  std::vector<year_month_day> rateDays;  // the rate rows in effect, by day
  year_month_day granted;
  Fen amount = 0;
  Repayment method = Repayment::EqualPayment;
  DayInterest byDays;
};

// The history of a part (or of both, where the rate is not one) as checked.
CheckedLoan CheckedLoanOf(const ReadContract& contract, const LoanSheet& sheet,
                          const SheetChoices& choices, SheetView view);
// The same with the view's months as the caller already has them.
CheckedLoan CheckedLoanOf(const ReadContract& contract, const LoanSheet& sheet,
                          const SheetChoices& choices, SheetView view,
                          std::vector<ShownMonth> shown);

// What the borrower can change so that the history follows the bank.
struct PlanOffer {
  enum class Kind { AddRate, AddPrepayment, AcrossChange, FirstMonth };
  Kind kind = Kind::AddRate;
  year_month_day day;
  Percent rate;
  Fen amount = 0;
  bool shortenTerm = false;
  int daysInYear = 360;
};

// The offer's words on its button: "添加 2009-01-14 起年利率 5.049% 的利率事件".
std::string OfferText(const PlanOffer& offer);

// The offer taken into the borrower's choices, for the part checked.
void ApplyOffer(const PlanOffer& offer, SheetPart part, SheetChoices& choices);

enum class PlanFigure { Payment, Principal, Interest, Balance };
inline constexpr std::size_t kPlanFigures = 4;

// A row of the side-by-side table: a month of both, or of one only.
struct CheckedMonth {
  int number = 0;
  year_month_day due;
  std::array<std::optional<Fen>, kPlanFigures> bank;
  std::array<std::optional<Fen>, kPlanFigures> ours;
  std::array<Fen, kPlanFigures> difference{};  // the bank's less Quorvane's
  bool inPlan = false;
  bool inHistory = false;
  bool duplicate = false;  // a second row of the plan for a month it had
  std::string why;         // empty where they agree
  std::optional<PlanOffer> offer;

  [[nodiscard]] bool Agrees() const;
};

struct PlanCheck {
  std::vector<CheckedMonth> months;
  std::string summary;             // 银行计划 240 期：与 Quorvane 一致 …
  std::vector<std::string> notes;  // what else the borrower should know of the plan
  std::string problem;             // why nothing could be checked
};

PlanCheck CheckPlan(const BankPlan& plan, const CheckedLoan& loan);

// The side-by-side table's headings.
inline constexpr std::array<std::string_view, 12> kCheckHeadings{
    "期数",     "还款日期",      "银行月供",     "Quorvane 月供",     "银行本金",   "Quorvane 本金",
    "银行利息", "Quorvane 利息", "银行剩余本金", "Quorvane 剩余本金", "差额（分）", "原因"};

// A checked month's cells, under the headings, or one of them.
std::vector<std::string> CheckCells(const CheckedMonth& month);
std::string CheckCell(const CheckedMonth& month, std::size_t column);

// What 复制为表格 puts on the clipboard: the summary, the notes, an empty
// row, the headings, a row a month.
std::vector<std::vector<std::string>> CheckTable(const PlanCheck& check);

}  // namespace quorvane
