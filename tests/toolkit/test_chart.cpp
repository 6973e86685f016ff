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

qint64 Fen(const QString& yuan) { return qRound64(yuan.toDouble() * 100); }

// What is owed before the report's first month: the header's principal
// (总还款 less 其中利息), or what the months repay.
enum class Owed { HeaderPrincipal, MonthsRepay };
qint64 OwedFen(const BoxReport& report, Owed owed) {
  if (owed == Owed::HeaderPrincipal) {
    return qRound64(report.total * 100) - qRound64(report.interest * 100);
  }
  qint64 shares = 0;
  for (const QStringList& month : report.months) {
    shares += Fen(month[2]);
  }
  return shares;
}

// Yuan to the fen, trailing zeros dropped, as the report writes money.
QString Yuan(qint64 fen) {
  QString text = QString::number(static_cast<double>(fen) / 100, 'f', 2);
  while (text.endsWith('0')) {
    text.chop(1);
  }
  if (text.endsWith('.')) {
    text.chop(1);
  }
  return text;
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
    QTest::addColumn<Owed>("owed");
    const auto header = Owed::HeaderPrincipal;
    QTest::newRow("equal payment") << 0 << "7.2"
                                   << "0"
                                   << "0"
                                   << "54.3%" << header;
    QTest::newRow("equal principal") << 1 << "7.2"
                                     << "0"
                                     << "0"
                                     << "47.9%" << header;
    QTest::newRow("equal payment, continued") << 0 << "7.2"
                                              << "24"
                                              << "6366.5"
                                              << "52.2%" << header;
    // Its 总还款 counts the whole loan, 50000 repaid before it included.
    QTest::newRow("equal principal, continued") << 1 << "7.2"
                                                << "60"
                                                << "50000"
                                                << "38.2%" << Owed::MonthsRepay;
    QTest::newRow("interest-free") << 0 << "0"
                                   << "0"
                                   << "0"
                                   << "0.0%" << header;
  }
  void plotsTheReportsOwnFigures() {
    QFETCH(int, method);
    QFETCH(QString, rate);
    QFETCH(QString, monthsRepaid);
    QFETCH(QString, principalRepaid);
    QFETCH(QString, share);
    QFETCH(Owed, owed);
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
    QVector<double> balance;
    qint64 owedFen = OwedFen(report, owed);
    for (const QStringList& month : report.months) {
      periods << month[0].toDouble();
      principal << month[2].toDouble();
      interest << month[3].toDouble();
      owedFen -= Fen(month[2]);
      balance << static_cast<double>(owedFen) / 100;
    }
    QCOMPARE(Keys(Series("其中本金")), periods);
    QCOMPARE(Values(Series("其中本金")), principal);
    QCOMPARE(Values(Series("利息")), interest);
    QCOMPARE(Keys(Series("剩余本金")), periods);
    QCOMPARE(Values(Series("剩余本金")), balance);

    QVERIFY2(Summary().endsWith(QStringLiteral("利息占总还款 ") + share), qPrintable(Summary()));
    QCOMPARE(QString::number(report.interest / report.total * 100, 'f', 1) + "%", share);
    QCOMPARE(Chart()->accessibleName(), QStringLiteral("还款图表"));
    QCOMPARE(Chart()->accessibleDescription(), Summary());
  }

  void keysMoveTheMarkerThroughEveryMonth() {
    Click(Command(kCalculate));
    PressF11();
    const BoxReport report = ReadBox(ReportLines());
    const auto line = [&report](int index) {
      qint64 owedFen = OwedFen(report, Owed::HeaderPrincipal);
      for (int i = 0; i <= index; ++i) {
        owedFen -= Fen(report.months[i][2]);
      }
      const QStringList& month = report.months[index];
      return QStringLiteral("第 %1 期：月还款 %2 元，其中本金 %3 元，利息 %4 元，剩余本金 %5 元")
          .arg(month[0], month[1], month[2], month[3], Yuan(owedFen));
    };
    PressOnChart(Qt::Key_Home);
    PressOnChart(Qt::Key_Right, 36);
    QCOMPARE(Status(), line(36));
    PressOnChart(Qt::Key_PageDown);
    QCOMPARE(Status(), line(48));
    PressOnChart(Qt::Key_End);
    QCOMPARE(Status(), line(359));
    PressOnChart(Qt::Key_Right);
    QCOMPARE(Status(), line(359));
    PressOnChart(Qt::Key_PageUp);
    PressOnChart(Qt::Key_Left);
    QCOMPARE(Status(), line(346));

    const QPoint over(qRound(Chart()->xAxis->coordToPixel(100)), Chart()->height() / 2);
    QTest::mouseMove(Chart()->window()->windowHandle(), Chart()->mapTo(Chart()->window(), over));
    QCOMPARE(Status(), line(99));
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
    Type(kTerm, "1200");
    Click(Command(kCalculate));
    PressF11();
    QCOMPARE(Values(Series("利息")).size(), 1200);
    PressOnChart(Qt::Key_End);
    QVERIFY(Status().startsWith(QStringLiteral("第 1200 期：")));
  }
};

QTEST_MAIN(ChartTest)
#include "test_chart.moc"
