// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print preview and the chart from their module, loaded the first time
// either is asked for. The module lies where it is installed, relative to
// the program (QUORVANE_VIEWS_DIR); the build tree has the same layout.
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <cstdio>

#include "form/menu_texts.h"
#include "toolkit/report_views.h"
#include "toolkit/utf8.h"

namespace quorvane {
namespace {

using CreateViews = ReportViews* (*)(QWidget* box);

CreateViews LoadModule() {
  QLibrary module(QDir(QCoreApplication::applicationDirPath())
                      .filePath(QStringLiteral(QUORVANE_VIEWS_DIR "/quorvane-views")));
  // Stays loaded while the program runs: its windows may be open until then.
  const auto create = reinterpret_cast<CreateViews>(module.resolve("QuorvaneCreateReportViews"));
  if (create == nullptr) {
    std::fprintf(stderr, "quorvane: %s\n", qPrintable(module.errorString()));
  }
  return create;
}

}  // namespace

std::unique_ptr<ReportViews> CreateReportViews(QWidget* box) {
  static const CreateViews create = LoadModule();
  if (create == nullptr) {
    QMessageBox::warning(box->window(), FromUtf8(kViewsMissingTitle),
                         FromUtf8(kViewsMissingMessage));
    return nullptr;
  }
  return std::unique_ptr<ReportViews>(create(box));
}

}  // namespace quorvane
