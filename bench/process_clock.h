// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up as the user meets it, measured from inside the process: the time
// since the kernel started it, and the memory it holds. Linux only, like the
// benchmarks that use it.
#include <unistd.h>
#include <QFile>
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

}  // namespace quorvane::bench
