#include "arith/loan_fields.h"

#include <cmath>

#include "arith/number_rules.h"

namespace quorvane {

std::optional<RemainingLoan> ReadRemainingLoan(const LoanTexts& texts) {
  const auto amount = FieldNumber(texts.amount);
  const auto rate = FieldNumber(texts.rate);
  const auto discount = FieldNumber(texts.discount);
  const auto term = FieldNumber(texts.term);
  const auto principalRepaid = FieldNumber(texts.principalRepaid);
  const auto monthsRepaid = FieldNumber(texts.monthsRepaid);
  if (!amount || !rate || !discount || !term || !principalRepaid || !monthsRepaid) {
    return std::nullopt;
  }
  RemainingLoan loan;
  loan.amount = *amount * 10000;
  loan.principal = loan.amount - *principalRepaid;
  loan.months = *term - *monthsRepaid;
  // The product of rate and discount first, then the division.
  loan.monthlyRate = *rate * *discount / 12000;
  loan.monthsRepaid = *monthsRepaid;
  if (!std::isfinite(loan.amount) || !std::isfinite(loan.principal) ||
      !std::isfinite(loan.months) || !std::isfinite(loan.monthlyRate)) {
    return std::nullopt;
  }
  return loan;
}

}  // namespace quorvane
