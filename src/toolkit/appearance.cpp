// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/appearance.h"

#include <QIconEngine>
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

QFont CaptionQFont(CaptionFont captionFont) {
  QFont font = WindowFont();
  if (captionFont != CaptionFont::Default) {
    font.setBold(true);
    font.setPointSize(captionFont == CaptionFont::Bold12 ? kLargeCaptionPoints : kCaptionPoints);
  }
  return font;
}

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

namespace {

// The window icon drawn at the size a window system asks for, sharp at each,
// and only when it asks: a title bar asks for one or two small sizes, a dock
// for a large one. (The desktop entry's scalable icon serves the desktop's
// own large views.)
class DrawnIconEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    return QPixmap::fromImage(WindowIconImage(qMin(size.width(), size.height())));
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
             QIcon::State /*state*/) override {
    const int side = qMin(rect.width(), rect.height());
    QRect square(0, 0, side, side);
    square.moveCenter(rect.center());
    painter->drawImage(square, WindowIconImage(side));
  }
  // The sizes offered where the window system takes a fixed set (the X
  // window's icon property): the title bar's and the task bar's, up to a
  // large switcher's.
  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    return {QSize(16, 16), QSize(kIconSize, kIconSize), QSize(48, 48), QSize(64, 64),
            QSize(128, 128)};
  }
  QIconEngine* clone() const override { return new DrawnIconEngine; }
  QString key() const override { return QStringLiteral("quorvane-drawn"); }
};

}  // namespace

QIcon WindowIcon() { return QIcon(new DrawnIconEngine); }

}  // namespace quorvane
