// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "form/report_table.h"

class QAction;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTableView;
class QUndoStack;
class QWidget;

// What the windows of the program share beyond their looks: a table put on
// the clipboard, a command with its key, Esc to close, compact table rows.
namespace quorvane {

// Rows on the clipboard as tab-separated text and as an HTML table, so a
// spreadsheet gets a cell for each and a word processor a table.
void PutTableOnClipboard(const TableRows& rows);

// A command of the window with its key, which works wherever the focus is in
// the window; the caller connects what it does.
QAction* AddWindowCommand(QWidget* window, const QString& caption, const QKeySequence& key);

// A button in `parent` for a command of the window, and the command's key as
// above; the button's tooltip shows the key.
QPushButton* AddCommandButton(QWidget* window, QWidget* parent, const QString& caption,
                              const QKeySequence& key, const std::function<void()>& command);

// 撤销 (Ctrl+Z) and 重做 (Ctrl+Shift+Z, Ctrl+Y) of the window's edits; a
// text field being typed in undoes its own typing first, as Qt's fields do.
void AddUndoCommands(QWidget* window, QUndoStack* stack);

// A helper program's path from the program's folder, as the build names it
// relative to it; empty where the build has no such helper.
QString HelperPath(const QString& fromProgram);

// Esc with no modifier closes the window: true when it did.
bool CloseOnEscape(QWidget* window, const QKeyEvent* event);

// The heading of a table's column, for a model's headerData; nothing for
// what its headings do not answer.
std::optional<QString> Heading(std::span<const std::string_view> headings, int section,
                               Qt::Orientation orientation, int role);

// A label that shows results: a screen reader reads its words and figures
// as its name, and the caption as what describes it.
void CaptionResults(QLabel* label, const QString& caption);

// Rows of one line each, of the font's height: a long text is cut, and read
// whole in the row's tooltip.
void CompactRows(QTableView* table);

}  // namespace quorvane
