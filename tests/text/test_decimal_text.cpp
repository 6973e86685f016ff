// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "text/decimal_text.h"
#include "text/figure_text.h"

using namespace quorvane;

class DecimalTextTest : public QObject {
  Q_OBJECT

 private slots:
  void readDecimal_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("places");
    QTest::addColumn<qint64>("value");  // -1: refused
    QTest::newRow("万元") << "25.5" << 6 << qint64{25'500'000};
    QTest::newRow("rate") << "6.6555" << 4 << qint64{66'555};
    QTest::newRow("point last") << "7." << 1 << qint64{70};
    QTest::newRow("too many places") << "8.55" << 1 << qint64{-1};
    QTest::newRow("two points") << "1.2.3" << 4 << qint64{-1};
    QTest::newRow("empty") << "" << 4 << qint64{-1};
    QTest::newRow("sign") << "-1" << 4 << qint64{-1};
    QTest::newRow("signed") << "-0.3" << -4 << qint64{-3'000};
    QTest::newRow("signed, no digits") << "-" << -4 << qint64{-1};
  }
  void readDecimal() {
    QFETCH(QString, text);
    QFETCH(int, places);
    QFETCH(qint64, value);
    // A negative number of places reads a sign too, to that many places.
    const auto read = places < 0 ? ReadSignedDecimal(text.toStdString(), -places)
                                 : ReadDecimal(text.toStdString(), places);
    QCOMPARE(read.value_or(-1), value);
  }

  // One writer for every decimal the program writes: yuan, rates, spreads.
  void written_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expected");
    QTest::newRow("yuan") << QString::fromStdString(YuanText(162'095)) << "1620.95";
    QTest::newRow("yuan, negative") << QString::fromStdString(YuanText(-40)) << "-0.40";
    QTest::newRow("signed yuan") << QString::fromStdString(SignedYuanText(37)) << "+0.37";
    QTest::newRow("rate") << QString::fromStdString(PercentText(Percent{64'000})) << "6.40";
    QTest::newRow("rate, four places")
        << QString::fromStdString(PercentText(Percent{66'555})) << "6.6555";
    QTest::newRow("spread") << QString::fromStdString(BasisPointsText(Percent{-6'350}))
                            << "\u221263.5";
    QTest::newRow("spread up") << QString::fromStdString(BasisPointsText(Percent{1'000})) << "+10";
    QTest::newRow("no spread") << QString::fromStdString(BasisPointsText(Percent{})) << "0";
    QTest::newRow("multiple") << QString::fromStdString(DecimalText(85, 1, 0)) << "8.5";
  }
  void written() {
    QFETCH(QString, written);
    QFETCH(QString, expected);
    QCOMPARE(written, expected);
  }
};

QTEST_APPLESS_MAIN(DecimalTextTest)
#include "test_decimal_text.moc"
