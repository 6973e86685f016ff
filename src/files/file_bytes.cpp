// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/file_bytes.h"

#include <QFile>
#include <QSaveFile>

namespace quorvane {

Outcome<QByteArray, FileProblem> ReadFileBytes(const QString& path) {
  using Kind = FileProblem::Kind;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return FileProblem{Kind::CannotOpen, path};
  }
  if (file.size() > kLargestFile) {
    return FileProblem{Kind::TooLarge, path};
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    return FileProblem{Kind::CannotRead, path};
  }
  return bytes;
}

std::optional<FileProblem> SaveFileAtomically(const QString& path, const QByteArray& bytes) {
  using Kind = FileProblem::Kind;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return FileProblem{Kind::CannotCreate, path};
  }
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return FileProblem{Kind::WriteFailed, path};
  }
  if (!file.commit()) {
    return FileProblem{Kind::CommitFailed, path};
  }
  return std::nullopt;
}

}  // namespace quorvane
