// Rewriting Jet's CREATE TABLE into the engine's, token by token.
#include "platform/db/jet_sql.h"

#include <algorithm>
#include <vector>

namespace {

struct Token {
    std::string text;
    bool space = false;  // whitespace or a comment
};

bool IsWordByte(unsigned char c) { return c >= 0x80 || c == '_' || (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); }

std::vector<Token> Tokenize(std::string_view sql)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < sql.size()) {
        const size_t start = i;
        const unsigned char c = sql[i];
        bool space = false;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            while (i < sql.size() && (sql[i] == ' ' || sql[i] == '\t' || sql[i] == '\r' || sql[i] == '\n'))
                ++i;
            space = true;
        } else if (sql.substr(i, 2) == "--") {
            i = sql.find('\n', i);
            i = i == std::string_view::npos ? sql.size() : i;
            space = true;
        } else if (sql.substr(i, 2) == "/*") {
            i = sql.find("*/", i + 2);
            i = i == std::string_view::npos ? sql.size() : i + 2;
            space = true;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : static_cast<char>(c);
            ++i;
            while (i < sql.size()) {
                if (sql[i] == close) {
                    // A doubled quote stands for itself inside the quotes.
                    if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
        } else if (IsWordByte(c)) {
            while (i < sql.size() && IsWordByte(sql[i]))
                ++i;
        } else {
            ++i;
        }
        tokens.push_back({std::string(sql.substr(start, i - start)), space});
    }
    return tokens;
}

bool Is(const Token& t, std::string_view word)
{
    if (t.text.size() != word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if ((t.text[i] | 0x20) != (word[i] | 0x20))
            return false;
    return true;
}

// The identifier a token names, without its brackets or quotes.
std::string Unquoted(const Token& t)
{
    if (t.text.size() >= 2 && (t.text[0] == '[' || t.text[0] == '"' || t.text[0] == '`'))
        return t.text.substr(1, t.text.size() - 2);
    return t.text;
}

std::string QuotedName(const std::string& name) { return "\"" + name + "\""; }

using Tokens = std::vector<Token>;

// The significant tokens of a range, whitespace dropped.
Tokens Words(const Tokens& tokens)
{
    Tokens words;
    for (const Token& t : tokens)
        if (!t.space)
            words.push_back(t);
    return words;
}

std::string Join(const Tokens& words)
{
    std::string text;
    for (const Token& t : words) {
        if (!text.empty() && t.text != ")" && t.text != "," && text.back() != '(')
            text += ' ';
        text += t.text;
    }
    return text;
}

// The top-level, comma-separated parts between the parentheses of a CREATE
// TABLE; false when the statement has no such list.
bool SplitDefinitions(const Tokens& words, size_t open, std::vector<Tokens>& parts, size_t& close)
{
    int depth = 0;
    parts.emplace_back();
    for (size_t i = open; i < words.size(); ++i) {
        const std::string& w = words[i].text;
        if (w == "(" && depth++ == 0)
            continue;
        if (w == ")" && --depth == 0) {
            close = i;
            return true;
        }
        if (w == "," && depth == 1)
            parts.emplace_back();
        else
            parts.back().push_back(words[i]);
    }
    return false;
}

bool IsTableConstraint(const Tokens& part)
{
    return !part.empty() && (Is(part[0], "constraint") || Is(part[0], "primary") || Is(part[0], "unique") ||
                             Is(part[0], "check") || Is(part[0], "foreign"));
}

bool IsIntegerType(const Token& t) { return Is(t, "int") || Is(t, "integer") || Is(t, "long"); }

// The column names of a PRIMARY KEY constraint.
std::vector<std::string> KeyColumns(const Tokens& part)
{
    std::vector<std::string> columns;
    for (size_t i = 0; i + 1 < part.size(); ++i) {
        if (!Is(part[i], "primary") || !Is(part[i + 1], "key"))
            continue;
        size_t j = i + 2;
        while (j < part.size() && part[j].text != "(")
            ++j;
        for (++j; j < part.size() && part[j].text != ")"; ++j)
            if (part[j].text != ",")
                columns.push_back(Unquoted(part[j]));
    }
    return columns;
}

std::string TranslateCreateTable(const Tokens& words, size_t open)
{
    std::vector<Tokens> parts;
    size_t close = 0;
    if (!SplitDefinitions(words, open, parts, close))
        return {};
    const std::string table = Unquoted(words[open - 1]);

    std::vector<std::string> key;
    std::string counter;  // the COUNTER column, which becomes the rowid key
    for (Tokens& part : parts) {
        std::erase_if(part, [](const Token& t) { return Is(t, "nonclustered") || Is(t, "clustered"); });
        if (IsTableConstraint(part)) {
            for (const std::string& column : KeyColumns(part))
                key.push_back(column);
        } else if (part.size() >= 2) {
            if (Is(part[1], "counter") || Is(part[1], "autoincrement"))
                counter = Unquoted(part[0]);
            else if (Is(part[1], "oleobject") || Is(part[1], "longbinary") || Is(part[1], "image"))
                part[1].text = "BLOB";
        }
    }

    std::vector<std::string> definitions;
    for (Tokens& part : parts) {
        if (IsTableConstraint(part)) {
            // The auto-number column carries its key itself: the engine
            // allows AUTOINCREMENT only there.
            if (!counter.empty() && KeyColumns(part) == std::vector<std::string>{counter})
                continue;
        } else if (!part.empty()) {
            const std::string name = Unquoted(part[0]);
            if (name == counter) {
                part.resize(1);
                part.push_back({"INTEGER PRIMARY KEY AUTOINCREMENT"});
            } else if (std::find(key.begin(), key.end(), name) != key.end()) {
                bool notNull = false;
                for (size_t i = 0; i + 1 < part.size(); ++i)
                    notNull = notNull || (Is(part[i], "not") && Is(part[i + 1], "null"));
                if (!notNull)
                    part.push_back({"NOT NULL"});
            }
        }
        definitions.push_back(Join(part));
    }

    std::string sql = Join(Tokens(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(open))) + " (";
    for (size_t i = 0; i < definitions.size(); ++i)
        sql += (i ? ", " : "") + definitions[i];
    sql += ")" + Join(Tokens(words.begin() + static_cast<std::ptrdiff_t>(close) + 1, words.end()));

    const std::string keyName = key.size() == 1 ? key[0] : counter;
    if (keyName.empty())
        return sql;
    for (const Tokens& part : parts) {
        if (IsTableConstraint(part) || part.size() < 2 || !IsIntegerType(part[1]))
            continue;
        const std::string name = Unquoted(part[0]);
        if (name.size() > keyName.size() && name.ends_with(keyName))
            sql += "; CREATE INDEX " + QuotedName("IX_" + table + "_" + name) + " ON " + QuotedName(table) + " (" +
                   QuotedName(name) + ")";
    }
    return sql;
}

}  // namespace

std::string TranslateJetSql(std::string_view Utf8Sql)
{
    const Tokens words = Words(Tokenize(Utf8Sql));
    if (words.size() < 4 || !Is(words[0], "create") || !Is(words[1], "table") || words[3].text != "(")
        return std::string(Utf8Sql);
    std::string sql = TranslateCreateTable(words, 3);
    return sql.empty() ? std::string(Utf8Sql) : sql;
}
