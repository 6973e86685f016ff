// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

// Reports are compared line by line, so a failure names the first line that
// differs instead of dumping two long texts.
namespace quorvane::testing {

// The lines of a report whose lines end in CR LF. A trailing empty piece after
// the last line break is dropped; a line without CR LF at its end is kept.
inline QStringList ReportLines(const std::string& report) {
  QStringList lines = QString::fromStdString(report).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) {
    lines.removeLast();
  }
  return lines;
}

// No lines when there is no report.
inline QStringList ReportLines(const std::optional<std::string>& report) {
  return report ? ReportLines(*report) : QStringList();
}

// Empty when the two agree, else a sentence naming the first difference.
inline QString FirstDifference(const QStringList& actual, const QStringList& expected) {
  const auto common = std::min(actual.size(), expected.size());
  for (qsizetype i = 0; i < common; ++i) {
    if (actual[i] != expected[i]) {
      return QStringLiteral("line %1 differs:\n   actual: %2\n expected: %3")
          .arg(i + 1)
          .arg(actual[i], expected[i]);
    }
  }
  if (actual.size() != expected.size()) {
    return QStringLiteral("%1 lines instead of %2").arg(actual.size()).arg(expected.size());
  }
  return {};
}

}  // namespace quorvane::testing

#define QUORVANE_COMPARE_LINES(actual, expected)                                     \
  do {                                                                               \
    const QString difference = quorvane::testing::FirstDifference(actual, expected); \
    QVERIFY2(difference.isEmpty(), qPrintable(difference));                          \
  } while (false)
