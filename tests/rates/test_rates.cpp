// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include <cmath>
#include <cstdint>

#include "arith/number_text.h"
#include "rates/dated_rates.h"
#include "rates/rate_selection.h"
#include "rates/rate_tables.h"

using namespace quorvane;

namespace {

// One row as a person reads it: item text and the three values as a field shows them.
QString Shown(const RateRow& row) {
  return QStringLiteral("%1 %2 %3 %4")
      .arg(QString::fromUtf8(row.item.data(), static_cast<qsizetype>(row.item.size())),
           QString::fromStdString(NumberText(row.shortTermRate)),
           QString::fromStdString(NumberText(row.longTermRate)),
           QString::fromStdString(NumberText(row.discount)));
}

QStringList Shown(std::span<const RateRow> table) {
  QStringList rows;
  for (const RateRow& row : table) {
    rows << Shown(row);
  }
  return rows;
}

// The adjustment day a list item is named after: "07.9.15后下限" is 2007-09-15.
year_month_day ItemDay(std::string_view item) {
  int fields[3] = {};
  std::size_t at = 0;
  for (int& field : fields) {
    for (; at < item.size() && item[at] >= '0' && item[at] <= '9'; ++at) {
      field = field * 10 + (item[at] - '0');
    }
    ++at;  // the point after the year and the month
  }
  return std::chrono::year{2000 + fields[0]} / fields[1] / fields[2];
}

std::int64_t TenThousandths(float rate) { return std::llround(static_cast<double>(rate) * 10000); }

// The dated rates paired with a rate list.
std::span<const RateChange> Dated(int list) {
  if (list == 0) {
    return CommercialBenchmarks;
  }
  return FundBenchmarks;
}

// A lower limit listed at discount 10 is written already multiplied by the
// floor of its day, to the hundredth: 0.9 before 2006-08-19, 0.85 from then.
std::int64_t ListedLimit(Percent benchmark, year_month_day day) {
  const std::int64_t floorTenths = day < 2006y / 8 / 19 ? 9 : 85;
  const std::int64_t scale = floorTenths == 9 ? 10 : 100;
  return (benchmark.tenThousandths * floorTenths / scale + 50) / 100 * 100;
}

}  // namespace

class RatesTest : public QObject {
  Q_OBJECT

 private slots:
  void commercialTable() {
    const QStringList expected = {
        "06.4.28后上限 6.12 6.39 10",   "06.4.28后下限 5.51 5.75 10",
        "06.8.19后上限 6.48 6.84 10",   "06.8.19后下限 5.51 5.81 10",
        "07.3.18后上限 6.75 7.11 10",   "07.3.18后下限 5.74 6.04 10",
        "07.5.19后 6.93 7.2 10",        "07.7.21后 7.2 7.38 10",
        "07.8.22后 7.38 7.56 10",       "07.9.15后 7.65 7.83 10",
        "07.12.21后基准 7.74 7.83 10",  "07.12.21后上限 7.74 7.83 11",
        "07.12.21后下限 7.74 7.83 8.5", "08.9.16后基准 7.56 7.74 10",
        "08.9.16后上限 7.56 7.74 11",   "08.9.16后下限 7.56 7.74 8.5",
        "08.10.9后基准 7.29 7.47 10",   "08.10.9后上限 7.29 7.47 11",
        "08.10.9后下限 7.29 7.47 8.5",  "08.10.27后基准 7.29 7.47 10",
        "08.10.27后上限 7.29 7.47 11",  "08.10.27后下限 7.29 7.47 7",
        "08.10.30后基准 7.02 7.2 10",   "08.10.30后上限 7.02 7.2 11",
        "08.10.30后下限 7.02 7.2 7",    "08.11.27后基准 5.94 6.12 10",
        "08.11.27后上限 5.94 6.12 11",  "08.11.27后下限 5.94 6.12 7",
        "08.12.23后基准 5.76 5.94 10",  "08.12.23后上限 5.76 5.94 11",
        "08.12.23后下限 5.76 5.94 7",
    };
    // The rows of 2005 to 2008 stay as they are; later adjustments follow them.
    QCOMPARE(Shown(CommercialRates).first(expected.size()), expected);
  }

  void fundTable() {
    const QStringList expected = {
        "05.1.1前 3.6 4.05 10",    "05.1.1后 3.78 4.23 10",  "05.3.17后 3.96 4.41 10",
        "06.5.8后 4.14 4.59 10",   "07.3.18后 4.32 4.77 10", "07.5.19后 4.41 4.86 10",
        "07.7.21后 4.5 4.95 10",   "07.8.22后 4.59 5.04 10", "07.9.15后 4.77 5.22 10",
        "08.9.16后 4.59 5.13 10",  "08.10.9后 4.32 4.86 10", "08.11.27后 3.51 4.05 10",
        "08.12.23后 3.33 3.87 10",
    };
    QCOMPARE(Shown(FundRates).first(expected.size()), expected);
  }

  // Start-up selects the newest lower limit; today that of 08.12.23.
  void newestLowerLimit() {
    const std::size_t row = NewestLowerLimitRow();
    QVERIFY(CommercialRates.at(row).item.ends_with("下限"));
    for (std::size_t later = row + 1; later < CommercialRates.size(); ++later) {
      QVERIFY(!CommercialRates.at(later).item.ends_with("下限"));
    }
    QCOMPARE(row, std::size_t{30});
  }

  void selection_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("discount");
    QTest::newRow("long term, 08.12.23 lower limit") << 0 << 30 << "360"
                                                     << "5.94"
                                                     << "7";
    QTest::newRow("60 months is short") << 0 << 11 << "60"
                                        << "7.74"
                                        << "11";
    QTest::newRow("61 months is long") << 0 << 11 << "61"
                                       << "7.83"
                                       << "11";
    QTest::newRow("60.5 months is long") << 0 << 11 << "60.5"
                                         << "7.83"
                                         << "11";
    QTest::newRow("lower limit of 07.12.21") << 0 << 12 << "360"
                                             << "7.83"
                                             << "8.5";
    QTest::newRow("fund, short term") << 1 << 12 << "24"
                                      << "3.33"
                                      << "10";
    QTest::newRow("fund, oldest row") << 1 << 0 << "360"
                                      << "4.05"
                                      << "10";
    QTest::newRow("zero term is short") << 0 << 0 << "0"
                                        << "6.12"
                                        << "10";
    QTest::newRow("negative term is short") << 0 << 0 << "-5"
                                            << "6.12"
                                            << "10";
    QTest::newRow("any list but 0 is the fund list") << 7 << 12 << "60"
                                                     << "3.33"
                                                     << "10";
  }
  void selection() {
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(QString, term);
    QFETCH(QString, rate);
    QFETCH(QString, discount);
    const auto texts = SelectRate(RateTable(list), row, term.toStdString());
    QVERIFY(texts.has_value());
    QCOMPARE(QString::fromStdString(texts->rate), rate);
    QCOMPARE(QString::fromStdString(texts->discount), discount);
  }

  void refusedSelection_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("term");
    QTest::newRow("no row selected") << 0 << -1 << "360";
    QTest::newRow("row past the commercial table")
        << 0 << static_cast<int>(CommercialRates.size()) << "360";
    QTest::newRow("row past the fund table") << 1 << static_cast<int>(FundRates.size()) << "360";
    QTest::newRow("far outside") << 1 << 32767 << "360";
    QTest::newRow("term not a number") << 0 << 30 << "abc";
    QTest::newRow("empty term") << 0 << 30 << "";
  }
  void refusedSelection() {
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(QString, term);
    QVERIFY(!SelectRate(RateTable(list), row, term.toStdString()).has_value());
    QVERIFY(!RateForTerm(RateTable(list), row, term.toStdString()).has_value());
  }
  // Every list row named after an adjustment holds that day's rates, so a
  // slip in either list shows here.
  void listsAgreeWithTheDatedRates_data() {
    QTest::addColumn<int>("list");
    QTest::newRow("commercial") << 0;
    QTest::newRow("fund") << 1;
  }
  void listsAgreeWithTheDatedRates() {
    QFETCH(int, list);
    const std::span<const RateChange> dated = Dated(list);
    int checked = 0;
    for (const RateRow& row : RateTable(list)) {
      if (row.item.find("后") == std::string_view::npos) {
        continue;  // "05.1.1前": the rates before the first dated change
      }
      const year_month_day day = ItemDay(row.item);
      const auto change = RateInForce(dated, day);
      QVERIFY2(change.has_value(), row.item.data());
      const bool multiplied = row.item.ends_with("下限") && row.discount == 10.0F;
      const std::int64_t shortTerm =
          multiplied ? ListedLimit(change->shortTerm, day) : change->shortTerm.tenThousandths;
      const std::int64_t longTerm =
          multiplied ? ListedLimit(change->longTerm, day) : change->longTerm.tenThousandths;
      QCOMPARE(std::pair(TenThousandths(row.shortTermRate), TenThousandths(row.longTermRate)),
               std::pair(shortTerm, longTerm));
      ++checked;
    }
    QCOMPARE(checked, list == 0 ? 31 : 12);
  }

  void datedRates_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("months");
    QTest::addColumn<qint64>("rate");
    QTest::newRow("grant day, worked example") << 0 << "2007-06-15" << 240 << qint64{72000};
    QTest::newRow("the day of a change") << 0 << "2010-12-26" << 240 << qint64{64000};
    QTest::newRow("60 months is short") << 0 << "2015-12-31" << 60 << qint64{47500};
    QTest::newRow("fund, today") << 1 << "2026-12-08" << 360 << qint64{26000};
    QTest::newRow("fund, 2007-12-21 unchanged") << 1 << "2007-12-21" << 60 << qint64{47700};
  }
  void datedRates() {
    QFETCH(int, list);
    QFETCH(QString, day);
    QFETCH(int, months);
    QFETCH(qint64, rate);
    const QList<int> ymd = {day.left(4).toInt(), day.mid(5, 2).toInt(), day.right(2).toInt()};
    const year_month_day date = std::chrono::year{ymd[0]} / ymd[1] / ymd[2];
    const auto change = RateInForce(Dated(list), date);
    QVERIFY(change.has_value());
    QCOMPARE(RateForMonths(*change, months).tenThousandths, rate);
  }

  void lprAndTheTablesEdges() {
    QVERIFY(!RateInForce(CommercialBenchmarks, 2004y / 10 / 28).has_value());
    QVERIFY(!LprOn(2019y / 8 / 19).has_value());
    QCOMPARE(LprOn(2019y / 12 / 31)->tenThousandths, std::int64_t{48000});
    QCOMPARE(LprOn(2024y / 10 / 20)->tenThousandths, std::int64_t{38500});
    QCOMPARE(LprOn(2026y / 12 / 8)->tenThousandths, std::int64_t{35000});
    QCOMPARE((7.83_pct).tenThousandths, std::int64_t{78300});
  }
};

QTEST_APPLESS_MAIN(RatesTest)
#include "test_rates.moc"
