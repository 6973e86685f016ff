// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "form/form_design.h"
#include "toolkit/application.h"
#include "window_fixture.h"

using namespace quorvane;
using quorvane::testing::WindowFixture;

namespace {

// WCAG's relative luminance and contrast ratio.
double Luminance(const QColor& colour) {
  const auto linear = [](double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

QPalette DarkPalette() {
  QPalette dark(QColor(53, 53, 53));
  dark.setColor(QPalette::Window, QColor(40, 40, 40));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, Qt::white);
  return dark;
}

#ifdef QUORVANE_DESKTOP_ENTRY
// A key=value line of a desktop entry.
QString EntryValue(const QString& entry, const QString& key) {
  const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key),
                                QRegularExpression::MultilineOption);
  return line.match(entry).captured(1);
}
#endif

}  // namespace

// What the window is to the desktop and to assistive technology: Qt's own
// texts in Chinese, a name for every control, a light look on a dark desktop,
// and the identity that matches the desktop entry.
class ApplicationTest : public QObject, WindowFixture {
  Q_OBJECT

  static QStringList ContextMenuTexts(QWidget* widget) {
    QMenu* menu = OpenContextMenu(widget);
    if (menu == nullptr) {
      return {};
    }
    QStringList texts;
    for (const QAction* action : menu->actions()) {
      texts << action->text();
    }
    menu->close();
    return texts;
  }

 private slots:
  void initTestCase() { SetUpApplication(*qApp); }
  void init() { Open(); }
  void cleanup() { Close(); }

  void catalogueIsBuiltIn() { QVERIFY(LoadQtChineseCatalogue(*qApp)); }

  void contextMenusAreChinese_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("numeric field") << "Text1(0)";
    QTest::newRow("report box") << "Text2";
  }
  void contextMenusAreChinese() {
    QFETCH(QString, control);
    const QString menu = ContextMenuTexts(Control<QWidget>(control)).join(' ');
    for (const char* chinese : {"撤消", "重做", "剪切", "复制", "粘贴", "删除", "全选"}) {
      QVERIFY2(menu.contains(QString::fromUtf8(chinese)), qPrintable(menu));
    }
    for (const char* english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select"}) {
      QVERIFY2(!menu.contains(QLatin1String(english)), qPrintable(menu));
    }
  }

  void everyFocusableControlHasItsOwnName() {
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&Window())};
    QStringList names;
    while (!pending.isEmpty()) {
      QAccessibleInterface* node = pending.takeFirst();
      for (int i = 0; i < node->childCount(); ++i) {
        pending << node->child(i);
      }
      const auto* widget = qobject_cast<const QWidget*>(node->object());
      if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus && node->state().focusable) {
        const QString name = node->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names << name;
      }
    }
    // Eight numeric fields, two lists, two method buttons, four buttons, two boxes.
    QCOMPARE(names.size(), 18);
    QVERIFY(names.contains(QStringLiteral("重置贷款信息")));
    QVERIFY(names.contains(QStringLiteral("重置调息还款")));
    QCOMPARE(Control<QWidget>("Text2")->accessibleName(), QStringLiteral("还款计划"));
  }

  void designedColoursStayReadableOnADarkDesktop() {
    Close();
    const QPalette system = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    Open();
    const QColor background = Window().palette().color(QPalette::Window);
    QVERIFY2(Luminance(background) > 0.5, qPrintable(background.name()));
    for (const ControlDesign& design : kFormDesign) {
      if (!design.colour.isSet) {
        continue;
      }
      const auto* control = Control<QWidget>(QString::fromUtf8(design.name.data()));
      const QPalette::ColorRole role = qobject_cast<const QLineEdit*>(control) != nullptr
                                           ? QPalette::Text
                                           : QPalette::WindowText;
      const double contrast = Contrast(control->palette().color(role), background);
      QVERIFY2(contrast >= 4.5,
               qPrintable(QStringLiteral("%1: %2 : 1").arg(control->objectName()).arg(contrast)));
    }
    QApplication::setPalette(system);
  }

  void identityMatchesTheDesktopEntry() {
#ifndef QUORVANE_DESKTOP_ENTRY
    QSKIP("this build installs no desktop entry");
#else
    QFile file(QStringLiteral(QUORVANE_DESKTOP_ENTRY));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(file.readAll());
    QCOMPARE(QGuiApplication::desktopFileName() + ".desktop",
             QFileInfo(file.fileName()).fileName());
    QCOMPARE(QCoreApplication::applicationName(), EntryValue(entry, "StartupWMClass"));
#endif
  }
};

QTEST_MAIN(ApplicationTest)
#include "test_application.moc"
