// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/chart_figures.h"

#include <charconv>
#include <cmath>

#include "arith/number_rules.h"
#include "form/form_design.h"

namespace quorvane {

namespace {

// A figure of the report as a number the chart can draw: nothing when it is
// beyond what the axes show.
std::optional<double> Charted(std::optional<double> figure) {
  if (!figure || !std::isfinite(*figure) || std::fabs(*figure) > kLargestCharted) {
    return std::nullopt;
  }
  return figure;
}

std::optional<double> Charted(std::string_view text) { return Charted(FieldNumber(text)); }

std::optional<std::int64_t> Fen(std::optional<double> yuan) {
  if (!yuan) {
    return std::nullopt;
  }
  return std::llround(*yuan * 100);
}

// A running sum of fen stays far inside 64 bits: each month adds at most
// kLargestCharted yuan, and the sum stops being known before it could wrap.
constexpr std::int64_t kLargestSumFen = std::int64_t{4'000'000'000'000'000'000};

// Adds fen to a running sum; unknown once either is.
void Add(std::optional<std::int64_t>& sum, std::optional<std::int64_t> fen) {
  if (sum && fen && std::llabs(*sum) < kLargestSumFen) {
    *sum += *fen;
  } else {
    sum.reset();
  }
}

std::string_view HeaderFigure(const ReportTable& table, std::string_view label) {
  for (const ReportFigure& figure : table.figures) {
    if (figure.label == label) {
      return figure.value;
    }
  }
  return {};
}

// 利息 as a share of 总还款, in percent with one decimal: "54.3%".
std::string InterestShare(std::string_view total, std::string_view interest) {
  const auto totalYuan = FieldNumber(total);
  const auto interestYuan = FieldNumber(interest);
  if (!totalYuan || !interestYuan || *totalYuan == 0) {
    return "—";
  }
  const double percent = *interestYuan / *totalYuan * 100;
  if (!std::isfinite(percent)) {
    return "—";
  }
  char digits[400];
  const auto written =
      std::to_chars(std::begin(digits), std::end(digits), percent, std::chars_format::fixed, 1);
  std::string share(digits, written.ptr);
  if (share == "-0.0") {
    share = "0.0";
  }
  return share + "%";
}

// A month's figure, named by its column's heading.
enum Column : std::size_t { kPeriod, kPayment, kPrincipal, kInterest };

}  // namespace

std::string ChartWindowTitle() { return std::string(kChartName) + " - " + WindowCaption(); }

std::string_view WithoutUnit(std::string_view heading) {
  return heading.substr(0, heading.find("(元)"));
}

std::string MoneyText(ReportMethod method, std::int64_t fen) {
  // Below 10^13 yuan the 15 digits written are exactly the fen.
  return NumberText(static_cast<double>(fen) / 100, ShapeOf(method).monthMoney);
}

std::optional<std::int64_t> OwedBeforeFirstMonth(const ReportTable& table,
                                                 std::optional<double> owedYuan) {
  if (owedYuan) {
    return Fen(Charted(owedYuan));
  }
  std::optional<std::int64_t> shares = 0;
  for (const ReportMonth& month : table.months) {
    Add(shares, Fen(Charted(month[kPrincipal])));
  }
  return shares;
}

std::vector<std::optional<std::int64_t>> BalancesAfterMonths(const ReportTable& table,
                                                             std::optional<std::int64_t> owedFen) {
  std::vector<std::optional<std::int64_t>> balances;
  balances.reserve(table.months.size());
  auto balance = owedFen;
  for (const ReportMonth& month : table.months) {
    const auto share = Fen(Charted(month[kPrincipal]));
    Add(balance, share ? std::optional(-*share) : std::nullopt);
    balances.push_back(balance);
  }
  return balances;
}

std::string Summary(const ReportTable& table) {
  const std::string_view total = HeaderFigure(table, kTotalLabel);
  const std::string_view interest = HeaderFigure(table, kInterestTotalLabel);
  const auto totalFen = Fen(Charted(total));
  const auto interestFen = Fen(Charted(interest));
  const std::string principal = totalFen && interestFen
                                    ? MoneyText(table.method, *totalFen - *interestFen)
                                    : std::string("—");
  return "本金 " + principal + " 元，" + std::string(kTotalLabel) + " " + std::string(total) +
         " 元，总利息 " + std::string(interest) + " 元，利息占总还款 " +
         InterestShare(total, interest);
}

ChartFigures FiguresOf(ReportTable table, std::optional<double> owedYuan) {
  ChartFigures figures;
  figures.summary = Summary(table);
  const auto balances = BalancesAfterMonths(table, OwedBeforeFirstMonth(table, owedYuan));
  figures.months.reserve(table.months.size());
  for (std::size_t i = 0; i < table.months.size(); ++i) {
    const ReportMonth& texts = table.months[i];
    const auto period = Charted(texts[kPeriod]);
    const auto payment = Charted(texts[kPayment]);  // not drawn itself: the bars stack up to it
    const auto principal = Charted(texts[kPrincipal]);
    const auto interest = Charted(texts[kInterest]);
    figures.plottable =
        figures.plottable && period && payment && principal && interest && balances[i];
    figures.months.push_back(
        {period.value_or(0), principal.value_or(0), interest.value_or(0), balances[i]});
  }
  figures.report = std::move(table);
  return figures;
}

std::string MonthLine(const ChartFigures& figures, std::size_t month) {
  if (!figures.monthLines.empty()) {
    return figures.monthLines.at(month);
  }
  const ReportMonth& texts = figures.report.months.at(month);
  const auto words = [](std::size_t column) {
    return std::string(WithoutUnit(kMonthHeadings.at(column)));
  };
  std::string line = "第 " + texts[kPeriod] + " 期：" + words(kPayment) + " " + texts[kPayment] +
                     " 元，" + words(kPrincipal) + " " + texts[kPrincipal] + " 元，" +
                     words(kInterest) + " " + texts[kInterest] + " 元";
  if (const auto balance = figures.months.at(month).balanceFen) {
    line += "，" + std::string(WithoutUnit(kBalanceHeading)) + " " +
            MoneyText(figures.report.method, *balance) + " 元";
  }
  return line;
}

}  // namespace quorvane
