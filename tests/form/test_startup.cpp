#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "rates/rate_tables.h"
#include "window_fixture.h"

using quorvane::CommercialRates;
using quorvane::FundRates;
using quorvane::testing::WindowFixture;

namespace {

// The newest lower limit, selected at start-up.
const int kStartUpRow = static_cast<int>(quorvane::NewestLowerLimitRow());

const QString kUsage = QStringLiteral(
    "对于等额本金这不是问题，因为每月您还的本金都一样多，调息后直接按新的利率计算但对于等额本息，"
    "利息不同每月还的本金也是不一样的，所以每次调息都需重新计算一下已还本金，"
    "依次计算后已还本金会自动累加到紫色“已还本金”框里。例如，贷款第一年您还了5个月贷就到年底了，"
    "您输入这一年的利率，输入还款5月后，按按纽计算；新的一年有新的利率，您再输入新的利率，"
    "输入12月后，再计算一次，直到当前日期！");

}  // namespace

// Start-up, the full reset and choosing rate rows, on the real window.
class StartupTest : public QObject, WindowFixture {
  Q_OBJECT

  [[nodiscard]] QStringList LoanFields() const {
    return {FieldText(0), FieldText(1), FieldText(2), FieldText(3), FieldText(4), FieldText(5)};
  }

  [[nodiscard]] int SelectedRow(int list) const {
    const auto selected = List(list)->selectedItems();
    return selected.isEmpty() ? -1 : List(list)->row(selected.front());
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void startupState() {
    QCOMPARE(LoanFields(), QStringList({"25.7", "5.94", "7", "360", "0", "0"}));
    QCOMPARE(FieldText(6), QString("12"));
    QCOMPARE(FieldText(8), QString("0"));
    QCOMPARE(List(0)->count(), static_cast<int>(CommercialRates.size()));
    QCOMPARE(List(0)->item(0)->text(), QString("06.4.28后上限"));
    QCOMPARE(List(0)->item(30)->text(), QString("08.12.23后下限"));
    QCOMPARE(List(1)->count(), static_cast<int>(FundRates.size()));
    QCOMPARE(List(1)->item(0)->text(), QString("05.1.1前"));
    QCOMPARE(List(1)->item(12)->text(), QString("08.12.23后"));
    QCOMPARE(SelectedRow(0), kStartUpRow);
    QVERIFY(List(0)->item(kStartUpRow)->text().endsWith(QStringLiteral("下限")));
    QCOMPARE(SelectedRow(1), -1);
    QCOMPARE(Window().Form().LastRateList(), 0.0F);
    QVERIFY(Text2().startsWith("使用说明：\n\n"));
    QVERIFY(Text3().isEmpty());
    QVERIFY(Option(0)->isChecked());
    for (const int number : {1, 2, 3, 4}) {
      QVERIFY(Command(number)->isEnabled());
    }
    for (const int index : {0, 1, 2, 3, 4, 5, 6, 8}) {
      QVERIFY(Field(index)->isEnabled());
    }
  }

  void helpText() {
    const QStringList paragraphs = Text2().split('\n');
    QCOMPARE(paragraphs.size(), 8);
    QCOMPARE(paragraphs[0], QString("使用说明："));
    QVERIFY(paragraphs[1].isEmpty());
    QVERIFY(paragraphs[2].contains("业余爱好"));
    QVERIFY(paragraphs[3].isEmpty());
    QCOMPARE(paragraphs[4], kUsage);
    QVERIFY(paragraphs[5].isEmpty());
    QCOMPARE(paragraphs[6], QString("有任何问题请与我联系:"));
    QVERIFY(paragraphs[7].endsWith("@example.org"));
    // The box holds the report text's CR LF line breaks as plain lines.
    QCOMPARE(Window().Text(quorvane::TextBox::Text2).find("使用说明：\r\n\r\n"), 0U);
  }

  void fullResetAfterStartup() {
    Click(Command(2));
    QCOMPARE(LoanFields(), QStringList({"25.7", "7.2", "8.5", "360", "0", "0"}));
    QCOMPARE(SelectedRow(0), kStartUpRow);
  }

  void fullResetAfterReport() {
    Click(Command(1));
    QVERIFY(Text2().startsWith("月还款:"));
    Click(Command(2));
    QVERIFY(Text2().startsWith("使用说明："));
  }

  void fullResetKeepsTheRateChangeSection() {
    Type(4, "3085.97");
    Type(5, "12");
    Type(6, "5");
    Type(8, "1");
    Control<QPlainTextEdit>("Text3")->setPlainText(" = 3085.97\n");
    Field(0)->setEnabled(false);
    Field(3)->setEnabled(false);
    Command(1)->setEnabled(false);
    Command(3)->setEnabled(false);
    Click(Command(2));
    QCOMPARE(FieldText(4), QString("0"));
    QCOMPARE(FieldText(5), QString("0"));
    QCOMPARE(FieldText(6), QString("5"));
    QCOMPARE(FieldText(8), QString("1"));
    QCOMPARE(Text3(), QString(" = 3085.97\n"));
    QVERIFY(Field(0)->isEnabled());
    QVERIFY(Field(3)->isEnabled());
    QVERIFY(Command(1)->isEnabled());
    QVERIFY(!Command(3)->isEnabled());
  }

  void clickOnFundRow() {
    Type(3, "24");
    ClickRow(1, 12);
    QCOMPARE(FieldText(1), QString("3.33"));
    QCOMPARE(FieldText(2), QString("10"));
    QCOMPARE(Window().Form().LastRateList(), 1.0F);
    QCOMPARE(SelectedRow(0), kStartUpRow);  // the other list keeps showing its row
    QCOMPARE(SelectedRow(1), 12);
  }

  void clickOnCommercialRowAfterTermChange_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("rate");
    QTest::newRow("60 months") << "60"
                               << "7.74";
    QTest::newRow("61 months") << "61"
                               << "7.83";
    QTest::newRow("60.5 months") << "60.5"
                                 << "7.83";
    QTest::newRow("360 months") << "360"
                                << "7.83";
  }
  void clickOnCommercialRowAfterTermChange() {
    QFETCH(QString, term);
    QFETCH(QString, rate);
    Type(3, term);
    ClickRow(0, 11);
    QCOMPARE(FieldText(1), rate);
    QCOMPARE(FieldText(2), QString("11"));
  }

  // After the full reset the highlighted row no longer matches the fields;
  // a click on it fills them again.
  void clickOnTheSelectedRowAgain() {
    Click(Command(2));
    QCOMPARE(FieldText(1), QString("7.2"));
    ClickRow(0, kStartUpRow);
    QCOMPARE(FieldText(1), QString("5.94"));
    QCOMPARE(FieldText(2), QString("7"));
  }

  void keyboardSelection() {
    List(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(List(0), Qt::Key_Up);
    QCOMPARE(SelectedRow(0), 29);
    QCOMPARE(FieldText(1), QString("5.94"));
    QCOMPARE(FieldText(2), QString("11"));
    QTest::keyClick(List(0), Qt::Key_Home);
    QCOMPARE(FieldText(1), QString("6.39"));
    QCOMPARE(FieldText(2), QString("10"));
  }

  // Tabbing into the fund list selects nothing and so changes nothing.
  void focusAloneChoosesNoRow() {
    List(1)->setFocus(Qt::TabFocusReason);
    QCOMPARE(SelectedRow(1), -1);
    QCOMPARE(Window().Form().LastRateList(), 0.0F);
    QCOMPARE(FieldText(1), QString("5.94"));
  }

  void termNotANumberWritesNoField() {
    Click(Command(2));
    Paste(3, "abc");
    QCOMPARE(FieldText(3), QString("abc"));
    ClickRow(1, 3);
    QCOMPARE(FieldText(1), QString("7.2"));
    QCOMPARE(FieldText(2), QString("8.5"));
    QCOMPARE(Window().Form().LastRateList(), 1.0F);
  }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
