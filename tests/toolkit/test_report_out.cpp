// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMimeData>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>
#include <QTimer>

#include "form/report_table.h"
#include "toolkit/report_printout.h"
#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {

using Cells = QList<QStringList>;

// The cells a report line holds, read from the box's own lines: the figures
// between the report's words.
Cells ExpectedReportRows(const QStringList& lines) {
  static const QRegularExpression figure(QStringLiteral("[-+.0-9E]+"));
  Cells rows;
  const QStringList labels = lines[0].startsWith(QStringLiteral("月还款"))
                                 ? QStringList{"月还款", "总还款", "其中利息"}
                                 : QStringList{"总还款", "其中利息"};
  auto figures = figure.globalMatch(lines[0]);
  for (const QString& label : labels) {
    rows << QStringList{label, figures.next().captured()};
  }
  rows << QStringList{""} << QStringList{"期数", "月还款(元)", "其中本金(元)", "利息(元)"};
  static const QRegularExpression month(
      QStringLiteral("^第(.+)期[:：](.+)元 \\| 其中本金:(.+)元 \\| 利息:(.+)元$"));
  for (qsizetype i = 2; i < lines.size() && !lines[i].isEmpty(); ++i) {
    const auto match = month.match(lines[i]);
    rows << QStringList{match.captured(1), match.captured(2), match.captured(3), match.captured(4)};
  }
  return rows;
}

Cells TsvRows(const QString& tsv) {
  Cells rows;
  QStringList lines = tsv.split(QStringLiteral("\r\n"));
  if (lines.back().isEmpty()) {
    lines.removeLast();
  }
  for (const QString& line : lines) {
    rows << line.split('\t');
  }
  return rows;
}

// The cells of the first table in the HTML, as a rich-text editor reads it.
Cells HtmlRows(const QString& html, const Cells& shape) {
  QTextDocument document;
  document.setHtml(html);
  QTextTable* table = nullptr;
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    table = table != nullptr ? table : qobject_cast<QTextTable*>(frame);
  }
  Cells rows;
  if (table == nullptr || table->rows() != shape.size()) {
    return rows;
  }
  for (int row = 0; row < table->rows(); ++row) {
    QStringList cells;
    for (int column = 0; column < shape[row].size(); ++column) {
      const QTextTableCell cell = table->cellAt(row, column);
      QTextCursor text = cell.firstCursorPosition();
      text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
      cells << text.selectedText();
    }
    rows << cells;
  }
  return rows;
}

// A paint device that keeps the text painted on it, to read a printed page.
class PageText : public QPaintDevice {
 public:
  explicit PageText(const QPrinter& printer) : printer_(printer) {}
  [[nodiscard]] QString Text() const { return engine_.text; }
  [[nodiscard]] QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  [[nodiscard]] int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return printer_.width();
      case PdmHeight:
        return printer_.height();
      case PdmWidthMM:
        return printer_.widthMM();
      case PdmHeightMM:
        return printer_.heightMM();
      case PdmDpiX:
      case PdmPhysicalDpiX:
        return printer_.logicalDpiX();
      case PdmDpiY:
      case PdmPhysicalDpiY:
        return printer_.logicalDpiY();
      default:
        return QPaintDevice::metric(metric);
    }
  }

 private:
  struct Engine : QPaintEngine {
    Engine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& /*state*/) override {}
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
    void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override {}
    void drawPath(const QPainterPath& /*path*/) override {}
    void drawTextItem(const QPointF& /*p*/, const QTextItem& item) override { text += item.text(); }
    [[nodiscard]] Type type() const override { return User; }
    QString text;
  };
  const QPrinter& printer_;
  mutable Engine engine_;
};

int PdfPageCount(const QString& path) {
  QFile pdf(path);
  pdf.open(QIODevice::ReadOnly);
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

}  // namespace

// Taking the report out of the window: the copy as a table from the boxes'
// context menus and shortcuts, and the printout.
class ReportOutTest : public QObject, WindowFixture {
  Q_OBJECT

  QPlainTextEdit* Box(const char* name) const { return Control<QPlainTextEdit>(name); }

  // The "复制为表格" entry of a box's context menu: whether it is enabled.
  bool CopyEntryEnabled(const char* box) const {
    QMenu* menu = OpenContextMenu(Box(box));
    bool enabled = false;
    for (const QAction* action : menu->actions()) {
      if (action->text() == QStringLiteral("复制为表格")) {
        enabled = action->isEnabled();
      }
    }
    menu->close();
    return enabled;
  }

  void CopyWithShortcut(const char* box) const {
    QApplication::clipboard()->clear();
    Box(box)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Box(box), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  }

 private slots:
  void init() {
    Open();
    Click(Command(kFullReset));
  }
  void cleanup() { Close(); }

  void copiesTheReportAsTheBoxShowsIt_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("monthsRepaid");
    QTest::addColumn<QString>("principalRepaid");
    QTest::newRow("equal payment") << 0 << "0"
                                   << "0";
    QTest::newRow("equal principal") << 1 << "0"
                                     << "0";
    QTest::newRow("equal payment, continued") << 0 << "24"
                                              << "6366.5";
    QTest::newRow("equal principal, continued") << 1 << "60"
                                                << "50000";
  }
  void copiesTheReportAsTheBoxShowsIt() {
    QFETCH(int, method);
    QFETCH(QString, monthsRepaid);
    QFETCH(QString, principalRepaid);
    Type(kMonthsRepaid, monthsRepaid);
    Type(kPrincipalRepaid, principalRepaid);
    Click(Option(method));
    Click(Command(kCalculate));
    QVERIFY(CopyEntryEnabled("Text2"));
    CopyWithShortcut("Text2");

    const QMimeData* copied = QApplication::clipboard()->mimeData();
    const Cells expected = ExpectedReportRows(ReportLines());
    QCOMPARE(expected.size(), (method == 0 ? 5 : 4) + 360 - monthsRepaid.toInt());
    QCOMPARE(TsvRows(copied->text()), expected);
    QVERIFY(copied->text().endsWith(QStringLiteral("\r\n")));
    QCOMPARE(HtmlRows(copied->html(), expected), expected);
  }

  void nothingToCopyFromHelpMessagesOrEditedReports() {
    QVERIFY(!CopyEntryEnabled("Text2"));  // the help text
    Type(kMonthsRepaid, "360");
    QTest::keyClick(Field(kMonthsRepaid), Qt::Key_Return);
    QVERIFY(Text2().startsWith(QStringLiteral("数据逻辑错误")));
    QVERIFY(!CopyEntryEnabled("Text2"));

    Click(Command(kFullReset));
    Click(Command(kCalculate));
    QVERIFY(CopyEntryEnabled("Text2"));
    // A month line edited into something unreadable is not left out.
    QPlainTextEdit* report = Box("Text2");
    report->setFocus(Qt::MouseFocusReason);
    report->moveCursor(QTextCursor::Start);
    for (int line = 0; line < 5; ++line) {
      report->moveCursor(QTextCursor::Down);
    }
    QTest::keyClicks(report, "x");
    QVERIFY(!CopyEntryEnabled("Text2"));
    QApplication::clipboard()->setText("before");
    CopyWithShortcut("Text2");
    QCOMPARE(QApplication::clipboard()->text(), QString());
  }

  void copiesTheStretchLog() {
    QVERIFY(!CopyEntryEnabled("Text3"));  // empty
    Type(kMonthsThisStretch, "5");
    Click(Command(kAccrue));
    Type(kRate, "7.83");
    Type(kMonthsThisStretch, "12");
    Click(Command(kAccrue));
    QCOMPARE(Text3(), QString(" = 1262.97\n + 2865.66\n"));
    CopyWithShortcut("Text3");
    QCOMPARE(TsvRows(QApplication::clipboard()->text()),
             Cells({{"序号", "本金(元)"}, {"1", "1262.97"}, {"2", "2865.66"}}));

    Box("Text3")->moveCursor(QTextCursor::Start);
    QTest::keyClicks(Box("Text3"), "note");
    QVERIFY(!CopyEntryEnabled("Text3"));
  }

  void printsEveryPageWithHeadingsAndNumber() {
    Click(Command(kCalculate));
    const auto report = ReadReport(Text2().toStdString());
    QVERIFY(report.has_value());
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("report.pdf"));
    const ReportPrintout printout(*report, printer);
    printout.Print(printer);
    QVERIFY(printout.PageCount() > 1);
    QCOMPARE(PdfPageCount(printer.outputFileName()), printout.PageCount());

    // Each page: (on the first, the title and the figures,) the headings,
    // its months' cells row by row, and its number.
    const QString headings = QStringLiteral("期数月还款(元)其中本金(元)利息(元)");
    QString months;
    for (int page = 0; page < printout.PageCount(); ++page) {
      PageText text(printer);
      QPainter painter(&text);
      printout.PaintPage(painter, page);
      const QString number =
          QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(printout.PageCount());
      const qsizetype table = text.Text().indexOf(headings);
      QVERIFY2(table >= 0 && text.Text().endsWith(number), qPrintable(text.Text()));
      if (page == 0) {
        QCOMPARE(text.Text().left(table),
                 QStringLiteral("Quorvane 1.0　等额本息月还款：1560.73元　　总还款：561862.8元"
                                "　　其中利息：304862.8元"));
      }
      months += text.Text().mid(table + headings.size()).chopped(number.size());
    }
    QString everyMonth;
    for (const QString& line : ReportLines().mid(2)) {
      static const QRegularExpression words(
          QStringLiteral("第|期:|元 \\| 其中本金:|元 \\| 利息:|元"));
      everyMonth += QString(line).remove(words);
    }
    QCOMPARE(months.size(), everyMonth.size());
    QCOMPARE(months, everyMonth);
  }

  void printShortcutOpensThePreview() {
    Click(Command(kCalculate));
    bool previewed = false;
    QTimer::singleShot(0, this, [&previewed] {
      if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
        previewed = true;
        preview->reject();
      }
    });
    Box("Text2")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Box("Text2"), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(previewed);
  }
};

QTEST_MAIN(ReportOutTest)
#include "test_report_out.moc"
