// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/accrual.h"

#include <cmath>

#include "arith/equal_payment.h"
#include "arith/equal_principal.h"
#include "arith/number_rules.h"
#include "arith/number_text.h"
#include "arith/report_format.h"

namespace quorvane {

namespace {

// The numbers a stretch starts from.
struct Stretch {
  OwedLoan loan;
  double months = 0;
  double prepaymentYuan = 0;
  double principalRepaid = 0;
};

// Nothing when a field is not a number, or when the months repaid have
// already reached the term: then no month is owed to repay on.
std::optional<Stretch> ReadStretch(const StretchTexts& texts) {
  const auto loan = ReadOwedLoan(texts.loan);
  const auto months = FieldNumber(texts.months);
  const auto prepayment = FieldNumber(texts.prepayment);
  const auto principalRepaid = FieldNumber(texts.loan.principalRepaid);
  if (!loan || !months || !prepayment || !principalRepaid || loan->months <= 0) {
    return std::nullopt;
  }
  Stretch stretch{*loan, *months, *prepayment * 10000, *principalRepaid};
  if (!std::isfinite(stretch.prepaymentYuan)) {
    return std::nullopt;
  }
  return stretch;
}

// The stretch's principal, including the prepayment, added to the totals and
// appended to the log: " =" on an empty log, " +" after earlier lines.
std::optional<AccrualTexts> Accrued(const Stretch& stretch, double stretchPrincipal,
                                    std::string_view log) {
  const float principalRepaid =
      RoundToCents((stretch.principalRepaid + stretchPrincipal + stretch.prepaymentYuan) * 100);
  const double monthsRepaid = stretch.loan.monthsRepaid + stretch.months;
  const float logged = RoundToCents((stretchPrincipal + stretch.prepaymentYuan) * 100);
  if (!std::isfinite(principalRepaid) || !std::isfinite(monthsRepaid) || !std::isfinite(logged)) {
    return std::nullopt;
  }
  AccrualTexts texts{NumberText(principalRepaid), NumberText(monthsRepaid), std::string(log)};
  texts.log += log.empty() ? kFirstStretchMark : kNextStretchMark;
  texts.log += StrText(logged);
  texts.log += kLineBreak;
  return texts;
}

}  // namespace

std::optional<AccrualTexts> AccrueEqualPayment(const StretchTexts& texts) {
  const auto stretch = ReadStretch(texts);
  const auto monthlyRate = ReadMonthlyRate(texts.loan);
  if (!stretch || !monthlyRate || stretch->months > kLongestReport) {
    return std::nullopt;
  }
  const OwedLoan& loan = stretch->loan;
  const float payment = MonthlyPayment(loan.principal, loan.months, *monthlyRate);
  if (!std::isfinite(payment)) {
    return std::nullopt;
  }
  // The stretch may run past the end of the loan: the same payment goes on
  // and repays more than was owed.
  EqualPaymentMonths months(loan.principal, *monthlyRate, payment);
  float repaid = 0;
  for (int k = 1; k <= stretch->months; ++k) {
    repaid = repaid + months.Next().principal;
    if (!std::isfinite(months.Balance())) {
      return std::nullopt;
    }
  }
  return Accrued(*stretch, repaid, texts.log);
}

std::optional<AccrualTexts> AccrueEqualPrincipal(const StretchTexts& texts) {
  const auto stretch = ReadStretch(texts);
  if (!stretch) {
    return std::nullopt;
  }
  const float share = PrincipalShare(stretch->loan.principal, stretch->loan.months);
  if (!std::isfinite(share)) {
    return std::nullopt;
  }
  // A fraction of a month repays the same fraction of a share.
  const double repaid = stretch->months * share;
  return Accrued(*stretch, repaid, texts.log);
}

}  // namespace quorvane
