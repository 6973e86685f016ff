#include <QApplication>
#include <QScreen>

#include "toolkit/form_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quorvane::FormWindow window;
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
  window.show();
  return QApplication::exec();
}
