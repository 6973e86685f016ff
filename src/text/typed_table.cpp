// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/typed_table.h"

#include "text/day_text.h"
#include "text/decimal_text.h"

namespace quorvane {

std::string CellText(const TypedCell& cell) {
  switch (cell.kind) {
    case TypedCell::Kind::Empty:
      return {};
    case TypedCell::Kind::Words:
      return cell.words;
    case TypedCell::Kind::Money:
      return YuanText(cell.value);
    case TypedCell::Kind::Rate:
      // A plain minus, as a spreadsheet reads a number.
      return DecimalText(cell.value, 4, 2);
    case TypedCell::Kind::Day:
      return DayText(cell.day);
    case TypedCell::Kind::Whole:
      return std::to_string(cell.value);
  }
  return {};
}

}  // namespace quorvane
