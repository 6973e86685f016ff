// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/table_file.h"

#include <QStringEncoder>

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

}  // namespace quorvane
