// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/event_texts.h"

#include <cstdlib>

#include "text/decimal_text.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

const char* ReachedBy(Repricing repricing) {
  switch (repricing) {
    case Repricing::NextJanuary:
      return "次年1月1日起执行";
    case Repricing::Anniversary:
      return "对月对日起执行";
    case Repricing::ChangeDay:
      return "次月起执行";
  }
  return "";
}

// "4.20% 加点 −30 基点": the LPR and the spread as a person reads them.
std::string LprSum(Percent lpr, Percent spread) {
  return PercentText(lpr) + "% 加点 " + BasisPointsText(spread) + " 基点";
}

// What moved the benchmark: "基准利率 2010-12-26 调为 ", or where several
// changes came between two repricings, "基准利率 2008 年 5 次调整后为 ".
std::string BenchmarkMoves(const RateEvent& event) {
  if (event.adjustments <= 1) {
    return "基准利率 "s + DayText(event.baseDay) + " 调为 ";
  }
  std::string count = " ";  // appended to: MinGW's GCC 12 warns of prepending to a temporary
  count += std::to_string(event.adjustments) + " 次调整后为 ";
  if (event.firstAdjustment.year() == event.baseDay.year()) {
    return "基准利率 "s + std::to_string(static_cast<int>(event.baseDay.year())) + " 年" + count;
  }
  return "基准利率 "s + DayText(event.firstAdjustment) + " 至 " + DayText(event.baseDay) + " 间" +
         count;
}

// The LPR a loan follows: "LPR" for the 5-year, which most follow.
std::string LprName(const Contract& contract) {
  return TenorOf(contract) == LprTenor::OneYear ? "1年期 LPR" : "LPR";
}

}  // namespace

std::string EventText(const RateEvent& event, const Contract& contract) {
  std::string rate = PercentText(event.rate) + "%";
  switch (event.kind) {
    case RateEventKind::Benchmark: {
      const std::string base = PercentText(event.base) + "%";
      const std::string multiple = DecimalText(contract.discountTenths, 1, 0);
      return BenchmarkMoves(event) + base + "，" + ReachedBy(contract.repricing) + "：" + base +
             " × " + multiple + " 折 = " + rate;
    }
    case RateEventKind::LprConversion:
      return "转为 "s + LprName(contract) + " + 加点：" + rate + " " + kMinusSign + " " +
             PercentText(event.base) + "% = " + BasisPointsText(event.spread) + " 基点";
    case RateEventKind::FixedRate:
      return "转为固定利率："s + rate + "，此后不变";
    case RateEventKind::LprRepricing:
    case RateEventKind::SpreadCap:
    case RateEventKind::LprRowTaken: {
      std::string text = "重定价";
      if (event.kind == RateEventKind::SpreadCap ||
          (event.kind == RateEventKind::LprRowTaken &&
           contract.lprRows.at(event.lprRow).kind == LprRow::Kind::Spread)) {
        text = "加点调为 "s + BasisPointsText(event.spread) + " 基点";
      } else if (event.kind == RateEventKind::LprRowTaken) {
        text = "转为 "s + LprName(contract) + " 加点";
      }
      text += "，"s + LprName(contract) + " " + MonthText(event.baseDay) + " 为 " +
              PercentText(event.base) + "%" + (event.ownFixing ? "（自填）" : "") + "：" +
              LprSum(event.base, event.spread) + " = " + rate;
      if (event.lprAssumed) {
        text += "（"s + DayText(LastFixing(contract).fixed) + " 以后的 LPR 未知，按 " +
                PercentText(event.base) + "% 计）";
      }
      return text;
    }
  }
  return rate;
}

std::string MovedText(year_month_day from, year_month_day to) {
  const auto months =
      static_cast<int>((to.year() / to.month() - from.year() / from.month()).count());
  std::string text = "银行";
  if (months != 0 && MonthsLater(from, months) == to) {
    text += months > 0 ? "晚 " : "早 ";
    text += std::to_string(std::abs(months));
    text += " 个月";
  } else {
    text += "于 ";
    text += DayText(to);
    text += " ";
  }
  text += "执行 ";
  text += DayText(from);
  text += " 的调整";
  return text;
}

}  // namespace quorvane
