#include "app/cli/Csv.h"

namespace csv {

namespace {

bool NeedsQuotes(const QString& Field) {
    // Leading '#' reads as a comment, a leading U+FEFF as a byte order mark.
    if (Field.startsWith('#') || Field.startsWith(QChar(0xFEFF))) return true;
    for (QChar c : Field)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
    return false;
}

// Walks the decoded text once; a record is a list of fields ended by a line break or the end.
class Reader {
public:
    explicit Reader(const QString& Text) : FText(Text) {}

    Parsed Run() {
        Parsed out;
        bool seenRecord = false;
        while (FPos < FText.size()) {
            if (!seenRecord && FText[FPos] == '#') {
                SkipLine();
                continue;
            }
            const int line = FLine;
            Record fields;
            if (!ReadRecord(fields, out)) return out;
            seenRecord = true;
            if (fields.size() == 1 && fields[0].isEmpty() && !FLastQuoted) continue;
            out.Rows.push_back({line, std::move(fields)});
        }
        return out;
    }

private:
    bool AtBreak() const { return FText[FPos] == '\r' || FText[FPos] == '\n'; }

    // Consumes one line break (CR LF counts once) and counts it.
    void TakeBreak() {
        if (FText[FPos] == '\r' && FPos + 1 < FText.size() && FText[FPos + 1] == '\n') ++FPos;
        ++FPos;
        ++FLine;
    }

    void SkipLine() {
        while (FPos < FText.size() && !AtBreak()) ++FPos;
        if (FPos < FText.size()) TakeBreak();
    }

    bool Fail(Parsed& Out, int Line, const QString& Message) {
        Out.Error = ParseError{Line, Message};
        return false;
    }

    bool ReadRecord(Record& Fields, Parsed& Out) {
        FLastQuoted = false;
        for (;;) {
            QString field;
            if (FPos < FText.size() && FText[FPos] == '"') {
                if (!ReadQuoted(field, Out)) return false;
            } else if (!ReadPlain(field, Out)) {
                return false;
            }
            Fields.push_back(std::move(field));
            if (FPos >= FText.size()) return true;
            if (AtBreak()) {
                TakeBreak();
                return true;
            }
            ++FPos; // the comma
        }
    }

    bool ReadPlain(QString& Field, Parsed& Out) {
        const int start = FPos;
        while (FPos < FText.size() && FText[FPos] != ',' && !AtBreak()) {
            if (FText[FPos] == '"')
                return Fail(Out, FLine, QStringLiteral("没有引号括起的字段中出现了引号"));
            ++FPos;
        }
        Field = FText.mid(start, FPos - start);
        return true;
    }

    bool ReadQuoted(QString& Field, Parsed& Out) {
        const int openedOn = FLine;
        FLastQuoted = true;
        ++FPos; // the opening quote
        for (;;) {
            if (FPos >= FText.size())
                return Fail(Out, openedOn, QStringLiteral("引号没有结束（文件在引号内结束）"));
            const QChar c = FText[FPos];
            if (c == '"') {
                if (FPos + 1 < FText.size() && FText[FPos + 1] == '"') {
                    Field += '"';
                    FPos += 2;
                    continue;
                }
                ++FPos;
                break;
            }
            if (c == '\r' || c == '\n') {
                // Kept exactly; only the line count needs the CR LF pair seen as one break.
                const int before = FPos;
                TakeBreak();
                Field += FText.mid(before, FPos - before);
                continue;
            }
            Field += c;
            ++FPos;
        }
        if (FPos < FText.size() && FText[FPos] != ',' && !AtBreak())
            return Fail(Out, FLine, QStringLiteral("结束引号后面紧跟着其他字符"));
        return true;
    }

    const QString& FText;
    int FPos = 0;
    int FLine = 1;
    bool FLastQuoted = false;
};

// The line of the first byte that is not valid UTF-8, or 0 when all of it is.
int FirstBadUtf8Line(const QByteArray& Bytes) {
    static const unsigned kSmallest[] = {0, 0x80, 0x800, 0x10000};
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.constData());
    const qsizetype n = Bytes.size();
    int line = 1;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int more = 0;
        unsigned cp = c;
        if (c >= 0x80) {
            if ((c & 0xE0) == 0xC0)
                more = 1, cp = c & 0x1F;
            else if ((c & 0xF0) == 0xE0)
                more = 2, cp = c & 0x0F;
            else if ((c & 0xF8) == 0xF0)
                more = 3, cp = c & 0x07;
            else
                return line;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80) return line;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past the last code point are not UTF-8.
        if (cp < kSmallest[more] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return line;
        if (c == '\n' || (c == '\r' && (i + 1 >= n || p[i + 1] != '\n'))) ++line;
        i += more + 1;
    }
    return 0;
}

} // namespace

QString FormatRecord(const Record& Fields) {
    // A lone empty field would make an empty line, which readers skip.
    if (Fields.size() == 1 && Fields[0].isEmpty()) return QStringLiteral("\"\"\r\n");
    QString out;
    for (size_t i = 0; i < Fields.size(); ++i) {
        if (i) out += ',';
        if (NeedsQuotes(Fields[i])) {
            QString doubled = Fields[i];
            doubled.replace('"', QStringLiteral("\"\""));
            out += '"' + doubled + '"';
        } else {
            out += Fields[i];
        }
    }
    return out + QStringLiteral("\r\n");
}

Parsed Parse(const QByteArray& Utf8) {
    QByteArray bytes = Utf8;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (int bad = FirstBadUtf8Line(bytes)) {
        Parsed out;
        out.Error = ParseError{bad, QStringLiteral("不是 UTF-8 编码的文字")};
        return out;
    }
    const QString text = QString::fromUtf8(bytes);
    return Reader(text).Run();
}

} // namespace csv
