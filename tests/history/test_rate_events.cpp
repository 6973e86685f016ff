// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "history/rate_events.h"

using namespace quorvane;

namespace {

// An event as a person reads it: "2008-01-01 6.6555".
QString Shown(const RateEvent& event) {
  const auto& d = event.effective;
  QString rate = QString::number(static_cast<double>(event.rate.tenThousandths) / 10000, 'f', 4);
  while (rate.endsWith('0')) {
    rate.chop(1);
  }
  return QStringLiteral("%1-%2-%3 %4")
      .arg(int(d.year()))
      .arg(unsigned(d.month()), 2, 10, QChar('0'))
      .arg(unsigned(d.day()), 2, 10, QChar('0'))
      .arg(rate);
}

QStringList Shown(const std::vector<RateEvent>& events) {
  QStringList shown;
  for (const RateEvent& event : events) {
    shown << Shown(event);
  }
  return shown;
}

}  // namespace

Q_DECLARE_METATYPE(quorvane::Contract)

class RateEventsTest : public QObject {
  Q_OBJECT

 private slots:
  // 8.5 折, granted 2007-06-15 for 240 months, repriced on 1 January.
  void workedExample() {
    const Contract contract;
    QCOMPARE(FirstRate(contract.kind, contract.granted, contract.months, contract.discountTenths),
             std::optional(Percent{61'200}));
    const QStringList expected = {
        "2008-01-01 6.6555", "2009-01-01 5.049",  "2011-01-01 5.44",  "2012-01-01 5.9925",
        "2013-01-01 5.5675", "2015-01-01 5.2275", "2016-01-01 4.165", "2020-03-01 4.165",
        "2021-01-01 4.015",  "2023-01-01 3.665",  "2024-01-01 3.565", "2025-01-01 2.965",
        "2026-01-01 2.865",
    };
    const auto events = RateEvents(contract);
    QCOMPARE(Shown(events), expected);
    QCOMPARE(events.at(7).kind, RateEventKind::LprConversion);
    QCOMPARE(events.at(7).spread, Percent{-6'350});
  }

  // A loan at 1.1 × with a positive spread meets both cuts.
  void spreadCuts_data() {
    QTest::addColumn<bool>("cap2023");
    QTest::addColumn<QStringList>("fromAugust2023");
    QTest::newRow("both cuts") << true
                               << QStringList{"2023-09-25 4.3", "2024-01-01 4.2", "2024-10-25 3.9",
                                              "2025-01-01 3.3"};
    QTest::newRow("2023's switched off")
        << false << QStringList{"2024-01-01 4.79", "2024-10-25 3.9", "2025-01-01 3.3"};
  }
  void spreadCuts() {
    QFETCH(bool, cap2023);
    QFETCH(QStringList, fromAugust2023);
    Contract contract;
    contract.discountTenths = 110;
    contract.months = 300;
    contract.firstRate = Percent{79'200};
    if (!cap2023) {
      contract.spreadCaps[0].reset();
    }
    QStringList shown = Shown(RateEvents(contract));
    shown.erase(shown.begin(), std::ranges::find_if(shown, [](const QString& event) {
                  return event >= QStringLiteral("2023-08");
                }));
    QCOMPARE(shown.first(fromAugust2023.size()), fromAugust2023);
  }

  // The fund's loans follow the fund's table and never become LPR loans.
  void fundLoan() {
    Contract contract;
    contract.kind = LoanKind::Fund;
    contract.discountTenths = 100;
    contract.firstRate = *FirstRate(LoanKind::Fund, contract.granted, 240, 100);
    QCOMPARE(contract.firstRate, Percent{48'600});
    const QStringList shown = Shown(RateEvents(contract));
    QCOMPARE(shown.first(2), (QStringList{"2008-01-01 5.22", "2009-01-01 3.87"}));
    QCOMPARE(shown.last(3), (QStringList{"2023-01-01 3.1", "2025-01-01 2.85", "2026-01-01 2.6"}));
  }

  // The worked examples of LPR loans, from 2020 on: converted on the
  // anniversary (A), priced on the LPR from the start (B, C), the two
  // readings of which fixing a repricing takes (D), a term of five years (E)
  // and a fixed rate (F).
  void lprLoans_data() {
    using std::chrono::year;
    QTest::addColumn<Contract>("contract");
    QTest::addColumn<QStringList>("from2020");
    Contract a;
    a.granted = year{2015} / 8 / 1;
    a.paymentDay = 1;
    a.discountTenths = 90;
    a.repricing = Repricing::Anniversary;
    a.firstRate = *FirstRate(a.kind, a.granted, a.months, a.discountTenths);
    QTest::newRow("A, converted 2020-03-01")
        << a << QStringList{"2020-03-01 4.41", "2020-08-01 4.26", "2022-08-01 4.06",
                            "2023-08-01 3.81", "2024-08-01 3.46", "2025-08-01 3.11"};
    a.conversionDay = year{2020} / 8 / 25;
    QTest::newRow("A, converted 2020-08-25")
        << a << QStringList{"2020-08-25 4.41", "2021-08-01 4.26", "2022-08-01 4.06",
                            "2023-08-01 3.81", "2024-08-01 3.46", "2025-08-01 3.11"};
    Contract b;
    b.granted = year{2021} / 3 / 15;
    b.months = 360;
    b.spread = Percent{5'500};
    b.firstRate = *LprFirstRate(b.granted, LprTenor::FiveYear, b.spread);
    QTest::newRow("B, LPR + 55 from 2021-03-15")
        << b << QStringList{"2023-01-01 4.85", "2023-09-25 4.3", "2024-01-01 4.2",
                            "2024-10-25 3.9",  "2025-01-01 3.3", "2026-01-01 3.2"};
    Contract own = b;
    own.ownFixings = {{year{2026} / 9 / 21, Percent{29'000}, Percent{34'000}}};
    QTest::newRow("B, with a fixing of 2026-09-21 typed")
        << own
        << QStringList{"2023-01-01 4.85", "2023-09-25 4.3", "2024-01-01 4.2", "2024-10-25 3.9",
                       "2025-01-01 3.3",  "2026-01-01 3.2", "2027-01-01 3.1"};
    Contract cycle = b;
    cycle.lprRows = {{LprRow::Kind::Cycle, year{2024} / 11 / 1, {}, 6}};
    QTest::newRow("B, every 6 months from 2024-11-01")
        << cycle << QStringList{"2023-01-01 4.85", "2023-09-25 4.3", "2024-01-01 4.2",
                                "2024-10-25 3.9",  "2025-01-01 3.3", "2025-07-01 3.2"};
    Contract spread = b;
    spread.lprRows = {{LprRow::Kind::Spread, year{2025} / 3 / 1, Percent{-4'000}, 12}};
    QTest::newRow("B, a spread of −40 from 2025-03-01")
        << spread
        << QStringList{"2023-01-01 4.85", "2023-09-25 4.3", "2024-01-01 4.2", "2024-10-25 3.9",
                       "2025-01-01 3.3",  "2025-03-01 3.2", "2026-01-01 3.1"};
    Contract c = b;
    c.granted = year{2022} / 6 / 20;
    c.repricing = Repricing::Anniversary;
    c.spread = Percent{-2'000};
    c.firstRate = *LprFirstRate(c.granted, LprTenor::FiveYear, c.spread);
    QTest::newRow("C, LPR − 20 from 2022-06-20, on its anniversary")
        << c
        << QStringList{"2023-06-20 4.1", "2024-06-20 3.75", "2024-10-25 3.65", "2025-06-20 3.2"};
    Contract d = c;
    d.granted = year{2023} / 10 / 25;
    d.firstRate = *LprFirstRate(d.granted, LprTenor::FiveYear, d.spread);
    QTest::newRow("D, the latest fixing")
        << d << QStringList{"2024-10-25 3.4", "2024-10-25 3.3", "2025-10-25 3.2"};
    d.reading = LprReading::MonthBefore;
    QTest::newRow("D, the month before's")
        << d << QStringList{"2024-10-25 3.65", "2024-10-25 3.55", "2025-10-25 3.2"};
    Contract e;
    e.granted = year{2018} / 1 / 10;
    e.paymentDay = 10;
    e.months = 60;
    e.discountTenths = 100;
    e.firstRate = *FirstRate(e.kind, e.granted, e.months, e.discountTenths);
    QTest::newRow("E, five years")
        << e
        << QStringList{"2020-03-01 4.75", "2021-01-01 4.45", "2022-01-01 4.4", "2023-01-01 4.25"};
    Contract f;
    f.granted = year{2010} / 5 / 20;
    f.paymentDay = 20;
    f.discountTenths = 110;
    f.conversion = Conversion::Fixed;
    f.firstRate = *FirstRate(f.kind, f.granted, f.months, f.discountTenths);
    QTest::newRow("F, fixed") << f << QStringList{"2020-03-01 5.39"};
    f.lprRows = {{LprRow::Kind::ToLpr, year{2024} / 11 / 1, Percent{1'500}, 12}};
    QTest::newRow("F, LPR + 15 from 2024-11-01")
        << f << QStringList{"2020-03-01 5.39", "2024-11-01 3.75", "2026-01-01 3.65"};
  }
  void lprLoans() {
    QFETCH(Contract, contract);
    QFETCH(QStringList, from2020);
    QStringList shown = Shown(RateEvents(contract));
    shown.erase(shown.begin(), std::ranges::find_if(shown, [](const QString& event) {
                  return event >= QStringLiteral("2020");
                }));
    QCOMPARE(shown, from2020);
  }

  // What was in force before: E's first rate and its spread from the
  // 1-year LPR; B's first rate from the fixing on its grant day.
  void firstRatesAndSpreads() {
    using std::chrono::year;
    QCOMPARE(FirstRate(LoanKind::Commercial, year{2018} / 1 / 10, 60, 100), Percent{47'500});
    QCOMPARE(ConversionLpr(LprTenor::OneYear), Percent{41'500});
    QCOMPARE(ConversionLpr(LprTenor::FiveYear), Percent{48'000});
    QCOMPARE(LprFirstRate(year{2021} / 3 / 15, LprTenor::FiveYear, Percent{5'500}),
             Percent{52'000});
    QCOMPARE(LprFirstRate(year{2022} / 6 / 20, LprTenor::FiveYear, Percent{-2'000}),
             Percent{42'500});
    QCOMPARE(LprFirstRate(year{2023} / 10 / 25, LprTenor::OneYear, Percent{0}), Percent{34'500});
  }

  void noFirstRate() {
    QVERIFY(!FirstRate(LoanKind::Commercial, std::chrono::year{2019} / 10 / 8, 240, 100));
    QVERIFY(!FirstRate(LoanKind::Fund, std::chrono::year{2004} / 10 / 28, 240, 100));
  }
};

QTEST_APPLESS_MAIN(RateEventsTest)
#include "test_rate_events.moc"
