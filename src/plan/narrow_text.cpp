// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/narrow_text.h"

#include <algorithm>

namespace quorvane {

namespace {

void Erase(std::string& text, std::string_view part) { text = Replaced(text, part, {}); }

}  // namespace

std::pair<char32_t, std::size_t> CodePoint(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead < 0x80       ? 1
                             : lead >> 5 == 6  ? 2
                             : lead >> 4 == 14 ? 3
                             : lead >> 3 == 30 ? 4
                                               : 0;
  if (length <= 1 || at + length > text.size()) {
    return {lead, 1};
  }
  char32_t point = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) >> 6 != 2) {
      return {lead, 1};
    }
    point = (point << 6) | (byte(i) & 0x3F);
  }
  return {point, length};
}

std::string Narrow(std::string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = CodePoint(text, at);
    if (point >= 0xFF01 && point <= 0xFF5E) {
      narrow += static_cast<char>(point - 0xFEE0);
    } else if (point == 0x3000 || point == 0xA0 || point == '\t' || point == 0x202F) {
      narrow += ' ';
    } else if (point == 0x2212 || point == 0x2013 || point == 0xFE63) {
      narrow += '-';
    } else if (point == 0x3002) {
      narrow += '.';
    } else {
      narrow.append(text.substr(at, length));
    }
    at += length;
  }
  return narrow;
}

// The text with every `part` in it replaced; built afresh, since MinGW's
// GCC 12 warns of std::string::replace in place.
std::string Replaced(std::string_view text, std::string_view part, std::string_view with) {
  std::string result;
  for (std::size_t at = 0;;) {
    const auto next = text.find(part, at);
    result.append(text.substr(at, next - at));
    if (next == std::string_view::npos) {
      return result;
    }
    result.append(with);
    at = next + part.size();
  }
}

std::string Bare(std::string_view cell, std::initializer_list<std::string_view> marks) {
  std::string text = Narrow(cell);
  Erase(text, " ");
  for (const std::string_view mark : marks) {
    Erase(text, mark);
  }
  return text;
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace quorvane
