// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/fixings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "sheet/own_fixings.h"
#include "text/day_text.h"
#include "toolkit/loan_document.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

QString Text(std::string_view text) { return FromUtf8(text); }

}  // namespace

FixingsDialog::FixingsDialog(LoanDocument* document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName(QStringLiteral("lprFixings"));
  setWindowTitle(Text("LPR 公布值"));
  auto* layout = new QVBoxLayout(this);
  auto* about =
      new QLabel(Text("Quorvane 已有 %1 及以前公布的 LPR。此后的公布值请在此填入（每月一次）："
                      "它们用于所有贷款，保存在本机，也随贷款文件保存。")
                     .arg(FromUtf8(DayText(kLastKnownLprFixing))),
                 this);
  about->setWordWrap(true);
  layout->addWidget(about);

  model_ = new QStandardItemModel(0, 3, this);
  model_->setHorizontalHeaderLabels(
      {Text("公布日期"), Text("1年期 LPR（%）"), Text("5年期以上 LPR（%）")});
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("fixings"));
  table_->setAccessibleName(Text("已填入的 LPR 公布值"));
  table_->setModel(model_);
  table_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->hide();
  layout->addWidget(table_, 1);

  auto* fields = new QFormLayout;
  day_ = Field("fixingDay", Text("公布日期"), QStringLiteral("[0-9-]{0,10}"));
  day_->setPlaceholderText(Text("如 2026-09-21"));
  oneYear_ =
      Field("fixingOneYear", Text("1年期 LPR（%）"), QStringLiteral("[0-9]{0,2}(\\.[0-9]{0,4})?"));
  fiveYear_ = Field("fixingFiveYear", Text("5年期以上 LPR（%）"),
                    QStringLiteral("[0-9]{0,2}(\\.[0-9]{0,4})?"));
  for (QLineEdit* field : {day_, oneYear_, fiveYear_}) {
    auto* label = new QLabel(field->accessibleName(), this);
    label->setBuddy(field);
    fields->addRow(label, field);
    connect(field, &QLineEdit::returnPressed, this, &FixingsDialog::Add);
  }
  layout->addLayout(fields);

  auto* buttons = new QHBoxLayout;
  auto* add = new QPushButton(Text("添加"), this);
  add->setObjectName(QStringLiteral("addFixing"));
  add->setAutoDefault(false);
  connect(add, &QPushButton::clicked, this, &FixingsDialog::Add);
  auto* remove = new QPushButton(Text("删除所选"), this);
  remove->setObjectName(QStringLiteral("removeFixing"));
  remove->setAutoDefault(false);
  connect(remove, &QPushButton::clicked, this, &FixingsDialog::RemoveSelected);
  auto* close = new QPushButton(Text("关闭"), this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("fixingsStatus"));
  CaptionResults(status_, Text("状态"));
  status_->setWordWrap(true);
  layout->addWidget(status_);
  ShowFixings();
}

QLineEdit* FixingsDialog::Field(const char* id, const QString& caption, const QString& pattern) {
  auto* field = new QLineEdit(this);
  field->setObjectName(QLatin1String(id));
  field->setAccessibleName(caption);
  field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
  return field;
}

void FixingsDialog::ShowFixings() {
  model_->removeRows(0, model_->rowCount());
  for (const LprFixing& fixing : document_->Fixings()) {
    model_->appendRow({new QStandardItem(FromUtf8(DayText(fixing.fixed))),
                       new QStandardItem(FromUtf8(PercentText(fixing.oneYear))),
                       new QStandardItem(FromUtf8(PercentText(fixing.fiveYear)))});
  }
}

void FixingsDialog::Add() {
  std::vector<LprFixing> fixings = document_->Fixings();
  const auto read = ReadOwnFixing(day_->text().toStdString(), oneYear_->text().toStdString(),
                                  fiveYear_->text().toStdString(), fixings);
  if (!read) {
    status_->setText(FromUtf8(FixingProblemWords(read.Failure())));
    return;
  }
  fixings.push_back(*read);
  std::sort(fixings.begin(), fixings.end(),
            [](const LprFixing& a, const LprFixing& b) { return a.fixed < b.fixed; });
  document_->SetFixings(std::move(fixings));
  ShowFixings();
  status_->setText(Text("已添加 %1 的公布值").arg(FromUtf8(DayText(read->fixed))));
  for (QLineEdit* field : {day_, oneYear_, fiveYear_}) {
    field->clear();
  }
  day_->setFocus(Qt::OtherFocusReason);
}

void FixingsDialog::RemoveSelected() {
  const int row = table_->currentIndex().row();
  std::vector<LprFixing> fixings = document_->Fixings();
  if (row < 0 || static_cast<std::size_t>(row) >= fixings.size()) {
    return;
  }
  fixings.erase(fixings.begin() + row);
  document_->SetFixings(std::move(fixings));
  ShowFixings();
  status_->setText(Text("已删除"));
}

}  // namespace quorvane
