// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/window_parts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTableView>

namespace quorvane {

void PutTableOnClipboard(const TableRows& rows) {
  auto* table = new QMimeData;
  table->setText(QString::fromStdString(TabSeparated(rows)));
  table->setHtml(QString::fromStdString(HtmlTable(rows)));
  QApplication::clipboard()->setMimeData(table);
}

QAction* AddWindowCommand(QWidget* window, const QString& caption, const QKeySequence& key) {
  auto* action = new QAction(caption, window);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

bool CloseOnEscape(QWidget* window, const QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
    return false;
  }
  window->close();
  return true;
}

std::optional<QString> Heading(std::span<const std::string_view> headings, int section,
                               Qt::Orientation orientation, int role) {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      static_cast<std::size_t>(section) >= headings.size()) {
    return std::nullopt;
  }
  const std::string_view heading = headings[static_cast<std::size_t>(section)];
  return QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size()));
}

void CaptionResults(QLabel* label, const QString& caption) {
  // No accessible name of its own: Qt then names a label by its text.
  label->setAccessibleDescription(caption);
}

void CompactRows(QTableView* table) {
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->setWordWrap(false);
}

}  // namespace quorvane
