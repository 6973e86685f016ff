// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up as the user meets it, measured from inside the process: the time
// since the kernel started it, and the memory it holds. Linux only, like the
// benchmarks that use it.
#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace quorvane::bench {

// Milliseconds since this process started, from the kernel's start time.
inline double MillisecondsSinceProcessStart() {
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

// Milliseconds of CPU this process has used, on all its threads.
inline double CpuMilliseconds() {
  timespec used{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return static_cast<double>(used.tv_sec) * 1000 + static_cast<double>(used.tv_nsec) / 1e6;
}

inline long ResidentKilobytes() {
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

// Shows the window, waits until it is on screen (on an X display: mapped and
// exposed) and, after half a second at rest, prints
// "startup_ms <ms> cpu_ms <ms> rss_kb <kB>": the time from launch to the
// window on screen, the CPU used from launch until then at rest, and the
// memory held. Returns the process's exit status.
inline int ReportStartUp(QApplication& application, QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    return 1;
  }
  const double shownAfter = MillisecondsSinceProcessStart();
  QTimer::singleShot(500, &application, &QApplication::quit);  // then at rest
  QApplication::exec();
  std::printf("startup_ms %.1f cpu_ms %.1f rss_kb %ld\n", shownAfter, CpuMilliseconds(),
              ResidentKilobytes());
  return 0;
}

}  // namespace quorvane::bench
