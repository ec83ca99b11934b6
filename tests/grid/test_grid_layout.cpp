// Grid layout: extents, metrics, hit testing, cell rectangles, size and fixed-count changes.

#include "GridTestSupport.h"

TEST(GridExtents, ResizeKeepsValuesFillsDefaultsAndFreesAtZero) {
    ExtentArray a;
    EXPECT_FALSE(a.Exists());
    a.Resize(3, 64);
    a.Set(1, 10);
    a.Resize(5, 7);
    EXPECT_EQ(a.Count(), 5);
    EXPECT_EQ(a.Get(1), 10);
    EXPECT_EQ(a.Get(4), 7);
    a.Move(1, 4); // taken out and put back at the end, the ones between shift down
    EXPECT_EQ(a.Get(1), 64);
    EXPECT_EQ(a.Get(3), 7);
    EXPECT_EQ(a.Get(4), 10);
    a.Resize(0, 0);
    EXPECT_FALSE(a.Exists());
}

TEST(GridExtents, LimitsRaiseGridErrors) {
    ExtentArray a;
    a.Resize(2, 1);
    EXPECT_THROW(a.Modify(3, 1, 0), EInvalidGridOperation);  // start past the end
    EXPECT_THROW(a.Modify(0, -3, 0), EInvalidGridOperation); // below zero
    EXPECT_THROW(a.Modify(0, ExtentArray::MaxCount, 0), EInvalidGridOperation);
    EXPECT_EQ(a.Count(), 2);
}

TEST_F(GridFixture, DefaultsAndWidthsCostNothingUntilSet) {
    EXPECT_EQ(Grid->Options().Bits(), 31u);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->CurrentCol(), 1);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    EXPECT_FALSE(Grid->StoreColWidths());
    EXPECT_EQ(Grid->ColWidths(3), 64);
    EXPECT_EQ(Grid->ColWidths(99), 64); // beyond the count: the default
    Grid->SetColWidths(2, 30);
    EXPECT_TRUE(Grid->StoreColWidths());
    EXPECT_EQ(Grid->ColWidthsList(), (std::vector<int>{64, 64, 30, 64, 64}));
    EXPECT_THROW(Grid->SetColWidths(5, 10), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetRowHeights(5, 10), EInvalidGridOperation);
}

TEST_F(GridFixture, MetricsComeFromOnePassOverTheVisibleCells) {
    const DrawMetrics m = Grid->CalcDrawMetrics();
    EXPECT_EQ(m.Horz.LineWidth, 1);
    EXPECT_EQ(m.Horz.FixedEnd, 65);
    EXPECT_EQ(m.Horz.LastFullCell, 3); // 4 x 65 = 260 fits; the fifth ends at 325 > 321
    EXPECT_EQ(m.Horz.FullEnd, 260);
    EXPECT_EQ(m.Horz.CellsEnd, 320);
    EXPECT_EQ(m.Vert.LastFullCell, 3);
    EXPECT_EQ(Grid->VisibleColCount(), 3);

    // Without any line option the line width drops out of every sum.
    Grid->SetOptions({TGridOption::goRangeSelect});
    EXPECT_EQ(Grid->CalcDrawMetrics().Horz.FixedEnd, 64);
    EXPECT_EQ(Grid->CalcDrawMetrics().Horz.LastFullCell, 4);
}

TEST_F(GridFixture, HitTestingAndCellBoundsAgree) {
    EXPECT_EQ(Grid->CellBounds(1, 1), Rect(65, 25, 129, 49));
    EXPECT_EQ(Grid->CellAtPoint(65, 25), (TGridCoord{1, 1}));
    EXPECT_EQ(Grid->CellAtPoint(64, 25), (TGridCoord{0, 1})); // the line belongs to the left cell
    EXPECT_EQ(Grid->CellAtPoint(0, 500), (TGridCoord{-1, -1}));

    // Scrolled: cells before the first visible one have no place.
    Grid->SetRowCount(20);
    Grid->SetFirstVisibleRow(5);
    EXPECT_EQ(Grid->CellBounds(1, 3), TRect{});
    EXPECT_EQ(Grid->CellBounds(1, 5), Rect(65, 25, 129, 49));
    EXPECT_EQ(Grid->CellAtPoint(70, 30), (TGridCoord{1, 5}));
    EXPECT_EQ(Grid->CellAtPoint(70, 10), (TGridCoord{1, 0})); // fixed rows never scroll
}

TEST_F(GridFixture, RightToLeftMeasuresFromTheRightEdge) {
    Grid->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(Grid->CellBounds(0, 0), Rect(320 - 64, 0, 320, 24));
    EXPECT_EQ(Grid->CellAtPoint(319, 5), (TGridCoord{0, 0}));
    EXPECT_EQ(Grid->CellAtPoint(250, 5), (TGridCoord{1, 0}));
}

TEST_F(GridFixture, ColCountZeroGivesOneAndLowersFixedCols) {
    Grid->SetColCount(0);
    EXPECT_EQ(Grid->ColCount(), 1);
    EXPECT_EQ(Grid->FixedCols(), 0);
    EXPECT_EQ(Grid->CurrentCol(), 0);

    Grid->SetColCount(4);
    Grid->SetFixedCols(3);
    Grid->SetColCount(2); // not above FixedCols
    EXPECT_EQ(Grid->FixedCols(), 1);
    EXPECT_EQ(Grid->CurrentCol(), 1);
}

TEST_F(GridFixture, FixedCountsAreCheckedAndResetTheView) {
    EXPECT_THROW(Grid->SetFixedCols(-1), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetFixedCols(5), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetFixedRows(5), EInvalidGridOperation);
    Grid->SetCurrentCell(3, 3, true, true);
    Grid->SetFixedRows(2);
    EXPECT_EQ(Grid->CurrentRow(), 2);
    EXPECT_EQ(Grid->FirstVisibleRow(), 2);
    EXPECT_EQ(Grid->Anchor(), (TGridCoord{1, 2}));
}

TEST_F(GridFixture, DefaultColWidthResetsEveryColumn) {
    Grid->SetColWidths(1, 10);
    Grid->SetColWidths(3, 99);
    Grid->SetDefaultColWidth(40);
    EXPECT_FALSE(Grid->StoreColWidths());
    for (int c = 0; c < Grid->ColCount(); ++c) EXPECT_EQ(Grid->ColWidths(c), 40);
}

TEST_F(GridFixture, ShrinkingMovesTheCurrentCellAndGrowingExtendsStoredExtents) {
    Grid->SetRowCount(10);
    Grid->SetRowHeights(9, 5);
    Grid->SetCurrentCell(4, 9, true, true);
    Grid->SetRowCount(6);
    EXPECT_EQ(Grid->CurrentRow(), 5);
    EXPECT_EQ(Grid->Anchor(), (TGridCoord{4, 5}));
    Grid->SetRowCount(8);
    EXPECT_EQ(Grid->RowHeights(7), 24);
    ASSERT_FALSE(Grid->SizeChanges.empty());
    EXPECT_EQ(Grid->SizeChanges.back(), (std::pair<int, int>{5, 6}));
}

TEST_F(GridFixture, GrowingRepaintsOnlyFromTheFirstChangedCellOn) {
    Grid->SetBounds(0, 0, 400, 300);
    TInvalidations inv(Grid);
    Grid->SetRowCount(7); // rows 5 and 6 appear below the old last row
    const DrawMetrics m = Grid->CalcDrawMetrics();
    // Rows above the old last row stay; columns repaint from the last full one on.
    EXPECT_FALSE(inv.Touches(Rect(0, 0, 4 * 65, 4 * 25)));
    EXPECT_TRUE(inv.Covers(Rect(0, 4 * 25, 400, m.Vert.CellsEnd)));
}

TEST_F(GridFixture, NowUpdatingStoresOnlyTheCountsUntilEndUpdate) {
    int begun = 0;
    Grid->OnBeginUpdate = [&](TObject*) { ++begun; };
    Grid->SetCurrentCell(1, 4, true, true);
    Grid->BeginUpdate();
    EXPECT_TRUE(Grid->NowUpdating());
    EXPECT_FALSE(Grid->Enabled());
    EXPECT_EQ(begun, 1);
    TInvalidations inv(Grid);
    Grid->SetRowCount(3);
    EXPECT_EQ(Grid->CurrentRow(), 4); // not clamped yet
    EXPECT_TRUE(inv.Areas.empty());
    EXPECT_TRUE(Grid->SizeChanges.empty());
    Grid->EndUpdate();
    EXPECT_FALSE(Grid->NowUpdating());
    EXPECT_TRUE(Grid->Enabled());
    EXPECT_EQ(Grid->CurrentRow(), 2);
    EXPECT_EQ(Grid->SizeChanges.size(), 1u);
    EXPECT_FALSE(inv.Areas.empty());
}

namespace {
// A grid whose size-changed notification refuses one particular size.
class TPickyGrid : public TTestGrid {
public:
    using TTestGrid::TTestGrid;

protected:
    void SizeChanged(int OldColCount, int OldRowCount) override {
        TTestGrid::SizeChanged(OldColCount, OldRowCount);
        if (RowCount() == 13) throw EInvalidGridOperation("no thirteen");
    }
};
} // namespace

TEST_F(GridFixture, AFailedSizeChangeRestoresTheOldCounts) {
    auto* g = new TPickyGrid(Form);
    g->SetParent(Form);
    g->SetRowHeights(2, 11);
    EXPECT_THROW(g->SetRowCount(13), EInvalidGridOperation);
    EXPECT_EQ(g->RowCount(), 5);
    EXPECT_EQ(g->RowHeightsList().size(), 5u);
    EXPECT_EQ(g->RowHeights(2), 11);
}

TEST_F(GridFixture, MovingAColumnCarriesWidthsAndIndices) {
    std::vector<std::pair<int, int>> moved;
    Grid->OnColumnMoved = [&](TObject*, int F, int T) { moved.push_back({F, T}); };
    Grid->SetColWidths(1, 11);
    Grid->SetCurrentCell(3, 1, true, true);
    Grid->MoveColumnTo(1, 4);
    EXPECT_EQ(Grid->ColWidthsList(), (std::vector<int>{64, 64, 64, 64, 11}));
    EXPECT_EQ(Grid->CurrentCol(), 2); // shifted toward the old side of the moved column
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 4}}));

    Grid->RemoveColumn(4);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->ColWidthsList(), (std::vector<int>{64, 64, 64, 64}));
}

TEST_F(GridFixture, RowSelectOptionDropsAlwaysShowEditorAndSelectsWholeRows) {
    using enum TGridOption;
    Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect, goAlwaysShowEditor});
    EXPECT_FALSE(Grid->Options().Contains(goAlwaysShowEditor));
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{1, 1, 4, 1}));
    Grid->SetCurrentRow(3);
    EXPECT_EQ(Grid->CurrentCol(), 1);
    EXPECT_EQ(Grid->SelectedRect(), (TGridRect{1, 3, 4, 3}));
}
