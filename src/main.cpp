#include <QApplication>

#include "toolkit/form_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quorvane::FormWindow window;
  window.show();
  return QApplication::exec();
}
