#include "takeoff/takeoff.h"

#include "catalogue/catalogue_text.h"
#include "catalogue/rounding.h"

#include <cmath>

namespace {

// The units a header may carry and what a column with that unit is to the take-off. A
// header without one of these units (mm, cm2, none) plays no part in the arithmetic.
enum class ColumnRole { Other, Weight, Surface };
struct UnitRule {
    const char* unit;
    ColumnRole role;
    WeightBasis basis;
};
constexpr UnitRule unitRules[] = {
    {"kg/m", ColumnRole::Weight, WeightBasis::PerMetre},
    {"kg/m2", ColumnRole::Weight, WeightBasis::PerSquareMetre},
    {"kg/m²", ColumnRole::Weight, WeightBasis::PerSquareMetre},
    {"kg/千套", ColumnRole::Weight, WeightBasis::PerThousandSets},
    {"m2/m", ColumnRole::Surface, WeightBasis::None},
    {"m²/m", ColumnRole::Surface, WeightBasis::None},
};

// "重量(kg/m)" -> {"重量", "kg/m"}; a header without parentheses has no unit.
std::pair<QString, QString> splitHeader(const std::string& header) {
    QString text = QString::fromStdString(header).trimmed();
    text.replace(QChar(0xFF08), QLatin1Char('(')).replace(QChar(0xFF09), QLatin1Char(')'));
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !text.endsWith(QLatin1Char(')'))) return {text, QString()};
    return {text.left(open).trimmed(), text.mid(open + 1, text.size() - open - 2).trimmed()};
}

const UnitRule* ruleOf(const std::string& header) {
    const QString unit = splitHeader(header).second;
    for (const UnitRule& rule : unitRules) {
        if (unit.compare(QString::fromUtf8(rule.unit), Qt::CaseInsensitive) == 0) return &rule;
    }
    return nullptr;
}

// A stored catalogue value: plain C-locale decimal, perhaps with blanks around it.
std::optional<double> storedNumber(const std::string& text) {
    bool ok = false;
    const double value = QString::fromStdString(text).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0) return {};
    return value;
}

QString fixed(double value, int decimals) {
    return QString::number(roundHalfUpward(value, decimals), 'f', decimals);
}

// Totals beyond this many kilograms would show more digits than a double carries.
constexpr double largestTotal = 1e15;

QString trimmedNumber(const QString& text) {
    // Full-width digits, point and comma, as a Chinese input method types them, read as ASCII.
    return QString::fromStdString(foldFullWidthNumber(text.toStdString())).trimmed();
}

} // namespace

TakeOffColumns takeOffColumns(const std::vector<std::string>& headers) {
    TakeOffColumns columns;
    for (size_t k = 0; k < headers.size(); ++k) {
        const UnitRule* rule = ruleOf(headers[k]);
        if (!rule) continue;
        if (rule->role == ColumnRole::Weight && columns.weight < 0) {
            columns.weight = static_cast<int>(k);
            columns.basis = rule->basis;
        } else if (rule->role == ColumnRole::Surface && columns.surface < 0) {
            columns.surface = static_cast<int>(k);
        }
    }
    return columns;
}

TakeOffBasis takeOffBasis(const TakeOffColumns& columns, const std::vector<std::string>& values) {
    TakeOffBasis basis;
    auto valueAt = [&values](int k) -> std::optional<double> {
        if (k < 0 || k >= static_cast<int>(values.size())) return {};
        return storedNumber(values[static_cast<size_t>(k)]);
    };
    const std::optional<double> weight = valueAt(columns.weight);
    if (columns.basis == WeightBasis::None || !weight) return basis;
    basis.basis = columns.basis;
    basis.weight = *weight;
    // A surface per metre means nothing for a sheet or a bolt set.
    if (columns.basis == WeightBasis::PerMetre) basis.surface = valueAt(columns.surface);
    return basis;
}

TakeOffNumber readTakeOffNumber(const QString& typed, const QLocale& locale, bool whole) {
    TakeOffNumber number;
    const QString text = trimmedNumber(typed);
    if (text.isEmpty()) return number;
    number.state = TakeOffNumber::Refused;
    const QString point = locale.decimalPoint();
    // A point is the decimal point unless the locale groups digits with it; the locale's
    // own decimal sign (a comma in some) is one too. Anything else between digits is a
    // group separator or a typo, and reading past it would multiply the number.
    const bool pointIsDecimal = locale.groupSeparator() != QStringLiteral(".");
    int digits = 0, separators = 0;
    QString plain;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            plain += c;
            ++digits;
        } else if ((c == QLatin1Char('.') && pointIsDecimal) || QString(c) == point) {
            plain += QLatin1Char('.');
            ++separators;
        } else if (c == QLatin1Char('-') || c == QChar(0x2212)) {
            number.reason = QStringLiteral("不能是负数");
            return number;
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('\'') ||
                   c.isSpace()) {
            number.reason = QStringLiteral("含有逗号或分隔符，小数请用小数点 (.)，如 1.5");
            return number;
        } else {
            number.reason = QStringLiteral("不是数字");
            return number;
        }
    }
    if (digits == 0 || separators > 1) {
        number.reason = QStringLiteral("不是数字");
        return number;
    }
    if (whole && separators > 0 && plain.section(QLatin1Char('.'), 1).toLongLong() != 0) {
        number.reason = QStringLiteral("须为整数");
        return number;
    }
    const double value = plain.toDouble();
    if (!std::isfinite(value) || value <= 0) {
        number.reason = QStringLiteral("须大于 0");
        return number;
    }
    if (value > largestTakeOffInput) {
        number.reason = QStringLiteral("过大（最多 10 亿）");
        return number;
    }
    number.state = TakeOffNumber::Valid;
    number.value = value;
    return number;
}

bool asksLength(WeightBasis basis) {
    return basis == WeightBasis::PerMetre || basis == WeightBasis::PerSquareMetre;
}
bool asksWidth(WeightBasis basis) {
    return basis == WeightBasis::PerSquareMetre;
}

TakeOffTotals computeTakeOff(const TakeOffBasis& basis, const TakeOffInput& input,
                             const QLocale& locale) {
    TakeOffTotals totals;
    // Without a piece the fields of a bar stand ready, and what is typed there is checked
    // already, so a refusal does not wait for the row.
    const WeightBasis asked =
        basis.basis == WeightBasis::None ? WeightBasis::PerMetre : basis.basis;
    const bool sets = asked == WeightBasis::PerThousandSets;
    struct Field {
        const QString* text;
        QString name;
        bool asked;
        bool whole;
        TakeOffNumber number;
    } fields[] = {
        {&input.length, QStringLiteral("长度"), asksLength(asked), false, {}},
        {&input.width, QStringLiteral("宽度"), asksWidth(asked), false, {}},
        {&input.count, sets ? QStringLiteral("套数") : QStringLiteral("数量"), true, true, {}},
        {&input.price, QStringLiteral("单价"), true, false, {}},
    };
    bool complete = true;
    for (Field& field : fields) {
        if (!field.asked) continue;
        field.number = readTakeOffNumber(*field.text, locale, field.whole);
        if (field.number.state == TakeOffNumber::Refused) {
            totals.message = QStringLiteral("%1“%2”%3。")
                                 .arg(field.name, field.text->trimmed(), field.number.reason);
            return totals;
        }
        // The price is optional; the others are needed for any total.
        if (field.number.state == TakeOffNumber::Empty && field.text != &input.price)
            complete = false;
    }
    if (!complete || basis.basis == WeightBasis::None) return totals;

    const double length = asksLength(basis.basis) ? fields[0].number.value : 1;
    const double width = asksWidth(basis.basis) ? fields[1].number.value : 1;
    const double count = fields[2].number.value;
    const double perPiece = sets ? basis.weight / 1000 : basis.weight;
    const double kilograms = perPiece * length * width * count;
    if (!std::isfinite(kilograms) || kilograms > largestTotal) {
        totals.message = QStringLiteral("用量过大，请检查长度和数量。");
        return totals;
    }
    totals.kilograms = kilograms;
    if (basis.surface) totals.surface = *basis.surface * length * count;
    if (fields[3].number.state == TakeOffNumber::Valid)
        totals.cost = kilograms / 1000 * fields[3].number.value;
    return totals;
}

QString kilogramText(const std::optional<double>& kg) {
    return kg ? fixed(*kg, 2) : QStringLiteral("—");
}
QString tonneText(const std::optional<double>& kg) {
    return kg ? fixed(*kg / 1000, 3) : QStringLiteral("—");
}
QString surfaceText(const std::optional<double>& m2) {
    return m2 ? fixed(*m2, 3) : QStringLiteral("—");
}
QString costText(const std::optional<double>& yuan) {
    return yuan ? fixed(*yuan, 2) : QStringLiteral("—");
}

QString takeOffLine(const QString& standard, const QString& designation, const TakeOffBasis& basis,
                    const TakeOffInput& input, const TakeOffTotals& totals) {
    QStringList parts;
    parts << (standard + QLatin1Char(' ') + designation).trimmed();
    if (asksLength(basis.basis))
        parts << QStringLiteral("长度 %1 m").arg(trimmedNumber(input.length));
    if (asksWidth(basis.basis))
        parts << QStringLiteral("宽度 %1 m").arg(trimmedNumber(input.width));
    parts << (basis.basis == WeightBasis::PerThousandSets ? QStringLiteral("套数 %1")
                                                          : QStringLiteral("数量 %1"))
                 .arg(trimmedNumber(input.count));
    parts << QStringLiteral("总重 %1 kg（%2 t）")
                 .arg(kilogramText(totals.kilograms), tonneText(totals.kilograms));
    if (totals.surface) parts << QStringLiteral("总表面积 %1 m²").arg(surfaceText(totals.surface));
    if (totals.cost)
        parts << QStringLiteral("单价 %1 元/吨，总价 %2 元")
                     .arg(trimmedNumber(input.price), costText(totals.cost));
    return parts.join(QStringLiteral("，"));
}

QString designationFromHeaders(const std::vector<std::string>& headers,
                               const std::vector<std::string>& values) {
    QStringList parts;
    for (size_t k = 0; k < headers.size() && k < values.size(); ++k) {
        const QString value = QString::fromStdString(values[k]).trimmed();
        if (value.isEmpty()) continue;
        const auto [name, unit] = splitHeader(headers[k]);
        if (unit.isEmpty())
            parts << value;
        else if (unit == QStringLiteral("mm"))
            parts << QStringLiteral("%1 %2 mm").arg(name, value);
        // Weight, surface and area describe the piece, they do not name it.
    }
    return parts.join(QLatin1Char(' '));
}
