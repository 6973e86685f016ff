// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A loan's whole history from any contract, rate steps and prepayments: when
// it can be repaid at all, it ends at 0.00, its principal sums to the amount
// lent, and nothing it owes or repays is ever negative.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/loan_history.h"
#include "report_shape.h"

using namespace quorvane;
using namespace quorvane::fuzzing;

namespace {

// The input read a few bytes at a time; zeros once it runs out.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint64_t Take(int count) {
    std::uint64_t value = 0;
    for (int n = 0; n < count; ++n) {
      value = value << 8 | (at_ < size_ ? data_[at_++] : 0);
    }
    return value;
  }
  bool Left() const { return at_ < size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

year_month_day DayOf(std::uint64_t number) {
  const std::chrono::sys_days first{std::chrono::year{2004} / 10 / 29};
  return year_month_day{first + std::chrono::days{static_cast<int>(number % 8'500)}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  Contract contract;
  contract.kind = in.Take(1) % 2 == 0 ? LoanKind::Commercial : LoanKind::Fund;
  contract.granted = DayOf(in.Take(2));
  contract.paymentDay = static_cast<int>(in.Take(1) % 28) + 1;
  contract.months = static_cast<int>(in.Take(2) % kLongestTerm) + 1;
  contract.discountTenths = static_cast<int>(in.Take(1) % 150) + 1;
  contract.repricing = static_cast<Repricing>(in.Take(1) % 3);
  contract.firstRate =
      Percent{static_cast<std::int64_t>(in.Take(3) % (kHighestRate.tenThousandths + 1))};
  const Repayment method =
      in.Take(1) % 2 == 0 ? Repayment::EqualPayment : Repayment::EqualPrincipal;
  const Fen amount = static_cast<Fen>(in.Take(5) % kLargestBalance) + 1;

  std::vector<RateStep> steps;
  for (const RateEvent& event : RateEvents(contract)) {
    steps.push_back({event.effective, event.rate});
  }
  std::vector<Prepayment> prepayments;
  while (in.Left()) {
    const year_month_day day = DayOf(in.Take(2) * 3);
    if (in.Take(1) % 2 == 0) {
      steps.push_back({day, Percent{static_cast<std::int64_t>(in.Take(3) %
                                                              (kHighestRate.tenThousandths + 1))}});
    } else {
      prepayments.push_back(
          {day, static_cast<Fen>(in.Take(5) % (2 * kLargestBalance)), in.Take(1) % 2 == 0});
    }
  }
  std::ranges::stable_sort(steps, {}, &RateStep::effective);
  std::ranges::stable_sort(prepayments, {}, &Prepayment::day);

  const auto rows = LoanHistory(contract, amount, method, steps, prepayments);
  if (!rows) {
    return 0;  // a payment below a month's interest: the window says so
  }
  const std::string_view context = "loan history";
  Check(!rows->empty(), "at least one row", context);
  Fen repaid = 0;
  for (const HistoryRow& row : *rows) {
    const std::string figures =
        std::to_string(row.number) + ": " + std::to_string(row.month.payment) + " " +
        std::to_string(row.month.principal) + " " + std::to_string(row.month.interest) + " " +
        std::to_string(row.month.balance) + " at " + std::to_string(row.rate.tenThousandths);
    Check(row.month.balance >= 0 && row.month.principal >= 0 && row.month.interest >= 0,
          "nothing negative", figures);
    repaid += row.month.principal;
  }
  Check(rows->back().month.balance == 0, "ends at 0.00", context);
  Check(repaid == amount, "the principal sums to the amount", context);
  return 0;
}
