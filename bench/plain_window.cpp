// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a plain Qt window of the calculator's size
// showing the same help text in the same fonts, and nothing else. Measured
// like the calculator's start-up and printing the same line, so the two can
// be run side by side. It links the toolkit only for the font, and nothing
// it does not use (no plotting library).
#include <QApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "form/form_design.h"
#include "form/help_text.h"
#include "process_clock.h"
#include "toolkit/appearance.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // on a real display too, when one is named
  }
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QString::fromStdString(quorvane::WindowCaption()));
  window.setFont(quorvane::WindowFont());
  window.setFixedSize(quorvane::kClientWidth / quorvane::kTwipsPerPixel,
                      quorvane::kClientHeight / quorvane::kTwipsPerPixel);
  auto* text = new QPlainTextEdit(QString::fromStdString(quorvane::HelpText()), &window);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(text);
  return quorvane::bench::ReportStartUp(application, window);
}
