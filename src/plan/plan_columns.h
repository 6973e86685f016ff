// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/plan_cells.h"

// What each column of a bank's plan holds: found by its heading, in the
// words banks use, or else by the arithmetic of a plan.
namespace quorvane {

enum class PlanColumn { Other, Number, Due, Payment, Principal, Interest, Balance };
inline constexpr std::size_t kPlanColumnKinds = 7;

// The words of a column's meaning, as the borrower picks them: "期数" ….
std::string_view PlanColumnName(PlanColumn column);

// The headings of a row, where at least two of its cells are headings of
// different meanings.
std::optional<std::vector<PlanColumn>> HeadingRow(const std::vector<std::string>& row);

// The columns of a plan without headings, from what its cells look like and
// the sums its figures make.
std::vector<PlanColumn> ColumnsByArithmetic(const PlanCells& cells);

// How many of the columns are figures: 月供, 本金, 利息 or 剩余本金.
int FigureColumns(const std::vector<PlanColumn>& columns);

}  // namespace quorvane
