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

  void noFirstRate() {
    QVERIFY(!FirstRate(LoanKind::Commercial, std::chrono::year{2019} / 10 / 8, 240, 100));
    QVERIFY(!FirstRate(LoanKind::Fund, std::chrono::year{2004} / 10 / 28, 240, 100));
  }
};

QTEST_APPLESS_MAIN(RateEventsTest)
#include "test_rate_events.moc"
