#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// What one piece of the order weighs by: the unit of the weight column decides.
enum class WeightBasis {
    None,            // no weight value: no take-off
    PerMetre,        // kg/m: length × count
    PerSquareMetre,  // kg/m²: length × width × count
    PerThousandSets, // kg per 1000 sets (bolts): count of sets
    PerPiece,        // kg per piece (weld balls): count
};

// The weight and surface of one row, as the take-off counts with them.
struct TakeOffBasis {
    WeightBasis basis = WeightBasis::None;
    double weight = 0;             // kg per the basis' unit
    std::optional<double> surface; // m² per metre (per piece for PerPiece); none: not tabled
};

// Where the weight and surface stand among a table's shown columns.
struct TakeOffColumns {
    int weight = -1;  // -1: no column with a weight unit
    int surface = -1; // -1: no column with a surface unit
    WeightBasis basis = WeightBasis::None;
};

// Reads the unit in parentheses at the end of each header ("重量(kg/m)", "表面积(m2/m)").
TakeOffColumns takeOffColumns(const std::vector<std::string>& headers);

// The basis of one row of those columns; a weight that is empty, unreadable or not
// positive gives WeightBasis::None.
TakeOffBasis takeOffBasis(const TakeOffColumns& columns, const std::vector<std::string>& values);

// One typed field: empty, a usable number, or refused with the reason.
struct TakeOffNumber {
    enum State { Empty, Valid, Refused } state = Empty;
    double value = 0;
    QString reason; // for Refused: why, without the field's name
};

// Largest length, width, count or price a field takes.
inline constexpr double largestTakeOffInput = 1e9;

// A positive decimal number as the user writes it in the locale: digits with one decimal
// point; full-width digits count. Group separators, exponents, signs and words are refused
// ("1,5" is not read as 15); whole: a count, no decimals.
TakeOffNumber readTakeOffNumber(const QString& text, const QLocale& locale, bool whole);

// The texts of the fields; the ones the basis does not ask for are ignored.
struct TakeOffInput {
    QString length, width, count, price;
};

struct TakeOffTotals {
    std::optional<double> kilograms;
    std::optional<double> surface; // m²
    std::optional<double> cost;    // 元
    QString message;               // a refused field or an absurd total; totals are then empty
};

// Which fields a basis asks for.
bool asksLength(WeightBasis basis);
bool asksWidth(WeightBasis basis);

TakeOffTotals computeTakeOff(const TakeOffBasis& basis, const TakeOffInput& input,
                             const QLocale& locale);

// Display texts, rounded half up for the eye only: kg to 0.01, t to 0.001, m² to 0.001,
// 元 to 0.01. An empty total is "—", never 0.
QString kilogramText(const std::optional<double>& kg);
QString tonneText(const std::optional<double>& kg);
QString surfaceText(const std::optional<double>& m2);
QString costText(const std::optional<double>& yuan);

// The one line "复制用量" puts on the clipboard.
QString takeOffLine(const QString& standard, const QString& designation, const TakeOffBasis& basis,
                    const TakeOffInput& input, const TakeOffTotals& totals);

// The designation of a row for that line: each column that names the piece (not its
// weight, surface or cross-section area) — "HN200×100 200×100×5.5×8", "厚度 10 mm".
QString designationFromHeaders(const std::vector<std::string>& headers,
                               const std::vector<std::string>& values);
