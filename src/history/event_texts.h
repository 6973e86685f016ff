// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "history/rate_events.h"
#include "text/day_text.h"
#include "text/figure_text.h"

// What the events table says of each event: why the rate is what it is, in
// words and figures.
namespace quorvane {

// 说明: "基准利率 2010-12-26 调为 6.40%，次年1月1日起执行：6.40% × 8.5 折 = 5.44%".
std::string EventText(const RateEvent& event, const Contract& contract);

// A change of Quorvane's that the bank made on another day: "银行晚 1 个月执行
// 2009-01-01 的调整", or "银行于 2009-01-20 执行 2009-01-01 的调整".
std::string MovedText(year_month_day from, year_month_day to);

}  // namespace quorvane
