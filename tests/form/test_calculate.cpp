// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {
const QString kDataError = QStringLiteral("数据逻辑错误！请检查填写的数据！");
const QString kEqualPaymentHeader =
    QStringLiteral("月还款:1560.73元| 总还款:561862.8元| 其中利息:304862.8元");
}  // namespace

// Calculate through the real window: the fields are typed into, the method
// button and "计 算" are clicked with the mouse, and Text2 is read back.
class CalculateTest : public QObject, WindowFixture {
  Q_OBJECT

  void ResetAndCalculate() {
    Click(Command(kFullReset));  // 25.7 万元, 7.2 %, 8.5 折, 360 months
    Click(Command(kCalculate));
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void equalPaymentIsTheMethodAtStart() {
    QVERIFY(Option(kEqualPaymentMethod)->isChecked());
    QVERIFY(!Option(kEqualPrincipalMethod)->isChecked());
  }

  void calculateUnderEachMethod() {
    ResetAndCalculate();
    QStringList lines = ReportLines();
    QCOMPARE(lines[0], kEqualPaymentHeader);
    QCOMPARE(lines[2], QString("第1期:1560.73元 | 其中本金:250.03元 | 利息:1310.7元"));
    QCOMPARE(lines.size(), 363);  // the last line break leaves an empty last line

    Click(Option(kEqualPrincipalMethod));
    QVERIFY(!Option(kEqualPaymentMethod)->isChecked());
    Click(Command(kCalculate));
    lines = ReportLines();
    QCOMPARE(lines[0], QString("总还款:493581其中利息:236581元"));
    QCOMPARE(lines[361], QString("第360期：717.53元 | 其中本金:713.89元 | 利息:3.64元"));

    Click(Option(kEqualPaymentMethod));
    Click(Command(kCalculate));
    QCOMPARE(ReportLines()[0], kEqualPaymentHeader);
  }

  // The term first: leaving it takes the rate for the new term from the list.
  void typedFieldsAreRead() {
    Type(kTerm, "240");
    Type(kAmount, "60");
    Type(kRate, "7.2");
    Type(kDiscount, "8.5");
    Click(Command(kCalculate));
    QCOMPARE(ReportLines()[0], QString("月还款:4340.23元| 总还款:1041655元| 其中利息:441655.2元"));
  }

  void calculateChangesNoOtherField() {
    Click(Command(kFullReset));
    Type(kMonthsRepaid, "24");
    Control<QPlainTextEdit>("Text3")->setPlainText(" = 3085.97\n");
    const QStringList before = FieldTexts();
    Click(Command(kCalculate));
    QCOMPARE(ReportLines()[2].left(5), QString("第25期:"));
    QCOMPARE(FieldTexts(), before);
    QCOMPARE(Text3(), QString(" = 3085.97\n"));
  }

  // Enter runs Calculate while the field still holds what was typed, before
  // leaving it could repair it.
  void dataErrorInTheWindow() {
    Click(Command(kFullReset));
    Type(kMonthsRepaid, "360");
    QTest::keyClick(Field(kMonthsRepaid), Qt::Key_Return);
    QCOMPARE(Text2(), kDataError);
    Type(kMonthsRepaid, "0");
    Click(Option(kEqualPrincipalMethod));
    Type(kAmount, "");
    QTest::keyClick(Field(kAmount), Qt::Key_Return);
    QCOMPARE(Text2(), kDataError);
  }
};

QTEST_MAIN(CalculateTest)
#include "test_calculate.moc"
