// The sorting grid's interactive side: several selected rows by mouse and keys, dragging, the
// check-box, combo-box and ellipsis cells, validation, type-ahead, shortcuts and filtering.

#include "grid/SortGrid.h"
#include "platform/DragDrop.h"
#include "platform/Environment.h"
#include "platform/Forms.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

using enum TGridOption;

struct SelectFixture : ::testing::Test {
    TScriptedEnvironment* World = nullptr;
    std::unique_ptr<TForm> Form;
    TSortGrid* Grid = nullptr;
    std::vector<QString> Events;

    void SetUp() override {
        auto env = std::make_unique<TScriptedEnvironment>();
        World = env.get();
        SetEnvironment(std::move(env));
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, 500, 400);
        Grid = new TSortGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(TBorderStyle::bsNone); // the frame has tests of its own
        Grid->SetScrollBars(TScrollStyle::ssNone);
        Grid->SetBounds(10, 20, 400, 300);
        Grid->SetColCount(3);
        Grid->SetDefaultRowHeight(18);
        Grid->SetColWidths(2, 100);
        Form->Show();
        Grid->SetFocus();
        Grid->OnRowSelected = [this](TObject*) { Events.push_back("rows"); };
    }
    void TearDown() override {
        Form.reset();
        SetEnvironment(nullptr);
    }
    void Fill(const QStringList& Names) {
        Grid->SetRowCount(int(Names.size()) + 1);
        for (int i = 0; i < Names.size(); ++i) {
            Grid->SetCellText(0, i + 1, Names[i]);
            Grid->SetCellText(1, i + 1, QString::number(i + 1));
        }
    }
    TPoint Centre(int Col, int Row) const {
        const TRect r = Grid->CellBounds(Col, Row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Press(int Col, int Row, unsigned Keys = 0) {
        const TPoint p = Centre(Col, Row);
        Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON | Keys, MakeLParam(p.X, p.Y));
    }
    void Release(int Col, int Row, unsigned Keys = 0) {
        const TPoint p = Centre(Col, Row);
        Grid->Perform(WM_LBUTTONUP, Keys, MakeLParam(p.X, p.Y));
    }
    void ClickCell(int Col, int Row, unsigned Keys = 0) {
        Press(Col, Row, Keys);
        Release(Col, Row, Keys);
    }
    void KeyDown(unsigned VK, unsigned Modifiers = 0) {
        World->Modifiers = Modifiers;
        Grid->Perform(WM_KEYDOWN, VK);
    }
    void KeyUp(unsigned VK, unsigned Modifiers = 0) {
        World->Modifiers = Modifiers;
        Grid->Perform(WM_KEYUP, VK);
    }
    QStringList Selected() const { return Grid->SelectedRows()->ToStringList(); }
    QStringList Order() const { return Grid->SelectionOrder()->ToStringList(); }
    QStringList Column(int Col) const {
        QStringList r;
        for (int i = 1; i < Grid->RowCount(); ++i) r << Grid->CellText(Col, i);
        return r;
    }
    // Column 2 is the widget column: Kind decides which widget its cells are.
    void Widgets(bool CheckBox, bool Combo, bool Ellipsis) {
        Grid->OnGetCellFormat = [=](TObject*, int Col, int, TGridDrawState, TFormatOptions&,
                                    bool& C, bool& B, bool& E) {
            if (Col != 2) return;
            C = CheckBox;
            B = Combo;
            E = Ellipsis;
        };
    }
};

TEST_F(SelectFixture, MultiSelectAddsRowSelectAndTurningItOffKeepsIt) {
    ASSERT_FALSE(Grid->Options().Contains(goRowSelect));
    Grid->SetMultiSelect(true);
    EXPECT_TRUE(Grid->Options().Contains(goRowSelect));
    Grid->SetMultiSelect(false);
    EXPECT_TRUE(Grid->Options().Contains(goRowSelect));
    // The calendars' set-up: off, then both options taken away by hand; nothing puts them back.
    Grid->SetOptions(Grid->Options() - TGridOptions{goRowSelect});
    Grid->SetOptions(Grid->Options() - TGridOptions{goRangeSelect});
    Fill({"a", "b", "c"});
    KeyDown(VK_SHIFT, 1);
    KeyUp(VK_SHIFT);
    ClickCell(0, 2);
    EXPECT_FALSE(Grid->Options().Contains(goRowSelect));
    EXPECT_FALSE(Grid->Options().Contains(goRangeSelect));
    EXPECT_EQ(Selected(), QStringList({"2"}));
}

TEST_F(SelectFixture, ClicksWithCtrlAndShiftBuildTheSelection) {
    Fill({"a", "b", "c", "d", "e"});
    Grid->SetMultiSelect(true);
    ClickCell(0, 2);
    EXPECT_EQ(Selected(), QStringList({"2"}));
    EXPECT_EQ(Order(), QStringList({"2"}));
    EXPECT_EQ(Grid->CurrentRow(), 2);

    // Ctrl-click on the only selected row keeps it.
    ClickCell(0, 2, MK_CONTROL);
    EXPECT_EQ(Selected(), QStringList({"2"}));

    Events.clear();
    ClickCell(0, 4, MK_CONTROL);
    EXPECT_EQ(Selected(), QStringList({"2", "4"}));
    EXPECT_EQ(Order(), QStringList({"2", "4"}));
    EXPECT_EQ(Grid->CurrentRow(), 4);
    EXPECT_EQ(Events, std::vector<QString>({"rows"}));

    // Ctrl-click on one of two takes it away and the other becomes current.
    ClickCell(0, 4, MK_CONTROL);
    EXPECT_EQ(Selected(), QStringList({"2"}));
    EXPECT_EQ(Grid->CurrentRow(), 2);

    // Shift held (its key down adds the range option), then a Shift-click: the range.
    KeyDown(VK_SHIFT, 1);
    EXPECT_TRUE(Grid->Options().Contains(goRangeSelect));
    ClickCell(0, 5, MK_SHIFT);
    KeyUp(VK_SHIFT);
    EXPECT_EQ(Selected(), QStringList({"2", "3", "4", "5"}));
    EXPECT_EQ(Order(), QStringList({"2", "3", "4", "5"}));

    // A plain click on a selected row starts over from it.
    ClickCell(0, 3);
    EXPECT_EQ(Selected(), QStringList({"3"}));
    EXPECT_FALSE(Grid->Options().Contains(goRangeSelect));
}

TEST_F(SelectFixture, ShiftWithArrowsSelectsTheRangeAndPlainArrowsFollow) {
    Fill({"a", "b", "c", "d", "e"});
    Grid->SetMultiSelect(true);
    ClickCell(0, 1);
    KeyDown(VK_SHIFT, 1);
    KeyDown(VK_DOWN, 1);
    KeyUp(VK_DOWN, 1);
    KeyDown(VK_DOWN, 1);
    KeyUp(VK_DOWN, 1);
    KeyUp(VK_SHIFT);
    EXPECT_EQ(Selected(), QStringList({"1", "2", "3"}));
    EXPECT_EQ(Grid->CurrentRow(), 3);

    KeyDown(VK_DOWN);
    KeyUp(VK_DOWN);
    EXPECT_EQ(Selected(), QStringList({"4"}));
    EXPECT_FALSE(Grid->Options().Contains(goRangeSelect));
}

TEST_F(SelectFixture, ADragStartsOnlyBeyondTenPixelsFromAPressOnASelectedRow) {
    Fill({"a", "b", "c"});
    Grid->SetMultiSelect(true);
    int started = 0;
    TControl* droppedOn = Grid;
    Grid->OnStartDrag = [&](TObject*) { ++started; };
    Grid->OnEndDrag = [&](TObject*, TControl* Target) { droppedOn = Target; };
    ClickCell(0, 1);
    const TPoint p = Centre(0, 1);
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(p.X, p.Y));
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(p.X + 10, p.Y - 10));
    EXPECT_EQ(started, 0);
    EXPECT_EQ(DragSource(), nullptr);
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(p.X, p.Y + 11));
    EXPECT_EQ(started, 1);
    EXPECT_EQ(DragSource(), Grid);
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(p.X, p.Y + 40));
    EXPECT_EQ(started, 1); // the start point is forgotten once used
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(p.X, p.Y + 40));
    EXPECT_EQ(DragSource(), nullptr);
    EXPECT_NE(droppedOn, Grid->DropDownList());
    EXPECT_EQ(Selected(), QStringList({"1"})); // a drop is no click on a row

    // A press on a row that is not selected never drags.
    Press(0, 3);
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(p.X, p.Y + 60));
    EXPECT_EQ(started, 1);
    Release(0, 3);
}

TEST_F(SelectFixture, CheckBoxesAreCheckedOnlyByExactlyTrueAndToggleByMouseAndSpace) {
    Fill({"a", "b"});
    Widgets(true, false, false);
    std::vector<std::pair<int, bool>> told;
    Grid->OnSetChecked = [&](TObject*, int, int Row, bool State) { told.push_back({Row, State}); };
    Grid->SetCellText(2, 1, "True");
    EXPECT_FALSE(Grid->CellChecked(2, 1));
    ClickCell(2, 1);
    EXPECT_EQ(Grid->CellText(2, 1), "true");
    EXPECT_TRUE(Grid->CellChecked(2, 1));
    ClickCell(2, 1);
    EXPECT_EQ(Grid->CellText(2, 1), "");

    // A release on another cell than the pressed one toggles nothing.
    Press(2, 1);
    Release(2, 2);
    EXPECT_EQ(Grid->CellText(2, 1), "");
    EXPECT_EQ(Grid->CellText(2, 2), "");

    Grid->GoToCell(2, 2, true);
    KeyDown(VK_SPACE);
    KeyUp(VK_SPACE);
    EXPECT_EQ(Grid->CellText(2, 2), "true");
    EXPECT_EQ(told, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {2, true}}));
    // Not a check-box cell: Space leaves it alone.
    Grid->GoToCell(1, 2, true);
    KeyUp(VK_SPACE);
    EXPECT_EQ(Grid->CellText(1, 2), "2");
}

TEST_F(SelectFixture, ComboCellsOpenTheDropDownWithTheCellTextOrTheFirstLine) {
    Fill({"a", "b", "c", "d"});
    Widgets(false, true, false);
    TListBox* list = Grid->DropDownList();
    EXPECT_FALSE(list->Visible());
    // Without a handler nothing opens.
    Grid->GoToCell(2, 1, true);
    KeyUp(VK_SPACE);
    EXPECT_FALSE(list->Visible());

    int wantedHeight = 0;
    Grid->OnGetComboBox = [&](TObject*, int, int, TStrings*& Strs, int&, int& Height, bool&) {
        Strs->Add("pear");
        Strs->Add("apple");
        Strs->Add("fig");
        Height = wantedHeight;
    };
    Grid->SetCellText(2, 1, "fig");
    KeyUp(VK_SPACE);
    ASSERT_TRUE(list->Visible());
    EXPECT_EQ(list->Parent(), Form.get());
    EXPECT_EQ(list->Items()->ToStringList(), QStringList({"apple", "fig", "pear"}));
    EXPECT_EQ(list->ItemIndex(), 1);
    const TRect cell = Grid->CellBounds(2, 1);
    EXPECT_EQ(list->Left(), cell.Left + Grid->Left() + 2);
    EXPECT_EQ(list->Top(), cell.Top + Grid->Top() + 1);
    EXPECT_EQ(list->Width(), cell.Width() + 1);
    EXPECT_EQ(list->Height(), 3 * list->ItemHeight() + 5);

    std::vector<QString> picked;
    Grid->OnSetComboBox = [&](TObject*, int Col, int Row, const QString& Str) {
        picked.push_back(QString("%1,%2:%3").arg(Col).arg(Row).arg(Str));
    };
    list->SetItemIndex(2);
    list->Perform(WM_KEYUP, VK_RETURN);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Grid->CellText(2, 1), "pear");
    EXPECT_EQ(picked, std::vector<QString>({"2,1:pear"}));
    EXPECT_TRUE(Grid->Focused());

    // A text not in the list selects the first line; the handler's height is kept.
    wantedHeight = 77;
    Grid->GoToCell(2, 2, true);
    Grid->SetCellText(2, 2, "plum");
    KeyUp(VK_SPACE);
    ASSERT_TRUE(list->Visible());
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->Height(), 77);
    // Escape closes it and leaves the cell.
    list->Perform(WM_KEYUP, VK_ESCAPE);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Grid->CellText(2, 2), "plum");

    // A grid that goes while its list has the focus takes the list with it, quietly.
    KeyUp(VK_SPACE);
    ASSERT_TRUE(list->Focused());
    delete Grid;
    Grid = nullptr;
    EXPECT_EQ(Form->ControlCount(), 0);
    EXPECT_EQ(picked.size(), 1u); // nothing picked on the way out
}

TEST_F(SelectFixture, TheEllipsisAnswersInItsRightmostSixteenPixelsAndToSpace) {
    Fill({"a", "b"});
    Widgets(false, false, true);
    std::vector<int> rows;
    Grid->OnSetEllipsis = [&](TObject*, int, int Row) { rows.push_back(Row); };
    const TRect cell = Grid->CellBounds(2, 1);
    const int y = cell.Top + 5;
    for (int x : {cell.Right - 20, cell.Right - 10}) {
        Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(x, y));
        Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(x, y));
    }
    EXPECT_EQ(rows, std::vector<int>({1}));
    Grid->GoToCell(2, 2, true);
    KeyUp(VK_SPACE);
    EXPECT_EQ(rows, std::vector<int>({1, 2}));
}

struct ValidateFixture : SelectFixture {
    QString Answer;
    bool Valid = true;
    std::vector<QString> Asked;
    void SetUp() override {
        SelectFixture::SetUp();
        Fill({"a", "b", "c"});
        Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
        Grid->OnCellValidate = [this](TObject*, int Col, int Row, const QString& OldValue,
                                      QString& NewValue, bool& IsValid) {
            Asked.push_back(QString("%1,%2:%3>%4").arg(Col).arg(Row).arg(OldValue, NewValue));
            if (!Answer.isNull()) NewValue = Answer;
            IsValid = Valid;
        };
        Grid->GoToCell(0, 1, true);
        Grid->SetModified(false);
    }
    // Opens the editor on the current cell and types a new text into it.
    void Edit(const QString& Text) {
        Grid->Perform(WM_KEYDOWN, VK_F2);
        ASSERT_TRUE(Grid->EditorActive());
        Grid->InplaceEditor()->SetText(Text);
    }
    void Enter() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(WidgetOf(*Grid->InplaceEditor()), &press);
    }
};

TEST_F(ValidateFixture, ARefusedChangeGoesBackAndSoDoesModified) {
    Valid = false;
    Edit("zz");
    EXPECT_EQ(Grid->CellText(0, 1), "zz");
    EXPECT_TRUE(Grid->Modified());
    Enter();
    EXPECT_EQ(Asked, std::vector<QString>({"0,1:a>zz"}));
    EXPECT_EQ(Grid->CellText(0, 1), "a");
    EXPECT_FALSE(Grid->Modified());
}

TEST_F(ValidateFixture, ARefusalWithAnotherValueKeepsThatValue) {
    Valid = false;
    Answer = "fixed";
    Edit("zz");
    Enter();
    EXPECT_EQ(Grid->CellText(0, 1), "fixed");
}

TEST_F(ValidateFixture, AcceptedChangesTakeTheHandlersValueAndUnchangedCellsAskNothing) {
    Answer = "ok";
    Edit("zz");
    // Leaving the cell by a click validates the cell that was edited.
    ClickCell(0, 2);
    EXPECT_EQ(Grid->CellText(0, 1), "ok");
    EXPECT_EQ(Asked, std::vector<QString>({"0,1:a>zz"}));
    Edit("b");
    Enter();
    EXPECT_EQ(Asked.size(), 1u);
}

TEST_F(ValidateFixture, AnEditIsCheckedBeforeAHeaderClickMovesTheRecords) {
    Valid = false;
    Grid->GoToCell(0, 3, true);
    Edit("aa");
    const TRect header = Grid->CellBounds(0, 0);
    const int x = (header.Left + header.Right) / 2, y = header.Top + 5;
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(x, y));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(x, y));
    EXPECT_EQ(Asked, std::vector<QString>({"0,3:c>aa"}));
    EXPECT_EQ(Column(0), QStringList({"c", "b", "a"}));
    Grid->GoToCell(0, 1, true);
    Edit("x");
    EXPECT_EQ(Grid->CellText(0, 1), "x");
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(x, y));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(x, y));
    EXPECT_EQ(Column(0), QStringList({"a", "b", "c"}));
    EXPECT_EQ(Asked.size(), 2u);
    // Nothing is asked of a record that only moved.
    ClickCell(0, 2);
    EXPECT_EQ(Asked.size(), 2u);
}

TEST_F(SelectFixture, GoToCellHoldsTheFormsUpdateLockWhileItMoves) {
    Fill({"a", "b", "c"});
    std::vector<bool> locked;
    Grid->OnRowSelected = [&](TObject*) { locked.push_back(Form->UpdatesLocked()); };
    Grid->GoToCell(1, 3, true);
    ASSERT_FALSE(locked.empty());
    EXPECT_TRUE(locked.back());
    EXPECT_FALSE(Form->UpdatesLocked());
    EXPECT_EQ(Grid->CurrentRow(), 3);
}

TEST_F(SelectFixture, TypeAheadSearchesBelowThenWrapsInTheSortColumn) {
    Fill({"apple", "Berry", "avocado", "", "banana"});
    Grid->SortOptions()->SetSortCol(0);
    Grid->GoToCell(0, 2, true);
    Grid->Perform(WM_CHAR, 'b');
    EXPECT_EQ(Grid->CurrentRow(), 5);
    Grid->Perform(WM_CHAR, 'b');
    EXPECT_EQ(Grid->CurrentRow(), 2);
    Grid->Perform(WM_CHAR, 'A');
    EXPECT_EQ(Grid->CurrentRow(), 3);
    Grid->Perform(WM_CHAR, 'a');
    EXPECT_EQ(Grid->CurrentRow(), 1);
    Grid->Perform(WM_CHAR, 'q');
    EXPECT_EQ(Grid->CurrentRow(), 1);
    // The calendars have no sort column: a typed character finds nothing and raises nothing.
    Grid->SortOptions()->SetSortCol(-1);
    EXPECT_NO_THROW(Grid->Perform(WM_CHAR, 'a'));
    EXPECT_TRUE(World->Boxes.empty());
}

TEST_F(SelectFixture, CtrlShortcutsInsertAndRemoveRowsAndColumnsOnlyWhenAsked) {
    Fill({"a", "b"});
    Grid->GoToCell(1, 1, true);
    KeyDown(VK_INSERT, 2);
    EXPECT_EQ(Grid->RowCount(), 3);
    Grid->SetExtendedKeys(true);
    KeyDown(VK_INSERT, 2);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Column(0), QStringList({"", "a", "b"}));
    KeyDown(VK_DELETE, 2);
    EXPECT_EQ(Column(0), QStringList({"a", "b"}));
    KeyDown(VK_DELETE, 2);
    KeyDown(VK_DELETE, 2);
    EXPECT_EQ(Grid->RowCount(), 2); // the last data row stays
    KeyDown(VK_INSERT, 3);
    EXPECT_EQ(Grid->ColCount(), 4);
    for (int i = 0; i < 5; ++i) KeyDown(VK_DELETE, 3);
    EXPECT_EQ(Grid->ColCount(), 1);
}

TEST_F(SelectFixture, FilteringWithoutAHandlerLeavesOneEmptyRowAndComesBackSorted) {
    Fill({"c", "a", "b"});
    Grid->SetModified(false);
    Grid->SetFiltered(true);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_EQ(Column(0), QStringList({""}));
    EXPECT_EQ(Grid->HiddenRowCount(), 3);
    EXPECT_EQ(Grid->CellText(0, 0), ""); // the header stays
    Grid->SetFiltered(false);
    EXPECT_EQ(Grid->HiddenRowCount(), 0);
    EXPECT_EQ(Column(0), QStringList({"a", "b", "c"}));
    EXPECT_EQ(Column(1), QStringList({"2", "3", "1"}));
    EXPECT_FALSE(Grid->Modified());
}

TEST_F(SelectFixture, FilteringHidesRejectedRowsAndFilteringAgainLosesNone) {
    Fill({"a1", "b1", "a2", "b2", "a3", "c1"});
    Grid->SetCellText(2, 3, "kept with its row");
    QString prefix = "a";
    int offered = 0;
    Grid->OnSetFilter = [&](TStrings* Row, bool& Accept) {
        ++offered;
        Accept = Row->Strings(0).startsWith(prefix);
        Row->Put(0, "changed"); // a copy: the grid's text stays
    };
    Grid->SetFiltered(true);
    EXPECT_EQ(offered, 6);
    EXPECT_EQ(Column(0), QStringList({"a1", "a2", "a3"}));
    EXPECT_EQ(Grid->CellText(2, 2), "kept with its row");
    EXPECT_EQ(Grid->HiddenRowCount(), 3);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    EXPECT_EQ(Grid->CurrentCol(), 0);

    prefix = "a2";
    Grid->SetFiltered(true);
    EXPECT_EQ(Column(0), QStringList({"a2"}));
    EXPECT_EQ(Grid->HiddenRowCount(), 5);
    prefix = "zz";
    Grid->SetFiltered(true);
    EXPECT_EQ(Column(0), QStringList({""}));

    Grid->SetFiltered(false);
    EXPECT_EQ(Column(0), QStringList({"a1", "a2", "a3", "b1", "b2", "c1"}));
    EXPECT_EQ(Grid->CellText(2, 2), "kept with its row");
    // Off again with nothing hidden changes nothing.
    Grid->SetFiltered(false);
    EXPECT_EQ(Grid->RowCount(), 7);
}

} // namespace

namespace {

TEST_F(SelectFixture, AGridOfTheDefaultScrollStyleShowsItsBarsWhenThereIsSomethingToScroll) {
    auto* g = new TSortGrid(Form.get());
    g->SetParent(Form.get());
    g->SetBounds(0, 0, 200, 100);
    g->SetRowCount(3);
    g->SetColCount(2);
    EXPECT_FALSE(g->WindowScrollBars().BarShowing(SB_VERT));
    g->SetRowCount(50);
    EXPECT_TRUE(g->WindowScrollBars().BarShowing(SB_VERT));
    EXPECT_FALSE(g->WindowScrollBars().BarShowing(SB_HORZ));
    g->SetColCount(10);
    EXPECT_TRUE(g->WindowScrollBars().BarShowing(SB_HORZ));
}

} // namespace
