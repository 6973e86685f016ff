// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/figure_text.h"

#include "text/decimal_text.h"

namespace quorvane {

std::string YuanText(Fen fen) { return DecimalText(fen, 2, 2); }

std::string SignedYuanText(Fen fen) { return (fen > 0 ? "+" : "") + YuanText(fen); }

std::string PercentText(Percent rate) { return DecimalText(rate.tenThousandths, 4, 2, kMinusSign); }

std::string BasisPointsText(Percent spread) {
  // A basis point is a hundredth of a percent: a hundred ten-thousandths.
  return (spread.tenThousandths > 0 ? "+" : "") +
         DecimalText(spread.tenThousandths, 2, 0, kMinusSign);
}

}  // namespace quorvane
