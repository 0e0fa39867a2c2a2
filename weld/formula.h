#pragma once

#include <optional>
#include <string>
#include <vector>

// A name of a formula and the text that takes its place.
struct FormulaBinding {
    std::string name;
    std::string value;
};

// Replaces "pi" by "3.141592653", then each binding's name by its value in list order,
// all with replaceText. A later name is also searched inside values put in before it.
std::string bindFormula(const std::string& formula, const std::vector<FormulaBinding>& bindings);

// Evaluates a bound formula: unsigned decimal literals (leading zeros read as decimal),
// binary + - * / with the usual precedence and left grouping, unary + and -, parentheses,
// square brackets evaluating like parentheses, Math.sqrt(...) and blanks. Anything else,
// nesting deeper than maxFormulaDepth, or a result that is not finite gives no value.
std::optional<double> evaluateFormula(const std::string& expression);

inline constexpr int maxFormulaDepth = 200;

// True when the text reads as a formula but its value is not finite (an overflow such as
// 1e308 * 10, or inf - inf): a result out of range, not an unreadable text.
bool formulaOutOfRange(const std::string& expression);

// The value written the way the script component hands numbers over: at most 15
// significant digits, "." as the point, negative zero as "0".
std::string scriptNumberText(double value);

// evaluateFormula written with scriptNumberText; "" when there is no value.
std::string evaluateFormulaText(const std::string& expression);
