#include "form/form1.h"

#include <string>

#include "arith/equal_payment.h"
#include "arith/equal_principal.h"

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

}  // namespace

Form1::Form1(Window& window) : window_(window) {}

void Form1::Command1_Click() {
  if (window_.OptionValue(0)) {
    CalcEqualPayment();
  } else {
    CalcEqualPrincipal();
  }
}

void Form1::CalcEqualPayment() {
  const LoanFieldTexts fields(window_);
  window_.SetText(TextBox::Text2, EqualPaymentReport(fields.View()));
}

void Form1::CalcEqualPrincipal() {
  const LoanFieldTexts fields(window_);
  window_.SetText(TextBox::Text2, EqualPrincipalReport(fields.View()));
}

}  // namespace quorvane
