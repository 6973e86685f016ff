// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "files/file_problem.h"
#include "text/typed_table.h"

// What a window shows, written to a spreadsheet's file.
namespace quorvane {

// A .csv in UTF-8 with a byte order mark, so that Excel on a Chinese Windows
// reads it right, or in GB18030 as Chinese Windows writes its own.
enum class CsvEncoding { Utf8, Gb18030 };

// The sheet's headings and rows, a line each, its cells parted by commas;
// a cell with a comma, a quote or a line end quoted.
QByteArray CsvBytes(const TypedSheet& sheet, CsvEncoding encoding);

// The sheet written to the path in one step: a partial file never takes a
// good one's place.
std::optional<FileProblem> WriteCsv(const QString& path, const TypedSheet& sheet,
                                    CsvEncoding encoding);

// The sheets as an Excel workbook (.xlsx), written by the helper program
// quorvane-xlsx at `helper` (figures as numbers, days as dates, the headings
// in bold and kept in view, the columns as wide as their cells) beside the
// target, and put in its place in one step.
std::optional<FileProblem> WriteXlsx(const QString& path, const std::vector<TypedSheet>& sheets,
                                     const QString& helper);

}  // namespace quorvane
