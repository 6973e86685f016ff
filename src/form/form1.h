#pragma once

#include <cstdint>

#include "form/window.h"

// The calculator's one window: its handlers and the order of their steps. All
// state is the text of the window's fields; every run starts again from them.
namespace quorvane {

class Form1 {
 public:
  explicit Form1(Window& window);

  // Calculate: the report of the method Option1(0) selects, into Text2.
  void Command1_Click();

 private:
  void CalcEqualPayment();
  void CalcEqualPrincipal();

  Window& window_;
};

}  // namespace quorvane
