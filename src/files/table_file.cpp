// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/table_file.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryFile>

#include "files/file_bytes.h"

namespace quorvane {

namespace {

void AddCell(std::string& line, const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    line += text;
    return;
  }
  line += '"';
  for (const char c : text) {
    line += c;
    if (c == '"') {
      line += '"';
    }
  }
  line += '"';
}

template <typename Cells, typename TextOf>
void AddLine(std::string& text, const Cells& cells, const TextOf& textOf) {
  bool first = true;
  for (const auto& cell : cells) {
    if (!first) {
      text += ',';
    }
    first = false;
    AddCell(text, textOf(cell));
  }
  text += "\r\n";
}

}  // namespace

QByteArray CsvBytes(const TypedSheet& sheet, CsvEncoding encoding) {
  std::string text;
  AddLine(text, sheet.headings, [](const std::string& heading) { return heading; });
  for (const auto& row : sheet.rows) {
    AddLine(text, row, CellText);
  }
  const QString decoded = QString::fromStdString(text);
  if (encoding == CsvEncoding::Utf8) {
    return QByteArray("\xEF\xBB\xBF") + decoded.toUtf8();
  }
  // A Qt without ICU knows no GB18030; on Windows its system code page is
  // then the one Chinese Windows writes its files in (936).
  QStringEncoder chinese("GB18030");
  if (chinese.isValid()) {
    return chinese.encode(decoded);
  }
  QStringEncoder system(QStringConverter::System);
  return system.encode(decoded);
}

std::optional<FileProblem> WriteCsv(const QString& path, const TypedSheet& sheet,
                                    CsvEncoding encoding) {
  return SaveFileAtomically(path, CsvBytes(sheet, encoding));
}

std::optional<FileProblem> WriteXlsx(const QString& path, const std::vector<TypedSheet>& sheets,
                                     const QString& helper) {
  constexpr int kHelperTime = 60'000;  // ms: 1200 months are written in well under a second
  if (helper.isEmpty()) {
    return FileProblem{FileProblem::Kind::NoWriter, QStringLiteral("quorvane-xlsx")};
  }
  QTemporaryFile written(QFileInfo(path).absolutePath() + QStringLiteral("/.quorvane-XXXXXX"));
  if (!written.open()) {
    return FileProblem{FileProblem::Kind::CannotCreate, path};
  }
  written.close();
  QProcess process;
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(helper, {written.fileName()});
  if (!process.waitForStarted()) {
    return FileProblem{FileProblem::Kind::NoWriter, QDir::toNativeSeparators(helper)};
  }
  const std::string text = SheetsText(sheets);
  process.write(text.data(), static_cast<qint64>(text.size()));
  process.closeWriteChannel();
  if (!process.waitForFinished(kHelperTime) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    process.kill();
    return FileProblem{FileProblem::Kind::WriteFailed, path};
  }
  const auto bytes = ReadFileBytes(written.fileName());
  if (!bytes) {
    return FileProblem{FileProblem::Kind::WriteFailed, path};
  }
  return SaveFileAtomically(path, *bytes);
}

}  // namespace quorvane
