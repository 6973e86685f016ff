// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <utility>

// What kept a file from being read or written, and the words the borrower
// reads for it: every message of the files is chosen here.
namespace quorvane {

struct FileProblem {
  enum class Kind {
    CannotOpen,    // missing, or not ours to read
    TooLarge,      // larger than any loan or plan
    CannotRead,    // the reading failed part way
    CannotCreate,  // the folder is missing, read-only or not ours to write
    WriteFailed,   // the disk is full
    CommitFailed,  // the new file could not take the old one's place
    Broken,        // a loan file cut short or garbled
    NotALoanFile,  // JSON, but not a loan file of Quorvane's
    BadContent,    // a loan file with a field written wrong: `detail` says which
    Newer,         // written by a newer Quorvane: `version` is its format's
    NotAWorkbook,  // a workbook that cannot be read as one
    NoHelper,      // the program that reads .xls workbooks is missing: `path` is its
    NoWriter,      // the program that writes .xlsx workbooks is missing: `path` is its
    NoWorkbooks,   // this build reads no workbooks
  };
  explicit FileProblem(Kind what, QString file = {}, QString words = {}, int format = 0)
      : kind(what), path(std::move(file)), detail(std::move(words)), version(format) {}
  Kind kind;
  QString path;
  QString detail;
  int version;
};

QString FileProblemWords(const FileProblem& problem);

}  // namespace quorvane
