// A window without a system frame: its own hit test decides which presses and moves become
// non-client messages, and live moving and sizing tell the window each step.

#include "platform/NonClient.h"
#include "platform/WidgetOf.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// A form whose left 10 pixels are its left border and whose top 20 its caption.
class NonClientForm : public testing::Test {
protected:
    void SetUp() override {
        World.NewForm(100, 100, 300, 200);
        World.Form->HookWindowProc(
            [this](TMessage& M, bool& CallDefault) {
                Log.push_back(M.Msg);
                if (M.Msg != WM_NCHITTEST) return;
                const TPoint p = World.Form->ScreenToClient(PointFromLParam(M.LParam));
                M.Result = p.X < 10 ? HTLEFT : p.Y < 20 ? HTCAPTION : HTCLIENT;
                CallDefault = false;
            },
            nullptr);
    }
    void Mouse(QEvent::Type T, QPoint At, Qt::MouseButton B, Qt::MouseButtons Held) {
        QWidget* w = WidgetOf(World.Form);
        QMouseEvent e(T, QPointF(At), QPointF(w->mapToGlobal(At)), B, Held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    std::vector<unsigned> Seen(std::initializer_list<unsigned> Kinds) const {
        std::vector<unsigned> out;
        for (unsigned m : Log)
            if (std::find(Kinds.begin(), Kinds.end(), m) != Kinds.end()) out.push_back(m);
        return out;
    }
    TTestWorld World;
    std::vector<unsigned> Log;
};

} // namespace

TEST_F(NonClientForm, TheHitTestSplitsClientAndFrameMessages) {
    Mouse(QEvent::MouseButtonPress, {150, 100}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {150, 100}, Qt::LeftButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, {150, 5}, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, {150, 5}, Qt::RightButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, {150, 5}, Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_EQ(
        Seen({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_RBUTTONDOWN,
              WM_RBUTTONUP, WM_MBUTTONDOWN}),
        (std::vector<unsigned>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP}));
}

TEST_F(NonClientForm, BordersShowTheSizingCursorOnlyWhileOverThem) {
    QWidget* w = WidgetOf(World.Form);
    Mouse(QEvent::MouseMove, {5, 100}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w->cursor().shape(), Qt::SizeHorCursor);
    Mouse(QEvent::MouseMove, {150, 5}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Seen({WM_NCMOUSEMOVE}).size(), 2u);
    // A form that keeps its own cursor gets it back.
    World.Form->SetCursor(crHandPoint);
    Mouse(QEvent::MouseMove, {5, 100}, Qt::NoButton, Qt::NoButton);
    Mouse(QEvent::MouseMove, {150, 100}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(NonClientForm, SizingLiveTellsTheWindowEveryStep) {
    World.Form->HookWindowProc(
        [](TMessage& M, bool&) {
            // The window narrows what it is offered: never wider than 250.
            if (M.Msg == WM_SIZING) {
                auto* r = reinterpret_cast<TRect*>(M.LParam);
                EXPECT_EQ(M.WParam, WPARAM(WMSZ_LEFT));
                r->Left = std::max(r->Left, r->Right - 250);
            }
        },
        nullptr);
    {
        TWindowSizeMove size(World.Form.get(), HTLEFT, {105, 200});
        EXPECT_EQ(size.Step({55, 200}), Rect(150, 100, 400, 300));
    }
    EXPECT_EQ(World.Form->BoundsRect(), Rect(150, 100, 400, 300));
    EXPECT_EQ(
        Seen({WM_ENTERSIZEMOVE, WM_GETMINMAXINFO, WM_SIZING, WM_EXITSIZEMOVE}),
        (std::vector<unsigned>{WM_ENTERSIZEMOVE, WM_GETMINMAXINFO, WM_SIZING, WM_EXITSIZEMOVE}));
}

TEST(NonClientSizing, EachEdgeMovesOnlyItsSidesWithinTheTrackSizes) {
    const TRect start = Rect(100, 100, 400, 300);
    const TSize min{50, 40}, max{500, 400};
    auto sized = [&](int Hit, int DX, int DY) {
        return TWindowSizeMove::SizedRect(start, Hit, DX, DY, min, max);
    };
    EXPECT_EQ(sized(HTRIGHT, 20, 99), Rect(100, 100, 420, 300));
    EXPECT_EQ(sized(HTTOP, 99, -30), Rect(100, 70, 400, 300));
    EXPECT_EQ(sized(HTBOTTOM, 0, -500), Rect(100, 100, 400, 140));
    EXPECT_EQ(sized(HTTOPLEFT, -400, 300), Rect(-100, 260, 400, 300));
    EXPECT_EQ(sized(HTTOPRIGHT, 500, -500), Rect(100, -100, 600, 300));
    EXPECT_EQ(sized(HTBOTTOMLEFT, 260, 20), Rect(350, 100, 400, 320));
    EXPECT_EQ(sized(HTCAPTION, 20, 20), start);
    EXPECT_EQ(HitTestCursor(HTBOTTOMLEFT), crSizeNESW);
    EXPECT_EQ(HitTestCursor(HTCAPTION), crDefault);
}
