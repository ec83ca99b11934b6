// The frame BorderStyle draws around a grid, and the client area inside it: cells, mouse,
// editor and scroll bars all sit inside the frame.

#include "platform/WidgetOf.h"
#include "GridTestSupport.h"

#include "platform/ScrollBars.h"

#include <QApplication>
#include <QMouseEvent>
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
         std::vector<std::pair<int, int>>{{0, 0}, {331, 60}, {160, 120}, {0, 120}, {200, 0}})
        EXPECT_EQ(PixelAt(img, x, y), frame) << x << "," << y;
    // The header starts right inside the frame, the data cells below the header's line.
    EXPECT_EQ(PixelAt(img, 1, 1), ColorToRGB(Grid->FixedColor()));
    EXPECT_EQ(PixelAt(img, 1 + 3 * 47 + 2, 1 + 2 * 17 + 2), ColorToRGB(Grid->Color()));
    // A header and six weeks of 17 fill the inside down to the frame: no strip below them.
    EXPECT_EQ(PixelAt(img, 20, 119), ColorToRGB(clSilver)); // the last row's line
}

TEST_F(GridBorderFixture, MouseAndEditorWorkInClientCoordinates) {
    Calendar(false);
    Grid->SetFocus();
    // A press the window system delivers at window point (1 + 2 * 47 + 5, 1 + 3 * 17 + 5).
    QWidget* window = WidgetOf(Grid);
    const QPointF at(100, 57);
    QMouseEvent press(QEvent::MouseButtonPress, at, window->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, window->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
    QApplication::sendEvent(window, &release);
    EXPECT_EQ(Grid->CurrentCol(), 2);
    EXPECT_EQ(Grid->CurrentRow(), 3);
    const TPoint origin = Grid->ClientToScreen({0, 0});
    const TPoint corner = Form->ClientToScreen({Grid->Left(), Grid->Top()});
    EXPECT_EQ(origin.X - corner.X, 1);
    EXPECT_EQ(origin.Y - corner.Y, 1);

    // The editor covers its cell, which is in client coordinates.
    Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goEditing});
    Grid->SetEditorActive(true);
    TWinControl* editor = Grid->InplaceEditor();
    ASSERT_NE(editor, nullptr);
    const TRect cell = Grid->CellBounds(2, 3);
    const TPoint editorAt = editor->ClientToScreen({0, 0});
    EXPECT_EQ(editorAt.X - origin.X, cell.Left);
    EXPECT_EQ(editorAt.Y - origin.Y, cell.Top);
}

TEST_F(GridBorderFixture, Ctl3DTakesTwoPixelsAndNoneTakesNothing) {
    Calendar(true);
    EXPECT_EQ(Grid->ClientWidth(), 328);
    QImage img = Render();
    EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(img, 331, 120), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(img, 2, 2), ColorToRGB(clBtnHighlight)); // the header cell's raised edge
    EXPECT_EQ(PixelAt(img, 3, 3), ColorToRGB(Grid->FixedColor()));
    Grid->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_EQ(Grid->ClientWidth(), 332);
    img = Render();
    EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(img, 1, 1), ColorToRGB(Grid->FixedColor()));
    EXPECT_EQ(Grid->ClientToScreen({0, 0}).X, Form->ClientToScreen({Grid->Left(), 0}).X);
}

TEST_F(GridBorderFixture, ScrollBarsSitInsideTheFrame) {
    Calendar(false);
    Grid->SetRowCount(40);
    Grid->SetScrollBars(TScrollStyle::ssVertical);
    QScrollBar* bar = Grid->WindowScrollBars().Widget(SB_VERT);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry().right(), 330);
    EXPECT_EQ(bar->geometry().top(), 1);
    EXPECT_EQ(bar->geometry().bottom(), 119);
    EXPECT_EQ(Grid->ClientWidth(), 330 - ScrollBarExtent());
}

} // namespace
