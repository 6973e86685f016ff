// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/field_checks.h"

namespace quorvane {

bool IsAcceptedKey(std::int16_t keyAscii) {
  constexpr std::int16_t kPoint = '.';
  constexpr std::int16_t kNine = '9';
  constexpr std::int16_t kSlash = '/';
  constexpr std::int16_t kBackspace = 8;
  constexpr std::int16_t kEscape = 27;
  if (keyAscii == kBackspace || keyAscii == kEnterKey || keyAscii == kEscape) {
    return true;
  }
  return keyAscii >= kPoint && keyAscii <= kNine && keyAscii != kSlash;
}

void RefuseOtherKeys(std::int16_t& keyAscii) {
  if (!IsAcceptedKey(keyAscii)) {
    keyAscii = 0;
  }
}

bool NeedsRepair(std::string_view text) {
  return text.empty() || text.back() == '.' || text.find('.') != text.rfind('.');
}

}  // namespace quorvane
