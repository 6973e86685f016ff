// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/report_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

#include "toolkit/report_views.h"
#include "toolkit/utf8.h"
#include "toolkit/window_parts.h"

namespace quorvane {

namespace {

QAction* BoxAction(std::string_view caption, const QKeySequence& shortcut, QWidget* box,
                   Qt::ShortcutContext context = Qt::WidgetShortcut) {
  auto* action = new QAction(FromUtf8(caption), box);
  action->setShortcut(shortcut);
  action->setShortcutContext(context);
  box->addAction(action);
  return action;
}

// Tells the user that the views cannot be had, without holding up the
// window; the reason goes to the program's error output.
void SayViewsAreMissing(QWidget* box, const QString& failure) {
  qWarning("quorvane: %s", qPrintable(failure));
  auto* message = new QMessageBox(QMessageBox::Warning, FromUtf8(kViewsMissingTitle),
                                  FromUtf8(kViewsMissingMessage), QMessageBox::Ok, box->window());
  message->setAttribute(Qt::WA_DeleteOnClose);
  message->open();
}

}  // namespace

ReportBox::ReportBox(Content content, QWidget* parent) : QPlainTextEdit(parent), content_(content) {
  copyAsTable_ = BoxAction(kCopyAsTableEntry, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
  connect(copyAsTable_, &QAction::triggered, this, &ReportBox::CopyAsTable);
  if (content_ == Content::Report) {
    for (std::size_t entry = 0; entry < kReportViewEntries.size(); ++entry) {
      const ReportViewEntry& view = kReportViewEntries.at(entry);
      viewActions_.at(entry) =
          BoxAction(view.caption, QKeySequence(FromUtf8(view.shortcut), QKeySequence::PortableText),
                    this, view.readsReport ? Qt::WidgetShortcut : Qt::WindowShortcut);
      connect(viewActions_.at(entry), &QAction::triggered, this,
              [this, entry] { OpenView(entry); });
    }
  }
}

ReportBox::~ReportBox() = default;

QList<QAction*> ReportBox::WindowActions() const {
  QList<QAction*> actions;
  for (std::size_t entry = 0; entry < viewActions_.size(); ++entry) {
    if (viewActions_.at(entry) != nullptr && !kReportViewEntries.at(entry).readsReport) {
      actions << viewActions_.at(entry);
    }
  }
  return actions;
}

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
  for (std::size_t entry = 0; entry < viewActions_.size(); ++entry) {
    if (viewActions_.at(entry) != nullptr && kReportViewEntries.at(entry).readsReport) {
      viewActions_.at(entry)->setEnabled(enabled);
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
  for (QAction* action : viewActions_) {
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
  PutTableOnClipboard(*rows);
}

void ReportBox::OpenView(std::size_t entry) {
  ViewRequest request{nullptr, std::nullopt, loanLookup_ ? loanLookup_() : MainWindowLoan{}};
  std::optional<ReportTable> report;
  if (kReportViewEntries.at(entry).readsReport) {
    report = ReadReport(BoxText());
    if (!report) {
      return;
    }
    request.report = &*report;
    request.owedYuan = owedLookup_ ? owedLookup_() : std::nullopt;
  }
  if (ReportView* view = View(entry)) {
    view->Open(request);
  }
}

ReportView* ReportBox::View(std::size_t entry) {
  if (!views_.at(entry)) {
    const LoadedViews loaded = LoadViews();
    if (loaded.plugin == nullptr) {
      SayViewsAreMissing(this, loaded.failure);
      return nullptr;
    }
    views_.at(entry) = loaded.plugin->CreateView(kReportViewEntries.at(entry).view, this);
  }
  return views_.at(entry).get();
}

}  // namespace quorvane
