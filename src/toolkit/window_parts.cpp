// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/window_parts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
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

void CompactRows(QTableView* table) {
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->setWordWrap(false);
}

}  // namespace quorvane
