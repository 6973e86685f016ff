// Start-up as the user meets it: from the start of this process until the
// window is shown, and the memory it then holds at rest. Prints one line:
// "startup_ms <ms> rss_kb <kB>".
#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "toolkit/form_window.h"

namespace {

// Milliseconds since this process started, from the kernel's start time.
double MillisecondsSinceProcessStart() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) {
    return -1;
  }
  const QByteArray line = stat.readAll();
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  const double startTicks = fields.value(19).toDouble();  // field 22 of the whole line
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs =
      static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
  return nowMs - startTicks * 1000 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) {
    return -1;
  }
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quorvane::FormWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    return 1;
  }
  const double shownAfter = MillisecondsSinceProcessStart();
  QTimer::singleShot(500, &application, &QApplication::quit);  // then at rest
  QApplication::exec();
  std::printf("startup_ms %.1f rss_kb %ld\n", shownAfter, ResidentKilobytes());
  return 0;
}
