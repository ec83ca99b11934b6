#pragma once
// The value syntaxes of a skin definition and the one place that reads and writes them. Skins
// written for this engine rely on the exact reading rules, so they are kept here together.

#include "platform/ExtCtrls.h"
#include "platform/GraphicsObjects.h"
#include "platform/IniFiles.h"
#include "platform/Strings.h"
#include "platform/SysUtils.h"
#include "platform/Types.h"

#include <initializer_list>
#include <memory>

enum class TMorphKind { mkDefault, mkGradient };
enum class TStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp };

// "L,T,R,B": split at every ","; inside a field every character but a digit is dropped. A field
// missing or left empty, an extra field or a number beyond 32 bits raises EConvertError.
TRect SkinStrToRect(QStringView S);
TRect SkinStrToRect(const QString& S);
// "X,Y" by the same rules.
TPoint SkinStrToPoint(QStringView S);
TPoint SkinStrToPoint(const QString& S);
QString SkinRectToStr(const TRect& R);
QString SkinPointToStr(TPoint P);
// Words found as case-sensitive substrings: "fsbold", "fsitalic", "fsunderline", "fsstrikeout".
TFontStyles SkinStrToFontStyles(QStringView S);
TFontStyles SkinStrToFontStyles(const QString& S);
QString SkinFontStylesToStr(TFontStyles Styles);
// "tacenter" and "taleftjustify" are recognised; any other text means right.
TAlignment SkinStrToAlignment(QStringView S);
TAlignment SkinStrToAlignment(const QString& S);
QString SkinAlignmentToStr(TAlignment A);

// A key's name, written as u"..." so that it compares with the file's text unit for unit, its
// length known where it is written.
struct TSkinKey {
    template <size_t N> constexpr TSkinKey(const char16_t (&Name)[N]) : View(Name, N - 1) {}
    constexpr explicit TSkinKey(QStringView Name) : View(Name) {}
    QStringView View;
};

// Reads or writes the keys of one section, so that a description states its keys once and its
// read and write stay mirrors of each other.
class TSkinIniExchange {
public:
    TSkinIniExchange(TMemIniFile& Ini, const QString& Section, bool Writing)
        : FIni(Ini), FSection(Section), FSectionIndex(Ini.SectionIndex(Section)),
          FWriting(Writing) {}
    bool Writing() const { return FWriting; }
    const QString& Section() const { return FSection; }

    void Int(TSkinKey Key, int& V, int Default = 0);
    void Color(TSkinKey Key, TColor& V) { Int(Key, V, 0); }
    // True only when the value is exactly 1.
    void Bool(TSkinKey Key, bool& V);
    void Rect(TSkinKey Key, TRect& V);
    void Point(TSkinKey Key, TPoint& V);
    void Text(TSkinKey Key, QString& V, const QString& Default = QString());
    void FontStyle(TSkinKey Key, TFontStyles& V);
    void Alignment(TSkinKey Key, TAlignment& V);
    // Exact comparison with Words in order gives the word's position; any other text gives the
    // last position. A missing key reads as Words[Default].
    void Choice(TSkinKey Key, int& V, std::initializer_list<const char*> Words, int Default);
    void MorphKind(TSkinKey Key, TMorphKind& V);
    void Command(TSkinKey Key, TStdCommand& V);
    // Prefix + "name", "height", "style", "color": the usual four font keys.
    void Font(TSkinKey Prefix, QString& Name, int& Height, TFontStyles& Style, TColor& Color);
    // A text list: Key + "linecount", then Key + "line0", Key + "line1", ...
    void Lines(TSkinKey Key, QStringList& V);

private:
    // The value of Key as written, without a copy; false when the section lacks the key.
    bool Find(TSkinKey Key, QStringView& Value) const {
        return FIni.FindValue(FSectionIndex, Key.View, Value, FCursor);
    }
    // Runs a conversion, naming the section and key in the message when it fails.
    template <typename F> auto InSection(TSkinKey Key, F Convert) const {
        try {
            return Convert();
        } catch (const EConvertError& E) {
            throw EConvertError(QStringLiteral("[%1] %2: %3").arg(FSection, Key.View, E.Message()));
        }
    }
    TMemIniFile& FIni;
    QString FSection;
    int FSectionIndex; // for reading
    mutable int FCursor = -1;
    bool FWriting;
};

// The four anchor points and the client rectangle of a resizable picture.
struct TSkinAnchors {
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClientRect;
    void Exchange(TSkinIniExchange& X);
};

// A font as a skin section gives it (Arial 14, no style, black unless the section says more).
struct TSkinFont {
    QString Name = QStringLiteral("Arial");
    int Height = 14;
    TFontStyles Style;
    TColor Color = 0;
    void Exchange(TSkinIniExchange& X, TSkinKey Prefix = u"font") {
        X.Font(Prefix, Name, Height, Style, Color);
    }
};

// Up and down buttons in their three looks (list boxes, scroll bars, spin edits, up-downs).
struct TSkinUpDownRects {
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    void Exchange(TSkinIniExchange& X);
};

// The description kinds of a list section: the kind word and how to make its description.
template <class Base> struct TSkinKindMaker {
    QStringView Kind;
    std::unique_ptr<Base> (*Make)(const QString& IDName);
};

template <class Base, class T> std::unique_ptr<Base> MakeSkinDescription(const QString& IDName) {
    return std::make_unique<T>(IDName);
}

// The description for the kind word (compared exactly); nullptr for any other word.
template <class Base, size_t N>
std::unique_ptr<Base> MakeSkinDescription(const TSkinKindMaker<Base> (&Makers)[N], QStringView Kind,
                                          const QString& IDName) {
    for (const TSkinKindMaker<Base>& m : Makers)
        if (m.Kind == Kind) return m.Make(IDName);
    return nullptr;
}
