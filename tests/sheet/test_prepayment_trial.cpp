// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "sheet/prepayment_trial.h"
#include "text/day_text.h"

using namespace quorvane;

// The figures are the worked loan's (300 000 yuan at 8.5 折 from 2007-06-15
// over 240 months, repriced each 1 January) with 10 万元 prepaid on
// 2015-01-15, after that day's payment, computed apart with Python's
// Decimal by the bank's rules: interest halves up each month, the payment
// set again at each new rate, 缩短期限 the fewest months the payment repays.
namespace {

constexpr year_month_day kToday = std::chrono::year{2026} / 12 / 9;
constexpr year_month_day kDay = std::chrono::year{2015} / 1 / 15;

PrepaymentTrial WorkedTrial(year_month_day day = kDay) {
  const auto terms = ReadContractTexts({}, kToday);
  auto trial = PrepaymentTrial::Of(*terms, {}, {}, SheetPart::Main, day);
  if (!trial) {
    qFatal("the worked loan has no trial");
  }
  return *trial;
}

QString Figures(const TrialColumn& column) {
  return QString::fromStdString(
      (column.payment ? YuanText(*column.payment) : std::string("—")) + " " +
      std::to_string(column.monthsLeft) + " " + DayText(column.lastDue) + " " +
      YuanText(column.interestLeft) + " " + YuanText(column.interestSaved) + " " +
      std::to_string(column.monthsEarlier) + " " + YuanText(column.paidFromDay));
}

}  // namespace

class PrepaymentTrialTest : public QObject {
  Q_OBJECT

 private slots:
  // 月供, 剩余期数, 最后还款日, 剩余利息, 节省利息, 提前还清 and 总还款 of each choice.
  void theThreeColumns() {
    const PrepaymentTrial trial = WorkedTrial();
    QCOMPARE(trial.Owed(), Fen{22'322'218});
    QCOMPARE(Figures(trial.AsItStands()), QStringLiteral("2039.72 149 2027-06-15 63296.18 0.00 0 "
                                                         "286518.36"));
    const auto shorter = trial.With({kDay, 10'000'000}, true);
    QVERIFY(shorter);
    QCOMPARE(Figures(*shorter),
             QStringLiteral("2021.48 71 2020-12-15 17205.54 46090.64 78 240427.72"));
    const auto lower = trial.With({kDay, 10'000'000}, false);
    QVERIFY(lower);
    QCOMPARE(Figures(*lower),
             QStringLiteral("1125.96 149 2027-06-15 34940.46 28355.72 0 258162.64"));
    // The chart's balance: owed on the day, then less the prepayment.
    QCOMPARE(shorter->balances.at(0), std::make_pair(kDay, Fen{22'322'218}));
    QCOMPARE(shorter->balances.at(1), std::make_pair(kDay, Fen{12'322'218}));
    QCOMPARE(shorter->balances.back().second, Fen{0});
  }

  // 每年 5 万元 from 2015-01-15 until the loan ends, keeping the payment:
  // the fourth repays what is left, 16 823.42 yuan.
  void aYearlyRepeat() {
    const TrialPrepayment yearly{kDay, 5'000'000, BorrowerEvent::Repeat::Yearly, std::nullopt};
    const auto column = WorkedTrial().With(yearly, true);
    QVERIFY(column);
    QCOMPARE(DayText(column->lastDue), std::string("2018-01-15"));
    QVERIFY(column->repaid);
  }

  // The least whole yuan for each goal, and one yuan less misses it.
  void goals() {
    const PrepaymentTrial trial = WorkedTrial();
    const auto by = trial.RepaidBy(std::chrono::year{2022} / 12);
    QVERIFY(by);
    QCOMPARE(by->amount, Fen{6'482'000});
    QCOMPARE(DayText(by->column.lastDue), std::string("2022-12-15"));
    const auto less = trial.With({kDay, by->amount - 100}, true);
    QCOMPARE(DayText(less->lastDue), std::string("2023-01-15"));
    const auto lower = trial.PaymentAtMost(150'000);
    QVERIFY(lower);
    QCOMPARE(lower->amount, Fen{5'906'600});
    QCOMPARE(lower->column.payment, std::optional<Fen>{150'000});
    QVERIFY(*trial.With({kDay, lower->amount - 100}, false)->payment > 150'000);
  }

  // What cannot be tried, or reached, is said in words.
  void problems() {
    const PrepaymentTrial trial = WorkedTrial();
    const auto terms = ReadContractTexts({}, kToday);
    QCOMPARE(PrepaymentTrial::Of(*terms, {}, {}, SheetPart::Main, std::chrono::year{2007} / 6 / 1)
                 .Failure(),
             TrialProblem::BeforeGrant);
    QCOMPARE(PrepaymentTrial::Of(*terms, {}, {}, SheetPart::Main, std::chrono::year{2027} / 6 / 15)
                 .Failure(),
             TrialProblem::AfterEnd);
    QCOMPARE(trial.With({kDay, 0}, true).Failure(), TrialProblem::NoAmount);
    QCOMPARE(trial
                 .With({kDay, 100, BorrowerEvent::Repeat::Monthly, std::chrono::year{2014} / 1 / 1},
                       true)
                 .Failure(),
             TrialProblem::RepeatEnds);
    QCOMPARE(trial.RepaidBy(std::chrono::year{2014} / 12).Failure(), GoalMiss::BeforePrepayment);
    QCOMPARE(trial.RepaidBy(std::chrono::year{2027} / 6).Failure(), GoalMiss::AlreadyRepaid);
    QCOMPARE(trial.PaymentAtMost(0).Failure(), GoalMiss::PaymentNotPositive);
    QCOMPARE(trial.PaymentAtMost(203'972).Failure(), GoalMiss::AlreadyBelow);
    QCOMPARE(QString::fromStdString(GoalMissWords(GoalMiss::AlreadyBelow, trial)),
             QStringLiteral("不提前还款的月供 2039.72 元已不高于此数"));
    // More than is owed repays it all on the day.
    const auto all = trial.With({kDay, 30'000'000}, false);
    QVERIFY(all->repaid);
    QCOMPARE(all->lastDue, kDay);
    QCOMPARE(all->paidFromDay, Fen{22'322'218});
  }

  // The columns as a workbook takes them: a row a figure, a column a choice.
  void exportsTheColumns() {
    const PrepaymentTrial trial = WorkedTrial();
    const TypedSheet sheet = TrialSheet(
        {{"不提前还款", trial.AsItStands()}, {"缩短期限", *trial.With({kDay, 10'000'000}, true)}});
    QCOMPARE(sheet.headings, (std::vector<std::string>{"项目", "不提前还款", "缩短期限"}));
    QCOMPARE(sheet.rows.size(), kTrialFigures.size());
    QVERIFY(sheet.rows.at(0).at(2).kind == TypedCell::Kind::Money &&
            sheet.rows.at(0).at(2).value == 202'148);
    QVERIFY(sheet.rows.at(2).at(2).kind == TypedCell::Kind::Day &&
            sheet.rows.at(2).at(2).day == std::chrono::year{2020} / 12 / 15);
    QVERIFY(sheet.rows.at(4).at(1).kind == TypedCell::Kind::Empty);
    QVERIFY(sheet.rows.at(5).at(2).kind == TypedCell::Kind::Whole &&
            sheet.rows.at(5).at(2).value == 78);
  }

  // 若这笔钱不还贷: 10 万元 at 2.5 % a year compounded monthly over 71
  // months, rounded once (Decimal: 15 923.79 yuan).
  void earnings() {
    QCOMPARE(Earnings(10'000'000, Percent{25'000}, 71), std::optional<Fen>{1'592'379});
    QCOMPARE(Earnings(10'000'000, Percent{0}, 71), std::optional<Fen>{0});
    QCOMPARE(Earnings(10'000'000, Percent{1'000'000}, 12'000), std::nullopt);
  }
};

QTEST_APPLESS_MAIN(PrepaymentTrialTest)
#include "test_prepayment_trial.moc"
