// The skinned frame's system menu on a form set up as the main window's: a press on the
// system-menu button's place opens it skinned and translucent below the button; keys and
// presses reach it through the application's message filter.

#include "platform/Forms.h"
#include "platform/NonClient.h"
#include "platform/WidgetOf.h"
#include "platform/WindowEffects.h"
#include "skin/DynamicSkinForm.h"
#include "tests/skin/SkinTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace skintest;

namespace {

class SystemMenu : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(100, 100, 590, 403);
        Stored = CommittedSkin(Form.get()).release();
        Data = new TspSkinData(Form.get());
        Data->SetStoredSkin(Stored);
        DSF = new TspDynamicSkinForm(Form.get());
        DSF->SetBorderIcons({});
        DSF->SetMenusTransparent(true);
        DSF->SetMenusTransparentValue(20);
        DSF->SetSkinData(Data);
        DSF->OnSkinMenuOpen = [this](TObject*) { ++Opened; };
        DSF->OnSkinMenuClose = [this](TObject*) { ++Closed; };
        Form->OnClose = [this](TObject*, TCloseAction& A) {
            ++Closes;
            A = TCloseAction::caNone;
        };
        Form->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Presses; };
        Form->Show();
    }
    void TearDown() override {
        Form.reset();
        SkinTest::TearDown();
    }
    // A left press on the window point as the window system reports it.
    void PressFrame(int X, int Y) {
        const TPoint p = Form->ClientToScreen({X, Y});
        const LPARAM at = MakeLParam(p.X, p.Y);
        const int hit = int(Form->SendWindowMessage(WM_NCHITTEST, 0, at));
        Form->SendWindowMessage(WM_NCLBUTTONDOWN, WPARAM(hit), at);
    }
    void QtKey(int Key) {
        QKeyEvent e(QEvent::KeyPress, Key, Qt::NoModifier);
        QApplication::sendEvent(WidgetOf(Form.get()), &e);
    }
    void QtPress(int X, int Y) {
        QWidget* w = WidgetOf(Form.get());
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(X, Y),
                      QPointF(w->mapToGlobal(QPoint(X, Y))), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    TSkinMenu* Menu() const { return DSF->SkinMenu(); }

    std::unique_ptr<TForm> Form;
    TspStoredSkin* Stored = nullptr;
    TspSkinData* Data = nullptr;
    TspDynamicSkinForm* DSF = nullptr;
    int Opened = 0, Closed = 0, Closes = 0, Presses = 0;
};

} // namespace

TEST_F(SystemMenu, OpensBelowTheButtonWithOnlyCloseDrawnWithTheCross) {
    PressFrame(10, 10);
    ASSERT_TRUE(Menu()->Visible());
    EXPECT_EQ(Opened, 1);
    TSkinPopupWindow* level = Menu()->Level(0);
    // Below the button at (6, 7, 23, 23).
    EXPECT_EQ(level->Left(), 106);
    EXPECT_EQ(level->Top(), 123);
    ASSERT_EQ(level->ItemCount(), 1);
    const TMenuItem* close = level->Items(0)->MenuItem;
    EXPECT_EQ(close->Caption(), QStringLiteral("&Close"));
    EXPECT_EQ(ShortCutToText(close->ShortCut()), QStringLiteral("Alt+F4"));
    EXPECT_EQ(level->ItemIndex(), 0);
    // Translucent by the window's alpha where the window system blends: 20 % gives 204.
    EXPECT_FALSE(level->EmulatedTranslucency());
    EXPECT_EQ(WindowAlpha(level), 204);

    // The cross: its diagonal strokes in the hovered text colour beside the caption.
    TBitmap shown;
    level->PaintTo(shown);
    const TRect item = level->Items(0)->ObjectRect;
    const int x = item.Left + 4 + 2, y = item.Top + 10 - 4; // text rect 4,2,76,18
    const TColor ink = 3550760;
    for (int i = 1; i < 9; i += 3) {
        EXPECT_EQ(shown.Canvas()->Pixels(x + i, y + i), ink) << i;
        EXPECT_EQ(shown.Canvas()->Pixels(x + 9 - i, y + i), ink) << i;
    }
    EXPECT_NE(shown.Canvas()->Pixels(x + 5, y + 1), ink);
}

TEST_F(SystemMenu, EscapeAndAPressElsewhereCloseItAndTheFrameHearsOnce) {
    PressFrame(10, 10);
    ASSERT_TRUE(Menu()->Visible());
    QtKey(Qt::Key_Escape);
    EXPECT_FALSE(Menu()->Visible());
    EXPECT_EQ(Closed, 1);
    EXPECT_FALSE(ApplicationMessageFilterSet());

    PressFrame(10, 10);
    ASSERT_TRUE(Menu()->Visible());
    EXPECT_EQ(Opened, 2);
    QtPress(300, 200); // only closes the menu
    EXPECT_FALSE(Menu()->Visible());
    EXPECT_EQ(Presses, 0);
    EXPECT_EQ(Closed, 2);
    QtPress(300, 200);
    EXPECT_EQ(Presses, 1);
    QApplication::processEvents();
    EXPECT_EQ(Closes, 0);
}

TEST_F(SystemMenu, ChoosingCloseClosesTheWindow) {
    PressFrame(10, 10);
    ASSERT_TRUE(Menu()->Visible());
    QtKey(Qt::Key_Return);
    EXPECT_FALSE(Menu()->Visible());
    QApplication::processEvents();
    EXPECT_EQ(Closes, 1);

    // By its accelerator too.
    PressFrame(10, 10);
    QtKey(Qt::Key_C);
    QApplication::processEvents();
    EXPECT_EQ(Closes, 2);
}

TEST_F(SystemMenu, WithoutLayeredWindowsTheMenuBlendsWithTheScreen) {
    World->Layered = false;
    PressFrame(10, 10);
    ASSERT_TRUE(Menu()->Visible());
    TSkinPopupWindow* level = Menu()->Level(0);
    EXPECT_TRUE(level->EmulatedTranslucency());
    EXPECT_FALSE(level->Visible());
    level->DelayedShowTick();
    EXPECT_TRUE(level->Visible());
    EXPECT_EQ(WindowAlpha(level), 255);
}
