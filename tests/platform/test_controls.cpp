// Controls, messages and painting: what every component of the program stands on.

#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/ListView.h"
#include "platform/StdCtrls.h"
#include "platform/WidgetOf.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QDateEdit>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

QImage Render(TWinControl& C) {
    QWidget* w = WidgetOf(C);
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    w->render(&img);
    return img;
}

TColor At(const QImage& Img, int X, int Y) {
    return FromQColor(Img.pixelColor(X, Y));
}

// A graphic control that records what reaches it.
class TProbe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::vector<unsigned> Seen;
    int Clicks = 0;
    TColor Fill = clRed;
    void Click() override {
        ++Clicks;
        TGraphicControl::Click();
    }

protected:
    void WndProc(TMessage& M) override {
        if (M.Msg == CM_MOUSEENTER || M.Msg == CM_MOUSELEAVE || M.Msg == WM_LBUTTONDOWN ||
            M.Msg == WM_LBUTTONUP || M.Msg == CM_DIALOGCHAR)
            Seen.push_back(M.Msg);
        if (M.Msg == CM_DIALOGCHAR && IsAccel(unsigned(M.WParam), Caption())) {
            Click();
            M.Result = 1;
            return;
        }
        TGraphicControl::WndProc(M);
    }
    void Paint() override {
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(ClientRect());
    }
};

struct Fixture : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    void SetUp() override {
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(10, 10, 200, 150);
        Form->SetColor(RGB(10, 20, 30));
    }
};

} // namespace

TEST(CanvasPixels, LinesLeaveOutTheirLastPointAndRectanglesStayInside) {
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    TCanvas c;
    c.BindImage(&img);
    c.Pen()->SetColor(clBlack);
    c.MoveTo(2, 2);
    c.LineTo(8, 2);
    EXPECT_EQ(At(img, 7, 2), clBlack);
    EXPECT_EQ(At(img, 8, 2), clWhite);
    c.MoveTo(2, 5);
    c.LineTo(6, 9); // diagonal
    EXPECT_EQ(At(img, 5, 8), clBlack);
    EXPECT_EQ(At(img, 6, 9), clWhite);

    img.fill(Qt::white);
    c.Brush()->SetColor(clRed);
    c.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(At(img, 1, 1), clBlack);
    EXPECT_EQ(At(img, 5, 4), clBlack);
    EXPECT_EQ(At(img, 6, 5), clWhite);
    EXPECT_EQ(At(img, 3, 2), clRed);

    img.fill(Qt::white);
    TRect r = Rect(0, 0, 5, 5);
    Frame3D(c, r, clBlue, clRed, 1);
    EXPECT_EQ(At(img, 0, 0), clBlue);
    EXPECT_EQ(At(img, 4, 0), clRed); // top-right corner belongs to the dark side
    EXPECT_EQ(At(img, 0, 4), clRed); // and so does bottom-left
    EXPECT_EQ(r, Rect(1, 1, 4, 4));
}

TEST(CanvasPixels, XorFiguresDrawnTwiceVanishAndOriginMovesDrawing) {
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(QColor(100, 50, 25));
    const QImage before = img.copy();
    TCanvas c;
    c.BindImage(&img);
    c.DrawFocusRect(Rect(1, 1, 9, 9));
    EXPECT_NE(img, before);
    c.DrawFocusRect(Rect(1, 1, 9, 9));
    EXPECT_EQ(img, before);

    c.MoveOrigin(3, 4);
    c.Brush()->SetColor(clLime);
    c.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(At(img, 3, 4), clLime);
    EXPECT_EQ(c.ClipRect(), Rect(-3, -4, 7, 6));
}

TEST_F(Fixture, PanelsPaintTheirColourAndGraphicChildrenOnTop) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(10, 10, 100, 80);
    panel->SetColor(RGB(226, 230, 215));
    panel->SetBevelOuter(TBevelCut::bvNone);
    auto* probe = new TProbe(Form.get());
    probe->SetParent(panel);
    probe->SetBounds(20, 20, 10, 10);
    const QImage img = Render(*Form);
    EXPECT_EQ(At(img, 5, 5), RGB(10, 20, 30));
    EXPECT_EQ(At(img, 15, 15), RGB(226, 230, 215));
    EXPECT_EQ(At(img, 35, 35), clRed);
    probe->SetVisible(false);
    EXPECT_EQ(At(Render(*Form), 35, 35), RGB(226, 230, 215));
}

TEST_F(Fixture, MouseGoesToTheTopmostEnabledGraphicChildAndClicksInside) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(0, 0, 100, 100);
    auto* below = new TProbe(Form.get());
    below->SetParent(panel);
    below->SetBounds(10, 10, 30, 30);
    auto* above = new TProbe(Form.get());
    above->SetParent(panel);
    above->SetBounds(20, 20, 30, 30);

    panel->Perform(WM_MOUSEMOVE, 0, MakeLParam(25, 25));
    panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(25, 25));
    panel->Perform(WM_LBUTTONUP, 0, MakeLParam(25, 25));
    EXPECT_EQ(above->Clicks, 1);
    EXPECT_EQ(below->Clicks, 0);
    EXPECT_EQ(above->Seen.front(), unsigned(CM_MOUSEENTER));

    // The captured control keeps the mouse; a release outside it does not click.
    panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(25, 25));
    panel->Perform(WM_LBUTTONUP, 0, MakeLParam(90, 90));
    EXPECT_EQ(above->Clicks, 1);

    above->SetEnabled(false);
    panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(25, 25));
    panel->Perform(WM_LBUTTONUP, 0, MakeLParam(25, 25));
    EXPECT_EQ(below->Clicks, 1);
    EXPECT_EQ(panel->ControlAtPos({25, 25}, true), above);
}

TEST_F(Fixture, AcceleratorsReachControlsThroughTheForm) {
    auto* probe = new TProbe(Form.get());
    probe->SetParent(Form.get());
    probe->SetCaption(QString::fromUtf8("确  定[&Y]"));
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'y'), 1);
    EXPECT_EQ(probe->Clicks, 1);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'n'), 0);
    EXPECT_TRUE(IsAccel('Y', "&Yes"));
    EXPECT_FALSE(IsAccel('A', "&&A"));
}

TEST_F(Fixture, FocusMovesAndTellsContainersTheyWereLeft) {
    auto* left = new TPanel(Form.get());
    left->SetParent(Form.get());
    auto* inLeft = new TEdit(Form.get());
    inLeft->SetParent(left);
    auto* right = new TEdit(Form.get());
    right->SetParent(Form.get());
    int exits = 0, enters = 0;
    left->OnExit = [&](TObject*) { ++exits; };
    left->OnEnter = [&](TObject*) { ++enters; };
    inLeft->SetFocus();
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(inLeft->Focused());
    right->SetFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(Form->ActiveControl(), right);
    // Tab goes round the tab stops in order.
    Form->Perform(CM_DIALOGKEY, VK_TAB);
    EXPECT_TRUE(inLeft->Focused());
}

TEST_F(Fixture, UnhandledExceptionsAreReportedInAMessageBox) {
    TTestWorld scripted;
    Application->SetTitle("Title");
    auto* probe = new TProbe(Form.get());
    probe->SetParent(Form.get());
    probe->SetBounds(0, 0, 50, 50);
    probe->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    Form->Show();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                      WidgetOf(*Form)->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                        WidgetOf(*Form)->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(WidgetOf(*Form), &press);
    QApplication::sendEvent(WidgetOf(*Form), &release);
    ASSERT_EQ(scripted->Boxes.size(), 1u);
    EXPECT_EQ(scripted->Boxes[0].Text, "'x' is not a valid integer value.");
    EXPECT_EQ(scripted->Boxes[0].Caption, "Title");
    EXPECT_EQ(scripted->Boxes[0].Flags, unsigned(MB_OK | MB_ICONSTOP));
}

TEST_F(Fixture, LabelsSizeThemselvesAndDatePickersStayQuietWhenSetByCode) {
    auto* label = new TLabel(Form.get());
    label->SetParent(Form.get());
    label->Font()->SetName(QString::fromUtf8("宋体"));
    label->Font()->SetHeight(-13);
    label->SetCaption(QString::fromUtf8("时间    "));
    const int withBlanks = label->Width();
    label->SetCaption(QString::fromUtf8("时间"));
    EXPECT_GT(withBlanks, label->Width());
    EXPECT_GE(label->Height(), 13);

    auto* picker = new TDateTimePicker(Form.get());
    picker->SetParent(Form.get());
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    picker->SetDate(EncodeDate(2026, 12, 2) + 0.5);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 2));
    picker->Editor()->setDate(QDate(2026, 12, 3)); // as the user's pick arrives
    EXPECT_EQ(changes, 1);
}

TEST_F(Fixture, TypingIntoAClickedDateSectionReplacesIt) {
    Form->Show();
    auto* picker = new TDateTimePicker(Form.get());
    picker->SetParent(Form.get());
    picker->SetBounds(10, 10, 120, 21);
    picker->SetDate(EncodeDate(2026, 3, 5));
    QLineEdit* line = picker->Editor()->findChild<QLineEdit*>();
    ASSERT_TRUE(line);
    auto clickAt = [&](int Position) {
        int x = 0;
        while (x < line->width() &&
               line->cursorPositionAt(QPoint(x, line->height() / 2)) < Position)
            ++x;
        const QPointF at(x, line->height() / 2);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, at, line->mapToGlobal(at), Qt::LeftButton,
                          t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(line, &e);
        }
        QApplication::processEvents();
    };
    auto type = [&](const QString& Text) {
        for (QChar c : Text) {
            QKeyEvent e(QEvent::KeyPress, Qt::Key_0 + (c.unicode() - '0'), Qt::NoModifier, c);
            QApplication::sendEvent(picker->Editor(), &e);
        }
    };
    clickAt(2); // inside the year, not at its start
    type("2025");
    EXPECT_EQ(picker->Date(), EncodeDate(2025, 3, 5));
    clickAt(9); // inside the day
    type("17");
    EXPECT_EQ(picker->Date(), EncodeDate(2025, 3, 17));
}

TEST_F(Fixture, ListRowsWithGridLinesKeepTheirTextOffTheLines) {
    Form->Show();
    auto* list = new TListView(Form.get());
    list->SetParent(Form.get());
    list->SetBounds(0, 0, 200, 120);
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetGridLines(true);
    list->Font()->SetName(QString::fromUtf8("宋体")); // as the diary's list: glyphs fill the line
    list->Font()->SetHeight(-13);
    list->AddColumn(QString::fromUtf8("日期"), 80);
    list->AddItem()->SetCaption(QString::fromUtf8("2026-12-02 正常"));
    QApplication::processEvents();
    QWidget* view = list->View()->viewport();
    QImage img(view->size(), QImage::Format_RGB32);
    view->render(&img);
    const QRect row = list->View()->visualRect(list->View()->model()->index(0, 0));
    // The text's dark pixels within the first cell.
    int left = row.right(), top = row.bottom(), bottom = row.top();
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x < row.left() + 79; ++x)
            if (qGray(img.pixel(x, y)) < 100) {
                left = std::min(left, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_LT(left, row.right()) << "no text drawn";
    // Room on every side, as the style gives rows without grid lines.
    EXPECT_GE(left - row.left(), 5);
    EXPECT_GE(top - row.top(), 2);
    EXPECT_GE(row.bottom() - bottom, 4);
}

TEST_F(Fixture, ABorderedPanelsChildrenSitInsideItsBorder) {
    Form->Show();
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(20, 20, 100, 60);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetBorderStyle(TBorderStyle::bsSingle);
    panel->SetCtl3D(false);
    auto* probe = new TProbe(panel);
    probe->SetParent(panel);
    probe->SetBounds(0, 0, 10, 10);
    auto* inner = new TPanel(panel);
    inner->SetParent(panel);
    inner->SetBounds(30, 0, 10, 10);
    QApplication::processEvents();

    const QImage img = Render(*panel);
    EXPECT_EQ(At(img, 0, 0), TColor(0)); // the border line
    EXPECT_EQ(At(img, 1, 1), clRed);     // the child's first pixel, just inside it
    EXPECT_EQ(At(img, 10, 10), clRed);
    EXPECT_NE(At(img, 11, 11), clRed);
    EXPECT_EQ(WidgetOf(*inner)->pos(), QPoint(31, 1));
    EXPECT_EQ(panel->ClientWidth(), 98);
    EXPECT_EQ(probe->ClientOrigin().X, panel->ClientToScreen({0, 0}).X);
    EXPECT_EQ(panel->ClientToScreen({0, 0}).X, Form->ClientToScreen({21, 0}).X);

    // The mouse at the widget's (1, 1) is at the client's (0, 0): on the child.
    const QPointF at(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, at, WidgetOf(*panel)->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(WidgetOf(*panel), &press);
    EXPECT_EQ(std::count(probe->Seen.begin(), probe->Seen.end(), unsigned(WM_LBUTTONDOWN)), 1);
}

TEST_F(Fixture, AFocusedControlThatIsFreedLeavesNoDanglingFocus) {
    auto* first = new TEdit(Form.get());
    first->SetParent(Form.get());
    auto* second = new TEdit(Form.get());
    second->SetParent(Form.get());
    first->SetFocus();
    delete first;
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    second->SetFocus(); // used to reach the freed control
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(Form->ActiveControl(), second);
}

TEST_F(Fixture, HidingTheFocusedControlLeavesTheFocusWithTheForm) {
    Form->Show();
    QApplication::processEvents();
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    auto* inside = new TEdit(Form.get());
    inside->SetParent(panel);
    auto* outside = new TEdit(Form.get());
    outside->SetParent(Form.get());
    inside->SetFocus();
    QApplication::processEvents();
    panel->SetVisible(false);
    QApplication::processEvents();
    EXPECT_FALSE(inside->Focused());
    EXPECT_FALSE(outside->Focused()); // the focus is not handed on to a neighbour
    EXPECT_EQ(Form->ActiveControl(), nullptr);
}
