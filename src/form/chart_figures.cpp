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
std::optional<double> Charted(std::string_view text) {
  const auto figure = FieldNumber(text);
  if (!figure || !std::isfinite(*figure) || std::fabs(*figure) > kLargestCharted) {
    return std::nullopt;
  }
  return figure;
}

std::optional<std::int64_t> Fen(std::optional<double> yuan) {
  if (!yuan) {
    return std::nullopt;
  }
  return std::llround(*yuan * 100);
}

std::optional<std::int64_t> Fen(std::string_view text) { return Fen(Charted(text)); }

// A running sum of fen stays far inside 64 bits: each month adds at most
// kLargestCharted yuan, and the sum stops being known before it could wrap.
constexpr std::int64_t kLargestSumFen = std::int64_t{4'000'000'000'000'000'000};

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

// One unit in the last of the 7 significant digits that a report writes.
double LastDigitUnit(std::string_view text) {
  const double figure = FieldNumber(text).value_or(0);
  return figure == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(figure))) - 6);
}

// What is owed before an equal-principal report's first month. Its 总还款
// counts the whole loan, the principal repaid before the report included, so
// its header's principal is what is owed only when the report covers the
// whole loan: then the months' equal shares repay it to within half a fen
// each, and the header to within its last digits. Otherwise what is owed is
// what the months repay, the sum of the 其中本金 column.
std::optional<std::int64_t> EqualPrincipalOwedFen(const ReportTable& table,
                                                  std::optional<std::int64_t> headerFen) {
  std::int64_t shares = 0;
  for (const ReportMonth& month : table.months) {
    const auto share = Fen(month[2]);
    if (!share || std::llabs(shares) >= kLargestSumFen) {
      return std::nullopt;
    }
    shares += *share;
  }
  if (!headerFen) {
    return shares;
  }
  const double slackFen = 0.5 * static_cast<double>(table.months.size()) +
                          100 * (LastDigitUnit(HeaderFigure(table, "总还款")) +
                                 LastDigitUnit(HeaderFigure(table, "其中利息")));
  const bool wholeLoan = std::fabs(static_cast<double>(*headerFen - shares)) <= slackFen;
  return wholeLoan ? *headerFen : shares;
}

std::string Summary(const ReportTable& table, std::optional<std::int64_t> principalFen) {
  const std::string_view total = HeaderFigure(table, "总还款");
  const std::string_view interest = HeaderFigure(table, "其中利息");
  std::string summary =
      "本金 " + (principalFen ? FenText(*principalFen) : std::string("—")) + " 元";
  summary += "，总还款 " + std::string(total) + " 元";
  summary += "，总利息 " + std::string(interest) + " 元";
  summary += "，利息占总还款 " + InterestShare(total, interest);
  return summary;
}

}  // namespace

std::string ChartWindowTitle() { return std::string(kChartName) + " - " + WindowCaption(); }

std::string FenText(std::int64_t fen) {
  const bool negative = fen < 0;
  const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(fen)
                                           : static_cast<std::uint64_t>(fen);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 100);
  const auto cents = static_cast<unsigned>(magnitude % 100);
  if (cents != 0) {
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) {
      text += static_cast<char>('0' + cents % 10);
    }
  }
  return text;
}

ChartFigures FiguresOf(const ReportTable& table) {
  ChartFigures figures;
  const auto totalFen = Fen(HeaderFigure(table, "总还款"));
  const auto interestFen = Fen(HeaderFigure(table, "其中利息"));
  std::optional<std::int64_t> principalFen;
  if (totalFen && interestFen) {
    principalFen = *totalFen - *interestFen;
  }
  figures.summary = Summary(table, principalFen);
  const auto balanceFen = table.method == ReportMethod::EqualPayment
                              ? principalFen
                              : EqualPrincipalOwedFen(table, principalFen);
  figures.plottable = balanceFen.has_value();
  figures.texts = table.months;
  figures.months.reserve(table.months.size());
  auto owedFen = balanceFen;
  for (const ReportMonth& texts : table.months) {
    const auto period = Charted(texts[0]);
    const auto payment = Charted(texts[1]);  // not drawn itself: the bars stack up to it
    const auto principal = Charted(texts[2]);
    const auto interest = Charted(texts[3]);
    const auto shareFen = Fen(principal);
    if (owedFen && shareFen && std::llabs(*owedFen) < kLargestSumFen) {
      *owedFen -= *shareFen;
    } else {
      owedFen.reset();
    }
    figures.plottable = figures.plottable && period && payment && principal && interest && owedFen;
    figures.months.push_back(
        {period.value_or(0), principal.value_or(0), interest.value_or(0), owedFen});
  }
  return figures;
}

std::string MonthLine(const ChartFigures& figures, std::size_t month) {
  const ReportMonth& texts = figures.texts.at(month);
  std::string line = "第 " + texts[0] + " 期：月还款 " + texts[1] + " 元，其中本金 " + texts[2] +
                     " 元，利息 " + texts[3] + " 元";
  if (const auto balance = figures.months.at(month).balanceFen) {
    line += "，剩余本金 " + FenText(*balance) + " 元";
  }
  return line;
}

}  // namespace quorvane
