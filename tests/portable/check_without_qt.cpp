// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, Calculate under both methods and two stretches of the
// rate-change section, through Form1 and a window held in plain C++. The two
// 360-month reports must equal the golden files character for character.
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "form/form1.h"

namespace {

using namespace quorvane;

// The window's state as the form sees it: texts, the selected method, the
// lists and the enabled buttons. Selecting a row raises the click at once.
class PlainWindow : public Window {
 public:
  // The design texts of the rate-change section's fields.
  PlainWindow() : texts_{{Text1(6), "12"}, {Text1(8), "0"}} {}

  [[nodiscard]] std::string Text(TextBox box) const override {
    const auto text = texts_.find(box);
    return text == texts_.end() ? std::string() : text->second;
  }
  void SetText(TextBox box, std::string_view text) override { texts_[box] = text; }
  void SetEnabled(TextBox /*box*/, bool /*enabled*/) override {}
  void SetEnabled(Button button, bool enabled) override { enabled_[button] = enabled; }
  [[nodiscard]] bool OptionValue(std::int16_t index) const override {
    return index == selectedOption;
  }
  void AddItem(ListIndex list, std::string_view item) override { items_[list].emplace_back(item); }
  [[nodiscard]] std::int16_t SelectedRow(ListIndex list) const override {
    const auto row = selectedRows_.find(list);
    return row == selectedRows_.end() ? std::int16_t{-1} : row->second;
  }
  void SelectRow(ListIndex list, std::int16_t row) override {
    selectedRows_[list] = row;
    form->List1_Click(list);
  }

  Form1* form = nullptr;
  std::int16_t selectedOption = 0;

 private:
  std::map<TextBox, std::string> texts_;
  std::map<Button, bool> enabled_;
  std::map<ListIndex, std::vector<std::string>> items_;
  std::map<ListIndex, std::int16_t> selectedRows_;
};

int passed = 0;
int failed = 0;

void Check(const std::string& what, const std::string& actual, const std::string& expected) {
  if (actual == expected) {
    ++passed;
    return;
  }
  ++failed;
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
    ++at;
  }
  const std::size_t lineStart =
      expected.rfind('\n', at) == std::string::npos ? 0 : expected.rfind('\n', at) + 1;
  std::cout << "FAIL " << what << ": differs from byte " << at
            << "\n   actual: " << actual.substr(lineStart, 80)
            << "\n expected: " << expected.substr(lineStart, 80) << "\n";
}

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cout << "usage: check_without_qt GOLDEN_REPORT_FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  PlainWindow window;
  Form1 form(window);
  window.form = &form;

  form.Form_Load();
  Check("rate after start-up", window.Text(Text1(1)), "5.94");
  Check("discount after start-up", window.Text(Text1(2)), "7");

  form.Command2_Click();  // 25.7 万元, 7.2 %, 8.5 折, 360 months
  form.Command1_Click();
  Check("equal-payment report", window.Text(TextBox::Text2),
        FileText(folder + "/equal_payment_default.txt"));
  window.selectedOption = 1;
  form.Command1_Click();
  Check("equal-principal report", window.Text(TextBox::Text2),
        FileText(folder + "/equal_principal_default.txt"));

  window.selectedOption = 0;
  window.SetText(Text1(6), "5");
  form.Command3_Click();
  window.SetText(Text1(1), "7.83");
  window.SetText(Text1(6), "12");
  form.Command3_Click();
  Check("principal repaid after two stretches", window.Text(Text1(4)), "4128.63");
  Check("months repaid after two stretches", window.Text(Text1(5)), "17");
  Check("log of two stretches", window.Text(TextBox::Text3), " = 1262.97\r\n + 2865.66\r\n");

  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 ? 0 : 1;
}
