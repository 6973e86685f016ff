// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/event_texts.h"

#include <cstdio>
#include <cstdlib>

namespace quorvane {

namespace {

using namespace std::string_literals;

constexpr const char* kMinus = "\u2212";

// The sign written before a figure: a minus for a negative one, else `otherwise`.
std::string SignOf(Percent figure, const char* otherwise) {
  return figure.tenThousandths < 0 ? kMinus : otherwise;
}

// The fewest places, down to `atLeast`, that write ten-thousandths exactly.
int PlacesOf(std::int64_t tenThousandths, int atLeast) {
  int places = 4;
  for (std::int64_t rest = tenThousandths % 10'000; places > atLeast && rest % 10 == 0;
       rest /= 10) {
    --places;
  }
  return places;
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

std::string MonthText(year_month_day day) { return DayText(day).substr(0, 7); }

}  // namespace

std::string PercentText(Percent rate) {
  const std::int64_t size = std::llabs(rate.tenThousandths);
  const int places = PlacesOf(size, 2);
  const std::string decimals =
      std::to_string(size % 10'000 + 10'000).substr(1, static_cast<std::size_t>(places));
  return SignOf(rate, "") + std::to_string(size / 10'000) + "." + decimals;
}

std::string BasisPointsText(Percent spread) {
  // A basis point is a hundredth of a percent: a hundred ten-thousandths.
  const std::int64_t size = std::llabs(spread.tenThousandths);
  std::string text = std::to_string(size / 100);
  if (size % 100 != 0) {
    text += "."s + std::to_string(size % 100 + 100).substr(1, size % 10 == 0 ? 1 : 2);
  }
  if (spread.tenThousandths == 0) {
    return text;
  }
  return SignOf(spread, "+") + text;
}

std::string DayText(year_month_day day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
  return text;
}

std::string EventText(const RateEvent& event, const Contract& contract) {
  std::string rate = PercentText(event.rate) + "%";
  switch (event.kind) {
    case RateEventKind::Benchmark: {
      const std::string base = PercentText(event.base) + "%";
      std::string multiple = std::to_string(contract.discountTenths / 10);
      if (contract.discountTenths % 10 != 0) {
        multiple += "."s + std::to_string(contract.discountTenths % 10);
      }
      return "基准利率 "s + DayText(event.baseDay) + " 调为 " + base + "，" +
             ReachedBy(contract.repricing) + "：" + base + " × " + multiple + " 折 = " + rate;
    }
    case RateEventKind::LprConversion:
      return "转为 LPR + 加点："s + rate + " " + kMinus + " " + PercentText(event.base) +
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
