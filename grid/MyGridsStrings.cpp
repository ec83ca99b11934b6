// Sparse storage of the string grid and the grid's own use of it.

#include "grid/MyGridsStrings.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

// ---- TSparsePointerArray ----

TSparsePointerArray::TSparsePointerArray(TSPAQuantum Quantum) {
    const bool large = Quantum == TSPAQuantum::SPALarge;
    FSectionSize = large ? 256 : 16;
    FIndexMask = large ? 255 : 15;
    FSecShift = large ? 8 : 4;
}

TSparsePointerArray::~TSparsePointerArray() {
    for (int i = 0; i < FSlotsInDir; ++i) std::free(FSecDir[i]);
    std::free(FSecDir);
}

void* TSparsePointerArray::Get(int Index) {
    if (Index == FCachedIndex) return FCachedItem;
    const unsigned section = unsigned(Index) >> FSecShift;
    void* item = nullptr;
    if (section < FSlotsInDir && FSecDir[section]) item = FSecDir[section][Index & FIndexMask];
    FCachedIndex = Index;
    FCachedItem = item;
    return item;
}

void** TSparsePointerArray::MakeSlot(int Index) {
    const unsigned section = unsigned(Index) >> FSecShift;
    if (section >= FSlotsInDir) {
        const unsigned wanted = section + 1;
        void*** dir = static_cast<void***>(std::realloc(FSecDir, wanted * sizeof(void**)));
        if (!dir) throw EOutOfResources(QStringLiteral("Out of memory"));
        std::memset(dir + FSlotsInDir, 0, (wanted - FSlotsInDir) * sizeof(void**));
        FSecDir = dir;
        FSlotsInDir = uint16_t(wanted);
    }
    void**& sec = FSecDir[section];
    if (!sec) {
        sec = static_cast<void**>(std::calloc(FSectionSize, sizeof(void*)));
        if (!sec) throw EOutOfResources(QStringLiteral("Out of memory"));
    }
    if (Index > FHighBound) FHighBound = Index;
    FCachedIndex = -1;
    return &sec[Index & FIndexMask];
}

void TSparsePointerArray::Put(int Index, void* Item) {
    if (!Item && !Get(Index)) return;
    *MakeSlot(Index) = Item;
    if (!Item) RecomputeHighBound();
}

void TSparsePointerArray::RecomputeHighBound() {
    FHighBound = -1;
    for (int s = FSlotsInDir - 1; s >= 0 && FHighBound < 0; --s) {
        if (!FSecDir[s]) continue;
        for (int i = FSectionSize - 1; i >= 0; --i)
            if (FSecDir[s][i]) {
                FHighBound = (s << FSecShift) + i;
                break;
            }
    }
}

int TSparsePointerArray::ForAll(const TSPAApply& Fn) const {
    for (int s = 0; s < FSlotsInDir; ++s) {
        void** sec = FSecDir[s];
        if (!sec) continue;
        for (int i = 0; i < FSectionSize; ++i)
            if (sec[i])
                if (int r = Fn((s << FSecShift) + i, sec[i])) return r;
    }
    return 0;
}

size_t TSparsePointerArray::AllocatedBytes() const {
    size_t n = size_t(FSlotsInDir) * sizeof(void**);
    for (int s = 0; s < FSlotsInDir; ++s)
        if (FSecDir[s]) n += size_t(FSectionSize) * sizeof(void*);
    return n;
}

// ---- TSparseList ----

TSparseList::TSparseList(TSPAQuantum Quantum)
    : FList(std::make_unique<TSparsePointerArray>(Quantum)), FQuantum(Quantum) {}

void TSparseList::IndexError(int Index) {
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void* TSparseList::Get(int Index) {
    if (Index < 0) IndexError(Index);
    return FList->Get(Index);
}

void TSparseList::Put(int Index, void* Item) {
    if (Index < 0) IndexError(Index);
    FList->Put(Index, Item);
    FCount = FList->HighBound() + 1;
}

void TSparseList::Insert(int Index, void* Item) {
    if (Index < 0) IndexError(Index);
    for (int i = FCount - 1; i >= Index; --i) FList->Put(i + 1, FList->Get(i));
    FList->Put(Index, Item);
    if (FCount < Index) FCount = Index;
    ++FCount;
}

void TSparseList::Delete(int Index) {
    if (Index < 0 || Index >= FCount) return;
    for (int i = Index; i < FCount - 1; ++i) FList->Put(i, FList->Get(i + 1));
    FList->Put(FCount - 1, nullptr);
    --FCount;
}

void TSparseList::Exchange(int Index1, int Index2) {
    void* a = Get(Index1);
    Put(Index1, Get(Index2));
    Put(Index2, a);
}

void TSparseList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    void* item = Get(CurIndex);
    Delete(CurIndex);
    Insert(NewIndex, item);
}

void TSparseList::Clear() {
    FList = std::make_unique<TSparsePointerArray>(FQuantum);
    FCount = 0;
}

// ---- TStringSparseList ----

namespace {

// A free list of equal blocks carved from large chunks; the program's one thread uses it.
class TItemPool {
public:
    explicit TItemPool(size_t BlockSize) : FBlock(std::max(BlockSize, sizeof(void*))) {}
    void* Take() {
        if (!FFree) Grow();
        void* p = FFree;
        FFree = *static_cast<void**>(p);
        return p;
    }
    void Give(void* P) {
        *static_cast<void**>(P) = FFree;
        FFree = P;
    }

private:
    void Grow() {
        constexpr size_t PerChunk = 4096;
        FChunks.push_back(std::make_unique<unsigned char[]>(FBlock * PerChunk));
        unsigned char* base = FChunks.back().get();
        for (size_t i = PerChunk; i-- > 0;) Give(base + i * FBlock);
    }
    size_t FBlock;
    void* FFree = nullptr;
    std::vector<std::unique_ptr<unsigned char[]>> FChunks;
};

TItemPool& ItemPool(size_t Size) {
    static TItemPool pool(Size);
    return pool;
}

} // namespace

void* TStringSparseList::TStrItem::operator new(size_t Size) {
    return ItemPool(Size).Take();
}

void TStringSparseList::TStrItem::operator delete(void* P) noexcept {
    if (P) ItemPool(sizeof(TStrItem)).Give(P);
}

TStringSparseList::~TStringSparseList() {
    FreeItems();
}

void TStringSparseList::FreeItems() {
    FList.ForAll([](int, void* p) {
        delete static_cast<TStrItem*>(p);
        return 0;
    });
}

QString TStringSparseList::Get(int Index) const {
    const TStrItem* p = Item(Index);
    return p ? p->FString : QString();
}

TObject* TStringSparseList::GetObject(int Index) const {
    const TStrItem* p = Item(Index);
    return p ? p->FObject : nullptr;
}

void TStringSparseList::Put(int Index, const QString& S) {
    TStrItem* old = Item(Index);
    TObject* object = old ? old->FObject : nullptr;
    if (old && !S.isEmpty()) {
        // Same effect as a fresh item, without reallocating.
        old->FString = S;
    } else {
        FList.Put(Index, (!S.isEmpty() || object) ? new TStrItem{object, S} : nullptr);
        delete old;
    }
    Changed();
}

void TStringSparseList::PutObject(int Index, TObject* AObject) {
    if (TStrItem* p = Item(Index))
        p->FObject = AObject;
    else if (AObject)
        FList.Put(Index, new TStrItem{AObject, QString()});
    Changed();
}

void TStringSparseList::Insert(int Index, const QString& S) {
    FList.Insert(Index, S.isEmpty() ? nullptr : new TStrItem{nullptr, S});
    Changed();
}

void TStringSparseList::Delete(int Index) {
    if (Index < 0) return;
    delete Item(Index);
    FList.Delete(Index);
    Changed();
}

void* TStringSparseList::TakeItem(int Index) {
    void* item = FList.Get(Index);
    if (item) FList.Put(Index, nullptr);
    return item;
}

void TStringSparseList::PlaceItem(int Index, void* AItem) {
    TStrItem* old = Item(Index);
    if (old == AItem) return;
    FList.Put(Index, AItem);
    delete old;
    Changed();
}

const QString& TStringSparseList::ItemText(const void* Item) {
    static const QString empty;
    return Item ? static_cast<const TStrItem*>(Item)->FString : empty;
}

TObject* TStringSparseList::ItemObject(const void* Item) {
    return Item ? static_cast<const TStrItem*>(Item)->FObject : nullptr;
}

void TStringSparseList::Exchange(int Index1, int Index2) {
    FList.Exchange(Index1, Index2);
}

void TStringSparseList::Clear() {
    FreeItems();
    FList.Clear();
    Changed();
}

void TStringSparseList::WriteList(QDataStream& Stream) const {
    qint32 n = 0;
    FList.ForAll([&n](int, void*) {
        ++n;
        return 0;
    });
    Stream << n;
    FList.ForAll([&Stream](int Index, void* p) {
        Stream << qint32(Index) << static_cast<TStrItem*>(p)->FString;
        return 0;
    });
}

void TStringSparseList::ReadList(QDataStream& Stream) {
    qint32 n = 0;
    Stream >> n;
    for (qint32 i = 0; i < n && Stream.status() == QDataStream::Ok; ++i) {
        qint32 index = 0;
        QString text;
        Stream >> index >> text;
        Insert(index, text);
    }
}
