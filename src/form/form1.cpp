// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/form1.h"

#include <cmath>
#include <string>

#include "arith/equal_payment.h"
#include "arith/equal_principal.h"
#include "arith/loan_end.h"
#include "arith/number_rules.h"
#include "form/field_checks.h"
#include "form/help_text.h"
#include "form/messages.h"
#include "rates/rate_selection.h"

namespace quorvane {

namespace {

// The loan fields' texts, held for the length of one procedure.
struct LoanFieldTexts {
  std::string amount;
  std::string rate;
  std::string discount;
  std::string term;
  std::string principalRepaid;
  std::string monthsRepaid;

  explicit LoanFieldTexts(const Window& window)
      : amount(window.Text(Text1(kAmount))),
        rate(window.Text(Text1(kRate))),
        discount(window.Text(Text1(kDiscount))),
        term(window.Text(Text1(kTerm))),
        principalRepaid(window.Text(Text1(kPrincipalRepaid))),
        monthsRepaid(window.Text(Text1(kMonthsRepaid))) {}

  [[nodiscard]] LoanTexts View() const {
    return {amount, rate, discount, term, principalRepaid, monthsRepaid};
  }
};

// The fields a stretch of the rate-change section reads.
struct StretchFieldTexts {
  LoanFieldTexts loan;
  std::string months;
  std::string prepayment;
  std::string log;

  explicit StretchFieldTexts(const Window& window)
      : loan(window),
        months(window.Text(Text1(kMonthsThisStretch))),
        prepayment(window.Text(Text1(kPrepayment))),
        log(window.Text(TextBox::Text3)) {}

  [[nodiscard]] StretchTexts View() const { return {loan.View(), months, prepayment, log}; }
};

}  // namespace

Form1::Form1(Window& window) : window_(window) {}

void Form1::Form_Load() {
  Command2_Click();
  FillRateList(kCommercialList);
  // Selecting the row runs the rate selection at once: the rate and discount
  // of the newest lower limit replace the reset's 7.2 and 8.5.
  window_.SelectRow(kCommercialList, static_cast<std::int16_t>(NewestLowerLimitRow()));
  FillRateList(kFundList);
}

void Form1::FillRateList(ListIndex list) {
  for (const RateRow& row : RateTable(list)) {
    window_.AddItem(list, row.item);
  }
}

void Form1::Command2_Click() {
  window_.SetEnabled(Text1(kAmount), true);
  window_.SetEnabled(Text1(kTerm), true);
  window_.SetEnabled(kCalculate, true);
  window_.SetText(Text1(kAmount), "25.7");
  window_.SetText(Text1(kRate), "7.2");
  window_.SetText(Text1(kDiscount), "8.5");
  window_.SetText(Text1(kTerm), "360");
  window_.SetText(Text1(kPrincipalRepaid), "0");
  window_.SetText(Text1(kMonthsRepaid), "0");
  window_.SetText(TextBox::Text2, HelpText());
}

void Form1::Command3_Click() {
  window_.SetEnabled(Text1(kAmount), false);
  window_.SetEnabled(Text1(kTerm), false);
  const bool accrued =
      window_.OptionValue(kEqualPaymentMethod) ? AccrueEqualPayment() : AccrueEqualPrincipal();
  if (accrued) {
    EndOfLoanTest();
  }
}

void Form1::Command4_Click() {
  window_.SetEnabled(kAccrue, true);
  window_.SetText(Text1(kPrincipalRepaid), "0");
  window_.SetText(Text1(kMonthsRepaid), "0");
  window_.SetText(Text1(kMonthsThisStretch), "12");
  window_.SetText(Text1(kPrepayment), "0");
  window_.SetText(TextBox::Text3, "");
}

bool Form1::AccrueEqualPayment() {
  const StretchFieldTexts fields(window_);
  return WriteAccrual(quorvane::AccrueEqualPayment(fields.View()));
}

bool Form1::AccrueEqualPrincipal() {
  const StretchFieldTexts fields(window_);
  return WriteAccrual(quorvane::AccrueEqualPrincipal(fields.View()));
}

bool Form1::WriteAccrual(const std::optional<AccrualTexts>& accrued) {
  if (!accrued) {
    // Nothing accumulated so far is touched; the user is told why nothing moved.
    window_.SetText(TextBox::Text2, kDataErrorMessage);
    return false;
  }
  window_.SetText(Text1(kPrincipalRepaid), accrued->principalRepaid);
  window_.SetText(Text1(kMonthsRepaid), accrued->monthsRepaid);
  window_.SetText(TextBox::Text3, accrued->log);
  return true;
}

void Form1::EndOfLoanTest() {
  if (LoanRepaid(window_.Text(Text1(kMonthsRepaid)), window_.Text(Text1(kTerm)),
                 window_.Text(Text1(kPrincipalRepaid)), window_.Text(Text1(kAmount)))) {
    window_.SetEnabled(kCalculate, false);
    window_.SetEnabled(kAccrue, false);
  }
}

void Form1::List1_Click(std::int16_t Index) {
  lastRateList_ = Index;
  const ListIndex list = Index == kCommercialList ? kCommercialList : kFundList;
  const auto texts =
      SelectRate(RateTable(list), window_.SelectedRow(list), window_.Text(Text1(kTerm)));
  if (!texts) {
    return;
  }
  window_.SetText(Text1(kRate), texts->rate);
  window_.SetText(Text1(kDiscount), texts->discount);
}

void Form1::Command1_Click() {
  if (window_.OptionValue(kEqualPaymentMethod)) {
    CalcEqualPayment();
  } else {
    CalcEqualPrincipal();
  }
}

void Form1::CalcEqualPayment() {
  const LoanFieldTexts fields(window_);
  ShowReport(EqualPaymentReport(fields.View()), fields.View());
}

void Form1::CalcEqualPrincipal() {
  const LoanFieldTexts fields(window_);
  ShowReport(EqualPrincipalReport(fields.View()), fields.View());
}

void Form1::ShowReport(std::optional<std::string> report, const LoanTexts& loan) {
  written_.reset();
  if (!report) {
    window_.SetText(TextBox::Text2, kDataErrorMessage);
    return;
  }
  window_.SetText(TextBox::Text2, *report);
  if (const auto owed = ReadOwedLoan(loan)) {
    written_ = WrittenReport{std::move(*report), owed->principal};
  }
}

std::optional<double> Form1::OwedBeforeReport(std::string_view text2) const {
  if (!written_ || written_->text != text2) {
    return std::nullopt;
  }
  return written_->owedYuan;
}

void Form1::Text1_KeyPress(std::int16_t /*Index*/, std::int16_t& KeyAscii) {
  const bool enter = KeyAscii == kEnterKey;
  if (!IsAcceptedKey(KeyAscii)) {
    KeyAscii = 0;
  }
  if (enter) {
    Command1_Click();
  }
}

void Form1::Text1_LostFocus(std::int16_t Index) {
  if (NeedsRepair(window_.Text(Text1(Index)))) {
    window_.SetText(Text1(Index), kRepairedNumber);
  }
  if (Index == kTerm) {
    RateForNewTerm();
  }
  RemarkOnRepaidLoan();
  EndOfLoanTest();
}

// The rate of the row chosen last, for the term now entered; the discount
// stays as it is.
void Form1::RateForNewTerm() {
  const ListIndex list =
      std::lround(lastRateList_) == kCommercialList ? kCommercialList : kFundList;
  const auto rate =
      RateForTerm(RateTable(list), window_.SelectedRow(list), window_.Text(Text1(kTerm)));
  if (rate) {
    window_.SetText(Text1(kRate), *rate);
  }
}

void Form1::RemarkOnRepaidLoan() {
  const auto amount = FieldNumber(window_.Text(Text1(kAmount)));
  const auto principalRepaid = FieldNumber(window_.Text(Text1(kPrincipalRepaid)));
  if (!amount || !principalRepaid) {
    return;
  }
  const double stillOwed = *amount * 10000 - *principalRepaid;
  if (stillOwed == 0) {
    window_.SetText(TextBox::Text2, kRepaidExactlyRemark);
  } else if (stillOwed < 0) {
    window_.SetText(TextBox::Text2, kRepaidTooMuchRemark);
  }
}

}  // namespace quorvane
