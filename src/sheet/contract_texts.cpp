// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/contract_texts.h"

#include "text/day_text.h"
#include "text/decimal_text.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

using Fault = ContractProblem::Fault;

// 万元 to the fen: six places.
constexpr int kTenThousandPlaces = 6;
constexpr int kRatePlaces = 4;

std::optional<int> ReadWhole(std::string_view text, int least, int most) {
  const auto value = ReadDecimal(text, 0);
  if (!value || *value < least || *value > most) {
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

// One part's amount, term and multiple; the first rate is the caller's.
struct PartTexts {
  std::string_view amount;
  std::string_view months;
  std::string_view discount;
};

std::optional<Fault> ReadPart(const PartTexts& texts, Contract& contract, Fen& amount) {
  const auto fen = ReadDecimal(texts.amount, kTenThousandPlaces);
  if (!fen || *fen <= 0 || *fen > kLargestBalance) {
    return Fault::Amount;
  }
  const auto months = ReadWhole(texts.months, 1, kLongestTerm);
  if (!months) {
    return Fault::Months;
  }
  const auto discount = ReadDecimal(texts.discount, 1);
  if (!discount || *discount > kMostDiscountTenths) {
    return Fault::Discount;
  }
  amount = *fen;
  contract.months = *months;
  contract.discountTenths = static_cast<int>(*discount);
  return std::nullopt;
}

// A yearly rate as typed: up to four places, no more than the highest.
std::optional<Percent> ReadRate(std::string_view text) {
  const auto rate = ReadDecimal(text, kRatePlaces);
  if (!rate || *rate > kHighestRate.tenThousandths) {
    return std::nullopt;
  }
  return Percent{*rate};
}

// The largest amount in 万元, and the highest rate in %, as the messages write them.
std::string LargestAmountText() { return DecimalText(kLargestBalance, kTenThousandPlaces, 0); }
std::string HighestRateText() { return DecimalText(kHighestRate.tenThousandths, kRatePlaces, 0); }

}  // namespace

std::string_view FieldName(ContractField field) {
  switch (field) {
    case ContractField::Kind:
      return "贷款种类";
    case ContractField::Granted:
      return "放款日期";
    case ContractField::PaymentDay:
      return "每月还款日";
    case ContractField::Amount:
      return "贷款金额（万元）";
    case ContractField::Months:
      return "还款期限（月）";
    case ContractField::Method:
      return "还款方法";
    case ContractField::Discount:
      return "利率折扣（折）";
    case ContractField::FirstRate:
      return "首期年利率（%）";
    case ContractField::Repricing:
      return "调整方式";
    case ContractField::Combined:
      return "组合贷款";
    case ContractField::FundAmount:
      return "公积金部分金额（万元）";
    case ContractField::FundMonths:
      return "公积金部分期限（月）";
    case ContractField::FundDiscount:
      return "公积金部分折扣（折）";
    case ContractField::FundFirstRate:
      return "公积金部分首期年利率（%）";
    case ContractField::View:
      return "明细";
  }
  return {};
}

std::string_view KindName(LoanKind kind) {
  return kind == LoanKind::Commercial ? "商业贷款" : "公积金贷款";
}

std::string_view RepaymentName(Repayment method) {
  return method == Repayment::EqualPayment ? "等额本息" : "等额本金";
}

std::string_view RepricingName(Repricing repricing) {
  switch (repricing) {
    case Repricing::NextJanuary:
      return "次年1月1日";
    case Repricing::Anniversary:
      return "对月对日";
    case Repricing::ChangeDay:
      return "次月";
  }
  return {};
}

std::string ProblemWords(const ContractProblem& problem) {
  const std::string part = problem.part == SheetPart::Fund ? "公积金部分的" : "";
  switch (problem.fault) {
    case Fault::GrantDayForm:
      return "放款日期应写成 2007-06-15 这样的日期";
    case Fault::GrantDayRange:
      return "放款日期应在 "s + DayText(kFirstGrantDay) + " 至 " + DayText(problem.today) + " 之间";
    case Fault::PricedOnLpr:
      return DayText(kFirstLprGrantDay) + " 起发放的商业贷款自始按 LPR 定价，本窗口暂不计算";
    case Fault::PaymentDay:
      return "每月还款日应为 1 至 " + std::to_string(kLatestPaymentDay) + " 日";
    case Fault::Amount:
      return part + "贷款金额应大于 0，至多 " + LargestAmountText() + " 万元";
    case Fault::Months:
      return part + "还款期限应为 1 至 " + std::to_string(kLongestTerm) + " 个月";
    case Fault::Discount:
      return part + "利率折扣应为 0 至 " + DecimalText(kMostDiscountTenths, 1, 0) +
             " 折，至多一位小数，如 8.5";
    case Fault::FirstRate:
      return part + "首期年利率应为 0 至 " + HighestRateText() + "，至多四位小数，如 6.12";
    case Fault::PaymentShort:
      return "月还款不足以支付当月利息：年利率过高，请检查首期年利率和所填利率";
    case Fault::RowDay:
      return "新增记录的日期应写成 2012-07-15 这样的日期";
    case Fault::RowAmount:
      return "提前还款金额应大于 0，至多 " + LargestAmountText() + " 万元";
    case Fault::RowRate:
      return "年利率应为 0 至 " + HighestRateText() + "，至多四位小数";
  }
  return {};
}

Outcome<LoanTerms, ContractProblem> ReadContractTexts(const ContractTexts& texts,
                                                      year_month_day today) {
  const auto fail = [today](Fault fault, SheetPart part = SheetPart::Main) {
    return ContractProblem{fault, part, today};
  };
  const auto granted = ReadDay(texts.granted);
  const LoanKind kind = texts.combined ? LoanKind::Commercial : texts.kind;
  if (!granted) {
    return fail(Fault::GrantDayForm);
  }
  if (*granted < kFirstGrantDay || *granted > today) {
    return fail(Fault::GrantDayRange);
  }
  if (kind == LoanKind::Commercial && *granted >= kFirstLprGrantDay) {
    return fail(Fault::PricedOnLpr);
  }
  const auto paymentDay = ReadWhole(texts.paymentDay, 1, kLatestPaymentDay);
  if (!paymentDay) {
    return fail(Fault::PaymentDay);
  }
  Contract main;
  main.kind = kind;
  main.granted = *granted;
  main.paymentDay = *paymentDay;
  main.repricing = texts.repricing;
  LoanTerms terms;
  terms.method = texts.method;
  LoanPartTerms first{main, 0};
  if (const auto fault =
          ReadPart({texts.amount, texts.months, texts.discount}, first.contract, first.amount)) {
    return fail(*fault);
  }
  const auto firstRate = ReadRate(texts.firstRate);
  if (!firstRate) {
    return fail(Fault::FirstRate);
  }
  first.contract.firstRate = *firstRate;
  terms.parts.push_back(first);
  if (texts.combined) {
    LoanPartTerms fund{main, 0};
    fund.contract.kind = LoanKind::Fund;
    if (const auto fault = ReadPart({texts.fundAmount, texts.fundMonths, texts.fundDiscount},
                                    fund.contract, fund.amount)) {
      return fail(*fault, SheetPart::Fund);
    }
    const auto fundRate = ReadRate(texts.fundFirstRate);
    if (!fundRate) {
      return fail(Fault::FirstRate, SheetPart::Fund);
    }
    fund.contract.firstRate = *fundRate;
    terms.parts.push_back(fund);
  }
  return terms;
}

std::optional<std::string> TableFirstRate(const ContractTexts& texts, SheetPart part) {
  const bool fund = part == SheetPart::Fund;
  const auto granted = ReadDay(texts.granted);
  const auto months = ReadWhole(fund ? texts.fundMonths : texts.months, 1, kLongestTerm);
  const auto discount = ReadDecimal(fund ? texts.fundDiscount : texts.discount, 1);
  if (!granted || !months || !discount || *discount > kMostDiscountTenths) {
    return std::nullopt;
  }
  const LoanKind kind = fund ? LoanKind::Fund : texts.combined ? LoanKind::Commercial : texts.kind;
  const auto rate = FirstRate(kind, *granted, *months, static_cast<int>(*discount));
  return rate ? std::optional(PercentText(*rate)) : std::nullopt;
}

Outcome<BorrowerEvent, ContractProblem> ReadBorrowerEvent(BorrowerEvent::Kind kind,
                                                          std::string_view day,
                                                          std::string_view figure) {
  const bool prepayment = kind == BorrowerEvent::Kind::Prepayment;
  const auto read = ReadDay(day);
  if (!read) {
    return ContractProblem{Fault::RowDay};
  }
  const auto value = ReadDecimal(figure, prepayment ? kTenThousandPlaces : kRatePlaces);
  if (prepayment && (!value || *value <= 0 || *value > kLargestBalance)) {
    return ContractProblem{Fault::RowAmount};
  }
  if (!prepayment && (!value || *value > kHighestRate.tenThousandths)) {
    return ContractProblem{Fault::RowRate};
  }
  BorrowerEvent event;
  event.kind = kind;
  event.day = *read;
  event.amount = prepayment ? *value : 0;
  event.rate = Percent{prepayment ? 0 : *value};
  return event;
}

}  // namespace quorvane
