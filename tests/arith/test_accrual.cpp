// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "arith/accrual.h"
#include "arith/equal_payment.h"
#include "arith/loan_end.h"
#include "arith/loan_texts.h"

using namespace quorvane;

namespace {

// The fields of the rate-change section with the full reset's loan.
struct Fields : quorvane::testing::LoanFieldTexts {
  std::string months = "12";
  std::string prepayment = "0";
  std::string log;

  [[nodiscard]] StretchTexts Stretch() const { return {Texts(), months, prepayment, log}; }

  // Writes a stretch's texts back as the form does; false when it failed.
  bool Accrue(bool equalPayment) {
    const auto accrued =
        equalPayment ? AccrueEqualPayment(Stretch()) : AccrueEqualPrincipal(Stretch());
    if (!accrued) {
      return false;
    }
    principalRepaid = accrued->principalRepaid;
    monthsRepaid = accrued->monthsRepaid;
    log = accrued->log;
    return true;
  }

  [[nodiscard]] QStringList Results() const {
    return {QString::fromStdString(principalRepaid), QString::fromStdString(monthsRepaid),
            QString::fromStdString(log)};
  }
};

// The field names a data row may change.
std::string& FieldNamed(Fields& fields, const QString& name) {
  if (name == "amount") return fields.amount;
  if (name == "rate") return fields.rate;
  if (name == "discount") return fields.discount;
  if (name == "term") return fields.term;
  if (name == "principalRepaid") return fields.principalRepaid;
  if (name == "monthsRepaid") return fields.monthsRepaid;
  if (name == "months") return fields.months;
  if (name == "prepayment") return fields.prepayment;
  qFatal("no field %s", qPrintable(name));
}

Fields With(const QStringList& changes) {
  Fields fields;
  for (const QString& change : changes) {
    const auto parts = change.split('=');
    FieldNamed(fields, parts[0]) = parts[1].toStdString();
  }
  return fields;
}

}  // namespace

class AccrualTest : public QObject {
  Q_OBJECT

 private slots:
  void oneStretch_data() {
    QTest::addColumn<bool>("equalPayment");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("results");
    const auto row = [](const char* name, bool equalPayment, const QStringList& changes,
                        const QString& principal, const QString& months, const QString& log) {
      QTest::newRow(name) << equalPayment << changes
                          << QStringList{principal, months, log + "\r\n"};
    };
    row("payment, 12 months", true, {}, "3085.97", "12", " = 3085.97");
    row("payment, prepayment 1", true, {"prepayment=1"}, "13085.97", "12", " = 13085.97");
    row("payment, prepayment 10", true, {"prepayment=10"}, "103086", "12", " = 103086");
    row("payment, no month", true, {"months=0"}, "0", "0", " = 0");
    row("payment, part of a month", true, {"months=0.5", "prepayment=1"}, "10000", "0.5",
        " = 10000");
    row("payment, 12.5 months", true, {"months=12.5"}, "3085.97", "12.5", " = 3085.97");
    row("payment, a short loan to its end", true, {"amount=1", "term=7", "months=7"}, "9999.97",
        "7", " = 9999.97");
    row("payment, past the end of the loan", true, {"monthsRepaid=350"}, "309987.6", "362",
        " = 309987.6");
    row("payment, interest-free", true, {"rate=0"}, "8566.68", "12", " = 8566.68");
    row("principal, 12 months", false, {}, "8566.68", "12", " = 8566.68");
    row("principal, 12.5 months", false, {"months=12.5"}, "8923.63", "12.5", " = 8923.63");
    row("principal, a short loan to its end", false, {"amount=1", "term=7", "months=7"}, "9999.99",
        "7", " = 9999.99");
    row("principal, prepayment 1", false, {"prepayment=1"}, "18566.68", "12", " = 18566.68");
    row("principal, rate plays no part", false, {"rate=0", "discount=0"}, "8566.68", "12",
        " = 8566.68");
    // Pasted text the field repair lets through, in fields the stretch does not use.
    row("principal, letters in rate and discount", false, {"rate=abc", "discount=x"}, "8566.68",
        "12", " = 8566.68");
  }
  void oneStretch() {
    QFETCH(bool, equalPayment);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, results);
    Fields fields = With(changes);
    QVERIFY(fields.Accrue(equalPayment));
    QCOMPARE(fields.Results(), results);
  }

  void twoStretchesAcrossARateChange() {
    Fields fields = With({"months=5"});
    QVERIFY(fields.Accrue(true));
    QCOMPARE(fields.Results(), QStringList({"1262.97", "5", " = 1262.97\r\n"}));
    fields.rate = "7.83";
    fields.months = "12";
    QCOMPARE(MonthlyPayment(255737.03, 355, 7.83 * 8.5 / 12000), 1649.99F);
    QVERIFY(fields.Accrue(true));
    QCOMPARE(fields.Results(), QStringList({"4128.63", "17", " = 1262.97\r\n + 2865.66\r\n"}));
  }

  void twoStretchesOfEqualPrincipal() {
    Fields fields = With({"months=5"});
    QVERIFY(fields.Accrue(false));
    QCOMPARE(fields.Results(), QStringList({"3569.45", "5", " = 3569.45\r\n"}));
    fields.months = "12";
    QVERIFY(fields.Accrue(false));
    QCOMPARE(fields.Results(), QStringList({"12136.13", "17", " = 3569.45\r\n + 8566.68\r\n"}));
  }

  void methodsSwitchedBetweenStretches() {
    Fields fields;
    QVERIFY(fields.Accrue(true));
    QVERIFY(fields.Accrue(false));
    // The share is computed on what the first stretch left: 253914.03 over 348 months.
    QCOMPARE(QString::fromStdString(fields.log), QString(" = 3085.97\r\n + 8755.68\r\n"));
    QCOMPARE(QString::fromStdString(fields.monthsRepaid), QString("24"));
  }

  // Ten million yuan or more repaid is written in exponent form; the next
  // stretch and the report still read it.
  void largePrincipalRepaidReadsBack() {
    Fields fields = With({"amount=5000", "prepayment=1000"});
    QVERIFY(fields.Accrue(true));
    QVERIFY(fields.principalRepaid.find("E+07") != std::string::npos);
    QVERIFY(fields.Accrue(true));
    const auto report = EqualPaymentReport(fields.Texts());
    QVERIFY(report && report->starts_with("月还款:"));
  }

  void typedTextStaysInFrontOfTheLog() {
    Fields fields;
    fields.log = "我的记录";
    QVERIFY(fields.Accrue(true));
    QCOMPARE(QString::fromStdString(fields.log), QString("我的记录 + 3085.97\r\n"));
  }

  // The first month leaves a fen value just above 25674997, which is rounded
  // to single precision (25674998) before it is rounded to the fen.
  void balanceKeptInSinglePrecision() {
    EqualPaymentMonths months(257000, 0.0051, 1560.73F);
    const auto first = months.Next();
    QCOMPARE(first.principal, 250.03F);
    QCOMPARE(months.Balance(), double{256749.98F});
    const auto second = months.Next();
    QCOMPARE(second.interest, 1309.42F);
    QCOMPARE(second.principal, 251.31F);
  }

  void refusedStretch_data() {
    QTest::addColumn<bool>("equalPayment");
    QTest::addColumn<QStringList>("changes");
    for (const bool equalPayment : {true, false}) {
      const char* method = equalPayment ? "payment" : "principal";
      const auto row = [&](const char* what, const QStringList& changes) {
        QTest::addRow("%s: %s", method, what) << equalPayment << changes;
      };
      row("no month left", {"monthsRepaid=360"});
      row("interest-free with no month left", {"monthsRepaid=360", "rate=0"});
      row("empty months", {"months="});
      row("letters in the prepayment", {"prepayment=abc"});
      row("two points in the months repaid", {"monthsRepaid=1..2"});
      row("empty amount", {"amount="});
      row("forty-digit amount", {"amount=1234567890123456789012345678901234567890"});
      row("forty-digit prepayment", {"prepayment=1234567890123456789012345678901234567890"});
    }
    QTest::newRow("payment: a stretch of a billion months")
        << true << QStringList{"months=1000000000"};
    // Months repaid already past the term: nothing is owed by months, and the
    // formulas would repay a negative principal.
    QTest::newRow("payment: months repaid past the term")
        << true << QStringList{"monthsRepaid=361"};
    QTest::newRow("principal: months repaid past the term")
        << false << QStringList{"monthsRepaid=361"};
    // The first month's balance, 3.5 x 10^38 fen, is beyond single precision.
    QTest::newRow("payment: the balance overflows")
        << true << QStringList{"amount=3.5E+32", "months=1"};
  }
  void refusedStretch() {
    QFETCH(bool, equalPayment);
    QFETCH(QStringList, changes);
    Fields fields = With(changes);
    fields.log = " = 1262.97\r\n";
    QVERIFY(!fields.Accrue(equalPayment));
  }

  void loanRepaid_data() {
    QTest::addColumn<QString>("monthsRepaid");
    QTest::addColumn<QString>("principalRepaid");
    QTest::addColumn<bool>("repaid");
    QTest::newRow("nothing repaid") << "0"
                                    << "0" << false;
    QTest::newRow("months reach the term") << "360"
                                           << "256999.97" << true;
    QTest::newRow("months past the term") << "362"
                                          << "0" << true;
    QTest::newRow("one month short") << "359"
                                     << "0" << false;
    QTest::newRow("principal reaches the amount") << "12"
                                                  << "257000" << true;
    QTest::newRow("principal past the amount") << "12"
                                               << "309987.6" << true;
    QTest::newRow("one fen short") << "12"
                                   << "256999.99" << false;
    QTest::newRow("months not a number") << ""
                                         << "257000" << true;
    QTest::newRow("principal not a number") << "360"
                                            << "abc" << true;
    QTest::newRow("neither a number") << "."
                                      << "abc" << false;
  }
  void loanRepaid() {
    QFETCH(QString, monthsRepaid);
    QFETCH(QString, principalRepaid);
    QFETCH(bool, repaid);
    QCOMPARE(LoanRepaid(monthsRepaid.toStdString(), "360", principalRepaid.toStdString(), "25.7"),
             repaid);
  }
};

QTEST_APPLESS_MAIN(AccrualTest)
#include "test_accrual.moc"
