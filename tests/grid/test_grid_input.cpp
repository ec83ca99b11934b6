// Keyboard and mouse on the grid: navigation, selecting, sizing, moving, timers, cursor, wheel.

#include "GridTestSupport.h"
#include "platform/WidgetOf.h"

#include <QCursor>

namespace {
constexpr unsigned Shift = 1, Ctrl = 2;

bool OverlayBlank(TWinControl* C) {
    const QImage* o = C->Overlay();
    for (int y = 0; y < o->height(); ++y)
        for (int x = 0; x < o->width(); ++x)
            if ((o->pixel(x, y) & 0xFFFFFF) != 0) return false;
    return true;
}
} // namespace

TEST_F(GridFixture, DialogCodesFollowTheOptions) {
    using enum TGridOption;
    EXPECT_EQ(Grid->Perform(WM_GETDLGCODE), LRESULT(DLGC_WANTARROWS));
    Grid->SetOptions(Grid->Options() + TGridOptions{goTabs, goEditing});
    EXPECT_EQ(Grid->Perform(WM_GETDLGCODE),
              LRESULT(DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS));
    EXPECT_EQ(Grid->Perform(CM_WANTSPECIALKEY, VK_RETURN), 1);
    Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
    EXPECT_EQ(Grid->Perform(WM_GETDLGCODE), LRESULT(DLGC_WANTARROWS));
}

TEST_F(GridFixture, ArrowsHomeEndAndCtrlMoveWithinTheScrollableCells) {
    Grid->SetRowCount(10);
    Key(VK_UP); // already on the first scrollable row
    EXPECT_EQ(Grid->CurrentRow(), 1);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(Grid->CurrentCol(), 2);
    EXPECT_EQ(Grid->CurrentRow(), 2);
    Key(VK_END);
    EXPECT_EQ(Grid->CurrentCol(), 4);
    Key(VK_END, Ctrl);
    EXPECT_EQ(Grid->CurrentRow(), 9);
    Key(VK_HOME, Ctrl);
    EXPECT_EQ(Grid->CurrentCol(), 1);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    Key(VK_DOWN, Ctrl); // scrolls without moving the current cell
    EXPECT_EQ(Grid->FirstVisibleRow(), 2);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    EXPECT_GE(Grid->Clicks, 4);
}

TEST_F(GridFixture, ShiftArrowsExtendTheRange) {
    Key(VK_DOWN, Shift);
    Key(VK_RIGHT, Shift);
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{1, 1, 2, 2}));
    Key(VK_RIGHT);
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{3, 2, 3, 2}));
}

TEST_F(GridFixture, PageDownOnTheLastPageStopsAtTheLastRow) {
    Grid->SetRowCount(10);
    const int maxTop = Grid->CalcMaxTopLeft({4, 9}, Grid->CalcDrawMetrics()).Y;
    Grid->SetCurrentRow(8);
    Key(VK_NEXT);
    EXPECT_EQ(Grid->CurrentRow(), 9);
    EXPECT_EQ(Grid->FirstVisibleRow(), maxTop);
    Key(VK_PRIOR);
    EXPECT_EQ(Grid->CurrentRow(), 7);
}

TEST_F(GridFixture, TabWrapsSkipsAndStopsWhereItStarted) {
    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goTabs});
    Grid->SetCurrentCell(4, 1, true, true);
    Key(VK_TAB);
    EXPECT_EQ(Grid->CurrentCol(), 1);
    EXPECT_EQ(Grid->CurrentRow(), 2);
    Grid->SetCurrentCell(4, 4, true, true);
    Key(VK_TAB); // from the last cell back to the first
    EXPECT_EQ(Grid->CurrentRow(), 1);

    Grid->SetTabStops(2, false);
    Grid->SetColWidths(3, 0);
    Key(VK_TAB); // column 2 is no tab stop and column 3 is hidden
    EXPECT_EQ(Grid->CurrentCol(), 4);

    Key(VK_TAB, Shift); // one step back, then forward with the anchor following
    EXPECT_EQ(Grid->CurrentCol(), 4);
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{4, 1, 4, 1}));

    for (int c = 0; c < 5; ++c) Grid->SetTabStops(c, false);
    Grid->SetCurrentCell(1, 1, true, true);
    Key(VK_TAB); // nowhere to stop: it ends on the starting column, one row on
    EXPECT_EQ(Grid->CurrentCol(), 1);
    EXPECT_EQ(Grid->CurrentRow(), 2);
}

TEST_F(GridFixture, RowSelectMovesRowsWithLeftAndRight) {
    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goRowSelect});
    Key(VK_RIGHT);
    EXPECT_EQ(Grid->CurrentRow(), 2);
    EXPECT_EQ(Grid->CurrentCol(), 1);
    Key(VK_END);
    EXPECT_EQ(Grid->CurrentRow(), 4);
    Key(VK_HOME);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    Key(VK_LEFT);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{1, 1, 4, 1}));
}

TEST_F(GridFixture, ClickingSelectsAndDraggingExtends) {
    Click(160, 60);
    EXPECT_EQ(Grid->CurrentCol(), 2);
    EXPECT_EQ(Grid->CurrentRow(), 2);
    EXPECT_EQ(Grid->Clicks, 1);
    EXPECT_EQ(Grid->GridState(), TGridState::gsNormal);

    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(100, 35));
    EXPECT_EQ(Grid->GridState(), TGridState::gsSelecting);
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(230, 85));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(230, 85));
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{1, 1, 3, 3}));

    Click(160, 35, MK_SHIFT);
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{1, 1, 2, 1}));
    Click(30, 10); // fixed cells are not selectable
    EXPECT_EQ(Grid->CurrentCol(), 1);
}

TEST_F(GridFixture, SelectingBelowTheCellsScrollsOnTheTimer) {
    Grid->SetRowCount(20);
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(100, 35));
    Env->Cursor = Grid->ClientToScreen({100, 118});
    for (int i = 0; i < 6; ++i) Grid->Perform(WM_TIMER, 1);
    EXPECT_EQ(Grid->Anchor().Y, 7);
    EXPECT_GT(Grid->FirstVisibleRow(), 1);
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(100, 118));
    EXPECT_EQ(Grid->SelectedRect().Bottom, Grid->Anchor().Y);
}

TEST_F(GridFixture, ColumnSizingHasASevenPixelHotZoneAndRefusesOnePixel) {
    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goColSizing});
    // Column 1's line is at x = 129: the zone runs from 126 to 132.
    Grid->Perform(WM_MOUSEMOVE, 0, MakeLParam(126, 10));
    EXPECT_EQ(WidgetOf(*Grid)->cursor().shape(), Qt::SplitHCursor);
    Grid->Perform(WM_MOUSEMOVE, 0, MakeLParam(125, 10));
    EXPECT_NE(WidgetOf(*Grid)->cursor().shape(), Qt::SplitHCursor);

    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(126, 10));
    EXPECT_EQ(Grid->GridState(), TGridState::gsColSizing);
    EXPECT_FALSE(OverlayBlank(Grid)); // the dotted line
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(150, 10));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(150, 10));
    EXPECT_EQ(Grid->ColWidths(1), 153 - 65);
    EXPECT_TRUE(OverlayBlank(Grid));

    const int line = 65 + Grid->ColWidths(1);
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(line, 10));
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(66, 10));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(66, 10));
    EXPECT_EQ(Grid->ColWidths(1), 88); // a 1-pixel column is refused
    EXPECT_EQ(Grid->GridState(), TGridState::gsNormal);
}

TEST_F(GridFixture, RowSizingWorksInTheFixedColumnsAndCancelModeErasesTheLine) {
    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goRowSizing});
    Grid->Perform(WM_MOUSEMOVE, 0, MakeLParam(10, 50));
    EXPECT_EQ(WidgetOf(*Grid)->cursor().shape(), Qt::SplitVCursor);
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(10, 50));
    EXPECT_EQ(Grid->GridState(), TGridState::gsRowSizing);
    Grid->Perform(WM_CANCELMODE);
    EXPECT_EQ(Grid->GridState(), TGridState::gsNormal);
    EXPECT_TRUE(OverlayBlank(Grid));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(10, 80));
    EXPECT_EQ(Grid->RowHeights(1), 24);
}

TEST_F(GridFixture, DraggingAColumnHeaderMovesTheColumn) {
    std::vector<std::pair<int, int>> moved;
    Grid->OnColumnMoved = [&](TObject*, int F, int T) { moved.push_back({F, T}); };
    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goColMoving});
    Grid->SetColWidths(1, 50);
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(90, 10));
    EXPECT_EQ(Grid->GridState(), TGridState::gsColMoving);
    EXPECT_FALSE(OverlayBlank(Grid));
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(200, 60));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(200, 60));
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(Grid->ColWidths(3), 50);
    EXPECT_TRUE(OverlayBlank(Grid));
}

TEST_F(GridFixture, DraggingARowHeaderFollowsTheCursorOnTheTimer) {
    std::vector<std::pair<int, int>> moved;
    Grid->OnRowMoved = [&](TObject*, int F, int T) { moved.push_back({F, T}); };
    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goRowMoving});
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(10, 60));
    ASSERT_EQ(Grid->GridState(), TGridState::gsRowMoving);
    Env->Cursor = Grid->ClientToScreen({10, 85});
    Grid->Perform(WM_TIMER, 1);
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(10, 85));
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{2, 3}}));
}

TEST_F(GridFixture, TheWheelMovesTheCurrentRowUnlessAHandlerTookIt) {
    Grid->Perform(WM_MOUSEWHEEL, WPARAM(MakeLong(0, uint16_t(int16_t(-120)))));
    EXPECT_EQ(Grid->CurrentRow(), 2);
    Grid->Perform(WM_MOUSEWHEEL, WPARAM(MakeLong(0, 120)));
    Grid->Perform(WM_MOUSEWHEEL, WPARAM(MakeLong(0, 120)));
    EXPECT_EQ(Grid->CurrentRow(), 1);
    Grid->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool& Handled) { Handled = true; };
    Grid->Perform(WM_MOUSEWHEEL, WPARAM(MakeLong(0, uint16_t(int16_t(-120)))));
    EXPECT_EQ(Grid->CurrentRow(), 1);
}
