// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "rates/dated_rates.h"

// Money and rates as the windows, the copied tables and the files write them.
namespace quorvane {

// Money in whole fen.
using Fen = std::int64_t;

// The minus sign of a rate or a spread in words: U+2212.
inline constexpr const char* kMinusSign = "\u2212";

// Whole fen as yuan with two decimals and no separators: "1620.95", "-0.40".
std::string YuanText(Fen fen);

// The same with a plus before a gain: "+0.37", "-0.01", "0.00".
std::string SignedYuanText(Fen fen);

// A rate to at least two places and as many more as it has: "6.40", "4.165",
// "6.6555"; a minus sign (U+2212) before a negative one.
std::string PercentText(Percent rate);

// A spread in basis points, with its sign: "−63.5", "+10", "0".
std::string BasisPointsText(Percent spread);

}  // namespace quorvane
