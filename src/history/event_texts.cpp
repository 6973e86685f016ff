// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/event_texts.h"

#include <cstdlib>

#include "text/decimal_text.h"

namespace quorvane {

namespace {

using namespace std::string_literals;

// The sign written before a figure: a minus for a negative one, else `otherwise`.
std::string SignOf(Percent figure, const char* otherwise) {
  return figure.tenThousandths < 0 ? kMinusSign : otherwise;
}

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

// "4.20% − 0.30%": the LPR and the spread as a sum a person reads.
std::string LprSum(Percent lpr, Percent spread) {
  const Percent size{std::llabs(spread.tenThousandths)};
  return PercentText(lpr) + "% " + SignOf(spread, "+") + " " + PercentText(size) + "%";
}

}  // namespace

std::string EventText(const RateEvent& event, const Contract& contract) {
  std::string rate = PercentText(event.rate) + "%";
  switch (event.kind) {
    case RateEventKind::Benchmark: {
      const std::string base = PercentText(event.base) + "%";
      const std::string multiple = DecimalText(contract.discountTenths, 1, 0);
      return "基准利率 "s + DayText(event.baseDay) + " 调为 " + base + "，" +
             ReachedBy(contract.repricing) + "：" + base + " × " + multiple + " 折 = " + rate;
    }
    case RateEventKind::LprConversion:
      return "转为 LPR + 加点："s + rate + " " + kMinusSign + " " + PercentText(event.base) +
             "% = " + BasisPointsText(event.spread) + " 基点";
    case RateEventKind::LprRepricing:
    case RateEventKind::SpreadCap: {
      std::string text = event.kind == RateEventKind::SpreadCap
                             ? "加点调为 "s + BasisPointsText(event.spread) + " 基点"
                             : "重定价";
      text += "，LPR "s + MonthText(event.baseDay) + " 为 " + PercentText(event.base) + "%：" +
              LprSum(event.base, event.spread) + " = " + rate;
      if (event.lprAssumed) {
        text += "（"s + DayText(kLastKnownLprFixing) + " 以后的 LPR 未知，按 " +
                PercentText(event.base) + "% 计）";
      }
      return text;
    }
  }
  return rate;
}

}  // namespace quorvane
