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
    TMyStringGrid g(nullptr);
    g.SetCellText(1, 1, QStringLiteral("abc"));
    int sets = 0;
    g.OnSetEditText = [&](TObject*, int, int, const QString&) { ++sets; };
    g.OnGetEditText = [](TObject*, int, int, QString& v) { v += QStringLiteral("!"); };
    struct Access : TMyStringGrid {
        using TMyStringGrid::GetEditText;
        using TMyStringGrid::SetEditText;
    };
    auto& a = static_cast<Access&>(g);
    EXPECT_EQ(a.GetEditText(1, 1), QStringLiteral("abc!"));
    a.SetEditText(1, 1, QStringLiteral("xyz"));
    EXPECT_EQ(g.CellText(1, 1), QStringLiteral("xyz"));
    EXPECT_EQ(sets, 1);
}

} // namespace
