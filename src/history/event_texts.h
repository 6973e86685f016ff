// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "history/rate_events.h"

// What the events table says of each event: why the rate is what it is, in
// words and figures.
namespace quorvane {

// A rate to at least two places and as many more as it has: "6.40", "4.165",
// "6.6555"; a minus sign (U+2212) before a negative one.
std::string PercentText(Percent rate);

// A spread in basis points, with its sign: "−63.5", "+10", "0".
std::string BasisPointsText(Percent spread);

// A day as 2007-07-15.
std::string DayText(year_month_day day);

// 说明: "基准利率 2010-12-26 调为 6.40%，次年1月1日起执行：6.40% × 8.5 折 = 5.44%".
std::string EventText(const RateEvent& event, const Contract& contract);

}  // namespace quorvane
