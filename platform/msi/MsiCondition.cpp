#include "MsiCondition.h"

#include "MsiText.h"
#include "MsiValueSource.h"

#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace {

struct SyntaxError : std::runtime_error {
    SyntaxError() : std::runtime_error("condition syntax") {}
};

enum class Token { End, Open, Close, Compare, Not, And, Or, Xor, Eqv, Imp, Value };

// An operand: an integer, the text of a property or variable (read as an
// integer when it is one and the other side is), or a quoted text.
struct Operand {
    enum class Kind { Integer, Text, Literal } kind = Kind::Text;
    int number = 0;
    std::u16string text;
};

bool isIdentifierStart(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}
bool isIdentifierChar(char16_t c) {
    return isIdentifierStart(c) || (c >= u'0' && c <= u'9') || c == u'.';
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

class Parser {
public:
    Parser(const std::u16string& text, const MsiValueSource& source) : m_text(text), m_source(source) {
        next();
    }

    bool parseAll() {
        const bool result = implication();
        if (m_token != Token::End)
            throw SyntaxError();
        return result;
    }

private:
    bool implication() {
        bool left = equivalence();
        while (m_token == Token::Imp) {
            next();
            const bool right = equivalence();
            left = !left || right;
        }
        return left;
    }

    bool equivalence() {
        bool left = exclusive();
        while (m_token == Token::Eqv) {
            next();
            left = left == exclusive();
        }
        return left;
    }

    bool exclusive() {
        bool left = disjunction();
        while (m_token == Token::Xor) {
            next();
            left = left != disjunction();
        }
        return left;
    }

    bool disjunction() {
        bool left = conjunction();
        while (m_token == Token::Or) {
            next();
            const bool right = conjunction();
            left = left || right;
        }
        return left;
    }

    bool conjunction() {
        bool left = negation();
        while (m_token == Token::And) {
            next();
            const bool right = negation();
            left = left && right;
        }
        return left;
    }

    bool negation() {
        if (m_token == Token::Not) {
            next();
            return !negation();
        }
        return primary();
    }

    bool primary() {
        if (m_token == Token::Open) {
            next();
            const bool value = implication();
            if (m_token != Token::Close)
                throw SyntaxError();
            next();
            return value;
        }
        if (m_token != Token::Value)
            throw SyntaxError();
        const Operand left = m_operand;
        next();
        if (m_token != Token::Compare)
            return left.kind == Operand::Kind::Integer ? left.number != 0 : !left.text.empty();
        const std::u16string op = m_compare;
        const bool noCase = m_noCase;
        next();
        if (m_token != Token::Value)
            throw SyntaxError();
        const Operand right = m_operand;
        next();
        return compare(left, op, noCase, right);
    }

    // The six orderings, for integers and texts alike; none for another operator.
    template <class T> static std::optional<bool> ordered(const T& a, const std::u16string& op, const T& b) {
        if (op == u"=")
            return a == b;
        if (op == u"<>")
            return a != b;
        if (op == u"<")
            return a < b;
        if (op == u"<=")
            return a <= b;
        if (op == u">")
            return a > b;
        if (op == u">=")
            return a >= b;
        return std::nullopt;
    }

    static bool compareIntegers(int a, const std::u16string& op, int b) {
        if (const auto result = ordered(a, op, b))
            return *result;
        const unsigned ua = static_cast<unsigned>(a);
        if (op == u"><")
            return (ua & static_cast<unsigned>(b)) != 0;
        if (op == u"<<")
            return static_cast<int>(ua >> 16) == b;
        return static_cast<int>(ua & 0xFFFF) == b; // ">>"
    }

    static bool compareTexts(std::u16string a, const std::u16string& op, bool noCase, std::u16string b) {
        if (noCase) {
            a = msitext::toUpper(a);
            b = msitext::toUpper(b);
        }
        if (const auto result = ordered(a, op, b))
            return *result;
        if (op == u"><")
            return a.find(b) != std::u16string::npos;
        if (op == u"<<")
            return a.starts_with(b);
        return a.ends_with(b); // ">>"
    }

    static bool compare(const Operand& a, const std::u16string& op, bool noCase, const Operand& b) {
        using Kind = Operand::Kind;
        if (a.kind == Kind::Integer && b.kind == Kind::Integer)
            return compareIntegers(a.number, op, b.number);
        if (a.kind == Kind::Integer || b.kind == Kind::Integer) {
            // A text against an integer: compared as integers when the text is
            // one; otherwise only "not equal" holds.
            const Operand& text = a.kind == Kind::Integer ? b : a;
            const auto number = msitext::toInteger(text.text);
            if (!number)
                return op == u"<>";
            return a.kind == Kind::Integer ? compareIntegers(a.number, op, *number)
                                           : compareIntegers(*number, op, b.number);
        }
        if (a.kind == Kind::Text && b.kind == Kind::Text) {
            const auto left = msitext::toInteger(a.text);
            const auto right = msitext::toInteger(b.text);
            if (left && right)
                return compareIntegers(*left, op, *right);
        }
        return compareTexts(a.text, op, noCase, b.text);
    }

    std::u16string identifier() {
        const size_t start = m_pos;
        if (m_pos >= m_text.size() || !isIdentifierStart(m_text[m_pos]))
            throw SyntaxError();
        while (m_pos < m_text.size() && isIdentifierChar(m_text[m_pos]))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    void next() {
        while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t' ||
                                         m_text[m_pos] == u'\r' || m_text[m_pos] == u'\n'))
            ++m_pos;
        if (m_pos >= m_text.size()) {
            m_token = Token::End;
            return;
        }
        const char16_t c = m_text[m_pos];
        if (c == u'(' || c == u')') {
            ++m_pos;
            m_token = c == u'(' ? Token::Open : Token::Close;
            return;
        }
        m_noCase = c == u'~';
        if (m_noCase)
            ++m_pos;
        if (m_pos < m_text.size() &&
            (m_text[m_pos] == u'<' || m_text[m_pos] == u'>' || m_text[m_pos] == u'=')) {
            static const char16_t* const kOperators[] = {u"<>", u"<=", u"<<", u">=", u">>",
                                                         u"><", u"<",  u">",  u"="};
            for (const char16_t* op : kOperators) {
                const std::u16string_view view(op);
                if (m_text.compare(m_pos, view.size(), view) == 0) {
                    m_compare = std::u16string(view);
                    m_pos += view.size();
                    m_token = Token::Compare;
                    return;
                }
            }
        }
        if (m_noCase)
            throw SyntaxError();
        m_token = Token::Value;
        m_operand = Operand{};
        if (c == u'"') {
            const size_t end = m_text.find(u'"', m_pos + 1);
            if (end == std::u16string::npos)
                throw SyntaxError();
            m_operand.kind = Operand::Kind::Literal;
            m_operand.text = m_text.substr(m_pos + 1, end - m_pos - 1);
            m_pos = end + 1;
            return;
        }
        if (isDigit(c) || (c == u'-' && m_pos + 1 < m_text.size() && isDigit(m_text[m_pos + 1]))) {
            const size_t start = m_pos++;
            while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
                ++m_pos;
            const auto number = msitext::toInteger(m_text.substr(start, m_pos - start));
            if (!number)
                throw SyntaxError();
            m_operand.kind = Operand::Kind::Integer;
            m_operand.number = *number;
            return;
        }
        if (c == u'%' || c == u'?' || c == u'$' || c == u'!' || c == u'&') {
            ++m_pos;
            const std::u16string name = identifier();
            if (c == u'%') {
                const char* value = std::getenv(msitext::toUtf8(name).c_str());
                m_operand.text = msitext::fromUtf8(value ? value : "");
                return;
            }
            m_operand.kind = Operand::Kind::Integer;
            if (c == u'?')
                m_operand.number = m_source.installedState(name);
            else if (c == u'$')
                m_operand.number = m_source.actionState(name);
            else
                m_operand.number = INSTALLSTATE_UNKNOWN;
            return;
        }
        const std::u16string word = identifier();
        const std::u16string upper = msitext::toUpper(word);
        if (upper == u"NOT")
            m_token = Token::Not;
        else if (upper == u"AND")
            m_token = Token::And;
        else if (upper == u"OR")
            m_token = Token::Or;
        else if (upper == u"XOR")
            m_token = Token::Xor;
        else if (upper == u"EQV")
            m_token = Token::Eqv;
        else if (upper == u"IMP")
            m_token = Token::Imp;
        else
            m_operand.text = m_source.property(word);
    }

    const std::u16string& m_text;
    const MsiValueSource& m_source;
    size_t m_pos = 0;
    Token m_token = Token::End;
    Operand m_operand;
    std::u16string m_compare;
    bool m_noCase = false;
};

} // namespace

MSICONDITION MsiCondition::evaluate(const std::u16string& condition, const MsiValueSource& source) {
    if (condition.find_first_not_of(u" \t\r\n") == std::u16string::npos)
        return MSICONDITION_NONE;
    try {
        Parser parser(condition, source);
        return parser.parseAll() ? MSICONDITION_TRUE : MSICONDITION_FALSE;
    } catch (const SyntaxError&) {
        return MSICONDITION_ERROR;
    }
}
