// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What quorvane-xlsx reads on its standard input: any bytes either are no
// sheets or are sheets that, written out again, read back to the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "report_shape.h"
#include "text/typed_table.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto sheets = ReadSheetsText(text);
  if (!sheets) {
    return 0;
  }
  const std::string written = SheetsText(*sheets);
  const auto again = ReadSheetsText(written);
  Check(again.has_value(), "what is written reads back", written);
  Check(SheetsText(*again) == written, "and reads back the same", written);
  return 0;
}
