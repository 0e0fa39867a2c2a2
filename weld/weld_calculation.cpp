#include "weld/weld_calculation.h"

#include "takeoff/takeoff.h"
#include "weld/formula.h"
#include "weld/script_engine.h"
#include "weld/text_helpers.h"

#include <cmath>
#include <vector>

namespace {

bool containsName(const std::string& text, const std::string& name) {
    return replaceText(text, name, "") != text;
}

} // namespace

bool weighsPerPiece(const std::string& weightFormula) {
    return !weightFormula.empty() && !containsName(weightFormula, "l");
}

WeldCalculation calculateWeld(const CatalogueQueries& queries, int familyId,
                              const std::function<std::string(const std::string& name)>& fieldText,
                              const std::string& densityText, const QLocale& locale) {
    WeldCalculation result;
    auto refuse = [&result](const std::string& field, const std::string& message) {
        result.refusedField = field;
        result.message = message;
        return result;
    };
    ScriptEngine engine;
    const std::string id = std::to_string(familyId);
    std::vector<FormulaBinding> bindings;
    WeldDimensions dimensions;

    const TextGrid marks = queries.weldMarksOfFamily(id);
    if (const int text = marks.column("TEXT"); text >= 0) {
        for (int r = 1; r < marks.rowCount; ++r) {
            const std::string& name = marks.cell(r, text);
            const std::string value = fieldText(name);
            if (value.empty()) return refuse(name, "你还没有输入 " + name + " 的数值。");
            const TakeOffNumber number =
                readTakeOffNumber(QString::fromStdString(value), locale, false);
            if (number.state != TakeOffNumber::Valid || number.value <= 0.0000001)
                return refuse(name, "您输入的 " + name + " 值有误，请检查后重新输入。");
            dimensions[name] = number.value;
            // The number read, written as a plain literal: typed text never becomes part of
            // the expression.
            bindings.push_back({name, numberToText(number.value)});
        }
    }
    bindings.push_back({"l", "1000"});

    if (densityText.empty())
        return refuse(densityFieldName, "你还没有选择材质类型，将影响重量相关的计算。");
    const TakeOffNumber density =
        readTakeOffNumber(QString::fromStdString(densityText), locale, false);
    if (density.state != TakeOffNumber::Valid)
        return refuse(densityFieldName, "您输入的密度值有误，请检查后重新输入。");
    bindings.push_back({"p", numberToText(density.value / 1000)});

    const std::string fault = weldGeometryFault(familyId, dimensions);
    if (!fault.empty()) return refuse(std::string(), "截面尺寸不成立：" + fault + "。");

    std::string formulas[3];
    const TextGrid grid = queries.weldFormulasOfFamily(id);
    if (grid.hasDataRows()) {
        formulas[0] = grid.cell(1, "AREA");
        formulas[1] = grid.cell(1, "WEIGHTPERM");
        formulas[2] = stripLineBreaks(grid.cell(1, "AREAPERM"));
    }

    const bool perPiece = weighsPerPiece(formulas[1]);
    const char* const units[3] = {"c㎡", perPiece ? "Kg/个" : "Kg/m", perPiece ? "㎡/个" : "㎡/m"};
    std::string* const lines[3] = {&result.areaLine, &result.weightLine, &result.surfaceLine};
    for (int k = 0; k < 3; ++k) {
        // A family without the formula has no such number: a wedge's area changes along
        // its length and a ball has none. Writing 0 would read as a result.
        if (formulas[k].empty()) {
            *lines[k] = noResultText;
            continue;
        }
        const std::string bound = bindFormula(formulas[k], bindings);
        const std::string text = engine.Eval(bound);
        if (text.empty() && formulaOutOfRange(bound)) {
            WeldCalculation refused;
            refused.message = outOfRangeMessage;
            return refused;
        }
        double value = textToNumber(text);
        if (k == 1) result.weight = value;
        if (k == 2) result.surface = value;
        value = roundHalfUp(value, 3);
        *lines[k] = numberToText(value) + units[k];
    }
    if (result.areaLine == noResultText) {
        result.areaNote =
            perPiece ? "球按个计重，没有截面积。" : "截面沿长度变化，没有单一的截面积。";
    }

    result.perPiece = perPiece;
    result.dimensions = std::move(dimensions);
    result.density = density.value;
    result.section = builtUpSection(familyId, result.dimensions);
    result.ok = true;
    result.message = "计算完成，你可以将结果复制到剪贴板。";
    return result;
}
