#include "platform/TextLines.h"

void TTextLines::Split() const {
    if (FSplit) return;
    FLines.clear();
    ForEachTextLine(FText, [this](QStringView Line) { FLines.push_back(Line.toString()); });
    FText.clear();
    FSplit = true;
}

QString TTextLines::Get(int Index) const {
    Split();
    CheckIndex(Index, GetCount());
    return FLines[size_t(Index)];
}

int TTextLines::GetCount() const {
    Split();
    return int(FLines.size());
}

void TTextLines::Insert(int Index, const QString& S) {
    Split();
    CheckIndex(Index, GetCount() + 1);
    Changing();
    FLines.insert(FLines.begin() + Index, S);
    Changed();
}

void TTextLines::Delete(int Index) {
    Split();
    CheckIndex(Index, GetCount());
    Changing();
    FLines.erase(FLines.begin() + Index);
    Changed();
}

void TTextLines::Put(int Index, const QString& S) {
    Split();
    CheckIndex(Index, GetCount());
    Changing();
    FLines[size_t(Index)] = S;
    Changed();
}

void TTextLines::Clear() {
    // Any text but "" has at least one line.
    if (FSplit ? FLines.empty() : FText.isEmpty()) return;
    Changing();
    FText.clear();
    FLines.clear();
    FSplit = true;
    Changed();
}

void TTextLines::SetText(const QString& Value) {
    BeginUpdate();
    FText = Value;
    FLines.clear();
    FSplit = false;
    EndUpdate();
}
