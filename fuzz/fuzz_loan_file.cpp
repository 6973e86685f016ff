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
  const ReadLoan read = ReadLoanFile(bytes);
  Check(read.file.has_value() != !read.problem.isEmpty(), "read, or refused with a message", text);
  if (read.file) {
    const QByteArray saved = WriteLoanFile(*read.file);
    const ReadLoan again = ReadLoanFile(saved);
    Check(again.file == read.file, "saved, it reads as the same loan", text);
    Check(WriteLoanFile(*again.file) == saved, "saved again, the same bytes", text);
  }
  return 0;
}
