// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace quorvane::testing {

// The worked loan (300 000 yuan at 8.5 折 from 2007-06-15 over 240 months)
// as its bank's plan prints its first twelve months, computed apart: 6.12 %
// until the repricing of 2008-01-01 to 6.6555 %, the payment then set again
// over 234 months. The headings, then a month a line.
inline constexpr std::string_view kPlanHeadings = "期数\t还款日期\t月供\t本金\t利息\t剩余本金\n";
inline constexpr std::string_view kTwelveMonths =
    "1\t2007-07-15\t2170.11\t640.11\t1530.00\t299359.89\n"
    "2\t2007-08-15\t2170.11\t643.37\t1526.74\t298716.52\n"
    "3\t2007-09-15\t2170.11\t646.66\t1523.45\t298069.86\n"
    "4\t2007-10-15\t2170.11\t649.95\t1520.16\t297419.91\n"
    "5\t2007-11-15\t2170.11\t653.27\t1516.84\t296766.64\n"
    "6\t2007-12-15\t2170.11\t656.60\t1513.51\t296110.04\n"
    "7\t2008-01-15\t2262.46\t620.16\t1642.30\t295489.88\n"
    "8\t2008-02-15\t2262.46\t623.60\t1638.86\t294866.28\n"
    "9\t2008-03-15\t2262.46\t627.06\t1635.40\t294239.22\n"
    "10\t2008-04-15\t2262.46\t630.54\t1631.92\t293608.68\n"
    "11\t2008-05-15\t2262.46\t634.03\t1628.43\t292974.65\n"
    "12\t2008-06-15\t2262.46\t637.55\t1624.91\t292337.10\n";

}  // namespace quorvane::testing
