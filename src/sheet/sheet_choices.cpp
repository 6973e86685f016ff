// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/sheet_choices.h"

namespace quorvane {

std::string_view ViewName(SheetView view) {
  switch (view) {
    case SheetView::Main:
      return "商业部分";
    case SheetView::Fund:
      return "公积金部分";
    case SheetView::Both:
      return "合计";
  }
  return {};
}

std::vector<year_month_day> PrepaymentDays(const BorrowerEvent& event, year_month_day last) {
  const int step = event.repeat == BorrowerEvent::Repeat::Yearly    ? 12
                   : event.repeat == BorrowerEvent::Repeat::Monthly ? 1
                                                                    : 0;
  const year_month_day until = event.until && *event.until < last ? *event.until : last;
  std::vector<year_month_day> days{event.day};
  // Each from the first day, so that a 31st stays the 31st where a month has it.
  for (int months = step; step > 0; months += step) {
    const year_month_day day = MonthsLater(event.day, months);
    if (day > until) {
      break;
    }
    days.push_back(day);
  }
  return days;
}

}  // namespace quorvane
