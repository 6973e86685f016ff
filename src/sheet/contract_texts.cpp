// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/contract_texts.h"

#include <algorithm>
#include <cstdlib>

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

// A spread in 基点 as typed: signed, one place at most, within ±500.
std::optional<Percent> ReadSpread(std::string_view text) {
  const auto tenths = ReadSignedDecimal(text, 1);
  if (!tenths || std::abs(*tenths * 10) > kWidestSpread.tenThousandths) {
    return std::nullopt;
  }
  return Percent{*tenths * 10};
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
    case ContractField::Tenor:
      return "定价基准";
    case ContractField::Spread:
      return "加点（基点）";
    case ContractField::RepricingDay:
      return "重定价日";
    case ContractField::ConversionDay:
      return "转换日期";
    case ContractField::Conversion:
      return "转换方式";
    case ContractField::FirstHome:
      return "首套房";
    case ContractField::Reading:
      return "重定价用的 LPR";
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

std::string_view LprRepricingName(Repricing repricing) {
  return repricing == Repricing::Anniversary ? "贷款发放日对应日" : "每年1月1日";
}

std::string_view TenorName(LprTenor tenor) {
  return tenor == LprTenor::FiveYear ? "5年期以上 LPR" : "1年期 LPR";
}

std::string_view ConversionName(Conversion conversion) {
  return conversion == Conversion::LprSpread ? "LPR 加点" : "固定利率";
}

std::string_view ReadingName(LprReading reading) {
  return reading == LprReading::LatestPublished ? "最近一次公布" : "上月公布";
}

LprFields LprFieldsOf(const ContractTexts& texts) {
  const auto granted = ReadDay(texts.granted);
  const LoanKind kind = texts.combined ? LoanKind::Commercial : texts.kind;
  if (!granted || kind != LoanKind::Commercial) {
    return LprFields::None;
  }
  if (*granted >= kFirstLprGrantDay) {
    return LprFields::FromStart;
  }
  // Still owing on the first day of the conversion: its last payment after it.
  Contract contract;
  contract.granted = *granted;
  contract.paymentDay = ReadWhole(texts.paymentDay, 1, kLatestPaymentDay).value_or(1);
  contract.months = ReadWhole(texts.months, 1, kLongestTerm).value_or(kLongestTerm);
  return PaymentDay(contract, contract.months) > kLprConversionDay ? LprFields::Conversion
                                                                   : LprFields::None;
}

std::string ProblemWords(const ContractProblem& problem) {
  const std::string part = problem.part == SheetPart::Fund ? "公积金部分的" : "";
  switch (problem.fault) {
    case Fault::GrantDayForm:
      return "放款日期应写成 2007-06-15 这样的日期";
    case Fault::GrantDayRange:
      return "放款日期应在 "s + DayText(kFirstGrantDay) + " 至 " + DayText(problem.today) + " 之间";
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
    case Fault::Spread:
      return "加点应为 "s + BasisPointsText(Percent{-kWidestSpread.tenThousandths}) + " 至 " +
             BasisPointsText(kWidestSpread) + " 基点，至多一位小数，如 55 或 " +
             BasisPointsText(Percent{-2'000});
    case Fault::ConversionDay:
      return "转换日期应在 "s + DayText(kLprConversionDay) + " 至 " + DayText(kLastConversionDay) +
             " 之间";
    case Fault::PaymentShort:
      return "月还款不足以支付当月利息：年利率过高，请检查首期年利率和所填利率";
    case Fault::RowDay:
      return "新增记录的日期应写成 2012-07-15 这样的日期";
    case Fault::RowAmount:
      return "提前还款金额应大于 0，至多 " + LargestAmountText() + " 万元";
    case Fault::RowRate:
      return "年利率应为 0 至 " + HighestRateText() + "，至多四位小数";
    case Fault::RowSpread:
      return "新增记录的" + ProblemWords(ContractProblem{Fault::Spread});
    case Fault::RowCycle:
      return "重定价周期应为 3、6 或 12 个月";
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
  const auto paymentDay = ReadWhole(texts.paymentDay, 1, kLatestPaymentDay);
  if (!paymentDay) {
    return fail(Fault::PaymentDay);
  }
  Contract main;
  main.kind = kind;
  main.granted = *granted;
  main.paymentDay = *paymentDay;
  main.repricing = texts.repricing;
  main.firstHome = texts.firstHome;
  main.reading = texts.reading;
  main.tenor = texts.tenor;
  main.conversion = texts.conversion;
  switch (LprFieldsOf(texts)) {
    case LprFields::FromStart: {
      const auto spread = ReadSpread(texts.spread);
      if (!spread) {
        return fail(Fault::Spread);
      }
      main.spread = *spread;
      if (main.repricing == Repricing::ChangeDay) {
        main.repricing = Repricing::NextJanuary;
      }
      break;
    }
    case LprFields::Conversion: {
      const auto day = ReadDay(texts.conversionDay);
      if (!day || *day < kLprConversionDay || *day > kLastConversionDay) {
        return fail(Fault::ConversionDay);
      }
      main.conversionDay = *day;
      break;
    }
    case LprFields::None:
      break;
  }
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
  if (!fund && LprFieldsOf(texts) == LprFields::FromStart) {
    const auto spread = ReadSpread(texts.spread);
    const auto rate = spread ? LprFirstRate(*granted, texts.tenor, *spread) : std::nullopt;
    return rate ? std::optional(PercentText(*rate)) : std::nullopt;
  }
  const auto rate = FirstRate(kind, *granted, *months, static_cast<int>(*discount));
  return rate ? std::optional(PercentText(*rate)) : std::nullopt;
}

Outcome<BorrowerEvent, ContractProblem> ReadBorrowerEvent(BorrowerEvent::Kind kind,
                                                          std::string_view day,
                                                          std::string_view figure) {
  using Kind = BorrowerEvent::Kind;
  const auto read = ReadDay(day);
  if (!read) {
    return ContractProblem{Fault::RowDay};
  }
  BorrowerEvent event;
  event.kind = kind;
  event.day = *read;
  switch (kind) {
    case Kind::Prepayment: {
      const auto value = ReadDecimal(figure, kTenThousandPlaces);
      if (!value || *value <= 0 || *value > kLargestBalance) {
        return ContractProblem{Fault::RowAmount};
      }
      event.amount = *value;
      break;
    }
    case Kind::Rate: {
      const auto rate = ReadRate(figure);
      if (!rate) {
        return ContractProblem{Fault::RowRate};
      }
      event.rate = *rate;
      break;
    }
    case Kind::Spread:
    case Kind::ToLpr: {
      const auto spread = ReadSpread(figure);
      if (!spread) {
        return ContractProblem{Fault::RowSpread};
      }
      event.spread = *spread;
      break;
    }
    case Kind::Cycle: {
      const auto months = ReadWhole(figure, 1, 12);
      if (!months || std::find(kRepricingCycles.begin(), kRepricingCycles.end(), *months) ==
                         kRepricingCycles.end()) {
        return ContractProblem{Fault::RowCycle};
      }
      event.cycleMonths = *months;
      break;
    }
  }
  return event;
}

}  // namespace quorvane
