// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/report_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

#include "form/menu_texts.h"
#include "toolkit/report_views.h"
#include "toolkit/utf8.h"

namespace quorvane {

ReportBox::ReportBox(Content content, QWidget* parent) : QPlainTextEdit(parent), content_(content) {
  copyAsTable_ = new QAction(FromUtf8(kCopyAsTableEntry), this);
  copyAsTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyAsTable_->setShortcutContext(Qt::WidgetShortcut);
  connect(copyAsTable_, &QAction::triggered, this, &ReportBox::CopyAsTable);
  addAction(copyAsTable_);
  if (content_ == Content::Report) {
    print_ = new QAction(FromUtf8(kPrintEntry), this);
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print_->setShortcutContext(Qt::WidgetShortcut);
    connect(print_, &QAction::triggered, this, &ReportBox::PrintPreview);
    addAction(print_);
    chart_ = new QAction(FromUtf8(kChartEntry), this);
    chart_->setShortcut(QKeySequence(Qt::Key_F11));
    chart_->setShortcutContext(Qt::WidgetShortcut);
    connect(chart_, &QAction::triggered, this, &ReportBox::ShowChart);
    addAction(chart_);
  }
}

ReportBox::~ReportBox() = default;

std::string ReportBox::BoxText() const { return toPlainText().toStdString(); }

std::optional<TableRows> ReportBox::ReadRows() const {
  const std::string text = BoxText();
  if (content_ == Content::Report) {
    const auto report = ReadReport(text);
    return report ? std::optional(Rows(*report)) : std::nullopt;
  }
  const auto log = ReadLog(text);
  return log ? std::optional(Rows(*log)) : std::nullopt;
}

void ReportBox::EnableActions(bool enabled) {
  copyAsTable_->setEnabled(enabled);
  for (QAction* action : {print_, chart_}) {
    if (action != nullptr) {
      action->setEnabled(enabled);
    }
  }
}

void ReportBox::contextMenuEvent(QContextMenuEvent* event) {
  EnableActions(ReadRows().has_value());
  QMenu* menu = createStandardContextMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  connect(menu, &QMenu::aboutToHide, this, [this] { EnableActions(true); });
  menu->addSeparator();
  menu->addAction(copyAsTable_);
  for (QAction* action : {print_, chart_}) {
    if (action != nullptr) {
      menu->addAction(action);
    }
  }
  menu->popup(event->globalPos());
}

void ReportBox::CopyAsTable() {
  const auto rows = ReadRows();
  if (!rows) {
    return;
  }
  auto* table = new QMimeData;
  table->setText(QString::fromStdString(TabSeparated(*rows)));
  table->setHtml(QString::fromStdString(HtmlTable(*rows)));
  QApplication::clipboard()->setMimeData(table);
}

void ReportBox::PrintPreview() {
  const auto report = ReadReport(BoxText());
  if (report && Views() != nullptr) {
    views_->PrintPreview(*report);
  }
}

void ReportBox::ShowChart() {
  const auto report = ReadReport(BoxText());
  if (report && Views() != nullptr) {
    views_->ShowChart(*report);
  }
}

ReportViews* ReportBox::Views() {
  if (!views_) {
    views_ = CreateReportViews(this);
  }
  return views_.get();
}

}  // namespace quorvane
