// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <vector>

#include "text/typed_table.h"

class QWidget;

namespace quorvane {

// What 导出… came to: nothing chosen, a file written, or what kept it from
// being written, in the borrower's words.
struct ExportOutcome {
  enum class Kind { Cancelled, Written, Failed };
  Kind kind = Kind::Cancelled;
  QString words;  // what the status line says: the file written, or the problem
};

// 导出…: asks where and as what (.xlsx where the program writes workbooks,
// else or by choice a .csv in UTF-8 or GB18030), then writes the sheets
// there; a .csv takes the first sheet. `name` is the file's suggested name.
ExportOutcome ExportSheets(QWidget* window, const QString& name,
                           const std::vector<TypedSheet>& sheets);

}  // namespace quorvane
