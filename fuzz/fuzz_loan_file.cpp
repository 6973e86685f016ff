// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A loan file, any bytes: it is read or refused with a message, and whatever
// is read saves back to bytes that read as the same loan and save again to
// the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/loan_file.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::string_view text(bytes.constData(), size);
  const auto read = ReadLoanFile(bytes);
  Check(read || !FileProblemWords(read.Failure()).isEmpty(), "read, or refused with a message",
        text);
  if (read) {
    const QByteArray saved = WriteLoanFile(*read);
    const auto again = ReadLoanFile(saved);
    Check(again && *again == *read, "saved, it reads as the same loan", text);
    Check(WriteLoanFile(*again) == saved, "saved again, the same bytes", text);
  }
  return 0;
}
