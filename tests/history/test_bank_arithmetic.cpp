// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "history/bank_arithmetic.h"

using namespace quorvane;

class BankArithmeticTest : public QObject {
  Q_OBJECT

 private slots:
  void monthInterest_data() {
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<qint64>("interest");
    QTest::newRow("bank plan, month 1") << qint64{16'500'000} << qint64{84'600} << qint64{116'325};
    QTest::newRow("half a fen goes up") << qint64{100} << qint64{60'000} << qint64{1};
    QTest::newRow("under half goes down") << qint64{99} << qint64{60'000} << qint64{0};
    QTest::newRow("four places: 6.6555 %")
        << qint64{20'000'000} << qint64{66'555} << qint64{110'925};
    QTest::newRow("nothing owed") << qint64{0} << qint64{84'600} << qint64{0};
  }
  void monthInterest() {
    QFETCH(qint64, balance);
    QFETCH(qint64, rate);
    QFETCH(qint64, interest);
    QCOMPARE(MonthInterest(balance, Percent{rate}), interest);
  }

  void monthlyAmount_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<int>("months");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<qint64>("amount");
    const int payment = static_cast<int>(Repayment::EqualPayment);
    const int principal = static_cast<int>(Repayment::EqualPrincipal);
    QTest::newRow("bank plan") << payment << qint64{16'500'000} << 180 << qint64{84'600}
                               << qint64{162'095};
    QTest::newRow("interest-free")
        << payment << qint64{100'000} << 3 << qint64{0} << qint64{33'333};
    QTest::newRow("share, halves up")
        << principal << qint64{100'001} << 2 << qint64{61'200} << qint64{50'001};
  }
  void monthlyAmount() {
    QFETCH(int, method);
    QFETCH(qint64, balance);
    QFETCH(int, months);
    QFETCH(qint64, rate);
    QFETCH(qint64, amount);
    QCOMPARE(MonthlyAmount(static_cast<Repayment>(method), balance, months, Percent{rate}), amount);
  }

  // The branch worksheet's plan: its first rows as printed, then every month
  // but the last at the same payment, and the last repaying what is left.
  void bankPlan() {
    const Percent rate{84'600};
    Fen balance = 16'500'000;
    const Fen payment = EqualPayment(balance, 180, rate);
    const Fen printed[3][3] = {{45'770, 116'325, 16'454'230},
                               {46'093, 116'002, 16'408'137},
                               {46'418, 115'677, 16'361'719}};
    for (int k = 1; k <= 180; ++k) {
      const auto month = NextMonth(Repayment::EqualPayment, balance, payment, rate, k == 180);
      QVERIFY(month.has_value());
      if (k <= 3) {
        const Fen* row = printed[k - 1];
        QCOMPARE(std::tuple(month->principal, month->interest, month->balance),
                 std::tuple(row[0], row[1], row[2]));
      }
      QCOMPARE(month->interest, MonthInterest(balance, rate));
      if (k < 180) {
        QCOMPARE(month->payment, Fen{162'095});
      }
      QCOMPARE(month->principal + month->balance, balance);
      balance = month->balance;
    }
    QCOMPARE(balance, Fen{0});
  }

  void paymentBelowInterestIsRefused() {
    QVERIFY(!NextMonth(Repayment::EqualPayment, 100'000, 500, Percent{120'000}, false));
  }
};

QTEST_APPLESS_MAIN(BankArithmeticTest)
#include "test_bank_arithmetic.moc"
