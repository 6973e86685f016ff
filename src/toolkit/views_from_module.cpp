// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The views from their module, loaded the first time one is asked for. The
// module lies where it is installed, relative to the program
// (QUORVANE_VIEWS_FILE); the build tree has the same layout.
#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#include "toolkit/report_views.h"

namespace quorvane {

LoadedViews LoadViews() {
  // Stays loaded while the program runs: its windows may be open until then.
  static QPluginLoader module(
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUORVANE_VIEWS_FILE)));
  const auto* plugin = qobject_cast<ViewsPlugin*>(module.instance());
  return {plugin, plugin != nullptr ? QString() : module.errorString()};
}

}  // namespace quorvane
