// The start: only what is in sight gets Qt widgets; the other views get theirs when first
// shown, holding what the start put into them.

#include "WindowFixture.h"
#include "platform/WidgetOf.h"

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTreeView>
#include <functional>

namespace {

// Every windowed control of a view (the view included) that has its Qt widget.
std::vector<std::string> WithWidgets(TWinControl* View) {
    std::vector<std::string> found;
    std::function<void(TWinControl*)> walk = [&](TWinControl* c) {
        if (c->HandleAllocated()) found.push_back(c->Name().toStdString());
        for (int i = 0; i < c->ControlCount(); ++i)
            if (c->Controls(i)->IsWindowed()) walk(static_cast<TWinControl*>(c->Controls(i)));
    };
    walk(View);
    return found;
}

} // namespace

TEST_F(WindowFixture, HiddenViewsHaveNoQtWidgetsAtStartAndGetThemWhenShown) {
    Seed({{EncodeDate(2026, 11, 3), "a"}, {EncodeDate(2026, 12, 2), "b"}}, 28);
    Tform_velna& w = Open();
    for (TPanel* hidden : {w.Panel2, w.Panel3, w.Panel4, w.Panel6, w.Panel7})
        EXPECT_EQ(WithWidgets(hidden), std::vector<std::string>{}) << hidden->Name().toStdString();
    EXPECT_TRUE(w.Panel8->HandleAllocated());
    // The test view lies whole under the home view until a button uncovers it.
    EXPECT_EQ(WithWidgets(w.Panel1), std::vector<std::string>{});
    w.FlatSpeedButton1Click(nullptr);
    EXPECT_TRUE(w.DateTimePicker1->HandleAllocated());
    EXPECT_EQ(w.DateTimePicker1->Editor()->date(), QDate(2026, 12, 2));

    w.FlatSpeedButton3Click(nullptr);
    ASSERT_TRUE(w.FlatMemo1->HandleAllocated());
    EXPECT_EQ(static_cast<QPlainTextEdit*>(WidgetOf(w.FlatMemo1))->document()->blockCount(), 279);
    EXPECT_TRUE(static_cast<QPlainTextEdit*>(WidgetOf(w.FlatMemo1))->isReadOnly());

    w.FlatSpeedButton7Click(nullptr);
    ASSERT_TRUE(w.Apart_list->HandleAllocated());
    EXPECT_EQ(w.Apart_list->View()->model()->rowCount(), 2);
    EXPECT_EQ(w.Apart_list->View()->model()->index(1, 0).data().toString(), "2026-12-02");
    EXPECT_EQ(w.DateTimePicker2->Date(), EncodeDate(2026, 12, 16));
}
