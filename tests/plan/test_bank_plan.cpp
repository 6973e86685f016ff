// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "plan/bank_plan.h"
#include "plan/plan_figures.h"
#include "plan/plan_text.h"

using namespace quorvane;

class BankPlanTest : public QObject {
  Q_OBJECT

 private slots:
  // Figures as banks, spreadsheets and PDF viewers write them, in fen.
  void figures_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<qint64>("fen");  // -1: not a figure
    QTest::newRow("thousands") << QStringLiteral("1,620.95") << qint64{162'095};
    QTest::newRow("full-width, 元") << QStringLiteral("１６２０．９５元") << qint64{162'095};
    QTest::newRow("yen sign, blank") << QStringLiteral("¥ 1,620.95") << qint64{162'095};
    QTest::newRow("full-width yen") << QStringLiteral("￥1620.95") << qint64{162'095};
    QTest::newRow("brackets") << QStringLiteral("(12.00)") << qint64{-1'200};
    QTest::newRow("minus sign") << QStringLiteral("−12.5") << qint64{-1'250};
    QTest::newRow("no leading zero") << QStringLiteral(".29") << qint64{29};
    QTest::newRow("past the fen, half up") << QStringLiteral("1620.955") << qint64{162'096};
    QTest::newRow("a date") << QStringLiteral("2007-07-15") << qint64{-1};
    QTest::newRow("two points") << QStringLiteral("12.3.4") << qint64{-1};
    QTest::newRow("words") << QStringLiteral("合计") << qint64{-1};
    QTest::newRow("fourteen digits") << QStringLiteral("12345678901234") << qint64{-1};
  }
  void figures() {
    QFETCH(QString, cell);
    QFETCH(qint64, fen);
    const auto read = ReadPlanFigure(cell.toStdString());
    QCOMPARE(read.value_or(-1), fen);
  }

  void days_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("day");  // empty: not a day
    const QString day = QStringLiteral("2007-07-15");
    QTest::newRow("ISO") << day << day;
    QTest::newRow("slashes") << QStringLiteral("2007/7/15") << day;
    QTest::newRow("points") << QStringLiteral("2007.07.15") << day;
    QTest::newRow("年月日") << QStringLiteral("2007年7月15日") << day;
    QTest::newRow("eight digits") << QStringLiteral("20070715") << day;
    QTest::newRow("a spreadsheet's day number") << QStringLiteral("39278") << day;
    QTest::newRow("with a time") << QStringLiteral("2007-07-15 00:00:00") << day;
    QTest::newRow("full-width") << QStringLiteral("２００７－０７－１５") << day;
    QTest::newRow("no such day") << QStringLiteral("2007-02-30") << QString();
    QTest::newRow("a month number") << QStringLiteral("15") << QString();
  }
  void days() {
    QFETCH(QString, cell);
    QFETCH(QString, day);
    const auto read = ReadPlanDay(cell.toStdString());
    QCOMPARE(read ? QString::fromStdString(DayText(*read)) : QString(), day);
  }

  // Rows split at tabs, as CSV, or at runs of blanks, where a lone 元 is
  // the figure's.
  void cells_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("row");
    const QStringList row{"1", "2007-07-15", "2,170.11", "640.11"};
    QTest::newRow("tabs") << QStringLiteral("1\t2007-07-15\t2,170.11\t640.11") << row;
    QTest::newRow("CSV") << QStringLiteral("1,2007-07-15,\"2,170.11\",640.11") << row;
    QTest::newRow("blanks") << QStringLiteral("1  2007-07-15   2,170.11 元　640.11 元") << row;
  }
  void cells() {
    QFETCH(QString, text);
    QFETCH(QStringList, row);
    const PlanCells cells = SplitPlanText(text.toStdString());
    QCOMPARE(cells.size(), std::size_t{1});
    QStringList read;
    for (const std::string& cell : cells.front()) {
      read << QString::fromStdString(cell);
    }
    QCOMPARE(read, row);
  }

  // Two columns of figures that no sum tells apart: unsettled until the
  // borrower says what each column is.
  void theBorrowerPicksTheColumns() {
    const PlanCells cells = SplitPlanText("1\t2170.11\t640.11\n2\t2170.11\t643.37\n");
    QVERIFY(!ReadBankPlan(cells).settled);
    const BankPlan plan =
        ReadBankPlan(cells, {PlanColumn::Number, PlanColumn::Payment, PlanColumn::Principal});
    QVERIFY(plan.settled);
    QCOMPARE(plan.months.size(), std::size_t{2});
    QCOMPARE(plan.months[1].principal, std::optional<Fen>(64'337));
    QCOMPARE(plan.months[1].interest, std::optional<Fen>());
  }
};

QTEST_APPLESS_MAIN(BankPlanTest)
#include "test_bank_plan.moc"
