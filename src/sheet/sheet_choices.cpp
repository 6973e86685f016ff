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

}  // namespace quorvane
