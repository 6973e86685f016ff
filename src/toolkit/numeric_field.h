// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>

namespace quorvane {

// A numeric field: every character typed is first shown to the form, which
// may refuse it, and leaving the field for another control of the window is
// reported. Editing shortcuts keep their usual job; input-method text is not
// taken, so only a paste or text dragged and dropped onto the field (handled
// like a paste) reaches it around the form's filter; leaving the field then
// repairs what the form repairs.
class NumericField : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumericField(const QString& text, QWidget* parent = nullptr);

  // The character code of a typed character; set to 0 to refuse it.
  using KeyPressHandler = std::function<void(std::int16_t& keyAscii)>;
  using LostFocusHandler = std::function<void()>;
  void SetHandlers(KeyPressHandler keyPress, LostFocusHandler lostFocus);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Whether every character of a typed text is accepted.
  bool Accepted(const QString& typed);

  KeyPressHandler keyPress_;
  LostFocusHandler lostFocus_;
};

}  // namespace quorvane
