// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The views linked into the program: the plug-in among the program's static
// plug-ins, imported by the build.
#include <QJsonObject>
#include <QPluginLoader>

#include "toolkit/report_views.h"

namespace quorvane {

LoadedViews LoadViews() {
  for (const QStaticPlugin& candidate : QPluginLoader::staticPlugins()) {
    if (candidate.metaData().value(QStringLiteral("IID")).toString() ==
        QLatin1String(QUORVANE_VIEWS_INTERFACE)) {
      if (const auto* plugin = qobject_cast<ViewsPlugin*>(candidate.instance())) {
        return {plugin, {}};
      }
    }
  }
  return {nullptr, QStringLiteral("the views plug-in was not linked in")};
}

}  // namespace quorvane
