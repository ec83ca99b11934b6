// The sorting grid's pop-up menu: opened at the cursor by a right-button release over a data
// row only, and never by the control's own right-click handling.

#include "grid/SortGrid.h"
#include "platform/Environment.h"
#include "platform/Forms.h"

#include <gtest/gtest.h>

TEST(SortGridPopup, OpensAtTheCursorOverDataRowsOnly) {
    auto env = std::make_unique<TScriptedEnvironment>();
    TScriptedEnvironment* world = env.get();
    SetEnvironment(std::move(env));
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 300);
        auto* grid = new TSortGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 320, 200);
        grid->SetColCount(2);
        grid->SetRowCount(4);
        grid->SetDefaultRowHeight(18);
        auto* menu = new TPopupMenu(&form);
        auto* item = new TMenuItem(&form);
        item->SetCaption("Copy");
        menu->Items()->Add(item);
        int popups = 0;
        menu->OnPopup = [&](TObject*) { ++popups; };
        grid->SetPopupMenu(menu);
        form.Show();

        auto rightClick = [&](int X, int Y) {
            grid->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MakeLParam(X, Y));
            grid->Perform(WM_RBUTTONUP, 0, MakeLParam(X, Y));
        };
        world->Cursor = {333, 222};
        rightClick(30, 30); // row 1
        EXPECT_EQ(popups, 1);
        EXPECT_EQ(menu->PopupPoint(), Point(333, 222));
        EXPECT_EQ(menu->PopupComponent(), grid);
        menu->CloseMenu();

        rightClick(30, 5); // the header sorts instead
        EXPECT_EQ(popups, 1);
        // The control's own right-click handling does not know this menu.
        const TPoint at = grid->ClientToScreen(Point(30, 30));
        grid->Perform(WM_CONTEXTMENU, 0, MakeLParam(at.X, at.Y));
        EXPECT_EQ(popups, 1);

        delete menu;
        EXPECT_EQ(grid->PopupMenu(), nullptr);
        rightClick(30, 30);
    }
    SetEnvironment(nullptr);
}
