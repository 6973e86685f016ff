// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/history_sheet.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "history/event_texts.h"

namespace quorvane {

namespace {

using namespace std::string_literals;
using std::chrono::year;

constexpr int kLatestPaymentDay = 28;
constexpr std::int64_t kMostDiscountTenths = 1'000;  // 100 折

constexpr year_month_day kCut2023 = year{2023} / 9 / 25;
constexpr year_month_day kCut2024 = year{2024} / 10 / 25;

const char* const kNoEffect = "（贷款已还清，不起作用）";

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
  std::string prefix;  // "公积金部分的" for a combination's second part
};

std::string ReadPart(const PartTexts& texts, Contract& contract, Fen& amount) {
  const auto fen = ReadDecimal(texts.amount, 6);  // 万元 to the fen: six places
  if (!fen || *fen <= 0 || *fen > kLargestBalance) {
    return texts.prefix + "贷款金额应大于 0，至多 10000 万元";
  }
  const auto months = ReadWhole(texts.months, 1, kLongestTerm);
  if (!months) {
    return texts.prefix + "还款期限应为 1 至 12000 个月";
  }
  const auto discount = ReadDecimal(texts.discount, 1);
  if (!discount || *discount > kMostDiscountTenths) {
    return texts.prefix + "利率折扣应为 0 至 100 折，至多一位小数，如 8.5";
  }
  amount = *fen;
  contract.months = *months;
  contract.discountTenths = static_cast<int>(*discount);
  return {};
}

std::string_view EventName(RateEventKind kind) {
  switch (kind) {
    case RateEventKind::Benchmark:
      return "基准利率调整";
    case RateEventKind::LprConversion:
      return "转为 LPR";
    case RateEventKind::LprRepricing:
      return "LPR 重定价";
    case RateEventKind::SpreadCap:
      return "加点下调";
  }
  return {};
}

std::string PartPrefix(bool combined, SheetPart part) {
  if (!combined) {
    return {};
  }
  return std::string(ViewName(part == SheetPart::Main ? SheetView::Main : SheetView::Fund)) + "：";
}

EventRow QuorvaneRow(const RateEvent& event, const Contract& contract, SheetPart part,
                     const SheetChoices& choices) {
  const EventKey key{part, event.kind, event.effective};
  return {part,
          std::nullopt,
          key,
          event.effective,
          std::string(EventName(event.kind)),
          event.rate,
          event.kind == RateEventKind::SpreadCap ? std::optional(event.base) : std::nullopt,
          EventText(event, contract),
          !choices.switchedOff.contains(key),
          false,
          event.lprAssumed};
}

// A cut the borrower switched off still has its row, to switch it on again.
std::optional<RateEvent> CutSwitchedOff(Contract contract, year_month_day day, Percent cap) {
  (day == kCut2023 ? contract.spreadCap2023 : contract.spreadCap2024) = cap;
  for (const RateEvent& event : RateEvents(contract)) {
    if (event.kind == RateEventKind::SpreadCap && event.effective == day) {
      return event;
    }
  }
  return std::nullopt;
}

EventRow BorrowerRow(const BorrowerEvent& event, std::size_t index) {
  EventRow row{event.part, index, std::nullopt, event.day, {}, std::nullopt, std::nullopt, {}};
  if (event.kind == BorrowerEvent::Kind::Rate) {
    row.what = "利率（自填）";
    row.rate = event.rate;
    row.why = "银行通知的年利率 "s + PercentText(event.rate) + "%";
  } else {
    row.what = "提前还款（自填）";
    row.why = "提前还款 "s + YuanText(event.amount) + " 元，" +
              (event.shortenTerm ? "缩短期限" : "减少月供");
  }
  return row;
}

// Quorvane's rows and the borrower's of one part, in the order they are
// taken: by day, Quorvane's first on a day, the borrower's in their order.
std::vector<EventRow> RowsOf(Contract& contract, SheetPart part, const SheetChoices& choices) {
  const bool cut2023Off = choices.switchedOff.contains({part, RateEventKind::SpreadCap, kCut2023});
  const bool cut2024Off = choices.switchedOff.contains({part, RateEventKind::SpreadCap, kCut2024});
  contract.spreadCap2023 = cut2023Off ? std::nullopt : std::optional(choices.cap2023);
  contract.spreadCap2024 = cut2024Off ? std::nullopt : std::optional(choices.cap2024);
  std::vector<EventRow> rows;
  for (const RateEvent& event : RateEvents(contract)) {
    rows.push_back(QuorvaneRow(event, contract, part, choices));
  }
  const std::pair<bool, year_month_day> cuts[] = {{cut2023Off, kCut2023}, {cut2024Off, kCut2024}};
  for (const auto& [off, day] : cuts) {
    const Percent cap = day == kCut2023 ? choices.cap2023 : choices.cap2024;
    if (off && contract.kind == LoanKind::Commercial) {
      if (const auto event = CutSwitchedOff(contract, day, cap)) {
        rows.push_back(QuorvaneRow(*event, contract, part, choices));
      }
    }
  }
  for (std::size_t i = 0; i < choices.borrowerEvents.size(); ++i) {
    if (choices.borrowerEvents[i].part == part) {
      rows.push_back(BorrowerRow(choices.borrowerEvents[i], i));
    }
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const EventRow& a, const EventRow& b) { return a.effective < b.effective; });
  return rows;
}

bool IsPrepayment(const EventRow& row, const SheetChoices& choices) {
  return row.borrowerRow &&
         choices.borrowerEvents[*row.borrowerRow].kind == BorrowerEvent::Kind::Prepayment;
}

// The rate the loan ran at on the day it became an LPR loan, as the rows
// switched on make it: the borrower's rates and the repricings kept.
Percent RateOnConversion(const std::vector<EventRow>& rows, const Contract& contract) {
  Percent rate = contract.firstRate;
  for (const EventRow& row : rows) {
    const bool lpr = row.key && row.key->kind != RateEventKind::Benchmark;
    if (row.on && row.rate && !lpr && row.effective <= kLprConversionDay) {
      rate = *row.rate;
    }
  }
  return rate;
}

// A part's rows; where the borrower's rows or the rows switched off leave
// the loan at another rate on the conversion day, its spread is measured
// from that rate.
std::vector<EventRow> PartRows(Contract& contract, SheetPart part, const SheetChoices& choices) {
  std::vector<EventRow> rows = RowsOf(contract, part, choices);
  const auto conversion = std::find_if(rows.begin(), rows.end(), [](const EventRow& row) {
    return row.key && row.key->kind == RateEventKind::LprConversion;
  });
  if (conversion == rows.end()) {
    return rows;
  }
  const Percent executing = RateOnConversion(rows, contract);
  if (executing == conversion->rate) {
    return rows;
  }
  contract.rateOnConversion = executing;
  return RowsOf(contract, part, choices);
}

// Marks the rows that came too late to change the loan: rates after its last
// payment, prepayments once it was repaid.
void MarkNoEffect(std::vector<EventRow>& rows, const std::vector<HistoryRow>& months,
                  const SheetChoices& choices) {
  const year_month_day lastDue = months.empty() ? year_month_day{} : months.back().due;
  auto applied = std::count_if(months.begin(), months.end(),
                               [](const HistoryRow& row) { return row.number == 0; });
  for (EventRow& row : rows) {
    if (!row.on) {
      continue;
    }
    if (IsPrepayment(row, choices)) {
      row.noEffect = applied-- <= 0;
    } else {
      row.noEffect = row.effective >= lastDue;
    }
    if (row.noEffect) {
      row.why += kNoEffect;
    }
  }
}

const char* const kPaymentShort =
    "月还款不足以支付当月利息：年利率过高，请检查首期年利率和所填利率";

// The first repricing of an LPR loan on a fixing the program does not know:
// one in the second month after the last known fixing or later.
year_month_day FirstUnknownRepricing(const Contract& contract) {
  const std::chrono::year_month first =
      kLastKnownLprFixing.year() / kLastKnownLprFixing.month() + std::chrono::months{2};
  const year_month_day firstDay{first / 1};
  if (contract.repricing != Repricing::Anniversary) {
    return year{int(first.year()) + 1} / 1 / 1;
  }
  const year_month_day anniversary{first.year() / contract.granted.month() / 1};
  return year_month_day{
      (anniversary >= firstDay ? first.year() : first.year() + std::chrono::years{1}) /
      contract.granted.month() / contract.granted.day()};
}

// Whether the loan runs on the LPR past the fixings the program knows.
bool RunsPastKnownLpr(const std::vector<EventRow>& rows, const std::vector<HistoryRow>& months,
                      const Contract& contract) {
  const bool lpr = std::any_of(rows.begin(), rows.end(), [](const EventRow& row) {
    return row.key && row.key->kind == RateEventKind::LprConversion;
  });
  return lpr && !months.empty() && months.back().due > FirstUnknownRepricing(contract);
}

bool RateTooHigh(const std::vector<EventRow>& rows, const Contract& contract) {
  return contract.firstRate > kHighestRate ||
         std::any_of(rows.begin(), rows.end(),
                     [](const EventRow& row) { return row.rate && *row.rate > kHighestRate; });
}

}  // namespace

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

std::string_view ViewName(SheetView view) {
  switch (view) {
    case SheetView::Main:
      return "商业部分";
    case SheetView::Fund:
      return "公积金部分";
    case SheetView::Both:
      return "合计";
  }
  return {};
}

std::optional<year_month_day> ReadDay(std::string_view text) {
  int parts[3] = {};
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  for (int i = 0; i < 3; ++i) {
    const auto [next, error] = std::from_chars(at, end, parts[i]);
    const bool last = i == 2;
    if (error != std::errc{} || next == at || parts[i] < 0 ||
        (last ? next != end : next == end || *next != '-')) {
      return std::nullopt;
    }
    at = next + (last ? 0 : 1);
  }
  const year_month_day day{year{parts[0]} / std::chrono::month(static_cast<unsigned>(parts[1])) /
                           std::chrono::day(static_cast<unsigned>(parts[2]))};
  if (parts[0] > 9999 || parts[1] > 12 || parts[2] > 31 || !day.ok()) {
    return std::nullopt;
  }
  return day;
}

std::optional<std::int64_t> ReadDecimal(std::string_view text, int places) {
  constexpr std::int64_t kMost = 1'000'000'000'000'000;  // far beyond any field, scaled or not
  std::int64_t value = 0;
  int decimals = -1;
  const auto shift = [&value](int digit) {
    value = value * 10 + digit;
    return value < kMost;
  };
  for (const char c : text) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
    } else if (c >= '0' && c <= '9' && decimals < places && shift(c - '0')) {
      decimals += decimals >= 0 ? 1 : 0;
    } else {
      return std::nullopt;
    }
  }
  if (text.empty() || text == ".") {
    return std::nullopt;
  }
  for (int p = std::max(decimals, 0); p < places; ++p) {
    if (!shift(0)) {
      return std::nullopt;
    }
  }
  return value;
}

ReadContract ReadContractTexts(const ContractTexts& texts, year_month_day today) {
  ReadContract read;
  read.method = texts.method;
  const auto granted = ReadDay(texts.granted);
  const LoanKind kind = texts.combined ? LoanKind::Commercial : texts.kind;
  if (!granted) {
    read.problem = "放款日期应写成 2007-06-15 这样的日期";
  } else if (*granted < kFirstGrantDay || *granted > today) {
    read.problem = "放款日期应在 2004-10-29 至 "s + DayText(today) + " 之间";
  } else if (kind == LoanKind::Commercial && *granted > kLastBenchmarkGrantDay) {
    read.problem = "2019-10-08 起发放的商业贷款自始按 LPR 定价，本窗口暂不计算";
  }
  const auto paymentDay = ReadWhole(texts.paymentDay, 1, kLatestPaymentDay);
  if (read.problem.empty() && !paymentDay) {
    read.problem = "每月还款日应为 1 至 28 日";
  }
  if (!read.problem.empty()) {
    return read;
  }
  Contract main;
  main.kind = kind;
  main.granted = *granted;
  main.paymentDay = *paymentDay;
  main.repricing = texts.repricing;
  LoanPartTerms first{main, 0};
  read.problem =
      ReadPart({texts.amount, texts.months, texts.discount, {}}, first.contract, first.amount);
  const auto firstRate = ReadDecimal(texts.firstRate, 4);
  if (read.problem.empty() && (!firstRate || *firstRate > kHighestRate.tenThousandths)) {
    read.problem = "首期年利率应为 0 至 100，至多四位小数，如 6.12";
  }
  if (!read.problem.empty()) {
    return read;
  }
  first.contract.firstRate = Percent{*firstRate};
  read.parts.push_back(first);
  if (texts.combined) {
    LoanPartTerms fund{main, 0};
    fund.contract.kind = LoanKind::Fund;
    read.problem =
        ReadPart({texts.fundAmount, texts.fundMonths, texts.fundDiscount, "公积金部分的"},
                 fund.contract, fund.amount);
    if (read.problem.empty()) {
      fund.contract.firstRate =
          FirstRate(LoanKind::Fund, *granted, fund.contract.months, fund.contract.discountTenths)
              .value_or(Percent{});
      read.parts.push_back(fund);
    } else {
      read.parts.clear();
    }
  }
  return read;
}

std::optional<std::string> TableFirstRate(const ContractTexts& texts) {
  const auto granted = ReadDay(texts.granted);
  const auto months = ReadWhole(texts.months, 1, kLongestTerm);
  const auto discount = ReadDecimal(texts.discount, 1);
  if (!granted || !months || !discount || *discount > kMostDiscountTenths) {
    return std::nullopt;
  }
  const LoanKind kind = texts.combined ? LoanKind::Commercial : texts.kind;
  const auto rate = FirstRate(kind, *granted, *months, static_cast<int>(*discount));
  return rate ? std::optional(PercentText(*rate)) : std::nullopt;
}

LoanSheet ComputeSheet(const ReadContract& contract, const SheetChoices& choices) {
  LoanSheet sheet;
  sheet.problem = contract.problem;
  const bool combined = contract.parts.size() > 1;
  bool assumed = false;
  for (std::size_t p = 0; p < contract.parts.size(); ++p) {
    const auto part = static_cast<SheetPart>(p);
    Contract terms = contract.parts[p].contract;
    terms.byDays = choices.byDays;
    std::vector<EventRow> rows = PartRows(terms, part, choices);
    std::vector<RateStep> steps;
    std::vector<Prepayment> prepayments;
    for (EventRow& row : rows) {
      row.what = PartPrefix(combined, part) + row.what;
      if (!row.on) {
        continue;
      }
      if (IsPrepayment(row, choices)) {
        const BorrowerEvent& event = choices.borrowerEvents[*row.borrowerRow];
        prepayments.push_back({event.day, event.amount, event.shortenTerm});
      } else {
        steps.push_back({row.effective, *row.rate});
      }
    }
    auto months = RateTooHigh(rows, terms) ? std::nullopt
                                           : LoanHistory(terms, contract.parts[p].amount,
                                                         contract.method, steps, prepayments);
    if (!months) {
      sheet.problem = kPaymentShort;
      months.emplace();
    }
    MarkNoEffect(rows, *months, choices);
    assumed = assumed || RunsPastKnownLpr(rows, *months, terms) ||
              std::any_of(rows.begin(), rows.end(), [](const EventRow& row) {
                return row.on && !row.noEffect && row.lprAssumed;
              });
    sheet.events.insert(sheet.events.end(), rows.begin(), rows.end());
    sheet.months.push_back(std::move(*months));
  }
  if (assumed) {
    sheet.notes.push_back(DayText(kLastKnownLprFixing) + " 以后的 LPR 未知，按 " +
                          PercentText(*LprOn(kLastKnownLprFixing)) + "% 计");
  }
  return sheet;
}

std::string YuanText(Fen fen) {
  const Fen size = fen < 0 ? -fen : fen;
  std::string text = fen < 0 ? "-" : "";
  text += std::to_string(size / 100);
  text += '.';
  text += std::to_string(size % 100 + 100).substr(1);
  return text;
}

}  // namespace quorvane
