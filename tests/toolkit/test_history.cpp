// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <qcustomplot.h>

#include <QComboBox>
#include <QMimeData>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

// The loan's history that F12 opens, through its widgets as a user works them.
class HistoryTest : public QObject, WindowFixture {
  Q_OBJECT

  [[nodiscard]] QWidget* History() const {
    return Window().findChild<QWidget*>(QStringLiteral("history"));
  }
  template <typename Widget>
  [[nodiscard]] Widget* Part(const QString& name) const {
    auto* widget = History()->findChild<Widget*>(name);
    if (widget == nullptr) {
      qFatal("no part %s", qPrintable(name));
    }
    return widget;
  }
  [[nodiscard]] QTableWidget* Events() const {
    return Part<QTableWidget>(QStringLiteral("events"));
  }
  [[nodiscard]] QAbstractItemModel* Months() const {
    return Part<QTableView>(QStringLiteral("months"))->model();
  }
  [[nodiscard]] QStringList MonthCells(int row) const {
    QStringList cells;
    for (int column = 0; column < Months()->columnCount(); ++column) {
      cells << Months()->index(row, column).data().toString();
    }
    return cells;
  }

  void OpenHistory() const {
    QTest::keyClick(Field(kAmount), Qt::Key_F12);
    QVERIFY(History() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(History()));
  }

  void TypeInto(const QString& name, const QString& text) const {
    auto* field = Part<QLineEdit>(name);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  // F12 in a field of the main window opens the history with the loan typed
  // there and the kind of the rate list chosen last; the main window keeps
  // its fields; Esc closes the history.
  void opensWithTheMainWindowsLoan() {
    Type(kAmount, QStringLiteral("40"));
    ClickRow(kFundList, 0);
    Type(kTerm, QStringLiteral("180"));
    const QStringList fields = FieldTexts();
    OpenHistory();
    QCOMPARE(History()->windowTitle(), QStringLiteral("贷款历程 - Quorvane 1.0"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("贷款金额（万元）"))->text(), QStringLiteral("40"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("还款期限（月）"))->text(), QStringLiteral("180"));
    QCOMPARE(Part<QComboBox>(QStringLiteral("贷款种类"))->currentText(),
             QStringLiteral("公积金贷款"));
    QCOMPARE(Months()->rowCount(), 180);
    QCOMPARE(FieldTexts(), fields);
    QTest::keyClick(Events(), Qt::Key_Escape);
    QVERIFY(!History()->isVisible());
  }

  // A grant date a year earlier: the first repricing is a year earlier, the
  // payment day follows the date, and the first rate is the table's then.
  void grantDateMovesTheEvents() {
    OpenHistory();
    QCOMPARE(Events()->item(0, 0)->text(), QStringLiteral("2008-01-01"));
    TypeInto(QStringLiteral("放款日期"), QStringLiteral("2006-03-20"));
    QCOMPARE(Events()->item(0, 0)->text(), QStringLiteral("2007-01-01"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("每月还款日"))->text(), QStringLiteral("20"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("首期年利率（%）"))->text(), QStringLiteral("4.284"));
    QCOMPARE(MonthCells(0).mid(0, 3), QStringList({"1", "2006-04-20", "4.284"}));
  }

  // At 10 折 the 2024 cut lowers the spread; switched off with the space bar,
  // the months due before 2024-10-25 stay and those after pay more interest.
  void switchingOffThe2024Cut() {
    OpenHistory();
    TypeInto(QStringLiteral("利率折扣（折）"), QStringLiteral("10"));
    const QList<QStringList> before{MonthCells(207), MonthCells(208)};
    const auto found = Events()->findItems(QStringLiteral("2024-10-25"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    Events()->setFocus(Qt::MouseFocusReason);
    Events()->setCurrentItem(found.front());
    QTest::keyClick(Events()->viewport(), Qt::Key_Space);
    QTRY_COMPARE(MonthCells(208).at(2), QStringLiteral("4.20"));
    QCOMPARE(
        Events()->findItems(QStringLiteral("2024-10-25"), Qt::MatchExactly).front()->checkState(),
        Qt::Unchecked);
    QCOMPARE(MonthCells(207), before[0]);  // due 2024-10-15
    QCOMPARE(before[1].mid(1, 6),
             QStringList({"2024-11-15", "3.90", "1329.89", "812.12", "517.77", "158500.91"}));
    QCOMPARE(MonthCells(208).mid(1, 6),
             QStringList({"2024-11-15", "4.20", "1353.31", "795.71", "557.60", "158517.32"}));
  }

  // 图表… draws the rate as a step line: 7.20 × 7 折 at first, 7.83 × 7 折
  // from the seventh month, which the first repricing reached.
  void chartDrawsTheRate() {
    OpenHistory();
    QTest::keyClick(Events(), Qt::Key_F11);
    auto* chart = History()->findChild<QCustomPlot*>(QStringLiteral("chart"));
    QVERIFY(chart != nullptr);
    QCPGraph* rate = nullptr;
    for (int i = 0; i < chart->graphCount(); ++i) {
      rate = chart->graph(i)->name() == QStringLiteral("年利率(%)") ? chart->graph(i) : rate;
    }
    QVERIFY(rate != nullptr);
    QCOMPARE(rate->dataCount(), 360);
    QCOMPARE(rate->lineStyle(), QCPGraph::lsStepLeft);
    QCOMPARE(rate->data()->at(5)->value, 5.04);
    QCOMPARE(rate->data()->at(6)->value, 5.481);
  }

  // 复制为表格 puts what the months table shows on the clipboard, under the
  // contract and the headings.
  void copyReadsBack() {
    OpenHistory();
    QTest::keyClick(Events(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied->hasHtml());
    QStringList rows = copied->text().split(QStringLiteral("\r\n"));
    QCOMPARE(rows.front(), QStringLiteral("贷款种类\t商业贷款"));
    rows =
        rows.mid(rows.indexOf(QStringLiteral("期数\t还款日期\t年利率(%)\t月还款(元)\t其中本金(元)\t"
                                             "利息(元)\t剩余本金(元)\t说明")) +
                 1);
    QCOMPARE(rows.takeLast(), QString());
    QCOMPARE(rows.size(), Months()->rowCount());
    for (int row = 0; row < rows.size(); ++row) {
      QCOMPARE(rows[row].split(QChar('\t')), MonthCells(row));
    }
  }
};

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
