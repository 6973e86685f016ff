// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quorvane-xlsx FILE: the sheets on standard input, as the program writes
// them (SheetsText), written into an Excel workbook (.xlsx) at FILE: figures
// as numbers with two decimals, rates with their exact decimals, days as
// dates, the headings in bold and kept in view, each column as wide as its
// widest cell. libxlsxwriter brings its own copy of minizip, which the .xlsx
// reader's QuaZip would shadow in one process, so the program writes
// workbooks through this helper. Exits with 1 when the input is no sheets
// or the workbook cannot be written.
#include <xlsxwriter.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "text/typed_table.h"

namespace {

using quorvane::TypedCell;
using quorvane::TypedSheet;

// The library writes numbers with the C library, in the process's locale:
// a point while it writes, whatever the system's decimal mark.
class NumbersWithPoint {
 public:
  NumbersWithPoint() {
    if (const char* now = std::setlocale(LC_NUMERIC, nullptr)) {
      before_ = now;
    }
    std::setlocale(LC_NUMERIC, "C");
  }
  ~NumbersWithPoint() { std::setlocale(LC_NUMERIC, before_.c_str()); }
  NumbersWithPoint(const NumbersWithPoint&) = delete;
  NumbersWithPoint& operator=(const NumbersWithPoint&) = delete;

 private:
  std::string before_ = "C";
};

// How wide a text shows: a Chinese character (anything beyond ASCII) as two.
double TextWidth(const std::string& text) {
  double width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      width += 1;
    } else if ((byte & 0xC0) == 0xC0) {
      width += 2;  // the first byte of a character; the rest count nothing
    }
  }
  return width;
}

struct Formats {
  lxw_format* heading;
  lxw_format* money;
  lxw_format* rate;
  lxw_format* day;
  lxw_format* whole;
};

Formats FormatsOf(lxw_workbook* book) {
  Formats formats{workbook_add_format(book), workbook_add_format(book), workbook_add_format(book),
                  workbook_add_format(book), workbook_add_format(book)};
  format_set_bold(formats.heading);
  format_set_num_format(formats.money, "0.00");
  format_set_num_format(formats.rate, "0.00##");  // 6.12, 4.165, 6.6555
  format_set_num_format(formats.day, "yyyy-mm-dd");
  format_set_num_format(formats.whole, "0");
  return formats;
}

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const TypedCell& cell,
               const Formats& formats) {
  constexpr double kFenPerYuan = 100.0;
  constexpr double kTenThousandths = 10'000.0;
  switch (cell.kind) {
    case TypedCell::Kind::Empty:
      break;
    case TypedCell::Kind::Words:
      worksheet_write_string(sheet, row, column, cell.words.c_str(),
                             cell.strong ? formats.heading : nullptr);
      break;
    case TypedCell::Kind::Money:
      worksheet_write_number(sheet, row, column, static_cast<double>(cell.value) / kFenPerYuan,
                             formats.money);
      break;
    case TypedCell::Kind::Rate:
      worksheet_write_number(sheet, row, column, static_cast<double>(cell.value) / kTenThousandths,
                             formats.rate);
      break;
    case TypedCell::Kind::Day: {
      lxw_datetime day{static_cast<int>(cell.day.year()),
                       static_cast<int>(static_cast<unsigned>(cell.day.month())),
                       static_cast<int>(static_cast<unsigned>(cell.day.day())),
                       0,
                       0,
                       0};
      worksheet_write_datetime(sheet, row, column, &day, formats.day);
      break;
    }
    case TypedCell::Kind::Whole:
      worksheet_write_number(sheet, row, column, static_cast<double>(cell.value), formats.whole);
      break;
  }
}

void WriteSheet(lxw_workbook* book, const TypedSheet& typed, const Formats& formats) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, typed.name.c_str());
  std::vector<double> widths(typed.headings.size(), 0);
  lxw_row_t row = 0;
  if (!typed.headings.empty()) {
    for (std::size_t column = 0; column < typed.headings.size(); ++column) {
      worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(column),
                             typed.headings[column].c_str(), formats.heading);
      widths[column] = TextWidth(typed.headings[column]);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    row = 1;
  }
  for (const auto& cells : typed.rows) {
    widths.resize(std::max(widths.size(), cells.size()), 0);
    for (std::size_t column = 0; column < cells.size(); ++column) {
      WriteCell(sheet, row, static_cast<lxw_col_t>(column), cells[column], formats);
      widths[column] = std::max(widths[column], TextWidth(CellText(cells[column])));
    }
    ++row;
  }
  constexpr double kMargin = 2;
  for (std::size_t column = 0; column < widths.size(); ++column) {
    worksheet_set_column(sheet, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                         widths[column] + kMargin, nullptr);
  }
}

// All of standard input, byte for byte (Windows would otherwise read it as
// text, ending it at a Ctrl+Z). Plain C streams: the C++ ones would bring the
// whole of their locale machinery into this small program.
std::string StandardInput() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  std::string input;
  std::array<char, 65'536> block{};
  std::size_t read = 0;
  while ((read = std::fread(block.data(), 1, block.size(), stdin)) > 0) {
    input.append(block.data(), read);
  }
  return input;
}

// Writes the sheets on standard input into the workbook at `path`.
int WriteWorkbook(const std::string& path) {
  const auto sheets = quorvane::ReadSheetsText(StandardInput());
  if (!sheets) {
    return 1;
  }
  const NumbersWithPoint point;
  lxw_workbook* book = workbook_new(path.c_str());
  if (book == nullptr) {
    return 1;
  }
  const Formats formats = FormatsOf(book);
  for (const TypedSheet& sheet : *sheets) {
    WriteSheet(book, sheet, formats);
  }
  return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}

int Usage() {
  std::fputs("usage: quorvane-xlsx FILE < SHEETS\n", stderr);
  return 2;
}

}  // namespace

#ifdef _WIN32
// Windows gives main() its arguments in the system's code page, where a
// folder's name may not fit, and libxlsxwriter built with MinGW opens files
// in that code page too. So the helper takes its argument whole (wmain),
// goes into the workbook's folder, whatever its name, and hands the library
// the file's name alone: the program names it in ASCII letters.
int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    return Usage();
  }
  std::wstring name = argv[1];
  const std::size_t slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) {
    if (SetCurrentDirectoryW(name.substr(0, slash + 1).c_str()) == 0) {
      return 1;
    }
    name.erase(0, slash + 1);
  }
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, nullptr, 0,
                                       nullptr, nullptr);
  if (size <= 1) {
    return Usage();
  }
  std::string path(static_cast<std::size_t>(size), '\0');
  BOOL lost = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, path.data(), size, nullptr,
                      &lost);
  if (lost != FALSE) {
    return 1;  // a name the code page cannot spell
  }
  path.pop_back();  // the terminating zero
  return WriteWorkbook(path);
}
#else
int main(int argc, char** argv) {
  if (argc != 2) {
    return Usage();
  }
  return WriteWorkbook(argv[1]);
}
#endif
