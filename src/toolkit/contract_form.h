// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <vector>

#include "files/loan_file.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quorvane {

class NumericField;

// 贷款合同: the contract's fields as the borrower types them, each with its
// caption as its label's buddy, and how the bank counts interest by days.
// It fills in what follows from what was typed (the payment day from the
// grant day, the first rate from the tables) and says what was edited.
class ContractForm final : public QGroupBox {
  Q_OBJECT

 public:
  // The fields show the contract's defaults.
  explicit ContractForm(QWidget* parent);
  ContractForm(const ContractForm&) = delete;
  ContractForm& operator=(const ContractForm&) = delete;
  ~ContractForm() override;

  [[nodiscard]] ContractTexts Texts() const;
  // The part the months table shows: a combination's part or both, else the one.
  [[nodiscard]] SheetView View() const;
  [[nodiscard]] DayInterest Options() const;

  // The fields as the loan has them; what they already show is left alone,
  // so a field being typed in keeps its cursor.
  void Show(const LoanFile& loan);

 signals:
  // The borrower changed the contract's fields (what: the document's kinds);
  // `typing` names the field typed in, -1 for a choice.
  void edited(int what, int typing);
  // The typing in a field is over: the focus left it.
  void typingEnded();
  // LPR 公布值… was pressed.
  void fixingsAsked();

 private:
  NumericField* Field(const char* id, ContractField caption, const std::string& text);
  void Edited(int what, QWidget* field);
  QComboBox* Choice(const char* id, const QString& name, const QStringList& choices);
  QLabel* Place(int row, int column, std::string_view caption, QWidget* field);
  void Connect();
  void TableRateIntoField();
  void FundRateIntoField();
  void GrantDayChanged();
  void EnableFundFields();
  QLineEdit* TypedField(const char* id, ContractField caption, const std::string& text,
                        const QString& pattern);
  // The LPR's fields where the loan has them: from the start, or since 2020.
  void ShowLprFields();

  QComboBox* kind_ = nullptr;
  QLineEdit* granted_ = nullptr;
  NumericField* paymentDay_ = nullptr;
  NumericField* amount_ = nullptr;
  NumericField* months_ = nullptr;
  QComboBox* method_ = nullptr;
  NumericField* discount_ = nullptr;
  NumericField* firstRate_ = nullptr;
  QComboBox* repricing_ = nullptr;
  QCheckBox* combined_ = nullptr;
  NumericField* fundAmount_ = nullptr;
  NumericField* fundMonths_ = nullptr;
  NumericField* fundDiscount_ = nullptr;
  NumericField* fundFirstRate_ = nullptr;
  QLabel* amountLabel_ = nullptr;  // 商业部分金额 in a combination
  QComboBox* view_ = nullptr;
  QCheckBox* acrossChange_ = nullptr;
  QCheckBox* firstMonthByDays_ = nullptr;
  QComboBox* daysInYear_ = nullptr;
  QLabel* repricingLabel_ = nullptr;  // 重定价日 for a loan priced on the LPR from the start
  QComboBox* tenor_ = nullptr;
  QLineEdit* spread_ = nullptr;
  QLineEdit* conversionDay_ = nullptr;
  QComboBox* conversion_ = nullptr;
  QCheckBox* firstHome_ = nullptr;
  QComboBox* reading_ = nullptr;
  std::vector<QWidget*> fromStart_;  // the fields and labels of a loan on the LPR from the start
  std::vector<QWidget*> converted_;  // of a loan converted in 2020
  std::vector<QWidget*> lpr_;        // of both
  std::vector<QWidget*> benchmark_;  // of a loan on the benchmark: its multiple
};

}  // namespace quorvane
