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
    for (unsigned i = 0; i < FSlotsInDir; ++i) std::free(FSecDir[i]);
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
        FSlotsInDir = wanted;
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
    for (unsigned s = FSlotsInDir; s-- > 0 && FHighBound < 0;) {
        if (!FSecDir[s]) continue;
        for (int i = FSectionSize - 1; i >= 0; --i)
            if (FSecDir[s][i]) {
                FHighBound = IndexOf(s, i);
                break;
            }
    }
}

// Both shifts touch stored items only, so a sparse list with a far index stays cheap to edit.
void TSparsePointerArray::OpenSlot(int Index) {
    if (Index < 0 || Index > FHighBound) return;
    const unsigned first = unsigned(Index) >> FSecShift;
    // From the top down, so that no item is overwritten before it moved.
    for (unsigned s = FSlotsInDir; s-- > first;) {
        for (int i = FSectionSize - 1; i >= 0; --i) {
            if (!FSecDir[s]) break;
            void* item = FSecDir[s][i];
            if (!item || IndexOf(s, i) < Index) continue;
            *MakeSlot(IndexOf(s, i) + 1) = item; // may grow the directory: re-read FSecDir
            FSecDir[s][i] = nullptr;
        }
    }
    FCachedIndex = -1;
}

void TSparsePointerArray::CloseSlot(int Index) {
    if (Index < 0 || Index > FHighBound) return;
    const unsigned first = unsigned(Index) >> FSecShift;
    if (FSecDir[first]) FSecDir[first][Index & FIndexMask] = nullptr;
    for (unsigned s = first; s < FSlotsInDir; ++s) {
        if (!FSecDir[s]) continue;
        for (int i = 0; i < FSectionSize; ++i) {
            void* item = FSecDir[s][i];
            if (!item || IndexOf(s, i) <= Index) continue;
            *MakeSlot(IndexOf(s, i) - 1) = item;
            FSecDir[s][i] = nullptr;
        }
    }
    RecomputeHighBound();
    FCachedIndex = -1;
}

int TSparsePointerArray::ForAll(const TSPAApply& Fn) const {
    for (unsigned s = 0; s < FSlotsInDir; ++s) {
        void** sec = FSecDir[s];
        if (!sec) continue;
        for (int i = 0; i < FSectionSize; ++i)
            if (sec[i])
                if (int r = Fn(IndexOf(s, i), sec[i])) return r;
    }
    return 0;
}

size_t TSparsePointerArray::AllocatedBytes() const {
    size_t n = size_t(FSlotsInDir) * sizeof(void**);
    for (unsigned s = 0; s < FSlotsInDir; ++s)
        if (FSecDir[s]) n += size_t(FSectionSize) * sizeof(void*);
    return n;
}

// ---- TSparseList ----

TSparseList::TSparseList(TSPAQuantum Quantum)
    : FList(std::make_unique<TSparsePointerArray>(Quantum)), FQuantum(Quantum) {}

void TSparseList::IndexError(int Index) {
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TSparseList::CapacityError(int Index) {
    throw EListError(QStringLiteral("List capacity out of bounds (%1)").arg(Index));
}

void* TSparseList::Get(int Index) {
    if (Index < 0) IndexError(Index);
    return FList->Get(Index);
}

void TSparseList::Put(int Index, void* Item) {
    if (Index < 0) IndexError(Index);
    if (Index >= MaxCount - 1) CapacityError(Index);
    FList->Put(Index, Item);
    FCount = FList->HighBound() + 1;
}

void TSparseList::Insert(int Index, void* Item) {
    if (Index < 0) IndexError(Index);
    if (Index >= MaxCount - 1 || FCount >= MaxCount - 1) CapacityError(Index);
    if (Index < FCount) FList->OpenSlot(Index);
    FList->Put(Index, Item);
    if (FCount < Index) FCount = Index;
    ++FCount;
}

void TSparseList::Delete(int Index) {
    if (Index < 0 || Index >= FCount) return;
    FList->CloseSlot(Index);
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
    size_t Chunks() const { return FChunks.size(); }

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

// Sanitizer builds hand every item to the general heap, so that the address sanitizer sees each
// block; SOVELI_PLAIN_ALLOC asks for the same elsewhere.
#if defined(SOVELI_PLAIN_ALLOC) || defined(__SANITIZE_ADDRESS__)
constexpr bool PlainAllocation = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool PlainAllocation = true;
#else
constexpr bool PlainAllocation = false;
#endif
#else
constexpr bool PlainAllocation = false;
#endif

// The pool lives exactly as long as some string sparse list does: no static object whose end
// of life could come before a list's (a list in a static object outlived a static pool).
TItemPool* gItemPool = nullptr;
int gItemPoolUsers = 0;

} // namespace

void* TStringSparseList::TStrItem::operator new(size_t Size) {
    if (PlainAllocation) return ::operator new(Size);
    if (!gItemPool) gItemPool = new TItemPool(sizeof(TStrItem)); // an item made outside a list
    return gItemPool->Take();
}

void TStringSparseList::TStrItem::operator delete(void* P) noexcept {
    if (!P) return;
    if (PlainAllocation)
        ::operator delete(P);
    else
        gItemPool->Give(P);
}

size_t TStringSparseList::PoolChunks() {
    return gItemPool ? gItemPool->Chunks() : 0;
}

TStringSparseList::TStringSparseList(TSPAQuantum Quantum) : FList(Quantum) {
    ++gItemPoolUsers;
}

TStringSparseList::~TStringSparseList() {
    FreeItems();
    if (--gItemPoolUsers == 0) {
        delete gItemPool;
        gItemPool = nullptr;
    }
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
        // Same effect as a fresh item, without reallocating; the store sets the count as any
        // put does.
        old->FString = S;
        FList.Put(Index, old);
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
    // Held until the list took it: a refused index must not leak the item.
    std::unique_ptr<TStrItem> item(S.isEmpty() ? nullptr : new TStrItem{nullptr, S});
    FList.Insert(Index, item.get());
    item.release();
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

void TStringSparseList::WriteList(TDataStream& Stream) const {
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

void TStringSparseList::ReadList(TDataStream& Stream) {
    qint32 n = 0;
    Stream >> n;
    for (qint32 i = 0; i < n && Stream.status() == TDataStream::Ok; ++i) {
        qint32 index = 0;
        QString text;
        Stream >> index >> text;
        if (Stream.status() != TDataStream::Ok) break; // torn entry: nothing to insert
        // Inserting before stored items moves them up: none may end past the bound either.
        const int high = FList.Array().HighBound();
        if (index < 0 || index > MaxStreamIndex || (index <= high && high >= MaxStreamIndex))
            throw EListError(
                QStringLiteral("List stream index out of bounds (%1), entry %2").arg(index).arg(i));
        Insert(index, text);
    }
}
