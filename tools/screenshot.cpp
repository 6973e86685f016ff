// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes pictures of the calculator's window: just after start-up, after
// "计 算" on the start-up loan, and with the report box's context menu open;
// and the repayment chart of that loan under each method, side by side, the
// marker on month 37; the loan's history of that loan; and the check of a
// bank's plan that counted the interest of the month across a rate change by
// days; and the prepayment planner of the history's loan. Runs on any Qt
// platform, offscreen included.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include "toolkit/application.h"
#include "toolkit/form_window.h"

namespace {

// The window with the context menu that a right click in the report opens,
// drawn where the menu stands over it; the picture grows to hold the menu.
QImage WithReportMenu(QWidget& window) {
  QWidget* report = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->viewport();
  const QPoint click(report->width() / 3, report->height() / 5);
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, click, report->mapToGlobal(click));
  QApplication::sendEvent(report, &rightClick);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu == nullptr) {
    return {};
  }
  const QRect menuRect(window.mapFromGlobal(menu->pos()), menu->size());
  QImage picture(window.rect().united(menuRect).size(), QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.drawPixmap(0, 0, window.grab());
  painter.drawPixmap(menuRect.topLeft(), menu->grab());
  menu->close();
  return picture;
}

void PressKey(QWidget* widget, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

// The report box's entry of this shortcut, chosen.
void ChooseEntry(QWidget& window, Qt::Key shortcut) {
  auto* report = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
  for (QAction* action : report->actions()) {
    if (action->shortcut() == QKeySequence(shortcut)) {
      action->trigger();
    }
  }
}

// The chart window that the report box's "图表…" opens, the marker moved to
// month 37 with the keys a user presses.
QImage ChartOfReport(QWidget& window) {
  ChooseEntry(window, Qt::Key_F11);
  auto* chart = window.findChild<QWidget*>(QStringLiteral("chart"));
  if (chart == nullptr) {
    return {};
  }
  PressKey(chart, Qt::Key_Home);
  for (int month = 1; month < 37; ++month) {
    PressKey(chart, Qt::Key_Right);
  }
  QApplication::processEvents();
  return chart->window()->grab().toImage();
}

// A field of a window typed over, as the borrower types it.
bool TypeOver(QWidget& window, const QString& name, const QString& text) {
  auto* field = window.findChild<QLineEdit*>(name);
  if (field == nullptr) {
    return false;
  }
  field->setText(text);
  emit field->textEdited(text);
  return true;
}

// The loan's history that F12 opens, of a loan priced on the LPR from the
// start: 1 000 000 yuan from 2021-03-15 over 360 months at LPR + 55.
QImage HistoryOfLoan(QWidget& window) {
  ChooseEntry(window, Qt::Key_F12);
  auto* history = window.findChild<QWidget*>(QStringLiteral("history"));
  if (history == nullptr ||
      !(TypeOver(*history, QStringLiteral("granted"), QStringLiteral("2021-03-15")) &&
        TypeOver(*history, QStringLiteral("amount"), QStringLiteral("100")) &&
        TypeOver(*history, QStringLiteral("months"), QStringLiteral("360")) &&
        TypeOver(*history, QStringLiteral("spread"), QStringLiteral("55")))) {
    return {};
  }
  QApplication::processEvents();
  return history->grab().toImage();
}

// The action of this shortcut of a window, triggered.
void Trigger(QWidget& window, const QKeySequence& shortcut) {
  for (QAction* action : window.actions()) {
    if (action->shortcut() == shortcut) {
      action->trigger();
    }
  }
}

// 核对银行计划 with the bank's plan: the history as a bank that counts the
// month across a rate change by days has it, copied, and pasted for a
// history that does not.
QImage CheckOfPlan(QWidget& window) {
  auto* history = window.findChild<QWidget*>(QStringLiteral("history"));
  auto* byDays =
      history != nullptr ? history->findChild<QCheckBox*>(QStringLiteral("acrossChange")) : nullptr;
  if (byDays == nullptr) {
    return {};
  }
  byDays->click();
  Trigger(*history, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  byDays->click();
  Trigger(*history, QKeySequence(Qt::CTRL | Qt::Key_B));
  auto* check = history->findChild<QWidget*>(QStringLiteral("planCheck"));
  if (check == nullptr) {
    return {};
  }
  Trigger(*check, QKeySequence(QKeySequence::Paste));
  QApplication::processEvents();
  return check->grab().toImage();
}

// 提前还款试算 of the same loan: 20 万元 on 2027-03-15, the money's yield
// beside it, and the least amount that brings the payment to 4 000 yuan.
QImage PlannerOfLoan(QWidget& window) {
  auto* history = window.findChild<QWidget*>(QStringLiteral("history"));
  if (history == nullptr) {
    return {};
  }
  Trigger(*history, QKeySequence(Qt::CTRL | Qt::Key_T));
  auto* planner = history->findChild<QWidget*>(QStringLiteral("planner"));
  auto* ask =
      planner != nullptr ? planner->findChild<QPushButton*>(QStringLiteral("askPayment")) : nullptr;
  if (ask == nullptr ||
      !(TypeOver(*planner, QStringLiteral("trialDay"), QStringLiteral("2027-03-15")) &&
        TypeOver(*planner, QStringLiteral("trialAmount"), QStringLiteral("20")) &&
        TypeOver(*planner, QStringLiteral("trialYield"), QStringLiteral("2.5")) &&
        TypeOver(*planner, QStringLiteral("goalPayment"), QStringLiteral("4000")))) {
    return {};
  }
  ask->click();
  QApplication::processEvents();
  return planner->grab().toImage();
}

// Both methods' charts side by side.
QImage ChartsOfBothMethods(QWidget& window) {
  const QImage equalPayment = ChartOfReport(window);
  window.findChild<QRadioButton*>(QStringLiteral("Option1(1)"))->click();
  window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  const QImage equalPrincipal = ChartOfReport(window);
  if (equalPayment.isNull() || equalPrincipal.isNull()) {
    return {};
  }
  QImage picture(equalPayment.width() + equalPrincipal.width(),
                 std::max(equalPayment.height(), equalPrincipal.height()), QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawImage(0, 0, equalPayment);
  painter.drawImage(equalPayment.width(), 0, equalPrincipal);
  return picture;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quorvane::SetUpApplication(application);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  quorvane::FormWindow window;
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (!window.windowHandle()->isExposed()) {
    if (waited.elapsed() > 5000) {
      return 1;
    }
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  const bool startup = window.grab().save(folder.filePath(QStringLiteral("startup.png")));
  window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  const bool report = window.grab().save(folder.filePath(QStringLiteral("report.png")));
  const bool menu = WithReportMenu(window).save(folder.filePath(QStringLiteral("report-menu.png")));
  const bool charts =
      ChartsOfBothMethods(window).save(folder.filePath(QStringLiteral("chart.png")));
  const bool history = HistoryOfLoan(window).save(folder.filePath(QStringLiteral("history.png")));
  const bool check = CheckOfPlan(window).save(folder.filePath(QStringLiteral("check.png")));
  const bool plan = PlannerOfLoan(window).save(folder.filePath(QStringLiteral("plan.png")));
  return startup && report && menu && charts && history && check && plan ? 0 : 1;
}
