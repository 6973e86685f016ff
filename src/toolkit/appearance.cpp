// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/appearance.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>

namespace quorvane {

namespace {

// The faces a Chinese Windows has come first, then those Debian ships.
const QStringList& ChineseFontFamilies() {
  static const QStringList families = {
      QStringLiteral("宋体"),
      QStringLiteral("SimSun"),
      QStringLiteral("NSimSun"),
#ifdef Q_OS_WIN
      QStringLiteral("微软雅黑"),
      QStringLiteral("Microsoft YaHei"),
#endif
      QStringLiteral("AR PL UMing CN"),
      QStringLiteral("Noto Serif CJK SC"),
      QStringLiteral("Noto Sans CJK SC"),
      QStringLiteral("WenQuanYi Zen Hei"),
  };
  return families;
}

constexpr int kCaptionPoints = 9;
constexpr int kLargeCaptionPoints = 12;  // the window's title caption

QColor ToQColor(const TextColour& colour) { return {colour.red, colour.green, colour.blue}; }

}  // namespace

QFont WindowFont() {
  QFont font;
  font.setFamilies(ChineseFontFamilies());
  font.setPointSize(kCaptionPoints);
  font.setWeight(QFont::Normal);
  return font;
}

namespace {

// The font of a caption that carries one of its own.
QFont CaptionQFont(CaptionFont captionFont) {
  QFont font = WindowFont();
  if (captionFont != CaptionFont::Default) {
    font.setBold(true);
    font.setPointSize(captionFont == CaptionFont::Bold12 ? kLargeCaptionPoints : kCaptionPoints);
  }
  return font;
}

}  // namespace

QColor SeparatorColour() { return {171, 171, 171}; }

void ApplyAppearance(const ControlDesign& design, QWidget* control) {
  if (design.font != CaptionFont::Default) {
    control->setFont(CaptionQFont(design.font));
  }
  if (design.colour.isSet) {
    QPalette palette = control->palette();
    const QColor colour = ToQColor(design.colour);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::WindowText, colour);
      palette.setColor(group, QPalette::Text, colour);
      palette.setColor(group, QPalette::ButtonText, colour);
    }
    control->setPalette(palette);
  }
}

QImage WindowIconImage(int size) {
  // Drawn on a 32-unit grid, the same shapes as the SVG icon, at any size.
  constexpr double kGrid = 32;
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);
  const QColor purple(192, 0, 192);
  painter.setPen(Qt::NoPen);
  painter.setBrush(purple);
  painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  painter.setBrush(Qt::white);
  QPainterPath roof;
  roof.moveTo(5, 16);
  roof.lineTo(16, 6);
  roof.lineTo(27, 16);
  roof.closeSubpath();
  painter.drawPath(roof);
  painter.drawRect(QRectF(9, 15, 14, 11));
  painter.setBrush(purple);
  painter.drawRect(QRectF(14, 19, 4, 7));
  return image;
}

QIcon WindowIcon() {
  // The designed 32 x 32 image, and larger renderings for sharp title bars
  // and docks on high-DPI screens.
  QIcon icon;
  for (const int size : {kIconSize, 48, 64, 128, 256}) {
    icon.addPixmap(QPixmap::fromImage(WindowIconImage(size)));
  }
  return icon;
}

}  // namespace quorvane
