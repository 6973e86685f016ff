// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arith/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace quorvane {

namespace {

struct Precision {
  int significantDigits;
  int firstExponentWritten;  // powers of ten from which the exponent form is used
};

constexpr Precision kSingle{7, 7};
constexpr Precision kDouble{15, 15};

// A magnitude rounded to the precision's significant digits: its digits
// without trailing zeros, and the power of ten of the first digit.
struct Rounded {
  std::array<char, 24> digits{};
  int count = 0;
  int exponent = 0;

  void TrimZeros() {
    while (count > 1 && digits.at(count - 1) == '0') {
      --count;
    }
  }
  [[nodiscard]] std::string_view View() const { return {digits.data(), std::size_t(count)}; }
};

// Any magnitude: the digits as the C++ library rounds them, to nearest, ties
// to even, on the exact binary value.
Rounded RoundAnyMagnitude(double magnitude, Precision precision) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, precision.significantDigits - 1);
  const std::string_view scientific(buffer.data(), std::size_t(result.ptr - buffer.data()));
  const auto e = scientific.find('e');
  Rounded rounded;
  for (const char c : scientific.substr(0, e)) {
    if (c != '.') {
      rounded.digits.at(rounded.count++) = c;
    }
  }
  const std::string_view exponentText = scientific.substr(e + 1);
  std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(),
                  rounded.exponent);
  if (exponentText.front() == '-') {
    rounded.exponent = -rounded.exponent;
  }
  rounded.TrimZeros();
  return rounded;
}

// The digits of a whole number, its first digit's power of ten the count of
// its digits less one.
Rounded FromInteger(std::uint64_t integer) {
  Rounded rounded;
  const auto result =
      std::to_chars(rounded.digits.data(), rounded.digits.data() + rounded.digits.size(), integer);
  rounded.count = int(result.ptr - rounded.digits.data());
  rounded.exponent = rounded.count - 1;
  rounded.TrimZeros();
  return rounded;
}

constexpr std::array<double, 13> kPowersOfTen{1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                              1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

// A single-precision magnitude from 10^-6 to below 10^7, the figures of every
// report, in integer arithmetic: scaled by an exact power of ten to seven
// integer digits, the product is exact in double, so rounding it to an
// integer (to nearest, ties to even) rounds exactly as the library does.
bool RoundSingleQuickly(double magnitude, Rounded& rounded) {
  if (!(magnitude >= 1e-6 && magnitude < 1e7)) {
    return false;
  }
  // A first guess of the decade from the binary exponent (log10 2 ~ 1233/4096);
  // the loop below corrects it by one either way.
  int exponent = (std::ilogb(magnitude) * 1233) >> 12;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int scale = 6 - exponent;
    if (scale < 0 || scale > 12) {
      return false;
    }
    const double scaled = magnitude * kPowersOfTen.at(std::size_t(scale));
    if (scaled < 1e6) {
      --exponent;
    } else if (scaled >= 1e7) {
      ++exponent;
    } else {
      auto integer = std::uint64_t(std::nearbyint(scaled));
      if (integer == 10'000'000) {
        integer = 1'000'000;
        ++exponent;
      }
      rounded = FromInteger(integer);
      rounded.exponent = exponent;
      return true;
    }
  }
  return false;
}

// Whole numbers below 10^15, such as month numbers, need no rounding.
bool RoundWholeQuickly(double magnitude, Rounded& rounded) {
  if (!(magnitude >= 1 && magnitude < 1e15) || std::floor(magnitude) != magnitude) {
    return false;
  }
  rounded = FromInteger(std::uint64_t(magnitude));
  return true;
}

Rounded RoundToDigits(double magnitude, Precision precision) {
  Rounded rounded;
  const bool quick = precision.significantDigits == kSingle.significantDigits
                         ? RoundSingleQuickly(magnitude, rounded)
                         : RoundWholeQuickly(magnitude, rounded);
  return quick ? rounded : RoundAnyMagnitude(magnitude, precision);
}

void AppendExponentForm(std::string& out, const Rounded& rounded) {
  const std::string_view digits = rounded.View();
  out += digits.front();
  if (digits.size() > 1) {
    out += '.';
    out += digits.substr(1);
  }
  out += rounded.exponent < 0 ? "E-" : "E+";
  const int power = std::abs(rounded.exponent);
  if (power < 10) {
    out += '0';
  }
  std::array<char, 8> powerText{};
  const auto end = std::to_chars(powerText.data(), powerText.data() + powerText.size(), power);
  out.append(powerText.data(), end.ptr);
}

void AppendPositionalForm(std::string& out, const Rounded& rounded, bool zeroBeforePoint) {
  const std::string_view digits = rounded.View();
  const int exponent = rounded.exponent;
  if (exponent < 0) {
    out += zeroBeforePoint ? "0." : ".";
    out.append(std::size_t(-exponent - 1), '0');
    out += digits;
    return;
  }
  const auto wholeDigits = std::size_t(exponent) + 1;
  if (digits.size() <= wholeDigits) {
    out += digits;
    out.append(wholeDigits - digits.size(), '0');
    return;
  }
  out += digits.substr(0, wholeDigits);
  out += '.';
  out += digits.substr(wholeDigits);
}

enum class Form { General, Str, Point };

// Quick rounding where it applies, or the library's alone (the reference).
enum class Rounding { Quick, LibraryOnly };

void Append(std::string& out, double x, Precision precision, Form form,
            Rounding rounding = Rounding::Quick) {
  if (x == 0.0) {
    out += form == Form::Str ? " 0" : "0";
    return;
  }
  if (!std::isfinite(x)) {
    out += std::isnan(x) ? "NaN" : (x < 0 ? "-Infinity" : "Infinity");
    return;
  }
  if (x < 0) {
    out += '-';
  } else if (form == Form::Str) {
    out += ' ';
  }
  const Rounded rounded = rounding == Rounding::Quick ? RoundToDigits(std::fabs(x), precision)
                                                      : RoundAnyMagnitude(std::fabs(x), precision);
  if (rounded.exponent >= precision.firstExponentWritten) {
    AppendExponentForm(out, rounded);
  } else {
    AppendPositionalForm(out, rounded, form == Form::General);
  }
}

Form FormOf(LeadingZero zero) { return zero == LeadingZero::Written ? Form::General : Form::Point; }

std::string Written(double x, Precision precision, Form form) {
  std::string text;
  Append(text, x, precision, form);
  return text;
}

}  // namespace

std::string NumberText(float x) { return Written(x, kSingle, Form::General); }
std::string NumberText(double x) { return Written(x, kDouble, Form::General); }
std::string StrText(float x) { return Written(x, kSingle, Form::Str); }
std::string StrText(double x) { return Written(x, kDouble, Form::Str); }
std::string PointNumberText(float x) { return Written(x, kSingle, Form::Point); }
std::string PointNumberText(double x) { return Written(x, kDouble, Form::Point); }

std::string NumberText(double x, LeadingZero zero) { return Written(x, kDouble, FormOf(zero)); }

void AppendNumberText(std::string& out, float x, LeadingZero zero) {
  Append(out, x, kSingle, FormOf(zero));
}
void AppendPointNumberText(std::string& out, double x) { Append(out, x, kDouble, Form::Point); }

namespace reference {

std::string NumberText(float x) {
  std::string text;
  Append(text, x, kSingle, Form::General, Rounding::LibraryOnly);
  return text;
}

}  // namespace reference

}  // namespace quorvane
