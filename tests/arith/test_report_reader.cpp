// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QRegularExpression>
#include <QTest>

#include "arith/equal_payment.h"
#include "arith/equal_principal.h"
#include "arith/loan_texts.h"
#include "arith/report_reader.h"

using namespace quorvane;

namespace {

using Loan = quorvane::testing::LoanFieldTexts;

// The figures of each line, found by their look alone: what stands between
// the words, in order.
QList<QStringList> FiguresByLine(const std::string& report) {
  static const QRegularExpression figure(QStringLiteral("(?<![0-9])-?[0-9.]+(E[+-][0-9]+)?"));
  QList<QStringList> lines;
  for (const QString& line : QString::fromStdString(report).split(QStringLiteral("\r\n"))) {
    if (line.isEmpty() || line.startsWith('-')) {
      continue;
    }
    QStringList figures;
    for (auto match = figure.globalMatch(line); match.hasNext();) {
      figures << match.next().captured();
    }
    lines << figures;
  }
  return lines;
}

QList<QStringList> FiguresRead(const ReportTable& table) {
  QList<QStringList> lines{{}};
  for (const ReportFigure& figure : table.figures) {
    lines[0] << QString::fromStdString(figure.value);
  }
  for (const ReportMonth& month : table.months) {
    QStringList figures;
    for (const std::string& figure : month) {
      figures << QString::fromStdString(figure);
    }
    lines << figures;
  }
  return lines;
}

}  // namespace

// What the schedules write, the report reader reads back, every figure.
class ReportReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void readsBackWhatTheSchedulesWrite_data() {
    QTest::addColumn<bool>("equalPayment");
    QTest::addColumn<QStringList>("fields");  // amount, term, principal and months repaid
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("exponentForm");  // a figure the report writes that way
    const auto row = [](const char* name, bool equalPayment, const QStringList& fields, int months,
                        const QString& exponent = {}) {
      QTest::newRow(name) << equalPayment << fields << months << exponent;
    };
    row("equal payment", true, {"25.7", "360", "0", "0"}, 360);
    row("equal principal", false, {"25.7", "360", "0", "0"}, 360);
    row("one month", true, {"25.7", "1", "0", "0"}, 1);
    row("1,200 months", false, {"25.7", "1200", "0", "0"}, 1200);
    row("continued", true, {"25.7", "360", "6366.5", "24"}, 336);
    row("exponent form", true, {"99999", "360", "0", "0"}, 360, "E+09");
    row("exponent form, equal principal", false, {"99999", "360", "0", "0"}, 360, "E+09");
  }
  void readsBackWhatTheSchedulesWrite() {
    QFETCH(bool, equalPayment);
    QFETCH(QStringList, fields);
    QFETCH(int, months);
    QFETCH(QString, exponentForm);
    Loan loan;
    loan.amount = fields[0].toStdString();
    loan.term = fields[1].toStdString();
    loan.principalRepaid = fields[2].toStdString();
    loan.monthsRepaid = fields[3].toStdString();
    const auto report =
        equalPayment ? EqualPaymentReport(loan.Texts()) : EqualPrincipalReport(loan.Texts());
    QVERIFY(report.has_value());
    QVERIFY(report->ends_with("\r\n"));
    QVERIFY(exponentForm.isEmpty() || QString::fromStdString(*report).contains(exponentForm));

    const auto table = ReadReport(*report);
    QVERIFY(table.has_value());
    QCOMPARE(table->method,
             equalPayment ? ReportMethod::EqualPayment : ReportMethod::EqualPrincipal);
    QCOMPARE(static_cast<int>(table->months.size()), months);
    QCOMPARE(FiguresRead(*table), FiguresByLine(*report));
  }
};

QTEST_MAIN(ReportReaderTest)
#include "test_report_reader.moc"
