// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "sheet/prepayment_trial.h"

class QComboBox;
class QCPGraph;
class QCPItemStraightLine;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QTableWidget;

namespace quorvane {

class LoanDocument;
class NumericField;

// 提前还款试算: a prepayment tried on the loan the history holds, as it
// stands with every rate change and the borrower's rows. Side by side, the
// loan without it, 缩短期限 and 减少月供 (and the answer of a goal, 反推),
// each with what it leaves from the day on; the balance of each on one time
// axis. 采用 on a column adds that prepayment to the history as a row of the
// borrower's. Esc closes it; it changes nothing until 采用.
class PrepaymentWindow : public QWidget {
  Q_OBJECT

 public:
  PrepaymentWindow(LoanDocument* document, QWidget* parent);
  PrepaymentWindow(const PrepaymentWindow&) = delete;
  PrepaymentWindow& operator=(const PrepaymentWindow&) = delete;
  ~PrepaymentWindow() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The columns of the table and the chart, in this order.
  enum Column { kAsItStands, kShorter, kLower, kGoal, kColumns };
  // The goal last asked for.
  enum class Goal { None, RepaidBy, PaymentAtMost };

  QWidget* CreateInputs();
  QWidget* CreateGoals();
  QWidget* CreateChart();
  NumericField* Field(const char* id, const QString& caption, const QString& text, bool optional);
  void Recompute();
  // The prepayment as typed; nothing where no amount is typed, or where
  // something is wrong with it, which `problem` then says.
  [[nodiscard]] std::optional<TrialPrepayment> Typed(const PrepaymentTrial& trial,
                                                     QString& problem) const;
  void ShowColumn(Column column, const std::optional<TrialColumn>& figures);
  // The goal's column, and what the status line says of it.
  QString ShowGoal(const PrepaymentTrial& trial);
  void ShowEarnings(const std::optional<TrialPrepayment>& prepayment);
  void DrawChart();
  void MarkDayAt(const QMouseEvent* event);
  void Ask(Goal goal);
  void Take(Column column);
  void Say(const QString& words);
  void CopyPicture();
  // 导出…: the columns shown, to a workbook or a .csv.
  void Export();

  QPointer<LoanDocument> document_;  // the history's, which may go first
  std::optional<PrepaymentTrial> trial_;
  std::array<std::optional<TrialColumn>, kColumns> columns_{};
  std::optional<TrialPrepayment> typed_;
  Goal goal_ = Goal::None;
  std::optional<Fen> goalAmount_;

  QComboBox* part_ = nullptr;
  QLabel* partLabel_ = nullptr;
  QLineEdit* day_ = nullptr;
  NumericField* amount_ = nullptr;
  QComboBox* repeat_ = nullptr;
  QLineEdit* until_ = nullptr;
  NumericField* byYear_ = nullptr;
  NumericField* byMonth_ = nullptr;
  NumericField* payment_ = nullptr;
  NumericField* yield_ = nullptr;
  QTableWidget* table_ = nullptr;
  std::array<QPushButton*, kColumns> take_{};
  QLabel* earnings_ = nullptr;
  QLabel* notes_ = nullptr;
  QLabel* status_ = nullptr;
  QCustomPlot* plot_ = nullptr;
  std::array<QCPGraph*, kColumns> balances_{};
  QCPItemStraightLine* dayLine_ = nullptr;
  QCPItemStraightLine* marker_ = nullptr;
};

}  // namespace quorvane
