// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "rates/rate_tables.h"
#include "window_fixture.h"

using quorvane::CommercialRates;
using quorvane::FundRates;
using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {

// The newest lower limit, selected at start-up: "08.12.23后下限".
constexpr int kStartUpRow = 30;

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
    return {FieldText(kAmount),          FieldText(kRate),
            FieldText(kDiscount),        FieldText(kTerm),
            FieldText(kPrincipalRepaid), FieldText(kMonthsRepaid)};
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
    QCOMPARE(FieldText(kMonthsThisStretch), QString("12"));
    QCOMPARE(FieldText(kPrepayment), QString("0"));
    QCOMPARE(List(kCommercialList)->count(), static_cast<int>(CommercialRates.size()));
    QCOMPARE(List(kCommercialList)->item(0)->text(), QString("06.4.28后上限"));
    QCOMPARE(List(kCommercialList)->item(30)->text(), QString("08.12.23后下限"));
    QCOMPARE(List(kFundList)->count(), static_cast<int>(FundRates.size()));
    QCOMPARE(List(kFundList)->item(0)->text(), QString("05.1.1前"));
    QCOMPARE(List(kFundList)->item(12)->text(), QString("08.12.23后"));
    QCOMPARE(SelectedRow(kCommercialList), kStartUpRow);
    QVERIFY(List(kCommercialList)->item(kStartUpRow)->text().endsWith(QStringLiteral("下限")));
    QCOMPARE(SelectedRow(kFundList), -1);
    QCOMPARE(Window().Form().LastRateList(), 0.0F);
    QVERIFY(Text2().startsWith("使用说明：\n\n"));
    QVERIFY(Text3().isEmpty());
    QVERIFY(Option(kEqualPaymentMethod)->isChecked());
    for (const Button button : {kCalculate, kFullReset, kAccrue, kSectionReset}) {
      QVERIFY(Command(button)->isEnabled());
    }
    for (const int index : kText1Indices) {
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
    Click(Command(kFullReset));
    QCOMPARE(LoanFields(), QStringList({"25.7", "7.2", "8.5", "360", "0", "0"}));
    QCOMPARE(SelectedRow(kCommercialList), kStartUpRow);
  }

  void fullResetAfterReport() {
    Click(Command(kCalculate));
    QVERIFY(Text2().startsWith("月还款:"));
    Click(Command(kFullReset));
    QVERIFY(Text2().startsWith("使用说明："));
  }

  void fullResetKeepsTheRateChangeSection() {
    Type(kPrincipalRepaid, "3085.97");
    Type(kMonthsRepaid, "12");
    Type(kMonthsThisStretch, "5");
    Type(kPrepayment, "1");
    Control<QPlainTextEdit>("Text3")->setPlainText(" = 3085.97\n");
    Field(kAmount)->setEnabled(false);
    Field(kTerm)->setEnabled(false);
    Command(kCalculate)->setEnabled(false);
    Command(kAccrue)->setEnabled(false);
    Click(Command(kFullReset));
    QCOMPARE(FieldText(kPrincipalRepaid), QString("0"));
    QCOMPARE(FieldText(kMonthsRepaid), QString("0"));
    QCOMPARE(FieldText(kMonthsThisStretch), QString("5"));
    QCOMPARE(FieldText(kPrepayment), QString("1"));
    QCOMPARE(Text3(), QString(" = 3085.97\n"));
    QVERIFY(Field(kAmount)->isEnabled());
    QVERIFY(Field(kTerm)->isEnabled());
    QVERIFY(Command(kCalculate)->isEnabled());
    QVERIFY(!Command(kAccrue)->isEnabled());
  }

  void clickOnFundRow() {
    Type(kTerm, "24");
    ClickRow(kFundList, 12);
    QCOMPARE(FieldText(kRate), QString("3.33"));
    QCOMPARE(FieldText(kDiscount), QString("10"));
    QCOMPARE(Window().Form().LastRateList(), 1.0F);
    QCOMPARE(SelectedRow(kCommercialList), kStartUpRow);  // the other list keeps showing its row
    QCOMPARE(SelectedRow(kFundList), 12);
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
    Type(kTerm, term);
    ClickRow(kCommercialList, 11);
    QCOMPARE(FieldText(kRate), rate);
    QCOMPARE(FieldText(kDiscount), QString("11"));
  }

  // After the full reset the highlighted row no longer matches the fields;
  // a click on it fills them again.
  void clickOnTheSelectedRowAgain() {
    Click(Command(kFullReset));
    QCOMPARE(FieldText(kRate), QString("7.2"));
    ClickRow(kCommercialList, kStartUpRow);
    QCOMPARE(FieldText(kRate), QString("5.94"));
    QCOMPARE(FieldText(kDiscount), QString("7"));
  }

  void keyboardSelection() {
    List(kCommercialList)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(List(kCommercialList), Qt::Key_Up);
    QCOMPARE(SelectedRow(kCommercialList), 29);
    QCOMPARE(FieldText(kRate), QString("5.94"));
    QCOMPARE(FieldText(kDiscount), QString("11"));
    QTest::keyClick(List(kCommercialList), Qt::Key_Home);
    QCOMPARE(FieldText(kRate), QString("6.39"));
    QCOMPARE(FieldText(kDiscount), QString("10"));
  }

  // Tabbing into the fund list selects nothing and so changes nothing.
  void focusAloneChoosesNoRow() {
    List(kFundList)->setFocus(Qt::TabFocusReason);
    QCOMPARE(SelectedRow(kFundList), -1);
    QCOMPARE(Window().Form().LastRateList(), 0.0F);
    QCOMPARE(FieldText(kRate), QString("5.94"));
  }

  void termNotANumberWritesNoField() {
    Click(Command(kFullReset));
    Paste(kTerm, "abc");
    QCOMPARE(FieldText(kTerm), QString("abc"));
    ClickRow(kFundList, 3);
    QCOMPARE(FieldText(kRate), QString("7.2"));
    QCOMPARE(FieldText(kDiscount), QString("8.5"));
    QCOMPARE(Window().Form().LastRateList(), 1.0F);
  }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
