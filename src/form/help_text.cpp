// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/help_text.h"

#include <string_view>

#include "arith/report_format.h"

namespace quorvane {

namespace {

constexpr std::string_view kTitle = "使用说明：";

constexpr std::string_view kAbout =
    "编写这个小程序纯属业余爱好，也是为了实际使用：网上流传的房贷计算方法大多不准确，"
    "既不能自己设定基准利率，也不能设定实际享受的利率折扣，而实际折扣往往并不是最低的那一档；"
    "网上找到的计算器也都算不出调息以后还欠多少，也就是已经还了多少本金，而新的利率是按剩余本金计算"
    "的。"
    "国家几乎每年都要调整利率，所以要先算出新利率执行之前已还的本金，再按剩余本金算出新的月还款，"
    "这样算出的金额与银行的一致，精确到分。";

constexpr std::string_view kUsage =
    "对于等额本金这不是问题，因为每月您还的本金都一样多，调息后直接按新的利率计算但对于等额本息，"
    "利息不同每月还的本金也是不一样的，所以每次调息都需重新计算一下已还本金，"
    "依次计算后已还本金会自动累加到紫色“已还本金”框里。例如，贷款第一年您还了5个月贷就到年底了，"
    "您输入这一年的利率，输入还款5月后，按按纽计算；新的一年有新的利率，您再输入新的利率，"
    "输入12月后，再计算一次，直到当前日期！";

constexpr std::string_view kContactLine = "有任何问题请与我联系:";
constexpr std::string_view kContactAddress = "quorvane@example.org";

}  // namespace

std::string HelpText() {
  std::string text(kTitle);
  for (const std::string_view paragraph : {kAbout, kUsage}) {
    text += kLineBreak;
    text += kLineBreak;
    text += paragraph;
  }
  text += kLineBreak;
  text += kLineBreak;
  text += kContactLine;
  text += kLineBreak;
  text += kContactAddress;
  return text;
}

}  // namespace quorvane
