#pragma once
// Shared by the grid tests: a grid that records what it is asked to do, a recorder of the areas
// a control invalidates, and a scripted environment.

#include "grid/MyGrids.h"
#include "platform/WidgetOf.h"
#include "tests/support/TestWorld.h"

#include <QImage>
#include <QRegion>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A draw grid whose cells are painted plain and whose protected steps tests may call.
class TTestGrid : public TMyDrawGrid {
public:
    using TMyCustomGrid::CalcMaxTopLeft;
    using TMyCustomGrid::ExtendSelection;
    using TMyCustomGrid::IsActiveControl;
    using TMyCustomGrid::SetCurrentCell;
    using TMyCustomGrid::SetTopLeft;
    using TMyDrawGrid::TMyDrawGrid;

    std::vector<TGridCoord> Drawn;
    std::vector<std::pair<int, int>> SizeChanges;
    int Clicks = 0;
    int DblClicks = 0;

    void Click() override {
        ++Clicks;
        TMyDrawGrid::Click();
    }
    void DblClick() override {
        ++DblClicks;
        TMyDrawGrid::DblClick();
    }

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
        Drawn.push_back({ACol, ARow});
        TMyDrawGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    void SizeChanged(int OldColCount, int OldRowCount) override {
        SizeChanges.push_back({OldColCount, OldRowCount});
        TMyDrawGrid::SizeChanged(OldColCount, OldRowCount);
    }
};

// Records every area a control invalidates while it lives.
class TInvalidations {
public:
    explicit TInvalidations(const TWinControl* Control) : FControl(Control) {
        TWinControl::InvalidateSpy() = [this](const TWinControl* C, const TRect& R) {
            if (C == FControl) Areas.push_back(R);
        };
    }
    ~TInvalidations() { TWinControl::InvalidateSpy() = nullptr; }
    TInvalidations(const TInvalidations&) = delete;
    TInvalidations& operator=(const TInvalidations&) = delete;

    void Clear() { Areas.clear(); }
    QRegion Region() const {
        QRegion r;
        for (const TRect& a : Areas) r += QRect(a.Left, a.Top, a.Width(), a.Height());
        return r;
    }
    // Pixels covered by the recorded areas (overlaps counted once).
    long long Pixels() const {
        long long n = 0;
        for (const QRect& r : Region()) n += (long long)r.width() * r.height();
        return n;
    }
    bool Covers(const TRect& R) const {
        return Region().contains(QRect(R.Left, R.Top, R.Width(), R.Height())) &&
               QRegion(QRect(R.Left, R.Top, R.Width(), R.Height())).subtracted(Region()).isEmpty();
    }
    bool Touches(const TRect& R) const {
        return Region().intersects(QRect(R.Left, R.Top, R.Width(), R.Height()));
    }

    std::vector<TRect> Areas;

private:
    const TWinControl* FControl;
};

// A form holding one grid, shown offscreen, with the environment under the test's control.
struct GridFixture : ::testing::Test {
    TTestWorld World;
    TScriptedEnvironment* Env = World.Env;
    TForm* Form = &World.NewForm(0, 0, 400, 300);
    TTestGrid* Grid = nullptr;
    TTestGrid* Input = nullptr; // the grid that Click and Key talk to

    void SetUp() override {
        Grid = new TTestGrid(Form);
        Grid->SetParent(Form);
        // Frameless: these tests measure the client area; the frame has tests of its own.
        Grid->SetBorderStyle(TBorderStyle::bsNone);
        Grid->SetScrollBars(TScrollStyle::ssNone);
        Grid->SetBounds(0, 0, 320, 120);
        Input = Grid;
    }
    // Sends a left press and release at a client point.
    void Click(int X, int Y, unsigned Keys = 0) {
        Input->Perform(WM_LBUTTONDOWN, MK_LBUTTON | Keys, MakeLParam(X, Y));
        Input->Perform(WM_LBUTTONUP, Keys, MakeLParam(X, Y));
    }
    void Key(unsigned VK, unsigned Modifiers = 0) {
        Env->Modifiers = Modifiers;
        Input->Perform(WM_KEYDOWN, VK);
        Env->Modifiers = 0;
    }
    QImage Render() {
        QImage img(WidgetOf(*Grid)->size(), QImage::Format_RGB32);
        img.fill(Qt::magenta);
        WidgetOf(*Grid)->render(&img);
        return img;
    }
};

inline TColor PixelAt(const QImage& Img, int X, int Y) {
    return FromQColor(Img.pixelColor(X, Y));
}
