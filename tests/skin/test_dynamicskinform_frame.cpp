// The skinned frame on a borderless 590 x 403 form set up as the main window's: its caption,
// activation, system menu, standard buttons, window states, live moving and sizing, and the
// mouse as Qt delivers it.

#include "SkinTestSupport.h"
#include "platform/Forms.h"
#include "platform/NonClient.h"
#include "platform/WidgetOf.h"
#include "skin/DynamicSkinForm.h"

#include <QApplication>
#include <QMouseEvent>

using namespace skintest;

namespace {

class SkinnedFrame : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        World->Work = Rect(0, 0, 1024, 738);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(100, 100, 590, 403);
        Form->SetCaption(QStringLiteral("Frame"));
        Stored = CommittedSkin(Form.get()).release();
        Data = new TspSkinData(Form.get());
        Data->SetStoredSkin(Stored);
        DSF = new TspDynamicSkinForm(Form.get());
        DSF->SetSizeable(true);
        DSF->SetMagnetic(true);
        DSF->SetBorderIcons({});
        DSF->SetSkinData(Data);
    }
    void TearDown() override {
        Form.reset();
        SkinTest::TearDown();
    }
    // The frame's window point in screen coordinates, as non-client messages carry it.
    LPARAM At(int X, int Y) const {
        const TPoint p = Form->ClientToScreen({X, Y});
        return MakeLParam(p.X, p.Y);
    }
    // A left click on a frame object through the non-client messages and the capture.
    void ClickObject(int X, int Y, int ReleaseX, int ReleaseY) {
        const int hit = int(Form->SendWindowMessage(WM_NCHITTEST, 0, At(X, Y)));
        Form->SendWindowMessage(WM_NCLBUTTONDOWN, WPARAM(hit), At(X, Y));
        Form->SendWindowMessage(WM_LBUTTONUP, 0, MakeLParam(ReleaseX, ReleaseY));
    }
    TSkinCaption* Caption() const {
        return dynamic_cast<TSkinCaption*>(DSF->Objects(DSF->FindObject("caption1")));
    }
    QStringList SystemMenuNames() const {
        DSF->UpdateSystemMenu();
        QStringList names;
        const TMenuItem* root = DSF->DefaultSystemMenu()->Items();
        for (int i = 0; i < root->Count(); ++i)
            names << (root->Items(i)->IsLine() ? QStringLiteral("-") : root->Items(i)->Name());
        return names;
    }

    std::unique_ptr<TForm> Form;
    TspStoredSkin* Stored = nullptr;
    TspSkinData* Data = nullptr;
    TspDynamicSkinForm* DSF = nullptr;
};

void SendMouse(QWidget* W, QEvent::Type Type, QPoint Local, Qt::MouseButtons Buttons) {
    QMouseEvent e(Type, QPointF(Local), QPointF(W->mapToGlobal(Local)),
                  Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(W, &e);
}

} // namespace

TEST_F(SkinnedFrame, ObjectsAndLimitsOfTheMainWindowsSkin) {
    // Menu items and the menu bar's buttons are not frame objects.
    EXPECT_EQ(DSF->ObjectCount(), 6);
    EXPECT_EQ(DSF->FindObject("menubarclosebutton"), -1);
    EXPECT_EQ(DSF->FrameGeometry().ClientRect, Rect(5, 29, 585, 398));
    EXPECT_EQ(DSF->Objects(DSF->FindObject("closebutton"))->ObjectRect, Rect(565, 4, 586, 25));
    EXPECT_EQ(DSF->MinimumSize(), (TSize{152, 34}));
    TMinMaxInfo info = QueryMinMaxInfo(Form.get());
    EXPECT_EQ(info.MinTrackSize, (TPoint{152, 34}));
    EXPECT_EQ(info.MaxTrackSize, (TPoint{1024, 738}));
    EXPECT_EQ(Form->SendWindowMessage(WM_NCHITTEST, 0, At(300, 10)), HTCAPTION);
    EXPECT_EQ(Form->SendWindowMessage(WM_NCHITTEST, 0, At(1, 200)), HTLEFT);
    EXPECT_EQ(Form->SendWindowMessage(WM_NCHITTEST, 0, At(300, 200)), HTCLIENT);
}

TEST_F(SkinnedFrame, ABorderlessFormKeepsTheOutlineItWasGiven) {
    const TRegion outline(Rect(0, 0, 590, 402));
    SetWindowRegion(Form.get(), &outline, false);
    Form->SetBounds(100, 100, 600, 410);
    Form->SendWindowMessage(WM_SIZE, 0, MakeLParam(600, 410));
    EXPECT_EQ(DSF->FrameGeometry().ClientRect, Rect(5, 29, 595, 405));
    EXPECT_TRUE(WindowRegion(Form.get()) == outline);
}

TEST_F(SkinnedFrame, LongCaptionsEndWithDots) {
    TBitmap b;
    b.SetSize(10, 10);
    EXPECT_EQ(Caption()->FittedText(b.Canvas()), QStringLiteral("Frame"));
    Form->SetCaption(QString(200, QChar('W')));
    const QString fitted = Caption()->FittedText(b.Canvas());
    ASSERT_TRUE(fitted.endsWith(QStringLiteral("...")));
    EXPECT_LE(b.Canvas()->TextWidth(fitted), Caption()->TextArea().Width());
    // One character more would not fit.
    EXPECT_GT(b.Canvas()->TextWidth(fitted.chopped(3) + "W..."), Caption()->TextArea().Width());
}

TEST_F(SkinnedFrame, ActivationFlipsTheCaptionColoursAndTellsOnce) {
    int activated = 0, deactivated = 0;
    DSF->OnActivate = [&](TObject*) { ++activated; };
    DSF->OnDeActivate = [&](TObject*) { ++deactivated; };
    Form->SendWindowMessage(WM_ACTIVATE, 1);
    Form->SendWindowMessage(WM_NCACTIVATE, 1);
    EXPECT_EQ(Caption()->FontColor(), TColor(16777215));
    EXPECT_TRUE(Caption()->Active());
    Form->SendWindowMessage(WM_ACTIVATE, 0);
    EXPECT_EQ(Caption()->FontColor(), TColor(14867670));
    EXPECT_FALSE(Caption()->Active());
    EXPECT_EQ(activated, 1);
    EXPECT_EQ(deactivated, 1);
    // Drawn: the active caption's text is white.
    Form->SendWindowMessage(WM_ACTIVATE, 1);
    TBitmap b;
    b.SetSize(590, 30);
    Caption()->Draw(b.Canvas(), {0, 0});
    const TRect t = Caption()->TextArea();
    bool white = false;
    for (int x = t.Left; x < t.Left + 40; ++x)
        for (int y = t.Top; y < t.Bottom; ++y) white = white || b.Canvas()->Pixels(x, y) == clWhite;
    EXPECT_TRUE(white);
}

TEST_F(SkinnedFrame, SystemMenuFollowsStateAndBorderIcons) {
    EXPECT_EQ(SystemMenuNames(), QStringList{"DSF_CLOSE"});
    const TMenuItem* close = DSF->DefaultSystemMenu()->Items()->Items(0);
    EXPECT_EQ(close->Caption(), QStringLiteral("&Close"));
    EXPECT_EQ(ShortCutToText(close->ShortCut()), QStringLiteral("Alt+F4"));
    DSF->MaximizeWindow();
    EXPECT_EQ(SystemMenuNames(), (QStringList{"DSF_RESTORE", "-", "DSF_CLOSE"}));
    DSF->RestoreWindow();
    DSF->SetBorderIcons({TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimize,
                         TspBorderIcon::biMaximize, TspBorderIcon::biRollUp});
    EXPECT_EQ(SystemMenuNames(),
              (QStringList{"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "-", "DSF_CLOSE"}));
    EXPECT_EQ(DSF->DefaultSystemMenu()->Items()->Items(2)->Caption(), QStringLiteral("Ro&llUp"));
    DSF->SetRollUpState(true);
    EXPECT_EQ(SystemMenuNames(),
              (QStringList{"DSF_MINITEM", "DSF_MAXITEM", "DSF_RESTORE", "-", "DSF_CLOSE"}));
}

TEST_F(SkinnedFrame, CloseButtonClosesAfterReleaseOverIt) {
    int closes = 0;
    Form->OnClose = [&](TObject*, TCloseAction& A) {
        ++closes;
        A = TCloseAction::caNone;
    };
    // Released away from the button: nothing.
    ClickObject(570, 10, 300, 200);
    QApplication::processEvents();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(DSF->PressedObject(), -1);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    ClickObject(570, 10, 571, 12);
    EXPECT_EQ(closes, 0); // not while the release is being handled
    QApplication::processEvents();
    EXPECT_EQ(closes, 1);
}

TEST_F(SkinnedFrame, MaximizeRestoreAndTheCaptionsDoubleClick) {
    ClickObject(550, 10, 550, 10);
    EXPECT_EQ(DSF->WindowState(), TspWindowState::wsMaximized);
    EXPECT_EQ(Form->BoundsRect(), Rect(0, 0, 1024, 738));
    EXPECT_EQ(Form->SendWindowMessage(WM_NCHITTEST, 0, At(1, 200)), HT_SKINOBJECT);
    // A maximized window does not move.
    TRect moved = Bounds(50, 50, 1024, 738);
    Form->SendWindowMessage(WM_MOVING, 0, reinterpret_cast<LPARAM>(&moved));
    EXPECT_EQ(moved, Rect(0, 0, 1024, 738));
    ClickObject(550, 10, 550, 10);
    EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 590, 403));
    Form->SendWindowMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, At(300, 10));
    EXPECT_EQ(DSF->WindowState(), TspWindowState::wsMaximized);
    Form->SendWindowMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, At(300, 10));
    EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 590, 403));
}

TEST_F(SkinnedFrame, RollUpNeedsItsBorderIcon) {
    int changes = 0;
    DSF->OnChangeRollUpState = [&](TObject*) { ++changes; };
    ClickObject(500, 10, 500, 10);
    EXPECT_EQ(Form->Height(), 403);
    DSF->SetBorderIcons({TspBorderIcon::biRollUp});
    ClickObject(500, 10, 500, 10);
    EXPECT_EQ(Form->Height(), 34);
    EXPECT_EQ(Form->SendWindowMessage(WM_NCHITTEST, 0, At(300, 10)), HTCAPTION);
    EXPECT_EQ(QueryMinMaxInfo(Form.get()).MinTrackSize, (TPoint{152, 34}));
    // Objects without the skin's roll-up flag are gone while rolled up; the caption unrolls.
    ClickObject(500, 10, 500, 10);
    EXPECT_EQ(Form->Height(), 34);
    Form->SendWindowMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, At(300, 10));
    EXPECT_EQ(Form->Height(), 403);
    EXPECT_EQ(changes, 2);
}

TEST_F(SkinnedFrame, MovingLiveSnapsToTheWorkArea) {
    {
        TWindowSizeMove move(Form.get(), HTCAPTION, {400, 110});
        EXPECT_EQ(move.Step({308, 110}), Bounds(0, 100, 590, 403)); // x = 8 snaps
        EXPECT_EQ(move.Step({310, 110}), Bounds(10, 100, 590, 403));
    }
    DSF->SetMagnetic(false);
    TWindowSizeMove move(Form.get(), HTCAPTION, {400, 110});
    EXPECT_EQ(move.Step({398, 110}), Bounds(8, 100, 590, 403));
    EXPECT_EQ(Form->BoundsRect(), Bounds(8, 100, 590, 403));
}

TEST_F(SkinnedFrame, SizingLiveStopsAtTheMinimumAndLaysTheFrameOut) {
    TWindowSizeMove size(Form.get(), HTLEFT, {101, 300});
    EXPECT_EQ(size.Step({201, 300}), Rect(200, 100, 690, 503));
    EXPECT_EQ(DSF->FrameGeometry().ClientRect, Rect(5, 29, 485, 398));
    EXPECT_EQ(DSF->Objects(DSF->FindObject("closebutton"))->ObjectRect, Rect(465, 4, 486, 25));
    // The right edge stays where it was while the left one stops at the minimum width.
    EXPECT_EQ(size.Step({900, 300}), Rect(690 - 152, 100, 690, 503));
    size.Finish();
    EXPECT_EQ(TWindowSizeMove::SizedRect(Bounds(0, 0, 590, 403), HTBOTTOMRIGHT, 30, -400, {152, 34},
                                         {1024, 738}),
              Bounds(0, 0, 620, 34));
}

TEST_F(SkinnedFrame, QtMouseOnTheFrameBecomesNonClientMessages) {
    QWidget* w = WidgetOf(Form.get());
    int clientPresses = 0, closes = 0;
    Form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++clientPresses; };
    Form->OnClose = [&](TObject*, TCloseAction& A) {
        ++closes;
        A = TCloseAction::caNone;
    };
    SendMouse(w, QEvent::MouseMove, {1, 200}, Qt::NoButton);
    EXPECT_EQ(w->cursor().shape(), Qt::SizeHorCursor);
    SendMouse(w, QEvent::MouseMove, {300, 200}, Qt::NoButton);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    SendMouse(w, QEvent::MouseButtonPress, {300, 200}, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, {300, 200}, Qt::NoButton);
    EXPECT_EQ(clientPresses, 1);
    SendMouse(w, QEvent::MouseButtonPress, {570, 10}, Qt::LeftButton);
    EXPECT_EQ(clientPresses, 1);
    EXPECT_EQ(DSF->PressedObject(), DSF->FindObject("closebutton"));
    SendMouse(w, QEvent::MouseButtonRelease, {570, 10}, Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(SkinnedFrame, DraggingTheCaptionWithQtEventsMovesTheWindow) {
    QWidget* w = WidgetOf(Form.get());
    // The drag runs until the release; the moves and the release wait in the queue.
    auto post = [&](QEvent::Type T, QPoint Local, Qt::MouseButtons B) {
        QCoreApplication::postEvent(w, new QMouseEvent(T, QPointF(Local),
                                                       QPointF(w->mapToGlobal(Local)),
                                                       Qt::LeftButton, B, Qt::NoModifier));
    };
    post(QEvent::MouseMove, {260, 10}, Qt::LeftButton);
    post(QEvent::MouseButtonRelease, {260, 10}, Qt::NoButton);
    SendMouse(w, QEvent::MouseButtonPress, {300, 10}, Qt::LeftButton);
    EXPECT_EQ(Form->Left(), 60);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(SkinnedFrame, SkinChangesReachTheFormsControls) {
    struct TListener : public TGraphicControl {
        using TGraphicControl::TGraphicControl;
        std::vector<unsigned> Heard;
        void WndProc(TMessage& M) override {
            if (M.Msg == SKINMSG_BEFORE_CHANGE || M.Msg == SKINMSG_AFTER_CHANGE)
                Heard.push_back(M.Msg);
            TGraphicControl::WndProc(M);
        }
    };
    auto* panel = new TCustomControl(Form.get());
    panel->SetParent(Form.get());
    auto* listener = new TListener(Form.get());
    listener->SetParent(panel);
    int changes = 0;
    DSF->OnChangeSkinData = [&](TObject*) { ++changes; };
    Data->SetStoredSkin(Stored);
    EXPECT_EQ(listener->Heard,
              (std::vector<unsigned>{SKINMSG_BEFORE_CHANGE, SKINMSG_AFTER_CHANGE}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(DSF->ObjectCount(), 6);
    // Without a skin the frame steps aside.
    Data->ResetSkin();
    EXPECT_EQ(Form->SendWindowMessage(WM_NCHITTEST, 0, At(300, 10)), 0);
}
