// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/figure_text.h"

#include "text/decimal_text.h"

namespace quorvane {

std::string YuanText(Fen fen) { return DecimalText(fen, 2, 2); }

// The sign is written first and the figure appended: prepending to a
// temporary string sets off a false warning of MinGW's GCC 12.
std::string SignedYuanText(Fen fen) {
  std::string text = fen > 0 ? "+" : "";
  text += YuanText(fen);
  return text;
}

std::string PercentText(Percent rate) { return DecimalText(rate.tenThousandths, 4, 2, kMinusSign); }

std::string BasisPointsText(Percent spread) {
  // A basis point is a hundredth of a percent: a hundred ten-thousandths.
  std::string text = spread.tenThousandths > 0 ? "+" : "";
  text += DecimalText(spread.tenThousandths, 2, 0, kMinusSign);
  return text;
}

}  // namespace quorvane
