// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/file_problem.h"

#include <QFileInfo>

#include "files/file_bytes.h"
#include "files/loan_file.h"

namespace quorvane {

QString FileProblemWords(const FileProblem& problem) {
  using Kind = FileProblem::Kind;
  const QString name = QFileInfo(problem.path).fileName();
  switch (problem.kind) {
    case Kind::CannotOpen:
      return QStringLiteral("无法打开 %1：文件不存在或没有读取权限").arg(problem.path);
    case Kind::TooLarge:
      return QStringLiteral("%1 太大（超过 %2 MB），无法读取")
          .arg(name)
          .arg(kLargestFile / (qint64{1024} * 1024));
    case Kind::CannotRead:
      return QStringLiteral("读取 %1 时出错").arg(problem.path);
    case Kind::CannotCreate:
      return QStringLiteral("无法在此处保存 %1：文件夹不存在、只读或没有写入权限")
          .arg(problem.path);
    case Kind::WriteFailed:
      return QStringLiteral("保存 %1 时写入失败，磁盘可能已满；原有文件未改动").arg(problem.path);
    case Kind::CommitFailed:
      return QStringLiteral(
                 "保存 %1 失败：文件可能正被其他程序（如 Excel）打开，或磁盘已满；"
                 "原有文件未改动")
          .arg(problem.path);
    case Kind::Broken:
      return QStringLiteral("文件已损坏或不完整，无法读取");
    case Kind::NotALoanFile:
      return QStringLiteral("不是 Quorvane 的贷款文件");
    case Kind::BadContent:
      return QStringLiteral("文件内容有误：") + problem.detail;
    case Kind::Newer:
      return QStringLiteral(
                 "此文件由较新版本的 Quorvane 保存（格式版本 %1），"
                 "本版本只能打开格式版本 %2 的文件，请升级 Quorvane")
          .arg(problem.version)
          .arg(kLoanFileVersion);
    case Kind::NotAWorkbook: {
      const bool xls =
          QFileInfo(problem.path).suffix().compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0;
      return QStringLiteral("无法读取 %1：不是 %2，或文件已损坏")
          .arg(name, xls ? QStringLiteral("Excel 97–2003 工作簿（.xls）")
                         : QStringLiteral("Excel 工作簿（.xlsx）"));
    }
    case Kind::NoHelper:
      return QStringLiteral(
                 "无法读取 .xls 文件：找不到 Quorvane 读取它所用的程序 %1，"
                 "请重新安装 Quorvane")
          .arg(problem.path);
    case Kind::NoWriter:
      return QStringLiteral(
                 "无法写入 Excel 工作簿：找不到 Quorvane 写入它所用的程序 %1，"
                 "请重新安装 Quorvane，或导出为 CSV 文件")
          .arg(problem.path);
    case Kind::NoWorkbooks:
      return QStringLiteral(
                 "此版本的 Quorvane 不能读取 %1 这样的 Excel 工作簿：请在表格软件中把它"
                 "另存为 CSV（.csv）文件再打开，或复制其中的还款计划后粘贴")
          .arg(name);
  }
  return {};
}

}  // namespace quorvane
