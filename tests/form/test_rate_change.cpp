// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {
const QString kDataError = QStringLiteral("数据逻辑错误！请检查填写的数据！");
}

// The rate-change section through its real buttons: " 已还本金为:" (Command3)
// and its "重 置" (Command4), with the full reset (Command2) beside them.
class RateChangeTest : public QObject, WindowFixture {
  Q_OBJECT

  void Accrue() { Click(Command(kAccrue)); }

  // The enabled states of amount, term, Calculate and the accrue button.
  [[nodiscard]] QList<bool> EnabledStates() const {
    return {Field(kAmount)->isEnabled(), Field(kTerm)->isEnabled(),
            Command(kCalculate)->isEnabled(), Command(kAccrue)->isEnabled()};
  }

  [[nodiscard]] QStringList SectionTexts() const {
    return {FieldText(kPrincipalRepaid), FieldText(kMonthsRepaid), FieldText(kMonthsThisStretch),
            FieldText(kPrepayment), Text3()};
  }

 private slots:
  void init() {
    Open();
    Click(Command(kFullReset));  // the full reset's loan: 25.7 万元, 7.2 %, 8.5 折, 360 months
  }
  void cleanup() { Close(); }

  void oneStretch() {
    Accrue();
    QCOMPARE(SectionTexts(), QStringList({"3085.97", "12", "12", "0", " = 3085.97\n"}));
    QCOMPARE(EnabledStates(), QList<bool>({false, false, true, true}));
    QVERIFY(Text2().startsWith("使用说明："));  // the accrual writes no report
  }

  void twoStretchesAcrossARateChange() {
    Type(kMonthsThisStretch, "5");
    Accrue();
    Type(kRate, "7.83");
    Type(kMonthsThisStretch, "12");
    Accrue();
    QCOMPARE(SectionTexts(), QStringList({"4128.63", "17", "12", "0", " = 1262.97\n + 2865.66\n"}));
    Click(Command(kCalculate));
    QVERIFY(ReportLines()[2].startsWith("第18期:"));
  }

  void methodSwitchedBetweenStretches() {
    Accrue();
    Click(Option(kEqualPrincipalMethod));
    Accrue();
    QCOMPARE(Text3(), QString(" = 3085.97\n + 8755.68\n"));
  }

  void stretchReachingTheTerm() {
    Type(kMonthsRepaid, "348");
    Accrue();
    QCOMPARE(FieldText(kMonthsRepaid), QString("360"));
    QCOMPARE(EnabledStates(), QList<bool>({false, false, false, false}));
  }

  void shortLoanEndsByMonths() {
    Type(kAmount, "1");
    Type(kTerm, "7");
    Type(kRate, "7.2");  // leaving the term took the list's short-term rate
    Type(kMonthsThisStretch, "7");
    Accrue();
    QCOMPARE(FieldText(kPrincipalRepaid), QString("9999.97"));
    QCOMPARE(FieldText(kMonthsRepaid), QString("7"));
    QCOMPARE(EnabledStates(), QList<bool>({false, false, false, false}));
  }

  void stretchPastTheEnd() {
    Type(kMonthsRepaid, "350");
    Accrue();
    QCOMPARE(FieldText(kPrincipalRepaid), QString("309987.6"));
    QCOMPARE(FieldText(kMonthsRepaid), QString("362"));
    QCOMPARE(EnabledStates(), QList<bool>({false, false, false, false}));
  }

  void prepaymentCoveringTheLoan() {
    Type(kPrepayment, "25.7");
    Accrue();
    QVERIFY(FieldText(kPrincipalRepaid).toDouble() >= 257000);
    QCOMPARE(EnabledStates(), QList<bool>({false, false, false, false}));
  }

  void sectionResetAfterTheEnd() {
    Type(kPrepayment, "25.7");
    Type(kMonthsThisStretch, "3");
    Accrue();
    Click(Command(kSectionReset));
    QCOMPARE(SectionTexts(), QStringList({"0", "0", "12", "0", ""}));
    QCOMPARE(EnabledStates(), QList<bool>({false, false, false, true}));
  }

  void sectionResetBeforeAnyStretch() {
    Type(kMonthsThisStretch, "5");
    Type(kPrepayment, "2");
    Click(Command(kSectionReset));
    QCOMPARE(SectionTexts(), QStringList({"0", "0", "12", "0", ""}));
    QCOMPARE(EnabledStates(), QList<bool>({true, true, true, true}));
  }

  void fullResetAfterStretches() {
    Accrue();
    Type(kMonthsThisStretch, "6");
    Click(Command(kFullReset));
    QCOMPARE(SectionTexts(), QStringList({"0", "0", "6", "0", " = 3085.97\n"}));
    QCOMPARE(EnabledStates(), QList<bool>({true, true, true, true}));
    Type(kMonthsThisStretch, "12");
    Accrue();
    QCOMPARE(Text3(), QString(" = 3085.97\n + 3085.97\n"));
  }

  void fullResetAfterTheEnd() {
    Type(kMonthsRepaid, "348");
    Accrue();
    Click(Command(kFullReset));
    QCOMPARE(EnabledStates(), QList<bool>({true, true, true, false}));
  }

  void typedLogStaysInFront() {
    QPlainTextEdit* log = Control<QPlainTextEdit>("Text3");
    log->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(log, "note 1");
    QTest::keyClick(log, Qt::Key_Return);
    Accrue();
    QCOMPARE(Text3(), QString("note 1\n + 3085.97\n"));
  }

  // A stretch that cannot be computed changes nothing accumulated, says so
  // in the report box and leaves the buttons as they were.
  void refusedStretch_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("letters pasted into the months") << 6 << "abc";
    QTest::newRow("an exponent pasted into the prepayment") << 8 << "1e5";
    QTest::newRow("forty-digit prepayment") << 8 << "1234567890123456789012345678901234567890";
  }
  void refusedStretch() {
    QFETCH(int, field);
    QFETCH(QString, text);
    Type(kMonthsThisStretch, "5");
    Accrue();
    const QStringList before = {FieldText(kPrincipalRepaid), FieldText(kMonthsRepaid), Text3()};
    Paste(field, text);
    Accrue();
    QCOMPARE(Text2(), kDataError);
    QCOMPARE((QStringList{FieldText(kPrincipalRepaid), FieldText(kMonthsRepaid), Text3()}), before);
    QCOMPARE(EnabledStates(), QList<bool>({false, false, true, true}));
  }
};

QTEST_MAIN(RateChangeTest)
#include "test_rate_change.moc"
