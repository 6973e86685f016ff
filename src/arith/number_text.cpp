#include "arith/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace quorvane {

namespace {

struct Precision {
  int significantDigits;
  int firstExponentWritten;  // powers of ten from which the exponent form is used
};

constexpr Precision kSingle{7, 7};
constexpr Precision kDouble{15, 15};

// The value rounded to the precision's significant digits: its digits without
// trailing zeros and the power of ten of the first digit.
struct Rounded {
  std::string digits;
  int exponent = 0;
};

Rounded RoundToDigits(double magnitude, Precision precision) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, precision.significantDigits - 1);
  const std::string_view scientific(buffer.data(), result.ptr - buffer.data());
  const auto e = scientific.find('e');
  Rounded rounded;
  for (const char c : scientific.substr(0, e)) {
    if (c != '.') {
      rounded.digits += c;
    }
  }
  while (rounded.digits.size() > 1 && rounded.digits.back() == '0') {
    rounded.digits.pop_back();
  }
  const std::string_view exponentText = scientific.substr(e + 1);
  const bool negativeExponent = exponentText.front() == '-';
  std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(),
                  rounded.exponent);
  if (negativeExponent) {
    rounded.exponent = -rounded.exponent;
  }
  return rounded;
}

std::string ExponentForm(const Rounded& rounded) {
  std::string text(1, rounded.digits.front());
  if (rounded.digits.size() > 1) {
    text += '.';
    text.append(rounded.digits, 1);
  }
  text += rounded.exponent < 0 ? "E-" : "E+";
  const int power = std::abs(rounded.exponent);
  if (power < 10) {
    text += '0';
  }
  text += std::to_string(power);
  return text;
}

std::string PositionalForm(const Rounded& rounded, bool zeroBeforePoint) {
  const auto& digits = rounded.digits;
  const int exponent = rounded.exponent;
  if (exponent < 0) {
    std::string text = zeroBeforePoint ? "0." : ".";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    return text + digits;
  }
  const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= wholeDigits) {
    return digits + std::string(wholeDigits - digits.size(), '0');
  }
  return digits.substr(0, wholeDigits) + '.' + digits.substr(wholeDigits);
}

enum class Form { General, Str };

std::string Write(double x, Precision precision, Form form) {
  if (x == 0.0) {
    return form == Form::Str ? " 0" : "0";
  }
  if (!std::isfinite(x)) {
    return std::isnan(x) ? "NaN" : (x < 0 ? "-Infinity" : "Infinity");
  }
  const Rounded rounded = RoundToDigits(std::fabs(x), precision);
  std::string text;
  if (x < 0) {
    text = "-";
  } else if (form == Form::Str) {
    text = " ";
  }
  if (rounded.exponent >= precision.firstExponentWritten) {
    return text + ExponentForm(rounded);
  }
  return text + PositionalForm(rounded, form == Form::General);
}

std::string WithoutLeadingBlank(std::string text) {
  if (!text.empty() && text.front() == ' ') {
    text.erase(0, 1);
  }
  return text;
}

}  // namespace

std::string NumberText(float x) { return Write(x, kSingle, Form::General); }
std::string NumberText(double x) { return Write(x, kDouble, Form::General); }
std::string StrText(float x) { return Write(x, kSingle, Form::Str); }
std::string StrText(double x) { return Write(x, kDouble, Form::Str); }
std::string PointNumberText(float x) { return WithoutLeadingBlank(StrText(x)); }
std::string PointNumberText(double x) { return WithoutLeadingBlank(StrText(x)); }

}  // namespace quorvane
