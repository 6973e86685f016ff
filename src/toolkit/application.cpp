// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/application.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <memory>

#include "form/version.h"
#include "toolkit/utf8.h"

namespace quorvane {

namespace {

const QString kClassicStyle = QStringLiteral("Fusion");

}  // namespace

bool LoadQtChineseCatalogue(QCoreApplication& application) {
  auto* catalogue = new QTranslator(&application);
  if (!catalogue->load(QStringLiteral(":/translations/qtbase_zh_CN.qm"))) {
    delete catalogue;
    return false;
  }
  return QCoreApplication::installTranslator(catalogue);
}

QPalette ClassicPalette() {
  const std::unique_ptr<QStyle> style(QStyleFactory::create(kClassicStyle));
  QPalette palette = style != nullptr ? style->standardPalette() : QPalette();
  // The face of windows and buttons on Windows since Vista, light enough for
  // the green and purple captions to keep a contrast of 4.5 : 1.
  const QColor face(240, 240, 240);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window, face);
    palette.setColor(group, QPalette::Button, face);
  }
  palette.setColor(QPalette::Active, QPalette::Base, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::Base, Qt::white);
  return palette;
}

void SetUpApplication(QApplication& application) {
  QCoreApplication::setApplicationName(FromUtf8(kProgramName));
  QCoreApplication::setApplicationVersion(FromUtf8(kVersion));
  QCoreApplication::setOrganizationDomain(FromUtf8(kOrganisationDomain));
  QGuiApplication::setDesktopFileName(FromUtf8(kDesktopId));
  // The designed caption colours are dark: a dark desktop theme would leave
  // them unreadable, so this application keeps the light classic look.
  QApplication::setStyle(kClassicStyle);
  QApplication::setPalette(ClassicPalette());
  LoadQtChineseCatalogue(application);
}

}  // namespace quorvane
