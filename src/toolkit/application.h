// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>

class QApplication;
class QCoreApplication;

namespace quorvane {

// The application's identity, look and language, set once before the window
// opens: its name, version and desktop entry (so that docks and task bars
// find its icon and name), the classic light look, and Qt's own texts in
// Chinese.
void SetUpApplication(QApplication& application);

// Qt's own texts (context menus, standard dialogs) in Chinese, whatever the
// system's language: the catalogue is built into the program. False when it
// cannot be loaded; the program then runs on with Qt's English texts.
bool LoadQtChineseCatalogue(QCoreApplication& application);

// The light palette of the classic desktop the window was designed for, on
// which its fixed caption colours keep their contrast.
QPalette ClassicPalette();

}  // namespace quorvane
