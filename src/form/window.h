#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The operations the form needs of the window, and nothing more. Texts are
// UTF-8; a line break in a multi-line box is carriage return, line feed.
namespace quorvane {

// The numeric fields Text1(0) to Text1(6) and Text1(8) keep their index as
// their number (there is no Text1(7)); the two multi-line boxes follow.
enum class TextBox : std::int16_t {
  Text1_0 = 0,
  Text1_1 = 1,
  Text1_2 = 2,
  Text1_3 = 3,
  Text1_4 = 4,
  Text1_5 = 5,
  Text1_6 = 6,
  Text1_8 = 8,
  Text2 = 100,
  Text3 = 101,
};

constexpr TextBox Text1(std::int16_t index) { return static_cast<TextBox>(index); }

constexpr bool IsText1Index(std::int16_t index) { return index >= 0 && index <= 8 && index != 7; }

// The indices of the numeric fields, in order.
inline constexpr std::array<std::int16_t, 8> kText1Indices{0, 1, 2, 3, 4, 5, 6, 8};

enum class Button : std::int16_t { Command1 = 1, Command2, Command3, Command4 };

// The two rate lists: 0 commercial loans, 1 housing provident fund.
using ListIndex = std::int16_t;

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
