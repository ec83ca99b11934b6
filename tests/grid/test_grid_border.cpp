// The frame BorderStyle draws around a grid, and the client area inside it: cells, mouse,
// editor and scroll bars all sit inside the frame.

#include "GridTestSupport.h"

#include "platform/ScrollBars.h"

#include <QScrollBar>

namespace {

struct GridBorderFixture : GridFixture {
    // A month calendar's layout: 7 columns of 46, a header and six weeks of 16, one-pixel lines.
    void Calendar(bool Ctl3D) {
        Grid->SetBorderStyle(TBorderStyle::bsSingle);
        Grid->SetCtl3D(Ctl3D);
        Grid->SetColCount(7);
        Grid->SetRowCount(7);
        Grid->SetFixedCols(0);
        Grid->SetFixedRows(1);
        Grid->SetDefaultColWidth(46);
        Grid->SetDefaultRowHeight(16);
        Grid->SetBounds(0, 0, 332, 121);
        Form->Show();
    }
};

TEST_F(GridBorderFixture, WithoutCtl3DAOnePixelFrameHoldsTheCells) {
    Calendar(false);
    EXPECT_EQ(Grid->ClientWidth(), 330);
    EXPECT_EQ(Grid->ClientHeight(), 119);
    const QImage img = Render();
    const TColor frame = ColorToRGB(clWindowFrame);
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{0, 0}, {331, 60}, {160, 120}, {0, 120}})
        EXPECT_EQ(PixelAt(img, x, y), frame) << x << "," << y;
    // The header cell starts right inside the frame, the data cells below the header's line.
    EXPECT_EQ(PixelAt(img, 1, 1), ColorToRGB(Grid->FixedColor()));
    EXPECT_EQ(PixelAt(img, 2, 1 + 17 + 1), ColorToRGB(Grid->Color()));
    // Six weeks of 17 and the header fill the inside to the frame: no strip at the bottom.
    EXPECT_EQ(PixelAt(img, 20, 119), ColorToRGB(clSilver)); // the last row's line
}

TEST_F(GridBorderFixture, MouseAndEditorWorkInClientCoordinates) {
    Calendar(false);
    // A press delivered by the window system at window point (1 + 2 * 47 + 5, 1 + 3 * 17 + 5).
    Grid->SendWindowMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(100, 57));
    Grid->SendWindowMessage(WM_LBUTTONUP, 0, MakeLParam(100, 57));
    EXPECT_EQ(Grid->CurrentCol(), 2);
    EXPECT_EQ(Grid->CurrentRow(), 3);
    // Screen and client agree about where the client area starts.
    const TPoint origin = Grid->ClientToScreen({0, 0});
    const TPoint window = Grid->Parent()->ClientToScreen({Grid->Left(), Grid->Top()});
    EXPECT_EQ(origin.X - window.X, 1);
    EXPECT_EQ(origin.Y - window.Y, 1);

    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goEditing});
    Grid->OpenEditor();
    TWinControl* editor = Grid->InplaceEditor();
    ASSERT_NE(editor, nullptr);
    const TRect cell = Grid->CellBounds(2, 3);
    EXPECT_EQ(editor->Left(), cell.Left + 1);
    EXPECT_EQ(editor->Top(), cell.Top + 1);
}

TEST_F(GridBorderFixture, Ctl3DTakesTwoPixelsAndNoneTakesNothing) {
    Calendar(true);
    EXPECT_EQ(Grid->ClientWidth(), 328);
    const QImage img = Render();
    EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(img, 331, 120), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(img, 2, 2), ColorToRGB(Grid->FixedColor()));
    Grid->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_EQ(Grid->ClientWidth(), 332);
    EXPECT_EQ(PixelAt(Render(), 0, 0), ColorToRGB(Grid->FixedColor()));
}

TEST_F(GridBorderFixture, ScrollBarsSitInsideTheFrame) {
    Calendar(false);
    Grid->SetRowCount(40);
    Grid->SetScrollBars(TScrollStyle::ssVertical);
    QScrollBar* bar = Grid->WindowScrollBars().Widget(SB_VERT);
    EXPECT_TRUE(bar->isVisibleTo(Grid->Handle()));
    EXPECT_EQ(bar->geometry().right(), 330);
    EXPECT_EQ(bar->geometry().top(), 1);
    EXPECT_EQ(bar->geometry().bottom(), 119);
    EXPECT_EQ(Grid->ClientWidth(), 330 - ScrollBarExtent());
}

} // namespace
