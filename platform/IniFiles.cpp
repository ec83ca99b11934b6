#include "platform/IniFiles.h"

#include "platform/SysUtils.h"

namespace {

// Blanks and control characters off both ends, as Trim does, without a copy.
QStringView Trimmed(QStringView S) {
    while (!S.isEmpty() && S.front() <= u' ') S = S.mid(1);
    while (!S.isEmpty() && S.back() <= u' ') S.chop(1);
    return S;
}

} // namespace

namespace {

bool NeedsFolding(QStringView S) {
    for (QChar c : S)
        if (c.unicode() >= 0x80 || (c >= u'A' && c <= u'Z')) return true;
    return false;
}

} // namespace

// Names are mostly lower-case ASCII already; only others pay for folding.
QString TMemIniFile::Fold(const QString& S) {
    return NeedsFolding(S) ? S.toCaseFolded() : S;
}

void TMemIniFile::Clear() {
    FSections.clear();
    FIndex.clear();
}

void TMemIniFile::SetText(const QString& Text) {
    TStringList lines;
    lines.SetText(Text);
    SetStrings(lines);
}

void TMemIniFile::SetStrings(const TStrings& Lines) {
    Clear();
    Section* current = nullptr;
    const int count = Lines.Count();
    for (int i = 0; i < count; ++i) {
        const QString text = Lines.Strings(i);
        const QStringView line = Trimmed(text);
        if (line.isEmpty() || line.front() == u';') continue;
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            const QStringView name = close < 0 ? line.mid(1) : line.mid(1, close - 1);
            current = &AddSection(Trimmed(name).toString());
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq < 0) continue;
        const QString key = Trimmed(line.left(eq)).toString();
        const QString folded = Fold(key);
        if (current->Index.contains(folded)) continue;
        current->Index.insert(folded, int(current->Values.size()));
        current->Values.emplace_back(key, Trimmed(line.mid(eq + 1)).toString());
    }
}

void TMemIniFile::GetStrings(TStrings& Lines) const {
    Lines.BeginUpdate();
    Lines.Clear();
    for (const Section& s : FSections) {
        Lines.Add(u'[' + s.Name + u']');
        for (const auto& [key, value] : s.Values) Lines.Add(key + u'=' + value);
        Lines.Add(QString());
    }
    Lines.EndUpdate();
}

const TMemIniFile::Section* TMemIniFile::FindSection(const QString& Name) const {
    const auto it = FIndex.constFind(Fold(Name));
    return it == FIndex.constEnd() ? nullptr : &FSections[*it];
}

TMemIniFile::Section& TMemIniFile::AddSection(const QString& Name) {
    const QString folded = Fold(Name);
    const auto it = FIndex.constFind(folded);
    if (it != FIndex.constEnd()) return FSections[*it];
    FIndex.insert(folded, int(FSections.size()));
    FSections.push_back(Section{Name, {}, {}});
    return FSections.back();
}

QString TMemIniFile::ReadString(const QString& SectionName, const QString& Ident,
                                const QString& Default) const {
    return ReadString(SectionIndex(SectionName), Ident, Default);
}

int TMemIniFile::SectionIndex(const QString& SectionName) const {
    return FIndex.value(Fold(SectionName), -1);
}

QString TMemIniFile::ReadString(int SectionIndex, const QString& Ident,
                                const QString& Default) const {
    if (SectionIndex < 0 || SectionIndex >= int(FSections.size())) return Default;
    const Section& s = FSections[SectionIndex];
    const auto it = s.Index.constFind(Fold(Ident));
    return it == s.Index.constEnd() ? Default : s.Values[*it].second;
}

int TMemIniFile::ReadInteger(const QString& SectionName, const QString& Ident, int Default) const {
    int value = 0;
    return TryStrToInt(ReadString(SectionName, Ident, QString()), value) ? value : Default;
}

void TMemIniFile::WriteString(const QString& SectionName, const QString& Ident,
                              const QString& Value) {
    Section& s = AddSection(SectionName);
    const QString folded = Fold(Ident);
    const auto it = s.Index.constFind(folded);
    if (it != s.Index.constEnd()) {
        s.Values[*it].second = Value;
        return;
    }
    s.Index.insert(folded, int(s.Values.size()));
    s.Values.emplace_back(Ident, Value);
}

void TMemIniFile::WriteInteger(const QString& SectionName, const QString& Ident, int Value) {
    WriteString(SectionName, Ident, QString::number(Value));
}

bool TMemIniFile::ValueExists(const QString& SectionName, const QString& Ident) const {
    const Section* s = FindSection(SectionName);
    return s && s->Index.contains(Fold(Ident));
}

QStringList TMemIniFile::ReadSection(const QString& SectionName) const {
    QStringList keys;
    if (const Section* s = FindSection(SectionName))
        for (const auto& kv : s->Values) keys.append(kv.first);
    return keys;
}

QStringList TMemIniFile::Sections() const {
    QStringList names;
    for (const Section& s : FSections) names.append(s.Name);
    return names;
}

void TMemIniFile::EraseSection(const QString& SectionName) {
    const auto it = FIndex.constFind(Fold(SectionName));
    if (it == FIndex.constEnd()) return;
    FSections.erase(FSections.begin() + *it);
    FIndex.clear();
    for (int i = 0; i < int(FSections.size()); ++i) FIndex.insert(Fold(FSections[i].Name), i);
}
