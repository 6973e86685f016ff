// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// What the report box tells the user besides reports and the help text.
namespace quorvane {

// A report or a stretch the fields do not allow: nothing owed, no month left,
// a field that is not a number, a figure out of range.
inline constexpr std::string_view kDataErrorMessage = "数据逻辑错误！请检查填写的数据！";

// Leaving a field when the principal repaid has reached the amount lent, or
// passed it.
inline constexpr std::string_view kRepaidExactlyRemark = "还完款了还想干嘛？钱太多了送我一点！^_^";
inline constexpr std::string_view kRepaidTooMuchRemark =
    "给银行还这么多钱了？，钱多没地方花啊？^_^";

}  // namespace quorvane
