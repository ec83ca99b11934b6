#pragma once
// INI text held in memory: sections of "key=value" lines. Section and key names are matched
// without regard to case, values are kept as written. Reading never fails: a missing or
// unreadable value gives the caller's default.
//
// The text is kept as given and indexed by views into it, so that reading a skin's hundreds of
// lines allocates nothing per line or key and looking a key up allocates nothing at all. While a
// text is read, a key given twice in a section is dropped with the help of a small table for the
// section being read; the table of all keys is built when a key is first looked up other than
// through a cursor.

#include "platform/Strings.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstring>
#include <vector>

class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(const TStrings& Lines) { SetStrings(Lines); }

    // Replaces the content with the sections and keys of Lines. Lines outside a section,
    // comments (";" first) and lines without "=" are ignored; a section named twice continues
    // the first one; for a key given twice in a section the first value counts.
    void SetStrings(const TStrings& Lines);
    // The same for a text broken into lines as TStrings::SetText does. Lines given as one
    // unsplit text (TTextLines) are read this way too.
    void SetText(const QString& Text);
    // The content as INI lines, a blank line after every section.
    void GetStrings(TStrings& Lines) const;

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    // Decimal text (leading blanks allowed); anything else gives Default.
    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Ident, int Value);

    // Reading many keys of one section: look the section up once (-1 when there is none).
    int SectionIndex(QStringView Section) const;
    QString ReadString(int SectionIndex, const QString& Ident, const QString& Default) const;
    // The value of Ident without a copy; false when the section or the key is not there. The
    // view is valid until the content changes.
    bool FindValue(int SectionIndex, QStringView Ident, QStringView& Value) const;
    // Reading a section's keys one after another: Cursor (-1 at first) remembers the key last
    // found, and the key after it is tried before any lookup.
    bool FindValue(int SectionIndex, QStringView Ident, QStringView& Value, int& Cursor) const {
        // The usual read: the key after the cursor, written exactly as Ident.
        if (Cursor >= 0 && size_t(Cursor) < FKeys.size() && FKeys[Cursor].Section == SectionIndex) {
            const int next = FKeys[Cursor].Next;
            if (next >= 0 && SameUnits(FKeys[next].Name, Ident)) {
                Value = FKeys[next].Value;
                Cursor = next;
                return true;
            }
        }
        return LookUpValue(SectionIndex, Ident, Value, Cursor);
    }
    int KeyCount(int SectionIndex) const;
    // Visit(key, value) for the keys of a section in file order.
    template <class F> void ForEachKey(int SectionIndex, F Visit) const {
        if (SectionIndex < 0 || SectionIndex >= int(FSections.size())) return;
        for (int k = FSections[SectionIndex].First; k >= 0; k = FKeys[k].Next)
            Visit(FKeys[k].Name, FKeys[k].Value);
    }

    bool SectionExists(const QString& Section) const { return SectionIndex(Section) >= 0; }
    bool ValueExists(const QString& Section, const QString& Ident) const;
    // The key names of a section in file order.
    QStringList ReadSection(const QString& Section) const;
    QStringList Sections() const;
    void EraseSection(const QString& Section);
    void Clear();

private:
    struct Section {
        QStringView Name;
        uint32_t Hash;
        int First = -1, Last = -1, Count = 0;
    };
    struct Key {
        QStringView Name, Value;
        uint32_t Hash; // of the name alone
        int Section;
        int Next = -1;     // the section's next key
        int OwnValue = -1; // the stored string the value was written to, if any
    };
    // Exactly the same units, four at a time.
    static bool SameUnits(QStringView A, QStringView B) {
        const qsizetype n = A.size();
        if (n != B.size()) return false;
        const char16_t *a = A.utf16(), *b = B.utf16();
        if (n < 4) {
            for (qsizetype i = 0; i < n; ++i)
                if (a[i] != b[i]) return false;
            return true;
        }
        auto word = [](const char16_t* P) {
            uint64_t w;
            std::memcpy(&w, P, sizeof w);
            return w;
        };
        for (qsizetype i = 0; i + 4 < n; i += 4)
            if (word(a + i) != word(b + i)) return false;
        return word(a + n - 4) == word(b + n - 4);
    }
    bool LookUpValue(int SectionIndex, QStringView Ident, QStringView& Value, int& Cursor) const;
    // What reading a text keeps track of: the section its lines go to, whether the text is all
    // ASCII, and the keys of one section by name, to drop a key given twice.
    struct TextReading {
        int Section = -1;
        bool Ascii = false;
        int Slotted = -1; // the section Slots holds
        std::vector<int> Slots;
    };
    void ParseLine(const char16_t* P, const char16_t* End, const char16_t* Equals, TextReading& R);
    void Reserve(qsizetype Lines);
    int AddSection(QStringView Name);
    // Adds the key unless the section has it (the first value counts); gives its position.
    int AddKey(int Section, QStringView Name, QStringView Value);
    // Adds a key read from a text to R's section unless the section has it already.
    void ReadKey(TextReading& R, QStringView Name, QStringView Value);
    int Link();
    int NextKey(int SectionIndex, int Cursor) const;
    int FindKey(int Section, QStringView Name, uint32_t Hash) const;
    size_t KeySlot(int Section, QStringView Name, uint32_t Hash) const;
    size_t SectionSlot(QStringView Name, uint32_t Hash) const;
    // Builds the key table, with room for Coming more keys.
    void IndexKeys(size_t Coming = 0) const;
    void RehashSections();
    uint32_t KeySlotHash(const Key& K) const;
    QStringView Own(const QString& S);

    // The texts the views point into: the lines or text read, names and values written.
    std::vector<QString> FStore;
    std::vector<Section> FSections;
    std::vector<Key> FKeys;
    // Open addressing: positions in FSections / FKeys, -1 for a free slot. The key table exists
    // while FKeysIndexed.
    std::vector<int> FSectionSlots;
    // Built when first needed, which changes no content.
    mutable std::vector<int> FKeySlots;
    mutable bool FKeysIndexed = false;
};
