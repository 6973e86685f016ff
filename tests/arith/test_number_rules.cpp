// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

#include "arith/number_rules.h"
#include "arith/number_text.h"

using namespace quorvane;

Q_DECLARE_METATYPE(std::string)

// RoundHalfUp takes its argument by reference and leaves it unchanged.
static_assert(std::is_same_v<decltype(&RoundHalfUp), float (*)(const float&)>);

class NumberRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void roundHalfUp_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("expected");
    QTest::newRow("whole number") << 131070.0F << 131070.0F;
    QTest::newRow("fraction above a half") << 156072.98F << 156073.0F;
    QTest::newRow("half goes up") << 2.5F << 3.0F;
    QTest::newRow("just under a half") << 2.4999F << 2.0F;
    QTest::newRow("negative half goes up") << -2.5F << -2.0F;
    QTest::newRow("negative below a half") << -2.6F << -3.0F;
    QTest::newRow("zero") << 0.0F << 0.0F;
    QTest::newRow("beyond 2^23 unchanged") << 16777216.0F << 16777216.0F;
  }
  void roundHalfUp() {
    QFETCH(float, x);
    QFETCH(float, expected);
    QCOMPARE(RoundHalfUp(x), expected);
  }

  void roundToCents_data() {
    QTest::addColumn<double>("fen");
    QTest::addColumn<float>("expected");
    QTest::newRow("nearest single of the fen value") << 25003.0029296875 << 250.03F;
    QTest::newRow("half a fen goes up") << 12.5 << 0.13F;
    // Rounded to single first: just above 25674997.5 becomes 25674998.
    QTest::newRow("single before rounding") << 25674997.51 << 256749.98F;
  }
  void roundToCents() {
    QFETCH(double, fen);
    QFETCH(float, expected);
    QCOMPARE(RoundToCents(fen), expected);
  }

  void fieldNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "5" << true << 5.0;
    QTest::newRow("point at the end") << "5." << true << 5.0;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("blanks and sign") << " -3 " << true << -3.0;
    QTest::newRow("plus sign") << "+7.2" << true << 7.2;
    QTest::newRow("decimal") << "25.7" << true << 25.7;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letter") << "12a" << false << 0.0;
    QTest::newRow("exponent") << "1e5" << false << 0.0;
    QTest::newRow("exponent without sign") << "1E5" << false << 0.0;
    QTest::newRow("exponent without digits") << "1E+" << false << 0.0;
    QTest::newRow("exponent alone") << "E+07" << false << 0.0;
    QTest::newRow("written exponent form") << "1.234568E+07" << true << 12345680.0;
    QTest::newRow("written small exponent form") << "-2.5E-03" << true << -0.0025;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("thousands") << "1 000" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("blank after sign") << "- 1" << false << 0.0;
    QTest::newRow("full-width digits") << "２５" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("beyond double") << QString(400, '9') << false << 0.0;
  }
  void fieldNumber() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto number = FieldNumber(text.toStdString());
    QCOMPARE(number.has_value(), isNumber);
    if (isNumber) {
      QCOMPARE(*number, value);
    }
  }

  // Every text written into a field reads back as the number it shows.
  void writtenTextsReadBack_data() {
    QTest::addColumn<double>("x");
    for (const double x : {0.0, 0.5, -0.5, 1560.73, 309987.6, 12345678.0, 1e7, 9.5e37, 1e15,
                           123456789012345.0, 1e300}) {
      QTest::addRow("%g", x) << x;
    }
  }
  void writtenTextsReadBack() {
    QFETCH(double, x);
    if (x < 1e38) {
      const auto single = FieldNumber(NumberText(static_cast<float>(x)));
      QVERIFY(single.has_value());
      QCOMPARE(static_cast<float>(*single), static_cast<float>(x));
    }
    const auto precise = FieldNumber(NumberText(x));
    QVERIFY(precise.has_value());
    QCOMPARE(*precise, x);
  }

  void fieldNumberOfAMegabyteOfDigits() {
    const std::string digits(1 << 20, '7');
    QVERIFY(!FieldNumber(digits).has_value());
    QCOMPARE(*FieldNumber("0." + digits), 0.7777777777777778);
  }

  void singleText_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("str");
    QTest::addColumn<QString>("point");
    QTest::newRow("two decimals") << 1560.73F << "1560.73"
                                  << " 1560.73"
                                  << "1560.73";
    QTest::newRow("trailing zero dropped") << 1310.70F << "1310.7"
                                           << " 1310.7"
                                           << "1310.7";
    QTest::newRow("six integer digits") << 561862.80F << "561862.8"
                                        << " 561862.8"
                                        << "561862.8";
    QTest::newRow("seventh digit rounds") << 628123.45F << "628123.4"
                                          << " 628123.4"
                                          << "628123.4";
    QTest::newRow("seven integer digits") << 1041655.2F << "1041655"
                                          << " 1041655"
                                          << "1041655";
    QTest::newRow("exact hundred thousand") << 100000.0F << "100000"
                                            << " 100000"
                                            << "100000";
    QTest::newRow("zero") << 0.0F << "0"
                          << " 0"
                          << "0";
    QTest::newRow("negative zero") << -0.0F << "0"
                                   << " 0"
                                   << "0";
    QTest::newRow("half") << 0.5F << "0.5"
                          << " .5"
                          << ".5";
    QTest::newRow("negative half") << -0.5F << "-0.5"
                                   << "-.5"
                                   << "-.5";
    QTest::newRow("negative") << -1262.97F << "-1262.97"
                              << "-1262.97"
                              << "-1262.97";
    QTest::newRow("small") << 0.03F << "0.03"
                           << " .03"
                           << ".03";
    QTest::newRow("exponent form") << 12345678.0F << "1.234568E+07"
                                   << " 1.234568E+07"
                                   << "1.234568E+07";
    QTest::newRow("rounds up into exponent") << 9999999.6F << "1E+07"
                                             << " 1E+07"
                                             << "1E+07";
    QTest::newRow("largest positional") << 9999999.0F << "9999999"
                                        << " 9999999"
                                        << "9999999";
    QTest::newRow("negative exponent form") << -2.5e9F << "-2.5E+09"
                                            << "-2.5E+09"
                                            << "-2.5E+09";
  }
  void singleText() {
    QFETCH(float, x);
    QFETCH(QString, number);
    QFETCH(QString, str);
    QFETCH(QString, point);
    QCOMPARE(QString::fromStdString(NumberText(x)), number);
    QCOMPARE(QString::fromStdString(StrText(x)), str);
    QCOMPARE(QString::fromStdString(PointNumberText(x)), point);
  }

  // The quick way of writing report figures agrees with the library's
  // rounding on every fen amount up to 20000 yuan, around every power of ten
  // and on a spread of other single-precision values.
  void quickDigitsAgreeWithTheLibrary() {
    std::vector<float> values;
    for (int fen = 1; fen <= 2'000'000; ++fen) {
      values.push_back(static_cast<float>(fen) / 100.0F);
    }
    for (float power = 1e-7F; power < 1e8F; power *= 10) {
      float below = power;
      float above = power;
      for (int step = 0; step < 64; ++step) {
        below = std::nextafter(below, 0.0F);
        above = std::nextafter(above, 1e9F);
        values.push_back(below);
        values.push_back(above);
      }
    }
    std::uint32_t bits = 0x2F000000;  // about 1e-10, up to about 1e9
    while (bits < 0x4E800000) {
      float value = 0;
      std::memcpy(&value, &bits, sizeof value);
      values.push_back(value);
      values.push_back(-value);
      bits += 997;
    }
    for (const float value : values) {
      const std::string quick = NumberText(value);
      if (quick != reference::NumberText(value)) {
        QFAIL(qPrintable(QStringLiteral("%1 written %2, the library says %3")
                             .arg(double(value), 0, 'g', 12)
                             .arg(QString::fromStdString(quick),
                                  QString::fromStdString(reference::NumberText(value)))));
      }
    }
  }

  void doubleText_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("point");
    QTest::newRow("month number") << 25.0 << "25"
                                  << "25";
    QTest::newRow("fraction") << 12.5 << "12.5"
                              << "12.5";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0.3"
                                    << ".3";
    QTest::newRow("large positional") << 123456789012345.0 << "123456789012345"
                                      << "123456789012345";
    QTest::newRow("exponent form") << 1e15 << "1E+15"
                                   << "1E+15";
  }
  void doubleText() {
    QFETCH(double, x);
    QFETCH(QString, number);
    QFETCH(QString, point);
    QCOMPARE(QString::fromStdString(NumberText(x)), number);
    QCOMPARE(QString::fromStdString(PointNumberText(x)), point);
  }
};

QTEST_APPLESS_MAIN(NumberRulesTest)
#include "test_number_rules.moc"
