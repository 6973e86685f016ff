// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Exact decimals as text, read and written: amounts in fen, rates in
// ten-thousandths of a percent, spreads in hundredths of a basis point are
// all whole numbers of some places.
namespace quorvane {

// A decimal of digits and at most one point, to so many places exactly:
// "25.5" to 6 places is 25500000. Nothing for any other text or more places.
std::optional<std::int64_t> ReadDecimal(std::string_view text, int places);

// The same with a minus before it allowed: "-0.30" to 4 places is -3000.
std::optional<std::int64_t> ReadSignedDecimal(std::string_view text, int places);

// A value of so many places written exactly, with at least `least` decimals
// and no more than it needs: 61200 of 4 places at least 2 is "6.12", 66555
// is "6.6555"; `minus` before a negative one.
std::string DecimalText(std::int64_t value, int places, int least, std::string_view minus = "-");

}  // namespace quorvane
