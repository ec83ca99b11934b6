// Dragging the form by its picture: tolerance, the outline, the release, which presses drag,
// the whole-window mode and a quit request during the drag.

#include "ShapedTestSupport.h"
#include "platform/ExtCtrls.h"
#include "platform/ScreenCanvas.h"
#include "platform/WidgetOf.h"
#include "shapedform/fcimageform.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

using namespace shapedtest;

namespace {

// Eats and counts the application's quit requests, so a test can see one was issued.
class TQuitCounter : public QObject {
public:
    TQuitCounter() { qApp->installEventFilter(this); }
    ~TQuitCounter() override { qApp->removeEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject* Object, QEvent* Event) override {
        if (Object != qApp || Event->type() != QEvent::Quit) return false;
        ++Count;
        return true;
    }
};

struct Drag : ::testing::Test {
    TTestWorld World;
    TForm* Form = &World.NewForm(200, 150, 300, 200);
    TfcImageForm* Image = nullptr;
    QTimer Watchdog;

    void SetUp() override {
        Form->SetBorderStyle(TFormBorderStyle::bsSizeable);
        Image = new TfcImageForm(Form);
        Image->SetParent(Form);
        Form->Show();
        // A drag that never ends would hang the test: end it and fail instead.
        Watchdog.setSingleShot(true);
        Watchdog.setInterval(3000);
        QObject::connect(&Watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the drag did not end";
            SetCaptureControl(nullptr);
        });
    }

    // Queues a mouse event that arrives while the drag runs, with the cursor at Screen.
    void Queue(QEvent::Type Type, TPoint Screen, std::function<void()> Then = nullptr) {
        QMetaObject::invokeMethod(
            qApp,
            [this, Type, Screen, Then] {
                World->Cursor = Screen;
                QWidget* w = WidgetOf(*Form);
                const QPointF global(Screen.X, Screen.Y);
                const QPointF local = w->mapFromGlobal(global);
                const bool up = Type == QEvent::MouseButtonRelease;
                QMouseEvent e(Type, local, global, up ? Qt::LeftButton : Qt::NoButton,
                              up ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w, &e);
                if (Then) Then();
            },
            Qt::QueuedConnection);
    }
    void MoveTo(TPoint Screen, std::function<void()> Then = nullptr) {
        Queue(QEvent::MouseMove, Screen, std::move(Then));
    }
    void ReleaseAt(TPoint Screen) { Queue(QEvent::MouseButtonRelease, Screen); }

    // Presses at a point of the form (client coordinates) as the window system delivers it;
    // a drag runs through what was queued. Whatever is left is delivered afterwards.
    void PressAt(TPoint Client) {
        World->Cursor = Form->ClientToScreen(Client);
        Watchdog.start();
        Form->SendWindowMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(Client.X, Client.Y));
        Watchdog.stop();
        QCoreApplication::processEvents();
    }
    TPoint FormPos() const { return {Form->Left(), Form->Top()}; }
};

std::vector<TRect> Outline(TRect R) {
    std::vector<TRect> out;
    for (int i = 0; i < 3; ++i) {
        out.push_back(R);
        InflateRect(R, -1, -1);
    }
    return out;
}

} // namespace

TEST_F(Drag, APressAndReleaseWithinTheToleranceMovesNothing) {
    // Press at (100, 100) of the form: (300, 250) on the screen.
    MoveTo({305, 245}, [] { EXPECT_TRUE(ScreenCanvas().FocusRects().empty()); });
    MoveTo({295, 255});
    ReleaseAt({304, 254});
    PressAt({100, 100});
    EXPECT_EQ(FormPos(), Point(200, 150));
    EXPECT_TRUE(ScreenCanvas().FocusRects().empty());
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(Drag, TheOutlineFollowsTheMouseAndTheReleaseMovesTheFormToIt) {
    std::vector<TRect> first, second, backInside;
    MoveTo({320, 260}, [&] { first = ScreenCanvas().FocusRects(); });
    MoveTo({350, 280}, [&] { second = ScreenCanvas().FocusRects(); });
    // Back within the tolerance of the press: the outline stays where it was.
    MoveTo({302, 253}, [&] { backInside = ScreenCanvas().FocusRects(); });
    ReleaseAt({302, 253});
    PressAt({100, 100});

    EXPECT_EQ(first, Outline(Rect(220, 160, 520, 360)));
    EXPECT_EQ(second, Outline(Rect(250, 180, 550, 380)));
    EXPECT_EQ(backInside, second);
    EXPECT_EQ(FormPos(), Point(250, 180));
    EXPECT_TRUE(ScreenCanvas().FocusRects().empty());
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(Drag, PressesOnOtherPicturesAndLabelsDoNotDrag) {
    auto* label = new TLabel(Form);
    label->SetParent(Form);
    label->SetBounds(10, 10, 60, 20);
    auto* image = new TImage(Form);
    image->SetParent(Form);
    image->SetBounds(100, 10, 60, 60);
    image->OnClick = [](TObject*) {};
    for (TPoint p : {Point(20, 15), Point(120, 30)}) {
        MoveTo(Form->ClientToScreen({p.X + 40, p.Y + 40}));
        ReleaseAt(Form->ClientToScreen({p.X + 40, p.Y + 40}));
        PressAt(p);
        EXPECT_EQ(FormPos(), Point(200, 150));
    }
    // The picture itself does drag.
    MoveTo({260, 230});
    ReleaseAt({260, 230});
    PressAt({30, 60});
    EXPECT_EQ(FormPos(), Point(230, 170));
}

TEST_F(Drag, APressOnAPanelBelongsToThePanel) {
    // A bare panel with no handlers, as the views are: Qt must not pass its press on to the form.
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(50, 50, 120, 80);
    auto* edge = new TImage(panel);
    edge->SetParent(panel);
    edge->SetBounds(4, 2, 100, 70);
    for (TPoint p : {Point(60, 60), Point(52, 125), Point(80, 80)}) {
        MoveTo(Form->ClientToScreen({p.X + 40, p.Y + 40}));
        ReleaseAt(Form->ClientToScreen({p.X + 40, p.Y + 40}));
        World->Cursor = Form->ClientToScreen(p);
        const TPoint screen = Form->ClientToScreen(p);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(p.X - 50, p.Y - 50),
                          QPointF(screen.X, screen.Y), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(p.X - 50, p.Y - 50),
                            QPointF(screen.X, screen.Y), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        Watchdog.start();
        QApplication::sendEvent(WidgetOf(*panel), &press);
        Watchdog.stop();
        QApplication::sendEvent(WidgetOf(*panel), &release);
        QCoreApplication::processEvents();
        EXPECT_EQ(FormPos(), Point(200, 150)) << p.X << "," << p.Y;
        EXPECT_EQ(GetCaptureControl(), nullptr);
    }
}

TEST_F(Drag, WithACaptionBarOnlyPressesInsideItDrag) {
    auto* bar = new TLabel(Form);
    bar->SetParent(Form);
    bar->SetBounds(0, 0, 300, 30);
    auto* button = new TImage(Form);
    button->SetParent(Form);
    button->SetBounds(250, 5, 20, 20);
    Image->SetCaptionBarControl(bar);

    // Below the bar: the picture, but outside the caption bar.
    MoveTo({300, 350});
    ReleaseAt({300, 350});
    PressAt({100, 100});
    EXPECT_EQ(FormPos(), Point(200, 150));

    // On a control without click handlers inside the bar: drags.
    MoveTo({480, 200});
    ReleaseAt({480, 200});
    PressAt({255, 10});
    EXPECT_EQ(FormPos(), Point(225, 190));

    // A control that answers clicks keeps its press.
    button->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {};
    MoveTo({700, 300});
    ReleaseAt({700, 300});
    PressAt({255, 10});
    EXPECT_EQ(FormPos(), Point(225, 190));
}

TEST_F(Drag, TheWholeWindowFollowsTheMouseWhenTheDesktopDragsFullWindows) {
    Image->SetOptions({TfcImageFormOption::ifUseWindowsDrag});
    World->FullDrag = true;
    TPoint during;
    MoveTo({340, 290}, [&] { during = FormPos(); });
    ReleaseAt({340, 290});
    PressAt({100, 100});
    EXPECT_EQ(during, Point(240, 190));
    EXPECT_EQ(FormPos(), Point(240, 190));
    EXPECT_TRUE(ScreenCanvas().FocusRects().empty());

    // With the desktop's setting off, the outline is used.
    World->FullDrag = false;
    std::vector<TRect> outline;
    MoveTo({300, 300}, [&] {
        outline = ScreenCanvas().FocusRects();
        during = FormPos();
    });
    ReleaseAt({300, 300});
    PressAt({100, 100});
    EXPECT_EQ(during, Point(240, 190));
    EXPECT_EQ(outline, Outline(Rect(200, 200, 500, 400)));
    EXPECT_EQ(FormPos(), Point(200, 200));
}

TEST_F(Drag, AQuitRequestEndsTheDragAndIsIssuedAgain) {
    TQuitCounter quits;
    // The application's quit as it reaches the application object while a loop runs.
    MoveTo({302, 252}, [] {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
    });
    bool movesAfterQuitSeen = false;
    MoveTo({400, 400}, [&] { movesAfterQuitSeen = !ScreenCanvas().FocusRects().empty(); });
    Watchdog.start();
    Form->SendWindowMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(100, 100));
    Watchdog.stop();
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(quits.Count, 0); // not yet delivered: issued again after the loop
    QCoreApplication::processEvents();
    EXPECT_EQ(quits.Count, 1);
    EXPECT_FALSE(movesAfterQuitSeen);
    EXPECT_EQ(FormPos(), Point(200, 150));
}
