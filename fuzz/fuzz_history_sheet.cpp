// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The history window's contract as typed, any text in any field, and the
// borrower's rows: what it reads either says what is wrong or gives parts
// that each end at 0.00 with their principal summing to what was lent, and
// the combination's sum never owes a negative balance.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "field_lines.h"
#include "history_shape.h"
#include "report_shape.h"
#include "sheet/own_fixings.h"
#include "sheet/shown_months.h"
#include "text/day_text.h"
#include "text/decimal_text.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const auto flags = data[0];
  FieldLines in(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  ContractTexts texts;
  texts.kind = (flags & 1) != 0 ? LoanKind::Fund : LoanKind::Commercial;
  texts.method = (flags & 2) != 0 ? Repayment::EqualPrincipal : Repayment::EqualPayment;
  texts.repricing = static_cast<Repricing>((flags >> 2) % 3);
  texts.combined = (flags & 16) != 0;
  for (std::string* field :
       {&texts.granted, &texts.paymentDay, &texts.amount, &texts.months, &texts.discount,
        &texts.firstRate, &texts.fundAmount, &texts.fundMonths, &texts.fundDiscount, &texts.spread,
        &texts.conversionDay}) {
    *field = in.Next();
  }
  // The LPR's choices from the lengths of its fields.
  texts.tenor = texts.spread.size() % 2 != 0 ? LprTenor::OneYear : LprTenor::FiveYear;
  texts.reading =
      texts.spread.size() / 2 % 2 != 0 ? LprReading::MonthBefore : LprReading::LatestPublished;
  texts.conversion =
      texts.conversionDay.size() % 2 != 0 ? Conversion::Fixed : Conversion::LprSpread;
  texts.firstHome = texts.conversionDay.size() / 2 % 2 == 0;
  std::vector<LprFixing> fixings;
  SheetChoices choices;
  choices.byDays = {(flags & 32) != 0, (flags & 64) != 0, (flags & 128) != 0 ? 365 : 360};
  while (in.Left() && choices.borrowerEvents.size() < 64) {
    const std::string day = in.Next();
    const std::string figure = in.Next();
    // "L2.9 3.4": a fixing typed; "S-20", "C6", "T15": an LPR loan's rows.
    if (!figure.empty() && std::string_view("LSCT").find(figure[0]) != std::string_view::npos) {
      const std::string_view rest = std::string_view(figure).substr(1);
      if (figure[0] == 'L') {
        const std::size_t blank = std::min(rest.find(' '), rest.size());
        const auto fixing = ReadOwnFixing(day, rest.substr(0, blank),
                                          rest.substr(std::min(blank + 1, rest.size())), fixings);
        if (fixing) {
          fixings.push_back(*fixing);
          std::sort(fixings.begin(), fixings.end(),
                    [](const LprFixing& a, const LprFixing& b) { return a.fixed < b.fixed; });
        }
        continue;
      }
      const auto kind = figure[0] == 'S'   ? BorrowerEvent::Kind::Spread
                        : figure[0] == 'C' ? BorrowerEvent::Kind::Cycle
                                           : BorrowerEvent::Kind::ToLpr;
      if (const auto row = ReadBorrowerEvent(kind, day, rest)) {
        choices.borrowerEvents.push_back(*row);
      }
      continue;
    }
    BorrowerEvent event;
    event.kind = figure.find('.') == std::string::npos ? BorrowerEvent::Kind::Prepayment
                                                       : BorrowerEvent::Kind::Rate;
    event.part = figure.size() % 2 == 0 ? SheetPart::Main : SheetPart::Fund;
    event.shortenTerm = day.size() % 2 == 0;
    event.repeat = static_cast<BorrowerEvent::Repeat>(figure.size() % 3);  // to the loan's end
    const auto read = ReadDay(day);
    const auto value = ReadDecimal(figure, 4);
    if (read && value && *value <= kHighestRate.tenThousandths) {
      event.day = *read;
      event.amount = *value * 100;
      event.rate = Percent{*value};
      choices.borrowerEvents.push_back(event);
    }
  }
  const LoanSheet sheet = SheetOf(texts, choices, std::chrono::year{2026} / 12 / 8, fixings);
  for (const EventRow& row : sheet.events) {
    Check(!row.rate || row.rate->tenThousandths >= 0, "no negative rate", "history sheet");
  }
  for (std::size_t part = 0; part < sheet.months.size() && !sheet.problem; ++part) {
    if (!sheet.months[part].empty()) {  // else the window said why
      CheckPart(sheet.months[part], sheet.terms.parts.at(part).amount, "history sheet");
    }
  }
  for (const ShownMonth& month : ShownMonths(sheet, SheetView::Both)) {
    Check(month.month.balance >= 0, "the sum owes nothing negative", "history sheet");
  }
  return 0;
}
