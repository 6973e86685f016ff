#include "toolkit/report_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "toolkit/report_printout.h"

namespace quorvane {

ReportBox::ReportBox(Content content, QWidget* parent) : QPlainTextEdit(parent), content_(content) {
  copyAsTable_ = new QAction(QStringLiteral("复制为表格"), this);
  copyAsTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyAsTable_->setShortcutContext(Qt::WidgetShortcut);
  connect(copyAsTable_, &QAction::triggered, this, &ReportBox::CopyAsTable);
  addAction(copyAsTable_);
  if (content_ == Content::Report) {
    print_ = new QAction(QStringLiteral("打印…"), this);
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print_->setShortcutContext(Qt::WidgetShortcut);
    connect(print_, &QAction::triggered, this, &ReportBox::PrintPreview);
    addAction(print_);
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
  if (print_ != nullptr) {
    print_->setEnabled(enabled);
  }
}

void ReportBox::contextMenuEvent(QContextMenuEvent* event) {
  EnableActions(ReadRows().has_value());
  QMenu* menu = createStandardContextMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  connect(menu, &QMenu::aboutToHide, this, [this] { EnableActions(true); });
  menu->addSeparator();
  menu->addAction(copyAsTable_);
  if (print_ != nullptr) {
    menu->addAction(print_);
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
  if (!report) {
    return;
  }
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::A4));
  }
  QPrintPreviewDialog preview(printer_.get(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&report](QPrinter* printer) { ReportPrintout(*report, *printer).Print(*printer); });
  preview.exec();
}

}  // namespace quorvane
