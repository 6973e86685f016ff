// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "toolkit/application.h"
#include "toolkit/form_window.h"

// A fresh calculator window for each test, shown on the offscreen platform in
// an application set up as the program's, and the ways a user reaches its
// controls: typing, clicking, choosing rows.
namespace quorvane::testing {

class WindowFixture {
 public:
  void Open() {
    // The application as the program sets it up: its style, its palette and
    // Qt's Chinese texts, so the tests see what users see.
    static const bool setUp = [] {
      SetUpApplication(*qApp);
      return true;
    }();
    Q_UNUSED(setUp);
    window_ = std::make_unique<FormWindow>();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void Close() { window_.reset(); }

  [[nodiscard]] FormWindow& Window() const { return *window_; }

  template <typename Widget>
  Widget* Control(const QString& name) const {
    auto* widget = window_->findChild<Widget*>(name);
    if (widget == nullptr) {
      qFatal("no control %s", qPrintable(name));
    }
    return widget;
  }

  [[nodiscard]] QLineEdit* Field(int index) const {
    return Control<QLineEdit>(QStringLiteral("Text1(%1)").arg(index));
  }
  [[nodiscard]] QString FieldText(int index) const { return Field(index)->text(); }
  // The texts of all numeric fields, Text1(0) to Text1(8).
  [[nodiscard]] QStringList FieldTexts() const {
    QStringList texts;
    for (const int index : kText1Indices) {
      texts << FieldText(index);
    }
    return texts;
  }
  [[nodiscard]] QPushButton* Command(Button button) const {
    return Control<QPushButton>(QStringLiteral("Command%1").arg(static_cast<int>(button)));
  }
  [[nodiscard]] QListWidget* List(int index) const {
    return Control<QListWidget>(QStringLiteral("List1(%1)").arg(index));
  }
  [[nodiscard]] QRadioButton* Option(int index) const {
    return Control<QRadioButton>(QStringLiteral("Option1(%1)").arg(index));
  }
  [[nodiscard]] QString Text2() const {
    return Control<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText();
  }
  [[nodiscard]] QString Text3() const {
    return Control<QPlainTextEdit>(QStringLiteral("Text3"))->toPlainText();
  }

  // Replaces a field's text the way a user does: select all, type over it.
  void Type(int index, const QString& text) const {
    QLineEdit* field = Field(index);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }

  // Replaces a field's text with a paste, which the keyboard filter lets through.
  void Paste(int index, const QString& text) const {
    QApplication::clipboard()->setText(text);
    QLineEdit* field = Field(index);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  }

  // Leaves a field the way a user does, with Tab to the next control.
  void Leave(int index) const {
    Field(index)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Field(index), Qt::Key_Tab);
    QVERIFY(!Field(index)->hasFocus());
  }

  void Click(QWidget* button) const { QTest::mouseClick(button, Qt::LeftButton); }

  // A mouse click on a row of a rate list.
  void ClickRow(int list, int row) const {
    QListWidget* rates = List(list);
    QListWidgetItem* item = rates->item(row);
    rates->scrollToItem(item);
    const QPoint centre = rates->visualItemRect(item).center();
    QTest::mouseClick(rates->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  }

  [[nodiscard]] QStringList ReportLines() const { return Text2().split('\n'); }

  // Opens the context menu of a widget (of a box, its viewport) with the event
  // the window system sends on a right click; the caller closes it.
  [[nodiscard]] static QMenu* OpenContextMenu(QWidget* widget) {
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      widget = box->viewport();
    }
    widget->setFocus(Qt::MouseFocusReason);
    const QPoint centre = widget->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &rightClick);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

 private:
  std::unique_ptr<FormWindow> window_;
};

}  // namespace quorvane::testing
