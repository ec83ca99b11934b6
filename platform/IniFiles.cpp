#include "platform/IniFiles.h"

#include "platform/SysUtils.h"
#include "platform/TextLines.h"

#include <algorithm>

#include <iterator>

namespace {

// Blanks and control characters off both ends, as Trim does, without a copy.
QStringView Trimmed(QStringView S) {
    while (!S.isEmpty() && S.front() <= u' ') S = S.mid(1);
    while (!S.isEmpty() && S.back() <= u' ') S.chop(1);
    return S;
}

char16_t LowerAscii(char16_t C) {
    return char16_t(C + (unsigned(C - u'A') < 26u ? 32 : 0));
}

uint32_t HashUnits(QStringView S) {
    uint32_t h = 2166136261u;
    for (QChar c : S) h = (h ^ LowerAscii(c.unicode())) * 16777619u;
    return h;
}

// Names are equal when their case-folded forms are. ASCII names, nearly all of them, fold in
// place; only the others pay for toCaseFolded.
uint32_t NameHash(QStringView S) {
    uint32_t h = 2166136261u;
    char16_t seen = 0;
    for (QChar c : S) {
        seen |= c.unicode();
        h = (h ^ LowerAscii(c.unicode())) * 16777619u;
    }
    return seen < 0x80 ? h : HashUnits(S.toString().toCaseFolded());
}

bool SameFolded(QStringView A, QStringView B) {
    return A.toString().toCaseFolded() == B.toString().toCaseFolded();
}

bool SameName(QStringView A, QStringView B) {
    if (A.size() != B.size()) {
        char16_t seen = 0;
        for (QChar c : A) seen |= c.unicode();
        for (QChar c : B) seen |= c.unicode();
        return seen >= 0x80 && SameFolded(A, B);
    }
    const char16_t *a = A.utf16(), *b = B.utf16();
    for (qsizetype i = 0; i < A.size(); ++i) {
        if ((a[i] | b[i]) >= 0x80) return SameFolded(A, B);
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// A string over someone else's characters is copied: a view into it could outlive them.
QString Kept(const QString& S) {
    return !S.data_ptr().isMutable() && !S.isEmpty() ? QString(S.constData(), S.size()) : S;
}

uint32_t Spread(uint32_t H) {
    H ^= H >> 16;
    H *= 0x85EBCA6Bu;
    return H ^ (H >> 13);
}

} // namespace

void TMemIniFile::Clear() {
    FStore.clear();
    FSections.clear();
    FKeys.clear();
    FSectionSlots.clear();
    FKeySlots.clear();
}

void TMemIniFile::SetText(const QString& Text) {
    QString text = Text; // Text may be one of ours
    Clear();
    Reserve(text.size() / 16);
    int current = -1;
    ForEachTextLine(Own(text), [&](QStringView Line) { ParseLine(Line, current); });
}

// Room for about Lines keys, so that reading a text does not grow the tables step by step.
void TMemIniFile::Reserve(qsizetype Lines) {
    const size_t keys = size_t(std::clamp<qsizetype>(Lines, 16, 1 << 20));
    FKeys.reserve(keys);
    FSections.reserve(std::min<size_t>(keys, 64));
    size_t room = 64;
    while (room < keys * 2 + 2) room *= 2;
    FKeySlots.assign(room, -1);
}

void TMemIniFile::SetStrings(const TStrings& Lines) {
    if (const auto* whole = dynamic_cast<const TTextLines*>(&Lines))
        if (const QString* text = whole->UnsplitText()) return SetText(*text);
    std::vector<QString> lines;
    const int count = Lines.Count();
    lines.reserve(size_t(count));
    for (int i = 0; i < count; ++i) lines.push_back(Lines.Strings(i));
    Clear();
    FStore.reserve(lines.size());
    Reserve(count);
    int current = -1;
    for (const QString& line : lines) ParseLine(Own(line), current);
}

QStringView TMemIniFile::Own(const QString& S) {
    FStore.push_back(Kept(S));
    return FStore.back();
}

void TMemIniFile::ParseLine(QStringView Text, int& Current) {
    const QStringView line = Trimmed(Text);
    if (line.isEmpty() || line.front() == u';') return;
    if (line.front() == u'[') {
        const qsizetype close = line.indexOf(u']');
        const QStringView name = close < 0 ? line.mid(1) : line.mid(1, close - 1);
        Current = AddSection(Trimmed(name));
        return;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (Current < 0 || eq < 0) return;
    AddKey(Current, Trimmed(line.left(eq)), Trimmed(line.mid(eq + 1)));
}

void TMemIniFile::GetStrings(TStrings& Lines) const {
    Lines.BeginUpdate();
    Lines.Clear();
    for (int s = 0; s < int(FSections.size()); ++s) {
        Lines.Add(u'[' + FSections[s].Name.toString() + u']');
        ForEachKey(s, [&](QStringView Key, QStringView Value) {
            QString line = Key.toString();
            line += u'=';
            line += Value;
            Lines.Add(line);
        });
        Lines.Add(QString());
    }
    Lines.EndUpdate();
}

void TMemIniFile::InsertSlot(std::vector<int>& Slots, int Item, uint32_t Hash) {
    const size_t mask = Slots.size() - 1;
    size_t i = Spread(Hash) & mask;
    while (Slots[i] >= 0) i = (i + 1) & mask;
    Slots[i] = Item;
}

uint32_t TMemIniFile::KeySlotHash(const Key& K) const {
    return K.Hash ^ (uint32_t(K.Section) * 0x9E3779B1u);
}

// Keeps both tables at most half full.
void TMemIniFile::Rehash() {
    auto fit = [](size_t Items) {
        size_t n = 64;
        while (n < Items * 2 + 2) n *= 2;
        return n;
    };
    if (FSectionSlots.size() < FSections.size() * 2 + 2) {
        FSectionSlots.assign(fit(FSections.size()), -1);
        for (int s = 0; s < int(FSections.size()); ++s)
            InsertSlot(FSectionSlots, s, FSections[s].Hash);
    }
    if (FKeySlots.size() < FKeys.size() * 2 + 2) {
        FKeySlots.assign(fit(FKeys.size()), -1);
        for (int k = 0; k < int(FKeys.size()); ++k) InsertSlot(FKeySlots, k, KeySlotHash(FKeys[k]));
    }
}

int TMemIniFile::SectionIndex(QStringView Name) const {
    if (FSectionSlots.empty()) return -1;
    const uint32_t hash = NameHash(Name);
    const size_t mask = FSectionSlots.size() - 1;
    for (size_t i = Spread(hash) & mask; FSectionSlots[i] >= 0; i = (i + 1) & mask) {
        const Section& s = FSections[FSectionSlots[i]];
        if (s.Hash == hash && SameName(s.Name, Name)) return FSectionSlots[i];
    }
    return -1;
}

int TMemIniFile::AddSection(QStringView Name) {
    const int found = SectionIndex(Name);
    if (found >= 0) return found;
    FSections.push_back(Section{Name, NameHash(Name)});
    const int s = int(FSections.size()) - 1;
    if (FSectionSlots.size() < FSections.size() * 2 + 2)
        Rehash();
    else
        InsertSlot(FSectionSlots, s, FSections[s].Hash);
    return s;
}

int TMemIniFile::FindKey(int SectionIndex, QStringView Name, uint32_t Hash) const {
    if (FKeySlots.empty() || SectionIndex < 0 || SectionIndex >= int(FSections.size())) return -1;
    const uint32_t slotHash = Hash ^ (uint32_t(SectionIndex) * 0x9E3779B1u);
    const size_t mask = FKeySlots.size() - 1;
    for (size_t i = Spread(slotHash) & mask; FKeySlots[i] >= 0; i = (i + 1) & mask) {
        const Key& k = FKeys[FKeySlots[i]];
        if (k.Hash == Hash && k.Section == SectionIndex && SameName(k.Name, Name))
            return FKeySlots[i];
    }
    return -1;
}

// Appends the last key to its section's chain.
int TMemIniFile::Link() {
    const int k = int(FKeys.size()) - 1;
    Section& s = FSections[FKeys[k].Section];
    (s.Last >= 0 ? FKeys[s.Last].Next : s.First) = k;
    s.Last = k;
    ++s.Count;
    return k;
}

int TMemIniFile::AddKey(int SectionIndex, QStringView Name, QStringView Value) {
    const uint32_t hash = NameHash(Name);
    const int found = FindKey(SectionIndex, Name, hash);
    if (found >= 0) return found;
    FKeys.push_back(Key{Name, Value, hash, SectionIndex});
    const int k = Link();
    if (FKeySlots.size() < FKeys.size() * 2 + 2)
        Rehash();
    else
        InsertSlot(FKeySlots, k, KeySlotHash(FKeys[k]));
    return k;
}

bool TMemIniFile::FindValue(int SectionIndex, QStringView Ident, QStringView& Value) const {
    const int k = FindKey(SectionIndex, Ident, NameHash(Ident));
    if (k < 0) return false;
    Value = FKeys[k].Value;
    return true;
}

bool TMemIniFile::FindValue(int SectionIndex, QLatin1StringView Ident, QStringView& Value) const {
    char16_t units[64];
    if (Ident.size() > qsizetype(std::size(units)))
        return FindValue(SectionIndex, QStringView(QString(Ident)), Value);
    for (qsizetype i = 0; i < Ident.size(); ++i) units[i] = uchar(Ident.data()[i]);
    return FindValue(SectionIndex, QStringView(units, Ident.size()), Value);
}

int TMemIniFile::KeyCount(int SectionIndex) const {
    return SectionIndex >= 0 && SectionIndex < int(FSections.size()) ? FSections[SectionIndex].Count
                                                                     : 0;
}

QString TMemIniFile::ReadString(const QString& SectionName, const QString& Ident,
                                const QString& Default) const {
    return ReadString(SectionIndex(SectionName), Ident, Default);
}

QString TMemIniFile::ReadString(int SectionIndex, const QString& Ident,
                                const QString& Default) const {
    QStringView value;
    return FindValue(SectionIndex, QStringView(Ident), value) ? value.toString() : Default;
}

int TMemIniFile::ReadInteger(const QString& SectionName, const QString& Ident, int Default) const {
    int value = 0;
    return TryStrToInt(ReadString(SectionName, Ident, QString()), value) ? value : Default;
}

void TMemIniFile::WriteString(const QString& SectionName, const QString& Ident,
                              const QString& Value) {
    int s = SectionIndex(SectionName);
    if (s < 0) s = AddSection(Own(SectionName));
    int k = FindKey(s, Ident, NameHash(Ident));
    if (k < 0) k = AddKey(s, Own(Ident), QStringView());
    // A value written again reuses its string, so rewriting a key does not pile up copies.
    Key& key = FKeys[k];
    if (key.OwnValue >= 0) {
        FStore[key.OwnValue] = Kept(Value);
        key.Value = FStore[key.OwnValue];
        return;
    }
    key.Value = Own(Value);
    key.OwnValue = int(FStore.size()) - 1;
}

void TMemIniFile::WriteInteger(const QString& SectionName, const QString& Ident, int Value) {
    WriteString(SectionName, Ident, QString::number(Value));
}

bool TMemIniFile::ValueExists(const QString& SectionName, const QString& Ident) const {
    QStringView value;
    return FindValue(SectionIndex(SectionName), QStringView(Ident), value);
}

QStringList TMemIniFile::ReadSection(const QString& SectionName) const {
    QStringList keys;
    ForEachKey(SectionIndex(SectionName),
               [&](QStringView Key, QStringView) { keys.append(Key.toString()); });
    return keys;
}

QStringList TMemIniFile::Sections() const {
    QStringList names;
    for (const Section& s : FSections) names.append(s.Name.toString());
    return names;
}

// Rare (writing a description back): the remaining sections and keys are indexed anew.
void TMemIniFile::EraseSection(const QString& SectionName) {
    const int erased = SectionIndex(SectionName);
    if (erased < 0) return;
    std::vector<Section> sections = std::move(FSections);
    std::vector<Key> keys = std::move(FKeys);
    sections.erase(sections.begin() + erased);
    FSections.clear();
    FKeys.clear();
    for (const Section& s : sections) {
        FSections.push_back(Section{s.Name, s.Hash});
        const int at = int(FSections.size()) - 1;
        for (int k = s.First; k >= 0; k = keys[k].Next) {
            const Key& old = keys[k];
            FKeys.push_back(Key{old.Name, old.Value, old.Hash, at, -1, old.OwnValue});
            Link();
        }
    }
    FSectionSlots.clear();
    FKeySlots.clear();
    Rehash();
}
