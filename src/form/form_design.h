// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The window as designed: every control's place and size in twips (1/1440
// inch, 15 to a pixel at 96 dpi), its caption, text colour and font, listed in
// tab order.
namespace quorvane {

// The program's name and version: "Quorvane 1.0".
std::string WindowCaption();
inline constexpr int kClientWidth = 6915;
inline constexpr int kClientHeight = 5925;
inline constexpr int kTwipsPerPixel = 15;

// What a control is and does. The two multi-line boxes differ in what they
// hold: the reports (Text2) or the log of stretches (Text3).
enum class ControlKind { Label, TextBox, ReportBox, LogBox, ListBox, OptionButton, CommandButton };

struct TextColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool isSet = false;
};

inline constexpr TextColour kDefaultColour{};
inline constexpr TextColour kDarkRed{128, 0, 0, true};
inline constexpr TextColour kPurple{192, 0, 192, true};
inline constexpr TextColour kGreen{0, 128, 0, true};

// Captions that carry a font of their own: 宋体, bold.
enum class CaptionFont { Default, Bold9, Bold12 };

struct ControlDesign {
  std::string_view name;
  ControlKind kind;
  // Its index in its control array (Text1(3): 3, Command2: 2); -1 for the
  // two multi-line boxes, which stand alone.
  std::int16_t index;
  int left;
  int top;
  int width;
  int height;
  std::string_view caption;  // the text at design, for boxes
  TextColour colour;
  CaptionFont font;
  // What a screen reader says of a control that takes the focus: a name of
  // its own (the two "重 置" buttons say what they reset), and the unit or
  // the rule where one helps. Labels have none.
  std::string_view accessibleName = {};
  std::string_view accessibleDescription = {};
};

inline constexpr std::size_t kControlCount = 42;

// In tab order: the tab index of a control is its place in this table.
extern const std::array<ControlDesign, kControlCount> kFormDesign;

struct LineDesign {
  std::string_view name;
  int x1;
  int y1;
  int x2;
  int y2;
};

extern const std::array<LineDesign, 3> kSeparatorLines;

}  // namespace quorvane
