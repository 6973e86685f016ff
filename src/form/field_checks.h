// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

// What the numeric fields admit while the user types, and what is checked
// when a field is left.
namespace quorvane {

// Digits, the point, Backspace, Enter and Esc; every other character code,
// "/" among them, is refused.
bool IsAcceptedKey(std::int16_t keyAscii);

inline constexpr std::int16_t kEnterKey = 13;

// A numeric field's key handler: a character IsAcceptedKey refuses becomes 0.
void RefuseOtherKeys(std::int16_t& keyAscii);

// An empty text, a text ending in "." or with more than one "." is repaired
// to this when the field is left.
inline constexpr std::string_view kRepairedNumber = "10";
bool NeedsRepair(std::string_view text);

}  // namespace quorvane
