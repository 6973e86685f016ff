// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/decimal_text.h"

#include <algorithm>

namespace quorvane {

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

std::optional<std::int64_t> ReadSignedDecimal(std::string_view text, int places) {
  const bool negative = text.starts_with('-');
  const auto size = ReadDecimal(text.substr(negative ? 1 : 0), places);
  if (!size) {
    return std::nullopt;
  }
  return negative ? -*size : *size;
}

std::string DecimalText(std::int64_t value, int places, int least, std::string_view minus) {
  std::int64_t scale = 1;
  for (int p = 0; p < places; ++p) {
    scale *= 10;
  }
  const std::int64_t size = value < 0 ? -value : value;
  std::string decimals = std::to_string(size % scale + scale).substr(1);
  while (static_cast<int>(decimals.size()) > least && decimals.back() == '0') {
    decimals.pop_back();
  }
  std::string text = value < 0 ? std::string(minus) : std::string();
  text += std::to_string(size / scale);
  if (!decimals.empty()) {
    text += '.' + decimals;
  }
  return text;
}

}  // namespace quorvane
