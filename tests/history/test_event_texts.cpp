// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "history/event_texts.h"

using namespace quorvane;

class EventTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void numbers() {
    QCOMPARE(QString::fromStdString(PercentText(Percent{64'000})), QStringLiteral("6.40"));
    QCOMPARE(QString::fromStdString(PercentText(Percent{41'650})), QStringLiteral("4.165"));
    QCOMPARE(QString::fromStdString(PercentText(Percent{66'555})), QStringLiteral("6.6555"));
    QCOMPARE(QString::fromStdString(BasisPointsText(Percent{-6'350})), QStringLiteral("−63.5"));
    QCOMPARE(QString::fromStdString(BasisPointsText(Percent{1'000})), QStringLiteral("+10"));
    QCOMPARE(QString::fromStdString(BasisPointsText(Percent{-3'000})), QStringLiteral("−30"));
  }

  // The worked 2007 loan at 8.5 折, repriced on 1 January.
  void workedExample_data() {
    QTest::addColumn<int>("event");
    QTest::addColumn<QString>("text");
    // The changes since the last repricing: 7.38, 7.56 and 7.83 in 2007, and
    // five in 2008 down to 5.94; the rate set by each repricing's last.
    QTest::newRow("2008")
        << 0 << "基准利率 2007 年 3 次调整后为 7.83%，次年1月1日起执行：7.83% × 8.5 折 = 6.6555%";
    QTest::newRow("2009")
        << 1 << "基准利率 2008 年 5 次调整后为 5.94%，次年1月1日起执行：5.94% × 8.5 折 = 5.049%";
    QTest::newRow("2011")
        << 2 << "基准利率 2010 年 2 次调整后为 6.40%，次年1月1日起执行：6.40% × 8.5 折 = 5.44%";
    QTest::newRow("LPR") << 7 << "转为 LPR + 加点：4.165% − 4.80% = −63.5 基点";
    QTest::newRow("2021") << 8 << "重定价，LPR 2020-12 为 4.65%：4.65% 加点 −63.5 基点 = 4.015%";
  }
  void workedExample() {
    QFETCH(int, event);
    QFETCH(QString, text);
    const Contract contract;
    const auto events = RateEvents(contract);
    QCOMPARE(
        QString::fromStdString(EventText(events.at(static_cast<std::size_t>(event)), contract)),
        text);
  }

  // Repriced on each change (次月), a rate names the change that set it;
  // 2007-12-21 left the rate over five years at 7.83, set on 2007-09-15.
  void eachChangeByItself() {
    Contract contract;
    contract.repricing = Repricing::ChangeDay;
    const auto events = RateEvents(contract);
    QCOMPARE(
        QString::fromStdString(EventText(events.at(2), contract)),
        QStringLiteral("基准利率 2007-09-15 调为 7.83%，次月起执行：7.83% × 8.5 折 = 6.6555%"));
    QCOMPARE(QString::fromStdString(DayText(events.at(3).effective)), QStringLiteral("2008-09-16"));
  }

  void unknownFixing() {
    Contract contract;
    contract.months = 300;  // to 2032: repriced in 2027 on a fixing not yet known
    const auto events = RateEvents(contract);
    QVERIFY(std::ranges::none_of(events, [](const RateEvent& e) { return e.lprAssumed; }));
    RateEvent assumed = events.back();
    assumed.lprAssumed = true;
    QVERIFY(QString::fromStdString(EventText(assumed, contract))
                .endsWith(QStringLiteral("（2026-08-20 以后的 LPR 未知，按 3.50% 计）")));
  }
};

QTEST_APPLESS_MAIN(EventTextsTest)
#include "test_event_texts.moc"
