// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A bank's plan as a file, any bytes, under the names the open dialog
// offers that are read in the program's own process (the first byte
// chooses .csv, .txt or .xlsx; an .xls is read by a helper of its own): it
// is read or refused with a message, within the rows a sheet may have, and
// what is read can be taken as a plan.
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/plan_file.h"
#include "plan/bank_plan.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  static const QTemporaryDir kFolder;
  static const char* const kNames[] = {"plan.csv", "plan.txt", "plan.xlsx"};
  const QString path = kFolder.filePath(QLatin1String(kNames[data[0] % 3]));
  const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
  const std::string_view text(bytes.constData(), bytes.size());
  QFile file(path);
  Check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
        "the input is written", text);
  file.close();
  const auto read = ReadPlanFile(path, {});
  if (!read) {
    Check(!FileProblemWords(read.Failure()).isEmpty(), "refused in words", text);
    return 0;
  }
  Check(read->size() <= kMostPlanRows, "no more rows than a sheet may have", text);
  ReadBankPlan(*read);
  return 0;
}
