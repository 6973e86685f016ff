// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quorvane-xls FILE: the cells of an Excel 97–2003 workbook's first sheet
// as text on standard output, a row a line, the cells parted by tabs; a
// sheet that claims more rows and columns than a plan has is cut there.
// FreeXL reads a broken workbook past its buffers, so the program reads
// workbooks through this helper, in a process of its own: whatever a file
// does to it cannot reach the window. Exits with 1 when the file is no
// workbook it can read.
#include <freexl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "plan/plan_cells.h"

namespace {

std::string CellText(const FreeXL_CellValue& value) {
  switch (value.type) {
    case FREEXL_CELL_INT:
      return std::to_string(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
      return quorvane::SheetNumberText(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
      return value.value.text_value != nullptr ? value.value.text_value : "";
    default:
      return {};
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: quorvane-xls FILE\n", stderr);
    return 2;
  }
  const void* handle = nullptr;
  const auto close = [](const void* opened) { freexl_close(opened); };
  const int opened = freexl_open(argv[1], &handle);
  const std::unique_ptr<const void, decltype(close)> owner(handle, close);
  unsigned int rows = 0;
  unsigned short columns = 0;
  if (opened != FREEXL_OK || freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
      freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
    return 1;
  }
  quorvane::PlanCells cells(std::min<std::size_t>(rows, quorvane::kMostPlanRows));
  const auto columnCount =
      static_cast<unsigned short>(std::min<std::size_t>(columns, quorvane::kMostPlanColumns));
  for (unsigned row = 0; row < cells.size(); ++row) {
    for (unsigned short column = 0; column < columnCount; ++column) {
      FreeXL_CellValue value{};
      const bool read = freexl_get_cell_value(handle, row, column, &value) == FREEXL_OK;
      cells[row].push_back(read ? CellText(value) : std::string());
    }
  }
  const std::string text = quorvane::JoinPlanCells(cells);
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
