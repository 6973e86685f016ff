// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "toolkit/application.h"
#include "toolkit/form_window.h"
#include "toolkit/running_mark.h"

int main(int argc, char* argv[]) {
  quorvane::MarkAsRunning();
  QApplication application(argc, argv);
  quorvane::SetUpApplication(application);
  quorvane::FormWindow window;
  window.show();
  return QApplication::exec();
}
