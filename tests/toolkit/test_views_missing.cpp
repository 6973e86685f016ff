// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

// The window of an installation without its views module: printing and the
// chart say so in a message box, and the window goes on working.
class ViewsMissingTest : public QObject, WindowFixture {
  Q_OBJECT

  [[nodiscard]] QMessageBox* Message() const { return Window().findChild<QMessageBox*>(); }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void saysSoAndGoesOn_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("图表…") << int(Qt::Key_F11) << int(Qt::NoModifier);
    QTest::newRow("打印…") << int(Qt::Key_P) << int(Qt::ControlModifier);
  }
  void saysSoAndGoesOn() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Click(Command(kCalculate));
    auto* report = Control<QPlainTextEdit>(QStringLiteral("Text2"));
    report->setFocus(Qt::MouseFocusReason);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^quorvane: .+")));
    QTest::keyClick(report, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QMessageBox* message = Message();
    QVERIFY(message != nullptr);
    QTRY_VERIFY(message->isVisible());
    QCOMPARE(message->windowTitle(), QStringLiteral("无法打印或显示图表"));
    QCOMPARE(message->text(),
             QStringLiteral("找不到 Quorvane 打印和图表所用的文件，请重新安装 Quorvane。"));
    QTest::keyClick(message, Qt::Key_Return);
    QTRY_VERIFY(Message() == nullptr);
    Type(kTerm, "12");
    Click(Command(kCalculate));
    QCOMPARE(ReportLines().filter(QRegularExpression(QStringLiteral("^第[0-9]+期"))).size(), 12);
  }
};

QTEST_MAIN(ViewsMissingTest)
#include "test_views_missing.moc"
