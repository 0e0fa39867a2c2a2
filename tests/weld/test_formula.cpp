#include "weld/formula.h"
#include "weld/script_engine.h"
#include "weld/text_helpers.h"

#include <QJSEngine>
#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// What the script component hands over for an expression: a finite number written with at
// most 15 significant digits, otherwise nothing.
std::string scriptReference(QJSEngine& engine, const std::string& expression) {
    const QJSValue value = engine.evaluate(q(expression));
    if (value.isError() || !value.isNumber() || !std::isfinite(value.toNumber())) return {};
    return scriptNumberText(value.toNumber());
}

// Random expressions of the formula language in the forms the script language reads the
// same way: no leading zeros, brackets only directly before * or /, a blank between two
// signs so that they never form an increment or decrement.
class ExpressionGenerator {
  public:
    explicit ExpressionGenerator(unsigned seed) : m_random(seed) {}

    std::string expression(int depth) {
        std::string text = term(depth);
        const int count = pick(0, 2);
        for (int k = 0; k < count; ++k)
            text = join(text, pick(0, 1) ? "+" : "-", term(depth));
        return text;
    }

  private:
    std::string term(int depth) {
        std::string text = factor(depth);
        const int count = pick(0, 3);
        for (int k = 0; k < count; ++k) {
            // The operand before this operator may be bracketed.
            if (pick(0, 4) == 0 && depth > 0) text = "[" + expression(depth - 1) + "]";
            text = join(text, pick(0, 1) ? "*" : "/", factor(depth));
        }
        return text;
    }

    std::string factor(int depth) {
        const int kind = depth > 0 ? pick(0, 9) : pick(0, 5);
        if (kind <= 4) return number();
        if (kind == 5) return std::string(pick(0, 1) ? "-" : "+") + blankIfSign(factor(depth));
        if (kind <= 7) return "(" + expression(depth - 1) + ")";
        if (kind == 8) {
            // Half the roots take a square, so that not every root of a negative ends the value.
            const std::string inner = expression(depth - 1);
            return pick(0, 1) ? "Math.sqrt(" + inner + ")"
                              : "Math.sqrt((" + inner + ")*(" + inner + "))";
        }
        return pick(0, 1) ? " " + number() + " " : number();
    }

    std::string number() {
        std::string text;
        switch (pick(0, 5)) {
        case 0:
            text = std::to_string(pick(0, 9));
            break;
        case 1:
            text = std::to_string(pick(1, 999999));
            break;
        case 2:
            text = std::to_string(pick(0, 9999)) + "." + digits(pick(1, 6));
            break;
        case 3:
            text = "0." + digits(pick(1, 8));
            break;
        case 4:
            text = std::to_string(pick(1, 99)) + (pick(0, 1) ? "e" : "E") +
                   (pick(0, 1) ? "-" : "") + std::to_string(pick(0, 20));
            break;
        default:
            text = "." + digits(pick(1, 4));
            break;
        }
        return text;
    }

    std::string digits(int count) {
        std::string text;
        for (int k = 0; k < count; ++k)
            text += static_cast<char>('0' + pick(0, 9));
        return text;
    }

    static std::string blankIfSign(const std::string& operand) {
        return (!operand.empty() && (operand[0] == '-' || operand[0] == '+')) ? " " + operand
                                                                              : operand;
    }

    static std::string join(const std::string& left, const char* op, const std::string& right) {
        return left + op + blankIfSign(right);
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::mt19937 m_random;
};

} // namespace

class TestFormula : public QObject {
    Q_OBJECT

  private slots:
    void replaceTextCases_data();
    void replaceTextCases();
    void stripLineBreaksCases();
    void textToNumberCases_data();
    void textToNumberCases();
    void numberToTextCases_data();
    void numberToTextCases();
    void rgbColorPacksRedLow();
    void bindFormulaCases_data();
    void bindFormulaCases();
    void evaluation_data();
    void evaluation();
    void hostileBoundValues_data();
    void hostileBoundValues();
    void deepNestingIsBounded();
    void agreesWithScriptEngine();
};

void TestFormula::replaceTextCases_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("case ignored") << "D*d"
                                  << "D"
                                  << "5"
                                  << "5*5";
    QTest::newRow("inside a word") << "Math.sqrt(l)"
                                   << "t"
                                   << "5"
                                   << "Ma5h.sqr5(l)";
    QTest::newRow("no overlap") << "aaa"
                                << "aa"
                                << "b"
                                << "ba";
    QTest::newRow("replacement not searched") << "ab"
                                              << "a"
                                              << "aa"
                                              << "aab";
    QTest::newRow("empty search") << "abc"
                                  << ""
                                  << "x"
                                  << "abc";
    QTest::newRow("empty text") << ""
                                << "a"
                                << "x"
                                << "";
    QTest::newRow("text shorter than search") << "ab"
                                              << "abc"
                                              << "x"
                                              << "ab";
    QTest::newRow("deletion") << "a-b-c"
                              << "-"
                              << ""
                              << "abc";
    QTest::newRow("chinese kept") << "钢b材"
                                  << "B"
                                  << "7"
                                  << "钢7材";
    // 中 is E4 B8 AD: a search for its tail bytes must not split it.
    QTest::newRow("no match inside a character")
        << QString::fromUtf8("中") << QString::fromUtf8("\xB8\xAD") << "x"
        << QString::fromUtf8("中");
    QTest::newRow("non-letters exact") << "[A]"
                                       << "[a]"
                                       << "1"
                                       << "1";
}

void TestFormula::replaceTextCases() {
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    // QString cannot carry the lone tail bytes; build the byte texts directly for that row.
    std::string searchBytes = search.toStdString();
    if (QByteArray(QTest::currentDataTag()) == "no match inside a character")
        searchBytes = "\xB8\xAD";
    QCOMPARE(q(replaceText(text.toStdString(), searchBytes, replacement.toStdString())), expected);
}

void TestFormula::stripLineBreaksCases() {
    QCOMPARE(q(stripLineBreaks("\r\na\nb\rc\r\n")), QStringLiteral("abc"));
    QCOMPARE(q(stripLineBreaks("\n\r")), QString());
    QCOMPARE(q(stripLineBreaks("b*l*2")), QStringLiteral("b*l*2"));
}

void TestFormula::textToNumberCases_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "12.5" << 12.5;
    QTest::newRow("full-width") << "１２．５" << 12.5;
    QTest::newRow("trailing letters") << "12.5abc" << 12.5;
    QTest::newRow("full-width with unit") << "２００mm" << 200.0;
    QTest::newRow("full-width minus") << "－３" << -3.0;
    QTest::newRow("ideographic space") << "　7" << 7.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading blanks") << " \t 8" << 8.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("point first") << "-.5e1" << -5.0;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("exponent") << "2.5E3" << 2500.0;
    QTest::newRow("bare exponent") << "1e" << 1.0;
    QTest::newRow("signed bare exponent") << "1e+" << 1.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("infinity") << "Infinity" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("hex") << "0x1A" << 0.0;
    QTest::newRow("leading zeros") << "010" << 10.0;
    QTest::newRow("smallest accepted") << "0.0000002" << 0.0000002;
}

void TestFormula::textToNumberCases() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(textToNumber(text.toStdString()), expected);
}

void TestFormula::numberToTextCases_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("steel") << 7850.0 / 1000 << "7.85";
    QTest::newRow("aluminium") << 2700.0 / 1000 << "2.7";
    QTest::newRow("zinc") << 7140.0 / 1000 << "7.14";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("thirteen digits") << 1.0 / 3 << "0.3333333333333";
    QTest::newRow("twelve digit integer") << 1234567890123.0 << "1234567890123";
    QTest::newRow("exponent from 13") << 1e13 << "1e+13";
    QTest::newRow("small fixed") << 0.0001 << "0.0001";
    QTest::newRow("small exponent") << 0.00001 << "1e-05";
    QTest::newRow("negative") << -1.235 << "-1.235";
}

void TestFormula::numberToTextCases() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(q(numberToText(value)), expected);
}

void TestFormula::rgbColorPacksRedLow() {
    QCOMPARE(rgbColor(42, 227, 0), 42u + 227u * 256u);
    QCOMPARE(rgbColor(0, 0, 255), 255u * 65536u);
    QCOMPARE(rgbColor(257, -1, 0), 1u + 255u * 256u);
}

void TestFormula::bindFormulaCases_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<QString>("expected");
    const QStringList h = {"h",  "300", "b",  "200", "tw",   "8", "t1",
                           "10", "t2",  "12", "l",   "1000", "p", "7.85"};
    QTest::newRow("H area") << "(b*t1+b*t2+(h-t1-t2)*tw)/100" << h
                            << "(200*10+200*12+(300-10-12)*8)/100";
    QTest::newRow("H surface")
        << q(stripLineBreaks("\nb*l*2/1000000+(b-tw)*l*2/1000000+[(h-t1-t2)*l*2]/1000000+t1*l*2/"
                             "1000000+t2*l*2/1000000"))
        << h
        << "200*1000*2/1000000+(200-8)*1000*2/1000000+[(300-10-12)*1000*2]/1000000+10*1000*2/"
           "1000000+12*1000*2/1000000";
    QTest::newRow("tube area") << "(pi*(D-t)*t)/100" << QStringList{"D", "219", "t", "10"}
                               << "(3.141592653*(219-10)*10)/100";
    QTest::newRow("pi before p") << "pi*p" << QStringList{"p", "7.85"} << "3.141592653*7.85";
    QTest::newRow("wedge keeps Math.sqrt")
        << "b*t1*p*Math.sqrt(l*l+(h1-h2)*(h1-h2))/1000000"
        << QStringList{"h1", "500", "h2", "300", "b", "200",  "tw", "8",
                       "t1", "10",  "t2", "12",  "l", "1000", "p",  "7.85"}
        << "200*10*7.85*Math.sqrt(1000*1000+(500-300)*(500-300))/1000000";
    QTest::newRow("typed arithmetic")
        << "(b*t)/100" << QStringList{"b", "5-3", "t", "10"} << "(5-3*10)/100";
    QTest::newRow("later name searched in value")
        << "h+b" << QStringList{"h", "3b", "b", "2"} << "32+2";
}

void TestFormula::bindFormulaCases() {
    QFETCH(QString, formula);
    QFETCH(QStringList, pairs);
    QFETCH(QString, expected);
    std::vector<FormulaBinding> bindings;
    for (int k = 0; k + 1 < pairs.size(); k += 2)
        bindings.push_back({pairs[k].toStdString(), pairs[k + 1].toStdString()});
    QCOMPARE(q(bindFormula(formula.toStdString(), bindings)), expected);
}

void TestFormula::evaluation_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");
    QTest::newRow("H area") << "(200*10+200*12+(300-10-12)*8)/100"
                            << "66.24";
    QTest::newRow("H surface")
        << "200*1000*2/1000000+(200-8)*1000*2/1000000+[(300-10-12)*1000*2]/1000000+10*1000*2/"
           "1000000+12*1000*2/1000000"
        << "1.384";
    QTest::newRow("bracketed part") << "[(300-10-12)*1000*2]/1000000"
                                    << "0.556";
    QTest::newRow("precedence") << "1+2*3"
                                << "7";
    QTest::newRow("left grouping of /") << "8/4/2"
                                        << "1";
    QTest::newRow("left grouping of -") << "10-4-3"
                                        << "3";
    QTest::newRow("typed arithmetic") << "(5-3*10)/100"
                                      << "-0.25";
    QTest::newRow("unary minus") << "-3*2"
                                 << "-6";
    QTest::newRow("unary plus") << "+4"
                                << "4";
    QTest::newRow("separated signs") << "1 - -3"
                                     << "4";
    QTest::newRow("sqrt") << "Math.sqrt(16)"
                          << "4";
    QTest::newRow("sqrt with blank") << "Math.sqrt (9)"
                                     << "3";
    QTest::newRow("blanks") << " 1 +\t2 "
                            << "3";
    QTest::newRow("leading zeros decimal") << "010"
                                           << "10";
    QTest::newRow("exponent") << "1.5e-3"
                              << "0.0015";
    QTest::newRow("point first") << ".5"
                                 << "0.5";
    QTest::newRow("point last") << "5."
                                << "5";
    QTest::newRow("fifteen digits") << "0.1+0.2"
                                    << "0.3";
    QTest::newRow("third") << "1/3"
                           << "0.333333333333333";
    QTest::newRow("large") << "1e21"
                           << "1e+21";
    QTest::newRow("negative zero") << "-0"
                                   << "0";
    QTest::newRow("underflow to zero") << "1/1e999"
                                       << "0";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blank only") << "   "
                                << "";
    QTest::newRow("division by zero") << "1/0"
                                      << "";
    QTest::newRow("zero by zero") << "0/0"
                                  << "";
    QTest::newRow("overflow") << "1e308*10"
                              << "";
    QTest::newRow("sqrt of negative") << "Math.sqrt(-1)"
                                      << "";
    QTest::newRow("decrement") << "--3"
                               << "";
    QTest::newRow("postfix decrement") << "1--3"
                                       << "";
    QTest::newRow("increment") << "1++3"
                               << "";
    QTest::newRow("two numbers") << "1 2"
                                 << "";
    QTest::newRow("empty parentheses") << "()"
                                       << "";
    QTest::newRow("open parenthesis") << "(1"
                                      << "";
    QTest::newRow("stray close") << "1)"
                                 << "";
    QTest::newRow("mismatched") << "[1)"
                                << "";
    QTest::newRow("letters left") << "2*h"
                                  << "";
    QTest::newRow("other function") << "Math.max(1,2)"
                                    << "";
    QTest::newRow("sqrt in lower case") << "math.sqrt(4)"
                                        << "";
    QTest::newRow("broken sqrt") << "Ma5h.sqr5(1000)"
                                 << "";
    QTest::newRow("sqrt without argument") << "Math.sqrt()"
                                           << "";
    QTest::newRow("bare exponent") << "1e"
                                   << "";
    QTest::newRow("two points") << "1.5.5"
                                << "";
    QTest::newRow("literal into name") << "3in"
                                       << "";
    QTest::newRow("hex") << "0x10"
                         << "";
    QTest::newRow("comma") << "1,2"
                           << "";
    QTest::newRow("power") << "2**3"
                           << "";
    QTest::newRow("line feed") << "1\n+2"
                               << "";
    QTest::newRow("full-width digits") << "２００*10"
                                       << "";
    QTest::newRow("unit") << "200mm*10"
                          << "";
}

void TestFormula::evaluation() {
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    ScriptEngine engine;
    QCOMPARE(q(engine.Eval(expression.toStdString())), expected);
}

void TestFormula::hostileBoundValues_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("statement") << "1;while(1){}";
    QTest::newRow("call") << "alert(1)";
    QTest::newRow("overflow") << "1e999";
    QTest::newRow("deep nesting") << QString(100000, QLatin1Char('('));
    QTest::newRow("empty") << "";
    QTest::newRow("bracket") << "]";
    QTest::newRow("bare sqrt") << "Math.sqrt";
    QTest::newRow("assignment") << "1,x=2";
    QTest::newRow("object") << "new Object()";
}

void TestFormula::hostileBoundValues() {
    QFETCH(QString, value);
    const std::vector<FormulaBinding> bindings = {{"b", value.toStdString()}, {"t", "10"}};
    ScriptEngine engine;
    QCOMPARE(q(engine.Eval(bindFormula("(b*t)/100", bindings))), QString());
    QCOMPARE(q(engine.Eval(value.toStdString())), QString());
}

void TestFormula::deepNestingIsBounded() {
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '(') + "1" +
               std::string(static_cast<std::size_t>(depth), ')');
    };
    QCOMPARE(q(evaluateFormulaText(nested(maxFormulaDepth))), QStringLiteral("1"));
    QCOMPARE(q(evaluateFormulaText(nested(maxFormulaDepth + 1))), QString());
    QCOMPARE(q(evaluateFormulaText(nested(100000))), QString());
    std::string signs;
    for (int k = 0; k < 100000; ++k)
        signs += "- ";
    QCOMPARE(q(evaluateFormulaText(signs + "1")), QString());
    std::string roots;
    for (int k = 0; k < 100000; ++k)
        roots += "Math.sqrt(";
    QCOMPARE(q(evaluateFormulaText(roots + "1")), QString());
}

void TestFormula::agreesWithScriptEngine() {
    QJSEngine engine;
    ExpressionGenerator generator(20240601u);
    int withValue = 0;
    for (int k = 0; k < 3000; ++k) {
        const std::string expression = generator.expression(2);
        const std::string reference = scriptReference(engine, expression);
        const std::string ours = evaluateFormulaText(expression);
        if (ours != reference) {
            QFAIL(qPrintable(QStringLiteral("%1: ours \"%2\", script \"%3\"")
                                 .arg(q(expression), q(ours), q(reference))));
        }
        if (!reference.empty()) ++withValue;
    }
    // Most generated expressions must have a value, or the comparison proves little.
    QVERIFY2(withValue > 2000, qPrintable(QString::number(withValue)));
}

QTEST_GUILESS_MAIN(TestFormula)
#include "test_formula.moc"
