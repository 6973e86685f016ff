// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

// The number rules every loan procedure shares. Money is held in single
// precision (float) once it has been rounded to the fen; field numbers, the
// monthly rate and month counts are double. Which operation runs in which
// precision is written out at each formula, so the figures match the bank's
// to the fen.
namespace quorvane {

// Halves round up, toward plus infinity: 2.5 gives 3, -2.5 gives -2.
float RoundHalfUp(const float& x);

// Nearest single-precision value, ties to even.
float ToSingle(double v);

// An amount in fen (yuan x 100) rounded half up to a whole fen, back in yuan.
float RoundToCents(double fen);

// The text of a numeric field as a number: optional blanks around it, an
// optional sign, digits with at most one "." and at least one digit. The
// exponent form this program itself writes for large numbers ("1.234568E+07")
// reads back too. Anything else (empty, letters, other exponent spellings such
// as "1e5", a number too large for a double) is not a number.
std::optional<double> FieldNumber(std::string_view text);

}  // namespace quorvane
