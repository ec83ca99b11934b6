#pragma once
// The string grid: the grid engine with cell texts and objects kept in sparse lists, so that a
// large grid costs memory only for the cells that hold something.

#include "grid/MyGrids.h"
#include "platform/Streams.h"
#include "platform/Strings.h"

#include <climits>
#include <functional>

enum class TSPAQuantum { SPASmall, SPALarge };

// A two-level array of pointers indexed by a non-negative integer: a directory of sections of 16
// or 256 slots, each section allocated only when something is stored in it.
class TSparsePointerArray {
public:
    using TSPAApply = std::function<int(int Index, void* Item)>;

    explicit TSparsePointerArray(TSPAQuantum Quantum);
    ~TSparsePointerArray();
    TSparsePointerArray(const TSparsePointerArray&) = delete;
    TSparsePointerArray& operator=(const TSparsePointerArray&) = delete;

    void* Get(int Index);
    void** MakeSlot(int Index);
    void Put(int Index, void* Item);
    // Moves every item at Index or above one slot up, leaving slot Index empty.
    void OpenSlot(int Index);
    // Drops slot Index and moves every item above it one slot down.
    void CloseSlot(int Index);
    // Visits the non-null items in index order; stops at the first non-zero answer.
    int ForAll(const TSPAApply& Fn) const;
    int HighBound() const { return FHighBound; }
    int SectionSize() const { return FSectionSize; }
    // Bytes held by the directory and the sections.
    size_t AllocatedBytes() const;

private:
    void RecomputeHighBound();
    int IndexOf(unsigned Section, int Slot) const { return int((Section << FSecShift) + Slot); }

    void*** FSecDir = nullptr;
    // 32 bits: a 16-bit directory length lost every section past index 1,048,560.
    unsigned FSlotsInDir = 0;
    int FHighBound = -1;
    uint16_t FSectionSize;
    uint16_t FIndexMask;
    int16_t FSecShift;
    int FCachedIndex = -1;
    void* FCachedItem = nullptr;
};

// A list (count, insert, delete, move) over one sparse pointer array.
class TSparseList {
public:
    // The count stays an int: the highest usable index is one below MaxCount.
    static constexpr int MaxCount = INT_MAX;

    explicit TSparseList(TSPAQuantum Quantum);
    void* Get(int Index);
    void Put(int Index, void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    void Clear();
    int ForAll(const TSparsePointerArray::TSPAApply& Fn) const { return FList->ForAll(Fn); }
    int Count() const { return FCount; }
    const TSparsePointerArray& Array() const { return *FList; }

private:
    [[noreturn]] static void IndexError(int Index);
    [[noreturn]] static void CapacityError(int Index);

    std::unique_ptr<TSparsePointerArray> FList;
    int FCount = 0;
    TSPAQuantum FQuantum;
};

// A string list whose items (text and object) live in a sparse list; positions holding neither
// store nothing.
class TStringSparseList : public TStrings {
public:
    explicit TStringSparseList(TSPAQuantum Quantum);
    ~TStringSparseList() override;
    TStringSparseList(const TStringSparseList&) = delete;
    TStringSparseList& operator=(const TStringSparseList&) = delete;

    QString Get(int Index) const override;
    int GetCount() const override { return FList.Count(); }
    TObject* GetObject(int Index) const override;
    void Put(int Index, const QString& S) override;
    void PutObject(int Index, TObject* AObject) override;
    void Insert(int Index, const QString& S) override;
    void Delete(int Index) override;
    void Exchange(int Index1, int Index2) override;
    void Clear() override;

    // The stored property "List": the count of stored items, then index and text of each.
    void WriteList(TDataStream& Stream) const;
    // Reads what WriteList wrote; a truncated stream stops before its torn entry, an entry that
    // would put an item outside 0..MaxStreamIndex raises EListError.
    void ReadList(TDataStream& Stream);
    // Streams come from files: a larger index would have the reader build a directory of
    // gigabytes for one text.
    static constexpr int MaxStreamIndex = (1 << 24) - 1;

    const TSparseList& Sparse() const { return FList; }
    // Whole stored items, for moving records between lists without copying their texts:
    // TakeItem leaves the position empty, PlaceItem takes ownership and frees what was there.
    void* TakeItem(int Index);
    void PlaceItem(int Index, void* AItem);
    static const QString& ItemText(const void* Item);
    static TObject* ItemObject(const void* Item);
    // Chunks the item pool holds now (0 when items come from the general heap, and once the
    // last list is gone).
    static size_t PoolChunks();

private:
    struct TStrItem {
        TObject* FObject = nullptr;
        QString FString;
        // Items are many and small: they come from a pool without per-block heap overhead.
        static void* operator new(size_t Size);
        static void operator delete(void* P) noexcept;
    };
    TStrItem* Item(int Index) const { return static_cast<TStrItem*>(FList.Get(Index)); }
    void FreeItems();

    mutable TSparseList FList; // lookups update the array's cache
};

class TMyStringGrid;

// One row or column of a string grid seen as a string list.
class TMyStringGridStrings : public TStrings {
public:
    TMyStringGridStrings(TMyStringGrid* AGrid, int AIndex) : FGrid(AGrid), FIndex(AIndex) {}

    QString Get(int Index) const override;
    int GetCount() const override;
    TObject* GetObject(int Index) const override;
    void Put(int Index, const QString& S) override;
    void PutObject(int Index, TObject* AObject) override;
    int Add(const QString& S) override;
    void Insert(int Index, const QString& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Assign(const TStrings& Source) override;

protected:
    void SetUpdateState(bool Updating) override;

private:
    TMyStringGrid* FGrid;
    int FIndex; // row r as r + 1, column c as -(c + 1), 0 for none
};

class TMyStringGrid : public TMyDrawGrid {
    friend class TMyStringGridStrings;

public:
    explicit TMyStringGrid(TComponent* AOwner);
    ~TMyStringGrid() override;

    QString CellText(int ACol, int ARow) const;
    void SetCellText(int ACol, int ARow, const QString& Value);
    TObject* CellObject(int ACol, int ARow) const;
    void SetCellObject(int ACol, int ARow, TObject* Value);
    TStrings* RowStrings(int ARow);
    TStrings* ColStrings(int ACol);
    // The row's data list, or null when nothing was ever written to the row.
    TStringSparseList* RowData(int ARow) const {
        return static_cast<TStringSparseList*>(FData->Get(ARow));
    }

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // The row's data list, created on first use.
    TStringSparseList* EnsureDataRow(int ARow);
    // Repaints a changed cell, or notes it during a bulk update of a view.
    void CellUpdate(int ACol, int ARow);
    bool FUpdating = false;
    bool FNeedsUpdating = false;

private:
    TMyStringGridStrings* EnsureView(TSparseList& Views, int Index, int Code);

    std::unique_ptr<TSparseList> FData;
    std::unique_ptr<TSparseList> FRows;
    std::unique_ptr<TSparseList> FCols;
    int FEditUpdate = 0;
};
