#include "weld/script_engine.h"

#include "weld/formula.h"

#include <QJSEngine>
#include <QJSValue>
#include <QString>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>
namespace {

constexpr std::chrono::milliseconds scriptTimeLimit{1000};

// Interrupts the engine from another thread when the guarded call runs too long; the UI
// thread is the one blocked in the script, so no timer of its own could fire.
class Watchdog {
  public:
    explicit Watchdog(QJSEngine& engine) : m_engine(engine) {
        m_thread = std::thread([this] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, scriptTimeLimit, [this] { return m_finished; })) {
                m_fired = true;
                m_engine.setInterrupted(true);
            }
        });
    }
    ~Watchdog() {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
        if (m_fired) m_engine.setInterrupted(false);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Only meaningful after the guarded call has returned.
    bool fired() {
        std::lock_guard lock(m_mutex);
        return m_fired;
    }

  private:
    QJSEngine& m_engine;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_fired = false;
    std::thread m_thread;
};

std::string valueText(const QJSValue& value) {
    if (value.isUndefined() || value.isNull() || value.isError()) return {};
    if (value.isNumber()) {
        const double number = value.toNumber();
        return std::isfinite(number) ? scriptNumberText(number) : std::string();
    }
    return value.toString().toStdString();
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// A thrown value reaches C++ looking like any other value, so statements and calls run
// inside script wrappers that report success apart from the value. The indirect eval runs
// the statement in global scope, so the functions it declares stay callable by Run.
struct ScriptEngine::Script {
    QJSEngine engine;
    QJSValue execute = engine.evaluate(
        QStringLiteral("(function (source) { try { (0, eval)(source); return true; }"
                       " catch (e) { return false; } })"));
    QJSValue call = engine.evaluate(QStringLiteral(
        "(function (f, a, b, c, d) { try { return { ok: true, value: f(a, b, c, d) };"
        " } catch (e) { return { ok: false }; } })"));
};

void ScriptEngine::startScript() {
    if (!m_script) m_script = ScriptHandle(new Script, [](Script* script) { delete script; });
}

bool ScriptEngine::ExecuteStatement(const std::string& statement) {
    startScript();
    QJSValue result;
    bool interrupted = false;
    {
        Watchdog watchdog(m_script->engine);
        result = m_script->execute.call({QJSValue(toQString(statement))});
        interrupted = watchdog.fired();
    }
    return !interrupted && result.isBool() && result.toBool();
}

std::string ScriptEngine::Run(const std::string& procedure, const std::string& a1,
                              const std::string& a2, const std::string& a3, const std::string& a4) {
    startScript();
    QJSValue function = m_script->engine.globalObject().property(toQString(procedure));
    if (!function.isCallable()) return {};
    QJSValue result;
    bool interrupted = false;
    {
        Watchdog watchdog(m_script->engine);
        result = m_script->call.call({function, QJSValue(toQString(a1)), QJSValue(toQString(a2)),
                                      QJSValue(toQString(a3)), QJSValue(toQString(a4))});
        interrupted = watchdog.fired();
    }
    if (interrupted || !result.isObject() || !result.property(QStringLiteral("ok")).toBool())
        return {};
    return valueText(result.property(QStringLiteral("value")));
}

std::string runScriptFunction(const std::string& script, const std::string& functionName,
                              const std::string& a1, const std::string& a2, const std::string& a3,
                              const std::string& a4) {
    ScriptEngine engine;
    if (!engine.ExecuteStatement(script)) return "JS代码运行失败";
    return engine.Run(functionName, a1, a2, a3, a4);
}
