// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <qcustomplot.h>

#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {

// A report read with the test's own patterns: each month's figures as the
// box writes them, and the header's 总还款 and 其中利息.
struct BoxReport {
  QList<QStringList> months;  // 期数, 月还款, 其中本金, 利息
  double total = 0;
  double interest = 0;
};

BoxReport ReadBox(const QStringList& lines) {
  static const QRegularExpression header(
      QStringLiteral("总还款:(\\S+?)(?:元\\| )?其中利息:(\\S+?)元"));
  static const QRegularExpression month(
      QStringLiteral("^第(.+)期[:：](.+)元 \\| 其中本金:(.+)元 \\| 利息:(.+)元$"));
  BoxReport report;
  const auto totals = header.match(lines.value(0));
  report.total = totals.captured(1).toDouble();
  report.interest = totals.captured(2).toDouble();
  for (const QString& line : lines.mid(2)) {
    const auto match = month.match(line);
    if (match.hasMatch()) {
      report.months << match.capturedTexts().mid(1);
    }
  }
  return report;
}

QVector<double> Values(QCPAbstractPlottable* plottable) {
  QVector<double> values;
  auto* series = dynamic_cast<QCPPlottableInterface1D*>(plottable);
  for (int i = 0; series != nullptr && i < series->dataCount(); ++i) {
    values << series->dataMainValue(i);
  }
  return values;
}

QVector<double> Keys(QCPAbstractPlottable* plottable) {
  QVector<double> keys;
  auto* series = dynamic_cast<QCPPlottableInterface1D*>(plottable);
  for (int i = 0; series != nullptr && i < series->dataCount(); ++i) {
    keys << series->dataMainKey(i);
  }
  return keys;
}

}  // namespace

// The repayment chart that F11 in the report box opens: what it draws is the
// report in the box, month by month.
class ChartTest : public QObject, WindowFixture {
  Q_OBJECT

  QPlainTextEdit* Report() const { return Control<QPlainTextEdit>(QStringLiteral("Text2")); }
  QCustomPlot* Chart() const { return Window().findChild<QCustomPlot*>(QStringLiteral("chart")); }
  QString Status() const { return Chart()->window()->findChild<QLabel*>("status")->text(); }
  QString Summary() const { return Chart()->window()->findChild<QLabel*>("summary")->text(); }

  QCPAbstractPlottable* Series(const QString& name) const {
    for (int i = 0; i < Chart()->plottableCount(); ++i) {
      if (Chart()->plottable(i)->name() == name) {
        return Chart()->plottable(i);
      }
    }
    return nullptr;
  }

  void PressF11() const {
    Report()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Report(), Qt::Key_F11);
  }

  void PressOnChart(Qt::Key key, int times = 1) const {
    for (int i = 0; i < times; ++i) {
      QTest::keyClick(Chart(), key);
    }
  }

  // Puts a text in the report box as a user's paste does.
  void PasteReport(const QString& text) const {
    QApplication::clipboard()->setText(text);
    Report()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Report(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Report(), Qt::Key_V, Qt::ControlModifier);
  }

  bool ChartEntryEnabled() const {
    QMenu* menu = OpenContextMenu(Report());
    bool enabled = false;
    for (const QAction* action : menu->actions()) {
      if (action->text() == QStringLiteral("图表…")) {
        enabled = action->isEnabled();
      }
    }
    menu->close();
    return enabled;
  }

 private slots:
  void init() {
    Open();
    Click(Command(kFullReset));
  }
  void cleanup() { Close(); }

  void plotsTheReportsOwnFigures_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("monthsRepaid");
    QTest::addColumn<QString>("principalRepaid");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QVector<double>>("balances");  // after months 1, 37 and the last
    QTest::newRow("equal payment") << 0 << "7.2"
                                   << "0"
                                   << "0"
                                   << "54.3%" << QVector<double>{256749.97, 246846.83, -1.65};
    QTest::newRow("equal principal") << 1 << "7.2"
                                     << "0"
                                     << "0"
                                     << "47.9%" << QVector<double>{256286.11, 230586.07, -0.4};
    QTest::newRow("equal payment, continued")
        << 0 << "7.2"
        << "24"
        << "6366.5"
        << "52.2%" << QVector<double>{250351, 239161.87, -3.17};
    // Its 总还款 counts the whole loan, 50000 repaid before it included.
    QTest::newRow("equal principal, continued") << 1 << "7.2"
                                                << "60"
                                                << "50000"
                                                << "38.2%" << QVector<double>{206310, 181470, 0};
    QTest::newRow("interest-free") << 0 << "0"
                                   << "0"
                                   << "0"
                                   << "0.0%" << QVector<double>{256286.11, 230586.07, -0.4};
  }
  void plotsTheReportsOwnFigures() {
    QFETCH(int, method);
    QFETCH(QString, rate);
    QFETCH(QString, monthsRepaid);
    QFETCH(QString, principalRepaid);
    QFETCH(QString, share);
    QFETCH(QVector<double>, balances);
    Type(kRate, rate);
    Type(kMonthsRepaid, monthsRepaid);
    Type(kPrincipalRepaid, principalRepaid);
    Click(Option(method));
    Click(Command(kCalculate));
    PressF11();
    QVERIFY(Chart() != nullptr);
    QCOMPARE(Chart()->window()->windowTitle(), QStringLiteral("还款图表 - Quorvane 1.0"));

    const BoxReport report = ReadBox(ReportLines());
    QCOMPARE(report.months.size(), 360 - monthsRepaid.toInt());
    QVector<double> periods;
    QVector<double> principal;
    QVector<double> interest;
    for (const QStringList& month : report.months) {
      periods << month[0].toDouble();
      principal << month[2].toDouble();
      interest << month[3].toDouble();
    }
    QCOMPARE(Keys(Series("其中本金")), periods);
    QCOMPARE(Values(Series("其中本金")), principal);
    QCOMPARE(Values(Series("利息")), interest);
    QCOMPARE(Keys(Series("剩余本金")), periods);
    const QVector<double> balance = Values(Series("剩余本金"));
    QCOMPARE((QVector<double>{balance[0], balance[36], balance.back()}), balances);

    QVERIFY2(Summary().endsWith(QStringLiteral("利息占总还款 ") + share), qPrintable(Summary()));
    QCOMPARE(QString::number(report.interest / report.total * 100, 'f', 1) + "%", share);
    QCOMPARE(Chart()->accessibleName(), QStringLiteral("还款图表"));
    QCOMPARE(Chart()->accessibleDescription(), Summary());
  }

  // The box's report edited: the balance counts from what its months repay.
  void editedReportOwesWhatItsMonthsRepay() {
    Click(Option(kEqualPrincipalMethod));
    Click(Command(kCalculate));
    // The first month's principal selected and typed over.
    Report()->setTextCursor(Report()->document()->find(QStringLiteral("713.89")));
    QTest::keyClicks(Report(), QStringLiteral("700"));
    PressF11();
    const QVector<double> balance = Values(Series("剩余本金"));
    QCOMPARE((QVector<double>{balance[0], balance[36], balance.back()}),
             (QVector<double>{256286.51, 230586.47, 0}));
  }

  void keysMoveTheMarkerThroughEveryMonth() {
    Click(Command(kCalculate));
    PressF11();
    PressOnChart(Qt::Key_Home);
    PressOnChart(Qt::Key_Right, 36);
    QCOMPARE(Status(), QStringLiteral("第 37 期：月还款 1560.73 元，其中本金 300.28 元，"
                                      "利息 1260.45 元，剩余本金 246846.83 元"));
    PressOnChart(Qt::Key_PageDown);
    QCOMPARE(Status(), QStringLiteral("第 49 期：月还款 1560.73 元，其中本金 319.18 元，"
                                      "利息 1241.55 元，剩余本金 243121.75 元"));
    PressOnChart(Qt::Key_End);
    const QString last = QStringLiteral(
        "第 360 期：月还款 1560.73 元，其中本金 1552.82 元，利息 7.91 元，剩余本金 -1.65 元");
    QCOMPARE(Status(), last);
    PressOnChart(Qt::Key_Right);
    QCOMPARE(Status(), last);
    PressOnChart(Qt::Key_PageUp);
    PressOnChart(Qt::Key_Left);
    QCOMPARE(Status(), QStringLiteral("第 347 期：月还款 1560.73 元，其中本金 1453.45 元，"
                                      "利息 107.28 元，剩余本金 19581.7 元"));

    const QPoint over(qRound(Chart()->xAxis->coordToPixel(100)), Chart()->height() / 2);
    QTest::mouseMove(Chart()->window()->windowHandle(), Chart()->mapTo(Chart()->window(), over));
    QCOMPARE(Status(), QStringLiteral("第 100 期：月还款 1560.73 元，其中本金 413.72 元，"
                                      "利息 1147.01 元，剩余本金 224489.51 元"));
  }

  void noChartWithoutAReport() {
    QVERIFY(!ChartEntryEnabled());  // the help text
    PressF11();
    QVERIFY(Chart() == nullptr);
    Type(kMonthsRepaid, "360");
    QTest::keyClick(Field(kMonthsRepaid), Qt::Key_Return);
    QVERIFY(!ChartEntryEnabled());  // the data error message

    Click(Command(kFullReset));
    Click(Command(kCalculate));
    QVERIFY(ChartEntryEnabled());
    Report()->moveCursor(QTextCursor::End);
    QTest::keyClicks(Report(), "x");
    QVERIFY(!ChartEntryEnabled());
    PressF11();
    QVERIFY(Chart() == nullptr);
  }

  void showsTheNewReportAndClosesWithEscape() {
    Click(Command(kCalculate));
    PressF11();
    QCustomPlot* first = Chart();
    Type(kTerm, "120");
    Click(Command(kCalculate));
    PressF11();
    QCOMPARE(Chart(), first);  // the open window, brought to the front
    QCOMPARE(Values(Series("利息")).size(), 120);
    const QStringList fields = FieldTexts();
    QTest::keyClick(Chart(), Qt::Key_Escape);
    QTRY_VERIFY(Chart() == nullptr);
    QCOMPARE(FieldTexts(), fields);
    QCOMPARE(ReadBox(ReportLines()).months.size(), 120);
  }

  void copiesTheChartAsAPicture() {
    Click(Command(kCalculate));
    PressF11();
    QApplication::clipboard()->clear();
    QTest::keyClick(Chart(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied->hasImage());
    const QImage png = QImage::fromData(copied->data(QStringLiteral("image/png")), "PNG");
    QCOMPARE(png.size(), Chart()->size());
  }

  // Reports a user may paste or edit: one month, figures in the exponent
  // form, figures beyond what an axis can show.
  void oddReportsDrawOnlyWhatTheyHold_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QString>("status");
    const QString separator = QString(56, '-');
    QTest::newRow("one month")
        << "月还款:100.5元| 总还款:100.5元| 其中利息:.5元\n" + separator +
               "\n第1期:100.5元 | 其中本金:100元 | 利息:.5元"
        << 1 << "第 1 期：月还款 100.5 元，其中本金 100 元，利息 .5 元，剩余本金 0 元";
    QTest::newRow("exponent form")
        << "月还款:1.234568E+07元| 总还款:2.469136E+07元| 其中利息:4691360元\n" + separator +
               "\n第1期:1.234568E+07元 | 其中本金:1.000000E+07元 | 利息:2345680元"
               "\n第2期:1.234568E+07元 | 其中本金:1.000000E+07元 | 利息:2345680元"
        << 2
        << "第 2 期：月还款 1.234568E+07 元，其中本金 1.000000E+07 元，利息 2345680 元，剩余本金 0 "
           "元";
    QTest::newRow("beyond the axes")
        << "月还款:1E+20元| 总还款:1E+20元| 其中利息:0元\n" + separator +
               "\n第1期:1E+20元 | 其中本金:1E+20元 | 利息:0元"
        << 0 << "第 1 期：月还款 1E+20 元，其中本金 1E+20 元，利息 0 元";
    QTest::newRow("negative, edited")
        << "月还款:-10元| 总还款:-10元| 其中利息:5元\n" + separator +
               "\n第7期:-10元 | 其中本金:-15元 | 利息:5元"
        << 1 << "第 7 期：月还款 -10 元，其中本金 -15 元，利息 5 元，剩余本金 0 元";
  }
  void oddReportsDrawOnlyWhatTheyHold() {
    QFETCH(QString, report);
    QFETCH(int, drawn);
    QFETCH(QString, status);
    PasteReport(report);
    PressF11();
    QVERIFY(Chart() != nullptr);
    QCOMPARE(Values(Series("其中本金")).size(), drawn);
    if (drawn == 0) {
      QVERIFY2(Status().contains(QStringLiteral("超出")), qPrintable(Status()));
    }
    PressOnChart(Qt::Key_End);
    QCOMPARE(Status(), status);
  }

  void drawsTheLongestReport() {
    Type(kTerm, "12000");
    Click(Command(kCalculate));
    PressF11();
    QCOMPARE(Values(Series("利息")).size(), 12000);
    PressOnChart(Qt::Key_End);
    QVERIFY2(Status().startsWith(QStringLiteral("第 12000 期：")), qPrintable(Status()));
  }
};

QTEST_MAIN(ChartTest)
#include "test_chart.moc"
