// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace quorvane::fuzzing {

// The input's lines, one a field; empty ones once it runs out.
class FieldLines {
 public:
  explicit FieldLines(std::string_view text) : text_(text) {}
  std::string Next() {
    const std::size_t end = std::min(text_.find('\n'), text_.size());
    std::string line(text_.substr(0, end));
    text_.remove_prefix(std::min(end + 1, text_.size()));
    return line;
  }
  [[nodiscard]] bool Left() const { return !text_.empty(); }

 private:
  std::string_view text_;
};

}  // namespace quorvane::fuzzing
