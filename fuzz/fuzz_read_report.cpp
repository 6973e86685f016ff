// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The report reader on any text, as a user may type or paste into the boxes:
// it never fails on its input, every figure it gives is a number and stands
// in the text as given, and line ends in LF alone read as CR LF do.
#include <string>

#include "arith/report_reader.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

namespace {

// The text with each CR LF as LF alone.
std::string WithLineFeeds(std::string_view text) {
  std::string lineFeeds;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      lineFeeds += text[i];
    }
  }
  return lineFeeds;
}

void CheckFigure(std::string_view figure, std::string_view text) {
  Check(FieldNumber(figure).has_value(), "a figure read is a number", text);
  Check(text.find(figure) != std::string_view::npos, "a figure read stands in the text", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto report = ReadReport(text);
  if (report) {
    Check(!report->figures.empty(), "a report has header figures", text);
    for (const ReportFigure& figure : report->figures) {
      CheckFigure(figure.value, text);
    }
    for (const ReportMonth& month : report->months) {
      for (const std::string& figure : month) {
        CheckFigure(figure, text);
      }
    }
  }
  const auto log = ReadLog(text);
  if (log) {
    for (const std::string& amount : log->amounts) {
      CheckFigure(amount, text);
    }
  }
  const std::string lineFeeds = WithLineFeeds(text);
  if (lineFeeds == text || lineFeeds.find('\r') != std::string::npos) {
    return 0;  // no CR LF, or a carriage return of another kind
  }
  const auto again = ReadReport(lineFeeds);
  Check(again.has_value() == report.has_value(), "LF alone reads as CR LF does", text);
  if (report && again) {
    Check(again->months == report->months, "the same months with LF alone", text);
  }
  Check(ReadLog(lineFeeds).has_value() == log.has_value(), "LF alone reads as CR LF in the log",
        text);
  return 0;
}
