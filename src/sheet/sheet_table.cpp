// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/sheet_table.h"

#include "text/day_text.h"

namespace quorvane {

namespace {

// A shown month's cells as figures, days and words.
std::vector<TypedCell> MonthRow(const ShownMonth& month) {
  const bool prepayment = month.number == 0;
  return {prepayment ? TypedCell::Of("提前还款") : TypedCell::Whole(month.number),
          TypedCell::Day(month.due),
          month.rate ? TypedCell::Rate(*month.rate) : TypedCell{},
          TypedCell::Money(month.month.payment),
          TypedCell::Money(month.month.principal),
          prepayment ? TypedCell{} : TypedCell::Money(month.month.interest),
          TypedCell::Money(month.month.balance),
          TypedCell::Of(month.note)};
}

}  // namespace

std::vector<std::string> MonthCells(const ShownMonth& month) {
  std::vector<std::string> cells;
  cells.reserve(kHistoryHeadings.size());
  for (const TypedCell& cell : MonthRow(month)) {
    cells.push_back(CellText(cell));
  }
  return cells;
}

TypedSheet MonthsSheet(const std::vector<ShownMonth>& months) {
  TypedSheet sheet{"还款明细", {kHistoryHeadings.begin(), kHistoryHeadings.end()}, {}};
  sheet.rows.reserve(months.size());
  for (const ShownMonth& month : months) {
    sheet.rows.push_back(MonthRow(month));
  }
  return sheet;
}

TypedSheet ContractSheet(const ContractTexts& texts, SheetView view,
                         const std::vector<EventRow>& events) {
  TypedSheet sheet{"合同与调整记录", {"项目", "内容"}, {}};
  for (const auto& row : SheetTable(texts, view, {})) {
    if (row.empty()) {
      break;  // the contract ends where the months' headings begin
    }
    sheet.rows.push_back({TypedCell::Of(row.at(0)), TypedCell::Of(row.at(1))});
  }
  sheet.rows.emplace_back();
  sheet.rows.push_back({TypedCell::Heading("日期"), TypedCell::Heading("事件"),
                        TypedCell::Heading("年利率(%)"), TypedCell::Heading("说明")});
  for (const EventRow& event : events) {
    sheet.rows.push_back({TypedCell::Day(event.effective), TypedCell::Of(event.what),
                          event.rate ? TypedCell::Rate(*event.rate) : TypedCell{},
                          TypedCell::Of(event.why)});
  }
  return sheet;
}

std::vector<std::vector<std::string>> SheetTable(const ContractTexts& texts, SheetView view,
                                                 const std::vector<ShownMonth>& months) {
  const auto row = [](ContractField field, std::string_view value) {
    return std::vector<std::string>{std::string(FieldName(field)), std::string(value)};
  };
  const LprFields lpr = LprFieldsOf(texts);
  std::vector<std::vector<std::string>> rows{
      row(ContractField::Kind, KindName(texts.combined ? LoanKind::Commercial : texts.kind)),
      row(ContractField::Granted, texts.granted),
      row(ContractField::PaymentDay, texts.paymentDay),
      row(ContractField::Amount, texts.amount),
      row(ContractField::Months, texts.months),
      row(ContractField::Method, RepaymentName(texts.method)),
  };
  if (lpr == LprFields::FromStart) {
    rows.push_back(row(ContractField::Tenor, TenorName(texts.tenor)));
    rows.push_back(row(ContractField::Spread, texts.spread));
    rows.push_back(row(ContractField::FirstRate, texts.firstRate));
    rows.push_back(row(ContractField::RepricingDay, LprRepricingName(texts.repricing)));
  } else {
    rows.push_back(row(ContractField::Discount, texts.discount));
    rows.push_back(row(ContractField::FirstRate, texts.firstRate));
    rows.push_back(row(ContractField::Repricing, RepricingName(texts.repricing)));
  }
  if (lpr == LprFields::Conversion) {
    rows.push_back(row(ContractField::ConversionDay, texts.conversionDay));
    rows.push_back(row(ContractField::Conversion, ConversionName(texts.conversion)));
  }
  if (lpr != LprFields::None) {
    rows.push_back(row(ContractField::FirstHome, texts.firstHome ? "是" : "否"));
    rows.push_back(row(ContractField::Reading, ReadingName(texts.reading)));
  }
  if (texts.combined) {
    rows.push_back(row(ContractField::FundAmount, texts.fundAmount));
    rows.push_back(row(ContractField::FundMonths, texts.fundMonths));
    rows.push_back(row(ContractField::FundDiscount, texts.fundDiscount));
    rows.push_back(row(ContractField::FundFirstRate, texts.fundFirstRate));
    rows.push_back(row(ContractField::View, ViewName(view)));
  }
  rows.emplace_back();
  rows.emplace_back(kHistoryHeadings.begin(), kHistoryHeadings.end());
  for (const ShownMonth& month : months) {
    rows.push_back(MonthCells(month));
  }
  return rows;
}

}  // namespace quorvane
