// Grid painting: line colours per area, cell states, fixed edges, hidden cells and the fill
// beyond the last cells, checked on rendered pixels.

#include "GridTestSupport.h"

#include <algorithm>

namespace {
const TColor Face = ColorToRGB(clBtnFace);
const TColor Highlight = ColorToRGB(clHighlight);
} // namespace

TEST_F(GridFixture, LinesTakeTheirAreaColours) {
    Grid->SetColor(clYellow);
    const QImage img = Render();
    EXPECT_EQ(PixelAt(img, 64, 10), clBlack);   // between fixed cells
    EXPECT_EQ(PixelAt(img, 129, 10), clBlack);  // scrollable columns in the fixed row
    EXPECT_EQ(PixelAt(img, 10, 49), clBlack);   // fixed column, scrollable rows
    EXPECT_EQ(PixelAt(img, 129, 60), clSilver); // between scrollable cells
    EXPECT_EQ(PixelAt(img, 100, 74), clSilver);

    // A grid whose colour is silver draws its inner lines gray.
    Grid->SetColor(clSilver);
    EXPECT_EQ(PixelAt(Render(), 129, 60), clGray);
}

TEST_F(GridFixture, LinesSwitchedOffAreDrawnInTheBackground) {
    using enum TGridOption;
    Grid->SetColor(clYellow);
    Grid->SetOptions({goFixedVertLine, goFixedHorzLine, goHorzLine});
    const QImage img = Render();
    EXPECT_EQ(PixelAt(img, 129, 60), clYellow); // no vertical inner line: the grid colour
    EXPECT_EQ(PixelAt(img, 100, 74), clSilver); // horizontal lines stay
    EXPECT_EQ(PixelAt(img, 64, 10), clBlack);
}

TEST_F(GridFixture, CellsShowTheirStates) {
    Grid->SetColor(clYellow);
    Grid->ExtendSelection({2, 2});
    QImage img = Render();
    EXPECT_EQ(PixelAt(img, 30, 12), Face);       // fixed cell
    EXPECT_EQ(PixelAt(img, 0, 12), clWhite);     // its raised edge: light left
    EXPECT_EQ(PixelAt(img, 63, 12), clGray);     // and dark right
    EXPECT_EQ(PixelAt(img, 100, 35), Highlight); // current cell, grid not focused
    EXPECT_EQ(PixelAt(img, 160, 60), Highlight); // the rest of the range
    EXPECT_EQ(PixelAt(img, 230, 35), clYellow);  // outside the range

    // Focused: the current cell is drawn plain with a focus rectangle around it.
    Grid->SetFocus();
    img = Render();
    EXPECT_EQ(PixelAt(img, 100, 35), clYellow);
    EXPECT_EQ(PixelAt(img, 160, 60), Highlight);
    int inverted = 0;
    for (int x = 65; x < 129; ++x) inverted += PixelAt(img, x, 25) != clYellow;
    EXPECT_GT(inverted, 20); // every other pixel of the top edge

    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goDrawFocusSelected});
    EXPECT_EQ(PixelAt(Render(), 100, 35), Highlight);
}

TEST_F(GridFixture, AreaBeyondTheLastCellsIsFilledWithTheGridColour) {
    Grid->SetColor(clYellow);
    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    const QImage img = Render();
    EXPECT_EQ(PixelAt(img, 250, 10), clYellow);
    EXPECT_EQ(PixelAt(img, 10, 100), clYellow);
    EXPECT_EQ(PixelAt(img, 319, 119), clYellow);
}

TEST_F(GridFixture, HiddenColumnsAreNeitherDrawnNorTakeRoom) {
    Grid->SetColor(clYellow);
    Grid->SetColWidths(2, -1); // with a 1-pixel line it takes no room at all
    Grid->Drawn.clear();
    const QImage img = Render();
    EXPECT_TRUE(std::none_of(Grid->Drawn.begin(), Grid->Drawn.end(),
                             [](TGridCoord c) { return c.X == 2; }));
    EXPECT_EQ(Grid->CellBounds(3, 1).Left, 130);
    EXPECT_EQ(PixelAt(img, 129, 60), clSilver); // one line between columns 1 and 3
    EXPECT_EQ(PixelAt(img, 130, 60), clYellow);
}

TEST_F(GridFixture, DefaultDrawingOffLeavesTheCellsToTheHandler) {
    int handled = 0;
    Grid->OnDrawCell = [&](TObject* S, int, int, TRect& R, TGridDrawState) {
        ++handled;
        auto* g = static_cast<TTestGrid*>(S);
        g->Canvas()->Brush()->SetColor(clRed);
        g->Canvas()->FillRect(R);
    };
    Grid->SetDefaultDrawing(false);
    const QImage img = Render();
    EXPECT_GT(handled, 0);
    EXPECT_EQ(PixelAt(img, 100, 35), clRed); // no highlight, no fill by the grid
    EXPECT_EQ(PixelAt(img, 63, 12), clRed);  // and no raised edge
}

TEST_F(GridFixture, PaintingDrawsOnlyTheVisibleCells) {
    Grid->SetRowCount(1000000);
    Grid->SetFirstVisibleRow(500000);
    Grid->Drawn.clear();
    Render();
    // 5 columns x (1 fixed + 4 visible, the last one partly) rows.
    EXPECT_EQ(Grid->Drawn.size(), 25u);
    EXPECT_EQ(Grid->Drawn[5].Y, 500000);
}

TEST_F(GridFixture, RightToLeftMirrorsTheCells) {
    Grid->SetColor(clYellow);
    Grid->SetBiDiMode(TBiDiMode::bdRightToLeft);
    const QImage img = Render();
    EXPECT_EQ(PixelAt(img, 300, 10), Face);      // the fixed column is at the right
    EXPECT_EQ(PixelAt(img, 220, 35), Highlight); // current cell (1, 1) left of it
    EXPECT_EQ(PixelAt(img, 320 - 65, 60), clBlack);
}
