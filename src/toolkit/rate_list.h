// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

namespace quorvane {

// A rate list box that reports every choice of a row: a row selected by mouse,
// keyboard or program, and also a click on the row already selected, so that
// after a reset a click on the highlighted row fills the rates again.
class RateList : public QListWidget {
  Q_OBJECT

 public:
  explicit RateList(QWidget* parent = nullptr);

  // The selected row, -1 when none.
  [[nodiscard]] int SelectedRow() const;

 signals:
  void rowChosen();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quorvane
