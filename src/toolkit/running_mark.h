// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvane {

// Marks this process as a running Quorvane for as long as it runs, where the
// setup program and the uninstaller of any version look before they replace
// or remove the program's files.
void MarkAsRunning();

}  // namespace quorvane
