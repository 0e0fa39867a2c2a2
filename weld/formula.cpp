#include "weld/formula.h"

#include "weld/text_helpers.h"

#include <charconv>
#include <cmath>

namespace {

// Recursive descent over the bytes of the expression. Tokens follow the script language's
// lexing, so "--" and "++" (decrement and increment there) and a literal running into a
// letter or another point are errors, as the script component would report them.
class Parser {
  public:
    explicit Parser(const std::string& text) : m_text(text) {}

    std::optional<double> parseAll() {
        const auto value = expression(0);
        if (!value) return std::nullopt;
        skipBlanks();
        if (m_pos != m_text.size()) return std::nullopt;
        return value;
    }

  private:
    void skipBlanks() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
    }

    char peek() {
        skipBlanks();
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }

    char peekNext() const { return m_pos + 1 < m_text.size() ? m_text[m_pos + 1] : '\0'; }

    std::optional<double> expression(int depth) {
        if (depth > maxFormulaDepth) return std::nullopt;
        auto left = term(depth);
        if (!left) return std::nullopt;
        for (;;) {
            const char op = peek();
            if (op != '+' && op != '-') return left;
            if (peekNext() == op) return std::nullopt;
            ++m_pos;
            const auto right = term(depth);
            if (!right) return std::nullopt;
            left = op == '+' ? *left + *right : *left - *right;
        }
    }

    std::optional<double> term(int depth) {
        auto left = unary(depth);
        if (!left) return std::nullopt;
        for (;;) {
            const char op = peek();
            if (op != '*' && op != '/') return left;
            ++m_pos;
            const auto right = unary(depth);
            if (!right) return std::nullopt;
            left = op == '*' ? *left * *right : *left / *right;
        }
    }

    std::optional<double> unary(int depth) {
        const char op = peek();
        if (op == '+' || op == '-') {
            if (peekNext() == op) return std::nullopt;
            if (++depth > maxFormulaDepth) return std::nullopt;
            ++m_pos;
            const auto operand = unary(depth);
            if (!operand) return std::nullopt;
            return op == '-' ? -*operand : *operand;
        }
        return primary(depth);
    }

    std::optional<double> primary(int depth) {
        const char c = peek();
        if (c == '(' || c == '[') {
            ++m_pos;
            const auto inner = expression(depth + 1);
            if (!inner) return std::nullopt;
            if (peek() != (c == '(' ? ')' : ']')) return std::nullopt;
            ++m_pos;
            return inner;
        }
        if (m_text.compare(m_pos, sqrtName.size(), sqrtName) == 0) {
            m_pos += sqrtName.size();
            if (peek() != '(') return std::nullopt;
            ++m_pos;
            const auto inner = expression(depth + 1);
            if (!inner) return std::nullopt;
            if (peek() != ')') return std::nullopt;
            ++m_pos;
            return std::sqrt(*inner);
        }
        if (isDigit(c) || (c == '.' && isDigit(peekNext()))) return number();
        return std::nullopt;
    }

    std::optional<double> number() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            ++m_pos;
            while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
                ++m_pos;
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) ++m_pos;
            if (m_pos >= m_text.size() || !isDigit(m_text[m_pos])) return std::nullopt;
            while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
                ++m_pos;
        }
        // A literal must not run into a name or a second point ("3in", "1.5.5").
        if (m_pos < m_text.size()) {
            const char next = m_text[m_pos];
            if (next == '.' || next == '_' || next == '$' || (next >= 'a' && next <= 'z') ||
                (next >= 'A' && next <= 'Z') || static_cast<unsigned char>(next) >= 0x80)
                return std::nullopt;
        }
        return textToNumber(m_text.substr(start, m_pos - start));
    }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    static inline const std::string sqrtName = "Math.sqrt";
    const std::string& m_text;
    std::size_t m_pos = 0;
};

} // namespace

std::string bindFormula(const std::string& formula, const std::vector<FormulaBinding>& bindings) {
    std::string text = replaceText(formula, "pi", "3.141592653");
    for (const FormulaBinding& binding : bindings)
        text = replaceText(text, binding.name, binding.value);
    return text;
}

std::optional<double> evaluateFormula(const std::string& expression) {
    const auto value = Parser(expression).parseAll();
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

bool formulaOutOfRange(const std::string& expression) {
    const auto value = Parser(expression).parseAll();
    return value && !std::isfinite(*value);
}

std::string scriptNumberText(double value) {
    if (value == 0.0) return "0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string evaluateFormulaText(const std::string& expression) {
    const auto value = evaluateFormula(expression);
    return value ? scriptNumberText(*value) : std::string();
}
