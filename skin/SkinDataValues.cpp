#include "skin/SkinDataValues.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>

namespace {

// The usual form, digits and commas only with every field there and no number too large:
// read in one tight pass. False for anything else, which the full reading below settles.
bool PlainFields(QStringView S, int* Out, int Count) {
    const char16_t* p = S.utf16();
    const char16_t* const end = p + S.size();
    for (int field = 0; field < Count; ++field) {
        if (p == end || unsigned(*p - u'0') >= 10u) return false;
        uint32_t value = 0;
        int digits = 0;
        for (; p != end && unsigned(*p - u'0') < 10u; ++p, ++digits)
            value = value * 10 + uint32_t(*p - u'0');
        if (digits > 9) return false;
        Out[field] = int(value);
        if (field + 1 < Count) {
            if (p == end || *p != u',') return false;
            ++p;
        }
    }
    return p == end;
}

// Splits at "," and turns each field into a number after dropping everything but digits.
[[gnu::noinline]] void ParseAnyFields(QStringView S, int* Out, int Count, const char* What) {
    auto fail = [&](const QString& Why) {
        throw EConvertError(QStringLiteral("皮肤定义中的%1值“%2”%3，请检查皮肤文件。")
                                .arg(QString::fromLatin1(What), S.toString(), Why));
    };
    int field = 0;
    qint64 value = 0;
    bool digits = false;
    auto endField = [&] {
        if (field == Count) fail(QStringLiteral("应只有 %1 个以逗号分隔的数").arg(Count));
        if (!digits) fail(QStringLiteral("的第 %1 个数缺失").arg(field + 1));
        Out[field++] = int(value);
        value = 0;
        digits = false;
    };
    const char16_t* units = S.utf16();
    for (qsizetype i = 0; i < S.size(); ++i) {
        const char16_t c = units[i];
        if (unsigned(c - u'0') < 10u) {
            value = value * 10 + (c - u'0');
            digits = true;
            if (value > INT_MAX) fail(QStringLiteral("的第 %1 个数太大").arg(field + 1));
        } else if (c == u',') {
            endField();
        }
    }
    endField();
    if (field != Count) fail(QStringLiteral("应有 %1 个以逗号分隔的数").arg(Count));
}

void ParseFields(QStringView S, int* Out, int Count, const char* What) {
    if (!PlainFields(S, Out, Count)) ParseAnyFields(S, Out, Count, What);
}

struct StyleWord {
    const char* Word;
    TFontStyle Style;
};
constexpr StyleWord kStyleWords[] = {{"fsbold", TFontStyle::fsBold},
                                     {"fsitalic", TFontStyle::fsItalic},
                                     {"fsunderline", TFontStyle::fsUnderline},
                                     {"fsstrikeout", TFontStyle::fsStrikeOut}};

} // namespace

TRect SkinStrToRect(const QString& S) {
    return SkinStrToRect(QStringView(S));
}

TRect SkinStrToRect(QStringView S) {
    int v[4];
    ParseFields(S, v, 4, "rect");
    return {v[0], v[1], v[2], v[3]};
}

TPoint SkinStrToPoint(const QString& S) {
    return SkinStrToPoint(QStringView(S));
}

TPoint SkinStrToPoint(QStringView S) {
    int v[2];
    ParseFields(S, v, 2, "point");
    return {v[0], v[1]};
}

QString SkinRectToStr(const TRect& R) {
    return QStringLiteral("%1,%2,%3,%4").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
}

QString SkinPointToStr(TPoint P) {
    return QStringLiteral("%1,%2").arg(P.X).arg(P.Y);
}

TFontStyles SkinStrToFontStyles(const QString& S) {
    return SkinStrToFontStyles(QStringView(S));
}

TFontStyles SkinStrToFontStyles(QStringView S) {
    TFontStyles styles;
    if (S.size() < 6) return styles; // shorter than any word; most fonts have no style
    for (const StyleWord& w : kStyleWords)
        if (S.contains(QLatin1String(w.Word), Qt::CaseSensitive)) styles.Include(w.Style);
    return styles;
}

QString SkinFontStylesToStr(TFontStyles Styles) {
    QStringList words;
    for (const StyleWord& w : kStyleWords)
        if (Styles.Contains(w.Style)) words.append(QLatin1String(w.Word));
    return words.join(u',');
}

TAlignment SkinStrToAlignment(const QString& S) {
    return SkinStrToAlignment(QStringView(S));
}

TAlignment SkinStrToAlignment(QStringView S) {
    if (S == QLatin1String("tacenter")) return TAlignment::taCenter;
    if (S == QLatin1String("taleftjustify")) return TAlignment::taLeftJustify;
    return TAlignment::taRightJustify;
}

QString SkinAlignmentToStr(TAlignment A) {
    switch (A) {
    case TAlignment::taCenter:
        return QStringLiteral("tacenter");
    case TAlignment::taLeftJustify:
        return QStringLiteral("taleftjustify");
    default:
        return QStringLiteral("tarightjustify");
    }
}

void TSkinIniExchange::Int(TSkinKey Key, int& V, int Default) {
    if (FWriting)
        FIni.WriteInteger(FSection, Key.View.toString(), V);
    else if (QStringView v; !Find(Key, v) || !TryStrToInt(v, V))
        V = Default;
}

void TSkinIniExchange::Bool(TSkinKey Key, bool& V) {
    if (FWriting)
        FIni.WriteInteger(FSection, Key.View.toString(), V ? 1 : 0);
    else {
        QStringView text;
        int v = 0;
        V = Find(Key, text) && TryStrToInt(text, v) && v == 1;
    }
}

void TSkinIniExchange::Rect(TSkinKey Key, TRect& V) {
    if (FWriting)
        FIni.WriteString(FSection, Key.View.toString(), SkinRectToStr(V));
    else
        V = InSection(Key, [&] {
            QStringView v;
            return SkinStrToRect(Find(Key, v) ? v : QStringView(u"0,0,0,0"));
        });
}

void TSkinIniExchange::Point(TSkinKey Key, TPoint& V) {
    if (FWriting)
        FIni.WriteString(FSection, Key.View.toString(), SkinPointToStr(V));
    else
        V = InSection(Key, [&] {
            QStringView v;
            return SkinStrToPoint(Find(Key, v) ? v : QStringView(u"0,0"));
        });
}

void TSkinIniExchange::Text(TSkinKey Key, QString& V, const QString& Default) {
    if (FWriting)
        FIni.WriteString(FSection, Key.View.toString(), V);
    else if (QStringView v; !Find(Key, v))
        V = Default;
    else if (v == Default)
        V = Default; // shares the default's characters, as for most font names
    else if (v != V)
        V = v.toString();
}

void TSkinIniExchange::FontStyle(TSkinKey Key, TFontStyles& V) {
    if (FWriting)
        FIni.WriteString(FSection, Key.View.toString(), SkinFontStylesToStr(V));
    else if (QStringView v; Find(Key, v))
        V = SkinStrToFontStyles(v);
    else
        V = TFontStyles();
}

void TSkinIniExchange::Alignment(TSkinKey Key, TAlignment& V) {
    if (FWriting)
        FIni.WriteString(FSection, Key.View.toString(), SkinAlignmentToStr(V));
    else if (QStringView v; Find(Key, v))
        V = SkinStrToAlignment(v);
    else
        V = TAlignment::taCenter;
}

void TSkinIniExchange::Choice(TSkinKey Key, int& V, std::initializer_list<const char*> Words,
                              int Default) {
    const int last = int(Words.size()) - 1;
    if (FWriting) {
        const int at = V >= 0 && V <= last ? V : last;
        FIni.WriteString(FSection, Key.View.toString(), QLatin1String(Words.begin()[at]));
        return;
    }
    auto pick = [&](auto Text) {
        V = last;
        for (int i = 0; i < last; ++i)
            if (Text == QLatin1StringView(Words.begin()[i])) {
                V = i;
                break;
            }
    };
    if (QStringView v; Find(Key, v))
        pick(v);
    else
        pick(QLatin1StringView(Words.begin()[Default]));
}

void TSkinIniExchange::MorphKind(TSkinKey Key, TMorphKind& V) {
    int k = int(V);
    Choice(Key, k, {"mkdefault", "mkgradient"}, 0);
    V = TMorphKind(k);
}

void TSkinIniExchange::Command(TSkinKey Key, TStdCommand& V) {
    int k = int(V);
    Choice(Key, k, {"cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup"},
           4);
    V = TStdCommand(k);
}

namespace {

// Prefix + Suffix on the stack: most descriptions read a font, four keys each.
struct TKeyName {
    template <size_t N> TKeyName(TSkinKey Prefix, const char16_t (&Suffix)[N]) {
        const qsizetype p = std::min(Prefix.View.size(), qsizetype(std::size(Text) - N));
        std::copy_n(Prefix.View.utf16(), p, Text);
        std::copy_n(Suffix, N - 1, Text + p);
        Key = TSkinKey(QStringView(Text, p + qsizetype(N) - 1));
    }
    char16_t Text[64];
    TSkinKey Key{u""};
};

} // namespace

void TSkinIniExchange::Font(TSkinKey Prefix, QString& Name, int& Height, TFontStyles& Style,
                            TColor& Color) {
    Text(TKeyName(Prefix, u"name").Key, Name, QStringLiteral("Arial"));
    Int(TKeyName(Prefix, u"height").Key, Height, 14);
    FontStyle(TKeyName(Prefix, u"style").Key, Style);
    Int(TKeyName(Prefix, u"color").Key, Color, 0);
}

void TSkinIniExchange::Lines(TSkinKey Key, QStringList& V) {
    const QString countKey = Key.View.toString() + QStringLiteral("linecount");
    const QString lineKey = Key.View.toString() + QStringLiteral("line");
    if (FWriting) {
        FIni.WriteInteger(FSection, countKey, int(V.size()));
        for (int i = 0; i < V.size(); ++i)
            FIni.WriteString(FSection, lineKey + QString::number(i), V[i]);
        return;
    }
    V.clear();
    // The count comes from the file; lines that are not there read as empty, and a count far
    // beyond the keys the section holds cannot make the list larger than the section.
    const int count = FIni.ReadInteger(FSection, countKey, 0);
    const int present = FIni.KeyCount(FSectionIndex);
    for (int i = 0; i < count && i < present; ++i)
        V.append(FIni.ReadString(FSectionIndex, lineKey + QString::number(i), QString()));
}

void TSkinAnchors::Exchange(TSkinIniExchange& X) {
    X.Point(u"lefttoppoint", LTPoint);
    X.Point(u"righttoppoint", RTPoint);
    X.Point(u"leftbottompoint", LBPoint);
    X.Point(u"rightbottompoint", RBPoint);
    X.Rect(u"clientrect", ClientRect);
}

void TSkinUpDownRects::Exchange(TSkinIniExchange& X) {
    X.Rect(u"upbuttonrect", UpButtonRect);
    X.Rect(u"activeupbuttonrect", ActiveUpButtonRect);
    X.Rect(u"downupbuttonrect", DownUpButtonRect);
    X.Rect(u"downbuttonrect", DownButtonRect);
    X.Rect(u"activedownbuttonrect", ActiveDownButtonRect);
    X.Rect(u"downdownbuttonrect", DownDownButtonRect);
}
