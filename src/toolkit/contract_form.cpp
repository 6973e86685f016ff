// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/contract_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "form/field_checks.h"
#include "text/day_text.h"
#include "text/decimal_text.h"
#include "toolkit/loan_document.h"
#include "toolkit/numeric_field.h"
#include "toolkit/utf8.h"

namespace quorvane {

namespace {

QString Text(std::string_view text) { return FromUtf8(text); }

QString Name(ContractField field) { return Text(FieldName(field)); }

// A text put into a field only where it shows another, so that the cursor of
// a field being typed in stays where it is.
void SetText(QLineEdit* field, const std::string& text) {
  const QString shown = FromUtf8(text);
  if (field->text() != shown) {
    field->setText(shown);
  }
}

}  // namespace

ContractForm::ContractForm(QWidget* parent) : QGroupBox(Text("贷款合同"), parent) {
  setObjectName(QStringLiteral("contract"));
  const ContractTexts defaults;
  kind_ = Choice("kind", Name(ContractField::Kind),
                 {Text(KindName(LoanKind::Commercial)), Text(KindName(LoanKind::Fund))});
  granted_ = new QLineEdit(FromUtf8(defaults.granted), this);
  granted_->setObjectName(QStringLiteral("granted"));
  granted_->setAccessibleName(Name(ContractField::Granted));
  granted_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 16);
  granted_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]{0,10}")), this));
  paymentDay_ = Field("paymentDay", ContractField::PaymentDay, defaults.paymentDay);
  repricing_ = Choice(
      "repricing", Name(ContractField::Repricing),
      {Text(RepricingName(Repricing::NextJanuary)), Text(RepricingName(Repricing::Anniversary)),
       Text(RepricingName(Repricing::ChangeDay))});
  amount_ = Field("amount", ContractField::Amount, defaults.amount);
  months_ = Field("months", ContractField::Months, defaults.months);
  method_ = Choice("method", Name(ContractField::Method),
                   {Text(RepaymentName(Repayment::EqualPayment)),
                    Text(RepaymentName(Repayment::EqualPrincipal))});
  discount_ = Field("discount", ContractField::Discount, defaults.discount);
  firstRate_ = Field("firstRate", ContractField::FirstRate, defaults.firstRate);
  combined_ = new QCheckBox(Name(ContractField::Combined), this);
  combined_->setObjectName(QStringLiteral("combined"));
  combined_->setAccessibleName(Name(ContractField::Combined));
  fundAmount_ = Field("fundAmount", ContractField::FundAmount, defaults.fundAmount);
  fundMonths_ = Field("fundMonths", ContractField::FundMonths, defaults.fundMonths);
  fundDiscount_ = Field("fundDiscount", ContractField::FundDiscount, defaults.fundDiscount);
  fundFirstRate_ = Field("fundFirstRate", ContractField::FundFirstRate, defaults.fundFirstRate);
  view_ = Choice("view", Name(ContractField::View),
                 {Text(ViewName(SheetView::Main)), Text(ViewName(SheetView::Fund)),
                  Text(ViewName(SheetView::Both))});

  // How the bank counts a month's interest in days, where it does.
  acrossChange_ = new QCheckBox(Text("分段计息"), this);
  acrossChange_->setObjectName(QStringLiteral("acrossChange"));
  acrossChange_->setAccessibleName(Text("分段计息：调息当月按天分段计算利息"));
  acrossChange_->setToolTip(acrossChange_->accessibleName());
  firstMonthByDays_ = new QCheckBox(Text("首月按天计息"), this);
  firstMonthByDays_->setObjectName(QStringLiteral("firstMonthByDays"));
  firstMonthByDays_->setAccessibleName(
      Text("首月按天计息：放款日至首次还款日不足或超过一个月时按天计息"));
  firstMonthByDays_->setToolTip(firstMonthByDays_->accessibleName());
  QStringList dayRates;
  for (const int days : kDaysInYears) {
    dayRates << Text("年利率 ÷ %1").arg(days);
  }
  daysInYear_ = Choice("daysInYear", Text("日利率"), dayRates);

  // The LPR's: a signed spread in 基点, one place at most; a day.
  tenor_ = Choice("tenor", Name(ContractField::Tenor),
                  {Text(TenorName(LprTenor::FiveYear)), Text(TenorName(LprTenor::OneYear))});
  spread_ = TypedField("spread", ContractField::Spread, defaults.spread,
                       QStringLiteral("-?[0-9]{0,3}(\\.[0-9]?)?"));
  conversionDay_ = TypedField("conversionDay", ContractField::ConversionDay, defaults.conversionDay,
                              QStringLiteral("[0-9-]{0,10}"));
  conversionDay_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) +
                                  16);
  conversion_ = Choice(
      "conversion", Name(ContractField::Conversion),
      {Text(ConversionName(Conversion::LprSpread)), Text(ConversionName(Conversion::Fixed))});
  firstHome_ = new QCheckBox(Name(ContractField::FirstHome), this);
  firstHome_->setObjectName(QStringLiteral("firstHome"));
  firstHome_->setAccessibleName(Name(ContractField::FirstHome));
  firstHome_->setChecked(defaults.firstHome);
  reading_ = Choice(
      "reading", Name(ContractField::Reading),
      {Text(ReadingName(LprReading::LatestPublished)), Text(ReadingName(LprReading::MonthBefore))});

  auto* grid = new QGridLayout(this);
  Place(0, 0, FieldName(ContractField::Kind), kind_);
  Place(0, 1, FieldName(ContractField::Granted), granted_);
  Place(0, 2, FieldName(ContractField::PaymentDay), paymentDay_);
  repricingLabel_ = Place(0, 3, FieldName(ContractField::Repricing), repricing_);
  amountLabel_ = Place(1, 0, FieldName(ContractField::Amount), amount_);
  Place(1, 1, FieldName(ContractField::Months), months_);
  Place(1, 2, FieldName(ContractField::Method), method_);
  benchmark_ = {Place(1, 3, FieldName(ContractField::Discount), discount_), discount_};
  Place(1, 4, FieldName(ContractField::FirstRate), firstRate_);
  grid->addWidget(combined_, 2, 0);
  // The row says which part: its term and multiple need no more words.
  Place(2, 1, FieldName(ContractField::FundAmount), fundAmount_);
  Place(2, 2, "期限（月）", fundMonths_);
  Place(2, 3, "折扣（折）", fundDiscount_);
  Place(2, 4, "首期年利率（%）", fundFirstRate_);
  grid->addWidget(acrossChange_, 3, 0, 1, 2);
  grid->addWidget(firstMonthByDays_, 3, 2, 1, 2);
  Place(3, 2, "日利率", daysInYear_);
  Place(3, 4, FieldName(ContractField::View), view_);
  // A loan on the LPR: from the start its tenor and spread, since 2020 the
  // day and the way it was converted; for both, the cut for first homes and
  // which fixing a repricing takes.
  // The two kinds share their places: a loan has one or the other.
  auto* lprRow = new QHBoxLayout;
  grid->addLayout(lprRow, 4, 0, 1, 10);
  const auto place = [this, lprRow](ContractField caption, QWidget* field) -> QWidget* {
    auto* label = new QLabel(Name(caption), this);
    label->setBuddy(field);
    lprRow->addWidget(label);
    lprRow->addWidget(field);
    return label;
  };
  fromStart_ = {place(ContractField::Tenor, tenor_), tenor_, place(ContractField::Spread, spread_),
                spread_};
  converted_ = {place(ContractField::ConversionDay, conversionDay_), conversionDay_,
                place(ContractField::Conversion, conversion_), conversion_};
  auto* fixings = new QPushButton(Text("LPR 公布值…"), this);
  fixings->setObjectName(QStringLiteral("lprFixingsButton"));
  fixings->setToolTip(QKeySequence(Qt::CTRL | Qt::Key_L).toString(QKeySequence::NativeText));
  fixings->setAutoDefault(false);
  connect(fixings, &QPushButton::clicked, this, &ContractForm::fixingsAsked);
  lpr_ = {place(ContractField::Reading, reading_), reading_, firstHome_, fixings};
  lprRow->addWidget(firstHome_);
  lprRow->addWidget(fixings);
  lprRow->addStretch(1);
  // Fields as wide as their content: the room left over goes to the right.
  grid->setColumnStretch(grid->columnCount(), 1);
  EnableFundFields();
  ShowLprFields();
  Connect();
}

ContractForm::~ContractForm() {
  for (NumericField* field : findChildren<NumericField*>()) {
    field->SetHandlers({}, {});
  }
}

NumericField* ContractForm::Field(const char* id, ContractField caption, const std::string& text) {
  auto* field = new NumericField(FromUtf8(text), this);
  field->setObjectName(QLatin1String(id));
  field->setAccessibleName(Name(caption));
  return field;
}

QLineEdit* ContractForm::TypedField(const char* id, ContractField caption, const std::string& text,
                                    const QString& pattern) {
  auto* field = new QLineEdit(FromUtf8(text), this);
  field->setObjectName(QLatin1String(id));
  field->setAccessibleName(Name(caption));
  field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
  return field;
}

QComboBox* ContractForm::Choice(const char* id, const QString& name, const QStringList& choices) {
  auto* choice = new QComboBox(this);
  choice->addItems(choices);
  choice->setObjectName(QLatin1String(id));
  choice->setAccessibleName(name);
  return choice;
}

QLabel* ContractForm::Place(int row, int column, std::string_view caption, QWidget* field) {
  auto* grid = static_cast<QGridLayout*>(layout());
  auto* label = new QLabel(Text(caption), this);
  label->setBuddy(field);
  grid->addWidget(label, row, column * 2);
  grid->addWidget(field, row, column * 2 + 1);
  return label;
}

// A field's edit, with the field typed in, if it was one.
void ContractForm::Edited(int what, QWidget* field) {
  const auto fields = findChildren<QLineEdit*>();
  emit edited(what, static_cast<int>(fields.indexOf(qobject_cast<QLineEdit*>(field))));
}

// What each field's change does, once every field is there.
void ContractForm::Connect() {
  for (NumericField* field : findChildren<NumericField*>()) {
    field->SetHandlers(RefuseOtherKeys, [this, field] {
      if (NeedsRepair(field->text().toStdString())) {
        field->setText(FromUtf8(kRepairedNumber));
        Edited(LoanDocument::kContract, field);
      }
      emit typingEnded();
    });
    const bool priced = field == months_ || field == discount_;
    const bool fundPriced = field == fundMonths_ || field == fundDiscount_;
    connect(field, &QLineEdit::textEdited, this, [this, field, priced, fundPriced] {
      if (field == months_ && LprFieldsOf(Texts()) == LprFields::FromStart) {
        // The tenor follows the term unless chosen since.
        if (const auto months = ReadDecimal(months_->text().toStdString(), 0)) {
          const QSignalBlocker quiet(tenor_);
          tenor_->setCurrentIndex(
              TenorForMonths(static_cast<int>(*months)) == LprTenor::OneYear ? 1 : 0);
        }
      }
      if (field == months_ || field == paymentDay_) {
        ShowLprFields();
      }
      if (priced) {
        TableRateIntoField();
      }
      if (fundPriced) {
        FundRateIntoField();
      }
      Edited(LoanDocument::kContract, field);
    });
  }
  connect(granted_, &QLineEdit::textEdited, this, &ContractForm::GrantDayChanged);
  connect(granted_, &QLineEdit::editingFinished, this, &ContractForm::typingEnded);
  const auto contract = [this] { Edited(LoanDocument::kContract, nullptr); };
  connect(kind_, &QComboBox::currentIndexChanged, this, [this, contract] {
    ShowLprFields();
    TableRateIntoField();
    contract();
  });
  for (QComboBox* choice : {repricing_, method_, conversion_, reading_}) {
    connect(choice, &QComboBox::currentIndexChanged, this, contract);
  }
  connect(tenor_, &QComboBox::currentIndexChanged, this, [this, contract] {
    TableRateIntoField();
    contract();
  });
  connect(firstHome_, &QCheckBox::toggled, this, contract);
  connect(spread_, &QLineEdit::textEdited, this, [this] {
    TableRateIntoField();
    Edited(LoanDocument::kContract, spread_);
  });
  connect(conversionDay_, &QLineEdit::textEdited, this,
          [this] { Edited(LoanDocument::kContract, conversionDay_); });
  for (QLineEdit* field : {spread_, conversionDay_}) {
    connect(field, &QLineEdit::editingFinished, this, &ContractForm::typingEnded);
  }
  connect(combined_, &QCheckBox::toggled, this, [this, contract](bool combined) {
    if (combined) {
      fundMonths_->setText(months_->text());  // the fund's term is the loan's, unless typed
      FundRateIntoField();
    }
    EnableFundFields();
    ShowLprFields();
    TableRateIntoField();
    contract();
  });
  connect(view_, &QComboBox::currentIndexChanged, this,
          [this] { Edited(LoanDocument::kView, nullptr); });
  const auto options = [this] { Edited(LoanDocument::kChoices, nullptr); };
  connect(acrossChange_, &QCheckBox::toggled, this, options);
  connect(firstMonthByDays_, &QCheckBox::toggled, this, options);
  connect(daysInYear_, &QComboBox::currentIndexChanged, this, options);
}

ContractTexts ContractForm::Texts() const {
  ContractTexts texts;
  texts.kind = kind_->currentIndex() == 1 ? LoanKind::Fund : LoanKind::Commercial;
  texts.granted = granted_->text().toStdString();
  texts.paymentDay = paymentDay_->text().toStdString();
  texts.amount = amount_->text().toStdString();
  texts.months = months_->text().toStdString();
  texts.method = method_->currentIndex() == 1 ? Repayment::EqualPrincipal : Repayment::EqualPayment;
  texts.discount = discount_->text().toStdString();
  texts.firstRate = firstRate_->text().toStdString();
  texts.repricing = static_cast<Repricing>(std::max(0, repricing_->currentIndex()));
  texts.combined = combined_->isChecked();
  texts.fundAmount = fundAmount_->text().toStdString();
  texts.fundMonths = fundMonths_->text().toStdString();
  texts.fundDiscount = fundDiscount_->text().toStdString();
  texts.fundFirstRate = fundFirstRate_->text().toStdString();
  texts.tenor = tenor_->currentIndex() == 1 ? LprTenor::OneYear : LprTenor::FiveYear;
  texts.spread = spread_->text().toStdString();
  texts.conversionDay = conversionDay_->text().toStdString();
  texts.conversion = conversion_->currentIndex() == 1 ? Conversion::Fixed : Conversion::LprSpread;
  texts.firstHome = firstHome_->isChecked();
  texts.reading =
      reading_->currentIndex() == 1 ? LprReading::MonthBefore : LprReading::LatestPublished;
  return texts;
}

SheetView ContractForm::View() const {
  return combined_->isChecked() ? static_cast<SheetView>(std::max(0, view_->currentIndex()))
                                : SheetView::Main;
}

DayInterest ContractForm::Options() const {
  return {acrossChange_->isChecked(), firstMonthByDays_->isChecked(),
          kDaysInYears.at(static_cast<std::size_t>(std::max(0, daysInYear_->currentIndex())))};
}

void ContractForm::Show(const LoanFile& loan) {
  const QSignalBlocker quiet(this);
  std::vector<std::unique_ptr<QSignalBlocker>> fields;
  for (QWidget* field : findChildren<QWidget*>()) {
    fields.push_back(std::make_unique<QSignalBlocker>(field));
  }
  const ContractTexts& texts = loan.texts;
  kind_->setCurrentIndex(texts.kind == LoanKind::Fund ? 1 : 0);
  SetText(granted_, texts.granted);
  SetText(paymentDay_, texts.paymentDay);
  SetText(amount_, texts.amount);
  SetText(months_, texts.months);
  method_->setCurrentIndex(texts.method == Repayment::EqualPrincipal ? 1 : 0);
  SetText(discount_, texts.discount);
  SetText(firstRate_, texts.firstRate);
  repricing_->setCurrentIndex(static_cast<int>(texts.repricing));
  combined_->setChecked(texts.combined);
  SetText(fundAmount_, texts.fundAmount);
  SetText(fundMonths_, texts.fundMonths);
  SetText(fundDiscount_, texts.fundDiscount);
  SetText(fundFirstRate_, texts.fundFirstRate);
  tenor_->setCurrentIndex(texts.tenor == LprTenor::OneYear ? 1 : 0);
  SetText(spread_, texts.spread);
  SetText(conversionDay_, texts.conversionDay);
  conversion_->setCurrentIndex(texts.conversion == Conversion::Fixed ? 1 : 0);
  firstHome_->setChecked(texts.firstHome);
  reading_->setCurrentIndex(texts.reading == LprReading::MonthBefore ? 1 : 0);
  ShowLprFields();
  repricing_->setCurrentIndex(static_cast<int>(texts.repricing));
  if (texts.combined) {
    view_->setCurrentIndex(static_cast<int>(loan.view));  // else it keeps the part last chosen
  }
  const DayInterest& byDays = loan.choices.byDays;
  acrossChange_->setChecked(byDays.acrossChange);
  firstMonthByDays_->setChecked(byDays.firstMonth);
  const auto* const days = std::find(kDaysInYears.begin(), kDaysInYears.end(), byDays.daysInYear);
  daysInYear_->setCurrentIndex(
      days == kDaysInYears.end() ? 0 : static_cast<int>(days - kDaysInYears.begin()));
  EnableFundFields();
}

void ContractForm::TableRateIntoField() {
  if (const auto rate = TableFirstRate(Texts())) {
    firstRate_->setText(FromUtf8(*rate));
  }
}

void ContractForm::FundRateIntoField() {
  if (const auto rate = TableFirstRate(Texts(), SheetPart::Fund)) {
    fundFirstRate_->setText(FromUtf8(*rate));
  }
}

void ContractForm::GrantDayChanged() {
  if (const auto day = ReadDay(granted_->text().toStdString())) {
    paymentDay_->setText(QString::number(
        std::min(static_cast<unsigned>(day->day()), static_cast<unsigned>(kLatestPaymentDay))));
  }
  ShowLprFields();
  TableRateIntoField();
  FundRateIntoField();
  Edited(LoanDocument::kContract, granted_);
}

void ContractForm::ShowLprFields() {
  const LprFields lpr = LprFieldsOf(Texts());
  const bool fromStart = lpr == LprFields::FromStart;
  for (QWidget* widget : fromStart_) {
    widget->setVisible(fromStart);
  }
  for (QWidget* widget : converted_) {
    widget->setVisible(lpr == LprFields::Conversion);
  }
  for (QWidget* widget : lpr_) {
    widget->setVisible(lpr != LprFields::None);
  }
  for (QWidget* widget : benchmark_) {
    widget->setVisible(!fromStart);  // the spread takes the multiple's place
  }
  // From the start a loan is repriced on 1 January or on its grant's day.
  const bool offersLpr = repricing_->count() == 2;
  if (fromStart != offersLpr) {
    const QSignalBlocker quiet(repricing_);
    const int chosen = std::min(repricing_->currentIndex(), fromStart ? 1 : 2);
    repricing_->clear();
    for (const Repricing way :
         {Repricing::NextJanuary, Repricing::Anniversary, Repricing::ChangeDay}) {
      if (!fromStart || way != Repricing::ChangeDay) {
        repricing_->addItem(Text(fromStart ? LprRepricingName(way) : RepricingName(way)));
      }
    }
    repricing_->setCurrentIndex(std::max(0, chosen));
  }
  const QString caption = Name(fromStart ? ContractField::RepricingDay : ContractField::Repricing);
  repricingLabel_->setText(caption);
  repricing_->setAccessibleName(caption);
}

void ContractForm::EnableFundFields() {
  const bool combined = combined_->isChecked();
  for (QWidget* field : std::initializer_list<QWidget*>{fundAmount_, fundMonths_, fundDiscount_,
                                                        fundFirstRate_, view_}) {
    field->setEnabled(combined);
  }
  kind_->setEnabled(!combined);
  // In a combination the amount is the commercial part's.
  const QString amount = combined ? Text("商业部分金额（万元）") : Name(ContractField::Amount);
  amountLabel_->setText(amount);
  amount_->setAccessibleName(amount);
}

}  // namespace quorvane
