// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <string>

#include "form/version.h"
#include "toolkit/running_mark.h"

namespace quorvane {

// A named mutex, in the session of the user: Windows closes it when the
// process ends, however it ends, so it cannot outlive the program.
void MarkAsRunning() { CreateMutexA(nullptr, FALSE, std::string(kRunningMark).c_str()); }

}  // namespace quorvane
