// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QTest>
#include <cmath>

#include "arith/equal_payment.h"
#include "arith/equal_principal.h"
#include "arith/loan_texts.h"
#include "arith/number_rules.h"
#include "report_lines.h"

using namespace quorvane;
using quorvane::testing::ReportLines;

namespace {

using Loan = quorvane::testing::LoanFieldTexts;

enum class Method { EqualPayment, EqualPrincipal };

std::optional<std::string> Report(Method method, const Loan& loan) {
  return method == Method::EqualPayment ? EqualPaymentReport(loan.Texts())
                                        : EqualPrincipalReport(loan.Texts());
}

QStringList ExpectedLines(const QString& file) {
  QFile data(QStringLiteral(QUORVANE_TEST_DATA "/") + file);
  if (!data.open(QIODevice::ReadOnly)) {
    return {QStringLiteral("cannot read ") + file};
  }
  return ReportLines(data.readAll().toStdString());
}

}  // namespace

Q_DECLARE_METATYPE(Method)

class SchedulesTest : public QObject {
  Q_OBJECT

 private slots:
  void equalPaymentDefaults() {
    const auto lines = ReportLines(EqualPaymentReport(Loan{}.Texts()));
    QCOMPARE(lines.size(), 362);
    QCOMPARE(lines[0], QString("月还款:1560.73元| 总还款:561862.8元| 其中利息:304862.8元"));
    QCOMPARE(lines[1], QString(56, '-'));
    QCOMPARE(lines[2], QString("第1期:1560.73元 | 其中本金:250.03元 | 利息:1310.7元"));
    QCOMPARE(lines[3], QString("第2期:1560.73元 | 其中本金:251.31元 | 利息:1309.42元"));
    QVERIFY(lines[361].startsWith("第360期:1560.73元 | 其中本金:"));
  }

  // Every month's principal and interest make up the payment, and the
  // principals repay the loan to within the rounding of 360 months.
  void equalPaymentMonthsAddUp() {
    const auto lines = ReportLines(EqualPaymentReport(Loan{}.Texts()));
    double principalTotal = 0;
    for (qsizetype i = 2; i < lines.size(); ++i) {
      const QString principal = lines[i].section("其中本金:", 1).section("元", 0, 0);
      const QString interest = lines[i].section("利息:", 1).section("元", 0, 0);
      const float sum = principal.toFloat() + interest.toFloat();
      QVERIFY2(qAbs(sum - 1560.73F) < 0.005F, qPrintable(lines[i]));
      principalTotal += principal.toDouble();
    }
    QVERIFY2(qAbs(principalTotal - 257000) < 5, qPrintable(QString::number(principalTotal)));
  }

  void completeReports_data() {
    QTest::addColumn<Method>("method");
    QTest::addColumn<QString>("file");
    QTest::newRow("equal payment") << Method::EqualPayment << "equal_payment_default.txt";
    QTest::newRow("equal principal") << Method::EqualPrincipal << "equal_principal_default.txt";
  }
  void completeReports() {
    QFETCH(Method, method);
    QFETCH(QString, file);
    QUORVANE_COMPARE_LINES(ReportLines(Report(method, Loan{})), ExpectedLines(file));
  }

  void reportLinesEndInCrLf() {
    for (const Method method : {Method::EqualPayment, Method::EqualPrincipal}) {
      const std::string report = Report(method, Loan{}).value_or("");
      QVERIFY(report.ends_with("元\r\n"));
      QCOMPARE(std::count(report.begin(), report.end(), '\n'),
               std::count(report.begin(), report.end(), '\r'));
    }
  }

  void equalPaymentSevenDigitTotals() {
    Loan loan;
    loan.amount = "60";
    loan.term = "240";
    const auto lines = ReportLines(EqualPaymentReport(loan.Texts()));
    QCOMPARE(lines[0], QString("月还款:4340.23元| 总还款:1041655元| 其中利息:441655.2元"));
    QCOMPARE(lines.size(), 242);
  }

  void equalPaymentOneMonth() {
    // Constructed rather than assigned: MinGW's GCC 12 takes assigning a
    // one-character literal for an overlapping copy (-Wrestrict).
    const Loan loan{.term = "1"};
    const auto lines = ReportLines(EqualPaymentReport(loan.Texts()));
    // One month: the payment is the principal with one month's interest.
    QVERIFY2(lines[0].startsWith("月还款:258310.7元| 总还款:258310.7元| 其中利息:"),
             qPrintable(lines[0]));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[2], QString("第1期:258310.7元 | 其中本金:257000元 | 利息:1310.7元"));
  }

  void fractionalMonths() {
    Loan loan;
    loan.term = "12.5";
    const auto lines = ReportLines(EqualPaymentReport(loan.Texts()));
    QCOMPARE(lines.size(), 2 + 12);
    // 257000 x 0.0051 x G / (G - 1) with G = 1.0051^12.5: 21274.678… yuan.
    QVERIFY2(lines[0].startsWith("月还款:21274.68元|"), qPrintable(lines[0]));
    QVERIFY(lines.back().startsWith("第12期:"));
  }

  void continuation_data() {
    QTest::addColumn<Method>("method");
    QTest::addColumn<QString>("principalRepaid");
    QTest::addColumn<QString>("monthsRepaid");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLineStart");
    QTest::newRow("equal payment after 24 months") << Method::EqualPayment << "0"
                                                   << "24" << 336 << "第25期:"
                                                   << "第360期:";
    QTest::newRow("equal principal after 60 months")
        << Method::EqualPrincipal << "50000"
        << "60" << 300 << "第61期：1745.7元 | 其中本金:690元 | 利息:1055.7元"
        << "第360期：";
    QTest::newRow("fractional months repaid") << Method::EqualPrincipal << "0"
                                              << "0.5" << 359 << "第1.5期："
                                              << "第359.5期：";
  }
  void continuation() {
    QFETCH(Method, method);
    QFETCH(QString, principalRepaid);
    QFETCH(QString, monthsRepaid);
    QFETCH(int, lineCount);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLineStart);
    Loan loan;
    loan.principalRepaid = principalRepaid.toStdString();
    loan.monthsRepaid = monthsRepaid.toStdString();
    const auto lines = ReportLines(Report(method, loan));
    QCOMPARE(lines.size() - 2, lineCount);
    QVERIFY2(lines[2].startsWith(firstLine), qPrintable(lines[2]));
    QVERIFY2(lines.back().startsWith(lastLineStart), qPrintable(lines.back()));
  }

  void equalPrincipalDefaults() {
    const auto lines = ReportLines(EqualPrincipalReport(Loan{}.Texts()));
    QCOMPARE(lines.size(), 362);
    QCOMPARE(lines[0], QString("总还款:493581其中利息:236581元"));
    QCOMPARE(lines[1], QString(40, '-'));
    QCOMPARE(lines[2], QString("第1期：2024.59元 | 其中本金:713.89元 | 利息:1310.7元"));
    QCOMPARE(lines[3], QString("第2期：2020.95元 | 其中本金:713.89元 | 利息:1307.06元"));
    QCOMPARE(lines[361], QString("第360期：717.53元 | 其中本金:713.89元 | 利息:3.64元"));
  }

  void equalPrincipalTotalsCountTheWholeAmount() {
    Loan loan;
    loan.principalRepaid = "50000";
    loan.monthsRepaid = "60";
    const auto lines = ReportLines(EqualPrincipalReport(loan.Texts()));
    QCOMPARE(lines[0], QString("总还款:415883其中利息:158883元"));
  }

  void equalPrincipalLessThanAMonth() {
    Loan loan;
    loan.monthsRepaid = "359.5";
    const auto lines = ReportLines(EqualPrincipalReport(loan.Texts()));
    QCOMPARE(lines, QStringList({"总还款:257000其中利息:0元", QString(40, '-')}));
  }

  // A rate of zero, or one so small that (1 + r)^n - 1 loses its digits in
  // double precision, pays the interest-free payment, the formula's limit.
  void interestFreeLoan_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("discount");
    QTest::newRow("rate zero") << "0"
                               << "8.5";
    QTest::newRow("discount zero") << "7.2"
                                   << "0";
    QTest::newRow("1e-12 %") << "0.000000000001"
                             << "8.5";
    QTest::newRow("1e-11 %") << "0.00000000001"
                             << "7";
    QTest::newRow("1e-9 %") << "0.000000001"
                            << "10";
  }
  void interestFreeLoan() {
    QFETCH(QString, rate);
    QFETCH(QString, discount);
    Loan loan;
    loan.rate = rate.toStdString();
    loan.discount = discount.toStdString();
    const auto lines = ReportLines(EqualPaymentReport(loan.Texts()));
    QCOMPARE(lines.size(), 362);
    QVERIFY2(lines[0].startsWith("月还款:713.89元| 总还款:257000.4元| 其中利息:.41元"),
             qPrintable(lines[0]));
    for (qsizetype i = 2; i < lines.size(); ++i) {
      QVERIFY2(lines[i].endsWith("其中本金:713.89元 | 利息:0元"), qPrintable(lines[i]));
    }
  }

  // The payment of worked loans, figured by hand from the formula and
  // rounded half up to the fen.
  void paymentsOfWorkedLoans_data() {
    QTest::addColumn<double>("principal");
    QTest::addColumn<double>("months");
    QTest::addColumn<double>("annualRate");
    QTest::addColumn<double>("discount");
    QTest::addColumn<float>("payment");
    QTest::newRow("the defaults") << 257000.0 << 360.0 << 7.2 << 8.5 << 1560.73F;
    QTest::newRow("60 万元 over 240 months") << 600000.0 << 240.0 << 7.2 << 8.5 << 4340.23F;
    QTest::newRow("after a stretch, at 7.83 %") << 255737.03 << 355.0 << 7.83 << 8.5 << 1649.99F;
    QTest::newRow("1 万元 over 7 months") << 10000.0 << 7.0 << 7.2 << 8.5 << 1457.86F;
    QTest::newRow("ten months left") << 257000.0 << 10.0 << 7.2 << 8.5 << 26426.39F;
    QTest::newRow("a tiny rate: 257000 / 360 and 2.7 yuan of interest")
        << 257000.0 << 360.0 << 0.0001 << 7.0 << 713.90F;
  }
  void paymentsOfWorkedLoans() {
    QFETCH(double, principal);
    QFETCH(double, months);
    QFETCH(double, annualRate);
    QFETCH(double, discount);
    QFETCH(float, payment);
    QCOMPARE(MonthlyPayment(principal, months, annualRate * discount / 12000), payment);
  }

  void dataError_data() {
    QTest::addColumn<Method>("method");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    const std::initializer_list<std::pair<const char*, Method>> methods{
        {"equal payment", Method::EqualPayment}, {"equal principal", Method::EqualPrincipal}};
    for (const auto& [name, method] : methods) {
      const auto row = [&](const char* what, int field, const char* text) {
        QTest::addRow("%s: %s", name, what) << method << field << QString::fromUtf8(text);
      };
      row("months repaid equal to the term", 5, "360");
      row("months repaid past the term", 5, "400");
      row("principal repaid equal to the amount", 4, "257000");
      row("principal repaid past the amount", 4, "300000");
      row("empty amount", 0, "");
      row("letters in the rate", 1, "abc");
      row("empty discount", 2, "");
      row("two points in the term", 3, "1.2.3");
      row("pasted full-width text", 4, "０");
      row("lone point", 5, ".");
      row("term zero", 3, "0");
      row("negative term", 3, "-12");
      row("negative amount", 0, "-25.7");
      row("forty-digit amount", 0, "1234567890123456789012345678901234567890");
      row("forty-digit rate", 1, "1234567890123456789012345678901234567890");
      row("a term of a million months", 3, "1000000");
      row("amount beyond double", 0, std::string(310, '9').c_str());
    }
  }
  void dataError() {
    QFETCH(Method, method);
    QFETCH(int, field);
    QFETCH(QString, text);
    Loan loan;
    std::string* fields[] = {&loan.amount,          &loan.rate,        &loan.discount, &loan.term,
                             &loan.principalRepaid, &loan.monthsRepaid};
    *fields[field] = text.toStdString();
    QVERIFY(!Report(method, loan).has_value());
  }

  // Large but finite loans report their figures in exponent form, never as
  // "inf" or "nan".
  void largeLoanInExponentForm() {
    Loan loan;
    loan.amount = "100000";
    for (const Method method : {Method::EqualPayment, Method::EqualPrincipal}) {
      const std::string report = Report(method, loan).value_or("");
      QVERIFY2(report.find("E+") != std::string::npos, report.substr(0, 200).c_str());
      QVERIFY(report.find("inf") == std::string::npos);
      QVERIFY(report.find("nan") == std::string::npos);
      QCOMPARE(ReportLines(report).size(), 362);
    }
  }
};

QTEST_APPLESS_MAIN(SchedulesTest)
#include "test_schedules.moc"
