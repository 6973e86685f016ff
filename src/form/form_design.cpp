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
    {"Label1(9)", Label, 120, 3360, 1095, 255, "还款方法：", kDarkRed, Bold9},
    {"Label1(3)", Label, 1680, 1860, 375, 255, "月", kDefaultColour, Default},
    {"Label1(7)", Label, 1680, 1500, 375, 255, "折", kDefaultColour, Default},
    {"Label1(5)", Label, 1940, 1140, 375, 255, "%", kDefaultColour, Default},
    {"Label1(4)", Label, 1920, 780, 375, 255, "万元", kDefaultColour, Default},
    {"Label1(2)", Label, 240, 1860, 1095, 255, "还款期限：", kDefaultColour, Default},
    {"Label1(6)", Label, 240, 1500, 1095, 255, "利息折扣：", kDefaultColour, Default},
    {"Text2", MultiLineBox, 240, 3600, 6495, 2175, "", kDefaultColour, Default},
    {"Label1(1)", Label, 240, 1140, 1095, 255, "基准利率：", kDefaultColour, Default},
    {"Label1(0)", Label, 240, 780, 1095, 255, "贷款金额：", kDefaultColour, Default},
    {"Label1(8)", Label, 120, 480, 1095, 255, "贷款信息：", kDarkRed, Bold9},
    {"Label1(10)", Label, 1800, 90, 3135, 375, "个人购房贷款还款方法计算", kPurple, Bold12},
    {"Text1(0)", TextBox, 1200, 720, 735, 270, "", kDefaultColour, Default},
    {"Text1(1)", TextBox, 1200, 1080, 735, 270, "", kDefaultColour, Default},
    {"Text1(2)", TextBox, 1200, 1440, 495, 270, "", kDefaultColour, Default},
    {"Text1(3)", TextBox, 1200, 1800, 495, 270, "", kDefaultColour, Default},
    {"List1(0)", ListBox, 2520, 720, 1695, 780, "", kDefaultColour, Default},
    {"Label1(11)", Label, 2400, 480, 1455, 255, "国家标准利率：", kGreen, Bold9},
    {"Text1(4)", TextBox, 1200, 2160, 720, 270, "", kPurple, Default},
    {"Label1(12)", Label, 4440, 480, 975, 255, "调息还款:", kDarkRed, Bold9},
    {"Label1(13)", Label, 4560, 720, 1755, 255, "按左边贷款信息还款,", kDefaultColour, Default},
    {"Command3", CommandButton, 4440, 1620, 1455, 255, " 已还本金为:", kDefaultColour, Default},
    {"Text1(5)", TextBox, 1200, 2520, 375, 270, "", kPurple, Default},
    {"Label1(14)", Label, 5400, 1020, 465, 255, "月后,", kDefaultColour, Default},
    {"Label1(15)", Label, 240, 2220, 1095, 255, "已还本金：", kPurple, Default},
    {"Label1(16)", Label, 1920, 2220, 285, 255, "元", kPurple, Default},
    {"Label1(17)", Label, 240, 2580, 1095, 255, "已还月数：", kPurple, Default},
    {"Label1(18)", Label, 1560, 2580, 285, 255, "月", kPurple, Default},
    {"Text1(6)", TextBox, 5040, 960, 375, 270, "12", kDefaultColour, Default},
    {"Label1(20)", Label, 6720, 2400, 255, 255, "元", kDefaultColour, Default},
    {"Label1(19)", Label, 4440, 2760, 2385, 375, "按还款过程依次填写计算，结果会在左边紫色部分累积！",
     kPurple, Default},
    {"Label1(22)", Label, 4920, 1320, 735, 255, "提前还款", kDarkRed, Default},
    {"Text1(8)", TextBox, 5640, 1260, 350, 270, "0", kDefaultColour, Default},
    {"Label1(23)", Label, 6000, 1320, 375, 255, "万元", kDefaultColour, Default},
    {"Command2", CommandButton, 3480, 2880, 735, 255, "重 置", kDefaultColour, Default},
    {"Label1(21)", Label, 2400, 1680, 1695, 255, "公积金贷款利率：", kGreen, Bold9},
    {"Command4", CommandButton, 6060, 1620, 615, 255, "重 置", kDefaultColour, Default},
    {"Option1(0)", OptionButton, 240, 2880, 1095, 180, "等额本息", kDefaultColour, Default},
    {"Option1(1)", OptionButton, 1440, 2880, 1095, 180, "等额本金", kDefaultColour, Default},
    {"Command1", CommandButton, 2640, 2880, 735, 255, "计 算", kDefaultColour, Default},
    {"Text3", MultiLineBox, 4500, 1920, 2175, 735, "", kDefaultColour, Default},
    {"List1(1)", ListBox, 2520, 1920, 1695, 780, "", kDefaultColour, Default},
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

// One row a line, as the table reads.
// clang-format off
const std::array<AccessibleNameSource, 12> kAccessibleNameSources{{
    {"Text1(0)", "Label1(0)", "Label1(4)"},
    {"Text1(1)", "Label1(1)", "Label1(5)"},
    {"Text1(2)", "Label1(6)", "Label1(7)"},
    {"Text1(3)", "Label1(2)", "Label1(3)"},
    {"Text1(4)", "Label1(15)", "Label1(16)"},
    {"Text1(5)", "Label1(17)", "Label1(18)"},
    {"Text1(6)", "Label1(13)", "Label1(14)"},
    {"Text1(8)", "Label1(22)", "Label1(23)"},
    {"List1(0)", "Label1(11)", ""},
    {"List1(1)", "Label1(21)", ""},
    {"Text2", "Label1(9)", ""},
    {"Text3", "Command3", "Label1(20)"},
}};
// clang-format on

std::string WindowCaption() {
  std::string caption(kProgramName);
  caption += ' ';
  caption += kVersion;
  return caption;
}

const ControlDesign* FindDesign(std::string_view name) {
  for (const ControlDesign& design : kFormDesign) {
    if (design.name == name) {
      return &design;
    }
  }
  return nullptr;
}

namespace {

// A caption as it is spoken: without blanks around it and without the colon
// or comma that joins it to its field.
std::string_view SpokenCaption(std::string_view caption) {
  constexpr std::array<std::string_view, 4> kClosings{"：", ":", ",", " "};
  bool trimmed = true;
  while (trimmed) {
    trimmed = false;
    for (const std::string_view closing : kClosings) {
      if (caption.ends_with(closing)) {
        caption.remove_suffix(closing.size());
        trimmed = true;
      }
    }
  }
  while (caption.starts_with(' ')) {
    caption.remove_prefix(1);
  }
  return caption;
}

std::string_view CaptionOf(std::string_view controlName) {
  const ControlDesign* design = FindDesign(controlName);
  return design != nullptr ? design->caption : std::string_view{};
}

}  // namespace

std::string AccessibleName(const AccessibleNameSource& source) {
  std::string name(SpokenCaption(CaptionOf(source.captionLabel)));
  const std::string_view unit = SpokenCaption(CaptionOf(source.unitLabel));
  if (!unit.empty()) {
    name += "（";
    name += unit;
    name += "）";
  }
  return name;
}

}  // namespace quorvane
