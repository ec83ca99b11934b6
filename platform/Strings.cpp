#include "platform/Strings.h"

#include "platform/SysUtils.h"

// ---- TStrings ----

TObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::Put(int Index, const QString& S) {
    TObject* obj = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, obj);
}

int TStrings::Add(const QString& S) {
    int index = GetCount();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const QString& S, TObject* AObject) {
    int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::InsertObject(int Index, const QString& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2) {
    BeginUpdate();
    QString s1 = Get(Index1), s2 = Get(Index2);
    TObject* o1 = GetObject(Index1);
    TObject* o2 = GetObject(Index2);
    Put(Index1, s2);
    PutObject(Index1, o2);
    Put(Index2, s1);
    PutObject(Index2, o1);
    EndUpdate();
}

int TStrings::CompareStrings(const QString& S1, const QString& S2) const {
    return S1.compare(S2, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int TStrings::IndexOf(const QString& S) const {
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

void TStrings::Assign(const TStrings& Source) {
    if (&Source == this) return;
    BeginUpdate();
    Clear();
    AddStrings(Source);
    EndUpdate();
}

void TStrings::AddStrings(const TStrings& Source) {
    BeginUpdate();
    for (int i = 0, n = Source.GetCount(); i < n; ++i)
        AddObject(Source.Get(i), Source.GetObject(i));
    EndUpdate();
}

QStringList TStrings::ToStringList() const {
    QStringList out;
    for (int i = 0, n = GetCount(); i < n; ++i) out.append(Get(i));
    return out;
}

QString TStrings::Text() const {
    QString out;
    for (int i = 0, n = GetCount(); i < n; ++i) out += Get(i) + QStringLiteral("\r\n");
    return out;
}

void TStrings::SetText(const QString& Value) {
    BeginUpdate();
    Clear();
    int start = 0;
    const int n = Value.size();
    while (start < n) {
        int end = start;
        while (end < n && Value[end] != '\r' && Value[end] != '\n') ++end;
        Add(Value.mid(start, end - start));
        if (end < n && Value[end] == '\r' && end + 1 < n && Value[end + 1] == '\n') ++end;
        start = end + 1;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool Updating) {
    // Runs while the count is still (or already) non-zero, so fire the events directly.
    if (Updating) {
        if (OnChanging) OnChanging(this);
    } else if (OnChange) {
        OnChange(this);
    }
}

void TStrings::Changing() {
    if (FUpdateCount == 0 && OnChanging) OnChanging(this);
}

void TStrings::Changed() {
    if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TStrings::Error(const QString& Msg, int Data) {
    throw EListError(Msg.arg(Data));
}

void TStrings::CheckIndex(int Index, int Limit) const {
    if (Index < 0 || Index >= Limit) Error(QStringLiteral("List index out of bounds (%1)"), Index);
}

// ---- TStringList ----

QString TStringList::Get(int Index) const {
    CheckIndex(Index, GetCount());
    return FList[Index].S;
}

int TStringList::GetCount() const {
    return static_cast<int>(FList.size());
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index, GetCount());
    return FList[Index].Object;
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index, GetCount());
    Changing();
    FList[Index].Object = AObject;
    Changed();
}

void TStringList::Put(int Index, const QString& S) {
    if (FSorted) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(Index, GetCount());
    Changing();
    FList[Index].S = S;
    Changed();
}

void TStringList::Insert(int Index, const QString& S) {
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const QString& S, TObject* AObject) {
    if (FSorted) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(Index, GetCount() + 1);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const QString& S, TObject* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, Item{S, AObject});
    Changed();
}

int TStringList::Add(const QString& S) {
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const QString& S, TObject* AObject) {
    int index = GetCount();
    if (FSorted && Find(S, index)) {
        if (FDuplicates == TDuplicates::dupIgnore) return index;
        if (FDuplicates == TDuplicates::dupError)
            throw EListError(QStringLiteral("String list does not allow duplicates"));
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Delete(int Index) {
    CheckIndex(Index, GetCount());
    Changing();
    FList.erase(FList.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    FList.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1, GetCount());
    CheckIndex(Index2, GetCount());
    Changing();
    std::swap(FList[Index1], FList[Index2]);
    Changed();
}

int TStringList::IndexOf(const QString& S) const {
    if (!FSorted) return TStrings::IndexOf(S);
    int index = -1;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const QString& S, int& Index) const {
    // Lower bound, so with duplicates the first equal line is found.
    int lo = 0, hi = GetCount() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = CompareStrings(FList[mid].S, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) found = true;
        }
    }
    Index = lo;
    return found;
}

void TStringList::Sort() {
    CustomSort([](TStringList* List, int Index1, int Index2) {
        return List->CompareStrings(List->FList[Index1].S, List->FList[Index2].S);
    });
}

void TStringList::CustomSort(TStringListSortCompare Compare) {
    if (FSorted || GetCount() < 2) return;
    Changing();
    QuickSort(0, GetCount() - 1, Compare);
    Changed();
}

void TStringList::QuickSort(int L, int R, TStringListSortCompare Compare) {
    // The comparison takes indexes into the live list, so items are exchanged in place and the
    // pivot index follows its item.
    while (L < R) {
        int i = L, j = R, p = (L + R) / 2;
        while (i <= j) {
            while (Compare(this, i, p) < 0) ++i;
            while (Compare(this, j, p) > 0) --j;
            if (i <= j) {
                if (i != j) std::swap(FList[i], FList[j]);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        }
        if (L < j) QuickSort(L, j, Compare);
        L = i;
    }
}

void TStringList::SetSorted(bool Value) {
    if (FSorted == Value) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    if (FSorted) {
        FSorted = false;
        Sort();
        FSorted = true;
    }
}
