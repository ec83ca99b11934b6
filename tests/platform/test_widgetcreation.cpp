// Windowed controls get their Qt widgets when they come into sight; what the program sets on a
// control before that reaches the widget when it is made.

#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/ListView.h"
#include "platform/StdCtrls.h"
#include "platform/WidgetOf.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct Shown : ::testing::Test {
    TTestWorld World;
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    void SetUp() override {
        World->Today = EncodeDate(2026, 12, 16);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(10, 10, 300, 200);
    }
    template <class T> T* Make(TWinControl* Parent, const TRect& R) {
        auto* c = new T(Form.get());
        c->SetParent(Parent);
        c->SetBoundsRect(R);
        return c;
    }
};

} // namespace

TEST_F(Shown, HiddenPanelsMakeTheirWidgetsWhenFirstShownAndStackAsTheirControls) {
    auto* hidden = Make<TPanel>(Form.get(), Rect(0, 0, 200, 150));
    hidden->SetVisible(false);
    auto* edit = Make<TEdit>(hidden, Rect(5, 5, 100, 21));
    auto* cover = Make<TPanel>(Form.get(), Rect(50, 50, 250, 190));
    Form->Show();
    EXPECT_TRUE(cover->HandleAllocated());
    EXPECT_FALSE(hidden->HandleAllocated());
    EXPECT_FALSE(edit->HandleAllocated());

    hidden->SetVisible(true);
    ASSERT_TRUE(hidden->HandleAllocated());
    ASSERT_TRUE(edit->HandleAllocated());
    EXPECT_TRUE(WidgetOf(edit)->isVisible());
    // Made last, yet still under the panel that comes after it.
    EXPECT_EQ(WidgetOf(Form)->childAt(100, 100), WidgetOf(cover));
    EXPECT_EQ(WidgetOf(Form)->childAt(20, 100), WidgetOf(hidden));
    // A control placed on a window already on screen gets its widget at once.
    auto* late = Make<TPanel>(cover, Rect(0, 0, 10, 10));
    EXPECT_TRUE(late->HandleAllocated());
}

TEST_F(Shown, APanelCoveredWholeByAnotherGetsItsWidgetsWhenUncovered) {
    auto* under = Make<TPanel>(Form.get(), Rect(10, 10, 110, 110));
    auto* edit = Make<TEdit>(under, Rect(5, 5, 50, 21));
    auto* over = Make<TPanel>(Form.get(), Rect(0, 0, 120, 120));
    auto* partly = Make<TPanel>(Form.get(), Rect(100, 100, 200, 150));
    auto* hidden = Make<TPanel>(Form.get(), Rect(200, 0, 250, 50));
    auto* cover = Make<TPanel>(Form.get(), Rect(200, 0, 250, 50));
    Form->Show();
    EXPECT_FALSE(hidden->HandleAllocated());
    cover->SetVisible(false); // hidden: uncovered
    EXPECT_TRUE(hidden->HandleAllocated());
    EXPECT_TRUE(over->HandleAllocated());
    EXPECT_TRUE(partly->HandleAllocated()); // only partly under the cover
    EXPECT_FALSE(under->HandleAllocated());
    over->SetBounds(0, 0, 120, 50); // moved off: uncovered
    EXPECT_TRUE(under->HandleAllocated());
    EXPECT_TRUE(edit->HandleAllocated());
    EXPECT_EQ(WidgetOf(Form)->childAt(15, 100), WidgetOf(under));
}

TEST_F(Shown, WhatIsSetBeforeTheWidgetReachesItAndReadsBackTheSame) {
    auto* view = Make<TPanel>(Form.get(), Rect(0, 0, 300, 200));
    view->SetVisible(false);
    auto* edit = Make<TEdit>(view, Rect(0, 0, 100, 21));
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("kept");
    edit->SetReadOnly(true);
    auto* memo = Make<TMemo>(view, Rect(0, 30, 100, 60));
    memo->Lines()->SetText("one\r\ntwo");
    memo->Lines()->Add("three");
    auto* combo = Make<TComboBox>(view, Rect(0, 100, 100, 21));
    combo->Items()->Add("a");
    combo->Items()->Add("b");
    combo->SetItemIndex(1);
    auto* picker = Make<TDateTimePicker>(view, Rect(0, 130, 100, 21));
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 16)); // today until set
    picker->SetDate(EncodeDate(2025, 3, 5) + 0.5);
    auto* list = Make<TListView>(view, Rect(120, 0, 150, 150));
    list->AddColumn("c", 40);
    for (const char* s : {"x", "y"}) list->AddItem()->SetCaption(s);
    std::vector<std::pair<QString, bool>> selections;
    list->OnSelectItem = [&](TObject*, TListItem* I, bool S) {
        selections.push_back({I->Caption(), S});
    };
    list->SetSelected(list->Item(1));
    Form->Show();
    ASSERT_FALSE(edit->HandleAllocated());

    // Read back before the widgets exist.
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Text(), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(combo->Text(), "b");
    EXPECT_EQ(picker->Date(), EncodeDate(2025, 3, 5));
    EXPECT_EQ(list->Selected(), list->Item(1));
    EXPECT_EQ(selections.size(), 1u);

    view->SetVisible(true);
    ASSERT_TRUE(edit->HandleAllocated());
    EXPECT_EQ(static_cast<QLineEdit*>(WidgetOf(edit))->text(), "kept");
    EXPECT_TRUE(static_cast<QLineEdit*>(WidgetOf(edit))->isReadOnly());
    EXPECT_EQ(static_cast<QPlainTextEdit*>(WidgetOf(memo))->toPlainText(), "one\ntwo\nthree\n");
    auto* box = static_cast<QComboBox*>(WidgetOf(combo));
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentIndex(), 1);
    EXPECT_EQ(picker->Editor()->date(), QDate(2025, 3, 5));
    EXPECT_EQ(list->View()->model()->rowCount(), 2);
    EXPECT_EQ(list->Selected(), list->Item(1));
    // Making the widgets tells nothing new.
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selections.size(), 1u);
    EXPECT_EQ(combo->Text(), "b");
    EXPECT_EQ(memo->Lines()->Count(), 3);
}

TEST_F(Shown, ListItemsStayInStepWithTheViewThroughDeletesAndChanges) {
    auto* list = Make<TListView>(Form.get(), Rect(0, 0, 200, 150));
    list->AddColumn("a", 50);
    list->AddColumn("b", 50);
    Form->Show();
    for (const char* s : {"0", "1", "2", "3"}) {
        TListItem* i = list->AddItem();
        i->SetCaption(s);
        i->SubItems()->Add(QString(s) + "b");
    }
    QAbstractItemModel* m = list->View()->model();
    list->DeleteItem(list->Item(1));
    ASSERT_EQ(m->rowCount(), 3);
    EXPECT_EQ(list->Item(2)->Index(), 2);
    EXPECT_EQ(m->index(2, 1).data().toString(), "3b");
    list->Item(2)->SubItems()->Strings(0); // reading changes nothing
    list->Item(2)->SubItems()->Put(0, "new");
    EXPECT_EQ(m->index(2, 1).data().toString(), "new");
    list->SetSelected(list->Item(2));
    EXPECT_TRUE(list->Item(2)->Selected());
    list->Item(2)->SetSelected(false);
    EXPECT_EQ(list->Selected(), nullptr);
    list->ClearItems();
    EXPECT_EQ(m->rowCount(), 0);
}

// Rows kept outside the list: "r<row>.<column>", value 100 + row; counts what is read.
class Rows : public TListRows {
public:
    explicit Rows(int N) : FCount(N) {}
    int Count() const override { return FCount; }
    QString Text(int Row, int Column) const override {
        ++Reads;
        return QStringLiteral("r%1.%2").arg(Row).arg(Column);
    }
    intptr_t Data(int Row) const override { return 100 + Row; }
    mutable int Reads = 0;

private:
    int FCount;
};

TEST_F(Shown, ListRowsKeptOutsideBecomeItemsOnlyWhenAskedForAndStayInStep) {
    auto* list = Make<TListView>(Form.get(), Rect(0, 0, 200, 150));
    list->AddColumn("a", 50);
    list->AddColumn("b", 50);
    auto rows = std::make_shared<Rows>(100000);
    list->SetRows(rows);
    EXPECT_EQ(rows->Reads, 0);
    EXPECT_EQ(list->ItemCount(), 100000);
    Form->Show();
    QAbstractItemModel* m = list->View()->model();
    ASSERT_EQ(m->rowCount(), 100000);
    EXPECT_LT(rows->Reads, 1000); // only what the view shows
    EXPECT_EQ(m->index(99999, 1).data().toString(), "r99999.1");

    TListItem* last = list->Item(99999);
    EXPECT_EQ(last->Caption(), "r99999.0");
    EXPECT_EQ(last->SubItems()->Strings(0), "r99999.1");
    EXPECT_EQ(last->Data(), 100 + 99999);
    EXPECT_EQ(list->Item(99999), last); // made once
    list->SetSelected(list->Item(5));
    EXPECT_EQ(list->Selected()->Data(), 105);

    // Deleting shifts the rows after it; an item's own changes are what the view shows.
    list->DeleteItem(list->Item(1));
    ASSERT_EQ(list->ItemCount(), 99999);
    EXPECT_EQ(list->Item(1)->Caption(), "r2.0");
    EXPECT_EQ(m->index(99997, 0).data().toString(), "r99998.0");
    EXPECT_EQ(last->Index(), 99998);
    last->SetCaption("changed");
    EXPECT_EQ(m->index(99998, 0).data().toString(), "changed");
    TListItem* added = list->AddItem();
    added->SetCaption("new");
    EXPECT_EQ(list->ItemCount(), 100000);
    EXPECT_EQ(m->index(99999, 0).data().toString(), "new");
    list->DeleteItem(list->Item(0));
    EXPECT_EQ(m->index(0, 0).data().toString(), "r2.0");
    EXPECT_EQ(list->Item(99998), added);

    list->ClearItems();
    EXPECT_EQ(m->rowCount(), 0);
}

// A label sized by its text measures it only once in sight (measuring loads fonts); read or
// shown, it has the bounds it would have had if measured at once.
TEST_F(Shown, TextSizedLabelsOutOfSightHaveTheBoundsOfLabelsMeasuredAtOnce) {
    auto* seen = Make<TPanel>(Form.get(), Rect(0, 0, 150, 200));
    auto* hidden = Make<TPanel>(Form.get(), Rect(150, 0, 300, 200));
    hidden->SetVisible(false);
    Form->Show();
    auto label = [&](TWinControl* Parent, TAlignment Alignment) {
        auto* l = new TLabel(Form.get());
        l->SetParent(Parent);
        l->SetAlignment(Alignment);
        l->SetBounds(100, 10, 40, 17);
        l->Font()->SetName(QString::fromUtf8("宋体"));
        l->Font()->SetHeight(-13);
        l->SetCaption(QString::fromUtf8("例假时间:"));
        return l;
    };
    for (TAlignment a : {TAlignment::taLeftJustify, TAlignment::taRightJustify}) {
        const TRect atOnce = label(seen, a)->BoundsRect();
        EXPECT_NE(atOnce.Width(), 40);
        EXPECT_EQ(label(hidden, a)->BoundsRect(), atOnce);
    }
    // A width set while the measuring waits is kept; the rest is measured.
    TLabel* reference = label(seen, TAlignment::taLeftJustify);
    TLabel* status = label(hidden, TAlignment::taLeftJustify);
    status->SetWidth(233);
    TLabel* shown = label(hidden, TAlignment::taLeftJustify);
    shown->SetCaption(QString::fromUtf8("例假"));
    hidden->SetVisible(true);
    EXPECT_EQ(status->BoundsRect(), Bounds(100, 10, 233, reference->Height()));
    EXPECT_LT(shown->Width(), reference->Width());
    // Measured again, the new caption gives the width.
    status->SetCaption(QString::fromUtf8("例假"));
    EXPECT_EQ(status->BoundsRect(), shown->BoundsRect());
}
