// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rate selection on any list, row and term text: it writes only for a row
// of the table and a term that is a number, and then exactly the row's texts.
#include <string>

#include "arith/number_text.h"
#include "rates/rate_selection.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) {
    return 0;
  }
  const int list = data[0] % 3;  // 0 commercial; anything else the fund list
  const auto row = static_cast<std::int16_t>(data[1] | (data[2] << 8));
  const std::string term(reinterpret_cast<const char*>(data + 3), size - 3);
  const auto table = RateTable(list);
  const auto texts = SelectRate(table, row, term);
  const bool rowInTable = row >= 0 && static_cast<std::size_t>(row) < table.size();
  const auto months = FieldNumber(term);
  Check(texts.has_value() == (rowInTable && months.has_value()), "writes only when it may", term);
  Check(RateForTerm(table, row, term) == (texts ? std::optional(texts->rate) : std::nullopt),
        "the same rate as the term check", term);
  if (!texts) {
    return 0;
  }
  const RateRow& rates = table[static_cast<std::size_t>(row)];
  const float rate = *months <= kShortTermMonths ? rates.shortTermRate : rates.longTermRate;
  Check(texts->rate == NumberText(rate), "the rate for the term", term);
  Check(texts->discount == NumberText(rates.discount), "the row's discount", term);
  Figure(texts->rate, term);
  Figure(texts->discount, term);
  return 0;
}
