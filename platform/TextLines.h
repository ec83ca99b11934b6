#pragma once
// A string list for a large text that is mostly handed on whole (a skin's INI text): setting the
// text keeps it as it is, and it is broken into lines only when a line is first asked for.

#include "platform/Strings.h"

#include <QStringView>
#include <vector>

// Visit(line) for the lines of Text as TStrings::SetText breaks them: at "\r\n", "\n" or "\r",
// a break at the very end adding no empty line.
template <class F> void ForEachTextLine(QStringView Text, F Visit) {
    const QChar* p = Text.data();
    const QChar* const end = p + Text.size();
    while (p < end) {
        const QChar* e = p;
        while (e < end && *e != u'\r' && *e != u'\n') ++e;
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
