// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/number_rules.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quorvane {

float RoundHalfUp(const float& x) {
  const float whole = std::floor(x);
  const float fraction = x - whole;
  if (fraction >= 0.5F) {
    return whole + 1.0F;
  }
  return whole;
}

float ToSingle(double v) { return static_cast<float>(v); }

float RoundToCents(double fen) {
  const float single = ToSingle(fen);
  return RoundHalfUp(single) / 100.0F;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Digits with at most one point and at least one digit.
bool IsPlainDecimal(std::string_view text) {
  int digits = 0;
  int points = 0;
  for (const char c : text) {
    if (IsDigit(c)) {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return digits > 0 && points <= 1;
}

// "E", a sign and at least one digit: the exponent as number texts write it.
bool IsWrittenExponent(std::string_view text) {
  if (text.size() < 3 || text[0] != 'E' || (text[1] != '+' && text[1] != '-')) {
    return false;
  }
  for (const char c : text.substr(2)) {
    if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

bool IsFieldNumberText(std::string_view text) {
  const auto exponent = text.find('E');
  if (exponent == std::string_view::npos) {
    return IsPlainDecimal(text);
  }
  return IsPlainDecimal(text.substr(0, exponent)) && IsWrittenExponent(text.substr(exponent));
}

}  // namespace

std::optional<double> FieldNumber(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!IsFieldNumberText(text)) {
    return std::nullopt;
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace quorvane
