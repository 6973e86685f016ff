// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTemporaryDir>
#include <QTest>

#include "files/loan_file.h"
#include "files/plan_file.h"
#include "history/plan_check.h"

using namespace quorvane;

namespace {
const QString kXlsHelper = QStringLiteral(QUORVANE_XLS_HELPER);
}  // namespace

// The first twelve months of the worked loan as banks' files hold them: a
// title row, headings, the months, a total. The spreadsheets were written
// by LibreOffice Calc 7.4 from the CSV, the GB18030 text as Chinese Windows
// writes it.
class PlanFileTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTheBanksFile_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("CSV in GB18030") << QStringLiteral("plan-gb18030.csv");
    QTest::newRow("Excel 2007 (.xlsx)") << QStringLiteral("plan.xlsx");
    QTest::newRow("Excel 97 (.xls)") << QStringLiteral("plan.xls");
  }
  void readsTheBanksFile() {
    QFETCH(QString, name);
    const PlanFile file =
        ReadPlanFile(QStringLiteral(QUORVANE_TEST_DATA "/plans/") + name, kXlsHelper);
    QCOMPARE(file.problem, QString());
    const BankPlan plan = ReadBankPlan(file.cells);
    QVERIFY(plan.byHeadings);
    QCOMPARE(plan.months.size(), std::size_t{12});
    QCOMPARE(plan.months.front().balance, std::optional<Fen>(29'935'989));
    const ReadContract contract = ReadContractTexts({}, std::chrono::year{2026} / 12 / 8);
    const PlanCheck check =
        CheckPlan(plan, CheckedLoanOf(contract, ComputeSheet(contract, {}), {}, SheetView::Main));
    QCOMPARE(QString::fromStdString(check.summary),
             QStringLiteral("银行计划 12 期：与 Quorvane 一致 12 期"));
    QCOMPARE(plan.skipped, std::size_t{2});  // the title and the total
  }

  // UTF-8 with its byte order mark, and GB18030, read alike.
  void decodesText() {
    const QString plan = QStringLiteral("期数，还款日期");
    QCOMPARE(DecodePlanText("\xEF\xBB\xBF" + plan.toUtf8()), plan);
    QCOMPARE(DecodePlanText(QByteArray("\xC6\xDA\xCA\xFD\xA3\xAC\xBB\xB9\xBF\xEE\xC8\xD5\xC6\xDA")),
             plan);
  }

  // Files that are not what their names say are refused in words.
  void refusesBrokenFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow(".xlsx") << QStringLiteral("plan.xlsx")
                           << QStringLiteral(
                                  "无法读取 plan.xlsx：不是 Excel 工作簿（.xlsx），或文件已损坏");
    QTest::newRow(".xls")
        << QStringLiteral("plan.xls")
        << QStringLiteral("无法读取 plan.xls：不是 Excel 97–2003 工作簿（.xls），或文件已损坏");
  }
  void refusesBrokenFiles() {
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QCOMPARE(SaveFileAtomically(path, "期数\t月供\n1\t2170.11\n"), QString());
    const PlanFile file = ReadPlanFile(path, kXlsHelper);
    QCOMPARE(file.problem, problem);
    QVERIFY(file.cells.empty());
  }
};

QTEST_APPLESS_MAIN(PlanFileTest)
#include "test_plan_file.moc"
