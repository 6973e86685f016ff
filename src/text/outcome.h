// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>
#include <variant>

// What a reader of outside text gives back: the value it read, or the
// problem that kept it from one. The words for a problem are chosen where
// the layer that knows it says them, not by the reader.
namespace quorvane {

template <typename Value, typename Problem>
class Outcome {
 public:
  // A reader returns either as it is.
  Outcome(Value value) : held_(std::in_place_index<0>, std::move(value)) {}
  Outcome(Problem problem) : held_(std::in_place_index<1>, std::move(problem)) {}

  [[nodiscard]] bool HasValue() const { return held_.index() == 0; }
  explicit operator bool() const { return HasValue(); }
  [[nodiscard]] const Value& operator*() const& { return std::get<0>(held_); }
  [[nodiscard]] Value&& operator*() && { return std::get<0>(std::move(held_)); }
  [[nodiscard]] const Value* operator->() const { return &std::get<0>(held_); }
  [[nodiscard]] const Problem& Failure() const { return std::get<1>(held_); }

 private:
  std::variant<Value, Problem> held_;
};

}  // namespace quorvane
