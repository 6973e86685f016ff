// Writes pictures of the calculator's window: just after start-up, after
// "计 算" on the start-up loan, and with the report box's context menu open.
// Runs on any Qt platform, offscreen included.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
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
  return startup && report && menu ? 0 : 1;
}
