// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/equal_payment.h"

#include <cmath>

#include "arith/number_rules.h"
#include "arith/number_text.h"
#include "arith/report_format.h"

namespace quorvane {

namespace {

// Below this monthly rate, rounding 1 + r to double precision costs
// (1 + r)^n - 1 most of its digits. No loan bears such a rate (an annual
// 0.00012 % at the full rate); the growth is then taken from log1p and expm1,
// whose limit at zero is the interest-free payment.
constexpr double kSmallestFormulaRate = 1e-8;

float PaymentAtTinyRate(double principal, double months, double monthlyRate) {
  const double growthLessOne = std::expm1(months * std::log1p(monthlyRate));
  if (growthLessOne == 0) {
    return RoundToCents(principal * 100 / months);
  }
  return RoundToCents(principal * 100 * monthlyRate * (1 + growthLessOne) / growthLessOne);
}

}  // namespace

float MonthlyPayment(double principal, double months, double monthlyRate) {
  if (std::fabs(monthlyRate) < kSmallestFormulaRate) {
    return PaymentAtTinyRate(principal, months, monthlyRate);
  }
  const double growth = std::pow(1 + monthlyRate, months);
  if (growth == 1) {
    return RoundToCents(principal * 100 / months);
  }
  return RoundToCents(principal * 100 * monthlyRate * growth / (growth - 1));
}

EqualPaymentMonths::EqualPaymentMonths(double principal, double monthlyRate, float payment)
    : firstBalance_(principal), monthlyRate_(monthlyRate), payment_(payment) {}

EqualPaymentMonths::Month EqualPaymentMonths::Next() {
  Month month{};
  if (firstMonth_) {
    month.interest = RoundToCents(firstBalance_ * 100 * monthlyRate_);
    month.principal = RoundToCents((payment_ - month.interest) * 100.0F);
    balance_ = RoundToCents((firstBalance_ - month.principal) * 100);
    firstMonth_ = false;
  } else {
    const float balanceFen = balance_ * 100.0F;
    month.interest = RoundToCents(balanceFen * monthlyRate_);
    month.principal = RoundToCents((payment_ - month.interest) * 100.0F);
    balance_ = RoundToCents((balance_ - month.principal) * 100.0F);
  }
  return month;
}

namespace {

bool AllFinite(std::initializer_list<float> figures) {
  for (const float figure : figures) {
    if (!std::isfinite(figure)) {
      return false;
    }
  }
  return true;
}

std::string Header(float payment, float total, float interest) {
  const auto& pieces = kEqualPaymentHeader;
  std::string header = std::string(pieces[0]) + PointNumberText(payment) + std::string(pieces[1]) +
                       PointNumberText(total) + std::string(pieces[2]) + PointNumberText(interest) +
                       std::string(pieces[3]);
  header += kLineBreak;
  header.append(kEqualPaymentShape.separatorLength, '-');
  header += kLineBreak;
  return header;
}

void AppendMonthLine(std::string& lines, double number, float payment,
                     const EqualPaymentMonths::Month& month) {
  const auto& pieces = kEqualPaymentMonth;
  lines += pieces[0];
  AppendPointNumberText(lines, number);
  lines += pieces[1];
  const LeadingZero money = kEqualPaymentShape.monthMoney;
  AppendNumberText(lines, payment, money);
  lines += pieces[2];
  AppendNumberText(lines, month.principal, money);
  lines += pieces[3];
  AppendNumberText(lines, month.interest, money);
  lines += pieces[4];
  lines += kLineBreak;
}

}  // namespace

std::optional<std::string> EqualPaymentReport(const LoanTexts& texts) {
  const auto loan = ReadRemainingLoan(texts);
  if (!loan || loan->principal <= 0 || loan->months <= 0 || loan->months > kLongestReport) {
    return std::nullopt;
  }
  const double n = loan->months;
  const float payment = MonthlyPayment(loan->principal, n, loan->monthlyRate);
  const float paymentFen = payment * 100.0F;
  const float total = RoundToCents(paymentFen * n);
  const float interestTotal = RoundToCents((payment * n - loan->principal) * 100);
  if (!AllFinite({payment, total, interestTotal})) {
    return std::nullopt;
  }

  std::string report = Header(payment, total, interestTotal);
  report.reserve(report.size() + static_cast<std::size_t>(n) * 96);
  EqualPaymentMonths months(loan->principal, loan->monthlyRate, payment);
  for (int k = 1; k <= n; ++k) {
    const auto month = months.Next();
    if (!AllFinite({month.interest, month.principal}) || !std::isfinite(months.Balance())) {
      return std::nullopt;
    }
    AppendMonthLine(report, k + loan->monthsRepaid, payment, month);
  }
  return report;
}

}  // namespace quorvane
