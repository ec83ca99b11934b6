#include "platform/Strings.h"
#include "platform/SysUtils.h"

#include <gtest/gtest.h>

namespace {

QStringList Lines(const TStrings& S) {
    return S.ToStringList();
}

} // namespace

TEST(StringList, AddInsertDeleteAndBounds) {
    TStringList l;
    EXPECT_EQ(l.Add("b"), 0);
    l.Insert(0, "a");
    l.Insert(2, "c");
    EXPECT_EQ(Lines(l), (QStringList{"a", "b", "c"}));
    l.Put(1, "B");
    l.Delete(0);
    EXPECT_EQ(Lines(l), (QStringList{"B", "c"}));
    try {
        l.Strings(2);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(l.Delete(-1), EListError);
    EXPECT_THROW(l.Insert(3, "x"), EListError);
    EXPECT_THROW(l.Objects(5), EListError);
}

TEST(StringList, ObjectsTravelWithTheirLines) {
    TStringList l;
    TObject a, b;
    l.AddObject("x", &a);
    l.AddObject("y", &b);
    l.Exchange(0, 1);
    EXPECT_EQ(l.Objects(0), &b);
    l.Put(0, "z");
    EXPECT_EQ(l.Objects(0), &b);
    EXPECT_EQ(l.IndexOfObject(&a), 1);
    TStringList copy;
    copy.Add("old");
    copy.Assign(l);
    EXPECT_EQ(Lines(copy), (QStringList{"z", "x"}));
    EXPECT_EQ(copy.Objects(1), &a);
}

TEST(StringList, TextJoinsWithCrLfAndSplitsAnyBreak) {
    TStringList l;
    l.SetText("one\r\ntwo\nthree\rfour\r\n");
    EXPECT_EQ(Lines(l), (QStringList{"one", "two", "three", "four"}));
    EXPECT_EQ(l.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    l.SetText("\n\nx");
    EXPECT_EQ(Lines(l), (QStringList{"", "", "x"}));
    l.SetText("");
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.Text(), "");
}

TEST(StringList, IndexOfIgnoresCaseUnlessAskedNotTo) {
    TStringList l;
    l.SetText("Alpha\nbeta");
    EXPECT_EQ(l.IndexOf("BETA"), 1);
    EXPECT_EQ(l.IndexOf("gamma"), -1);
    l.SetCaseSensitive(true);
    EXPECT_EQ(l.IndexOf("BETA"), -1);
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
    TStringList l;
    l.SetText("pear\napple\nfig");
    l.SetSorted(true);
    EXPECT_EQ(Lines(l), (QStringList{"apple", "fig", "pear"}));
    EXPECT_EQ(l.Add("banana"), 1);
    EXPECT_EQ(l.Add("FIG"), 2); // ignored duplicate: the existing index
    EXPECT_EQ(l.Count(), 4);
    int index = -1;
    EXPECT_FALSE(l.Find("cherry", index));
    EXPECT_EQ(index, 2);
    EXPECT_THROW(l.Insert(0, "zzz"), EListError);
    EXPECT_THROW(l.Put(0, "zzz"), EListError);
    l.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(l.Add("pear"), EListError);
    l.SetDuplicates(TDuplicates::dupAccept);
    l.Add("pear");
    EXPECT_EQ(Lines(l), (QStringList{"apple", "banana", "fig", "pear", "pear"}));
}

TEST(StringList, CustomSortUsesTheGivenOrder) {
    TStringList l;
    for (int v : {5, 3, 10, 1, 8, 3, 7, 2, 9, 4, 6}) l.Add(QString::number(v));
    l.CustomSort([](TStringList* list, int a, int b) {
        return list->Strings(a).toInt() - list->Strings(b).toInt();
    });
    EXPECT_EQ(Lines(l), (QStringList{"1", "2", "3", "3", "4", "5", "6", "7", "8", "9", "10"}));
    l.Sort(); // text order
    EXPECT_EQ(l.Strings(1), "10");
}

TEST(StringList, ChangeEventsRespectUpdateNesting) {
    TStringList l;
    QStringList log;
    l.OnChanging = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &l);
        log << "changing";
    };
    l.OnChange = [&](TObject*) { log << "change"; };
    l.Add("a");
    EXPECT_EQ(log, (QStringList{"changing", "change"}));
    log.clear();
    l.BeginUpdate();
    l.BeginUpdate();
    l.Add("b");
    l.Delete(0);
    l.EndUpdate();
    EXPECT_EQ(log, (QStringList{"changing"}));
    l.EndUpdate();
    EXPECT_EQ(log, (QStringList{"changing", "change"}));
    EXPECT_EQ(l.UpdateCount(), 0);
    log.clear();
    l.SetText("x\ny\nz"); // one notification for the whole text
    EXPECT_EQ(log, (QStringList{"changing", "change"}));
}

// A list built only on the primitives gets the rest of the interface from TStrings.
class VectorStrings : public TStrings {
public:
    QString Get(int Index) const override {
        CheckIndex(Index, GetCount());
        return items[Index];
    }
    int GetCount() const override { return items.size(); }
    void Insert(int Index, const QString& S) override {
        CheckIndex(Index, GetCount() + 1);
        items.insert(Index, S);
    }
    void Delete(int Index) override {
        CheckIndex(Index, GetCount());
        items.removeAt(Index);
    }
    void Clear() override { items.clear(); }
    QStringList items;
};

TEST(Strings, DerivedListsInheritTheFullInterface) {
    VectorStrings v;
    v.SetText("a\r\nb");
    v.Put(0, "c");
    v.Exchange(0, 1);
    EXPECT_EQ(v.items, (QStringList{"b", "c"}));
    EXPECT_EQ(v.IndexOf("C"), 1);
    EXPECT_EQ(v.AddObject("d", nullptr), 2);
    EXPECT_EQ(v.Text(), "b\r\nc\r\nd\r\n");
    EXPECT_THROW(v.Put(7, "x"), EListError);
}
