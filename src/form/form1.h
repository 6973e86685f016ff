// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arith/accrual.h"
#include "arith/loan_fields.h"
#include "form/window.h"

// The calculator's one window: its handlers and the order of their steps. All
// state is the text of the window's fields; every run starts again from them.
namespace quorvane {

class Form1 {
 public:
  explicit Form1(Window& window);

  // Start-up: the full reset, both rate lists filled and the newest lower
  // limit of the commercial list selected.
  void Form_Load();

  // Calculate: the report of the method Option1(0) selects, into Text2.
  void Command1_Click();

  // Full reset of the loan fields, with the help text in Text2.
  void Command2_Click();

  // Accrue one stretch of the rate-change section with the selected method,
  // with amount and term locked, then close the section if the loan is repaid.
  void Command3_Click();

  // Reset of the rate-change section.
  void Command4_Click();

  // A row of rate list Index chosen: its rate for the current term and its
  // discount go into the rate fields.
  void List1_Click(std::int16_t Index);

  // A character typed into Text1(Index). A refused character is cancelled by
  // setting KeyAscii to 0; Enter runs Calculate, enabled or not.
  void Text1_KeyPress(std::int16_t Index, std::int16_t& KeyAscii);

  // Text1(Index) was left for another control: repair a malformed number,
  // take the rate for a new term, remark on a loan repaid, close a loan that
  // has ended.
  void Text1_LostFocus(std::int16_t Index);

  // The rate list whose row was chosen last: 0 commercial, 1 provident fund.
  [[nodiscard]] float LastRateList() const { return lastRateList_; }

  // What was owed before the first month of the report in Text2, in yuan,
  // while Text2 holds it as Calculate wrote it; nothing once it was edited.
  [[nodiscard]] std::optional<double> OwedBeforeReport(std::string_view text2) const;

 private:
  void CalcEqualPayment();
  void CalcEqualPrincipal();
  // The report of the loan, or the data error message when there is none.
  void ShowReport(std::optional<std::string> report, const LoanTexts& loan);
  bool AccrueEqualPayment();
  bool AccrueEqualPrincipal();
  // Writes a stretch's three texts, or the data error message when it failed.
  bool WriteAccrual(const std::optional<AccrualTexts>& accrued);
  void EndOfLoanTest();
  void RateForNewTerm();
  void RemarkOnRepaidLoan();
  void FillRateList(ListIndex list);

  Window& window_;
  float lastRateList_ = 0;

  // The report Calculate wrote last, and what was owed before its first month.
  struct WrittenReport {
    std::string text;
    double owedYuan = 0;
  };
  std::optional<WrittenReport> written_;
};

}  // namespace quorvane
