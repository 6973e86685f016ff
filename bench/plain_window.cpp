// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a plain Qt window of the calculator's size
// showing the same content in the same fonts (the help text in a text box,
// and every caption and rate-list row, each in its designed font), with
// nothing else: no icon, style, palette or catalogue set-up, no form and no
// library it does not use. Measured like the calculator's start-up and
// printing the same line, so the two can be run side by side.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "form/form_design.h"
#include "form/help_text.h"
#include "form/window.h"
#include "process_clock.h"
#include "rates/rate_tables.h"
#include "toolkit/appearance.h"
#include "toolkit/utf8.h"

namespace {

// The texts the window shows in one caption font, one after another.
QString TextsInFont(quorvane::CaptionFont font) {
  QStringList texts;
  for (const quorvane::ControlDesign& design : quorvane::kFormDesign) {
    if (design.font == font && !design.caption.empty()) {
      texts << quorvane::FromUtf8(design.caption);
    }
  }
  if (font == quorvane::CaptionFont::Default) {
    for (const quorvane::ListIndex list : {quorvane::kCommercialList, quorvane::kFundList}) {
      for (const quorvane::RateRow& row : quorvane::RateTable(list)) {
        texts << quorvane::FromUtf8(row.item);
      }
    }
  }
  return texts.join(u' ');
}

}  // namespace

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
  auto* layout = new QVBoxLayout(&window);
  for (const auto font : {quorvane::CaptionFont::Default, quorvane::CaptionFont::Bold9,
                          quorvane::CaptionFont::Bold12}) {
    auto* captions = new QLabel(TextsInFont(font), &window);
    captions->setFont(quorvane::CaptionQFont(font));
    captions->setWordWrap(true);
    layout->addWidget(captions);
  }
  layout->addWidget(new QPlainTextEdit(QString::fromStdString(quorvane::HelpText()), &window));
  return quorvane::bench::ReportStartUp(application, window);
}
