// The in-place editor: opening and closing, write-back, key forwarding and key press rules,
// clipboard guards, the double click made from the grid's stamp and focus hand-over.

#include "GridTestSupport.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <map>

namespace {

// A grid that keeps cell texts for the editor and may refuse changes or characters.
class TTextGrid : public TTestGrid {
public:
    using TTestGrid::TTestGrid;
    std::map<std::pair<int, int>, QString> Cells;
    int Limit = 0;
    QChar Refused;
    QString Cell(int C, int R) { return Cells[{C, R}]; }

protected:
    QString GetEditText(int ACol, int ARow) override { return Cells[{ACol, ARow}]; }
    void SetEditText(int ACol, int ARow, const QString& Value) override {
        Cells[{ACol, ARow}] = Value;
    }
    int GetEditLimit() override { return Limit; }
    bool CanEditAcceptKey(QChar Key) override { return Key != Refused; }
};

struct EditorFixture : GridFixture {
    TTextGrid* G = nullptr;
    void SetUp() override {
        GridFixture::SetUp();
        G = new TTextGrid(Form);
        G->SetParent(Form);
        G->SetBorderStyle(TBorderStyle::bsNone);
        G->SetScrollBars(TScrollStyle::ssNone);
        G->SetBounds(0, 0, 320, 120);
        G->SetOptions(G->Options() + TGridOptions{TGridOption::goEditing});
        G->Cells[{1, 1}] = "abc";
        G->Cells[{1, 2}] = "def";
        G->SetFocus();
        Input = G;
    }
    TInplaceEdit* Editor() { return G->InplaceEditor(); }
    // A key typed into a widget the way Qt delivers it.
    static void Type(QWidget* W, int QtKey, const QString& Text) {
        QKeyEvent press(QEvent::KeyPress, QtKey, Qt::NoModifier, Text);
        QApplication::sendEvent(W, &press);
    }
};

} // namespace

TEST_F(EditorFixture, EnterTwiceOpensThenClosesAndTheTypedTextReachesTheCell) {
    G->Perform(WM_CHAR, '\r');
    ASSERT_TRUE(G->EditorActive());
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_EQ(Editor()->BoundsRect(), G->CellBounds(1, 1));
    EXPECT_EQ(Editor()->Text(), "abc");
    EXPECT_EQ(Editor()->SelLength(), 3); // all selected
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_TRUE(G->IsActiveControl()); // the form still names the grid

    Type(WidgetOf(*Editor()), Qt::Key_X, "x");
    EXPECT_EQ(G->Cell(1, 1), "x"); // written back as it changes
    Type(WidgetOf(*Editor()), Qt::Key_Return, "\r");
    EXPECT_FALSE(G->EditorActive());
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_EQ(G->EditorCell(), (TGridCoord{-1, -1}));
    EXPECT_TRUE(G->Focused());
    EXPECT_EQ(G->Cell(1, 1), "x");
}

TEST_F(EditorFixture, TypingOnTheGridOpensTheEditorWithTheCharacter) {
    G->Perform(WM_CHAR, 'q');
    ASSERT_TRUE(G->EditorActive());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Editor()->Text(), "q");
    EXPECT_EQ(G->Cell(1, 1), "q");
}

TEST_F(EditorFixture, F2OpensWithTheCaretAtTheEnd) {
    Key(VK_F2);
    ASSERT_TRUE(G->EditorActive());
    EXPECT_EQ(Editor()->SelLength(), 0);
    EXPECT_EQ(Editor()->SelStart(), 3);
}

TEST_F(EditorFixture, UpAndDownLeaveTheCellLeftAndRightStayInTheEditor) {
    using enum TGridOption;
    G->SetOptions(G->Options() + TGridOptions{goAlwaysShowEditor});
    ASSERT_TRUE(Editor() && Editor()->Visible());
    Editor()->Perform(WM_KEYDOWN, VK_LEFT);
    Editor()->Perform(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(G->CurrentCol(), 1);
    Editor()->Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(G->CurrentRow(), 2);
    EXPECT_TRUE(G->EditorActive()); // stays open on the new cell
    EXPECT_EQ(G->EditorCell(), (TGridCoord{1, 2}));
    EXPECT_EQ(Editor()->Text(), "def");
    EXPECT_EQ(Editor()->BoundsRect(), G->CellBounds(1, 2));

    // The editor covers its cell: the grid does not paint it.
    G->Drawn.clear();
    QImage img(WidgetOf(*G)->size(), QImage::Format_RGB32);
    WidgetOf(*G)->render(&img);
    EXPECT_EQ(std::count(G->Drawn.begin(), G->Drawn.end(), TGridCoord{1, 2}), 0);
    EXPECT_GT(G->Drawn.size(), 0u);
}

TEST_F(EditorFixture, AGridThatMayNotModifyGuardsEveryChange) {
    G->Limit = -1;
    G->Perform(WM_CHAR, '\r');
    ASSERT_TRUE(G->EditorActive());
    Type(WidgetOf(*Editor()), Qt::Key_Z, "z");
    Type(WidgetOf(*Editor()), Qt::Key_Backspace, "\b");
    QApplication::clipboard()->setText("pasted");
    Editor()->Perform(WM_PASTE);
    Editor()->Perform(WM_CLEAR);
    EXPECT_EQ(Editor()->Text(), "abc");

    G->Limit = 0;
    G->ForceEditorReload();
    Editor()->Perform(WM_PASTE);
    EXPECT_EQ(Editor()->Text(), "pasted");
}

TEST_F(EditorFixture, ACharacterTheGridRefusesIsDroppedWithABeep) {
    G->Refused = 'k';
    G->Perform(WM_CHAR, '\r');
    Type(WidgetOf(*Editor()), Qt::Key_K, "k");
    EXPECT_EQ(Editor()->Text(), "abc");
    EXPECT_EQ(Env->Beeps, 1);
}

TEST_F(EditorFixture, EnterInsideTheEditorTogglesTheSelectionWhenTheEditorStays) {
    G->SetOptions(G->Options() + TGridOptions{TGridOption::goAlwaysShowEditor});
    Editor()->Perform(WM_CHAR, '\r');
    EXPECT_EQ(Editor()->SelLength(), 0); // all was selected: now nothing
    Editor()->Perform(WM_CHAR, '\r');
    EXPECT_EQ(Editor()->SelLength(), 3);
}

TEST_F(EditorFixture, ASecondPressSoonAfterTheGridsPressIsADoubleClick) {
    const TRect cell = G->CellBounds(1, 1);
    Click(cell.Left + 5, cell.Top + 5); // on the current cell: opens the editor
    ASSERT_TRUE(Editor() && Editor()->Visible());
    EXPECT_NE(Editor()->ClickTime(), 0u);
    Env->TimeOfDay += 0.2 / 86400.0; // 200 ms later
    Editor()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    Editor()->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 5));
    EXPECT_EQ(G->DblClicks, 1);
    EXPECT_EQ(Editor()->ClickTime(), 0u);

    Editor()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5)); // stamp cleared
    EXPECT_EQ(G->DblClicks, 1);
}

TEST_F(EditorFixture, LeavingTheGridClosesTheEditorAndWritesBack) {
    auto* other = new TEdit(Form);
    other->SetParent(Form);
    G->Perform(WM_CHAR, '\r');
    Editor()->SetText("new");
    other->SetFocus();
    EXPECT_FALSE(G->EditorActive());
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_EQ(G->Cell(1, 1), "new");
}

TEST_F(EditorFixture, MovingTheCurrentCellClosesTheEditor) {
    G->Perform(WM_CHAR, '\r');
    Editor()->SetText("typed");
    G->SetCurrentRow(2);
    EXPECT_FALSE(G->EditorActive());
    EXPECT_EQ(G->Cell(1, 1), "typed");
    G->SetEditorActive(true);
    EXPECT_EQ(Editor()->Text(), "def");
}
