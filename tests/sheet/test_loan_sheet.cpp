// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "sheet/own_fixings.h"
#include "sheet/sheet_table.h"
#include "sheet/shown_months.h"
#include "text/day_text.h"

using namespace quorvane;

namespace {

constexpr year_month_day kToday = std::chrono::year{2026} / 12 / 8;

LoanSheet Sheet(const ContractTexts& texts, const SheetChoices& choices = {}) {
  return SheetOf(texts, choices, kToday);
}

QString Joined(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) {
    joined << QString::fromStdString(line);
  }
  return joined.join(QChar('\n'));
}

}  // namespace

class LoanSheetTest : public QObject {
  Q_OBJECT

 private slots:
  // The worked loan: 300 000 yuan at 8.5 折 from 2007-06-15 over 240 months,
  // repriced on 1 January; its months computed apart, from the rates listed.
  void workedLoan() {
    const LoanSheet sheet = Sheet({});
    QVERIFY(!sheet.problem);
    const std::vector<ShownMonth> months = ShownMonths(sheet, SheetView::Main);
    QCOMPARE(months.size(), std::size_t{240});
    const auto cells = [&months](std::size_t at) { return Joined(MonthCells(months.at(at))); };
    QCOMPARE(cells(0),
             QStringLiteral("1\n2007-07-15\n6.12\n2170.11\n640.11\n1530.00\n299359.89\n"));
    QCOMPARE(cells(239), QStringLiteral("240\n2027-06-15\n2.865\n1885.82\n1881.33\n4.49\n0.00\n"));
    // 2008-01-15 takes 2008-01-01's rate, and says why.
    QVERIFY(cells(6).startsWith(QStringLiteral(
        "7\n2008-01-15\n6.6555\n2262.46\n620.16\n1642.30\n295489.88\n基准利率调整：")));
    QCOMPARE(Joined(SheetSummary(months, kToday)),
             QStringLiteral("总还款 476972.18 元，总利息 176972.18 元，最后还款日 2027-06-15\n"
                            "截至今天（2026-12-08）：已到期 233 期，已还本金 286924.90 元，"
                            "已付利息 176847.02 元，尚欠本金 13075.10 元，剩余 7 期，"
                            "剩余利息 125.16 元（按已知利率）"));
    QCOMPARE(Joined(sheet.notes),
             QStringLiteral(
                 "2026-08-20 以后的 LPR 未知，按 3.50% 计；可在“LPR 公布值”中填入新的公布值"));
  }

  // 合计 is the two parts month by month, and owes what both owe: 300 000 at
  // 6.12 % and 100 000 of the fund's at 4.86 % over 180 months, both
  // repriced on 2008-01-01 (6.6555 %, 5.22 %), computed apart.
  void combinationSumsItsParts() {
    ContractTexts texts;
    texts.combined = true;
    texts.fundMonths = "180";
    const LoanSheet sheet = Sheet(texts);
    QVERIFY(!sheet.problem);
    const auto fund = ShownMonths(sheet, SheetView::Fund);
    const auto both = ShownMonths(sheet, SheetView::Both);
    QCOMPARE(both.size(), std::size_t{240});
    QCOMPARE(fund.size(), std::size_t{180});
    const auto cells = [](const ShownMonth& month) { return Joined(MonthCells(month)); };
    QVERIFY(
        cells(fund.at(6))
            .startsWith(QStringLiteral("7\n2008-01-15\n5.22\n801.76\n376.74\n425.02\n97329.02\n")));
    QCOMPARE(cells(both.at(0)),
             QStringLiteral("1\n2007-07-15\n\n2953.63\n1018.63\n1935.00\n398981.37\n"));
    QCOMPARE(cells(both.at(5)),
             QStringLiteral("6\n2007-12-15\n\n2953.63\n1042.85\n1910.78\n393815.80\n"));
    QVERIFY(
        cells(both.at(6))
            .startsWith(QStringLiteral("7\n2008-01-15\n\n3064.22\n996.90\n2067.32\n392818.90\n")));
    // Where both parts change, each says why once; where one does, it alone.
    const QString both7 = QString::fromStdString(both.at(6).note);
    QVERIFY2(both7.startsWith(QStringLiteral("商业部分：基准利率调整：")), qPrintable(both7));
    QVERIFY2(both7.contains(QStringLiteral("6.6555%；公积金部分：基准利率调整：")),
             qPrintable(both7));
    QCOMPARE(both7.count(QStringLiteral("公积金部分")), 1);
    QCOMPARE(both.at(152).due, std::chrono::year{2020} / 3 / 15);
    QVERIFY(both.at(152).note.starts_with("商业部分：转为 LPR："));
    // After the fund's last month, 合计 is the commercial part alone.
    const auto main = ShownMonths(sheet, SheetView::Main);
    QCOMPARE(both.at(180).month.balance, main.at(180).month.balance);
  }

  // At 10 折 the spread is +10 基点: the 2024 cut to −30 switched off, the
  // months up to it stay and the later ones pay more.
  void cutSwitchedOff() {
    ContractTexts texts;
    texts.discount = "10";
    texts.firstRate = "7.20";
    SheetChoices choices;
    const auto on = ShownMonths(Sheet(texts), SheetView::Main);
    choices.switchedOff.insert(
        {SheetPart::Main, RateEventKind::SpreadCap, std::chrono::year{2024} / 10 / 25});
    const LoanSheet sheet = Sheet(texts, choices);
    const auto off = ShownMonths(sheet, SheetView::Main);
    const auto row = std::find_if(sheet.events.begin(), sheet.events.end(), [](const EventRow& e) {
      return e.key && e.key->kind == RateEventKind::SpreadCap && e.effective.year() == 2024y;
    });
    QVERIFY(row != sheet.events.end() && !row->on);
    QCOMPARE(off.at(207).month.payment, on.at(207).month.payment);  // due 2024-10-15
    QVERIFY(off.at(208).month.interest > on.at(208).month.interest);
  }

  // The fund part runs at its own first rate where the bank's differs from
  // the table's: 100 000 at 4.50 % is 375.00 of interest in the first month.
  void theFundsOwnFirstRate() {
    ContractTexts texts;
    texts.combined = true;
    texts.fundFirstRate = "4.50";
    const auto fund = ShownMonths(Sheet(texts), SheetView::Fund);
    QCOMPARE(MonthCells(fund.front()).at(2), std::string("4.50"));
    QCOMPARE(fund.front().month.interest, Fen{37'500});
    texts.fundFirstRate = "4.5.";
    QCOMPARE(ProblemWords(*Sheet(texts).problem),
             std::string("公积金部分的首期年利率应为 0 至 100，至多四位小数，如 6.12"));
  }

  // Every cut is accounted for: at 8.5 折 the spread, −63.5 基点, is under
  // both caps; example F turned fixed in 2020 is touched by neither. Each
  // cut has its row, greyed, with nothing to switch.
  void cutsThatChangeNothing_data() {
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QStringList>("cuts");
    QTest::newRow("a spread under both caps")
        << false
        << QStringList({"2023-09-25 加点 −63.5 基点不高于 0 基点，不变",
                        "2024-10-25 加点 −63.5 基点不高于 −30 基点，不变"});
    QTest::newRow("a fixed rate") << true
                                  << QStringList(
                                         {"2023-09-25 固定利率 5.39%，不受加点下调影响，不变",
                                          "2024-10-25 固定利率 5.39%，不受加点下调影响，不变"});
  }
  void cutsThatChangeNothing() {
    QFETCH(bool, fixed);
    QFETCH(QStringList, cuts);
    ContractTexts texts;
    if (fixed) {
      texts.granted = "2010-05-20";
      texts.paymentDay = "20";
      texts.discount = "11";
      texts.firstRate = *TableFirstRate(texts);
      texts.conversion = Conversion::Fixed;
    }
    QStringList shown;
    for (const EventRow& row : Sheet(texts).events) {
      if (row.what == "加点下调") {
        QVERIFY(!row.key && !row.on && !row.rate);
        shown << QString::fromStdString(DayText(row.effective) + " " + row.why);
      }
    }
    QCOMPARE(shown, cuts);
  }

  // A loan priced on the LPR from the start, as typed (example C: LPR − 20
  // from 2022-06-20, on its anniversary): its first rate from the fixing of
  // its grant day, the 2023 cut at its tier shown and changing nothing, the
  // 2024 cut on the LPR of its last repricing; not a first home, no 2023 row.
  void pricedOnTheLpr() {
    ContractTexts texts;
    texts.granted = "2022-06-20";
    texts.paymentDay = "20";
    texts.months = "360";
    texts.repricing = Repricing::Anniversary;
    texts.spread = "-20";
    QCOMPARE(TableFirstRate(texts), std::optional<std::string>("4.25"));
    texts.firstRate = "4.25";
    const auto events = [&texts] {
      QStringList shown;
      for (const EventRow& row : Sheet(texts).events) {
        shown << QString::fromStdString(DayText(row.effective) + " " + row.what + " " +
                                        (row.rate ? PercentText(*row.rate) : row.why));
      }
      return shown;
    };
    QCOMPARE(events(), QStringList({"2023-06-20 LPR 重定价 4.10",
                                    "2023-09-25 加点下调 加点 −20 基点不高于 −20 基点，不变",
                                    "2024-06-20 LPR 重定价 3.75", "2024-10-25 加点下调 3.65",
                                    "2025-06-20 LPR 重定价 3.20"}));
    texts.firstHome = false;
    QCOMPARE(events().size(), 4);
    // On the 1-year LPR, what is assumed after the last fixing is its 3.00.
    texts.tenor = LprTenor::OneYear;
    QCOMPARE(QString::fromStdString(Sheet(texts).notes.at(0)),
             QStringLiteral(
                 "2026-08-20 以后的 LPR 未知，按 3.00% 计；可在“LPR 公布值”中填入新的公布值"));
  }

  // The fixings kept on this computer with a file's: the file adds a month,
  // the kept one holds where both differ, the tables' months give way.
  void fixingsMerged() {
    using std::chrono::year;
    const LprFixing september{year{2026} / 9 / 21, Percent{29'000}, Percent{34'000}};
    const LprFixing othersSeptember{year{2026} / 9 / 21, Percent{28'000}, Percent{33'000}};
    const LprFixing october{year{2026} / 10 / 20, Percent{28'000}, Percent{33'000}};
    const LprFixing july{year{2026} / 7 / 20, Percent{30'000}, Percent{35'000}};
    const MergedFixings merged = MergeFixings({september}, {october, othersSeptember, july});
    QVERIFY(merged.fixings == (std::vector<LprFixing>{september, october}));
    QVERIFY(merged.differing == std::vector<LprFixing>{othersSeptember});
  }

  // The bank's own 4.90 % from 2019-06-01: the spread becomes +10 基点, so
  // 2021 reprices to 4.65 + 0.10 and the 2023 cut lowers it to 0.
  void bankRateBeforeTheConversion() {
    SheetChoices choices;
    choices.borrowerEvents = {{BorrowerEvent::Kind::Rate,
                               std::chrono::year{2019} / 6 / 1,
                               SheetPart::Main,
                               0,
                               false,
                               Percent{49'000},
                               {},
                               12}};
    QStringList lpr;
    for (const EventRow& row : Sheet({}, choices).events) {
      if (row.key && row.key->kind != RateEventKind::Benchmark && row.effective.year() < 2024y) {
        lpr << QString::fromStdString(DayText(row.effective) + " " + PercentText(*row.rate));
      }
    }
    QCOMPARE(lpr, QStringList({"2020-03-01 4.90", "2021-01-01 4.75", "2023-01-01 4.40",
                               "2023-09-25 4.30"}));
  }

  // What is wrong is said in words, and nothing is computed from it.
  void badInput_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("before the tables") << "granted"
                                       << "2004-10-28"
                                       << "放款日期应在 2004-10-29 至 2026-12-08 之间";
    QTest::newRow("after today") << "granted"
                                 << "2026-12-09"
                                 << "放款日期应在 2004-10-29 至 2026-12-08 之间";
    QTest::newRow("a spread of 501") << "spread"
                                     << "501"
                                     << "加点应为 −500 至 +500 基点，至多一位小数，如 55 或 −20";
    QTest::newRow("a spread of two places") << "spread"
                                            << "-20.25"
                                            << "加点应为 −500 至 +500 基点";
    QTest::newRow("converted in September") << "conversionDay"
                                            << "2020-09-01"
                                            << "转换日期应在 2020-03-01 至 2020-08-31 之间";
    QTest::newRow("converted before it could be") << "conversionDay"
                                                  << "2020-02-29"
                                                  << "转换日期应在 2020-03-01 至 2020-08-31 之间";
    QTest::newRow("no date") << "granted"
                             << "2007-02-30"
                             << "放款日期应写成 2007-06-15 这样的日期";
    QTest::newRow("term 0") << "months"
                            << "0"
                            << "还款期限应为 1 至 12000 个月";
    QTest::newRow("term 12001") << "months"
                                << "12001"
                                << "还款期限应为 1 至 12000 个月";
    QTest::newRow("amount 0") << "amount"
                              << "0"
                              << "贷款金额应大于 0，至多 10000 万元";
    QTest::newRow("day 29") << "paymentDay"
                            << "29"
                            << "每月还款日应为 1 至 28 日";
    QTest::newRow("rate 150") << "firstRate"
                              << "150"
                              << "首期年利率应为 0 至 100，至多四位小数，如 6.12";
    QTest::newRow("payment short") << "firstRate"
                                   << "99"
                                   << "月还款不足以支付当月利息";
  }
  void badInput() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    ContractTexts texts;
    std::string* fields[] = {&texts.granted,      &texts.months,    &texts.amount,
                             &texts.paymentDay,   &texts.firstRate, &texts.spread,
                             &texts.conversionDay};
    const QStringList names{"granted",   "months", "amount",       "paymentDay",
                            "firstRate", "spread", "conversionDay"};
    *fields[names.indexOf(field)] = text.toStdString();
    texts.months = field == "firstRate" ? "12000" : texts.months;
    texts.granted = field == "spread" ? "2021-03-15" : texts.granted;  // priced on the LPR
    const LoanSheet sheet = Sheet(texts);
    QVERIFY(sheet.problem);
    const QString words = QString::fromStdString(ProblemWords(*sheet.problem));
    QVERIFY2(words.startsWith(problem), qPrintable(words));
    QVERIFY(ShownMonths(sheet, SheetView::Main).empty());
  }

  // A prepayment of more than is owed ends the loan; what comes after it, or
  // after the last payment, is kept and marked as having no effect.
  void lateRowsHaveNoEffect() {
    SheetChoices choices;
    using Kind = BorrowerEvent::Kind;
    choices.borrowerEvents = {{Kind::Prepayment,
                               std::chrono::year{2020} / 5 / 1,
                               SheetPart::Main,
                               90'000'000,
                               false,
                               {},
                               {},
                               12},
                              {Kind::Rate,
                               std::chrono::year{2021} / 5 / 1,
                               SheetPart::Main,
                               0,
                               false,
                               Percent{50'000},
                               {},
                               12},
                              {Kind::Prepayment,
                               std::chrono::year{2022} / 5 / 1,
                               SheetPart::Main,
                               100,
                               false,
                               {},
                               {},
                               12}};
    const LoanSheet sheet = Sheet({}, choices);
    const auto months = ShownMonths(sheet, SheetView::Main);
    QCOMPARE(months.back().number, 0);
    QCOMPARE(months.back().month.balance, Fen{0});
    QCOMPARE(DayText(months.back().due), std::string("2020-05-01"));
    QVERIFY(SheetSummary(months, kToday)
                .back()
                .starts_with("截至今天（2026-12-08）：已还清（2020-05-01），共 154 期，"));
    QStringList late;
    for (const EventRow& row : sheet.events) {
      if (row.borrowerRow && row.noEffect) {
        late << QString::fromStdString(DayText(row.effective) + " " + row.what + " " + row.why);
      }
      // Quorvane's rows: those from the last payment's day on change nothing.
      if (row.key) {
        QCOMPARE(row.noEffect, row.effective >= std::chrono::year{2020} / 5 / 1);
      }
    }
    QCOMPARE(
        late,
        QStringList(
            {"2021-05-01 利率（自填） 银行通知的年利率 5.00%（贷款已还清，不起作用）",
             "2022-05-01 提前还款（自填） 提前还款 1.00 元，减少月供（贷款已还清，不起作用）"}));
  }
};

QTEST_APPLESS_MAIN(LoanSheetTest)
#include "test_loan_sheet.moc"
