// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <qcustomplot.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "window_fixture.h"
#include "worked_plan.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {

const QString kPlanHeadings = QString::fromUtf8(testing::kPlanHeadings);
const QString kTwelveMonths = QString::fromUtf8(testing::kTwelveMonths);

}  // namespace

// The loan's history that F12 opens, through its widgets as a user works them.
class HistoryTest : public QObject, WindowFixture {
  Q_OBJECT

  QTemporaryDir settings_;

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
  [[nodiscard]] QTableView* Events() const { return Part<QTableView>(QStringLiteral("events")); }
  [[nodiscard]] int EventRows() const { return Events()->model()->rowCount(); }
  [[nodiscard]] QString EventCell(int row, int column) const {
    return Events()->model()->index(row, column).data().toString();
  }
  // The row of the event of a day, its day's cell.
  [[nodiscard]] QModelIndex EventOn(const QString& day) const {
    const QAbstractItemModel* model = Events()->model();
    const auto found = model->match(model->index(0, 0), Qt::DisplayRole, day, -1, Qt::MatchExactly);
    if (found.size() != 1) {
      qFatal("%d events on %s", int(found.size()), qPrintable(day));
    }
    return found.front();
  }
  [[nodiscard]] Qt::CheckState EventCheck(const QString& day) const {
    return EventOn(day).data(Qt::CheckStateRole).value<Qt::CheckState>();
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

  // Space on the row of a Quorvane event of that day: switched off or on again.
  void SwitchEvent(const QString& day) const {
    const Qt::CheckState before = EventCheck(day);
    Events()->setFocus(Qt::MouseFocusReason);
    Events()->setCurrentIndex(EventOn(day));
    QTest::keyClick(Events()->viewport(), Qt::Key_Space);
    QTRY_VERIFY(EventCheck(day) != before);
  }

  // The window active again once a dialog closed, as the window system
  // makes it (the offscreen platform does not).
  void BackToHistory() const {
    History()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(History()));
  }

  [[nodiscard]] QWidget* OpenCheck() const {
    QTest::keyClick(Events(), Qt::Key_B, Qt::ControlModifier);
    auto* check = History()->findChild<QWidget*>(QStringLiteral("planCheck"));
    if (check == nullptr || !QTest::qWaitForWindowExposed(check)) {
      qFatal("核对银行计划 did not open");
    }
    return check;
  }

  // Does what a modal dialog that the next step opens asks of the user, once
  // it is up.
  static void WhenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        poll->deleteLater();
        answer(dialog);
      }
    });
    poll->start(10);
  }
  static void ClickInBox(const QString& button) {
    WhenModal([button](QWidget* dialog) {
      for (QAbstractButton* choice : qobject_cast<QMessageBox*>(dialog)->buttons()) {
        if (button.isEmpty() || choice->text() == button) {
          QTest::mouseClick(choice, Qt::LeftButton);
          return;
        }
      }
    });
  }
  // The worked loan: 300 000 yuan at 8.5 折 from 2007-06-15 over 240 months.
  void TypeTheWorkedLoan() const {
    TypeInto(QStringLiteral("amount"), QStringLiteral("30"));
    TypeInto(QStringLiteral("months"), QStringLiteral("240"));
    TypeInto(QStringLiteral("discount"), QStringLiteral("8.5"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("firstRate"))->text(), QStringLiteral("6.12"));
  }

  [[nodiscard]] static QString CheckSummary(QWidget* check) {
    return check->findChild<QLabel*>(QStringLiteral("checkSummary"))->text();
  }

  // Puts a file's name into the file dialog, as an input method types
  // Chinese, and presses Enter.
  static void ChooseFile(const QString& path) {
    WhenModal([path](QWidget* dialog) {
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      name->setText(path);
      QTest::keyClick(name, Qt::Key_Return);
    });
  }

 private slots:
  // The dialogs are Qt's own, which a test can answer, on every platform.
  void initTestCase() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // The user's settings (the LPR fixings typed) in a folder of the suite's.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
  }
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
    QCOMPARE(History()->windowTitle(), QStringLiteral("贷款历程[*] - Quorvane 1.0"));
    QVERIFY(!History()->isWindowModified());
    QCOMPARE(Part<QLineEdit>(QStringLiteral("amount"))->text(), QStringLiteral("40"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("months"))->text(), QStringLiteral("180"));
    QCOMPARE(Part<QComboBox>(QStringLiteral("kind"))->currentText(), QStringLiteral("公积金贷款"));
    QCOMPARE(Months()->rowCount(), 180);
    QCOMPARE(FieldTexts(), fields);
    QTest::keyClick(Events(), Qt::Key_Escape);
    QVERIFY(!History()->isVisible());
  }

  // A right click outside the fields offers 贷款历程… too: the menu is made
  // the first time it is asked for, and opening it leaves the field being
  // typed in as it is, unchecked.
  void theWindowsOwnMenu() {
    QVERIFY(Window().findChild<QMenu*>(QStringLiteral("windowMenu")) == nullptr);
    Field(kAmount)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Field(kAmount), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Field(kAmount), QStringLiteral("3."));
    const QPoint outside(4, Window().height() - 4);
    QContextMenuEvent click(QContextMenuEvent::Mouse, outside, Window().mapToGlobal(outside));
    QApplication::sendEvent(&Window(), &click);
    auto* menu = Window().findChild<QMenu*>(QStringLiteral("windowMenu"));
    QVERIFY(menu != nullptr && menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("贷款历程…"));
    QCOMPARE(FieldText(kAmount), QStringLiteral("3."));
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(History() != nullptr && QTest::qWaitForWindowExposed(History()));
  }

  // A grant date a year earlier: the first repricing is a year earlier, the
  // payment day follows the date, and the first rate is the table's then.
  void grantDateMovesTheEvents() {
    OpenHistory();
    QCOMPARE(EventCell(0, 0), QStringLiteral("2008-01-01"));
    TypeInto(QStringLiteral("granted"), QStringLiteral("2006-03-20"));
    QCOMPARE(EventCell(0, 0), QStringLiteral("2007-01-01"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("paymentDay"))->text(), QStringLiteral("20"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("firstRate"))->text(), QStringLiteral("4.284"));
    QCOMPARE(MonthCells(0).mid(0, 3), QStringList({"1", "2006-04-20", "4.284"}));
  }

  // At 10 折 the 2024 cut lowers the spread; switched off with the space bar,
  // the months due before 2024-10-25 stay and those after pay more interest.
  void switchingOffThe2024Cut() {
    OpenHistory();
    TypeInto(QStringLiteral("discount"), QStringLiteral("10"));
    const QList<QStringList> before{MonthCells(207), MonthCells(208)};
    Events()->setFocus(Qt::MouseFocusReason);
    Events()->setCurrentIndex(EventOn(QStringLiteral("2024-10-25")));
    QTest::keyClick(Events()->viewport(), Qt::Key_Space);
    QTRY_COMPARE(MonthCells(208).at(2), QStringLiteral("4.20"));
    QCOMPARE(EventCheck(QStringLiteral("2024-10-25")), Qt::Unchecked);
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
    // Black and dashed, apart from the orange interest and the solid balance.
    QCOMPARE(rate->pen().color(), QColor(Qt::black));
    QCOMPARE(rate->pen().style(), Qt::DashLine);
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

  // The bank's plan pasted under rows that are no months: every month
  // agrees, and the rows skipped are counted and listed with why.
  void checksAPastedPlan() {
    OpenHistory();
    TypeTheWorkedLoan();
    QWidget* check = OpenCheck();
    QApplication::clipboard()->setText(
        QStringLiteral("贷款种类\t商业贷款\n放款日期\t2007-06-15\n\n") + kPlanHeadings +
        kTwelveMonths);
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(CheckSummary(check),
             QStringLiteral("银行计划 12 期：与 Quorvane 一致 12 期\n"
                            "跳过 3 行不是还款月份的内容（标题、合计、空行等）"));
    QCOMPARE(check->findChild<QLabel*>(QStringLiteral("checkSummary"))->toolTip(),
             QStringLiteral("第 1 行：没有金额\n第 2 行：没有金额\n第 3 行：空行"));
    QVERIFY(History()->isWindowModified());  // the plan is kept with the loan
  }

  // A plan whose columns neither headings nor sums settle: the borrower picks
  // each column's meaning from the keyboard, and the months are checked.
  void theBorrowerPicksTheMeanings() {
    OpenHistory();
    TypeTheWorkedLoan();
    QWidget* check = OpenCheck();
    QStringList plan;
    for (const QString& line : kTwelveMonths.split('\n', Qt::SkipEmptyParts)) {
      plan << line.split('\t').mid(0, 4).join('\t');  // 期数, 日期, 月供, 本金
    }
    QApplication::clipboard()->setText(plan.join('\n'));
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(CheckSummary(check).startsWith(QStringLiteral("分不清各列的含义")));
    for (const auto& [column, presses] : {std::pair{3, 3}, std::pair{4, 4}}) {
      auto* meaning = check->findChild<QComboBox*>(QStringLiteral("columnMeaning%1").arg(column));
      meaning->setFocus(Qt::TabFocusReason);
      for (int press = 0; press < presses; ++press) {
        QTest::keyClick(meaning, Qt::Key_Down);
      }
    }
    QCOMPARE(check->findChild<QComboBox*>(QStringLiteral("columnMeaning3"))->currentText(),
             QStringLiteral("月供"));
    QCOMPARE(CheckSummary(check), QStringLiteral("银行计划 12 期：与 Quorvane 一致 12 期"));
  }

  // 打开文件… (Ctrl+O) in the check window reads the bank's file; F8 goes
  // from one month that differs to the next.
  void opensThePlansFileAndStepsThroughIt() {
    OpenHistory();
    TypeTheWorkedLoan();
    QWidget* check = OpenCheck();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("还款计划.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QString plan = kPlanHeadings + kTwelveMonths;
    plan.replace(QStringLiteral("1523.45"), QStringLiteral("1523.44"));  // month 3
    plan.replace(QStringLiteral("1635.40"), QStringLiteral("1635.39"));  // month 9
    file.write(plan.replace('\t', ',').toUtf8());
    file.close();
    ChooseFile(path);
    QTest::keyClick(check, Qt::Key_O, Qt::ControlModifier);
    check->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(check));
    QVERIFY(CheckSummary(check).startsWith(
        QStringLiteral("银行计划 12 期：与 Quorvane 一致 10 期，不一致 2 期；最早第 3 期")));
    auto* why = check->findChild<QLabel*>(QStringLiteral("why"));
    QVERIFY(why->text().startsWith(QStringLiteral("第 3 期（2007-09-15）")));
    QTest::keyClick(check, Qt::Key_F8);
    QVERIFY(why->text().startsWith(QStringLiteral("第 9 期（2008-03-15）")));
    QTest::keyClick(check, Qt::Key_F8);  // no more: it stays
    QVERIFY(why->text().startsWith(QStringLiteral("第 9 期（2008-03-15）")));
  }

  // 打印… (Ctrl+P) in the check window previews the side-by-side table.
  void printsTheCheck() {
    OpenHistory();
    TypeTheWorkedLoan();
    QWidget* check = OpenCheck();
    QApplication::clipboard()->setText(kPlanHeadings + kTwelveMonths);
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    int pages = 0;
    WhenModal([&pages](QWidget* dialog) {
      auto* preview = dialog->findChild<QPrintPreviewWidget*>();
      pages = preview != nullptr ? preview->pageCount() : -1;
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(check, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(pages, 1);
  }

  // The 2024 cut's rate edited in place (F2): its spread follows, and so do
  // the months after it. At 10 折 the spread is +10 基点 and the cut makes it
  // −30, 3.90 % on the LPR of 4.20 %; 3.80 makes it −40.
  void editingACutsRate() {
    OpenHistory();
    TypeInto(QStringLiteral("discount"), QStringLiteral("10"));
    QCOMPARE(MonthCells(208).at(2), QStringLiteral("3.90"));
    const QModelIndex cut = EventOn(QStringLiteral("2024-10-25")).siblingAtColumn(2);
    Events()->setFocus(Qt::TabFocusReason);
    Events()->setCurrentIndex(cut);
    QTest::keyClick(Events(), Qt::Key_F2);
    auto* editor = Events()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("3.80"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(MonthCells(208).at(2), QStringLiteral("3.80"));
    QCOMPARE(EventCell(cut.row(), 2), QStringLiteral("3.80"));
    QVERIFY(EventCell(cut.row(), 3).contains(QStringLiteral("−40")));
    QVERIFY(History()->isWindowModified());
  }

  // A bank that never applied 2008-01-01's repricing: the check names month
  // 7 and the rate the bank charged; 采用 adds that rate to the history,
  // which then agrees with the bank, and nothing else changed before the click.
  void takingWhatAMonthOffers() {
    OpenHistory();
    SwitchEvent(QStringLiteral("2008-01-01"));
    QTRY_COMPARE(MonthCells(6).at(2), QStringLiteral("5.04"));
    QTest::keyClick(Events(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    SwitchEvent(QStringLiteral("2008-01-01"));
    QTRY_COMPARE(MonthCells(6).at(2), QStringLiteral("5.481"));
    const int events = EventRows();
    QWidget* check = OpenCheck();
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(
        check->findChild<QLabel*>(QStringLiteral("why"))->text(),
        QStringLiteral("第 7 期（2008-01-15）：银行本月按年利率 5.04% 计息，Quorvane 按 5.481%"));
    auto* take = check->findChild<QPushButton*>(QStringLiteral("takeOffer"));
    QCOMPARE(take->text(), QStringLiteral("采用：添加利率事件：2008-01-01 起年利率 5.04%"));
    QCOMPARE(EventRows(), events);
    QTest::mouseClick(take, Qt::LeftButton);
    QCOMPARE(EventRows(), events + 1);
    QVERIFY(check->findChild<QLabel*>(QStringLiteral("checkSummary"))
                ->text()
                .startsWith(QStringLiteral("银行计划 360 期：与 Quorvane 一致 360 期\n")));
    QVERIFY(!take->isEnabled());
  }

  // 提前还款试算 (Ctrl+T) on the worked loan: 10 万元 on 2015-01-15 beside
  // the loan as it stands (figures computed apart with Python's Decimal), a
  // goal asked with Enter, 缩短期限 taken into the history, Esc closing the
  // planner alone.
  void plansAPrepayment() {
    OpenHistory();
    TypeTheWorkedLoan();
    QTest::keyClick(Events(), Qt::Key_T, Qt::ControlModifier);
    auto* planner = History()->findChild<QWidget*>(QStringLiteral("planner"));
    QVERIFY(planner != nullptr && QTest::qWaitForWindowExposed(planner));
    const auto part = [planner](const char* name) {
      auto* field = planner->findChild<QLineEdit*>(QLatin1String(name));
      field->setFocus(Qt::MouseFocusReason);
      QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
      return field;
    };
    QTest::keyClicks(part("trialDay"), QStringLiteral("2015-01-15"));
    QTest::keyClicks(part("trialAmount"), QStringLiteral("10"));
    auto* columns = planner->findChild<QTableWidget*>(QStringLiteral("trialColumns"));
    const auto column = [columns](int at) {
      QStringList cells;
      for (int row = 0; row < columns->rowCount(); ++row) {
        cells << columns->item(row, at)->text();
      }
      return cells;
    };
    QCOMPARE(column(0),
             (QStringList{"2039.72", "149 期", "2027-06-15", "63296.18", "—", "—", "286518.36"}));
    QCOMPARE(column(1), (QStringList{"2021.48", "71 期", "2020-12-15", "17205.54", "46090.64",
                                     "78 个月", "240427.72"}));
    QCOMPARE(column(2), (QStringList{"1125.96", "149 期", "2027-06-15", "34940.46", "28355.72",
                                     "0 个月", "258162.64"}));
    QTest::keyClicks(part("goalYear"), QStringLiteral("2022"));
    QTest::keyClicks(part("goalMonth"), QStringLiteral("12"));
    QTest::keyClick(planner->focusWidget(), Qt::Key_Return);
    QVERIFY(!columns->isColumnHidden(3));
    QCOMPARE(columns->item(2, 3)->text(), QStringLiteral("2022-12-15"));
    QCOMPARE(planner->findChild<QLabel*>(QStringLiteral("trialStatus"))->text(),
             QStringLiteral("反推：在 2015-01-15 提前还款 64820.00 元（缩短期限）"));
    const int events = EventRows();
    QTest::mouseClick(planner->findChild<QPushButton*>(QStringLiteral("take1")), Qt::LeftButton);
    QCOMPARE(EventRows(), events + 1);
    QVERIFY(EventCell(EventOn(QStringLiteral("2015-01-15")).row(), 3)
                .startsWith(QStringLiteral("提前还款 100000.00 元，缩短期限")));
    // A repeat's last day that is no day is said so, and nothing is tried.
    auto* repeat = planner->findChild<QComboBox*>(QStringLiteral("trialRepeat"));
    repeat->setFocus(Qt::TabFocusReason);
    QTest::keyClick(repeat, Qt::Key_Down);
    QTest::keyClicks(part("trialAmount"), QStringLiteral("5"));
    QTest::keyClicks(part("trialUntil"), QStringLiteral("2030-13"));
    QCOMPARE(planner->findChild<QLabel*>(QStringLiteral("trialStatus"))->text(),
             QStringLiteral("重复至应写成 2030-01-15 这样，或留空表示直到还清"));
    QVERIFY(columns->item(0, 1)->text().isEmpty());
    QTest::keyClick(columns, Qt::Key_Escape);
    QVERIFY(!planner->isVisible());
    QVERIFY(History()->isVisible());
  }

  // 导出… (Ctrl+E) writes the months shown as a .csv in UTF-8 with a byte
  // order mark, and the status line names the file; a folder that is not
  // there gets a message, and nothing else changes.
  void exportsTheMonths() {
    OpenHistory();
    TypeTheWorkedLoan();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("还款明细.csv"));
    ChooseFile(path);
    QTest::keyClick(Events(), Qt::Key_E, Qt::ControlModifier);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 240 + 2);
    QCOMPARE(lines.at(0), QByteArray("\xEF\xBB\xBF期数,还款日期,年利率(%),月还款(元),其中本金(元),"
                                     "利息(元),剩余本金(元),说明\r"));
    QCOMPARE(lines.at(1), QByteArray("1,2007-07-15,6.12,2170.11,640.11,1530.00,299359.89,\r"));
    QVERIFY(
        Part<QLabel>(QStringLiteral("status"))->text().endsWith(QStringLiteral("还款明细.csv")));
    BackToHistory();
    ChooseFile(folder.filePath(QStringLiteral("不存在/还款明细.csv")));
    WhenModal([](QWidget* message) { QTest::keyClick(message, Qt::Key_Return); });
    QTest::keyClick(Events(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("不存在"))));
  }

  // 保存… names the file once; after that Ctrl+S saves to it, the title
  // names it and marks what is not saved. A broken file is refused and what
  // is open stays. Closing with changes asks: 取消 stays, 不保存 goes back
  // to what was saved.
  void keepsTheLoanInAFile() {
    OpenHistory();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("房贷.quorvane"));
    ChooseFile(path);
    QTest::keyClick(Events(), Qt::Key_S, Qt::ControlModifier);
    BackToHistory();
    QCOMPARE(History()->windowTitle(),
             QStringLiteral("房贷.quorvane[*] - 贷款历程 - Quorvane 1.0"));
    QVERIFY(!History()->isWindowModified());
    TypeInto(QStringLiteral("discount"), QStringLiteral("8"));
    QVERIFY(History()->isWindowModified());
    QTest::keyClick(Events(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!History()->isWindowModified());

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.contains("\"discount\": \"8\""));
    const QString cut = folder.filePath(QStringLiteral("断了.quorvane"));
    QFile broken(cut);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(bytes.left(bytes.size() / 2));
    broken.close();
    ChooseFile(cut);
    ClickInBox({});
    QTest::keyClick(Events(), Qt::Key_O, Qt::ControlModifier);
    BackToHistory();
    QCOMPARE(Part<QLabel>(QStringLiteral("status"))->text(),
             QStringLiteral("文件已损坏或不完整，无法读取"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("discount"))->text(), QStringLiteral("8"));

    TypeInto(QStringLiteral("discount"), QStringLiteral("9"));
    ClickInBox(QStringLiteral("取消"));
    QTest::keyClick(Events(), Qt::Key_Escape);
    QVERIFY(History()->isVisible());
    BackToHistory();
    ClickInBox(QStringLiteral("不保存"));
    QTest::keyClick(Events(), Qt::Key_Escape);
    QVERIFY(!History()->isVisible());
    QCOMPARE(Part<QLineEdit>(QStringLiteral("discount"))->text(), QStringLiteral("8"));
  }

  // A screen reader hears what a result line says, its figures and words,
  // and its caption as what describes it.
  void resultsAreHeard() {
    OpenHistory();
    QWidget* check = OpenCheck();
    QApplication::clipboard()->setText(QStringLiteral("期数\t月供\t本金\n1\t1.00\t0.50\n"));
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    const struct {
      QWidget* window;
      const char* name;
      const char* caption;
      const char* heard;
    } labels[] = {
        {History(), "summary", "合计", "总还款 "},
        {History(), "status", "状态", "2026-08-20 以后的 LPR 未知"},
        {check, "checkSummary", "核对结果", "银行计划 1 期：与 Quorvane 一致 0 期，不一致 1 期"},
        {check, "why", "原因", "第 1 期（"},
    };
    for (const auto& label : labels) {
      QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(
          label.window->findChild<QLabel*>(QLatin1String(label.name)));
      QVERIFY(heard != nullptr);
      QVERIFY2(heard->text(QAccessible::Name).startsWith(QString::fromUtf8(label.heard)),
               qPrintable(heard->text(QAccessible::Name)));
      QCOMPARE(heard->text(QAccessible::Description), QString::fromUtf8(label.caption));
    }
  }

  // Tab and Shift+Tab move between the windows' controls and leave every
  // table; the arrows move inside it.
  void tabLeavesTheTables() {
    OpenHistory();
    // Tab leaves the table (through the choices a table holds, as the row of
    // the plan's columns does), and Shift+Tab comes back into it.
    const auto leaves = [](QWidget* window, const char* name, int choices) {
      auto* table = window->findChild<QTableView*>(QLatin1String(name));
      const auto inside = [table] {
        QWidget* focus = QApplication::focusWidget();
        return focus == table || table->isAncestorOf(focus);
      };
      table->setFocus(Qt::TabFocusReason);
      table->setCurrentIndex(table->model()->index(1, 1));
      QTest::keyClick(table, Qt::Key_Down);
      QCOMPARE(table->currentIndex().row(), 2);
      for (int press = 0; press <= choices && inside(); ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      QVERIFY2(!inside() && window->isAncestorOf(QApplication::focusWidget()), name);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      QVERIFY2(inside(), name);
    };
    leaves(History(), "events", 0);
    leaves(History(), "months", 0);
    QWidget* check = OpenCheck();
    QApplication::clipboard()->setText(kPlanHeadings + kTwelveMonths);
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    leaves(check, "checkedMonths", 0);
    leaves(check, "planColumns", 6);
  }

  // Enter on one of Quorvane's events selects the month it took effect in;
  // Delete removes the borrower's own row.
  void eventsLeadToTheirMonths() {
    OpenHistory();
    Events()->setFocus(Qt::TabFocusReason);
    Events()->setCurrentIndex(EventOn(QStringLiteral("2008-01-01")));
    QTest::keyClick(Events(), Qt::Key_Return);
    auto* months = Part<QTableView>(QStringLiteral("months"));
    QCOMPARE(months->currentIndex().row(), 6);
    QCOMPARE(MonthCells(6).at(1), QStringLiteral("2008-01-15"));

    const int rows = EventRows();
    TypeInto(QStringLiteral("newDay"), QStringLiteral("2012-07-20"));
    TypeInto(QStringLiteral("newFigure"), QStringLiteral("5"));
    QTest::keyClick(Part<QLineEdit>(QStringLiteral("newFigure")), Qt::Key_Return);
    QCOMPARE(EventRows(), rows + 1);
    Events()->setFocus(Qt::TabFocusReason);
    Events()->setCurrentIndex(EventOn(QStringLiteral("2012-07-20")));
    QTest::keyClick(Events(), Qt::Key_Return);
    QCOMPARE(MonthCells(months->currentIndex().row()).mid(0, 2),
             QStringList({"提前还款", "2012-07-20"}));
    QTest::keyClick(Events(), Qt::Key_Delete);
    QCOMPARE(EventRows(), rows);
  }

  // Enter on a month of the check selects it in the history.
  void aCheckedMonthInTheHistory() {
    OpenHistory();
    TypeTheWorkedLoan();
    QWidget* check = OpenCheck();
    QApplication::clipboard()->setText(kPlanHeadings + kTwelveMonths);
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    auto* table = check->findChild<QTableView*>(QStringLiteral("checkedMonths"));
    table->setFocus(Qt::TabFocusReason);
    table->setCurrentIndex(table->model()->index(8, 0));
    QTest::keyClick(table, Qt::Key_Enter);
    QCOMPARE(Part<QTableView>(QStringLiteral("months"))->currentIndex().row(), 8);
  }

  // The borrower's own row edited in place (F2): its day and its rate; an
  // edit like any other, undone with Ctrl+Z.
  void editsTheBorrowersRow() {
    OpenHistory();
    auto* kind = Part<QComboBox>(QStringLiteral("newKind"));
    kind->setFocus(Qt::TabFocusReason);
    QTest::keyClick(kind, Qt::Key_Down);  // 利率
    TypeInto(QStringLiteral("newDay"), QStringLiteral("2012-02-10"));
    TypeInto(QStringLiteral("newFigure"), QStringLiteral("5"));
    QTest::keyClick(Part<QLineEdit>(QStringLiteral("newFigure")), Qt::Key_Return);
    const auto typeOver = [this](const QModelIndex& cell, const QString& text) {
      Events()->setFocus(Qt::TabFocusReason);
      Events()->setCurrentIndex(cell);
      QTest::keyClick(Events(), Qt::Key_F2);
      auto* editor = Events()->findChild<QLineEdit*>();
      QVERIFY(editor != nullptr);
      QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(editor, text);
      QTest::keyClick(editor, Qt::Key_Return);
      QTRY_VERIFY(Events()->findChild<QLineEdit*>() == nullptr);  // committed, after the key
    };
    typeOver(EventOn(QStringLiteral("2012-02-10")), QStringLiteral("2012-03-10"));
    const int row = EventOn(QStringLiteral("2012-03-10")).row();
    QCOMPARE(EventCell(row, 1), QStringLiteral("利率（自填）"));
    typeOver(Events()->model()->index(row, 2), QStringLiteral("4.9"));
    QCOMPARE(EventCell(EventOn(QStringLiteral("2012-03-10")).row(), 2), QStringLiteral("4.90"));
    QTest::keyClick(Events(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(EventCell(EventOn(QStringLiteral("2012-03-10")).row(), 2), QStringLiteral("5.00"));

    // A prepayment's amount typed over its 说明, its way chosen in its 事件.
    kind->setFocus(Qt::TabFocusReason);
    QTest::keyClick(kind, Qt::Key_Up);  // 提前还款
    TypeInto(QStringLiteral("newDay"), QStringLiteral("2013-05-20"));
    TypeInto(QStringLiteral("newFigure"), QStringLiteral("10"));
    QTest::keyClick(Part<QLineEdit>(QStringLiteral("newFigure")), Qt::Key_Return);
    const auto prepayment = [this] { return EventOn(QStringLiteral("2013-05-20")).row(); };
    QCOMPARE(EventCell(prepayment(), 3), QStringLiteral("提前还款 100000.00 元，减少月供"));
    typeOver(Events()->model()->index(prepayment(), 3), QStringLiteral("80000"));
    QCOMPARE(EventCell(prepayment(), 3), QStringLiteral("提前还款 80000.00 元，减少月供"));
    Events()->setCurrentIndex(Events()->model()->index(prepayment(), 1));
    QTest::keyClick(Events(), Qt::Key_F2);
    auto* way = Events()->findChild<QComboBox*>(QStringLiteral("prepaymentWay"));
    QVERIFY(way != nullptr);
    QCOMPARE(way->currentText(), QStringLiteral("减少月供"));
    QTest::keyClick(way, Qt::Key_Down);
    QTest::keyClick(way, Qt::Key_Return);
    QTRY_COMPARE(EventCell(prepayment(), 3), QStringLiteral("提前还款 80000.00 元，缩短期限"));
    QTest::keyClick(Events(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(EventCell(prepayment(), 3), QStringLiteral("提前还款 80000.00 元，减少月供"));
    QTest::keyClick(Events(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(EventCell(prepayment(), 3), QStringLiteral("提前还款 100000.00 元，减少月供"));

    // Quorvane's change moved to the bank's day, and back.
    typeOver(EventOn(QStringLiteral("2008-01-01")), QStringLiteral("2008-02-01"));
    QTRY_COMPARE(MonthCells(6).at(2), QStringLiteral("5.04"));
    QVERIFY(EventCell(EventOn(QStringLiteral("2008-02-01")).row(), 3)
                .endsWith(QStringLiteral("；银行晚 1 个月执行 2008-01-01 的调整")));
    typeOver(EventOn(QStringLiteral("2008-02-01")), QStringLiteral("2008-01-01"));
    QTRY_COMPARE(MonthCells(6).at(2), QStringLiteral("5.481"));
  }

  // A loan priced on the LPR from the start, typed (example B: 2021-03-15,
  // 360 months, 5年期以上 LPR + 55): its fields appear with the grant day,
  // each list reached through its caption; the first rate follows the
  // spread; the repricings are the LPR's. Then a loan of 2015 converted in
  // 2020 asks for the conversion's day and way instead.
  void anLprLoanTyped() {
    OpenHistory();
    TypeInto(QStringLiteral("granted"), QStringLiteral("2021-03-15"));
    TypeInto(QStringLiteral("months"), QStringLiteral("360"));
    TypeInto(QStringLiteral("spread"), QStringLiteral("55"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("firstRate"))->text(), QStringLiteral("5.20"));
    QVERIFY(!Part<QLineEdit>(QStringLiteral("discount"))->isVisible());
    QVERIFY(!Part<QLineEdit>(QStringLiteral("conversionDay"))->isVisible());
    const auto captionOf = [this](QWidget* field) {
      for (QLabel* label : History()->findChildren<QLabel*>()) {
        if (label->buddy() == field && label->isVisible()) {
          return label->text();
        }
      }
      return QString();
    };
    QCOMPARE(captionOf(Part<QComboBox>(QStringLiteral("tenor"))), QStringLiteral("定价基准"));
    QCOMPARE(captionOf(Part<QComboBox>(QStringLiteral("repricing"))), QStringLiteral("重定价日"));
    QCOMPARE(captionOf(Part<QComboBox>(QStringLiteral("reading"))),
             QStringLiteral("重定价用的 LPR"));
    QCOMPARE(Part<QComboBox>(QStringLiteral("repricing"))->count(), 2);
    QCOMPARE(Part<QComboBox>(QStringLiteral("tenor"))->currentText(),
             QStringLiteral("5年期以上 LPR"));
    QTRY_COMPARE(EventCell(EventOn(QStringLiteral("2023-01-01")).row(), 2), QStringLiteral("4.85"));
    QCOMPARE(EventCell(EventOn(QStringLiteral("2026-01-01")).row(), 2), QStringLiteral("3.20"));
    // The borrower's rows of an LPR loan: a cycle of 6 months, a new spread.
    auto* kind = Part<QComboBox>(QStringLiteral("newKind"));
    const auto addRow = [&](int kindIndex, const QString& day, const QString& figure) {
      kind->setFocus(Qt::TabFocusReason);
      kind->setCurrentIndex(0);
      for (int k = 0; k < kindIndex; ++k) {
        QTest::keyClick(kind, Qt::Key_Down);
      }
      TypeInto(QStringLiteral("newDay"), day);
      TypeInto(QStringLiteral("newFigure"), figure);
      QTest::keyClick(Part<QLineEdit>(QStringLiteral("newFigure")), Qt::Key_Return);
    };
    addRow(3, QStringLiteral("2024-11-01"), QStringLiteral("5"));
    QCOMPARE(Part<QLabel>(QStringLiteral("status"))->text(),
             QStringLiteral("重定价周期应为 3、6 或 12 个月"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("newFigure"))->text(), QStringLiteral("5"));
    addRow(3, QStringLiteral("2024-11-01"), QStringLiteral("6"));
    QCOMPARE(EventCell(EventOn(QStringLiteral("2025-07-01")).row(), 2), QStringLiteral("3.20"));
    addRow(2, QStringLiteral("2025-03-01"), QStringLiteral("-40"));
    const int spreadRow = EventOn(QStringLiteral("2025-03-01")).row();
    QCOMPARE(EventCell(spreadRow, 1), QStringLiteral("加点调整（自填）"));
    QCOMPARE(EventCell(spreadRow, 2), QStringLiteral("3.20"));
    QCOMPARE(EventCell(EventOn(QStringLiteral("2025-07-01")).row(), 2), QStringLiteral("3.10"));
    QTest::keyClick(Events(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(Events(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(EventCell(EventOn(QStringLiteral("2026-01-01")).row(), 2), QStringLiteral("3.20"));

    // A spread with a minus, typed; a letter is refused.
    TypeInto(QStringLiteral("spread"), QStringLiteral("-2x0"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("spread"))->text(), QStringLiteral("-20"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("firstRate"))->text(), QStringLiteral("4.45"));

    TypeInto(QStringLiteral("granted"), QStringLiteral("2015-08-01"));
    QVERIFY(Part<QLineEdit>(QStringLiteral("conversionDay"))->isVisible());
    QVERIFY(!Part<QComboBox>(QStringLiteral("tenor"))->isVisible());
    QCOMPARE(captionOf(Part<QComboBox>(QStringLiteral("conversion"))), QStringLiteral("转换方式"));
    QCOMPARE(captionOf(Part<QComboBox>(QStringLiteral("repricing"))), QStringLiteral("调整方式"));
    TypeInto(QStringLiteral("conversionDay"), QStringLiteral("2020-09-01"));
    QTRY_VERIFY(Part<QLabel>(QStringLiteral("status"))
                    ->text()
                    .contains(QStringLiteral("转换日期应在 2020-03-01 至 2020-08-31 之间")));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("conversionDay"))->text(),
             QStringLiteral("2020-09-01"));
  }

  // LPR 公布值 (Ctrl+L): a fixing after the last one known, typed, is used by
  // the loan's next repricing and marked as the borrower's; one too early,
  // or a second in its month, is refused with its reason; it is kept on this
  // computer for the next window, and is no edit of the loan.
  void fixingsTyped() {
    OpenHistory();
    TypeInto(QStringLiteral("granted"), QStringLiteral("2021-03-15"));
    TypeInto(QStringLiteral("months"), QStringLiteral("360"));
    TypeInto(QStringLiteral("spread"), QStringLiteral("55"));
    QTRY_COMPARE(EventCell(EventRows() - 1, 0), QStringLiteral("2026-01-01"));
    QStringList said;
    WhenModal([&said](QWidget* dialog) {
      const auto type = [dialog](const char* field, const QString& text) {
        auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(field));
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
      };
      const auto add = [&](const QString& day, const QString& one, const QString& five) {
        type("fixingDay", day);
        type("fixingOneYear", one);
        type("fixingFiveYear", five);
        QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("fixingFiveYear")),
                        Qt::Key_Return);
        said << dialog->findChild<QLabel*>(QStringLiteral("fixingsStatus"))->text();
      };
      add(QStringLiteral("2026-08-20"), QStringLiteral("3"), QStringLiteral("3.5"));
      add(QStringLiteral("2026-09-21"), QStringLiteral("2.9"), QStringLiteral("3.4"));
      add(QStringLiteral("2026-09-30"), QStringLiteral("2.8"), QStringLiteral("3.3"));
      add(QStringLiteral("2026-10-20"), QStringLiteral("2.9"), QStringLiteral("21"));
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(Events(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(
        said,
        (QStringList{QStringLiteral("LPR 公布日期应在 2026-08-20 之后：此前的公布值 Quorvane 已有"),
                     QStringLiteral("已添加 2026-09-21 的公布值"),
                     QStringLiteral("这个月已有一个 LPR 公布值：每月只公布一次"),
                     QStringLiteral("LPR 应为 0 至 20，至多四位小数，如 3.50")}));
    const int last = EventRows() - 1;
    QCOMPARE(EventCell(last, 0), QStringLiteral("2027-01-01"));
    QCOMPARE(EventCell(last, 2), QStringLiteral("3.10"));
    QVERIFY2(EventCell(last, 3).contains(QStringLiteral("3.40%（自填）")),
             qPrintable(EventCell(last, 3)));
    QSettings kept(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
                   QStringLiteral("quorvane"));
    QCOMPARE(kept.value(QStringLiteral("lpr/fixings")).toStringList(),
             QStringList{QStringLiteral("2026-09-21 2.90 3.40")});
    kept.remove(QStringLiteral("lpr/fixings"));
  }

  // A combination says which part each field and each new row belongs to:
  // the amount is the commercial part's, the fund's term is the loan's and
  // its first rate the fund table's, and a row goes to the part chosen.
  void combinationsSayWhichPart() {
    OpenHistory();
    auto* combined = Part<QCheckBox>(QStringLiteral("combined"));
    combined->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combined, Qt::Key_Space);
    QVERIFY(combined->isChecked());
    auto* amount = Part<QLineEdit>(QStringLiteral("amount"));
    QLabel* amountLabel = nullptr;
    for (QLabel* label : History()->findChildren<QLabel*>()) {
      amountLabel = label->buddy() == amount ? label : amountLabel;
    }
    QVERIFY(amountLabel != nullptr);
    QCOMPARE(amountLabel->text(), QStringLiteral("商业部分金额（万元）"));
    QCOMPARE(Part<QLineEdit>(QStringLiteral("fundMonths"))->text(),
             Part<QLineEdit>(QStringLiteral("months"))->text());
    QCOMPARE(Part<QLineEdit>(QStringLiteral("fundFirstRate"))->text(), QStringLiteral("4.86"));
    auto* part = Part<QComboBox>(QStringLiteral("newPart"));
    part->setFocus(Qt::TabFocusReason);
    QTest::keyClick(part, Qt::Key_Down);
    QCOMPARE(part->currentText(), QStringLiteral("公积金部分"));
    TypeInto(QStringLiteral("newDay"), QStringLiteral("2012-07-20"));
    TypeInto(QStringLiteral("newFigure"), QStringLiteral("5"));
    QTest::keyClick(Part<QLineEdit>(QStringLiteral("newFigure")), Qt::Key_Return);
    QCOMPARE(EventCell(EventOn(QStringLiteral("2012-07-20")).row(), 1),
             QStringLiteral("公积金部分：提前还款（自填）"));
  }

  // At 1024 × 700 the events table shows five rows and the check shows the
  // difference beside the figures without scrolling; at 1600 × 1200 the
  // contract's fields stay as wide as their content.
  void fitsTheScreen() {
    OpenHistory();
    History()->resize(1024, 700);
    QTRY_COMPARE(History()->size(), QSize(1024, 700));
    QVERIFY(Events()->viewport()->height() >= Events()->rowHeight(0) * 5);
    // Every field of the contract shown has a place of its own in it.
    auto* contract = Part<QWidget>(QStringLiteral("contract"));
    QList<QWidget*> shown;
    for (QWidget* field : contract->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QLineEdit*>(field) != nullptr ||
                           qobject_cast<QComboBox*>(field) != nullptr ||
                           qobject_cast<QCheckBox*>(field) != nullptr;
      if (control && field->parentWidget() == contract && field->isVisible()) {
        shown << field;
      }
    }
    QVERIFY(shown.size() >= 20);
    for (int a = 0; a < shown.size(); ++a) {
      QVERIFY2(shown[a]->y() > contract->contentsRect().top() + 4,
               qPrintable(shown[a]->objectName()));
      for (int b = a + 1; b < shown.size(); ++b) {
        QVERIFY2(
            !shown[a]->geometry().intersects(shown[b]->geometry()),
            qPrintable(shown[a]->objectName() + QStringLiteral(" / ") + shown[b]->objectName()));
      }
    }
    QWidget* check = OpenCheck();
    check->resize(1024, 700);
    QApplication::clipboard()->setText(kPlanHeadings + kTwelveMonths);
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    auto* months = check->findChild<QTableView*>(QStringLiteral("checkedMonths"));
    QTRY_COMPARE(check->size(), QSize(1024, 700));
    const int difference = 10;  // 差额（分）
    QVERIFY(months->columnViewportPosition(difference) + 80 <= months->viewport()->width());
    QCOMPARE(months->horizontalScrollBar()->maximum(), 0);
    History()->resize(1600, 1200);
    QTRY_COMPARE(History()->size(), QSize(1600, 1200));
    auto* amount = Part<QLineEdit>(QStringLiteral("amount"));
    QVERIFY2(amount->width() <= amount->sizeHint().width() * 3 / 2,
             qPrintable(QString::number(amount->width())));
  }

  // Paste never loses the plan there is: an empty clipboard or text that is
  // no plan leaves it and says why; a new plan in its place can be undone.
  void pasteNeverLosesThePlan() {
    OpenHistory();
    TypeTheWorkedLoan();
    QWidget* check = OpenCheck();
    QApplication::clipboard()->setText(kPlanHeadings + kTwelveMonths);
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    const QString twelve = QStringLiteral("银行计划 12 期：与 Quorvane 一致 12 期");
    QCOMPARE(CheckSummary(check), twelve);
    QApplication::clipboard()->clear();
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(CheckSummary(check),
             QStringLiteral("剪贴板里没有文字，还款计划没有改动。\n") + twelve);
    QApplication::clipboard()->setText(QStringLiteral("随便写的几行字\n不是还款计划\n"));
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(CheckSummary(check), QStringLiteral("这不像还款计划：没有找到日期和金额的列。"
                                                 "还款计划没有改动。\n") +
                                      twelve);
    QApplication::clipboard()->setText(
        kPlanHeadings + kTwelveMonths.left(kTwelveMonths.indexOf(QStringLiteral("\n7\t"))));
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(CheckSummary(check), QStringLiteral("银行计划 6 期：与 Quorvane 一致 6 期"));
    QTest::keyClick(check, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(CheckSummary(check), twelve);
    QTest::keyClick(check, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(CheckSummary(check), QStringLiteral("银行计划 6 期：与 Quorvane 一致 6 期"));
  }

  // Every edit of the loan can be undone and redone: a field's typing as one
  // edit once the focus left it, a row removed; undone back to what was
  // saved, the title no longer marks changes.
  void undoesEveryEdit() {
    OpenHistory();
    auto* discount = Part<QLineEdit>(QStringLiteral("discount"));
    const QString before = discount->text();
    const QString firstRate = Part<QLineEdit>(QStringLiteral("firstRate"))->text();
    TypeInto(QStringLiteral("discount"), QStringLiteral("10"));
    QVERIFY(History()->isWindowModified());
    QTest::keyClick(discount, Qt::Key_Tab);  // the typing is over
    QVERIFY(!discount->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(discount->text(), before);
    QCOMPARE(Part<QLineEdit>(QStringLiteral("firstRate"))->text(), firstRate);
    QVERIFY(!History()->isWindowModified());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(discount->text(), QStringLiteral("10"));
    QVERIFY(History()->isWindowModified());

    const int rows = EventRows();
    TypeInto(QStringLiteral("newDay"), QStringLiteral("2012-07-20"));
    TypeInto(QStringLiteral("newFigure"), QStringLiteral("5"));
    QTest::keyClick(Part<QLineEdit>(QStringLiteral("newFigure")), Qt::Key_Return);
    QCOMPARE(Events()->currentIndex().row(), EventOn(QStringLiteral("2012-07-20")).row());
    Events()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Events(), Qt::Key_Delete);
    QCOMPARE(EventRows(), rows);
    QTest::keyClick(Events(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(EventRows(), rows + 1);
    QCOMPARE(EventCell(EventOn(QStringLiteral("2012-07-20")).row(), 1),
             QStringLiteral("提前还款（自填）"));
  }

  // Closing the calculator closes the history first, which asks.
  void quittingAsksToo() {
    OpenHistory();
    TypeInto(QStringLiteral("discount"), QStringLiteral("9"));
    ClickInBox(QStringLiteral("取消"));
    QVERIFY(!Window().close());
    QVERIFY(Window().isVisible() && History()->isVisible());
    ClickInBox(QStringLiteral("不保存"));
    QVERIFY(Window().close());
  }
};

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
