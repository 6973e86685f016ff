// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/numeric_field.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <array>
#include <limits>

namespace quorvane {

namespace {

// Keys that edit through the clipboard or the undo stack, or delete: they are
// no typed characters and go to the field untouched.
bool IsEditingShortcut(const QKeyEvent* event) {
  constexpr std::array kShortcuts{
      QKeySequence::Copy,
      QKeySequence::Cut,
      QKeySequence::Paste,
      QKeySequence::SelectAll,
      QKeySequence::Undo,
      QKeySequence::Redo,
      QKeySequence::Delete,
      QKeySequence::DeleteEndOfWord,
      QKeySequence::DeleteStartOfWord,
      QKeySequence::DeleteEndOfLine,
      QKeySequence::DeleteCompleteLine,
  };
  for (const auto shortcut : kShortcuts) {
    if (event->matches(shortcut)) {
      return true;
    }
  }
  return false;
}

}  // namespace

NumericField::NumericField(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // No limit of its own: a long paste is kept whole, not cut at 32767 characters.
  setMaxLength(std::numeric_limits<int>::max());
}

void NumericField::SetHandlers(KeyPressHandler keyPress, LostFocusHandler lostFocus) {
  keyPress_ = std::move(keyPress);
  lostFocus_ = std::move(lostFocus);
}

bool NumericField::Accepted(const QString& typed) {
  bool accepted = true;
  for (const QChar character : typed) {
    auto keyAscii = static_cast<std::int16_t>(character.unicode());
    if (keyPress_) {
      keyPress_(keyAscii);
    }
    accepted = accepted && keyAscii != 0;
  }
  return accepted;
}

void NumericField::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.isEmpty() || IsEditingShortcut(event) || Accepted(typed)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();  // refused: the text, the selection and the caret stay
}

void NumericField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Switching to another program or opening a context menu leaves no field.
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && lostFocus_) {
    lostFocus_();
  }
}

void NumericField::inputMethodEvent(QInputMethodEvent* event) { event->accept(); }

}  // namespace quorvane
