// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/window_parts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

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

QPushButton* AddCommandButton(QWidget* window, QWidget* parent, const QString& caption,
                              const QKeySequence& key, const std::function<void()>& command) {
  auto* button = new QPushButton(caption, parent);
  button->setToolTip(key.toString(QKeySequence::NativeText));
  QObject::connect(button, &QPushButton::clicked, window, command);
  QObject::connect(AddWindowCommand(window, caption, key), &QAction::triggered, window, command);
  return button;
}

namespace {

// A text field takes Ctrl+Z for its own typing while it has some to undo
// (and Ctrl+Shift+Z, Ctrl+Y to redo), and leaves them to the window after.
class FieldUndoFirst final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) {
      return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* field = qobject_cast<QLineEdit*>(watched);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) ||
                      key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
    return field != nullptr &&
           ((undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable()));
  }
};

}  // namespace

void AddUndoCommands(QWidget* window, QUndoStack* stack) {
  auto* fieldsFirst = new FieldUndoFirst(window);
  for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
    field->installEventFilter(fieldsFirst);
  }
  QAction* undo = AddWindowCommand(window, QStringLiteral("撤销"), QKeySequence::Undo);
  QObject::connect(undo, &QAction::triggered, stack, &QUndoStack::undo);
  QAction* redo = AddWindowCommand(window, QStringLiteral("重做"), QKeySequence::Redo);
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  QObject::connect(redo, &QAction::triggered, stack, &QUndoStack::redo);
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

QString HelperPath(const QString& fromProgram) {
  return fromProgram.isEmpty() ? fromProgram
                               : QCoreApplication::applicationDirPath() + QChar('/') + fromProgram;
}

void CompactRows(QTableView* table) {
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->setWordWrap(false);
}

}  // namespace quorvane
