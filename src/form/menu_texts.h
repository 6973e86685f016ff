// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

// What the report box's and the log's context menus add to the standard
// entries, what is said when they cannot be opened, and the foot of a
// printed page.
namespace quorvane {

inline constexpr std::string_view kCopyAsTableEntry = "复制为表格";

// The windows of their own that the report box's menu opens, after its copy
// entry: the views. Each is a class of the views module; this is the one
// list of them, in the order of the menu.
enum class ReportViewKind { PrintPreview, Chart, History };

struct ReportViewEntry {
  ReportViewKind view;
  std::string_view caption;
  std::string_view shortcut;  // as Qt writes key sequences, "Ctrl+P"
  // A view of the report is enabled while the box reads as one and its key
  // works in the box; the others are always enabled, their key anywhere in
  // the window.
  bool readsReport = true;
};

inline constexpr std::array kReportViewEntries{
    ReportViewEntry{ReportViewKind::PrintPreview, "打印…", "Ctrl+P"},
    ReportViewEntry{ReportViewKind::Chart, "图表…", "F11"},
    ReportViewEntry{ReportViewKind::History, "贷款历程…", "F12", false},
};

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
