// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A stretch of either method on any eight field texts and any log: refused,
// or the principal and months repaid read back as numbers and the log gains
// exactly one line, " =" on an empty log and " +" after text.
#include "fuzz_fields.h"
#include "report_shape.h"

namespace quorvane::fuzzing {

using Accrual = std::optional<AccrualTexts> (*)(const StretchTexts&);

inline int CheckStretch(Accrual accrue, const std::uint8_t* data, std::size_t size) {
  const FuzzFields fields = SplitFields(data, size);
  const auto accrued = accrue(fields.Stretch());
  if (!accrued) {
    return 0;
  }
  const std::string all = accrued->principalRepaid + "|" + accrued->monthsRepaid;
  CheckNoInfinityOrNan(all);
  Figure(accrued->principalRepaid, all);
  Figure(accrued->monthsRepaid, all);
  std::string_view log = accrued->log;
  Check(log.starts_with(fields.log), "earlier log stays in front", log);
  log.remove_prefix(fields.log.size());
  Check(log.starts_with(fields.log.empty() ? " =" : " +"), "log line marked", log);
  Check(log.ends_with("\r\n"), "log line ends in CR LF", log);
  log = log.substr(2, log.size() - 4);
  CheckNoInfinityOrNan(log);
  Figure(log.starts_with(' ') ? log.substr(1) : log, log);
  return 0;
}

}  // namespace quorvane::fuzzing
