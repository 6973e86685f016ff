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
      : amount(window.Text(Text1(0))),
        rate(window.Text(Text1(1))),
        discount(window.Text(Text1(2))),
        term(window.Text(Text1(3))),
        principalRepaid(window.Text(Text1(4))),
        monthsRepaid(window.Text(Text1(5))) {}

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
        months(window.Text(Text1(6))),
        prepayment(window.Text(Text1(8))),
        log(window.Text(TextBox::Text3)) {}

  [[nodiscard]] StretchTexts View() const { return {loan.View(), months, prepayment, log}; }
};

}  // namespace

Form1::Form1(Window& window) : window_(window) {}

void Form1::Form_Load() {
  Command2_Click();
  FillRateList(0);
  // Selecting the row runs the rate selection at once: the rate and discount
  // of the newest lower limit replace the reset's 7.2 and 8.5.
  window_.SelectRow(0, static_cast<std::int16_t>(NewestLowerLimitRow()));
  FillRateList(1);
}

void Form1::FillRateList(ListIndex list) {
  for (const RateRow& row : RateTable(list)) {
    window_.AddItem(list, row.item);
  }
}

void Form1::Command2_Click() {
  window_.SetEnabled(Text1(0), true);
  window_.SetEnabled(Text1(3), true);
  window_.SetEnabled(Button::Command1, true);
  window_.SetText(Text1(0), "25.7");
  window_.SetText(Text1(1), "7.2");
  window_.SetText(Text1(2), "8.5");
  window_.SetText(Text1(3), "360");
  window_.SetText(Text1(4), "0");
  window_.SetText(Text1(5), "0");
  window_.SetText(TextBox::Text2, HelpText());
}

void Form1::Command3_Click() {
  window_.SetEnabled(Text1(0), false);
  window_.SetEnabled(Text1(3), false);
  const bool accrued = window_.OptionValue(0) ? AccrueEqualPayment() : AccrueEqualPrincipal();
  if (accrued) {
    EndOfLoanTest();
  }
}

void Form1::Command4_Click() {
  window_.SetEnabled(Button::Command3, true);
  window_.SetText(Text1(4), "0");
  window_.SetText(Text1(5), "0");
  window_.SetText(Text1(6), "12");
  window_.SetText(Text1(8), "0");
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
  window_.SetText(Text1(4), accrued->principalRepaid);
  window_.SetText(Text1(5), accrued->monthsRepaid);
  window_.SetText(TextBox::Text3, accrued->log);
  return true;
}

void Form1::EndOfLoanTest() {
  if (LoanRepaid(window_.Text(Text1(5)), window_.Text(Text1(3)), window_.Text(Text1(4)),
                 window_.Text(Text1(0)))) {
    window_.SetEnabled(Button::Command1, false);
    window_.SetEnabled(Button::Command3, false);
  }
}

void Form1::List1_Click(std::int16_t Index) {
  lastRateList_ = Index;
  const ListIndex list = Index == 0 ? 0 : 1;
  const auto texts = SelectRate(RateTable(list), window_.SelectedRow(list), window_.Text(Text1(3)));
  if (!texts) {
    return;
  }
  window_.SetText(Text1(1), texts->rate);
  window_.SetText(Text1(2), texts->discount);
}

void Form1::Command1_Click() {
  if (window_.OptionValue(0)) {
    CalcEqualPayment();
  } else {
    CalcEqualPrincipal();
  }
}

void Form1::CalcEqualPayment() {
  const LoanFieldTexts fields(window_);
  ShowReport(EqualPaymentReport(fields.View()));
}

void Form1::CalcEqualPrincipal() {
  const LoanFieldTexts fields(window_);
  ShowReport(EqualPrincipalReport(fields.View()));
}

void Form1::ShowReport(const std::optional<std::string>& report) {
  window_.SetText(TextBox::Text2, report ? std::string_view(*report) : kDataErrorMessage);
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
  if (Index == 3) {
    RateForNewTerm();
  }
  RemarkOnRepaidLoan();
  EndOfLoanTest();
}

// The rate of the row chosen last, for the term now entered; the discount
// stays as it is.
void Form1::RateForNewTerm() {
  const ListIndex list = std::lround(lastRateList_) == 0 ? 0 : 1;
  const auto rate = RateForTerm(RateTable(list), window_.SelectedRow(list), window_.Text(Text1(3)));
  if (rate) {
    window_.SetText(Text1(1), *rate);
  }
}

void Form1::RemarkOnRepaidLoan() {
  const auto amount = FieldNumber(window_.Text(Text1(0)));
  const auto principalRepaid = FieldNumber(window_.Text(Text1(4)));
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
