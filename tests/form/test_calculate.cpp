#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "toolkit/form_window.h"

using namespace quorvane;

// Calculate through the real window: the fields are typed into, the method
// button and "计 算" are clicked with the mouse, and Text2 is read back.
class CalculateTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FormWindow> window_;

  template <typename Widget>
  Widget* Control(const char* name) {
    auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
      qFatal("no control %s", name);
    }
    return widget;
  }

  void Type(const char* field, const QString& text) {
    auto* box = Control<QLineEdit>(field);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
  }

  void FillDefaults() {
    Type("Text1(0)", "25.7");
    Type("Text1(1)", "7.2");
    Type("Text1(2)", "8.5");
    Type("Text1(3)", "360");
    Type("Text1(4)", "0");
    Type("Text1(5)", "0");
  }

  QStringList ReportLines() {
    return Control<QPlainTextEdit>("Text2")->toPlainText().split('\n');
  }

  void ClickCalculate() { QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton); }

 private slots:
  void init() {
    window_ = std::make_unique<FormWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void equalPaymentIsTheMethodAtStart() {
    QVERIFY(Control<QRadioButton>("Option1(0)")->isChecked());
    QVERIFY(!Control<QRadioButton>("Option1(1)")->isChecked());
  }

  void calculateUnderEachMethod() {
    FillDefaults();
    ClickCalculate();
    QStringList lines = ReportLines();
    QCOMPARE(lines[0], QString("月还款:1560.73元| 总还款:561862.8元| 其中利息:304862.8元"));
    QCOMPARE(lines[2], QString("第1期:1560.73元 | 其中本金:250.03元 | 利息:1310.7元"));
    QCOMPARE(lines.size(), 363);  // the last line break leaves an empty last line

    QTest::mouseClick(Control<QRadioButton>("Option1(1)"), Qt::LeftButton);
    QVERIFY(!Control<QRadioButton>("Option1(0)")->isChecked());
    ClickCalculate();
    lines = ReportLines();
    QCOMPARE(lines[0], QString("总还款:493581其中利息:236581元"));
    QCOMPARE(lines[361], QString("第360期：717.53元 | 其中本金:713.89元 | 利息:3.64元"));

    QTest::mouseClick(Control<QRadioButton>("Option1(0)"), Qt::LeftButton);
    ClickCalculate();
    QCOMPARE(ReportLines()[0], QString("月还款:1560.73元| 总还款:561862.8元| 其中利息:304862.8元"));
  }

  void calculateChangesNoOtherField() {
    FillDefaults();
    Type("Text1(5)", "24");
    Control<QPlainTextEdit>("Text3")->setPlainText(" = 3085.97\n");
    ClickCalculate();
    QCOMPARE(ReportLines()[2].left(5), QString("第25期:"));
    QCOMPARE(Control<QLineEdit>("Text1(5)")->text(), QString("24"));
    QCOMPARE(Control<QLineEdit>("Text1(4)")->text(), QString("0"));
    QCOMPARE(Control<QLineEdit>("Text1(6)")->text(), QString("12"));
    QCOMPARE(Control<QLineEdit>("Text1(8)")->text(), QString("0"));
    QCOMPARE(Control<QPlainTextEdit>("Text3")->toPlainText(), QString(" = 3085.97\n"));
  }

  void dataErrorInTheWindow() {
    FillDefaults();
    Type("Text1(5)", "360");
    ClickCalculate();
    QCOMPARE(Control<QPlainTextEdit>("Text2")->toPlainText(),
             QString("数据逻辑错误！请检查填写的数据！"));
    Type("Text1(5)", "0");
    Type("Text1(0)", "");
    QTest::mouseClick(Control<QRadioButton>("Option1(1)"), Qt::LeftButton);
    ClickCalculate();
    QCOMPARE(Control<QPlainTextEdit>("Text2")->toPlainText(),
             QString("数据逻辑错误！请检查填写的数据！"));
  }
};

QTEST_MAIN(CalculateTest)
#include "test_calculate.moc"
