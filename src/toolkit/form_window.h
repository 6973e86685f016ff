// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "form/form1.h"
#include "form/form_design.h"
#include "form/window.h"

class QMenu;
class QPushButton;
class QRadioButton;

namespace quorvane {

class NumericField;
class RateList;
class ReportBox;

// The calculator's window in Qt Widgets: builds the controls from the form's
// design, carries out the form's operations on them and hands their events to
// the form's handlers.
class FormWindow : public QWidget, public Window {
  Q_OBJECT

 public:
  explicit FormWindow(QWidget* parent = nullptr);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  [[nodiscard]] std::string Text(TextBox box) const override;
  void SetText(TextBox box, std::string_view text) override;
  void SetEnabled(TextBox box, bool enabled) override;
  void SetEnabled(Button button, bool enabled) override;
  [[nodiscard]] bool OptionValue(std::int16_t index) const override;
  void AddItem(ListIndex list, std::string_view item) override;
  [[nodiscard]] std::int16_t SelectedRow(ListIndex list) const override;
  void SelectRow(ListIndex list, std::int16_t row) override;

  [[nodiscard]] const Form1& Form() const { return form_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A right click outside the fields offers what works anywhere in the window.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CentreOnScreen();
  void CreateControls();
  QWidget* CreateControl(const ControlDesign& design);
  void SelectFirstMethod();
  void ConnectEvents();
  void KeepTabOnTheSelectedMethod();
  [[nodiscard]] QWidget* Box(TextBox box) const;
  [[nodiscard]] QPushButton* CommandButton(Button button) const;

  std::array<NumericField*, 9> text1_{};  // Text1(7) does not exist
  ReportBox* text2_ = nullptr;
  ReportBox* text3_ = nullptr;
  std::array<QRadioButton*, 2> option1_{};
  std::array<RateList*, 2> list1_{};
  std::array<QPushButton*, 4> command_{};  // Command1 to Command4
  QMenu* windowMenu_ = nullptr;            // made the first time it is asked for
  bool centredWithFrame_ = false;
  Form1 form_;
};

// Twips of the design to the window's logical pixels.
int Pixels(int twips);

}  // namespace quorvane
