// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "files/file_bytes.h"
#include "files/loan_file.h"
#include "files/plan_file.h"
#include "files/plan_workbook.h"
#include "files/table_file.h"
#include "plan/bank_plan.h"
#include "sheet/sheet_check.h"
#include "sheet/sheet_table.h"
#include "text/decimal_text.h"

using namespace quorvane;

namespace {

const QString kXlsHelper = QStringLiteral(QUORVANE_XLS_HELPER);
const QString kXlsxHelper = QStringLiteral(QUORVANE_XLSX_HELPER);
const QString kHeadings = QStringLiteral("期数，还款日期");
const QByteArray kGb18030Headings("\xC6\xDA\xCA\xFD\xA3\xAC\xBB\xB9\xBF\xEE\xC8\xD5\xC6\xDA");

// Where Qt has no GB18030 of its own (no ICU: the Windows build), the
// system's code page reads it, which is Chinese on Chinese Windows only.
bool ReadsChinese() { return DecodePlanText(kGb18030Headings) == kHeadings; }

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
    if (!WorkbookSuffixes().isEmpty()) {
      QTest::newRow("Excel 2007 (.xlsx)") << QStringLiteral("plan.xlsx");
      QTest::newRow("Excel 97 (.xls)") << QStringLiteral("plan.xls");
    }
  }
  void readsTheBanksFile() {
    QFETCH(QString, name);
    if (name.endsWith(QStringLiteral(".csv")) && !ReadsChinese()) {
      QSKIP("no GB18030 here: neither Qt's nor the system's code page");
    }
    const auto file = ReadPlanFile(QStringLiteral(QUORVANE_TEST_DATA "/plans/") + name, kXlsHelper);
    QVERIFY2(file, qPrintable(file ? QString() : FileProblemWords(file.Failure())));
    const BankPlan plan = ReadBankPlan(*file);
    QVERIFY(plan.byHeadings);
    QCOMPARE(plan.months.size(), std::size_t{12});
    QCOMPARE(plan.months.front().balance, std::optional<Fen>(29'935'989));
    const LoanSheet sheet = SheetOf({}, {}, std::chrono::year{2026} / 12 / 8);
    const PlanCheck check = CheckPlan(
        plan, CheckedLoanOf(sheet, {}, SheetView::Main, ShownMonths(sheet, SheetView::Main)));
    QCOMPARE(QString::fromStdString(check.summary),
             QStringLiteral("银行计划 12 期：与 Quorvane 一致 12 期"));
    QCOMPARE(plan.skipped.size(), std::size_t{2});
    QCOMPARE(plan.skipped.front().reason, SkipReason::Title);
    QCOMPARE(plan.skipped.back().reason, SkipReason::Total);
  }

  // UTF-8 with its byte order mark, and GB18030, read alike.
  void decodesText() {
    QCOMPARE(DecodePlanText("\xEF\xBB\xBF" + kHeadings.toUtf8()), kHeadings);
#ifdef Q_OS_LINUX
    QVERIFY(ReadsChinese());  // Debian's Qt reads GB18030 through ICU
#endif
  }

  // Files that are not what their names say are refused in words, as are
  // workbooks where the build reads none.
  void refusesBrokenFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    const bool workbooks = !WorkbookSuffixes().isEmpty();
    const auto none = [](const char* name) {
      return QStringLiteral(
                 "此版本的 Quorvane 不能读取 %1 这样的 Excel 工作簿：请在表格软件中把它"
                 "另存为 CSV（.csv）文件再打开，或复制其中的还款计划后粘贴")
          .arg(QLatin1String(name));
    };
    QTest::newRow(".xlsx") << QStringLiteral("plan.xlsx")
                           << (workbooks ? QStringLiteral("无法读取 plan.xlsx：不是 Excel 工作簿"
                                                          "（.xlsx），或文件已损坏")
                                         : none("plan.xlsx"));
    QTest::newRow(".xls") << QStringLiteral("plan.xls")
                          << (workbooks ? QStringLiteral("无法读取 plan.xls：不是 Excel 97–2003 "
                                                         "工作簿（.xls），或文件已损坏")
                                        : none("plan.xls"));
  }
  void refusesBrokenFiles() {
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(!SaveFileAtomically(path, "期数\t月供\n1\t2170.11\n"));
    const auto file = ReadPlanFile(path, kXlsHelper);
    QVERIFY(!file);
    QCOMPARE(FileProblemWords(file.Failure()), problem);
  }

  // The history's own months written as .csv, in UTF-8 with a byte order
  // mark or in GB18030, opened as a bank's plan: every month agrees.
  void theHistorysExportReadsBack_data() {
    QTest::addColumn<int>("encoding");
    QTest::newRow("UTF-8") << int(CsvEncoding::Utf8);
    if (ReadsChinese()) {
      QTest::newRow("GB18030") << int(CsvEncoding::Gb18030);
    }
  }
  void theHistorysExportReadsBack() {
    QFETCH(int, encoding);
    const LoanSheet sheet = SheetOf({}, {}, std::chrono::year{2026} / 12 / 8);
    const auto months = ShownMonths(sheet, SheetView::Main);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("还款明细.csv"));
    QVERIFY(!WriteCsv(path, MonthsSheet(months), static_cast<CsvEncoding>(encoding)));
    const auto cells = ReadPlanFile(path, kXlsHelper);
    QVERIFY(cells);
    const PlanCheck check =
        CheckPlan(ReadBankPlan(*cells), CheckedLoanOf(sheet, {}, SheetView::Main, months));
    QCOMPARE(QString::fromStdString(check.summary),
             QStringLiteral("银行计划 240 期：与 Quorvane 一致 240 期"));
  }

  // The history's 360 months and its contract written as .xlsx, under a
  // locale whose decimal mark is a comma, read back by the workbook reader
  // cell for cell (days as days, figures as the numbers they are), and
  // checked as a bank's plan: every month agrees.
  void theHistorysWorkbookReadsBack() {
    if (kXlsxHelper.isEmpty() || WorkbookSuffixes().isEmpty()) {
      QSKIP("this build writes or reads no workbooks");
    }
    ContractTexts texts;
    texts.months = "360";
    const LoanSheet sheet = SheetOf(texts, {}, std::chrono::year{2026} / 12 / 8);
    const auto months = ShownMonths(sheet, SheetView::Main);
    const TypedSheet typed = MonthsSheet(months);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("还款明细.xlsx"));
    // The program and its helper under a locale whose decimal mark is a comma.
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
      QSKIP("no locale with a decimal comma (scripts/test makes de_DE.UTF-8)");
    }
    const QByteArray environment = qgetenv("LC_ALL");
    qputenv("LC_ALL", "de_DE.UTF-8");
    const auto problem =
        WriteXlsx(path, {typed, ContractSheet(texts, SheetView::Main, sheet.events)}, kXlsxHelper);
    qputenv("LC_ALL", environment);
    std::setlocale(LC_NUMERIC, before.c_str());
    QVERIFY(!problem);
    const auto cells = ReadPlanFile(path, kXlsHelper);
    QVERIFY(cells);
    QCOMPARE(cells->size(), typed.rows.size() + 1);
    QCOMPARE(cells->at(0), typed.headings);
    for (std::size_t row = 0; row < typed.rows.size(); ++row) {
      const auto& read = cells->at(row + 1);
      for (std::size_t column = 0; column < typed.rows[row].size(); ++column) {
        const TypedCell& cell = typed.rows[row][column];
        const std::string text = column < read.size() ? read[column] : std::string();
        if (cell.kind == TypedCell::Kind::Money || cell.kind == TypedCell::Kind::Rate) {
          QCOMPARE(ReadDecimal(text, 4), ReadDecimal(CellText(cell), 4));
        } else {
          QCOMPARE(text, CellText(cell));
        }
      }
    }
    const PlanCheck check =
        CheckPlan(ReadBankPlan(*cells), CheckedLoanOf(sheet, {}, SheetView::Main, months));
    QCOMPARE(QString::fromStdString(check.summary),
             QStringLiteral("银行计划 360 期：与 Quorvane 一致 360 期"));
  }

  // Figures as the windows write them, a cell with a comma or a quote
  // quoted; a folder that cannot be written gets its message.
  void csvCells() {
    TypedSheet sheet{"t", {"期数", "说明"}, {}};
    sheet.rows.push_back({TypedCell::Whole(1), TypedCell::Of("利率 \"6.12%\", 8.5 折")});
    sheet.rows.push_back({TypedCell::Money(-40), TypedCell::Rate(Percent{-635})});
    sheet.rows.push_back({TypedCell::Day(std::chrono::year{2007} / 7 / 15), TypedCell{}});
    QCOMPARE(CsvBytes(sheet, CsvEncoding::Utf8),
             QByteArray("\xEF\xBB\xBF期数,说明\r\n1,\"利率 \"\"6.12%\"\", 8.5 折\"\r\n"
                        "-0.40,-0.0635\r\n2007-07-15,\r\n"));
    QTemporaryDir dir;
    const auto problem =
        WriteCsv(dir.filePath(QStringLiteral("不存在/还款明细.csv")), sheet, CsvEncoding::Utf8);
    QVERIFY(problem);
    QCOMPARE(problem->kind, FileProblem::Kind::CannotCreate);
  }

  // The workbook lands in a folder of any name (Windows hands the helper its
  // path whole), and nothing else is left there; without the helper the
  // message names it.
  void writesAWorkbookIntoAnyFolder() {
    const TypedSheet sheet{"还款明细", {"期数"}, {{TypedCell::Whole(1)}}};
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("我的 文件")));
    const QString path = dir.filePath(QStringLiteral("我的 文件/还款明细.xlsx"));
    const auto missing = WriteXlsx(path, {sheet}, dir.filePath(QStringLiteral("没有的程序")));
    QVERIFY(missing);
    QCOMPARE(FileProblemWords(*missing),
             QStringLiteral("无法写入 Excel 工作簿：找不到 Quorvane 写入它所用的程序 %1，"
                            "请重新安装 Quorvane，或导出为 CSV 文件")
                 .arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("没有的程序")))));
    if (kXlsxHelper.isEmpty()) {
      QSKIP("this build writes no workbooks");
    }
    QVERIFY(!WriteXlsx(path, {sheet}, kXlsxHelper));
    QVERIFY(ReadFileBytes(path)->startsWith("PK\x03\x04"));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("我的 文件"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("还款明细.xlsx")});
  }

  // Windows keeps a file that another program holds open (as Excel does a
  // workbook it shows) from being replaced: the export says so and the file
  // stays as it was, the .csv and the .xlsx alike.
  void refusesAFileOpenElsewhere_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("csv") << QStringLiteral("还款明细.csv");
    if (!kXlsxHelper.isEmpty()) {
      QTest::newRow("xlsx") << QStringLiteral("还款明细.xlsx");
    }
  }
  void refusesAFileOpenElsewhere() {
#ifdef Q_OS_WIN
    QFETCH(QString, name);
    const TypedSheet sheet{"还款明细", {"期数"}, { { TypedCell::Whole(1) } }};
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(SaveFileAtomically(path, "before") == std::nullopt);
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    HANDLE held = CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(held != INVALID_HANDLE_VALUE);
    const auto problem = name.endsWith(QStringLiteral(".csv"))
                             ? WriteCsv(path, sheet, CsvEncoding::Utf8)
                             : WriteXlsx(path, {sheet}, kXlsxHelper);
    CloseHandle(held);
    QVERIFY(problem);
    QCOMPARE(FileProblemWords(*problem),
             QStringLiteral("保存 %1 失败：文件可能正被其他程序（如 Excel）打开，或磁盘已满；"
                            "原有文件未改动")
                 .arg(path));
    QCOMPARE(*ReadFileBytes(path), QByteArray("before"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
#else
    QSKIP("only Windows keeps an open file from being replaced");
#endif
  }
};

QTEST_APPLESS_MAIN(PlanFileTest)
#include "test_plan_file.moc"
