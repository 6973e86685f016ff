// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/typed_table.h"

#include "text/day_text.h"
#include "text/decimal_text.h"

namespace quorvane {

std::string CellText(const TypedCell& cell) {
  switch (cell.kind) {
    case TypedCell::Kind::Empty:
      return {};
    case TypedCell::Kind::Words:
      return cell.words;
    case TypedCell::Kind::Money:
      return YuanText(cell.value);
    case TypedCell::Kind::Rate:
      // A plain minus, as a spreadsheet reads a number.
      return DecimalText(cell.value, 4, 2);
    case TypedCell::Kind::Day:
      return DayText(cell.day);
    case TypedCell::Kind::Whole:
      return std::to_string(cell.value);
  }
  return {};
}

namespace {

// The kinds' letters in SheetsText, in the order of TypedCell::Kind.
constexpr std::string_view kKindLetters = "EWMPDN";
constexpr char kStrongLetter = 'B';  // words in bold

void AddEscaped(std::string& text, std::string_view words) {
  for (const char c : words) {
    switch (c) {
      case '\\':
        text += "\\\\";
        break;
      case '\t':
        text += "\\t";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\r':
        text += "\\r";
        break;
      default:
        text += c;
    }
  }
}

std::optional<std::string> Unescaped(std::string_view field) {
  std::string words;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      words += field[i];
      continue;
    }
    if (++i == field.size()) {
      return std::nullopt;
    }
    switch (field[i]) {
      case '\\':
        words += '\\';
        break;
      case 't':
        words += '\t';
        break;
      case 'n':
        words += '\n';
        break;
      case 'r':
        words += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return words;
}

void AddCell(std::string& text, const TypedCell& cell) {
  const bool strong = cell.kind == TypedCell::Kind::Words && cell.strong;
  text += strong ? kStrongLetter : kKindLetters.at(static_cast<std::size_t>(cell.kind));
  switch (cell.kind) {
    case TypedCell::Kind::Empty:
      break;
    case TypedCell::Kind::Words:
      AddEscaped(text, cell.words);
      break;
    case TypedCell::Kind::Day:
      text += DayText(cell.day);
      break;
    default:
      text += std::to_string(cell.value);
  }
}

std::optional<TypedCell> ReadCell(std::string_view field) {
  if (field.empty()) {
    return std::nullopt;
  }
  const std::string_view value = field.substr(1);
  if (field[0] == kStrongLetter || field[0] == 'W') {
    auto words = Unescaped(value);
    return words ? std::optional(field[0] == kStrongLetter ? TypedCell::Heading(std::move(*words))
                                                           : TypedCell::Of(std::move(*words)))
                 : std::nullopt;
  }
  const std::size_t kind = kKindLetters.find(field[0]);
  if (kind == std::string_view::npos) {
    return std::nullopt;
  }
  TypedCell cell;
  cell.kind = static_cast<TypedCell::Kind>(kind);
  if (cell.kind == TypedCell::Kind::Empty) {
    return value.empty() ? std::optional(cell) : std::nullopt;
  }
  if (cell.kind == TypedCell::Kind::Day) {
    const auto day = ReadDay(value);
    cell.day = day.value_or(std::chrono::year_month_day{});
    return day ? std::optional(cell) : std::nullopt;
  }
  const auto number = ReadSignedDecimal(value, 0);
  cell.value = number.value_or(0);
  return number ? std::optional(cell) : std::nullopt;
}

// The fields of a line, parted by tabs; none in an empty line.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) {
      break;
    }
    line.remove_prefix(tab + 1);
    if (line.empty()) {
      fields.emplace_back();  // a last field left empty
    }
  }
  return fields;
}

}  // namespace

std::string SheetsText(const std::vector<TypedSheet>& sheets) {
  std::string text;
  for (const TypedSheet& sheet : sheets) {
    text += 'S';
    AddEscaped(text, sheet.name);
    text += "\nH";
    for (std::size_t i = 0; i < sheet.headings.size(); ++i) {
      text += i == 0 ? "" : "\t";
      AddEscaped(text, sheet.headings[i]);
    }
    text += '\n';
    for (const auto& row : sheet.rows) {
      text += 'R';
      for (std::size_t i = 0; i < row.size(); ++i) {
        text += i == 0 ? "" : "\t";
        AddCell(text, row[i]);
      }
      text += '\n';
    }
  }
  return text;
}

std::optional<std::vector<TypedSheet>> ReadSheetsText(std::string_view text) {
  std::vector<TypedSheet> sheets;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      return std::nullopt;  // every line ends
    }
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (line.empty() || (line[0] != 'S' && sheets.empty())) {
      return std::nullopt;
    }
    const std::string_view rest = line.substr(1);
    if (line[0] == 'S') {
      auto name = Unescaped(rest);
      if (!name) {
        return std::nullopt;
      }
      sheets.push_back({std::move(*name), {}, {}});
    } else if (line[0] == 'H') {
      for (const std::string_view field : Fields(rest)) {
        auto heading = Unescaped(field);
        if (!heading) {
          return std::nullopt;
        }
        sheets.back().headings.push_back(std::move(*heading));
      }
    } else if (line[0] == 'R') {
      std::vector<TypedCell> row;
      for (const std::string_view field : Fields(rest)) {
        auto cell = ReadCell(field);
        if (!cell) {
          return std::nullopt;
        }
        row.push_back(std::move(*cell));
      }
      sheets.back().rows.push_back(std::move(row));
    } else {
      return std::nullopt;
    }
  }
  return sheets;
}

}  // namespace quorvane
