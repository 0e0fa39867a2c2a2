// libFuzzer target for what a weld page field takes: the text is read as one number or
// refused, and an accepted number is bound into a formula as a plain literal. Whatever is
// typed, the bound formula evaluates to the number read, never to anything the text adds.
#include "takeoff/takeoff.h"
#include "weld/formula.h"
#include "weld/text_helpers.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German)}) {
        const TakeOffNumber number = readTakeOffNumber(typed, locale, false);
        if (number.state != TakeOffNumber::Valid) continue;
        check(std::isfinite(number.value) && number.value > 0 &&
              number.value <= largestTakeOffInput);
        // The formula of a plate's area, with the number read bound for b.
        const std::string bound =
            bindFormula("(b*t)/100", {{"b", numberToText(number.value)}, {"t", "100"}});
        const auto value = evaluateFormula(bound);
        check(value.has_value());
        check(std::fabs(*value - number.value) <= 1e-12 * number.value);
    }
    return 0;
}
