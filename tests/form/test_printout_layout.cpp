// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>
#include <cmath>
#include <limits>

#include "form/printout_layout.h"

using namespace quorvane;

namespace {

using Pages = QList<QPair<int, int>>;  // each page's first month and one past its last

Pages PagesOf(int months, const PageHeights& heights) {
  Pages pages;
  for (const PageMonths& page : Paginate(static_cast<std::size_t>(months), heights)) {
    pages << qMakePair(static_cast<int>(page.first), static_cast<int>(page.end));
  }
  return pages;
}

}  // namespace

Q_DECLARE_METATYPE(PageHeights)

// How a printed report's months fall on its pages: every page has the
// headings' row, the first also the title and the figures, each a footer.
class PrintoutLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void everyMonthOnceInOrder_data() {
    QTest::addColumn<int>("months");
    QTest::addColumn<PageHeights>("heights");
    QTest::addColumn<Pages>("pages");
    // 90 under the footer: 18 rows, the headings and 17 months; the first
    // page 12 rows under its title and figures.
    const PageHeights page{.page = 100, .header = 30, .footer = 10, .row = 5};
    QTest::newRow("three pages") << 40 << page << Pages{{0, 11}, {11, 28}, {28, 40}};
    QTest::newRow("the last page full") << 28 << page << Pages{{0, 11}, {11, 28}};
    QTest::newRow("one month") << 1 << page << Pages{{0, 1}};
    QTest::newRow("no month") << 0 << page << Pages{{0, 0}};
    QTest::newRow("title and figures fill the first page")
        << 20 << PageHeights{.page = 100, .header = 88, .footer = 10, .row = 5}
        << Pages{{0, 0}, {0, 17}, {17, 20}};
    QTest::newRow("too small for a month under the headings")
        << 3 << PageHeights{.page = 18, .header = 5, .footer = 10, .row = 5}
        << Pages{{0, 0}, {0, 1}, {1, 2}, {2, 3}};
    QTest::newRow("no height at all") << 2 << PageHeights{} << Pages{{0, 0}, {0, 1}, {1, 2}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("unmeasured") << 2 << PageHeights{.page = nan, .row = nan}
                                << Pages{{0, 0}, {0, 1}, {1, 2}};
    QTest::newRow("a huge page") << 12000 << PageHeights{.page = 1e300, .row = 1}
                                 << Pages{{0, 12000}};
  }
  void everyMonthOnceInOrder() {
    QFETCH(int, months);
    QFETCH(PageHeights, heights);
    QFETCH(Pages, pages);
    QCOMPARE(PagesOf(months, heights), pages);
  }

  // Pages of every size from a line to a poster, for reports of every length
  // up to a few pages: the months follow on without a gap or a repeat, and
  // no page holds more rows than fit under its footer.
  void pagesOfEverySize() {
    for (double page = 1; page < 400; page *= 1.3) {
      const PageHeights heights{.page = page, .header = 12, .footer = 7, .row = 4.5};
      const int fit = static_cast<int>(std::floor((page - 7) / 4.5)) - 1;
      for (const int months : {0, 1, 2, 17, 100, 361}) {
        const Pages pages = PagesOf(months, heights);
        int next = 0;
        for (qsizetype at = 0; at < pages.size(); ++at) {
          QCOMPARE(pages[at].first, next);
          next = pages[at].second;
          const int count = pages[at].second - pages[at].first;
          QVERIFY2(at == 0 || count >= 1, qPrintable(QString::number(page)));
          QVERIFY2(count <= qMax(fit, 1), qPrintable(QString::number(page)));
        }
        QCOMPARE(next, months);
      }
    }
  }
};

QTEST_APPLESS_MAIN(PrintoutLayoutTest)
#include "test_printout_layout.moc"
