// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet_choices.h"
#include "text/outcome.h"

// The contract as the borrower types it into the history's window: its
// fields' captions, its limits and what is wrong with it in the window's
// words, and the contract of each part read from it.
namespace quorvane {

// The contract's fields as typed: amounts in 万元, rates in %, 折, months.
// These are what a new window shows.
struct ContractTexts {
  LoanKind kind = LoanKind::Commercial;
  std::string granted = "2007-06-15";
  std::string paymentDay = "15";
  std::string amount = "30";
  std::string months = "240";
  Repayment method = Repayment::EqualPayment;
  std::string discount = "8.5";
  std::string firstRate = "6.12";
  Repricing repricing = Repricing::NextJanuary;
  bool combined = false;  // 组合贷款: a provident-fund part beside the commercial one
  std::string fundAmount = "10";
  std::string fundMonths = "240";
  std::string fundDiscount = "10";
  std::string fundFirstRate = "4.86";  // the fund's own first rate: its table's, or the bank's
  // A commercial loan priced on the LPR from the start: 定价基准 and 加点（基点）.
  LprTenor tenor = LprTenor::FiveYear;
  std::string spread = "0";
  // One granted before and converted in 2020: 转换日期 and 转换方式.
  std::string conversionDay = "2020-03-01";
  Conversion conversion = Conversion::LprSpread;
  bool firstHome = true;                             // 首套房
  LprReading reading = LprReading::LatestPublished;  // 重定价用的 LPR
  bool operator==(const ContractTexts&) const = default;
};

// The contract's fields, in the order the window and the copied table list them.
enum class ContractField {
  Kind,
  Granted,
  PaymentDay,
  Amount,
  Months,
  Method,
  Discount,
  FirstRate,
  Repricing,
  Combined,
  FundAmount,
  FundMonths,
  FundDiscount,
  FundFirstRate,
  View,
  Tenor,
  Spread,
  RepricingDay,  // the repricing of a loan priced on the LPR from the start
  ConversionDay,
  Conversion,
  FirstHome,
  Reading,
};

// A field's caption: its label in the window and its row in the copied
// table, "贷款金额（万元）".
std::string_view FieldName(ContractField field);

// The words of the contract's choices, as the window offers them.
std::string_view KindName(LoanKind kind);
std::string_view RepaymentName(Repayment method);
std::string_view RepricingName(Repricing repricing);
std::string_view LprRepricingName(Repricing repricing);  // 每年1月1日 or 贷款发放日对应日
std::string_view TenorName(LprTenor tenor);
std::string_view ConversionName(Conversion conversion);
std::string_view ReadingName(LprReading reading);

// What a commercial loan's contract asks for, by its grant day and its
// term: the LPR's fields from the start, the conversion's, or neither.
enum class LprFields { None, FromStart, Conversion };
LprFields LprFieldsOf(const ContractTexts& texts);

// The limits of what the contract's fields take.
inline constexpr year_month_day kFirstGrantDay = std::chrono::year{2004} / 10 / 29;
inline constexpr int kLatestPaymentDay = 28;
inline constexpr int kMostDiscountTenths = 1'000;  // 100 折
inline constexpr Percent kWidestSpread{50'000};    // ±500 基点

// What is wrong with the contract or a row the borrower adds.
struct ContractProblem {
  enum class Fault {
    GrantDayForm,
    GrantDayRange,
    PaymentDay,
    Amount,
    Months,
    Discount,
    FirstRate,
    Spread,
    ConversionDay,
    PaymentShort,  // a payment no longer covers a month's interest
    RowDay,
    RowAmount,
    RowRate,
    RowSpread,
    RowCycle,
  };
  explicit ContractProblem(Fault what, SheetPart where = SheetPart::Main,
                           year_month_day latest = {})
      : fault(what), part(where), today(latest) {}
  Fault fault;
  SheetPart part;
  year_month_day today;  // the last grant day there can be
  bool operator==(const ContractProblem&) const = default;
};

// The problem in the window's words, its limits taken from where they are kept.
std::string ProblemWords(const ContractProblem& problem);

// The contract of each part and what it owes.
struct LoanPartTerms {
  Contract contract;
  Fen amount = 0;
};

struct LoanTerms {
  std::vector<LoanPartTerms> parts;
  Repayment method = Repayment::EqualPayment;
};

// The contract's texts read.
Outcome<LoanTerms, ContractProblem> ReadContractTexts(const ContractTexts& texts,
                                                      year_month_day today);

// The first rate of a part of a contract's texts, from its table, as the
// field shows it: "6.12"; nothing where the table has none.
std::optional<std::string> TableFirstRate(const ContractTexts& texts,
                                          SheetPart part = SheetPart::Main);

// A row the borrower adds, from its fields as typed: the day, and the amount
// in 万元 (提前还款), the rate in % (利率), the spread in 基点 (加点调整, 转为
// LPR 加点) or the cycle in months (重定价周期).
Outcome<BorrowerEvent, ContractProblem> ReadBorrowerEvent(BorrowerEvent::Kind kind,
                                                          std::string_view day,
                                                          std::string_view figure);

}  // namespace quorvane
