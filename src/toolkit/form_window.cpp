// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <cmath>

#include "arith/report_format.h"
#include "form/form_design.h"
#include "toolkit/appearance.h"
#include "toolkit/application.h"
#include "toolkit/numeric_field.h"
#include "toolkit/rate_list.h"
#include "toolkit/report_box.h"
#include "toolkit/report_views.h"
#include "toolkit/utf8.h"

namespace quorvane {

int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

namespace {

// The form's texts break lines with CR LF; the boxes hold a plain line feed.
QString ToBoxText(std::string_view text) {
  QString boxText = FromUtf8(text);
  boxText.replace(FromUtf8(kLineBreak), QStringLiteral("\n"));
  return boxText;
}

std::string FromBoxText(QString boxText) {
  boxText.replace(QChar('\n'), FromUtf8(kLineBreak));
  return boxText.toStdString();
}

ReportBox* CreateMultiLineBox(ReportBox::Content content, QWidget* parent) {
  auto* box = new ReportBox(content, parent);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  return box;
}

QLabel* CreateLabel(const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

FormWindow::FormWindow(QWidget* parent) : QWidget(parent), form_(*this) {
  setWindowTitle(QString::fromStdString(WindowCaption()));
  setWindowIcon(WindowIcon());
  // Its own light palette, whatever the desktop's: the caption colours are
  // designed for it.
  setPalette(ClassicPalette());
  setFont(WindowFont());
  setFixedSize(Pixels(kClientWidth), Pixels(kClientHeight));
  CreateControls();
  text2_->SetOwedLookup([this] { return form_.OwedBeforeReport(Text(TextBox::Text2)); });
  text2_->SetLoanLookup([this] {
    return MainWindowLoan{Text(Text1(kAmount)), Text(Text1(kTerm)), Text(Text1(kDiscount)),
                          OptionValue(kEqualPrincipalMethod),
                          std::lround(form_.LastRateList()) == kFundList};
  });
  SelectFirstMethod();
  ConnectEvents();
  form_.Form_Load();
  text2_->setFocus(Qt::OtherFocusReason);  // the focusable control first in tab order
  CentreOnScreen();
}

// The window with its frame is centred: before it is shown only its client
// area is known, and once shown the frame too, where the platform tells it.
void FormWindow::CentreOnScreen() {
  const QRect available = screen()->availableGeometry();
  const QSize outside = frameGeometry().size();
  move(available.center() - QPoint(outside.width() / 2, outside.height() / 2));
}

// Closing the calculator first closes the windows opened from it, each in
// its own way: one holding changes not saved asks, and may keep both open.
void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (windowMenu_ == nullptr) {
    windowMenu_ = new QMenu(this);
    windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    windowMenu_->addActions(text2_->WindowActions());
  }
  windowMenu_->popup(event->globalPos());
  event->accept();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  const auto openedHere = [this](const QWidget* window) {
    for (const QWidget* parent = window->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
      if (parent == this) {
        return true;
      }
    }
    return false;
  };
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && openedHere(window) && !window->close()) {
      event->ignore();
      return;
    }
  }
  QWidget::closeEvent(event);
}

void FormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous() && !centredWithFrame_ && frameGeometry() != geometry()) {
    centredWithFrame_ = true;
    CentreOnScreen();
  }
}

void FormWindow::CreateControls() {
  // Created in tab order, so the focus chain follows the design.
  for (const ControlDesign& design : kFormDesign) {
    QWidget* control = CreateControl(design);
    control->setObjectName(FromUtf8(design.name));
    ApplyAppearance(design, control);
    control->setGeometry(Pixels(design.left), Pixels(design.top), Pixels(design.width),
                         Pixels(design.height));
    if (design.kind == ControlKind::Label) {
      control->lower();  // labels lie beneath the boxes they reach under
    }
    if (!design.accessibleName.empty()) {
      control->setAccessibleName(FromUtf8(design.accessibleName));
      control->setAccessibleDescription(FromUtf8(design.accessibleDescription));
    }
  }
}

// Makes the control a design row describes and keeps it where the window's
// operations find it, by its kind and its index in its control array.
QWidget* FormWindow::CreateControl(const ControlDesign& design) {
  const QString caption = FromUtf8(design.caption);
  switch (design.kind) {
    case ControlKind::Label:
      return CreateLabel(caption, this);
    case ControlKind::TextBox:
      return text1_.at(design.index) = new NumericField(caption, this);
    case ControlKind::ReportBox:
      return text2_ = CreateMultiLineBox(ReportBox::Content::Report, this);
    case ControlKind::LogBox:
      return text3_ = CreateMultiLineBox(ReportBox::Content::Log, this);
    case ControlKind::ListBox:
      return list1_.at(design.index) = new RateList(this);
    case ControlKind::OptionButton:
      return option1_.at(design.index) = new QRadioButton(caption, this);
    case ControlKind::CommandButton:
      return command_.at(design.index - 1) = new QPushButton(caption, this);
  }
  return nullptr;
}

void FormWindow::SelectFirstMethod() {
  option1_[0]->setChecked(true);
  KeepTabOnTheSelectedMethod();
}

// Tab and Shift+Tab reach the method buttons only at the selected one. Qt
// settles that when one of them first takes the focus; until then Shift+Tab
// would land on the unselected one.
void FormWindow::KeepTabOnTheSelectedMethod() {
  const auto settle = [this] {
    for (QRadioButton* option : option1_) {
      option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
  };
  for (QRadioButton* option : option1_) {
    connect(option, &QRadioButton::toggled, this, settle);
  }
  settle();
}

void FormWindow::ConnectEvents() {
  using Handler = void (Form1::*)();
  const std::array<Handler, 4> commandHandlers{&Form1::Command1_Click, &Form1::Command2_Click,
                                               &Form1::Command3_Click, &Form1::Command4_Click};
  for (std::size_t i = 0; i < command_.size(); ++i) {
    const Handler handler = commandHandlers.at(i);
    connect(command_.at(i), &QPushButton::clicked, this, [this, handler] { (form_.*handler)(); });
  }
  for (std::int16_t index = 0; index < 2; ++index) {
    connect(list1_.at(index), &RateList::rowChosen, this,
            [this, index] { form_.List1_Click(index); });
  }
  for (const std::int16_t index : kText1Indices) {
    text1_.at(index)->SetHandlers(
        [this, index](std::int16_t& keyAscii) { form_.Text1_KeyPress(index, keyAscii); },
        [this, index] { form_.Text1_LostFocus(index); });
  }
}

FormWindow::~FormWindow() {
  // The fields outlive the form while the window is taken down.
  for (NumericField* field : text1_) {
    if (field != nullptr) {
      field->SetHandlers({}, {});
    }
  }
}

QWidget* FormWindow::Box(TextBox box) const {
  switch (box) {
    case TextBox::Text2:
      return text2_;
    case TextBox::Text3:
      return text3_;
    default: {
      const auto index = static_cast<std::int16_t>(box);
      return IsText1Index(index) ? text1_.at(index) : nullptr;
    }
  }
}

QPushButton* FormWindow::CommandButton(Button button) const {
  return command_.at(static_cast<std::size_t>(button) - 1);
}

std::string FormWindow::Text(TextBox box) const {
  const QWidget* widget = Box(box);
  if (const auto* field = qobject_cast<const NumericField*>(widget)) {
    return field->text().toStdString();
  }
  if (const auto* multiLine = qobject_cast<const QPlainTextEdit*>(widget)) {
    return FromBoxText(multiLine->toPlainText());
  }
  return {};
}

void FormWindow::SetText(TextBox box, std::string_view text) {
  QWidget* widget = Box(box);
  if (auto* field = qobject_cast<NumericField*>(widget)) {
    field->setText(FromUtf8(text));
  } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) {
    multiLine->setPlainText(ToBoxText(text));
  }
}

void FormWindow::SetEnabled(TextBox box, bool enabled) {
  if (QWidget* widget = Box(box)) {
    widget->setEnabled(enabled);
  }
}

void FormWindow::SetEnabled(Button button, bool enabled) {
  CommandButton(button)->setEnabled(enabled);
}

bool FormWindow::OptionValue(std::int16_t index) const {
  return index >= 0 && index < 2 && option1_.at(index)->isChecked();
}

void FormWindow::AddItem(ListIndex list, std::string_view item) {
  list1_.at(list)->addItem(FromUtf8(item));
}

std::int16_t FormWindow::SelectedRow(ListIndex list) const {
  return static_cast<std::int16_t>(list1_.at(list)->SelectedRow());
}

void FormWindow::SelectRow(ListIndex list, std::int16_t row) {
  RateList* rates = list1_.at(list);
  if (row >= 0 && row < rates->count()) {
    rates->setCurrentRow(row);
  }
}

void FormWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(SeparatorColour());
  for (const LineDesign& line : kSeparatorLines) {
    painter.drawLine(Pixels(line.x1), Pixels(line.y1), Pixels(line.x2), Pixels(line.y2));
  }
}

}  // namespace quorvane
