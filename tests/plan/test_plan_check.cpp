// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>
#include <algorithm>
#include <cstdio>

#include "plan/check_table.h"
#include "plan/plan_cells.h"
#include "plan/plan_text.h"
#include "sheet/sheet_check.h"
#include "sheet/sheet_table.h"
#include "worked_plan.h"

using namespace quorvane;

namespace {

constexpr year_month_day kToday = std::chrono::year{2026} / 12 / 8;
using testing::kTwelveMonths;
constexpr std::string_view kHeadings = testing::kPlanHeadings;

// The worked loan (300 000 yuan at 8.5 折 from 2007-06-15 over 240 months),
// or another, with the borrower's choices.
struct Loan {
  ContractTexts texts;
  SheetChoices choices;

  [[nodiscard]] LoanSheet Sheet() const { return SheetOf(texts, choices, kToday); }
  [[nodiscard]] CheckedLoan Checked() const {
    const LoanSheet sheet = Sheet();
    return CheckedLoanOf(sheet, choices, SheetView::Main, ShownMonths(sheet, SheetView::Main));
  }
};

// A bank's plan of a loan's months: the headings, then a month a row, each
// figure as the bank prints it; a prepayment is no row of its own.
std::string PlanText(const Loan& loan, std::string_view headings = kHeadings) {
  std::string text(headings);
  for (const ShownMonth& month : ShownMonths(loan.Sheet(), SheetView::Main)) {
    if (month.number > 0) {
      text += std::to_string(month.number) + '\t' + DayText(month.due) + '\t' +
              YuanText(month.month.payment) + '\t' + YuanText(month.month.principal) + '\t' +
              YuanText(month.month.interest) + '\t' + YuanText(month.month.balance) + '\n';
    }
  }
  return text;
}

PlanCheck Check(std::string_view plan, const Loan& loan = {}) {
  return CheckPlan(ReadBankPlan(SplitPlanText(plan)), loan.Checked());
}

const CheckedMonth* FirstDiffering(const PlanCheck& check) {
  const auto found = std::find_if(check.months.begin(), check.months.end(),
                                  [](const CheckedMonth& month) { return !month.Agrees(); });
  return found == check.months.end() ? nullptr : &*found;
}

// The check of a plan as the window makes it, with the contract's other
// choices tried.
PlanCheck CheckOfSheet(const BankPlan& plan, const Loan& loan) {
  const LoanSheet sheet = loan.Sheet();
  return CheckSheetPlan(plan, sheet, loan.choices, SheetView::Main,
                        ShownMonths(sheet, SheetView::Main), {});
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The bank's months as the borrower's choices make them.
enum class BankWay { RateLate, AcrossChange, Prepaid, FirstMonthByDays };

Loan BanksLoan(BankWay way) {
  Loan bank;
  switch (way) {
    case BankWay::RateLate:  // 2008-01-01's rate from the next month
      bank.choices.switchedOff.insert(
          {SheetPart::Main, RateEventKind::Benchmark, std::chrono::year{2008} / 1 / 1});
      bank.choices.borrowerEvents.push_back({BorrowerEvent::Kind::Rate,
                                             std::chrono::year{2008} / 1 / 15,
                                             SheetPart::Main,
                                             0,
                                             false,
                                             Percent{66'555},
                                             {},
                                             12});
      break;
    case BankWay::AcrossChange:
      bank.choices.byDays.acrossChange = true;
      break;
    case BankWay::Prepaid:
      bank.choices.borrowerEvents.push_back({BorrowerEvent::Kind::Prepayment,
                                             std::chrono::year{2010} / 6 / 20,
                                             SheetPart::Main,
                                             5'000'000,
                                             false,
                                             Percent{},
                                             {},
                                             12});
      break;
    case BankWay::FirstMonthByDays:
      bank.choices.byDays.firstMonth = true;
      break;
  }
  if (way == BankWay::FirstMonthByDays) {
    bank.texts.paymentDay = "20";
  }
  return bank;
}

}  // namespace

class PlanCheckTest : public QObject {
  Q_OBJECT

 private slots:
  // A plan made from the history itself agrees month for month, however
  // the bank words its headings, orders its rows or writes its figures.
  void theHistorysOwnPlanAgrees_data() {
    QTest::addColumn<QString>("plan");
    const Loan loan;
    QTest::newRow("as printed") << Q(PlanText(loan));
    QTest::newRow("other words") << Q(
        PlanText(loan, "期次\t应还日期\t应还本息\t归还本金\t归还利息\t贷款余额\n"));
    QTest::newRow("no headings") << Q(PlanText(loan, ""));
    std::string reversed;
    const QStringList lines = Q(PlanText(loan)).split('\n', Qt::SkipEmptyParts);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
      reversed += line->toStdString() + "\r\n";
    }
    QTest::newRow("last month first") << Q(reversed);
    // As a spreadsheet saves it: each cell quoted, thousands separated.
    QStringList csv;
    for (const QString& line : lines) {
      QStringList cells = line.split('\t');
      for (QString& cell : cells) {
        const auto point = cell.indexOf('.');
        cell = QChar('"') + (point > 3 ? cell.insert(point - 3, ',') : cell) + QChar('"');
      }
      csv << cells.join(',');
    }
    QTest::newRow("CSV, quoted, with thousands separators") << csv.join(QStringLiteral("\r\n"));
  }
  void theHistorysOwnPlanAgrees() {
    QFETCH(QString, plan);
    const PlanCheck check = Check(plan.toStdString());
    QVERIFY(!check.problem);
    QCOMPARE(Q(check.summary), QStringLiteral("银行计划 240 期：与 Quorvane 一致 240 期"));
  }

  // A plan of 1200 months is checked whole: a loan at no interest repays
  // 300 000 in 1200 equal months of 250.00.
  void aLongPlan() {
    Loan loan;
    loan.texts.months = "1200";
    loan.texts.discount = "0";
    loan.texts.firstRate = "0";
    std::string plan(kHeadings);
    for (int k = 1; k <= 1200; ++k) {
      const int month = 6 + k;  // months from January 2007
      char row[96];
      std::snprintf(row, sizeof row, "%d\t%d-%02d-15\t250.00\t250.00\t0.00\t%d.00\n", k,
                    2007 + (month - 1) / 12, (month - 1) % 12 + 1, 300'000 - 250 * k);
      plan += row;
    }
    QCOMPARE(Q(Check(plan, loan).summary),
             QStringLiteral("银行计划 1200 期：与 Quorvane 一致 1200 期"));
  }

  // One change to the plan at a time: the check names the month and the
  // cause, and what it offers makes the history follow the bank.
  void namesTheMonthAndTheCause_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("why");
    QTest::addColumn<QString>("offer");
    QTest::newRow("a repricing a month late")
        << int(BankWay::RateLate) << 7
        << QStringLiteral(
               "银行晚 1 个月执行 2008-01-01 的调整：本期仍按年利率 6.12% 计息，Quorvane 按 "
               "6.6555%")
        << QStringLiteral("把 2008-01-01 的调整改为 2008-02-01 起执行");
    QTest::newRow("interest by days across 1 January")
        << int(BankWay::AcrossChange) << 7
        << QStringLiteral(
               "银行本月分段计息：296110.04 元 × (6.12% × 17 天 + 6.6555% × 14 天) ÷ 360 = "
               "1622.16 元（利率 2008-01-01 调整）")
        << QStringLiteral("打开分段计息（一年按 360 天）");
    QTest::newRow("a prepayment left out")
        << int(BankWay::Prepaid) << 37
        << QStringLiteral(
               "银行本期剩余本金比上期少 50694.74 元，比本期本金多 50000.00 元："
               "似有一笔 2010-06-15 的提前还款，Quorvane 没有")
        << QStringLiteral("添加提前还款：2010-06-15 50000.00 元，减少月供");
    QTest::newRow("a first month of 35 days")
        << int(BankWay::FirstMonthByDays) << 1
        << QStringLiteral(
               "银行首月按天计息：300000.00 元 × 6.12% × 35 天 ÷ 360 = 1785.00 元"
               "（放款 2007-06-15 至首次还款 2007-07-20）")
        << QStringLiteral("打开首月按天计息（一年按 360 天）");
  }
  void namesTheMonthAndTheCause() {
    QFETCH(int, way);
    QFETCH(int, number);
    QFETCH(QString, why);
    QFETCH(QString, offer);
    const Loan bank = BanksLoan(static_cast<BankWay>(way));
    Loan ours;
    ours.texts = bank.texts;
    const std::string plan = PlanText(bank);
    PlanCheck check = Check(plan, ours);
    const CheckedMonth* first = FirstDiffering(check);
    QVERIFY(first != nullptr);
    QCOMPARE(first->number, number);
    QCOMPARE(Q(first->why), why);
    QVERIFY(first->offer.has_value());
    QCOMPARE(Q(OfferText(*first->offer)), offer);
    // Each offer taken, the next month that differs may offer the next step.
    for (int taken = 0; taken < 3 && (first = FirstDiffering(check)) != nullptr; ++taken) {
      QVERIFY2(first->offer.has_value(), first->why.c_str());
      ApplyOffer(*first->offer, SheetPart::Main, ours.texts, ours.choices);
      check = Check(plan, ours);
    }
    QCOMPARE(Q(check.summary), QStringLiteral("银行计划 240 期：与 Quorvane 一致 240 期"));
  }

  // The bank's repricing of 2008-01-01 a month late, its months computed
  // apart: 6.12 % for month 7, then 6.6555 % with the payment set again over
  // 233 months. One offer moves the change, and the history follows.
  void aRepricingALateMonth() {
    QStringList lines = Q(kTwelveMonths).split('\n', Qt::SkipEmptyParts).mid(0, 6);
    lines << QStringLiteral("7\t2008-01-15\t2170.11\t659.95\t1510.16\t295450.09")
          << QStringLiteral("8\t2008-02-15\t2262.15\t623.51\t1638.64\t294826.58")
          << QStringLiteral("9\t2008-03-15\t2262.15\t626.97\t1635.18\t294199.61")
          << QStringLiteral("10\t2008-04-15\t2262.15\t630.45\t1631.70\t293569.16")
          << QStringLiteral("11\t2008-05-15\t2262.15\t633.94\t1628.21\t292935.22")
          << QStringLiteral("12\t2008-06-15\t2262.15\t637.46\t1624.69\t292297.76");
    const std::string plan = std::string(kHeadings) + lines.join('\n').toStdString();
    Loan ours;
    PlanCheck check = Check(plan, ours);
    const CheckedMonth* first = FirstDiffering(check);
    QCOMPARE(first->number, 7);
    QCOMPARE(Q(first->why), QStringLiteral("银行晚 1 个月执行 2008-01-01 的调整：本期仍按年利率 "
                                           "6.12% 计息，Quorvane 按 6.6555%"));
    QCOMPARE(Q(OfferText(*first->offer)),
             QStringLiteral("把 2008-01-01 的调整改为 2008-02-01 起执行"));
    ApplyOffer(*first->offer, SheetPart::Main, ours.texts, ours.choices);
    check = Check(plan, ours);
    QCOMPARE(Q(check.summary), QStringLiteral("银行计划 12 期：与 Quorvane 一致 12 期"));
    // The events table shows the change on the bank's day, and why.
    const LoanSheet sheet = ours.Sheet();
    const auto moved =
        std::find_if(sheet.events.begin(), sheet.events.end(), [](const EventRow& row) {
          return row.key && row.key->effective == std::chrono::year{2008} / 1 / 1;
        });
    QVERIFY(moved != sheet.events.end());
    QCOMPARE(moved->effective, std::chrono::year{2008} / 2 / 1);
    QVERIFY2(moved->why.ends_with("；银行晚 1 个月执行 2008-01-01 的调整"), moved->why.c_str());
  }

  // A bank that made another of the contract's choices: example D's took
  // September's fixing for its repricing of 2024-10-25; example A's was
  // converted in the batch of 2020-08-25; example C's repriced on 1 January.
  // The check names the choice, and taking it makes the two agree.
  void otherChoicesOfTheBank_data() {
    QTest::addColumn<QString>("granted");
    QTest::addColumn<QString>("months");
    QTest::addColumn<int>("repricing");
    QTest::addColumn<QString>("spread");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("why");
    QTest::addColumn<QString>("offer");
    QTest::newRow("the month before's fixing") << "2023-10-25"
                                               << "360" << int(Repricing::Anniversary) << "-20"
                                               << 13 << "银行按上月公布的 LPR 3.85% 重定价"
                                               << "重定价用的 LPR 改为“上月公布”";
    QTest::newRow("converted in the batch") << "2015-08-01"
                                            << "240" << int(Repricing::Anniversary) << "0" << 61
                                            << "银行于 2020-08-25 批量转为 LPR 加点，此前未转换"
                                            << "转换日期改为 2020-08-25";
    QTest::newRow("repriced on 1 January")
        << "2022-06-20"
        << "360" << int(Repricing::NextJanuary) << "-20" << 7 << "银行按贷款发放日对应日重定价"
        << "重定价日改为“贷款发放日对应日”";
  }
  void otherChoicesOfTheBank() {
    QFETCH(QString, granted);
    QFETCH(QString, months);
    QFETCH(int, repricing);
    QFETCH(QString, spread);
    QFETCH(int, number);
    QFETCH(QString, why);
    QFETCH(QString, offer);
    Loan ours;
    ours.texts.granted = granted.toStdString();
    ours.texts.paymentDay = granted.right(2).toStdString();
    ours.texts.months = months.toStdString();
    ours.texts.discount = "9";
    ours.texts.repricing = static_cast<Repricing>(repricing);
    ours.texts.spread = spread.toStdString();
    ours.texts.firstRate = *TableFirstRate(ours.texts);
    Loan bank = ours;
    bank.texts.reading = LprReading::MonthBefore;
    bank.texts.conversionDay = "2020-08-25";
    bank.texts.repricing = ours.texts.repricing == Repricing::NextJanuary ? Repricing::Anniversary
                                                                          : Repricing::NextJanuary;
    if (granted != "2022-06-20") {
      bank.texts.repricing = ours.texts.repricing;
    }
    const BankPlan plan = ReadBankPlan(SplitPlanText(PlanText(bank)));
    const auto check = [&plan, &ours] { return CheckOfSheet(plan, ours); };
    PlanCheck result = check();
    const CheckedMonth* first = FirstDiffering(result);
    QVERIFY(first != nullptr);
    QCOMPARE(first->number, number);
    QCOMPARE(Q(first->why), why);
    QCOMPARE(Q(OfferText(*first->offer)), offer);
    for (int taken = 0; taken < 3 && (first = FirstDiffering(result)) != nullptr; ++taken) {
      QVERIFY2(first->offer.has_value(), first->why.c_str());
      ApplyOffer(*first->offer, SheetPart::Main, ours.texts, ours.choices);
      result = check();
    }
    QVERIFY2(result.summary.ends_with("一致 " + months.toStdString() + " 期"),
             result.summary.c_str());
  }

  // A bank that took another spread: its contract's (with the first rate
  // made of it), a city's floor at the cut of 2024-10-25, or another figure
  // for the borrower's renegotiated spread. The check names the spread, and
  // taking it makes the two agree.
  void anotherSpread_data() {
    QTest::addColumn<int>("whose");
    QTest::addColumn<QString>("why");
    QTest::addColumn<QString>("offer");
    QTest::newRow("the contract's")
        << int(PlanOffer::SpreadOf::Contract) << "银行按加点 −10 基点计息，Quorvane 按 −20 基点"
        << "加点改为 −10 基点，首期年利率 4.35%";
    QTest::newRow("a city's floor") << int(PlanOffer::SpreadOf::Cut)
                                    << "银行 2024-10-25 把加点下调为 −20 基点，Quorvane 按 −30 基点"
                                    << "把 2024-10-25 加点下调的加点改为 −20 基点";
    QTest::newRow("the borrower's row")
        << int(PlanOffer::SpreadOf::Row)
        << "银行自 2025-03-01 起按加点 −45 基点计息，Quorvane 按 −40 基点"
        << "把 2025-03-01 的加点改为 −45 基点";
  }
  void anotherSpread() {
    QFETCH(int, whose);
    QFETCH(QString, why);
    QFETCH(QString, offer);
    Loan ours;
    ours.texts.granted = "2022-06-20";
    ours.texts.paymentDay = "20";
    ours.texts.months = "360";
    ours.texts.repricing = Repricing::Anniversary;
    ours.texts.spread = "-20";
    ours.texts.firstRate = "4.25";
    BorrowerEvent row;
    row.kind = BorrowerEvent::Kind::Spread;
    row.day = std::chrono::year{2025} / 3 / 1;
    row.spread = Percent{-4'000};
    ours.choices.borrowerEvents.push_back(row);
    Loan bank = ours;
    switch (static_cast<PlanOffer::SpreadOf>(whose)) {
      case PlanOffer::SpreadOf::Contract:
        bank.texts.spread = "-10";
        bank.texts.firstRate = "4.35";
        break;
      case PlanOffer::SpreadOf::Cut:
        bank.choices.caps.at(1) = Percent{-2'000};
        break;
      case PlanOffer::SpreadOf::Row:
        bank.choices.borrowerEvents.at(0).spread = Percent{-4'500};
        break;
    }
    const BankPlan plan = ReadBankPlan(SplitPlanText(PlanText(bank)));
    const auto check = [&plan, &ours] { return CheckOfSheet(plan, ours); };
    PlanCheck result = check();
    const CheckedMonth* first = FirstDiffering(result);
    QVERIFY(first != nullptr && first->offer.has_value());
    QCOMPARE(Q(first->why), why);
    QCOMPARE(Q(OfferText(*first->offer)), offer);
    ApplyOffer(*first->offer, SheetPart::Main, ours.texts, ours.choices);
    result = check();
    QVERIFY2(result.summary.ends_with("一致 360 期"), result.summary.c_str());
  }

  // The check as a workbook takes it: the bank's and Quorvane's figures in
  // columns of their own, as numbers, the month a number and its day a day.
  void exportsFiguresAsNumbers() {
    const auto sheets = CheckSheets(Check(PlanText({})));
    QCOMPARE(sheets.size(), std::size_t{2});
    const auto& first = sheets.front().rows.at(0);
    QCOMPARE(first.size(), kCheckColumns);
    QVERIFY(first.at(0).kind == TypedCell::Kind::Whole && first.at(0).value == 1);
    QVERIFY(first.at(1).kind == TypedCell::Kind::Day &&
            first.at(1).day == std::chrono::year{2007} / 7 / 15);
    for (const CheckColumn column : {CheckColumn::BankPayment, CheckColumn::OurPayment}) {
      const TypedCell& cell = first.at(static_cast<std::size_t>(column));
      QVERIFY(cell.kind == TypedCell::Kind::Money && cell.value == 217'011);
    }
    QCOMPARE(sheets.back().rows.at(0).at(0).words,
             std::string("银行计划 240 期：与 Quorvane 一致 240 期"));
  }

  // A fen less interest in the second month, the principal a fen more: the
  // bank cut the fen off where Quorvane rounds 1526.735439 up.
  void oneFenOff() {
    QString plan = Q(PlanText({}));
    plan.replace(QStringLiteral("2\t2007-08-15\t2170.11\t643.37\t1526.74\t298716.52"),
                 QStringLiteral("2\t2007-08-15\t2170.11\t643.38\t1526.73\t298716.51"));
    const PlanCheck check = Check(plan.toStdString());
    QCOMPARE(Q(check.summary),
             QStringLiteral("银行计划 240 期：与 Quorvane 一致 239 期，不一致 1 期；最早第 2 期"
                            "（2007-08-15），利息差 -0.01 元"));
    QCOMPARE(Q(FirstDiffering(check)->why),
             QStringLiteral("舍入不同：银行把利息的分以下舍去：299359.89 元 × 6.12% ÷ 12 = 1526.73 "
                            "元，Quorvane 四舍五入"));
    QCOMPARE(Q(CheckCell(*FirstDiffering(check), CheckColumn::Difference)),
             QStringLiteral("本金 +1，利息 -1，剩余本金 -1"));
  }

  // The summary's figures belong to the months it names: the first month
  // that differs with its own gap, and the month with the largest gap.
  void summaryNamesEachFiguresMonth() {
    std::string plan = std::string(kHeadings) + std::string(kTwelveMonths);
    plan = Q(plan)
               .replace(QStringLiteral("1523.45\t298069.86"), QStringLiteral("1523.44\t298069.86"))
               .replace(QStringLiteral("294239.22"), QStringLiteral("294239.30"))
               .toStdString();
    QCOMPARE(Q(Check(plan).summary),
             QStringLiteral("银行计划 12 期：与 Quorvane 一致 10 期，不一致 2 期；最早第 3 期"
                            "（2007-09-15），利息差 -0.01 元；差得最多的是第 9 期（2008-03-15），"
                            "剩余本金差 +0.08 元"));
  }

  // A row of the bank's whose own figures disagree is named as such, before
  // anything else is looked for.
  void aRowThatDoesNotAddUp_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("why");
    QTest::newRow("payment") << QStringLiteral("2170.11\t649.95\t1520.16")
                             << QStringLiteral("2170.12\t649.95\t1520.16")
                             << QStringLiteral(
                                    "银行计划第 5 行自身不平：本金 649.95 + 利息 1520.16 = "
                                    "2170.11 元，不等于月供 2170.12 元；请先向银行核实这一行");
    QTest::newRow("balance") << QStringLiteral("297419.91") << QStringLiteral("297519.91")
                             << QStringLiteral(
                                    "银行计划第 5 行自身不平：上期剩余本金 298069.86 − "
                                    "本金 649.95 = 297419.91 元，不等于剩余本金 297519.91 "
                                    "元；请先向银行核实这一行");
  }
  void aRowThatDoesNotAddUp() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, why);
    const QString plan = Q(kHeadings) + Q(kTwelveMonths).replace(from, to);
    const PlanCheck check = Check(plan.toStdString());
    const CheckedMonth* first = FirstDiffering(check);
    QVERIFY(first != nullptr);
    QCOMPARE(first->number, 4);
    QCOMPARE(Q(first->why), why);
    QVERIFY(!first->offer);
  }

  // What is wrong with a plan as a whole is said, and the months are checked anyway.
  void planAsAWhole_data() {
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("said");
    const QString plan = Q(PlanText({}));
    QTest::newRow("empty")
        << QString()
        << QStringLiteral("没有找到还款月份：请粘贴银行的还款计划（每期一行），或打开它的文件");
    QString garbage;
    for (int line = 0; line < 2'000; ++line) {
      garbage += QStringLiteral("第%1行 随便写的 abc%2\n").arg(line).arg(line * 7);
    }
    QTest::newRow("2000 lines of garbage")
        << garbage << QStringLiteral("这不像还款计划：没有找到日期和金额的列");
    QTest::newRow("another loan's")
        << QString(plan).replace(QStringLiteral("\t299359.89\n"), QStringLiteral("\t199359.89\n"))
        << QStringLiteral(
               "银行计划首期前的本金 200000.00 元与贷款金额 300000.00 "
               "元不同：似为另一笔贷款，仍逐期核对");
    QStringList tenThousands;
    for (const QString& line : plan.split('\n', Qt::SkipEmptyParts).mid(1)) {
      QStringList cells = line.split('\t');
      for (int c = 2; c < cells.size(); ++c) {
        cells[c] = QString::number(cells[c].toDouble() / 10'000, 'f', 6);
      }
      tenThousands << cells.join('\t');
    }
    QTest::newRow("in 万元")
        << QStringLiteral("期数\t日期\t月供\t本金\t利息\t余额\n") + tenThousands.join('\n')
        << QStringLiteral(
               "银行计划的金额约为 Quorvane 的万分之一：似以万元为单位，请用以元为单位的计划核对");
    QTest::newRow("a total and a heading again")
        << plan + QStringLiteral("合计\t\t476972.18\t300000.00\t176972.18\t\n") + Q(kHeadings)
        << QStringLiteral("跳过 2 行不是还款月份的内容（标题、合计、空行等）");
  }
  void planAsAWhole() {
    QFETCH(QString, plan);
    QFETCH(QString, said);
    const PlanCheck check = Check(plan.toStdString());
    QStringList words;
    if (check.problem) {
      words << Q(PlanProblemWords(*check.problem));
    }
    for (const std::string& note : check.notes) {
      words << Q(note);
    }
    QCOMPARE(words, QStringList{said});
  }

  // The history's own 复制为表格 of a loan with a prepayment: the
  // prepayment's row is a prepayment, not a second month of its month.
  void theHistorysOwnCopyWithAPrepayment() {
    const Loan loan = BanksLoan(BankWay::Prepaid);
    std::string copy;
    for (const auto& row :
         SheetTable(loan.texts, SheetView::Main, ShownMonths(loan.Sheet(), SheetView::Main))) {
      copy += JoinedRow(row) + '\n';
    }
    QCOMPARE(Q(Check(copy, loan).summary),
             QStringLiteral("银行计划 240 期：与 Quorvane 一致 240 期；提前还款 1 笔一致"));
  }

  // A bank's plan that lists a prepayment of 2008-02-20, 50 000 yuan with
  // the payment set again over 232 months (computed apart): the row reads
  // as a prepayment, by its words or by its day and its principal alone;
  // the history without it is told so, and follows once it is added.
  void aPrepaymentThePlanLists_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("says so") << QStringLiteral(
        "\t2008-02-20\t50000.00\t50000.00\t0.00\t244866.28\t部分提前还款");
    QTest::newRow("between two payment days, principal alone")
        << QStringLiteral("\t2008-02-20\t\t50000.00\t\t244866.28\t");
  }
  void aPrepaymentThePlanLists() {
    QFETCH(QString, row);
    QStringList lines = Q(kTwelveMonths).split('\n', Qt::SkipEmptyParts).mid(0, 8);
    lines << row << QStringLiteral("9\t2008-03-15\t1878.81\t520.72\t1358.09\t244345.56\t")
          << QStringLiteral("10\t2008-04-15\t1878.81\t523.61\t1355.20\t243821.95\t")
          << QStringLiteral("11\t2008-05-15\t1878.81\t526.51\t1352.30\t243295.44\t")
          << QStringLiteral("12\t2008-06-15\t1878.81\t529.43\t1349.38\t242766.01\t");
    const std::string plan =
        "期数\t还款日期\t月供\t本金\t利息\t剩余本金\t备注\n" + lines.join('\n').toStdString();
    Loan ours;
    PlanCheck check = Check(plan, ours);
    QCOMPARE(Q(check.summary),
             QStringLiteral("银行计划 12 期：与 Quorvane 一致 8 期，不一致 4 期；最早第 9 期"
                            "（2008-03-15），剩余本金差 -49893.66 元；提前还款 1 笔，不一致 1 笔"));
    const CheckedMonth* first = FirstDiffering(check);
    QVERIFY(first->prepayment);
    QCOMPARE(Q(CheckCell(*first, CheckColumn::Number)), QStringLiteral("提前还款"));
    QCOMPARE(Q(first->why),
             QStringLiteral("银行计划有一笔 2008-02-20 的提前还款 50000.00 元，Quorvane 没有"));
    QVERIFY(first->offer.has_value());
    QCOMPARE(Q(OfferText(*first->offer)),
             QStringLiteral("添加提前还款：2008-02-20 50000.00 元，减少月供"));
    ApplyOffer(*first->offer, SheetPart::Main, ours.texts, ours.choices);
    check = Check(plan, ours);
    QCOMPARE(Q(check.summary),
             QStringLiteral("银行计划 12 期：与 Quorvane 一致 12 期；提前还款 1 笔一致"));
  }

  // Months twice, months missing, a plan of the months still to come.
  void alignment() {
    QStringList lines = Q(kTwelveMonths).split('\n', Qt::SkipEmptyParts);
    QStringList twice = lines;
    twice.insert(9, lines.at(8));  // month 9 twice
    twice.removeAt(11);            // month 11 left out
    PlanCheck check = Check(Q(kHeadings).toStdString() + twice.join('\n').toStdString());
    QCOMPARE(Q(check.summary),
             QStringLiteral("银行计划 12 期：与 Quorvane 一致 11 期；重复 1 期；计划缺 1 期"));
    QCOMPARE(check.months.at(9).why, std::string("银行计划中这一期重复"));
    QCOMPARE(check.months.at(11).number, 11);
    QCOMPARE(check.months.at(11).why, std::string("银行计划中没有这一期"));

    // Numbered from 1 again and without dates, from month 5 on: aligned
    // where its first balance is what the history owes.
    QStringList later{QStringLiteral("期数\t月供\t本金\t利息\t剩余本金")};
    for (int line = 4; line < 12; ++line) {
      QStringList cells = lines.at(line).split('\t');
      cells[0] = QString::number(line - 3);
      cells.removeAt(1);
      later << cells.join('\t');
    }
    check = Check(later.join('\n').toStdString());
    QCOMPARE(Q(check.summary), QStringLiteral("银行计划 8 期：与 Quorvane 一致 8 期"));
    QCOMPARE(check.months.front().number, 5);
  }

  // The main window's report pasted is a plan too: its single-precision
  // months part from the bank's arithmetic, and the check says where.
  void theReportBoxPasted() {
    const std::string report = "月还款:2170.11元| 总还款:520826.4元| 其中利息:220826.4元\r\n" +
                               std::string(56, '-') +
                               "\r\n第1期:2170.11元 | 其中本金:640.11元 | 利息:1530元\r\n"
                               "第2期:2170.11元 | 其中本金:643.38元 | 利息:1526.73元\r\n";
    const PlanCheck check = Check(report);
    QCOMPARE(Q(check.summary),
             QStringLiteral("银行计划 2 期：与 Quorvane 一致 1 期，不一致 1 期；最早第 2 期"
                            "（2007-08-15），利息差 -0.01 元"));
    QVERIFY(FirstDiffering(check)->why.starts_with("舍入不同：银行把利息的分以下舍去"));
  }
};

QTEST_APPLESS_MAIN(PlanCheckTest)
#include "test_plan_check.moc"
