// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/form_design.h"

#include "form/version.h"

namespace quorvane {

namespace {
using enum ControlKind;
using enum CaptionFont;
}  // namespace

// One row a line, as the table reads.
// clang-format off
const std::array<ControlDesign, kControlCount> kFormDesign{{
    {"Label1(9)", Label, 9, 120, 3360, 1095, 255, "还款方法：", kDarkRed, Bold9},
    {"Label1(3)", Label, 3, 1680, 1860, 375, 255, "月", kDefaultColour, Default},
    {"Label1(7)", Label, 7, 1680, 1500, 375, 255, "折", kDefaultColour, Default},
    {"Label1(5)", Label, 5, 1940, 1140, 375, 255, "%", kDefaultColour, Default},
    {"Label1(4)", Label, 4, 1920, 780, 375, 255, "万元", kDefaultColour, Default},
    {"Label1(2)", Label, 2, 240, 1860, 1095, 255, "还款期限：", kDefaultColour, Default},
    {"Label1(6)", Label, 6, 240, 1500, 1095, 255, "利息折扣：", kDefaultColour, Default},
    {"Text2", ReportBox, -1, 240, 3600, 6495, 2175, "", kDefaultColour, Default, "还款计划", "还款计划、说明和提示"},
    {"Label1(1)", Label, 1, 240, 1140, 1095, 255, "基准利率：", kDefaultColour, Default},
    {"Label1(0)", Label, 0, 240, 780, 1095, 255, "贷款金额：", kDefaultColour, Default},
    {"Label1(8)", Label, 8, 120, 480, 1095, 255, "贷款信息：", kDarkRed, Bold9},
    {"Label1(10)", Label, 10, 1800, 90, 3135, 375, "个人购房贷款还款方法计算", kPurple, Bold12},
    {"Text1(0)", TextBox, 0, 1200, 720, 735, 270, "", kDefaultColour, Default, "贷款金额", "单位：万元"},
    {"Text1(1)", TextBox, 1, 1200, 1080, 735, 270, "", kDefaultColour, Default, "基准利率", "年利率，单位：%"},
    {"Text1(2)", TextBox, 2, 1200, 1440, 495, 270, "", kDefaultColour, Default, "利息折扣", "单位：折，8.5折即基准利率的85%"},
    {"Text1(3)", TextBox, 3, 1200, 1800, 495, 270, "", kDefaultColour, Default, "还款期限", "单位：月"},
    {"List1(0)", ListBox, 0, 2520, 720, 1695, 780, "", kDefaultColour, Default, "国家标准利率", "选中一行，按还款期限填入基准利率和利息折扣"},
    {"Label1(11)", Label, 11, 2400, 480, 1455, 255, "国家标准利率：", kGreen, Bold9},
    {"Text1(4)", TextBox, 4, 1200, 2160, 720, 270, "", kPurple, Default, "已还本金", "单位：元，调息还款逐次累积"},
    {"Label1(12)", Label, 12, 4440, 480, 975, 255, "调息还款:", kDarkRed, Bold9},
    {"Label1(13)", Label, 13, 4560, 720, 1755, 255, "按左边贷款信息还款,", kDefaultColour, Default},
    {"Command3", CommandButton, 3, 4440, 1620, 1455, 255, " 已还本金为:", kDefaultColour, Default, "计算已还本金", "按左边贷款信息还款这些月，累积已还本金和已还月数"},
    {"Text1(5)", TextBox, 5, 1200, 2520, 375, 270, "", kPurple, Default, "已还月数", "单位：月，调息还款逐次累积"},
    {"Label1(14)", Label, 14, 5400, 1020, 465, 255, "月后,", kDefaultColour, Default},
    {"Label1(15)", Label, 15, 240, 2220, 1095, 255, "已还本金：", kPurple, Default},
    {"Label1(16)", Label, 16, 1920, 2220, 285, 255, "元", kPurple, Default},
    {"Label1(17)", Label, 17, 240, 2580, 1095, 255, "已还月数：", kPurple, Default},
    {"Label1(18)", Label, 18, 1560, 2580, 285, 255, "月", kPurple, Default},
    {"Text1(6)", TextBox, 6, 5040, 960, 375, 270, "12", kDefaultColour, Default, "按左边贷款信息还款月数", "单位：月，到下次调息前按当前利率还款的月数"},
    {"Label1(20)", Label, 20, 6720, 2400, 255, 255, "元", kDefaultColour, Default},
    {"Label1(19)", Label, 19, 4440, 2760, 2385, 375, "按还款过程依次填写计算，结果会在左边紫色部分累积！",
     kPurple, Default},
    {"Label1(22)", Label, 22, 4920, 1320, 735, 255, "提前还款", kDarkRed, Default},
    {"Text1(8)", TextBox, 8, 5640, 1260, 350, 270, "0", kDefaultColour, Default, "提前还款", "单位：万元，在这些月之后提前还款"},
    {"Label1(23)", Label, 23, 6000, 1320, 375, 255, "万元", kDefaultColour, Default},
    {"Command2", CommandButton, 2, 3480, 2880, 735, 255, "重 置", kDefaultColour, Default, "重置贷款信息", "贷款信息恢复默认值，已还本金和已还月数归零"},
    {"Label1(21)", Label, 21, 2400, 1680, 1695, 255, "公积金贷款利率：", kGreen, Bold9},
    {"Command4", CommandButton, 4, 6060, 1620, 615, 255, "重 置", kDefaultColour, Default, "重置调息还款", "已还本金、已还月数和调息还款记录归零"},
    {"Option1(0)", OptionButton, 0, 240, 2880, 1095, 180, "等额本息", kDefaultColour, Default, "等额本息", "还款方法：每月还款额相同"},
    {"Option1(1)", OptionButton, 1, 1440, 2880, 1095, 180, "等额本金", kDefaultColour, Default, "等额本金", "还款方法：每月还的本金相同"},
    {"Command1", CommandButton, 1, 2640, 2880, 735, 255, "计 算", kDefaultColour, Default, "计算", "按所选还款方法计算还款计划"},
    {"Text3", LogBox, -1, 4500, 1920, 2175, 735, "", kDefaultColour, Default, "调息还款记录", "每次调息还款的本金，单位：元"},
    {"List1(1)", ListBox, 1, 2520, 1920, 1695, 780, "", kDefaultColour, Default, "公积金贷款利率", "选中一行，按还款期限填入基准利率和利息折扣"},
}};
// clang-format on

// One row a line, as the table reads.
// clang-format off
const std::array<LineDesign, 3> kSeparatorLines{{
    {"Line1(0)", 0, 400, 7000, 400},
    {"Line1(1)", 0, 3240, 7000, 3240},
    {"Line1(2)", 4320, 405, 4320, 3240},
}};
// clang-format on

std::string WindowCaption() {
  std::string caption(kProgramName);
  caption += ' ';
  caption += kVersion;
  return caption;
}

}  // namespace quorvane
