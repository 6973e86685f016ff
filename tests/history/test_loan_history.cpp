// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "history/loan_history.h"

using namespace quorvane;

class LoanHistoryTest : public QObject {
  Q_OBJECT

 private slots:
  // 200 000 yuan over 240 months at 6.12 % from 2007-06-15, 1446.74 a month;
  // 50 000 repaid on 2010-06-20, after the 36th payment, with 183 183.56 owed.
  void prepayment_data() {
    QTest::addColumn<bool>("shortenTerm");
    QTest::addColumn<int>("lastNumber");
    QTest::addColumn<qint64>("payment");
    QTest::addColumn<qint64>("lastPayment");
    QTest::addColumn<qint64>("lastInterest");
    QTest::newRow("减少月供") << false << 240 << qint64{105'185} << qint64{105'344} << qint64{535};
    QTest::newRow("缩短期限") << true << 161 << qint64{144'355} << qint64{144'422} << qint64{733};
  }
  void prepayment() {
    QFETCH(bool, shortenTerm);
    QFETCH(int, lastNumber);
    QFETCH(qint64, payment);
    QFETCH(qint64, lastPayment);
    QFETCH(qint64, lastInterest);
    const Contract contract;
    const Prepayment prepaid[] = {{std::chrono::year{2010} / 6 / 20, 5'000'000, shortenTerm}};
    const auto rows = LoanHistory(contract, 20'000'000, Repayment::EqualPayment, {}, prepaid);
    QVERIFY(rows.has_value());
    QCOMPARE(rows->at(35).month.payment, Fen{144'674});
    QCOMPARE(rows->at(35).month.balance, Fen{18'318'356});
    QCOMPARE(rows->at(36).number, 0);
    QCOMPARE(rows->at(36).month.balance, Fen{13'318'356});
    QCOMPARE(rows->at(37).month.payment, payment);
    QCOMPARE(rows->back().number, lastNumber);
    QCOMPARE(std::pair(rows->back().month.payment, rows->back().month.interest),
             std::pair(Fen{lastPayment}, Fen{lastInterest}));
    QCOMPARE(rows->back().month.balance, Fen{0});
  }

  // A rate holds for the payments due after its day, not on it.
  void rateFromTheDayAfter() {
    const Contract contract;
    const RateStep steps[] = {{std::chrono::year{2007} / 7 / 15, Percent{66'555}},
                              {std::chrono::year{2007} / 8 / 15, Percent{50'490}}};
    const auto rows = LoanHistory(contract, 20'000'000, Repayment::EqualPayment, steps, {});
    QVERIFY(rows.has_value());
    QCOMPARE(rows->at(0).rate, Percent{61'200});
    QCOMPARE(rows->at(1).rate, Percent{66'555});
    QCOMPARE(rows->at(2).rate, Percent{50'490});
    QCOMPARE(rows->at(1).month.interest, Fen{110'688});  // 199 573.26 owed × 6.6555 % ⁄ 12
  }

  void prepaymentOfEverythingEndsTheLoan() {
    const Contract contract;
    const Prepayment prepaid[] = {{std::chrono::year{2008} / 1 / 1, 50'000'000, false}};
    const auto rows = LoanHistory(contract, 20'000'000, Repayment::EqualPrincipal, {}, prepaid);
    QVERIFY(rows.has_value());
    QCOMPARE(rows->size(), std::size_t{7});
    QCOMPARE(rows->back().month.balance, Fen{0});
  }
};

QTEST_APPLESS_MAIN(LoanHistoryTest)
#include "test_loan_history.moc"
