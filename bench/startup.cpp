// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up as the user meets it: from the start of this process until the
// window is shown, set up as the program sets it up, and the memory it then
// holds at rest. Prints one line: "startup_ms <ms> cpu_ms <ms> rss_kb <kB>".
#include <QApplication>

#include "process_clock.h"
#include "toolkit/application.h"
#include "toolkit/form_window.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // on a real display too, when one is named
  }
  QApplication application(argc, argv);
  quorvane::SetUpApplication(application);
  quorvane::FormWindow window;
  return quorvane::bench::ReportStartUp(application, window);
}
