// Current cell, selection repaints, the view's first cell, scrolling and the scroll bars.

#include "GridTestSupport.h"

#include <QScrollBar>

TEST_F(GridFixture, WritingCurrentRowOutsideRaisesAndKeepsTheCell) {
    EXPECT_THROW(Grid->SetCurrentRow(Grid->RowCount()), EInvalidGridOperation);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    Grid->SetCurrentRow(3);
    EXPECT_EQ(Grid->CurrentRow(), 3);
    EXPECT_EQ(Grid->Clicks, 1);
}

TEST_F(GridFixture, ARefusedSelectLeavesEverythingAsItWas) {
    Grid->SetRowCount(50);
    Grid->OnSelectCell = [](TObject*, int, int ARow, bool& Can) { Can = ARow != 40; };
    TInvalidations inv(Grid);
    Grid->SetCurrentRow(40);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    EXPECT_EQ(Grid->FirstVisibleRow(), 1);
    EXPECT_EQ(Grid->Anchor(), (TGridCoord{1, 1}));
    EXPECT_TRUE(inv.Areas.empty());
}

TEST_F(GridFixture, MovingTheCurrentCellInsideARangeRepaintsOnlyWhatChanged) {
    Grid->SetBounds(0, 0, 400, 300);
    Grid->SetColCount(6);
    Grid->SetRowCount(12);
    Grid->SetCurrentCell(1, 1, true, true);
    Grid->ExtendSelection({4, 8}); // a range of 4 x 8 cells
    TInvalidations inv(Grid);
    Grid->SetCurrentCell(2, 1, false, true); // the range loses its first column
    // The column strip that left the range, plus the new current cell; nothing else.
    const TRect strip = Rect(65, 25, 130, 9 * 25);
    const TRect current = Grid->CellBounds(2, 1);
    EXPECT_TRUE(inv.Covers(strip));
    QRegion expected(QRect(strip.Left, strip.Top, strip.Width(), strip.Height()));
    expected += QRect(current.Left, current.Top, current.Width() + 1, current.Height() + 1);
    EXPECT_TRUE(inv.Region().subtracted(expected).isEmpty());
    EXPECT_LT(inv.Pixels(), 65 * 8 * 25 + 70 * 30);
}

TEST_F(GridFixture, ScrollingOneRowMovesThePixelsAndRepaintsTheUncoveredStrip) {
    Grid->SetRowCount(100);
    TInvalidations inv(Grid);
    Grid->SetFirstVisibleRow(2);
    // Only the strip at the bottom of the cell area comes up for painting.
    ASSERT_EQ(inv.Areas.size(), 1u);
    EXPECT_EQ(inv.Areas[0], Rect(0, 120 - 25, 320, 120));

    inv.Clear();
    Grid->SetFirstVisibleRow(60); // a jump beyond the cell area repaints everything
    EXPECT_TRUE(inv.Covers(Rect(0, 0, 320, 120)));
}

TEST_F(GridFixture, ScrollingIntoViewShowsTheCellWhole) {
    Grid->SetRowCount(30);
    Grid->SetCurrentRow(10);
    const DrawMetrics m = Grid->CalcDrawMetrics();
    EXPECT_EQ(m.Vert.LastFullCell, 10);
    EXPECT_EQ(Grid->FirstVisibleRow(), 8);
    Grid->SetCurrentRow(2);
    EXPECT_EQ(Grid->FirstVisibleRow(), 2);
}

TEST_F(GridFixture, ScrollBarPositionsStayWithinTheFixedRange) {
    Grid->SetScrollBars(TScrollStyle::ssBoth);
    TWindowScrollBars& bars = Grid->WindowScrollBars();
    int lo = 0, hi = 0;
    // Everything fits: empty ranges and no bars.
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    bars.GetScrollRange(SB_VERT, lo, hi);
    EXPECT_EQ(hi, 0);
    EXPECT_FALSE(bars.BarShowing(SB_HORZ));
    EXPECT_EQ(Grid->ClientRect(), Rect(0, 0, 320, 120));

    Grid->SetRowCount(1000000);
    bars.GetScrollRange(SB_VERT, lo, hi);
    EXPECT_EQ(hi, 127);
    EXPECT_TRUE(bars.BarShowing(SB_VERT));
    EXPECT_EQ(Grid->ClientWidth(), 320 - ScrollBarExtent());
    for (int row : {1, 2, 500000, 999999}) {
        Grid->SetCurrentRow(row);
        const int pos = bars.GetScrollPos(SB_VERT);
        EXPECT_GE(pos, 0);
        EXPECT_LE(pos, 127);
    }
    EXPECT_EQ(bars.GetScrollPos(SB_VERT), 127);
    Grid->SetCurrentRow(500000);
    const int maxTop = Grid->CalcMaxTopLeft({1, 999999}, Grid->CalcDrawMetrics()).Y;
    EXPECT_EQ(bars.GetScrollPos(SB_VERT), MulDiv(500000 - 1, 127, maxTop - 1));
}

TEST_F(GridFixture, ScrollCommandsStepPageAndTrackTheThumb) {
    Grid->SetScrollBars(TScrollStyle::ssVertical);
    Grid->SetRowCount(101);
    const int maxTop = Grid->CalcMaxTopLeft({4, 100}, Grid->CalcDrawMetrics()).Y;
    Grid->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Grid->FirstVisibleRow(), 2);
    Grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(Grid->FirstVisibleRow(), 4); // by the fully visible rows after the first
    Grid->Perform(WM_VSCROLL, SB_THUMBTRACK | (127 << 16));
    EXPECT_EQ(Grid->FirstVisibleRow(), 4); // no thumb tracking by default
    Grid->Perform(WM_VSCROLL, SB_THUMBPOSITION | (127 << 16));
    EXPECT_EQ(Grid->FirstVisibleRow(), maxTop);
    Grid->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Grid->FirstVisibleRow(), maxTop);
    Grid->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(Grid->FirstVisibleRow(), 1);
    EXPECT_EQ(Grid->CurrentRow(), 1); // scrolling does not move the current cell

    // Hidden rows are stepped over.
    Grid->SetRowHeights(2, 0);
    Grid->SetRowHeights(3, -1);
    Grid->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Grid->FirstVisibleRow(), 4);
}

TEST_F(GridFixture, TheBarWidgetReportsActionsAsScrollMessages) {
    Grid->SetScrollBars(TScrollStyle::ssVertical);
    Grid->SetRowCount(50);
    QScrollBar* bar = Grid->WindowScrollBars().Widget(SB_VERT);
    EXPECT_EQ(bar->maximum(), 127);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Grid->FirstVisibleRow(), 2);
    EXPECT_EQ(bar->value(), Grid->WindowScrollBars().GetScrollPos(SB_VERT));
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(bar->value(), 127);
}

TEST_F(GridFixture, OneColumnGridScrollsHorizontallyByPixels) {
    Grid->SetScrollBars(TScrollStyle::ssBoth);
    Grid->SetColCount(1);
    Grid->SetColWidths(0, 1000);
    int lo = 0, hi = 0;
    Grid->WindowScrollBars().GetScrollRange(SB_HORZ, lo, hi);
    EXPECT_EQ(hi, 1000 - Grid->ClientWidth());
    TInvalidations inv(Grid);
    Grid->Perform(WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(Grid->ColOffset(), Grid->ClientWidth());
    EXPECT_EQ(Grid->FirstVisibleCol(), 0);
    EXPECT_EQ(Grid->WindowScrollBars().GetScrollPos(SB_HORZ), Grid->ClientWidth());
    Grid->Perform(WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(Grid->ColOffset(), 1000 - Grid->ClientWidth());
    Grid->Perform(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Grid->ColOffset(), 1000 - Grid->ClientWidth());
    Key(VK_RIGHT, 2); // Ctrl+Right never changes the first visible column
    EXPECT_EQ(Grid->FirstVisibleCol(), 0);
    Grid->Perform(WM_HSCROLL, SB_TOP);
    EXPECT_EQ(Grid->ColOffset(), 0);
    EXPECT_FALSE(inv.Areas.empty());
}
