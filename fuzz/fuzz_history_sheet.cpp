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

#include "report_shape.h"
#include "sheet/shown_months.h"
#include "text/day_text.h"
#include "text/decimal_text.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

namespace {

// The input's lines, one a field; empty ones once it runs out.
class FieldLines {
 public:
  explicit FieldLines(std::string_view text) : text_(text) {}
  std::string Next() {
    const std::size_t end = std::min(text_.find('\n'), text_.size());
    std::string line(text_.substr(0, end));
    text_.remove_prefix(std::min(end + 1, text_.size()));
    return line;
  }
  [[nodiscard]] bool Left() const { return !text_.empty(); }

 private:
  std::string_view text_;
};

void CheckPart(const std::vector<HistoryRow>& rows, Fen lent) {
  if (rows.empty()) {
    return;  // the window said why
  }
  Fen repaid = 0;
  for (const HistoryRow& row : rows) {
    Check(row.month.balance >= 0 && row.month.principal >= 0 && row.month.interest >= 0,
          "nothing negative", "history sheet");
    repaid += row.month.principal;
  }
  Check(rows.back().month.balance == 0, "ends at 0.00", "history sheet");
  Check(repaid == lent, "the principal sums to the amount", "history sheet");
}

}  // namespace

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
        &texts.firstRate, &texts.fundAmount, &texts.fundMonths, &texts.fundDiscount}) {
    *field = in.Next();
  }
  SheetChoices choices;
  choices.byDays = {(flags & 32) != 0, (flags & 64) != 0, (flags & 128) != 0 ? 365 : 360};
  while (in.Left() && choices.borrowerEvents.size() < 64) {
    const std::string day = in.Next();
    const std::string figure = in.Next();
    BorrowerEvent event;
    event.kind = figure.find('.') == std::string::npos ? BorrowerEvent::Kind::Prepayment
                                                       : BorrowerEvent::Kind::Rate;
    event.part = figure.size() % 2 == 0 ? SheetPart::Main : SheetPart::Fund;
    event.shortenTerm = day.size() % 2 == 0;
    const auto read = ReadDay(day);
    const auto value = ReadDecimal(figure, 4);
    if (read && value && *value <= kHighestRate.tenThousandths) {
      event.day = *read;
      event.amount = *value * 100;
      event.rate = Percent{*value};
      choices.borrowerEvents.push_back(event);
    }
  }
  const LoanSheet sheet = SheetOf(texts, choices, std::chrono::year{2026} / 12 / 8);
  for (std::size_t part = 0; part < sheet.months.size() && !sheet.problem; ++part) {
    CheckPart(sheet.months[part], sheet.terms.parts.at(part).amount);
  }
  for (const ShownMonth& month : ShownMonths(sheet, SheetView::Both)) {
    Check(month.month.balance >= 0, "the sum owes nothing negative", "history sheet");
  }
  return 0;
}
