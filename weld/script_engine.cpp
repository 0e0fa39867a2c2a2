#include "weld/script_engine.h"

#include "weld/formula.h"

ScriptEngine::ScriptEngine() = default;
ScriptEngine::~ScriptEngine() = default;

std::string ScriptEngine::Eval(const std::string& expression) {
    return evaluateFormulaText(expression);
}
