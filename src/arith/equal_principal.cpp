// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/equal_principal.h"

#include <cmath>

#include "arith/number_rules.h"
#include "arith/number_text.h"
#include "arith/report_format.h"

namespace quorvane {

float PrincipalShare(double principal, double months) {
  return RoundToCents(principal * 100 / months);
}

namespace {

void AppendMonthLine(std::string& lines, double number, float payment, float share,
                     float interest) {
  const auto& pieces = kEqualPrincipalMonth;
  lines += pieces[0];
  AppendPointNumberText(lines, number);
  lines += pieces[1];
  const LeadingZero money = kEqualPrincipalShape.monthMoney;
  AppendNumberText(lines, payment, money);
  lines += pieces[2];
  AppendNumberText(lines, share, money);
  lines += pieces[3];
  AppendNumberText(lines, interest, money);
  lines += pieces[4];
  lines += kLineBreak;
}

std::string Totals(float total, float interestTotal) {
  const auto& pieces = kEqualPrincipalHeader;
  std::string totals = std::string(pieces[0]) + PointNumberText(total) + std::string(pieces[1]) +
                       PointNumberText(interestTotal) + std::string(pieces[2]);
  totals += kLineBreak;
  totals.append(kEqualPrincipalShape.separatorLength, '-');
  totals += kLineBreak;
  return totals;
}

}  // namespace

std::optional<std::string> EqualPrincipalReport(const LoanTexts& texts) {
  const auto loan = ReadRemainingLoan(texts);
  if (!loan || loan->principal <= 0 || loan->months <= 0 || loan->months > kLongestReport) {
    return std::nullopt;
  }
  const double n = loan->months;
  const double r = loan->monthlyRate;
  const float share = PrincipalShare(loan->principal, n);
  if (!std::isfinite(share)) {
    return std::nullopt;
  }

  std::string lines;
  lines.reserve(static_cast<std::size_t>(n) * 96);
  double balance = loan->principal;  // never rounded
  float interestTotal = 0;
  for (int k = 1; k <= n; ++k) {
    const float interest = RoundToCents(balance * 100 * r);
    const float payment = RoundToCents((interest + share) * 100.0F);
    if (!std::isfinite(interest) || !std::isfinite(payment)) {
      return std::nullopt;
    }
    balance = balance - share;
    AppendMonthLine(lines, k + loan->monthsRepaid, payment, share, interest);
    interestTotal = interestTotal + interest;
  }

  // The total is the whole amount lent plus the interest of the months
  // reported, whatever was repaid before them.
  const float total = RoundToCents((loan->amount + interestTotal) * 100);
  if (!std::isfinite(total) || !std::isfinite(interestTotal)) {
    return std::nullopt;
  }
  return Totals(total, interestTotal) + lines;
}

}  // namespace quorvane
