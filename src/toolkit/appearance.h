// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

#include "form/form_design.h"

class QWidget;

namespace quorvane {

// The window's font: 宋体 where the system has it, else the Ming (song) and
// then the other Chinese fonts that Debian ships, at 9 points.
QFont WindowFont();

// The font of a caption as designed: the window's font, or its own bold one.
QFont CaptionQFont(CaptionFont captionFont);

// The colour of the separator lines: the application workspace's grey.
QColor SeparatorColour();

// Sets a control's text colour and font as designed.
void ApplyAppearance(const ControlDesign& design, QWidget* control);

// The window icon: a white house on a purple ground, designed at 32 x 32.
inline constexpr int kIconSize = 32;
QIcon WindowIcon();
// The same design drawn at size x size pixels.
QImage WindowIconImage(int size);

}  // namespace quorvane
