// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sheet/contract_texts.h"

// The loan's whole story as its window holds it: one or two parts (a
// combination loan has a provident fund part beside the commercial one),
// Quorvane's rate events with the ones the borrower switched off, and the
// borrower's own rows: prepayments and the rates of the bank's notices.
// From it come the events table and the months of each part.
namespace quorvane {

// A row of the events table.
struct EventRow {
  SheetPart part = SheetPart::Main;
  std::optional<std::size_t> borrowerRow;  // the borrower's: its index in their events
  std::optional<EventKey> key;             // Quorvane's
  year_month_day effective;
  std::string what;             // 事件
  std::optional<Percent> rate;  // the rate after it
  std::optional<Percent> base;  // a spread cut's LPR, from which an edited rate makes the spread
  std::string why;              // 说明
  bool on = true;
  bool noEffect = false;         // after the loan's end
  bool lprAssumed = false;       // on a fixing later than the last one known
  std::optional<Percent> lpr{};  // the LPR an LPR loan's rate is made of
};

struct LoanSheet {
  LoanTerms terms;                              // the contract as read
  std::vector<EventRow> events;                 // in the order they are taken
  std::vector<std::vector<HistoryRow>> months;  // each part's
  std::optional<ContractProblem> problem;       // what is wrong
  std::vector<std::string> notes;               // what the window says it assumed
};

// Everything the window shows of a contract and the borrower's choices,
// with the fixings the borrower typed after the last one known.
LoanSheet ComputeSheet(const LoanTerms& contract, const SheetChoices& choices,
                       const std::vector<LprFixing>& fixings = {});

// The same from the contract as typed; a contract that cannot be read has
// its problem and nothing else.
LoanSheet SheetOf(const ContractTexts& texts, const SheetChoices& choices, year_month_day today,
                  const std::vector<LprFixing>& fixings = {});

}  // namespace quorvane
