// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// What the report box's and the log's context menus add to the standard
// entries, what is said when they cannot be opened, and the foot of a
// printed page.
namespace quorvane {

inline constexpr std::string_view kCopyAsTableEntry = "复制为表格";
inline constexpr std::string_view kPrintEntry = "打印…";
inline constexpr std::string_view kChartEntry = "图表…";

// Said when the part of the program that prints and draws charts cannot be
// loaded (an installation with a file missing).
inline constexpr std::string_view kViewsMissingTitle = "无法打印或显示图表";
inline constexpr std::string_view kViewsMissingMessage =
    "找不到 Quorvane 打印和图表所用的文件，请重新安装 Quorvane。";

// "第 2 页 / 共 9 页", pages counted from 1.
inline std::string PageNumberText(int page, int pageCount) {
  return "第 " + std::to_string(page) + " 页 / 共 " + std::to_string(pageCount) + " 页";
}

}  // namespace quorvane
