// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quorvane {

// What the report box shows after start-up and the full reset: why the
// calculator exists, how to use the rate-change section, and a contact.
std::string HelpText();

}  // namespace quorvane
