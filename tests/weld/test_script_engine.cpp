#include "weld/script_engine.h"

#include <QTest>

class TestScriptEngine : public QObject {
    Q_OBJECT

  private slots:
    void runsDeclaredFunction_data();
    void runsDeclaredFunction();
    void failingScriptReportsFailure_data();
    void failingScriptReportsFailure();
    void runawayFunctionIsInterrupted();
    void engineStaysUsableAfterInterruption();
    void evalDoesNotRunScript_data();
    void evalDoesNotRunScript();
};

void TestScriptEngine::runsDeclaredFunction_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("expected");
    QTest::newRow("number") << "function f(a,b,c,d){ return Number(a) + Number(b); }"
                            << "f"
                            << "2027";
    QTest::newRow("fifteen digits") << "function f(){ return 0.1 + 0.2; }"
                                    << "f"
                                    << "0.3";
    QTest::newRow("string arguments")
        << "function f(a,b,c,d){ return a + '|' + b + '|' + c + '|' + d; }"
        << "f"
        << "2024|3|1|";
    QTest::newRow("date object")
        << "function f(y,m,d){ return new Date(Number(y), Number(m) - 1, Number(d)).getDay(); }"
        << "f"
        << "5";
    QTest::newRow("chinese text") << "function f(){ return '第' + 1 + '周'; }"
                                  << "f"
                                  << "第1周";
    QTest::newRow("undefined result") << "function f(){ }"
                                      << "f"
                                      << "";
    QTest::newRow("thrown value") << "function f(){ throw 5; }"
                                  << "f"
                                  << "";
    QTest::newRow("no such function") << "var x = 1;"
                                      << "g"
                                      << "";
    QTest::newRow("not a function") << "var g = 1;"
                                    << "g"
                                    << "";
    QTest::newRow("non-finite result") << "function f(){ return 1/0; }"
                                       << "f"
                                       << "";
}

void TestScriptEngine::runsDeclaredFunction() {
    QFETCH(QString, script);
    QFETCH(QString, function);
    QFETCH(QString, expected);
    const std::string result =
        runScriptFunction(script.toStdString(), function.toStdString(), "2024", "3", "1", "");
    QCOMPARE(QString::fromStdString(result), expected);
}

void TestScriptEngine::failingScriptReportsFailure_data() {
    QTest::addColumn<QString>("script");
    QTest::newRow("syntax error") << "function f( { return 1; }";
    QTest::newRow("thrown error") << "function f(){ return 1; } throw new Error('x');";
    QTest::newRow("thrown number") << "throw 7;";
    QTest::newRow("endless loop") << "while (true) {}";
}

void TestScriptEngine::failingScriptReportsFailure() {
    QFETCH(QString, script);
    QCOMPARE(QString::fromStdString(runScriptFunction(script.toStdString(), "f", "", "", "", "")),
             QStringLiteral("JS代码运行失败"));
    ScriptEngine engine;
    QVERIFY(!engine.ExecuteStatement(script.toStdString()));
}

void TestScriptEngine::runawayFunctionIsInterrupted() {
    const std::string result = runScriptFunction("function f(){ for(;;){} }", "f", "", "", "", "");
    QCOMPARE(QString::fromStdString(result), QString());
}

void TestScriptEngine::engineStaysUsableAfterInterruption() {
    ScriptEngine engine;
    QVERIFY(!engine.ExecuteStatement("for(;;){}"));
    QVERIFY(engine.ExecuteStatement("function h(a){ return a + 'x'; }"));
    QCOMPARE(QString::fromStdString(engine.Run("h", "1", "", "", "")), QStringLiteral("1x"));
}

void TestScriptEngine::evalDoesNotRunScript_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");
    QTest::newRow("arithmetic") << "(200*10+200*12+(300-10-12)*8)/100"
                                << "66.24";
    QTest::newRow("statement") << "1;while(1){}"
                               << "";
    QTest::newRow("call") << "alert(1)"
                          << "";
    QTest::newRow("assignment") << "x=1"
                                << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestScriptEngine::evalDoesNotRunScript() {
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    ScriptEngine engine;
    QCOMPARE(QString::fromStdString(engine.Eval(expression.toStdString())), expected);
}

QTEST_GUILESS_MAIN(TestScriptEngine)
#include "test_script_engine.moc"
