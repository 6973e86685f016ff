// Writes pictures of the calculator's window: just after start-up, and after
// "计 算" on the start-up loan. Runs on any Qt platform, offscreen included.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "toolkit/application.h"
#include "toolkit/form_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quorvane::SetUpApplication(application);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  quorvane::FormWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    return 1;
  }
  const bool startup = window.grab().save(folder.filePath(QStringLiteral("startup.png")));
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  const bool report = window.grab().save(folder.filePath(QStringLiteral("report.png")));
  return startup && report ? 0 : 1;
}
