// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>
#include <optional>

#include "arith/equal_payment.h"
#include "arith/equal_principal.h"
#include "arith/loan_texts.h"
#include "form/chart_figures.h"

using namespace quorvane;

namespace {

using Loan = quorvane::testing::LoanFieldTexts;
using Owed = std::optional<double>;

}  // namespace

// What the chart makes of a report: the principal still owed after each
// month, counted from what the program owed when it wrote the report, or
// from what the months repay once the report was edited.
class ChartFiguresTest : public QObject {
  Q_OBJECT

 private slots:
  void balanceAfterEachMonth_data() {
    QTest::addColumn<bool>("equalPayment");
    QTest::addColumn<QStringList>("loan");      // rate, principal and months repaid
    QTest::addColumn<Owed>("owed");             // nothing: the report was edited
    QTest::addColumn<QStringList>("balances");  // after months 1, 37 and the last
    QTest::addColumn<QString>("lastLine");

    // 257000 yuan less 713.89 a month; 360 shares of 713.89 repay 0.40 more.
    QTest::newRow("the whole loan")
        << false << QStringList{"7.2", "0", "0"} << Owed(257000)
        << QStringList{"256286.11", "230586.07", "-.4"}
        << "第 360 期：月还款 717.53 元，其中本金 713.89 元，利息 3.64 元，剩余本金 -.4 元";
    QTest::newRow("1 yuan repaid") << false << QStringList{"7.2", "1", "0"} << Owed(256999)
                                   << QStringList{"256285.11", "230585.07", "-1.4"} << "";
    QTest::newRow("50000 repaid in 60 months")
        << false << QStringList{"7.2", "50000", "60"} << Owed(207000)
        << QStringList{"206310", "181470", "0"} << "";
    // The first month's principal edited from 713.89 to 700.
    QTest::newRow("edited") << false << QStringList{"7.2", "0", "0"} << Owed()
                            << QStringList{"256286.51", "230586.47", "0"} << "";
    // Its own payments' principal in single precision repays 1.65 more.
    QTest::newRow("equal payment") << true << QStringList{"7.2", "0", "0"} << Owed(257000)
                                   << QStringList{"256749.97", "246846.83", "-1.65"} << "";
    QTest::newRow("equal payment, interest-free")
        << true << QStringList{"0", "0", "0"} << Owed(257000)
        << QStringList{"256286.11", "230586.07", "-0.4"}
        << "第 360 期：月还款 713.89 元，其中本金 713.89 元，利息 0 元，剩余本金 -0.4 元";
  }
  void balanceAfterEachMonth() {
    QFETCH(bool, equalPayment);
    QFETCH(QStringList, loan);
    QFETCH(Owed, owed);
    QFETCH(QStringList, balances);
    QFETCH(QString, lastLine);
    Loan fields;
    fields.rate = loan[0].toStdString();
    fields.principalRepaid = loan[1].toStdString();
    fields.monthsRepaid = loan[2].toStdString();
    const auto text =
        equalPayment ? EqualPaymentReport(fields.Texts()) : EqualPrincipalReport(fields.Texts());
    QVERIFY(text.has_value());
    auto report = ReadReport(*text);
    QVERIFY(report.has_value());
    if (!owed) {
      report->months[0][2] = "700";
    }

    const ChartFigures figures = FiguresOf(*report, owed);
    QVERIFY(figures.plottable);
    const std::size_t last = figures.months.size() - 1;
    QStringList drawn;
    for (const std::size_t month : {std::size_t{0}, std::size_t{36}, last}) {
      drawn << QString::fromStdString(
          MoneyText(report->method, figures.months[month].balanceFen.value_or(-1)));
    }
    QCOMPARE(drawn, balances);
    if (!lastLine.isEmpty()) {
      QCOMPARE(QString::fromStdString(MonthLine(figures, last)), lastLine);
    }
  }

  // Without a figure it can count on, the balance is unknown from that month
  // on, and nothing is drawn.
  void noBalanceBeyondWhatItCounts() {
    ReportTable report{ReportMethod::EqualPrincipal,
                       {{"总还款", "1E+20"}, {"其中利息", "0"}},
                       {{"1", "1", "1", "0"}, {"2", "1E+20", "1E+20", "0"}, {"3", "1", "1", "0"}}};
    const ChartFigures figures = FiguresOf(report, Owed(3));
    QCOMPARE(figures.months[0].balanceFen, std::optional<std::int64_t>(200));
    QVERIFY(!figures.months[1].balanceFen && !figures.months[2].balanceFen);
    QVERIFY(!figures.plottable);
    QVERIFY(!FiguresOf(report, Owed(1e20)).months[0].balanceFen);
  }
};

QTEST_APPLESS_MAIN(ChartFiguresTest)
#include "test_chart_figures.moc"
