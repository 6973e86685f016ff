// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/loan_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <utility>

#include "sheet/own_fixings.h"
#include "text/day_text.h"
#include "text/decimal_text.h"

namespace quorvane {

namespace {

// What says the file is ours: a word of its own, not a file name's suffix.
constexpr std::string_view kFormatName = "Quorvane 贷款历程";
constexpr qsizetype kLongestField = 32;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The words the file writes for each choice, and reads back.
template <typename Value>
using Names = std::initializer_list<std::pair<Value, std::string_view>>;

const Names<LoanKind> kKinds{{LoanKind::Commercial, "commercial"}, {LoanKind::Fund, "fund"}};
const Names<Repayment> kMethods{{Repayment::EqualPayment, "equal-payment"},
                                {Repayment::EqualPrincipal, "equal-principal"}};
const Names<Repricing> kRepricings{{Repricing::NextJanuary, "next-january"},
                                   {Repricing::Anniversary, "anniversary"},
                                   {Repricing::ChangeDay, "change-day"}};
const Names<SheetView> kViews{
    {SheetView::Main, "main"}, {SheetView::Fund, "fund"}, {SheetView::Both, "both"}};
const Names<SheetPart> kParts{{SheetPart::Main, "main"}, {SheetPart::Fund, "fund"}};
const Names<RateEventKind> kEventKinds{{RateEventKind::Benchmark, "benchmark"},
                                       {RateEventKind::LprConversion, "lpr-conversion"},
                                       {RateEventKind::LprRepricing, "lpr-repricing"},
                                       {RateEventKind::SpreadCap, "spread-cap"},
                                       {RateEventKind::FixedRate, "fixed-rate"}};
const Names<BorrowerEvent::Kind> kBorrowerKinds{{BorrowerEvent::Kind::Prepayment, "prepayment"},
                                                {BorrowerEvent::Kind::Rate, "rate"},
                                                {BorrowerEvent::Kind::Spread, "spread"},
                                                {BorrowerEvent::Kind::Cycle, "cycle"},
                                                {BorrowerEvent::Kind::ToLpr, "to-lpr"}};
const Names<BorrowerEvent::Repeat> kRepeats{{BorrowerEvent::Repeat::Once, "once"},
                                            {BorrowerEvent::Repeat::Yearly, "yearly"},
                                            {BorrowerEvent::Repeat::Monthly, "monthly"}};
const Names<LprTenor> kTenors{{LprTenor::FiveYear, "five-year"}, {LprTenor::OneYear, "one-year"}};
const Names<Conversion> kConversions{{Conversion::LprSpread, "lpr-spread"},
                                     {Conversion::Fixed, "fixed"}};
const Names<LprReading> kReadings{{LprReading::LatestPublished, "latest-published"},
                                  {LprReading::MonthBefore, "month-before"}};
const Names<PlanColumn> kColumns{{PlanColumn::Other, "other"},
                                 {PlanColumn::Number, "number"},
                                 {PlanColumn::Due, "due"},
                                 {PlanColumn::Payment, "payment"},
                                 {PlanColumn::Principal, "principal"},
                                 {PlanColumn::Interest, "interest"},
                                 {PlanColumn::Balance, "balance"}};

template <typename Value>
QString NameOf(const Names<Value>& names, Value value) {
  for (const auto& [known, name] : names) {
    if (known == value) {
      return Text(name);
    }
  }
  return {};
}

// A decimal exactly, with at least `least` of its `places`: "50000.00", "6.12", "-0.30".
QString DecimalString(std::int64_t value, int places, int least) {
  return Text(DecimalText(value, places, least));
}

// Whether bytes that are no JSON were a file of ours, cut short: it names
// itself, or begins as this program writes every file, with the contract.
bool LooksOurs(const QByteArray& bytes) {
  return bytes.contains(QByteArray::fromRawData(kFormatName.data(),
                                                static_cast<qsizetype>(kFormatName.size()))) ||
         bytes.startsWith("{\n    \"contract\"");
}

QString DayString(year_month_day day) { return Text(DayText(day)); }

// A cut's key in the file: its day, "2023-09-25".
std::string CutKey(std::size_t cut) { return DayText(kSpreadCuts.at(cut).day); }

QJsonObject ContractObject(const ContractTexts& texts) {
  return {{"kind", NameOf(kKinds, texts.kind)},
          {"granted", Text(texts.granted)},
          {"paymentDay", Text(texts.paymentDay)},
          {"amount", Text(texts.amount)},
          {"months", Text(texts.months)},
          {"method", NameOf(kMethods, texts.method)},
          {"discount", Text(texts.discount)},
          {"firstRate", Text(texts.firstRate)},
          {"repricing", NameOf(kRepricings, texts.repricing)},
          {"combined", texts.combined},
          {"fundAmount", Text(texts.fundAmount)},
          {"fundMonths", Text(texts.fundMonths)},
          {"fundDiscount", Text(texts.fundDiscount)},
          {"fundFirstRate", Text(texts.fundFirstRate)},
          {"tenor", NameOf(kTenors, texts.tenor)},
          {"spread", Text(texts.spread)},
          {"conversionDay", Text(texts.conversionDay)},
          {"conversion", NameOf(kConversions, texts.conversion)},
          {"firstHome", texts.firstHome},
          {"reading", NameOf(kReadings, texts.reading)}};
}

QJsonObject EventObject(const BorrowerEvent& event) {
  QJsonObject object{{"kind", NameOf(kBorrowerKinds, event.kind)},
                     {"part", NameOf(kParts, event.part)},
                     {"day", DayString(event.day)}};
  switch (event.kind) {
    case BorrowerEvent::Kind::Prepayment:
      object.insert("amount", DecimalString(event.amount, 2, 2));
      object.insert("shortenTerm", event.shortenTerm);
      object.insert("repeat", NameOf(kRepeats, event.repeat));
      if (event.until) {
        object.insert("until", DayString(*event.until));
      }
      break;
    case BorrowerEvent::Kind::Rate:
      object.insert("rate", DecimalString(event.rate.tenThousandths, 4, 2));
      break;
    case BorrowerEvent::Kind::Spread:
    case BorrowerEvent::Kind::ToLpr:
      object.insert("spread", DecimalString(event.spread.tenThousandths, 4, 2));
      break;
    case BorrowerEvent::Kind::Cycle:
      object.insert("cycleMonths", event.cycleMonths);
      break;
  }
  return object;
}

// The plan a row a line, its cells parted by tabs as a spreadsheet copies
// them: a tab or a line end inside a cell is written as a blank.
QJsonObject PlanObject(const KeptPlan& plan) {
  QJsonArray rows;
  for (const auto& row : plan.cells) {
    rows.append(Text(JoinedRow(row)));
  }
  QJsonArray chosen;
  for (const PlanColumn column : plan.chosen) {
    chosen.append(NameOf(kColumns, column));
  }
  return {{"rows", rows}, {"columns", chosen}};
}

// Reads the parts of the file, keeping the first thing found wrong.
class Reader {
 public:
  explicit Reader(int version) : version_(version) {}

  // What was found wrong first, if anything.
  [[nodiscard]] const QString& Problem() const { return problem_; }

  // A member of an object, of the kind expected.
  QJsonValue Member(const QJsonObject& object, const char* key, QJsonValue::Type type) {
    QJsonValue value = object.value(QLatin1String(key));
    if (value.type() != type) {
      Fail(QStringLiteral("缺少或写错了“%1”").arg(QLatin1String(key)));
      return QJsonValue(type);
    }
    return value;
  }

  // A field's text as typed: digits, points and dashes, as the fields take.
  std::string FieldText(const QJsonObject& object, const char* key) {
    const QString text = Member(object, key, QJsonValue::String).toString();
    const auto typable = [](QChar c) {
      return (c >= QChar('0') && c <= QChar('9')) || c == QChar('.') || c == QChar('-');
    };
    const bool typed =
        text.size() <= kLongestField && std::all_of(text.begin(), text.end(), typable);
    if (!typed) {
      Fail(QStringLiteral("“%1”的内容不是可以输入的数字").arg(QLatin1String(key)));
    }
    return text.toStdString();
  }

  template <typename Value>
  Value Named(const QJsonObject& object, const char* key, const Names<Value>& names) {
    const QString name = Member(object, key, QJsonValue::String).toString();
    for (const auto& [value, known] : names) {
      if (name == Text(known)) {
        return value;
      }
    }
    Fail(QStringLiteral("“%1”的值 %2 无法识别").arg(QLatin1String(key), name));
    return names.begin()->first;
  }

  year_month_day Day(const QJsonObject& object, const char* key) {
    const auto day = ReadDay(Member(object, key, QJsonValue::String).toString().toStdString());
    if (!day) {
      Fail(QStringLiteral("“%1”不是日期").arg(QLatin1String(key)));
      return {};
    }
    return *day;
  }

  // A decimal of so many places at most, within the bounds.
  std::int64_t Decimal(const QJsonObject& object, const char* key, int places, std::int64_t least,
                       std::int64_t most) {
    const QString text = Member(object, key, QJsonValue::String).toString();
    const auto value = ReadSignedDecimal(text.toStdString(), places);
    if (!value || *value < least || *value > most) {
      Fail(QStringLiteral("“%1”的数值 %2 不对").arg(QLatin1String(key), text));
      return least;
    }
    return *value;
  }

  ContractTexts Contract(const QJsonObject& object) {
    ContractTexts texts;
    texts.kind = Named(object, "kind", kKinds);
    texts.granted = FieldText(object, "granted");
    texts.paymentDay = FieldText(object, "paymentDay");
    texts.amount = FieldText(object, "amount");
    texts.months = FieldText(object, "months");
    texts.method = Named(object, "method", kMethods);
    texts.discount = FieldText(object, "discount");
    texts.firstRate = FieldText(object, "firstRate");
    texts.repricing = Named(object, "repricing", kRepricings);
    texts.combined = Member(object, "combined", QJsonValue::Bool).toBool();
    texts.fundAmount = FieldText(object, "fundAmount");
    texts.fundMonths = FieldText(object, "fundMonths");
    texts.fundDiscount = FieldText(object, "fundDiscount");
    // Before version 2 the fund part took its table's first rate.
    texts.fundFirstRate = version_ >= 2 ? FieldText(object, "fundFirstRate")
                                        : TableFirstRate(texts, SheetPart::Fund).value_or("");
    // Before version 4 no loan was priced on the LPR from the start, and
    // every conversion was to LPR plus a spread on its first day.
    if (version_ >= 4) {
      texts.tenor = Named(object, "tenor", kTenors);
      texts.spread = FieldText(object, "spread");
      texts.conversionDay = FieldText(object, "conversionDay");
      texts.conversion = Named(object, "conversion", kConversions);
      texts.firstHome = Member(object, "firstHome", QJsonValue::Bool).toBool();
      texts.reading = Named(object, "reading", kReadings);
    }
    return texts;
  }

  BorrowerEvent Event(const QJsonObject& object) {
    BorrowerEvent event;
    event.kind = Named(object, "kind", kBorrowerKinds);
    event.part = Named(object, "part", kParts);
    event.day = Day(object, "day");
    const std::int64_t widest = kWidestSpread.tenThousandths;
    switch (event.kind) {
      case BorrowerEvent::Kind::Prepayment:
        event.amount = Decimal(object, "amount", 2, 1, kLargestBalance);
        event.shortenTerm = Member(object, "shortenTerm", QJsonValue::Bool).toBool();
        // Before version 5 a prepayment was made once.
        if (version_ >= 5) {
          event.repeat = Named(object, "repeat", kRepeats);
          if (object.contains(QLatin1String("until"))) {
            event.until = Day(object, "until");
          }
        }
        break;
      case BorrowerEvent::Kind::Rate:
        event.rate = Percent{Decimal(object, "rate", 4, 0, kHighestRate.tenThousandths)};
        break;
      case BorrowerEvent::Kind::Spread:
      case BorrowerEvent::Kind::ToLpr:
        event.spread = Percent{Decimal(object, "spread", 4, -widest, widest)};
        break;
      case BorrowerEvent::Kind::Cycle:
        event.cycleMonths = Member(object, "cycleMonths", QJsonValue::Double).toInt();
        if (std::find(kRepricingCycles.begin(), kRepricingCycles.end(), event.cycleMonths) ==
            kRepricingCycles.end()) {
          Fail(QStringLiteral("“cycleMonths”应为 3、6 或 12"));
        }
        break;
    }
    return event;
  }

  SheetChoices Choices(const QJsonObject& object) {
    SheetChoices choices;
    for (const auto& value : Member(object, "events", QJsonValue::Array).toArray()) {
      choices.borrowerEvents.push_back(Event(value.toObject()));
    }
    for (const auto& value : Member(object, "switchedOff", QJsonValue::Array).toArray()) {
      const QJsonObject off = value.toObject();
      choices.switchedOff.insert(
          {Named(off, "part", kParts), Named(off, "kind", kEventKinds), Day(off, "effective")});
    }
    // Before version 3 nothing of Quorvane's could be moved.
    const QJsonArray moved =
        version_ >= 3 ? Member(object, "moved", QJsonValue::Array).toArray() : QJsonArray{};
    for (const auto& value : moved) {
      const QJsonObject move = value.toObject();
      choices.moved.insert_or_assign(
          EventKey{Named(move, "part", kParts), Named(move, "kind", kEventKinds),
                   Day(move, "effective")},
          Day(move, "to"));
    }
    const QJsonObject cuts = Member(object, "spreadCuts", QJsonValue::Object).toObject();
    const std::int64_t most = kHighestRate.tenThousandths;
    for (std::size_t cut = 0; cut < kSpreadCuts.size(); ++cut) {
      // Before version 4 each cut's spread was written, the tier or not.
      const std::string key = CutKey(cut);
      if (version_ < 4 || cuts.contains(Text(key))) {
        choices.caps.at(cut) = Percent{Decimal(cuts, key.c_str(), 4, -most, most)};
      }
    }
    const QJsonObject options = Member(object, "options", QJsonValue::Object).toObject();
    choices.byDays.acrossChange = Member(options, "acrossChange", QJsonValue::Bool).toBool();
    choices.byDays.firstMonth = Member(options, "firstMonthByDays", QJsonValue::Bool).toBool();
    choices.byDays.daysInYear = Member(options, "daysInYear", QJsonValue::Double).toInt();
    if (std::find(kDaysInYears.begin(), kDaysInYears.end(), choices.byDays.daysInYear) ==
        kDaysInYears.end()) {
      Fail(QStringLiteral("“daysInYear”应为 %1 或 %2").arg(kDaysInYears[0]).arg(kDaysInYears[1]));
    }
    return choices;
  }

  // Before version 4 no fixing could be typed.
  std::vector<LprFixing> Fixings(const QJsonObject& root) {
    std::vector<LprFixing> fixings;
    if (version_ < 4) {
      return fixings;
    }
    const std::int64_t most = kHighestFixing.tenThousandths;
    for (const auto& value : Member(root, "lprFixings", QJsonValue::Array).toArray()) {
      const QJsonObject fixing = value.toObject();
      fixings.push_back({Day(fixing, "fixed"), Percent{Decimal(fixing, "oneYear", 4, 0, most)},
                         Percent{Decimal(fixing, "fiveYear", 4, 0, most)}});
    }
    return fixings;
  }

  KeptPlan Plan(const QJsonObject& object) {
    KeptPlan plan;
    const QJsonArray rows = Member(object, "rows", QJsonValue::Array).toArray();
    plan.cells.reserve(static_cast<std::size_t>(rows.size()));
    for (const auto& row : rows) {
      if (!row.isString()) {
        Fail(QStringLiteral("银行计划的行写错了"));
      }
      // A line end in a row is a blank, as it is written.
      const std::string line = row.toString()
                                   .replace(QChar('\n'), QChar(' '))
                                   .replace(QChar('\r'), QChar(' '))
                                   .toStdString();
      plan.cells.push_back(line.empty() ? std::vector<std::string>{} : TabbedCells(line));
    }
    for (const auto& column : Member(object, "columns", QJsonValue::Array).toArray()) {
      const QJsonObject holder{{"column", column}};
      plan.chosen.push_back(Named(holder, "column", kColumns));
    }
    return plan;
  }

 private:
  void Fail(const QString& problem) {
    if (problem_.isEmpty()) {
      problem_ = problem;
    }
  }

  int version_;
  QString problem_;
};

}  // namespace

QByteArray WriteLoanFile(const LoanFile& file) {
  QJsonArray events;
  for (const BorrowerEvent& event : file.choices.borrowerEvents) {
    events.append(EventObject(event));
  }
  QJsonArray switchedOff;
  for (const EventKey& key : file.choices.switchedOff) {
    switchedOff.append(QJsonObject{{"part", NameOf(kParts, key.part)},
                                   {"kind", NameOf(kEventKinds, key.kind)},
                                   {"effective", DayString(key.effective)}});
  }
  QJsonArray moved;
  for (const auto& [key, day] : file.choices.moved) {
    moved.append(QJsonObject{{"part", NameOf(kParts, key.part)},
                             {"kind", NameOf(kEventKinds, key.kind)},
                             {"effective", DayString(key.effective)},
                             {"to", DayString(day)}});
  }
  QJsonArray fixings;
  for (const LprFixing& fixing : file.fixings) {
    fixings.append(QJsonObject{{"fixed", DayString(fixing.fixed)},
                               {"oneYear", DecimalString(fixing.oneYear.tenThousandths, 4, 2)},
                               {"fiveYear", DecimalString(fixing.fiveYear.tenThousandths, 4, 2)}});
  }
  QJsonObject cuts;
  for (std::size_t cut = 0; cut < kSpreadCuts.size(); ++cut) {
    if (const auto cap = file.choices.caps.at(cut)) {
      cuts.insert(Text(CutKey(cut)), DecimalString(cap->tenThousandths, 4, 2));
    }
  }
  const DayInterest& byDays = file.choices.byDays;
  const QJsonObject root{{"format", Text(kFormatName)},
                         {"version", kLoanFileVersion},
                         {"contract", ContractObject(file.texts)},
                         {"view", NameOf(kViews, file.view)},
                         {"events", events},
                         {"switchedOff", switchedOff},
                         {"moved", moved},
                         {"spreadCuts", cuts},
                         {"options", QJsonObject{{"acrossChange", byDays.acrossChange},
                                                 {"firstMonthByDays", byDays.firstMonth},
                                                 {"daysInYear", byDays.daysInYear}}},
                         {"plan", PlanObject(file.plan)},
                         {"lprFixings", fixings}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Outcome<LoanFile, FileProblem> ReadLoanFile(const QByteArray& bytes) {
  using Kind = FileProblem::Kind;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError) {
    return FileProblem{LooksOurs(bytes) ? Kind::Broken : Kind::NotALoanFile};
  }
  const QJsonObject root = document.object();
  if (!document.isObject() || root.value(QLatin1String("format")).toString() != Text(kFormatName)) {
    return FileProblem{Kind::NotALoanFile};
  }
  const QJsonValue version = root.value(QLatin1String("version"));
  if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != version.toInt()) {
    return FileProblem{Kind::BadContent, {}, QStringLiteral("格式版本写错了")};
  }
  if (version.toInt() > kLoanFileVersion) {
    return FileProblem{Kind::Newer, {}, {}, version.toInt()};
  }
  Reader read(version.toInt());
  LoanFile file;
  file.texts = read.Contract(read.Member(root, "contract", QJsonValue::Object).toObject());
  file.view = read.Named(root, "view", kViews);
  file.choices = read.Choices(root);
  file.plan = read.Plan(read.Member(root, "plan", QJsonValue::Object).toObject());
  file.fixings = read.Fixings(root);
  if (!read.Problem().isEmpty()) {
    return FileProblem{Kind::BadContent, {}, read.Problem()};
  }
  return file;
}

}  // namespace quorvane
