// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {
const QString kRepaidExactly = QStringLiteral("还完款了还想干嘛？钱太多了送我一点！^_^");
const QString kRepaidTooMuch = QStringLiteral("给银行还这么多钱了？，钱多没地方花啊？^_^");
const QString kDataError = QStringLiteral("数据逻辑错误！请检查填写的数据！");
}  // namespace

// The keyboard filter and the check on leaving a field, with real key events
// and real focus changes.
class FieldChecksTest : public QObject, WindowFixture {
  Q_OBJECT

  static void SendText(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
  }

 private slots:
  void init() {
    Open();
    Click(Command(kFullReset));
  }
  void cleanup() { Close(); }

  void refusedKeysChangeNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    for (const char* key : {"a", "Z", "/", ":", "-", "+", " ", ",", "５", "五"}) {
      QTest::addRow("%s at the caret", key) << QString::fromUtf8(key) << 2 << 0;
      QTest::addRow("%s over a selection", key) << QString::fromUtf8(key) << 1 << 2;
    }
  }
  void refusedKeysChangeNothing() {
    QFETCH(QString, typed);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QLineEdit* field = Field(kAmount);
    field->setFocus(Qt::MouseFocusReason);
    field->setSelection(selectionStart, selectionLength);
    const int caret = field->cursorPosition();
    SendText(field, typed);
    QCOMPARE(field->text(), QString("25.7"));
    QCOMPARE(field->selectionStart(), selectionLength > 0 ? selectionStart : -1);
    QCOMPARE(field->selectedText().size(), selectionLength);
    QCOMPARE(field->cursorPosition(), caret);
  }

  void refusedLettersByKey() {
    Field(kTerm)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Field(kTerm), Qt::Key_End);
    QTest::keyClicks(Field(kTerm), "a/- x");
    QTest::keyClick(Field(kTerm), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(FieldText(kTerm), QString("360"));
  }

  void acceptedKeys() {
    Type(kAmount, "0123456789.");
    QCOMPARE(FieldText(kAmount), QString("0123456789."));
    QTest::keyClick(Field(kAmount), Qt::Key_Backspace);
    QCOMPARE(FieldText(kAmount), QString("0123456789"));
    QTest::keyClick(Field(kAmount), Qt::Key_Home);
    QTest::keyClick(Field(kAmount), Qt::Key_Delete);
    QCOMPARE(FieldText(kAmount), QString("123456789"));
  }

  void editingShortcutsKeepWorking() {
    QLineEdit* field = Field(kAmount);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("25.7"));
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), QString("25.725.7"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(field->text(), QString("25.7"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(field->text(), QString("25.725.7"));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(field->text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QString("25.725.7"));
  }

  void inputMethodTextIsNotTaken() {
    Field(kAmount)->setFocus(Qt::MouseFocusReason);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("五十"));
    QApplication::sendEvent(Field(kAmount), &composed);
    QCOMPARE(FieldText(kAmount), QString("25.7"));
    QVERIFY(!Field(kAmount)->testAttribute(Qt::WA_InputMethodEnabled));
  }

  void repairOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("empty") << ""
                           << "10";
    QTest::newRow("lone point") << "."
                                << "10";
    QTest::newRow("two points") << "1.."
                                << "10";
    QTest::newRow("points apart") << "1.2.3"
                                  << "10";
    QTest::newRow("point at the end") << "25."
                                      << "10";
    QTest::newRow("point first") << ".5"
                                 << ".5";
    QTest::newRow("plain decimal") << "3.5"
                                   << "3.5";
  }
  void repairOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, left);
    for (const int index : {0, 2, 4, 6, 8}) {
      Type(index, typed);
      Leave(index);
      QCOMPARE(FieldText(index), left);
    }
  }

  void pastedTextIsNotFilteredButNotTrusted() {
    Paste(kAmount, "abc");
    QCOMPARE(FieldText(kAmount), QString("abc"));
    Leave(kAmount);
    QCOMPARE(FieldText(kAmount), QString("abc"));
    QVERIFY(Text2().startsWith("使用说明："));
    Click(Command(kCalculate));
    QCOMPARE(Text2(), kDataError);
  }

  void pastedMegabyteIsKeptWhole() {
    const QString digits(1 << 20, '7');
    Paste(kAmount, digits);
    QCOMPARE(FieldText(kAmount).size(), digits.size());
    QTest::keyClick(Field(kAmount), Qt::Key_Return);
    QCOMPARE(Text2(), kDataError);
    Leave(kAmount);
    QCOMPARE(FieldText(kAmount).size(), digits.size());
  }

  void rateForANewTerm_data() {
    QTest::addColumn<int>("fundRow");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("rate");
    QTest::newRow("commercial row 30, 60 months") << -1 << "60"
                                                  << "5.76";
    QTest::newRow("commercial row 30, 61 months") << -1 << "61"
                                                  << "5.94";
    QTest::newRow("commercial row 30, empty term repaired to 10") << -1 << ""
                                                                  << "5.76";
    QTest::newRow("fund row 12, 60 months") << 12 << "60"
                                            << "3.33";
    QTest::newRow("fund row 12, 360 months") << 12 << "360"
                                             << "3.87";
  }
  void rateForANewTerm() {
    QFETCH(int, fundRow);
    QFETCH(QString, term);
    QFETCH(QString, rate);
    if (fundRow >= 0) {
      ClickRow(kFundList, fundRow);
    }
    Type(kDiscount, "9");
    Type(kTerm, term);
    Leave(kTerm);
    QCOMPARE(FieldText(kRate), rate);
    QCOMPARE(FieldText(kDiscount), QString("9"));  // the discount stays as typed
  }

  void otherFieldsTakeNoNewRate() {
    Type(kRate, "6.5");
    Leave(kRate);
    Type(kAmount, "30");
    Leave(kAmount);
    QCOMPARE(FieldText(kRate), QString("6.5"));
  }

  void remarks_data() {
    QTest::addColumn<QString>("principalRepaid");
    QTest::addColumn<QString>("remark");
    QTest::newRow("repaid exactly") << "257000" << kRepaidExactly;
    QTest::newRow("repaid too much") << "300000" << kRepaidTooMuch;
  }
  void remarks() {
    QFETCH(QString, principalRepaid);
    QFETCH(QString, remark);
    Type(kPrincipalRepaid, principalRepaid);
    Leave(kPrincipalRepaid);
    QCOMPARE(Text2(), remark);
    QVERIFY(!Command(kCalculate)->isEnabled());
    QVERIFY(!Command(kAccrue)->isEnabled());
    // Leaving any other field shows it again.
    Click(Command(kFullReset));
    Type(kPrincipalRepaid, principalRepaid);
    Leave(kPrincipalRepaid);
    Control<QPlainTextEdit>("Text2")->setPlainText("");
    Leave(kMonthsThisStretch);
    QCOMPARE(Text2(), remark);
  }

  void monthsReachingTheTerm() {
    Type(kMonthsRepaid, "360");
    Leave(kMonthsRepaid);
    QVERIFY(!Command(kCalculate)->isEnabled());
    QVERIFY(!Command(kAccrue)->isEnabled());
    QVERIFY(Text2().startsWith("使用说明："));
  }

  void enterCalculates_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("header");
    QTest::newRow("equal payment")
        << 0 << "月还款:1560.73元| 总还款:561862.8元| 其中利息:304862.8元";
    QTest::newRow("equal principal") << 1 << "总还款:493581其中利息:236581元";
  }
  void enterCalculates() {
    QFETCH(int, method);
    QFETCH(QString, header);
    Click(Option(method));
    Field(kPrepayment)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Field(kPrepayment), Qt::Key_Return);
    QCOMPARE(ReportLines()[0], header);
    QVERIFY(Field(kPrepayment)->hasFocus());
    // Also with "计 算" disabled at the end of the loan, and with the keypad's Enter.
    Type(kPrincipalRepaid, "300000");
    Leave(kPrincipalRepaid);
    QVERIFY(!Command(kCalculate)->isEnabled());
    Field(kPrincipalRepaid)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Field(kPrincipalRepaid), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Text2(), kDataError);
  }

  void escapeKeepsTheWindowOpen() {
    Field(kAmount)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Field(kAmount), Qt::Key_Escape);
    QTest::keyClick(&Window(), Qt::Key_Escape);
    QVERIFY(Window().isVisible());
    QCOMPARE(FieldText(kAmount), QString("25.7"));
  }

  // Switching to another window is not leaving the field: nothing is repaired
  // until the user moves within the calculator.
  void switchingWindowsChecksNothing() {
    Type(kAmount, "");
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!Window().isActiveWindow());
    QCOMPARE(FieldText(kAmount), QString());
    QApplication::setActiveWindow(&Window());
    QTRY_VERIFY(Field(kAmount)->hasFocus());
    Leave(kAmount);
    QCOMPARE(FieldText(kAmount), QString("10"));
  }

  void contextMenuChecksNothing() {
    Type(kAmount, "");
    const QPoint inside(5, 5);
    QContextMenuEvent request(QContextMenuEvent::Mouse, inside,
                              Field(kAmount)->mapToGlobal(inside));
    QApplication::sendEvent(Field(kAmount), &request);
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu != nullptr);
    QCOMPARE(FieldText(kAmount), QString());
    menu->close();
    QTRY_VERIFY(Field(kAmount)->hasFocus());
    QCOMPARE(FieldText(kAmount), QString());
  }

  void mouseClickOnCalculateSeesRepairedTexts() {
    Type(kAmount, "30.");
    Click(Command(kCalculate));
    QCOMPARE(FieldText(kAmount), QString("10"));
    QCOMPARE(ReportLines()[0], QString("月还款:607.29元| 总还款:218624.4元| 其中利息:118624.4元"));
  }
};

QTEST_MAIN(FieldChecksTest)
#include "test_field_checks.moc"
