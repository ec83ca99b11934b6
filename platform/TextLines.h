#pragma once
// A string list for a large text that is mostly handed on whole (a skin's INI text): setting the
// text keeps it as it is, and it is broken into lines only when a line is first asked for.

#include "platform/Strings.h"

#include <QStringView>
#include <cstdint>
#include <cstring>
#include <vector>

// Where the line from P ends: at the first "\r" or "\n", or at End.
inline const char16_t* TextLineEnd(const char16_t* P, const char16_t* End) {
    // Four units at a time while none is below 0x0E, as both breaks are; the rest unit by unit.
    constexpr uint64_t kLanes = 0x0001000100010001ull;
    for (; End - P >= 4; P += 4) {
        uint64_t w;
        std::memcpy(&w, P, sizeof w);
        if ((w - kLanes * 0x0E) & ~w & (kLanes * 0x8000)) break;
    }
    while (P < End && *P != u'\r' && *P != u'\n') ++P;
    return P;
}

// Visit(line) for the lines of Text as TStrings::SetText breaks them: at "\r\n", "\n" or "\r",
// a break at the very end adding no empty line.
template <class F> void ForEachTextLine(QStringView Text, F Visit) {
    const char16_t* p = Text.utf16();
    const char16_t* const end = p + Text.size();
    while (p < end) {
        const char16_t* e = TextLineEnd(p, end);
        Visit(QStringView(p, e));
        if (e < end && *e == u'\r' && e + 1 < end && e[1] == u'\n') ++e;
        p = e + 1;
    }
}

class TTextLines : public TStrings {
public:
    QString Get(int Index) const override;
    int GetCount() const override;
    void Insert(int Index, const QString& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Put(int Index, const QString& S) override;
    void SetText(const QString& Value) override;

    // The text last set, while no line has been asked for or changed since; nullptr otherwise.
    const QString* UnsplitText() const { return FSplit ? nullptr : &FText; }

private:
    void Split() const;
    mutable QString FText;
    mutable std::vector<QString> FLines;
    mutable bool FSplit = true;
};
