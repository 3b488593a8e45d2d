#include "catalog/QueryParser.h"

#include "catalog/CatalogError.h"
#include "catalog/JetPattern.h"
#include "catalog/NumberText.h"

#include <cctype>
#include <vector>

namespace catalog {
namespace {

struct Token {
    enum class Kind { Word, Name, Text, Number, Symbol, End } kind;
    std::string text;   // the word, the name, the constant's value, the symbol
    std::string source; // as written in the query, for messages
};

bool isWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool isWordPart(char c) {
    return isWordStart(c) || std::isdigit(static_cast<unsigned char>(c));
}

bool sameWord(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

class Parser {
public:
    explicit Parser(const std::string& query) : m_query(query) { tokenize(); }

    SelectQuery parse() {
        SelectQuery result;
        expectKeyword("SELECT");
        if (isKeyword("DISTINCT")) {
            next();
            result.distinct = true;
        }
        if (isSymbol("*")) {
            next();
        } else {
            result.fields.push_back(expectName("a field name or \"*\""));
            while (isSymbol(",")) {
                next();
                result.fields.push_back(expectName("a field name"));
            }
        }
        expectKeyword("FROM");
        result.table = expectName("a table name");
        if (isKeyword("WHERE")) {
            next();
            result.conditions.push_back(condition());
            while (isKeyword("AND")) {
                next();
                result.conditions.push_back(condition());
            }
        }
        if (isKeyword("ORDER")) {
            next();
            expectKeyword("BY");
            result.orderBy = expectName("a field name");
            if (isKeyword("ASC")) {
                next();
            } else if (isKeyword("DESC")) {
                next();
                result.descending = true;
            }
        }
        if (isSymbol(";"))
            next();
        if (current().kind != Token::Kind::End)
            fail("unexpected " + describe(current()));
        return result;
    }

private:
    void tokenize() {
        const std::string& q = m_query;
        size_t i = 0;
        while (true) {
            while (i < q.size() && std::isspace(static_cast<unsigned char>(q[i])))
                ++i;
            if (i >= q.size())
                break;
            const size_t start = i;
            const char c = q[i];
            if (c == '"' || c == '\'') {
                std::string value;
                ++i;
                bool closed = false;
                while (i < q.size()) {
                    if (q[i] == c) {
                        if (i + 1 < q.size() && q[i + 1] == c) {
                            value += c;
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    value += q[i++];
                }
                if (!closed)
                    fail("a text constant without its closing quote: " + q.substr(start));
                m_tokens.push_back({Token::Kind::Text, value, q.substr(start, i - start)});
            } else if (c == '[') {
                const size_t close = q.find(']', i + 1);
                if (close == std::string::npos)
                    fail("a name without its closing \"]\": " + q.substr(start));
                m_tokens.push_back({Token::Kind::Name, q.substr(i + 1, close - i - 1), q.substr(i, close - i + 1)});
                i = close + 1;
            } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                       ((c == '-' || c == '.') && i + 1 < q.size() &&
                        std::isdigit(static_cast<unsigned char>(q[i + 1])))) {
                ++i;
                while (i < q.size() && (std::isalnum(static_cast<unsigned char>(q[i])) || q[i] == '.' ||
                                        ((q[i] == '+' || q[i] == '-') && (q[i - 1] == 'e' || q[i - 1] == 'E'))))
                    ++i;
                const std::string number = q.substr(start, i - start);
                m_tokens.push_back({Token::Kind::Number, number, number});
            } else if (isWordStart(c)) {
                while (i < q.size() && isWordPart(q[i]))
                    ++i;
                const std::string word = q.substr(start, i - start);
                m_tokens.push_back({Token::Kind::Word, word, word});
            } else if (c == '*' || c == ',' || c == '=' || c == ';') {
                ++i;
                m_tokens.push_back({Token::Kind::Symbol, std::string(1, c), std::string(1, c)});
            } else {
                // Show the whole character, also when it takes several bytes.
                ++i;
                while (i < q.size() && (static_cast<unsigned char>(q[i]) & 0xC0) == 0x80)
                    ++i;
                fail("unexpected character \"" + q.substr(start, i - start) + "\"");
            }
        }
        m_tokens.push_back({Token::Kind::End, "", ""});
    }

    Condition condition() {
        Condition result;
        result.field = expectName("a field name");
        if (isSymbol("=")) {
            next();
            const Token& constant = current();
            if (constant.kind == Token::Kind::Text) {
                result.constant = FieldValue::text(constant.text);
            } else if (constant.kind == Token::Kind::Number) {
                const auto number = numberFromText(constant.text);
                if (!number)
                    fail("malformed number \"" + constant.source + "\"");
                result.constant = *number;
            } else {
                fail("expected a text in quotes or a number after \"=\", found " + describe(constant));
            }
            next();
        } else if (isKeyword("LIKE")) {
            next();
            if (current().kind != Token::Kind::Text)
                fail("expected a pattern in quotes after \"Like\", found " + describe(current()));
            result.kind = Condition::Kind::Like;
            result.constant = FieldValue::text(current().text);
            // A malformed pattern fails here, before the query runs.
            JetPattern checked(current().text);
            next();
        } else {
            fail("expected \"=\" or \"Like\" after \"" + result.field + "\", found " + describe(current()));
        }
        return result;
    }

    const Token& current() const { return m_tokens[m_position]; }
    void next() {
        if (m_position + 1 < m_tokens.size())
            ++m_position;
    }
    bool isKeyword(const char* keyword) const {
        return current().kind == Token::Kind::Word && sameWord(current().text, keyword);
    }
    bool isSymbol(const char* symbol) const {
        return current().kind == Token::Kind::Symbol && current().text == symbol;
    }
    void expectKeyword(const char* keyword) {
        if (!isKeyword(keyword))
            fail(std::string("expected \"") + keyword + "\", found " + describe(current()));
        next();
    }
    std::string expectName(const std::string& what) {
        const Token& token = current();
        const bool reserved = token.kind == Token::Kind::Word &&
                              (sameWord(token.text, "SELECT") || sameWord(token.text, "DISTINCT") ||
                               sameWord(token.text, "FROM") || sameWord(token.text, "WHERE") ||
                               sameWord(token.text, "AND") || sameWord(token.text, "LIKE") ||
                               sameWord(token.text, "ORDER") || sameWord(token.text, "BY"));
        if ((token.kind != Token::Kind::Word && token.kind != Token::Kind::Name) || reserved || token.text.empty())
            fail("expected " + what + ", found " + describe(token));
        next();
        return token.text;
    }
    static std::string describe(const Token& token) {
        if (token.kind == Token::Kind::End)
            return "the end of the query";
        return "\"" + token.source + "\"";
    }
    [[noreturn]] void fail(const std::string& what) const {
        throw CatalogError("Syntax error in the query \"" + m_query + "\": " + what);
    }

    const std::string& m_query;
    std::vector<Token> m_tokens;
    size_t m_position = 0;
};

} // namespace

SelectQuery parseQuery(const std::string& query) {
    return Parser(query).parse();
}

} // namespace catalog
