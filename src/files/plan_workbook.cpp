// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <optional>

#include "files/file_bytes.h"
#include "files/plan_workbook.h"
#include "quazip/quazip.h"
#include "quazip/quazipfile.h"
#include "text/day_text.h"

namespace quorvane {

namespace {

constexpr int kMostColumns = static_cast<int>(kMostPlanColumns);
constexpr int kMostRows = static_cast<int>(kMostPlanRows);
constexpr qint64 kLargestPart = kLargestFile;  // a part of an .xlsx, unpacked; an .xls's text
constexpr int kHelperTime = 20'000;
constexpr std::size_t kMostStyles = 64'000;  // Excel's own limit on a workbook's cell styles // ms:
                                             // a workbook is read in well under a second

void Place(PlanCells& cells, int row, int column, std::string text) {
  auto& cellsOfRow = cells.at(static_cast<std::size_t>(row));
  if (cellsOfRow.size() <= static_cast<std::size_t>(column)) {
    cellsOfRow.resize(static_cast<std::size_t>(column) + 1);
  }
  cellsOfRow[static_cast<std::size_t>(column)] = std::move(text);
}

// .xls: the first worksheet, as the helper writes it out. A broken file
// may make it fail, crash or run on; none of that reaches the window.
Outcome<PlanCells, FileProblem> ReadXls(const QString& path, const QString& helper) {
  const FileProblem broken{FileProblem::Kind::NotAWorkbook, path};
  QProcess process;
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(helper, {QDir::toNativeSeparators(path)}, QIODevice::ReadOnly);
  if (!process.waitForStarted()) {
    return FileProblem{FileProblem::Kind::NoHelper, QDir::toNativeSeparators(helper)};
  }
  QByteArray text;
  QDeadlineTimer deadline(kHelperTime);
  while (process.state() != QProcess::NotRunning && !deadline.hasExpired() &&
         text.size() <= kLargestPart) {
    process.waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
    text += process.readAllStandardOutput();
  }
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished();
    return text.size() > kLargestPart ? FileProblem{FileProblem::Kind::TooLarge, path} : broken;
  }
  text += process.readAllStandardOutput();
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return broken;
  }
  if (text.size() > kLargestPart) {
    return FileProblem{FileProblem::Kind::TooLarge, path};
  }
  return SplitPlanText(text.toStdString(), CellSplit::Tabs);
}

// One part of an .xlsx, unpacked, or nothing.
std::optional<QByteArray> Part(QuaZip& zip, const QString& name) {
  if (!zip.setCurrentFile(name, QuaZip::csInsensitive)) {
    return std::nullopt;
  }
  QuaZipFile part(&zip);
  if (!part.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  QByteArray bytes = part.read(kLargestPart + 1);
  if (bytes.size() > kLargestPart || part.getZipError() != UNZ_OK) {
    return std::nullopt;
  }
  return bytes;
}

// The text of an element and of every <t> in it, the phonetic runs left out.
QString TextWithin(QXmlStreamReader& xml) {
  QString text;
  const QString element = xml.name().toString();
  while (xml.readNextStartElement() || (xml.isEndElement() && xml.name() != element)) {
    if (xml.isEndElement()) {
      continue;
    }
    if (xml.name() == QLatin1String("t")) {
      text += xml.readElementText();
    } else if (xml.name() == QLatin1String("rPh")) {
      xml.skipCurrentElement();
    }
  }
  return text;
}

std::vector<QString> SharedStrings(QuaZip& zip) {
  std::vector<QString> strings;
  const auto bytes = Part(zip, QStringLiteral("xl/sharedStrings.xml"));
  if (!bytes) {
    return strings;
  }
  QXmlStreamReader xml(*bytes);
  while (!xml.atEnd() && strings.size() < static_cast<std::size_t>(kMostRows) * kMostColumns) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si")) {
      strings.push_back(TextWithin(xml));
    }
  }
  return strings;
}

// Whether a number format shows a date: the built-in ones of dates (and of
// a date with its time), or a format of the workbook's own with a year or a
// day in it outside quotes and brackets.
bool DateFormat(int id, const QString& code) {
  constexpr std::array<std::pair<int, int>, 4> kBuiltInDates{
      {{14, 17}, {22, 22}, {27, 36}, {50, 58}}};
  if (code.isEmpty()) {
    return std::any_of(kBuiltInDates.begin(), kBuiltInDates.end(),
                       [id](const auto& range) { return id >= range.first && id <= range.second; });
  }
  bool quoted = false;
  bool bracketed = false;
  for (const QChar c : code) {
    if (c == QChar('"')) {
      quoted = !quoted;
    } else if (!quoted && (c == QChar('[') || c == QChar(']'))) {
      bracketed = c == QChar('[');
    } else if (!quoted && !bracketed && (c.toLower() == QChar('y') || c.toLower() == QChar('d'))) {
      return true;
    }
  }
  return false;
}

// For each cell style of the workbook (a cell's "s"), whether it shows a date.
std::vector<bool> DateStyles(QuaZip& zip) {
  std::vector<bool> dates;
  const auto bytes = Part(zip, QStringLiteral("xl/styles.xml"));
  if (!bytes) {
    return dates;
  }
  std::map<int, QString> codes;  // the workbook's own formats
  bool inCellStyles = false;
  QXmlStreamReader xml(*bytes);
  while (!xml.atEnd() && dates.size() < kMostStyles) {
    const auto token = xml.readNext();
    if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("cellXfs")) {
      inCellStyles = false;
    }
    if (token != QXmlStreamReader::StartElement) {
      continue;
    }
    const auto attributes = xml.attributes();
    if (xml.name() == QLatin1String("numFmt")) {
      codes[attributes.value(QLatin1String("numFmtId")).toInt()] =
          attributes.value(QLatin1String("formatCode")).toString();
    } else if (xml.name() == QLatin1String("cellXfs")) {
      inCellStyles = true;
    } else if (inCellStyles && xml.name() == QLatin1String("xf")) {
      const int id = attributes.value(QLatin1String("numFmtId")).toInt();
      const auto code = codes.find(id);
      dates.push_back(DateFormat(id, code == codes.end() ? QString() : code->second));
    }
  }
  return dates;
}

// A date cell's serial number as the day: day 1 is 1900-01-01, and Excel
// counts a 1900-02-29 that never was, so from day 61 on the days are
// counted from 1899-12-30. Nothing for a serial out of the calendar's range.
std::optional<std::string> SerialDay(double serial) {
  constexpr double kLastSerial = 2'958'465;  // 9999-12-31
  if (!(serial >= 61 && serial <= kLastSerial)) {
    return std::nullopt;
  }
  const std::chrono::sys_days epoch{std::chrono::year{1899} / 12 / 30};
  return DayText(std::chrono::year_month_day{epoch + std::chrono::days{static_cast<int>(serial)}});
}

// The part that holds the workbook's first sheet, from the workbook and its
// relationships.
QString FirstSheet(QuaZip& zip) {
  QString fallback = QStringLiteral("xl/worksheets/sheet1.xml");
  const auto workbook = Part(zip, QStringLiteral("xl/workbook.xml"));
  const auto relations = Part(zip, QStringLiteral("xl/_rels/workbook.xml.rels"));
  if (!workbook || !relations) {
    return fallback;
  }
  QString id;
  for (QXmlStreamReader xml(*workbook); !xml.atEnd() && id.isEmpty();) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("sheet")) {
      for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        if (attribute.name() == QLatin1String("id")) {
          id = attribute.value().toString();
        }
      }
    }
  }
  for (QXmlStreamReader xml(*relations); !xml.atEnd();) {
    if (xml.readNext() == QXmlStreamReader::StartElement &&
        xml.attributes().value(QLatin1String("Id")) == id) {
      const QString target = xml.attributes().value(QLatin1String("Target")).toString();
      return target.startsWith(QChar('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
    }
  }
  return fallback;
}

// The column of a cell reference: "C12" is 2.
int ColumnOf(QStringView reference) {
  int column = 0;
  for (const QChar c : reference) {
    if (c < QChar('A') || c > QChar('Z')) {
      break;
    }
    column = column * 26 + (c.unicode() - 'A' + 1);
    if (column > kMostColumns) {
      return kMostColumns;
    }
  }
  return column - 1;
}

// .xlsx: the first sheet, each row in the order it comes, each cell at its column.
Outcome<PlanCells, FileProblem> ReadXlsx(const QString& path) {
  QuaZip zip(path);
  const FileProblem broken{FileProblem::Kind::NotAWorkbook, path};
  if (!zip.open(QuaZip::mdUnzip)) {
    return broken;
  }
  const std::vector<QString> strings = SharedStrings(zip);
  const std::vector<bool> dateStyles = DateStyles(zip);
  const auto sheet = Part(zip, FirstSheet(zip));
  if (!sheet) {
    return broken;
  }
  PlanCells cells;
  QXmlStreamReader xml(*sheet);
  int column = 0;
  QString type;
  bool date = false;
  while (!xml.atEnd() && cells.size() < static_cast<std::size_t>(kMostRows)) {
    if (xml.readNext() != QXmlStreamReader::StartElement) {
      continue;
    }
    if (xml.name() == QLatin1String("row")) {
      cells.emplace_back();
      column = -1;
    } else if (xml.name() == QLatin1String("c") && !cells.empty()) {
      const QStringView reference = xml.attributes().value(QLatin1String("r"));
      column = reference.isEmpty() ? column + 1 : ColumnOf(reference);
      type = xml.attributes().value(QLatin1String("t")).toString();
      const auto style = xml.attributes().value(QLatin1String("s")).toULongLong();
      date = style < dateStyles.size() && dateStyles[style];
      if (type == QLatin1String("inlineStr") && column >= 0 && column < kMostColumns) {
        Place(cells, static_cast<int>(cells.size()) - 1, column, TextWithin(xml).toStdString());
      }
    } else if (xml.name() == QLatin1String("v") && column >= 0 && column < kMostColumns &&
               !cells.empty()) {
      const QString value = xml.readElementText();
      std::string text;
      if (type == QLatin1String("s")) {
        bool number = false;
        const auto index = value.toULongLong(&number);
        text = number && index < strings.size() ? strings[index].toStdString() : std::string();
      } else if (type.isEmpty() || type == QLatin1String("n")) {
        bool number = false;
        const double figure = value.toDouble(&number);
        const auto day = number && date ? SerialDay(figure) : std::nullopt;
        text = day ? *day : number ? SheetNumberText(figure) : value.toStdString();
      } else {
        text = value.toStdString();
      }
      Place(cells, static_cast<int>(cells.size()) - 1, column, std::move(text));
    }
  }
  if (xml.hasError() && cells.empty()) {
    return broken;
  }
  return cells;
}

}  // namespace

Outcome<PlanCells, FileProblem> ReadWorkbook(const QString& path, const QString& xlsHelper) {
  return QFileInfo(path).suffix().toLower() == QLatin1String("xls") ? ReadXls(path, xlsHelper)
                                                                    : ReadXlsx(path);
}

QStringList WorkbookSuffixes() { return kWorkbookSuffixes; }

}  // namespace quorvane
