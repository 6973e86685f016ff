// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Numbers written as the reports and fields show them: a single-precision value
// to 7 significant digits, a double to 15, in plain positional form, trailing
// zeros after the point dropped and no point when nothing follows it. From
// 10^7 (single) or 10^15 (double) on the digits cannot stand positionally and
// the exponent form "1.234568E+07" is used. The point is always ".".
namespace quorvane {

// The general form: 1310.7 gives "1310.7", 0.5 gives "0.5".
std::string NumberText(float x);
std::string NumberText(double x);

// With a blank in the sign position and no "0" before the point:
// 1310.7 gives " 1310.7", 0.5 gives " .5", -0.5 gives "-.5".
std::string StrText(float x);
std::string StrText(double x);

// StrText without its leading blank: 0.5 gives ".5".
std::string PointNumberText(float x);
std::string PointNumberText(double x);

// Whether a figure below one keeps its "0" before the point: "0.5" or ".5".
enum class LeadingZero { Written, Dropped };

// NumberText (Written) or PointNumberText (Dropped).
std::string NumberText(double x, LeadingZero zero);

// The same texts appended to a text being built, as the reports are.
void AppendNumberText(std::string& out, float x, LeadingZero zero);
void AppendPointNumberText(std::string& out, double x);

// The general form of a single-precision value worked out the slow way
// through the C++ library alone; the quick way must agree with it.
namespace reference {
std::string NumberText(float x);
}

}  // namespace quorvane
