#pragma once
// INI text held in memory: sections of "key=value" lines. Section and key names are matched
// without regard to case, values are kept as written. Reading never fails: a missing or
// unreadable value gives the caller's default.

#include "platform/Strings.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(const TStrings& Lines) { SetStrings(Lines); }

    // Replaces the content with the sections and keys of Lines. Lines outside a section,
    // comments (";" first) and lines without "=" are ignored; a section named twice continues
    // the first one; for a key given twice in a section the first value counts.
    void SetStrings(const TStrings& Lines);
    void SetText(const QString& Text);
    // The content as INI lines, a blank line after every section.
    void GetStrings(TStrings& Lines) const;

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    // Decimal text (leading blanks allowed); anything else gives Default.
    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Ident, int Value);

    // Reading many keys of one section: look the section up once (-1 when there is none).
    int SectionIndex(const QString& Section) const;
    QString ReadString(int SectionIndex, const QString& Ident, const QString& Default) const;

    bool SectionExists(const QString& Section) const { return FindSection(Section) != nullptr; }
    bool ValueExists(const QString& Section, const QString& Ident) const;
    // The key names of a section in file order.
    QStringList ReadSection(const QString& Section) const;
    QStringList Sections() const;
    void EraseSection(const QString& Section);
    void Clear();

private:
    struct Section {
        QString Name;
        std::vector<std::pair<QString, QString>> Values;
        QHash<QString, int> Index; // folded key -> position in Values
    };
    const Section* FindSection(const QString& Name) const;
    Section& AddSection(const QString& Name);
    static QString Fold(const QString& S);

    std::vector<Section> FSections;
    QHash<QString, int> FIndex; // folded section name -> position in FSections
};
