#pragma once

#include <memory>
#include <string>

// The script engine of one handler call. Eval evaluates a bound formula with the formula
// evaluator, never as a script, so a typed value can add arithmetic but nothing else.
// ExecuteStatement and Run use an ECMAScript engine, created on first use; a script that
// does not finish within one second is interrupted and counts as failed. They live in the
// tests' library handbook_script (tests/support/script_runner.cpp), apart from Eval: the
// program itself runs no script, and a call to them from it would not link.
class ScriptEngine {
  public:
    ScriptEngine();
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // The value with at most 15 significant digits; "" on any error or a non-finite value.
    std::string Eval(const std::string& expression);
    // True when the statement ran to its end without an error.
    bool ExecuteStatement(const std::string& statement);
    // Calls the global function with four string arguments; its value as text, "" on
    // failure (no such function, an error, an interruption, undefined or null).
    std::string Run(const std::string& procedure, const std::string& a1, const std::string& a2,
                    const std::string& a3, const std::string& a4);

  private:
    struct Script;
    // The deleter comes with the engine, so code that only evaluates formulas never needs
    // the script engine's definition.
    using ScriptHandle = std::unique_ptr<Script, void (*)(Script*)>;
    void startScript();
    ScriptHandle m_script{nullptr, nullptr};
};

// Runs the script, then calls functionName with the four arguments; "JS代码运行失败"
// when the script does not run.
std::string runScriptFunction(const std::string& script, const std::string& functionName,
                              const std::string& a1, const std::string& a2, const std::string& a3,
                              const std::string& a4);
