#include "platform/DataAccessSql.h"

#include <vector>

namespace sqltext {
namespace {

enum class Kind { Word, Name, Literal, Symbol };

struct Token {
    Kind kind;
    int start;
    int end;
};

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == '_' || c == '$' || c.unicode() > 0x7F;
}

// Skips a run enclosed by Close starting at Pos (which holds the opener); a doubled closer inside
// stands for itself. Returns the position after the closer, or the end of an unterminated run.
int SkipEnclosed(const QString& S, int Pos, QChar Close) {
    int i = Pos + 1;
    while (i < S.size()) {
        if (S[i] == Close) {
            if (Close != ']' && i + 1 < S.size() && S[i + 1] == Close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

std::vector<Token> Tokenize(const QString& S) {
    std::vector<Token> out;
    int i = 0;
    const int n = S.size();
    while (i < n) {
        QChar c = S[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == '-' && i + 1 < n && S[i + 1] == '-') {
            while (i < n && S[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && S[i + 1] == '*') {
            int close = S.indexOf(QStringLiteral("*/"), i + 2);
            i = close < 0 ? n : close + 2;
        } else if (c == '[') {
            out.push_back({Kind::Name, i, i = SkipEnclosed(S, i, ']')});
        } else if (c == '"' || c == '`') {
            out.push_back({Kind::Name, i, i = SkipEnclosed(S, i, c)});
        } else if (c == '\'') {
            out.push_back({Kind::Literal, i, i = SkipEnclosed(S, i, '\'')});
        } else if (IsWordChar(c)) {
            int start = i;
            while (i < n && IsWordChar(S[i])) ++i;
            out.push_back({Kind::Word, start, i});
        } else {
            out.push_back({Kind::Symbol, i, i + 1});
            ++i;
        }
    }
    return out;
}

class Reader {
public:
    explicit Reader(const QString& S) : s(S), tokens(Tokenize(S)) {}
    QString Text(size_t i) const {
        return i < tokens.size() ? s.mid(tokens[i].start, tokens[i].end - tokens[i].start)
                                 : QString();
    }
    bool IsWord(size_t i, const char* Word) const {
        return i < tokens.size() && tokens[i].kind == Kind::Word &&
               Text(i).compare(QLatin1String(Word), Qt::CaseInsensitive) == 0;
    }
    bool IsSymbol(size_t i, char C) const {
        return i < tokens.size() && tokens[i].kind == Kind::Symbol && s[tokens[i].start] == C;
    }
    bool IsName(size_t i) const {
        return i < tokens.size() && (tokens[i].kind == Kind::Name || tokens[i].kind == Kind::Word);
    }
    const QString& s;
    std::vector<Token> tokens;
};

bool IsClauseAfterTable(const Reader& r, size_t i) {
    for (const char* w : {"where", "order", "limit"})
        if (r.IsWord(i, w)) return true;
    return false;
}

bool IsNotUpdatableClause(const Reader& r, size_t i) {
    for (const char* w : {"group", "having", "union", "intersect", "except", "join", "window"})
        if (r.IsWord(i, w)) return true;
    return false;
}

} // namespace

QString EngineCommand(const QString& CommandText) {
    Reader r(CommandText);
    if (r.IsWord(0, "delete") && r.IsSymbol(1, '*') && r.IsWord(2, "from")) {
        const Token& star = r.tokens[1];
        return CommandText.left(star.start) + CommandText.mid(star.end);
    }
    return CommandText;
}

SelectShape AnalyzeSelect(const QString& EngineText) {
    SelectShape shape;
    Reader r(EngineText);
    if (!r.IsWord(0, "select")) return shape;
    size_t i = 1;
    bool plainList = !r.IsWord(i, "distinct");
    if (r.IsWord(i, "all") || r.IsWord(i, "distinct")) ++i;

    // The column list runs to the first "from" outside parentheses.
    size_t listStart = i;
    int depth = 0;
    for (; i < r.tokens.size(); ++i) {
        if (r.IsSymbol(i, '(')) ++depth;
        if (r.IsSymbol(i, ')')) --depth;
        if (depth == 0 && r.IsWord(i, "from")) break;
    }
    if (i >= r.tokens.size()) return shape;
    shape.FromPos = r.tokens[i].start;
    size_t listEnd = i;

    if (listEnd == listStart + 1 && r.IsSymbol(listStart, '*')) {
        shape.AllColumns = true;
    } else {
        for (size_t k = listStart; k < listEnd; k += 2) {
            bool lastOrComma = k + 1 == listEnd || r.IsSymbol(k + 1, ',');
            if (!r.IsName(k) || !lastOrComma)
                plainList = false;
            else
                shape.Columns << r.Text(k);
        }
        if (shape.Columns.isEmpty()) plainList = false;
    }

    // One table, possibly schema-qualified, then nothing but a filter, an order or a limit.
    size_t t = listEnd + 1;
    if (!r.IsName(t)) return shape;
    size_t tableEnd = t + 1;
    if (r.IsSymbol(tableEnd, '.') && r.IsName(tableEnd + 1)) tableEnd += 2;
    shape.Table = EngineText.mid(r.tokens[t].start, r.tokens[tableEnd - 1].end - r.tokens[t].start);
    bool simpleTail =
        tableEnd == r.tokens.size() || r.IsSymbol(tableEnd, ';') || IsClauseAfterTable(r, tableEnd);
    depth = 0;
    for (size_t k = tableEnd; k < r.tokens.size() && simpleTail; ++k) {
        if (r.IsSymbol(k, '(')) ++depth;
        if (r.IsSymbol(k, ')')) --depth;
        if (depth == 0 && IsNotUpdatableClause(r, k)) simpleTail = false;
    }
    shape.Updatable = plainList && simpleTail;
    return shape;
}

QString QuoteName(const QString& Name) {
    QString q = Name;
    q.replace('"', QStringLiteral("\"\""));
    return '"' + q + '"';
}

} // namespace sqltext
