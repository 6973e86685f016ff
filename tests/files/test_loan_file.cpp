// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "files/file_bytes.h"
#include "files/loan_file.h"
#include "sheet/loan_sheet.h"
#include "text/day_text.h"

using namespace quorvane;

namespace {

// A file with something in each of its parts.
LoanFile Everything() {
  LoanFile file;
  file.texts.combined = true;
  file.texts.amount = "25.5";
  file.texts.fundMonths = "";  // a field left empty is kept empty
  file.texts.repricing = Repricing::Anniversary;
  file.texts.tenor = LprTenor::OneYear;
  file.texts.spread = "-20";
  file.texts.conversionDay = "2020-08-25";
  file.texts.conversion = Conversion::Fixed;
  file.texts.firstHome = false;
  file.texts.reading = LprReading::MonthBefore;
  file.view = SheetView::Both;
  file.choices.borrowerEvents = {{BorrowerEvent::Kind::Prepayment,
                                  std::chrono::year{2010} / 6 / 20,
                                  SheetPart::Fund,
                                  5'000'000,
                                  true,
                                  Percent{},
                                  {},
                                  12},
                                 {BorrowerEvent::Kind::Rate,
                                  std::chrono::year{2009} / 1 / 1,
                                  SheetPart::Main,
                                  0,
                                  false,
                                  Percent{50'490},
                                  {},
                                  12},
                                 {BorrowerEvent::Kind::Spread,
                                  std::chrono::year{2024} / 11 / 1,
                                  SheetPart::Main,
                                  0,
                                  false,
                                  {},
                                  Percent{-2'550},
                                  12},
                                 {BorrowerEvent::Kind::Cycle,
                                  std::chrono::year{2024} / 11 / 1,
                                  SheetPart::Main,
                                  0,
                                  false,
                                  {},
                                  {},
                                  6}};
  file.choices.borrowerEvents.front().repeat = BorrowerEvent::Repeat::Yearly;
  file.choices.borrowerEvents.front().until = std::chrono::year{2014} / 6 / 20;
  file.choices.switchedOff = {
      {SheetPart::Main, RateEventKind::SpreadCap, std::chrono::year{2023} / 9 / 25}};
  file.choices.moved = {
      {{SheetPart::Main, RateEventKind::Benchmark, std::chrono::year{2009} / 1 / 1},
       std::chrono::year{2009} / 2 / 1}};
  file.choices.caps[1] = Percent{-4'500};
  file.choices.byDays = {true, false, 365};
  file.plan.cells = {{"期数", "还款日期", "月供"}, {}, {"1", "2007-07-15", "2,170.11"}};
  file.plan.chosen = {PlanColumn::Number, PlanColumn::Due, PlanColumn::Payment};
  file.fixings = {{std::chrono::year{2026} / 9 / 21, Percent{29'000}, Percent{34'000}}};
  return file;
}

}  // namespace

class LoanFileTest : public QObject {
  Q_OBJECT

 private slots:
  // Saved, opened and saved again: the same loan, the same bytes, and a
  // file a person can read.
  void readsBackExactly() {
    const QByteArray bytes = WriteLoanFile(Everything());
    const auto read = ReadLoanFile(bytes);
    QVERIFY(read);
    QVERIFY(*read == Everything());
    QCOMPARE(WriteLoanFile(*read), bytes);
    for (const char* line :
         {"\"format\": \"Quorvane 贷款历程\"", "\"version\": 5", "\"to\": \"2009-02-01\"",
          "\"repeat\": \"yearly\"", "\"until\": \"2014-06-20\"", "\"spread\": \"-20\"",
          "\"spread\": \"-0.255\"", "\"cycleMonths\": 6", "\"fiveYear\": \"3.40\"",
          "\"amount\": \"50000.00\"", "\"rate\": \"5.049\"", "\"2024-10-25\": \"-0.45\"",
          "\"daysInYear\": 365"}) {
      QVERIFY2(bytes.contains(line), line);
    }
  }

  // A file of each format before, kept from the version that wrote it,
  // opens with every field it held. What it did not keep is as it was then:
  // version 1 kept no fund part's first rate, so it is its table's (4.86 % ×
  // 11 折); version 2 kept no change moved.
  void aFileOfAVersionBefore_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fundFirstRate");
    QTest::newRow("version 1") << QStringLiteral("loan-v1.quorvane") << QStringLiteral("5.346");
    QTest::newRow("version 2") << QStringLiteral("loan-v2.quorvane") << QStringLiteral("5.5");
  }
  void aFileOfAVersionBefore() {
    QFETCH(QString, name);
    QFETCH(QString, fundFirstRate);
    QFile kept(QStringLiteral(QUORVANE_TEST_DATA "/") + name);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const auto read = ReadLoanFile(kept.readAll());
    QVERIFY2(read, read ? "" : qPrintable(FileProblemWords(read.Failure())));
    LoanFile expected;
    expected.texts.combined = true;
    expected.texts.amount = "25.5";
    expected.texts.fundAmount = "12";
    expected.texts.fundMonths = "180";
    expected.texts.fundDiscount = "11";
    expected.texts.fundFirstRate = fundFirstRate.toStdString();
    expected.texts.repricing = Repricing::Anniversary;
    expected.view = SheetView::Both;
    expected.choices.borrowerEvents = {{BorrowerEvent::Kind::Prepayment,
                                        std::chrono::year{2010} / 6 / 20,
                                        SheetPart::Fund,
                                        5'000'000,
                                        true,
                                        Percent{},
                                        {},
                                        12},
                                       {BorrowerEvent::Kind::Rate,
                                        std::chrono::year{2009} / 1 / 1,
                                        SheetPart::Main,
                                        0,
                                        false,
                                        Percent{50'490},
                                        {},
                                        12}};
    expected.choices.switchedOff = {
        {SheetPart::Main, RateEventKind::SpreadCap, std::chrono::year{2023} / 9 / 25}};
    expected.choices.caps = {Percent{0}, Percent{-4'500}};  // each written, the tier or not
    expected.choices.byDays = {true, false, 365};
    expected.plan.cells = {{"期数", "还款日期", "月供"}, {}, {"1", "2007-07-15", "2,170.11"}};
    expected.plan.chosen = {PlanColumn::Number, PlanColumn::Due, PlanColumn::Payment};
    QCOMPARE(read->texts.fundFirstRate, expected.texts.fundFirstRate);
    QVERIFY(read->texts == expected.texts);
    QVERIFY(read->choices == expected.choices);
    QVERIFY(read->plan == expected.plan);
    QCOMPARE(read->view, expected.view);
  }

  // A file of version 3, written before loans were priced on the LPR from
  // the start, opens field for field; what it did not keep is as every
  // loan then was: converted on 2020-03-01 to LPR plus a spread, a first
  // home, the latest fixing. Its months are this version's: the loan of
  // 2015-08-01 reprices on 2020-08-01, to 4.26 % from the payment of
  // 2020-09-01, where version 3 kept 4.41 % until 2021.
  void aFileOfVersion3() {
    QFile kept(QStringLiteral(QUORVANE_TEST_DATA "/loan-v3.quorvane"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const auto read = ReadLoanFile(kept.readAll());
    QVERIFY2(read, read ? "" : qPrintable(FileProblemWords(read.Failure())));
    LoanFile expected;
    expected.texts.granted = "2015-08-01";
    expected.texts.paymentDay = "1";
    expected.texts.amount = "50";
    expected.texts.discount = "9";
    expected.texts.firstRate = "4.86";
    expected.texts.repricing = Repricing::Anniversary;
    expected.choices.borrowerEvents = {{BorrowerEvent::Kind::Prepayment,
                                        std::chrono::year{2021} / 3 / 5,
                                        SheetPart::Main,
                                        5'000'000,
                                        false,
                                        Percent{},
                                        {},
                                        12}};
    expected.choices.moved = {
        {{SheetPart::Main, RateEventKind::Benchmark, std::chrono::year{2016} / 8 / 1},
         std::chrono::year{2016} / 9 / 1}};
    expected.choices.caps = {Percent{0}, Percent{-3'000}};
    QVERIFY(read->texts == expected.texts);
    QVERIFY(read->choices == expected.choices);
    QVERIFY(read->plan == expected.plan);
    QCOMPARE(read->view, expected.view);
    const LoanSheet sheet = SheetOf(read->texts, read->choices, std::chrono::year{2026} / 12 / 8);
    QVERIFY(!sheet.problem);
    QStringList rates;
    for (const HistoryRow& month : sheet.months.at(0)) {
      if (month.number > 0 && month.due >= std::chrono::year{2020} / 8 / 1 &&
          month.due <= std::chrono::year{2020} / 9 / 1) {
        rates << QString::fromStdString(DayText(month.due) + " " + PercentText(month.rate));
      }
    }
    QCOMPARE(rates, (QStringList{"2020-08-01 4.41", "2020-09-01 4.26"}));
  }

  // A file of version 4, written before a prepayment could repeat, opens
  // field for field, its prepayment made once.
  void aFileOfVersion4() {
    QFile kept(QStringLiteral(QUORVANE_TEST_DATA "/loan-v4.quorvane"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const auto read = ReadLoanFile(kept.readAll());
    QVERIFY2(read, read ? "" : qPrintable(FileProblemWords(read.Failure())));
    LoanFile expected;
    expected.texts.granted = "2021-03-15";
    expected.texts.paymentDay = "15";
    expected.texts.amount = "100";
    expected.texts.months = "360";
    expected.texts.spread = "55";
    expected.texts.firstRate = "5.20";
    BorrowerEvent prepayment;
    prepayment.kind = BorrowerEvent::Kind::Prepayment;
    prepayment.day = std::chrono::year{2024} / 6 / 20;
    prepayment.amount = 10'000'000;
    prepayment.shortenTerm = true;
    BorrowerEvent spread;
    spread.kind = BorrowerEvent::Kind::Spread;
    spread.day = std::chrono::year{2025} / 3 / 1;
    spread.spread = Percent{-4'000};
    expected.choices.borrowerEvents = {prepayment, spread};
    QVERIFY(read->texts == expected.texts);
    QVERIFY(read->choices == expected.choices);
    QVERIFY(read->plan == expected.plan);
    QVERIFY(read->fixings.empty());
    QCOMPARE(read->view, expected.view);
  }

  // A file that is broken, cut short, from a newer Quorvane or not ours is
  // refused with a message, never half read.
  void refused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray whole = WriteLoanFile(Everything());
    const QString broken = QStringLiteral("文件已损坏或不完整，无法读取");
    const QString notOurs = QStringLiteral("不是 Quorvane 的贷款文件");
    QTest::newRow("cut short") << whole.left(whole.size() / 2) << broken;
    QTest::newRow("cut short early") << whole.left(20) << broken;
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n", 8) << notOurs;
    QTest::newRow("text") << QByteArray("期数,还款日期\n1,2007-07-15\n") << notOurs;
    QTest::newRow("not ours") << QByteArray(R"({"format": "something else", "version": 1})")
                              << notOurs;
    QTest::newRow("newer") << QByteArray(whole).replace("\"version\": 5", "\"version\": 6")
                           << QStringLiteral(
                                  "此文件由较新版本的 Quorvane 保存（格式版本 6），"
                                  "本版本只能打开格式版本 5 的文件，请升级 Quorvane");
    QTest::newRow("a cycle of 5 months")
        << QByteArray(whole).replace("\"cycleMonths\": 6", "\"cycleMonths\": 5")
        << QStringLiteral("文件内容有误：“cycleMonths”应为 3、6 或 12");
    QTest::newRow("a change moved to no day")
        << QByteArray(whole).replace("\"to\": \"2009-02-01\"", "\"to\": \"2009-02-30\"")
        << QStringLiteral("文件内容有误：“to”不是日期");
    QTest::newRow("a field no one can type")
        << QByteArray(whole).replace("\"amount\": \"25.5\"", "\"amount\": \"2 5\"")
        << QStringLiteral("文件内容有误：“amount”的内容不是可以输入的数字");
    QTest::newRow("a prepayment of nothing")
        << QByteArray(whole).replace("\"50000.00\"", "\"0\"")
        << QStringLiteral("文件内容有误：“amount”的数值 0 不对");
    QTest::newRow("no such day") << QByteArray(whole).replace("2010-06-20", "2010-06-31")
                                 << QStringLiteral("文件内容有误：“day”不是日期");
  }
  void refused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const auto read = ReadLoanFile(bytes);
    QVERIFY(!read);
    QCOMPARE(FileProblemWords(read.Failure()), problem);
  }

  // Saving replaces the file whole; where it cannot be written, the message
  // says so and nothing is left behind.
  void savesInOneStep() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("贷款.quorvane"));
    QVERIFY(!SaveFileAtomically(path, "first"));
    QVERIFY(!SaveFileAtomically(path, "second"));
    QCOMPARE(*ReadFileBytes(path), QByteArray("second"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("贷款.quorvane")});

    const QString nowhere = dir.filePath(QStringLiteral("没有的文件夹/贷款.quorvane"));
    QCOMPARE(FileProblemWords(*SaveFileAtomically(nowhere, "third")),
             QStringLiteral("无法在此处保存 %1：文件夹不存在、只读或没有写入权限").arg(nowhere));
    QVERIFY(!QFile::exists(nowhere));
    QCOMPARE(FileProblemWords(ReadFileBytes(nowhere).Failure()),
             QStringLiteral("无法打开 %1：文件不存在或没有读取权限").arg(nowhere));
  }
};

QTEST_APPLESS_MAIN(LoanFileTest)
#include "test_loan_file.moc"
