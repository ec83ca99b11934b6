#include "platform/IniFiles.h"

#include "platform/SysUtils.h"
#include "platform/TextLines.h"
#include "platform/TextMarks.h"

#include <algorithm>
#include <cstring>

namespace {

// Blanks and control characters off both ends, as Trim does, without a copy.
QStringView Trimmed(QStringView S) {
    while (!S.isEmpty() && S.front() <= u' ') S = S.mid(1);
    while (!S.isEmpty() && S.back() <= u' ') S.chop(1);
    return S;
}

// Names are compared four UTF-16 units at a time.
constexpr uint64_t kLanes = 0x0001000100010001ull;
constexpr uint64_t kNonAscii = kLanes * 0xFF80;

// Up to four units of P (N left) in one word, zero-filled.
uint64_t LoadUnits(const char16_t* P, qsizetype N) {
    uint64_t w = 0;
    if (N >= 4) {
        std::memcpy(&w, P, 8);
        return w;
    }
    for (qsizetype i = 0; i < N; ++i) w |= uint64_t(P[i]) << (16 * i);
    return w;
}

// ASCII upper case to lower case in every lane of ASCII units.
uint64_t LowerLanes(uint64_t W) {
    const uint64_t fromA = W + kLanes * (0x80 - 'A');
    const uint64_t pastZ = W + kLanes * (0x80 - 'Z' - 1);
    return W | ((fromA & ~pastZ & (kLanes * 0x80)) >> 2);
}

// The hash of a name: its length and its first and last four units, ASCII letters folded to
// lower case.
inline uint32_t LaneHash(QStringView S) {
    const char16_t* p = S.utf16();
    const qsizetype n = S.size();
    uint64_t first = 0, last = 0;
    if (n >= 4) {
        std::memcpy(&first, p, 8);
        if (n > 4) std::memcpy(&last, p + n - 4, 8);
    } else {
        first = LoadUnits(p, n);
    }
    const uint64_t h = (LowerLanes(first) * 0xFF51AFD7ED558CCDull) ^
                       (LowerLanes(last) * 0xC4CEB9FE1A85EC53ull) ^ uint64_t(n);
    return uint32_t(h >> 32) ^ uint32_t(h);
}

bool IsAscii(QStringView S) {
    uint64_t seen = 0;
    for (qsizetype i = 0; i < S.size(); i += 4) seen |= LoadUnits(S.utf16() + i, S.size() - i);
    return !(seen & kNonAscii);
}

// Names are equal when their case-folded forms are. ASCII names, nearly all of them, fold in
// place; only the others pay for toCaseFolded.
uint32_t NameHash(QStringView S) {
    return IsAscii(S) ? LaneHash(S) : LaneHash(S.toString().toCaseFolded());
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
    for (qsizetype n = A.size(); n > 0; a += 4, b += 4, n -= 4) {
        const uint64_t x = LoadUnits(a, n), y = LoadUnits(b, n);
        if ((x | y) & kNonAscii) return SameFolded(A, B);
        // Equal so far in ASCII, so a difference here is a difference of the folded names.
        if (x != y && LowerLanes(x) != LowerLanes(y)) return false;
    }
    return true;
}

// A string over someone else's characters is copied: a view into it could outlive them.
QString Kept(const QString& S) {
    return !S.data_ptr().isMutable() && !S.isEmpty() ? QString(S.constData(), S.size()) : S;
}

// Where a key goes in the table: its name's hash and its section together.
uint32_t SlotHash(uint32_t NameHash, int Section) {
    return NameHash ^ (uint32_t(Section) * 0x9E3779B1u);
}

uint32_t Spread(uint32_t H) {
    H ^= H >> 16;
    H *= 0x85EBCA6Bu;
    return H ^ (H >> 13);
}

// Open addressing over positions (-1 for a free slot): the slot of the item Matches accepts, or
// the free slot where the probe for Hash ends.
template <class Same> size_t Probe(const std::vector<int>& Slots, uint32_t Hash, Same Matches) {
    const size_t mask = Slots.size() - 1;
    size_t i = Spread(Hash) & mask;
    while (Slots[i] >= 0 && !Matches(Slots[i])) i = (i + 1) & mask;
    return i;
}

void InsertSlot(std::vector<int>& Slots, int Item, uint32_t Hash) {
    Slots[Probe(Slots, Hash, [](int) { return false; })] = Item;
}

} // namespace

void TMemIniFile::Clear() {
    FStore.clear();
    FSections.clear();
    FKeys.clear();
    FSectionSlots.clear();
    FKeySlots.clear();
    FKeysIndexed = false;
}

void TMemIniFile::SetText(const QString& Text) {
    QString text = Text; // Text may be one of ours
    Clear();
    Reserve(text.size() / 16);
    const QStringView whole = Own(text);
    const char16_t* const base = whole.utf16();
    const TTextMarks marks(whole, u'=');
    TextReading reading;
    reading.Ascii = marks.Ascii();
    // Line breaks as TStrings::SetText has them: "\r\n", "\n" or "\r".
    marks.ForEachLine(base, [&](qsizetype Start, qsizetype End, qsizetype Equals) {
        ParseLine(base + Start, base + End, base + Equals, reading);
    });
}

// Room for about Lines keys, so that reading a text does not grow the tables step by step.
void TMemIniFile::Reserve(qsizetype Lines) {
    const size_t keys = size_t(std::clamp<qsizetype>(Lines, 16, 1 << 20));
    FKeys.reserve(keys);
    FSections.reserve(std::min<size_t>(keys, 64));
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
    TextReading reading;
    for (const QString& line : lines) {
        const QStringView text = Own(line);
        const char16_t* const end = text.utf16() + text.size();
        ParseLine(text.utf16(), end, std::find(text.utf16(), end, u'='), reading);
    }
}

QStringView TMemIniFile::Own(const QString& S) {
    FStore.push_back(Kept(S));
    return FStore.back();
}

inline void TMemIniFile::ReadKey(TextReading& R, QStringView Name, QStringView Value) {
    const int section = R.Section;
    const size_t room = size_t(FSections[size_t(section)].Count + 1) * 2;
    if (section != R.Slotted || R.Slots.size() < room) {
        // The section's keys so far (some when it was named before) in a table of its own.
        R.Slotted = section;
        size_t n = 64;
        while (n < room) n *= 2;
        R.Slots.assign(n, -1);
        for (int k = FSections[size_t(section)].First; k >= 0; k = FKeys[size_t(k)].Next)
            InsertSlot(R.Slots, k, FKeys[size_t(k)].Hash);
    }
    const uint32_t hash = R.Ascii ? LaneHash(Name) : NameHash(Name);
    const size_t i = Probe(R.Slots, hash, [&](int K) {
        return FKeys[size_t(K)].Hash == hash && SameName(FKeys[size_t(K)].Name, Name);
    });
    if (R.Slots[i] >= 0) return; // given before: the first counts
    FKeys.push_back(Key{Name, Value, hash, section});
    R.Slots[i] = Link();
}

// Reads the line from P to End (a section, a key or nothing); Equals is its first "=" or End.
// Blanks and control characters around names and values do not count.
void TMemIniFile::ParseLine(const char16_t* P, const char16_t* End, const char16_t* Equals,
                            TextReading& R) {
    while (P < End && *P <= u' ') ++P;
    if (P == End || *P == u';') return;
    if (*P == u'[') {
        const char16_t* close = std::find(P + 1, End, u']');
        R.Section = AddSection(Trimmed(QStringView(P + 1, close)));
        return;
    }
    if (Equals == End || R.Section < 0) return;
    const char16_t* nameEnd = Equals;
    while (nameEnd > P && nameEnd[-1] <= u' ') --nameEnd;
    const char16_t* value = Equals + 1;
    while (value < End && *value <= u' ') ++value;
    const char16_t* valueEnd = End;
    while (valueEnd > value && valueEnd[-1] <= u' ') --valueEnd;
    ReadKey(R, QStringView(P, nameEnd), QStringView(value, valueEnd));
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

uint32_t TMemIniFile::KeySlotHash(const Key& K) const {
    return SlotHash(K.Hash, K.Section);
}

void TMemIniFile::RehashSections() {
    if (FSectionSlots.size() >= FSections.size() * 2 + 2) return;
    size_t n = 64;
    while (n < FSections.size() * 2 + 2) n *= 2;
    FSectionSlots.assign(n, -1);
    for (int s = 0; s < int(FSections.size()); ++s) InsertSlot(FSectionSlots, s, FSections[s].Hash);
}

void TMemIniFile::IndexKeys(size_t Coming) const {
    if (FKeysIndexed && FKeySlots.size() >= (FKeys.size() + Coming) * 2 + 2) return;
    size_t n = 64;
    while (n < (FKeys.size() + Coming) * 2 + 2) n *= 2;
    FKeySlots.assign(n, -1);
    for (int s = 0; s < int(FSections.size()); ++s) {
        for (int k = FSections[s].First; k >= 0; k = FKeys[k].Next)
            InsertSlot(FKeySlots, k, KeySlotHash(FKeys[k]));
    }
    FKeysIndexed = true;
}

// The section's slot in FSectionSlots, or the free slot where it would go.
size_t TMemIniFile::SectionSlot(QStringView Name, uint32_t Hash) const {
    return Probe(FSectionSlots, Hash, [&](int S) {
        return FSections[size_t(S)].Hash == Hash && SameName(FSections[size_t(S)].Name, Name);
    });
}

int TMemIniFile::SectionIndex(QStringView Name) const {
    if (FSectionSlots.empty()) return -1;
    return FSectionSlots[SectionSlot(Name, NameHash(Name))];
}

int TMemIniFile::AddSection(QStringView Name) {
    const uint32_t hash = NameHash(Name);
    if (!FSectionSlots.empty()) {
        const size_t i = SectionSlot(Name, hash);
        if (FSectionSlots[i] >= 0) return FSectionSlots[i];
    }
    FSections.push_back(Section{Name, hash});
    const int s = int(FSections.size()) - 1;
    if (FSectionSlots.size() < FSections.size() * 2 + 2)
        RehashSections();
    else
        InsertSlot(FSectionSlots, s, hash);
    return s;
}

int TMemIniFile::FindKey(int SectionIndex, QStringView Name, uint32_t Hash) const {
    if (SectionIndex < 0 || SectionIndex >= int(FSections.size())) return -1;
    IndexKeys();
    return FKeySlots[KeySlot(SectionIndex, Name, Hash)];
}

// The key's slot in FKeySlots, or the free slot where it would go.
size_t TMemIniFile::KeySlot(int SectionIndex, QStringView Name, uint32_t Hash) const {
    return Probe(FKeySlots, SlotHash(Hash, SectionIndex), [&](int K) {
        const Key& k = FKeys[size_t(K)];
        return k.Hash == Hash && k.Section == SectionIndex && SameName(k.Name, Name);
    });
}

// Appends the last key to its section's chain.
inline int TMemIniFile::Link() {
    const int k = int(FKeys.size()) - 1;
    Section& s = FSections[FKeys[k].Section];
    (s.Last >= 0 ? FKeys[s.Last].Next : s.First) = k;
    s.Last = k;
    ++s.Count;
    return k;
}

int TMemIniFile::AddKey(int SectionIndex, QStringView Name, QStringView Value) {
    IndexKeys(1);
    // One probe both finds a key the section has and the free slot a new one takes.
    const uint32_t hash = NameHash(Name);
    const size_t i = KeySlot(SectionIndex, Name, hash);
    if (FKeySlots[i] >= 0) return FKeySlots[i];
    FKeys.push_back(Key{Name, Value, hash, SectionIndex});
    const int k = Link();
    FKeySlots[i] = k;
    return k;
}

bool TMemIniFile::FindValue(int SectionIndex, QStringView Ident, QStringView& Value) const {
    int cursor = -1;
    return FindValue(SectionIndex, Ident, Value, cursor);
}

// The key after the one Cursor found (the section's first without one); -1 at the end.
int TMemIniFile::NextKey(int SectionIndex, int Cursor) const {
    const bool valid =
        Cursor >= 0 && Cursor < int(FKeys.size()) && FKeys[Cursor].Section == SectionIndex;
    return valid ? FKeys[Cursor].Next : FSections[SectionIndex].First;
}

bool TMemIniFile::LookUpValue(int SectionIndex, QStringView Ident, QStringView& Value,
                              int& Cursor) const {
    if (SectionIndex < 0 || SectionIndex >= int(FSections.size())) return false;
    // Keys are mostly read in the order they are written: try the one after the last found.
    const int next = NextKey(SectionIndex, Cursor);
    const int k = next >= 0 && SameName(FKeys[next].Name, Ident)
                      ? next
                      : FindKey(SectionIndex, Ident, NameHash(Ident));
    if (k < 0) return false;
    Value = FKeys[k].Value;
    Cursor = k;
    return true;
}

int TMemIniFile::KeyCount(int SectionIndex) const {
    if (SectionIndex < 0 || SectionIndex >= int(FSections.size())) return 0;
    return FSections[SectionIndex].Count;
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
    QStringView text;
    int value = 0;
    return FindValue(SectionIndex(SectionName), QStringView(Ident), text) &&
                   TryStrToInt(text, value)
               ? value
               : Default;
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
    FKeysIndexed = false;
    RehashSections();
}
