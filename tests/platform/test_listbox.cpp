// The list box: sorted filling, the selected line, and a click on a line reaching OnMouseUp.

#include "platform/Forms.h"
#include "platform/ListBox.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <gtest/gtest.h>

TEST(ListBox, SortedLinesTheSelectedLineAndAClickOnALine) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* l = new TListBox(&form);
    l->SetParent(&form);
    l->SetBounds(10, 10, 120, 100);
    l->SetSorted(true);
    for (const char* s : {"pear", "Apple", "fig", "apple"}) l->Items()->Add(s);
    EXPECT_EQ(l->Items()->ToStringList(), QStringList({"Apple", "apple", "fig", "pear"}));
    EXPECT_EQ(l->ItemIndex(), -1);
    l->SetItemIndex(2);
    EXPECT_EQ(l->ItemIndex(), 2);
    l->SetItemIndex(9);
    EXPECT_EQ(l->ItemIndex(), -1);
    EXPECT_GT(l->ItemHeight(), 0);

    // Unsorted lines stay where they are put; switching sorting on orders them.
    l->SetSorted(false);
    l->Items()->Add("banana");
    EXPECT_EQ(l->Items()->Strings(4), "banana");
    l->SetSorted(true);
    EXPECT_EQ(l->Items()->Strings(2), "banana");

    form.Show();
    std::vector<TPoint> ups;
    l->OnMouseUp = [&](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        if (Button == TMouseButton::mbLeft) ups.push_back({X, Y});
    };
    QWidget* viewport = l->List()->viewport();
    const QRect line = l->List()->visualItemRect(l->List()->item(1));
    const QPointF at = line.center();
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    EXPECT_EQ(l->ItemIndex(), 1); // the press picked the line, as the user sees it
    ASSERT_EQ(ups.size(), 1u);
    const QPoint inBox = viewport->mapTo(l->List(), at.toPoint());
    EXPECT_EQ(ups[0].X, inBox.x());
    EXPECT_EQ(ups[0].Y, inBox.y());
}
