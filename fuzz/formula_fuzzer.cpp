// libFuzzer target for the formula language: binding by text replacement, then evaluation.
// Input: a formula, then up to two value texts, separated by NUL bytes; the values are bound
// to the names b and t, followed by the fixed l and p as a calculation binds them.
#include "weld/formula.h"
#include "weld/text_helpers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

void evaluate(const std::string& expression) {
    const auto value = evaluateFormula(expression);
    const std::string text = evaluateFormulaText(expression);
    check(value.has_value() == !text.empty());
    if (value) {
        check(std::isfinite(*value));
        // The written value reads back as a finite number.
        check(std::isfinite(textToNumber(text)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each binding can multiply the text's length; small inputs keep one run fast.
    if (size > 256) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);

    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = input.find('\0', start);
        parts.push_back(input.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    while (parts.size() < 3)
        parts.emplace_back("10");

    const std::vector<FormulaBinding> bindings = {
        {"b", parts[1]}, {"t", parts[2]}, {"l", "1000"}, {"p", "7.85"}};
    const std::string bound = bindFormula(stripLineBreaks(parts[0]), bindings);
    evaluate(bound);
    for (const std::string& part : parts) {
        evaluate(part);
        check(replaceText(part, "", "x") == part);
        const double number = textToNumber(part);
        if (std::isfinite(number)) check(!numberToText(number).empty());
    }
    return 0;
}
