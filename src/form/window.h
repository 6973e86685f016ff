// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The operations the form needs of the window, and nothing more. Texts are
// UTF-8; a line break in a multi-line box is carriage return, line feed.
//
// The controls keep the names of the form's design on purpose: Text1(4),
// Command3, List1(1) and Option1(0) are what the handlers (Command3_Click,
// Text1_LostFocus(Index)) and the design table are written in, and the index
// of a control array is part of its name (there is no Text1(7)). Code that
// people read uses the names below for the indices; this is the one table of
// them, and the README points here.
//
//   control      name here            what it is
//   Text1(0)     kAmount              loan amount, 万元
//   Text1(1)     kRate                benchmark annual rate, %
//   Text1(2)     kDiscount            the bank's discount, 折 (8.5 = 85 %)
//   Text1(3)     kTerm                term, months
//   Text1(4)     kPrincipalRepaid     principal repaid so far, yuan (purple)
//   Text1(5)     kMonthsRepaid        months repaid so far (purple)
//   Text1(6)     kMonthsThisStretch   months repaid at the current terms
//   Text1(8)     kPrepayment          prepayment after those months, 万元
//   Text2        TextBox::Text2       the report box
//   Text3        TextBox::Text3       the log of stretches
//   Command1     kCalculate           "计 算"
//   Command2     kFullReset           "重 置" of the loan
//   Command3     kAccrue              " 已还本金为:", accrue a stretch
//   Command4     kSectionReset        "重 置" of the rate-change section
//   Option1(0)   kEqualPaymentMethod  "等额本息"
//   Option1(1)   kEqualPrincipalMethod "等额本金"
//   List1(0)     kCommercialList      国家标准利率
//   List1(1)     kFundList            公积金贷款利率
namespace quorvane {

// The text boxes: the numeric fields Text1(index), named by the indices
// below (kAmount …), and the two multi-line boxes.
enum class TextBox : std::int16_t {
  Text2 = 100,
  Text3 = 101,
};

constexpr TextBox Text1(std::int16_t index) { return static_cast<TextBox>(index); }

constexpr bool IsText1Index(std::int16_t index) { return index >= 0 && index <= 8 && index != 7; }

inline constexpr std::int16_t kAmount = 0;
inline constexpr std::int16_t kRate = 1;
inline constexpr std::int16_t kDiscount = 2;
inline constexpr std::int16_t kTerm = 3;
inline constexpr std::int16_t kPrincipalRepaid = 4;
inline constexpr std::int16_t kMonthsRepaid = 5;
inline constexpr std::int16_t kMonthsThisStretch = 6;
inline constexpr std::int16_t kPrepayment = 8;

// The indices of the numeric fields, in order.
inline constexpr std::array<std::int16_t, 8> kText1Indices{
    kAmount,          kRate,         kDiscount,          kTerm,
    kPrincipalRepaid, kMonthsRepaid, kMonthsThisStretch, kPrepayment};

enum class Button : std::int16_t { Command1 = 1, Command2, Command3, Command4 };
inline constexpr Button kCalculate = Button::Command1;
inline constexpr Button kFullReset = Button::Command2;
inline constexpr Button kAccrue = Button::Command3;
inline constexpr Button kSectionReset = Button::Command4;

// The method buttons, Option1(index).
inline constexpr std::int16_t kEqualPaymentMethod = 0;
inline constexpr std::int16_t kEqualPrincipalMethod = 1;

// The two rate lists, List1(index).
using ListIndex = std::int16_t;
inline constexpr ListIndex kCommercialList = 0;
inline constexpr ListIndex kFundList = 1;

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  [[nodiscard]] virtual std::string Text(TextBox box) const = 0;
  virtual void SetText(TextBox box, std::string_view text) = 0;
  virtual void SetEnabled(TextBox box, bool enabled) = 0;
  virtual void SetEnabled(Button button, bool enabled) = 0;

  // Whether Option1(index) is the selected method.
  [[nodiscard]] virtual bool OptionValue(std::int16_t index) const = 0;

  virtual void AddItem(ListIndex list, std::string_view item) = 0;
  // The selected row, -1 when none.
  [[nodiscard]] virtual std::int16_t SelectedRow(ListIndex list) const = 0;
  // Selecting a row raises the list's click at once, as a user's click does.
  virtual void SelectRow(ListIndex list, std::int16_t row) = 0;
};

}  // namespace quorvane
