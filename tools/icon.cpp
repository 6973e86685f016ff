// Writes the window icon, as the program draws it, to a 32 x 32 PNG file.
#include <QGuiApplication>

#include "toolkit/appearance.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    return 2;
  }
  QGuiApplication application(argc, argv);
  return quorvane::WindowIconImage().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
