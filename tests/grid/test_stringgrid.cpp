// Sparse storage and the string grid's cells, views and moves.

#include "grid/MyGridsStrings.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

void* P(intptr_t v) {
    return reinterpret_cast<void*>(v);
}

TEST(SparseStorage, HighBoundFollowsPutsAndDeletes) {
    TSparseList list(TSPAQuantum::SPASmall);
    list.Put(3, P(1));
    list.Put(40, P(2));
    EXPECT_EQ(list.Count(), 41);
    EXPECT_EQ(list.Array().HighBound(), 40);
    list.Delete(40);
    EXPECT_EQ(list.Array().HighBound(), 3);
    EXPECT_EQ(list.Count(), 40);
    list.Put(3, nullptr);
    EXPECT_EQ(list.Array().HighBound(), -1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(SparseStorage, SectionsOnlyWhereItemsAreAndNullStoresNothing) {
    TSparsePointerArray small(TSPAQuantum::SPASmall), large(TSPAQuantum::SPALarge);
    EXPECT_EQ(small.SectionSize(), 16);
    EXPECT_EQ(large.SectionSize(), 256);
    small.Put(1000, nullptr);
    EXPECT_EQ(small.AllocatedBytes(), 0u);
    small.Put(1000, P(7));
    // Directory up to section 62, one section of 16 slots.
    EXPECT_EQ(small.AllocatedBytes(), 63 * sizeof(void*) + 16 * sizeof(void*));
    EXPECT_EQ(small.Get(1000), P(7));
    EXPECT_EQ(small.Get(999), nullptr);
    // The cache must not hand back a stale item after the slot changes.
    small.Put(999, P(8));
    EXPECT_EQ(small.Get(999), P(8));
    std::vector<int> seen;
    EXPECT_EQ(small.ForAll([&](int i, void*) {
        seen.push_back(i);
        return i == 1000 ? 5 : 0;
    }),
              5);
    EXPECT_EQ(seen, (std::vector<int>{999, 1000}));
}

TEST(SparseStorage, InsertMoveAndNegativeIndex) {
    TSparseList list(TSPAQuantum::SPASmall);
    list.Insert(5, P(1)); // beyond the count: count becomes 6
    EXPECT_EQ(list.Count(), 6);
    list.Insert(0, P(2));
    EXPECT_EQ(list.Get(6), P(1));
    list.Move(6, 0);
    EXPECT_EQ(list.Get(0), P(1));
    EXPECT_EQ(list.Get(1), P(2));
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Put(-2, P(1)), EListError);
    list.Delete(-1); // ignored
    list.Delete(99);
    EXPECT_EQ(list.Count(), 7);
}

TEST(StringSparseList, ItemsObjectsAndStreaming) {
    TStringSparseList l(TSPAQuantum::SPASmall);
    TObject obj;
    l.Put(2, QStringLiteral("a"));
    l.PutObject(2, &obj);
    l.Put(2, QString()); // the object keeps the item alive
    EXPECT_EQ(l.GetObject(2), &obj);
    l.PutObject(2, nullptr);
    l.Put(2, QString()); // neither: the item goes
    EXPECT_EQ(l.Count(), 0);
    l.PutObject(4, &obj);
    EXPECT_EQ(l.Get(4), QString());
    EXPECT_EQ(l.GetObject(4), &obj);
    l.Put(7, QStringLiteral("x"));
    l.Put(9, QStringLiteral("y"));

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        l.WriteList(out);
    }
    TStringSparseList copy(TSPAQuantum::SPASmall);
    QDataStream in(bytes);
    copy.ReadList(in);
    EXPECT_EQ(copy.Get(4), QString()); // the object-only item streams as empty text
    EXPECT_EQ(copy.Get(7), QStringLiteral("x"));
    EXPECT_EQ(copy.Get(9), QStringLiteral("y"));
    EXPECT_EQ(copy.GetObject(4), nullptr);
}

TEST(StringGrid, CellsAreNotBoundedByTheCounts) {
    TMyStringGrid g(nullptr);
    g.SetCellText(10000, 3, QStringLiteral("far"));
    EXPECT_EQ(g.CellText(10000, 3), QStringLiteral("far"));
    EXPECT_EQ(g.RowData(3)->Count(), 10001);
    g.SetCellText(1, 1, QStringLiteral("t"));
    g.SetCellText(1, 1, QString());
    EXPECT_EQ(g.CellText(1, 1), QString());
    EXPECT_EQ(g.RowData(1)->Count(), 0);
    g.SetCellText(4, 4, QStringLiteral("kept"));
    g.SetRowCount(3);
    EXPECT_EQ(g.CellText(4, 4), QStringLiteral("kept"));
    EXPECT_EQ(g.CellText(2, 200), QString());
    EXPECT_THROW(g.CellText(-1, 1), EListError);
}

TEST(StringGrid, RowAndColumnViews) {
    TMyStringGrid g(nullptr);
    g.SetColCount(3);
    TStrings* row = g.RowStrings(2);
    EXPECT_EQ(row->Count(), 3);
    row->Put(0, QStringLiteral("a"));
    g.SetCellText(2, 2, QStringLiteral("c"));
    EXPECT_EQ(row->Add(QString()), 1);
    EXPECT_EQ(g.CellText(1, 2), QStringLiteral(" "));
    EXPECT_EQ(row->Add(QStringLiteral("d")), -1);
    EXPECT_THROW(row->Insert(0, QStringLiteral("x")), EInvalidGridOperation);
    EXPECT_THROW(row->Delete(0), EInvalidGridOperation);

    TStrings* col = g.ColStrings(0);
    EXPECT_EQ(col->Count(), g.RowCount());
    EXPECT_EQ(col->Get(2), QStringLiteral("a"));
    TStringList src;
    src.Add(QStringLiteral("h"));
    src.Add(QStringLiteral("i"));
    col->Assign(src);
    EXPECT_EQ(g.CellText(0, 1), QStringLiteral("i"));
    EXPECT_EQ(g.CellText(0, 2), QStringLiteral("a"));
    col->Clear();
    EXPECT_EQ(g.CellText(0, 0), QString());
    row->Clear();
    for (int c = 0; c < 3; ++c) EXPECT_EQ(g.CellText(c, 2), QString());
    EXPECT_NE(g.RowData(2), nullptr); // the row list lives on
}

TEST(StringGrid, MovesCarryTheStoredData) {
    TMyStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetFixedCols(0);
    TObject obj;
    for (int r : {1, 3})
        for (int c = 0; c < 3; ++c) g.SetCellText(c, r, QString::number(r * 10 + c));
    g.SetCellObject(1, 1, &obj);
    int moved = 0;
    g.OnColumnMoved = [&](TObject*, int, int) { ++moved; };
    g.MoveColumnTo(0, 2);
    EXPECT_EQ(moved, 1);
    for (int r : {1, 3}) {
        EXPECT_EQ(g.CellText(0, r), QString::number(r * 10 + 1));
        EXPECT_EQ(g.CellText(1, r), QString::number(r * 10 + 2));
        EXPECT_EQ(g.CellText(2, r), QString::number(r * 10 + 0));
    }
    EXPECT_EQ(g.CellObject(0, 1), &obj);
    g.MoveRowTo(3, 1);
    EXPECT_EQ(g.CellText(0, 1), QStringLiteral("31"));
    EXPECT_EQ(g.CellText(0, 2), QStringLiteral("11"));
}

TEST(StringGrid, EditorTextRoundTrip) {
    // A grid of its own class that opens the protected editor calls (no cast to a class the
    // object is not).
    struct Access : TMyStringGrid {
        using TMyStringGrid::GetEditText;
        using TMyStringGrid::SetEditText;
        using TMyStringGrid::TMyStringGrid;
    };
    Access g(nullptr);
    g.SetCellText(1, 1, QStringLiteral("abc"));
    int sets = 0;
    g.OnSetEditText = [&](TObject*, int, int, const QString&) { ++sets; };
    g.OnGetEditText = [](TObject*, int, int, QString& v) { v += QStringLiteral("!"); };
    EXPECT_EQ(g.GetEditText(1, 1), QStringLiteral("abc!"));
    g.SetEditText(1, 1, QStringLiteral("xyz"));
    EXPECT_EQ(g.CellText(1, 1), QStringLiteral("xyz"));
    EXPECT_EQ(sets, 1);
}

TEST(SparseStorage, FarIndicesKeepTheirItemsAndEditsMoveOnlyWhatIsStored) {
    // Past 65,535 sections of 16 slots: the directory length must not wrap.
    TSparseList list(TSPAQuantum::SPASmall);
    list.Put(5177344, P(1));
    list.Put(1048576, P(2));
    list.Put(7, P(3));
    EXPECT_EQ(list.Get(5177344), P(1));
    EXPECT_EQ(list.Get(1048576), P(2));
    EXPECT_EQ(list.Count(), 5177345);
    list.Insert(0, P(4));
    EXPECT_EQ(list.Get(0), P(4));
    EXPECT_EQ(list.Get(8), P(3));
    EXPECT_EQ(list.Get(1048577), P(2));
    EXPECT_EQ(list.Get(5177345), P(1));
    EXPECT_EQ(list.Get(5177344), nullptr);
    EXPECT_EQ(list.Count(), 5177346);
    list.Delete(8);
    EXPECT_EQ(list.Get(8), nullptr);
    EXPECT_EQ(list.Get(1048576), P(2));
    EXPECT_EQ(list.Get(5177344), P(1));
    EXPECT_EQ(list.Array().HighBound(), 5177344);
    list.Delete(5177344);
    EXPECT_EQ(list.Array().HighBound(), 1048576);
    EXPECT_THROW(list.Put(TSparseList::MaxCount - 1, P(5)), EListError);
    EXPECT_THROW(list.Insert(TSparseList::MaxCount - 1, P(5)), EListError);
}

TEST(SparseStorage, InsertsDeletesAndMovesAgreeWithAPlainList) {
    // Both quanta, items across section borders, empty positions among them.
    for (TSPAQuantum q : {TSPAQuantum::SPASmall, TSPAQuantum::SPALarge}) {
        TSparseList list(q);
        std::vector<intptr_t> model;
        unsigned seed = 7;
        const auto next = [&seed](unsigned N) {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 8) % N;
        };
        for (int step = 0; step < 3000; ++step) {
            const int n = int(model.size());
            const int at = int(next(unsigned(n) + 40));
            const intptr_t v = next(4) == 0 ? 0 : step + 1;
            switch (next(4)) {
            case 0:
                list.Insert(at, P(v));
                if (at > n) model.resize(size_t(at), 0);
                model.insert(model.begin() + at, v);
                break;
            case 1:
                list.Delete(at);
                if (at < n) model.erase(model.begin() + at);
                break;
            case 2:
                if (n > 0) {
                    const int to = int(next(unsigned(n)));
                    list.Move(at % n, to);
                    const intptr_t item = model[size_t(at % n)];
                    model.erase(model.begin() + at % n);
                    model.insert(model.begin() + std::min(to, n - 1), item);
                }
                break;
            default:
                list.Put(at, P(v));
                if (at >= n) model.resize(size_t(at) + 1, 0);
                model[size_t(at)] = v;
                while (!model.empty() && model.back() == 0) model.pop_back();
                break;
            }
            if (step % 50 != 0) continue;
            int high = -1;
            for (int i = 0; i < int(model.size()); ++i) {
                ASSERT_EQ(list.Get(i), P(model[size_t(i)])) << step << " at " << i;
                if (model[size_t(i)]) high = i;
            }
            ASSERT_EQ(list.Array().HighBound(), high) << step;
            ASSERT_EQ(list.Count(), int(model.size())) << step;
        }
    }
}

TEST(StringSparseList, PutOnAnExistingItemSetsTheCountLikeAnyPut) {
    TStringSparseList l(TSPAQuantum::SPASmall);
    l.Put(2, QStringLiteral("a"));
    l.Insert(7, QString()); // no item, but the count grows to 8
    ASSERT_EQ(l.Count(), 8);
    l.Put(2, QStringLiteral("b")); // count := high bound + 1
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(l.Get(2), QStringLiteral("b"));
}

TEST(StringSparseList, DamagedStreamsAddNothing) {
    TStringSparseList l(TSPAQuantum::SPASmall);
    l.Put(3, QStringLiteral("x"));
    l.Put(7, QStringLiteral("yz"));
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        l.WriteList(out);
    }
    // Cut inside the second entry: the first stays where it belongs, nothing is inserted at 0.
    TStringSparseList torn(TSPAQuantum::SPASmall);
    QDataStream in(bytes.left(bytes.size() - 3));
    torn.ReadList(in);
    EXPECT_EQ(torn.Count(), 4);
    EXPECT_EQ(torn.Get(3), QStringLiteral("x"));
    EXPECT_EQ(torn.Get(0), QString());

    // A negative or absurd index is refused (and the refused text is not leaked).
    for (qint32 index : {-1, TStringSparseList::MaxStreamIndex + 1}) {
        QByteArray bad;
        {
            QDataStream out(&bad, QIODevice::WriteOnly);
            out << qint32(1) << index << QStringLiteral("t");
        }
        TStringSparseList target(TSPAQuantum::SPASmall);
        QDataStream badIn(bad);
        EXPECT_THROW(target.ReadList(badIn), EListError) << index;
        EXPECT_EQ(target.Count(), 0);
    }
    // Nor may an entry move stored items past the bound (what was read must read back).
    {
        QByteArray pushing;
        {
            QDataStream out(&pushing, QIODevice::WriteOnly);
            out << qint32(2) << qint32(TStringSparseList::MaxStreamIndex) << QStringLiteral("a")
                << qint32(0) << QStringLiteral("b");
        }
        TStringSparseList target(TSPAQuantum::SPASmall);
        QDataStream pushingIn(pushing);
        EXPECT_THROW(target.ReadList(pushingIn), EListError);
        EXPECT_EQ(target.Get(TStringSparseList::MaxStreamIndex), QStringLiteral("a"));
        EXPECT_EQ(target.Get(0), QString());
    }
    TStringSparseList direct(TSPAQuantum::SPASmall);
    EXPECT_THROW(direct.Insert(-1, QStringLiteral("t")), EListError);
}

TEST(StringSparseList, TheItemPoolLivesAsLongAsItsLists) {
    {
        TStringSparseList a(TSPAQuantum::SPASmall);
        a.Put(0, QStringLiteral("a"));
        {
            TStringSparseList b(TSPAQuantum::SPALarge);
            b.Put(0, QStringLiteral("b"));
        }
        a.Put(1, QStringLiteral("c")); // the pool outlives the second list
        EXPECT_EQ(a.Get(1), QStringLiteral("c"));
    }
    // No list left: no pool left that a later list could outlive.
    EXPECT_EQ(TStringSparseList::PoolChunks(), 0u);
}

} // namespace
