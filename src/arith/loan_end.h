// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace quorvane {

// Whether the loan is repaid in full: the months repaid have reached the term,
// or the principal repaid (yuan) has reached the amount (万元). Both are
// judged; one whose fields are not numbers does not hold.
bool LoanRepaid(std::string_view monthsRepaid, std::string_view term,
                std::string_view principalRepaid, std::string_view amount);

}  // namespace quorvane
