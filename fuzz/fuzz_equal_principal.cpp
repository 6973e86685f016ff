// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The equal-principal report on any eight field texts: nothing (refused),
// or the totals, a separator and period lines numbered on by one.
#include "arith/equal_principal.h"
#include "fuzz_fields.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzFields fields = SplitFields(data, size);
  const auto written = EqualPrincipalReport(fields.Loan());
  if (!written) {
    return 0;
  }
  const std::string& report = *written;
  CheckNoInfinityOrNan(report);
  const auto lines = Lines(report);
  Check(lines.size() >= 2, "totals and separator", report);
  Figures(lines[0], {"总还款:", "其中利息:", "元"});
  Check(lines[1] == std::string(40, '-'), "separator of 40 hyphens", report);
  std::vector<double> numbers;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    numbers.push_back(Figures(lines[i], {"第", "期：", "元 | 其中本金:", "元 | 利息:", "元"})[0]);
  }
  CheckConsecutive(numbers, report);
  return 0;
}
