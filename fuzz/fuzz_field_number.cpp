// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// FieldNumber on any text: a number is finite, agrees with the C library's
// reading of the same text, ignores blanks around it, and the text the
// program writes for it reads back.
#include <clocale>
#include <cstdlib>
#include <string>

#include "arith/number_text.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto value = FieldNumber(text);
  Check(FieldNumber(" " + text + "\t") == value, "blanks around change nothing", text);
  if (!value) {
    return 0;
  }
  Check(std::isfinite(*value), "a number is finite", text);
  const std::string trimmed(text.c_str());  // no NUL in a number
  Check(trimmed == text, "a number holds no NUL", text);
  Check(std::strtod(text.c_str(), nullptr) == *value, "agrees with strtod", text);
  const auto again = FieldNumber(NumberText(*value));
  Check(again.has_value(), "written text reads back", text);
  Check(std::fabs(*again - *value) <= std::fabs(*value) * 1e-14, "reads back the same", text);
  return 0;
}

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  std::setlocale(LC_ALL, "C");
  return 0;
}
