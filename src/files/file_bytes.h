// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "files/file_problem.h"
#include "text/outcome.h"

// A file's bytes read whole, and written in one step.
namespace quorvane {

// The most a file of a loan or a plan is read to: far beyond any of them.
inline constexpr qint64 kLargestFile = qint64{64} * 1024 * 1024;

Outcome<QByteArray, FileProblem> ReadFileBytes(const QString& path);

// Writes the bytes to the path in one step: until the new file is complete
// the old one stays as it was, and no half-written file is ever left.
std::optional<FileProblem> SaveFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace quorvane
