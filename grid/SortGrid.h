#pragma once
// TSortGrid: the string grid as a small table. Row 0 is the header; a header click sorts the
// records by that column (several comparison styles, secondary keys); every cell's colours,
// font, alignment, bevel and small widgets come from OnGetCellFormat.

#include "grid/MyGridsStrings.h"
#include "platform/Graphics.h"
#include "platform/ListBox.h"
#include "platform/Menus.h"

#include <functional>
#include <memory>
#include <vector>

enum class TSortStyle {
    ssAutomatic,
    ssNormal,
    ssNumeric,
    ssNumericExtended,
    ssDateTime,
    ssTime,
    ssCustom
};
enum class TSortDirection { sdAscending, sdDescending };
enum class TVertAlignment { taTopJustify, taBottomJustify, taMiddle };
enum class TCellBevelStyle { cbNone, cbRaised, cbLowered };
enum class TMyPrintRange { prAll, prSelected };

using TSortCompareProc = std::function<int(const QString& Str1, const QString& Str2)>;

class TSortOptions : public TPersistent {
public:
    QString SecondaryIndex() const { return FSecondaryIndex; }
    void SetSecondaryIndex(const QString& Value) { FSecondaryIndex = Value; }
    bool CanSort() const { return FCanSort; }
    void SetCanSort(bool Value) { FCanSort = Value; }
    TSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
    bool SortCaseSensitive() const { return FSortCaseSensitive; }
    void SetSortCaseSensitive(bool Value) { FSortCaseSensitive = Value; }
    int SortCol() const { return FSortCol; }
    void SetSortCol(int Value) { FSortCol = Value; }
    TSortDirection SortDirection() const { return FSortDirection; }
    void SetSortDirection(TSortDirection Value) { FSortDirection = Value; }
    const TSortCompareProc& CompareProc() const { return FCompareProc; }
    void SetCompareProc(TSortCompareProc Value) { FCompareProc = std::move(Value); }
    bool UpdateOnSizeChange() const { return FUpdateOnSizeChange; }
    void SetUpdateOnSizeChange(bool Value) { FUpdateOnSizeChange = Value; }
    // Copies the published fields.
    void Assign(const TSortOptions& Source);

private:
    QString FSecondaryIndex;
    bool FCanSort = true;
    TSortStyle FSortStyle = TSortStyle::ssNormal;
    bool FSortCaseSensitive = false;
    int FSortCol = 0;
    TSortDirection FSortDirection = TSortDirection::sdAscending;
    TSortCompareProc FCompareProc;
    bool FUpdateOnSizeChange = false;
};

// Held and streamed for the application; nothing prints.
struct TPrintOptions : public TPersistent {
    QString JobTitle, PageTitle;
    unsigned Copies = 0;
    TMyPrintRange PrintRange = TMyPrintRange::prAll;
    unsigned PreviewPage = 0, FromRow = 0, ToRow = 0;
};

struct TFontSetting {
    TColor FontColor = 0, BrushColor = 0;
    bool Bold = false, Italic = false, Underline = false, Active = false;
};
using TFontList = std::vector<TFontSetting>;

struct TSortItem {
    QString Str;
    int RowNum = 0;
    TSortOptions* SortOptions = nullptr;
};
using TSortedList = std::vector<TSortItem>;

struct TFormatOptions {
    TBrush* Brush = nullptr;
    TFont* Font = nullptr;
    TAlignment AlignmentHorz = TAlignment::taLeftJustify;
    TVertAlignment AlignmentVert = TVertAlignment::taTopJustify;
    TCellBevelStyle Bevel = TCellBevelStyle::cbNone;
    TColor LightColor = clWindow;
    TColor DarkColor = clWindow;
    bool TextHidden = false;
};

using TFormatDrawCellEvent = std::function<void(TObject* Sender, int Col, int Row,
                                                TGridDrawState State, TFormatOptions& FormatOptions,
                                                bool& CheckBox, bool& Combobox, bool& Ellipsis)>;
using TRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TSizeChangedEvent = std::function<void(TObject* Sender, int OldColCount, int OldRowCount)>;
using TSetFilterEvent = std::function<void(TStrings* ARows, bool& Accept)>;
using TGetSortStyleEvent = std::function<void(TObject* Sender, int Col, TSortStyle& SortStyle)>;
using TBeforeSortEvent = std::function<void(TObject* Sender, int& Col)>;
using TAfterSortEvent = std::function<void(TObject* Sender, int Col)>;
using TCellValidateEvent = std::function<void(
    TObject* Sender, int ACol, int ARow, const QString& OldValue, QString& NewValue, bool& Valid)>;
using TSetCheckedEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetComboBoxEvent = std::function<void(TObject* Sender, int ACol, int ARow, TStrings*& Strs,
                                             int& Width, int& Height, bool& Sorted)>;
using TSetComboBoxEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const QString& Str)>;
using TSetEllipsisEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;

// Brings the grid's compiled-in pictures into the program; safe to call more than once.
void InitGridPictures();

class TSortGrid : public TMyStringGrid {
    friend class TSortPass;

public:
    explicit TSortGrid(TComponent* AOwner);
    ~TSortGrid() override;

    TSortOptions* SortOptions() { return &FSortOptions; }
    void SetSortOptions(const TSortOptions& Value) { FSortOptions.Assign(Value); }
    TPrintOptions* PrintOptions() { return &FPrintOptions; }
    bool HideRows() const { return FHideRows; }
    void SetHideRows(bool Value);
    bool Filtered() const { return FFiltered; }
    void SetFiltered(bool Value);
    // Rows moved past the end by the filter.
    int HiddenRowCount() const { return FHiddenRowCount; }
    bool MultiSelect() const { return FMultiSelect; }
    // Turning it on adds goRowSelect; turning it off takes nothing away.
    void SetMultiSelect(bool Value);
    // Shown at the cursor on a right-button release over a data row (and nowhere else, so it
    // stands apart from the control's own pop-up menu).
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value) {
        if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
        FPopupMenu = Value;
        if (Value) FreeNotification(Value);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TMyStringGrid::Notification(AComponent, Operation);
        if (Operation == TOperation::opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
    }
    TStringList* UserSettings() const { return FUserSettings.get(); }
    // Copies the lines (the grid keeps its own list, so passing UserSettings() is harmless).
    void SetUserSettings(const TStrings* Value);
    TAlignment AlignmentHorz() const { return FAlignmentHorz; }
    void SetAlignmentHorz(TAlignment Value);
    TVertAlignment AlignmentVert() const { return FAlignmentVert; }
    void SetAlignmentVert(TVertAlignment Value);
    TCellBevelStyle BevelStyle() const { return FBevelStyle; }
    void SetBevelStyle(TCellBevelStyle Value);
    bool ProportionalScrollBars() const { return FProportionalScrollBars; }
    void SetProportionalScrollBars(bool Value);
    bool ExtendedKeys() const { return FExtendedKeys; }
    void SetExtendedKeys(bool Value) { FExtendedKeys = Value; }
    bool Modified() const { return FModified; }
    void SetModified(bool Value);
    bool Sorting() const { return FSorting; }
    TStringList* SelectedRows() { return &FSelectedRows; }
    TStringList* SelectionOrder() { return &FSelectionOrder; }
    // The combo-box drop-down; hidden except while a combo-box cell is open.
    TListBox* DropDownList() const { return FDropDownList; }
    // True while the grid has the focus.
    bool Entered() const { return FEntered; }
    // Column and row colour settings; they take part in painting only when active.
    TFontSetting& ColumnSetting(int ACol) { return FColSettings.at(size_t(ACol)); }
    TFontSetting& RowSetting(int ARow) { return FRowSettings.at(size_t(ARow)); }
    // Comma-separated font colour, bold, italic, underline, brush colour, kept one past the
    // last column.
    QString RowFormatText(int ARow) const { return CellText(ColCount(), ARow); }
    void SetRowFormatText(int ARow, const QString& Value) { SetCellText(ColCount(), ARow, Value); }

    void GoToCell(int Col, int Row, bool ScrollIntoView);
    void ScrollToCell(int Col, int Row);
    void SortByColumn(int Col);
    void InsertRowAt(int Row);
    void InsertColumnAt(int Col);
    void RemoveRow(int Index) override;
    void RemoveColumn(int Index) override;
    void SwapRows(int A, int B);
    void AutoSizeColumn(int Col, bool Force);
    void BeginUpdate() override;
    void EndUpdate() override;
    // The format of a cell as the handler leaves it; the flags report the widgets it asked for.
    TFormatOptions GetCellFormat(int Col, int Row, TGridDrawState State, bool& CheckBox,
                                 bool& Combobox, bool& Ellipsis);
    // A header text cut to Room pixels in the canvas font: it ends in "..", at least 3 long.
    QString FitHeaderText(QString Text, int Room);
    // The click notification; it validates the cell edited last.
    void Click() override;
    // The drawing state a cell has now: fixed, focused, selected.
    TGridDrawState CellState(int Col, int Row) const;
    // Whether a cell shows a checked box: a check-box cell holding exactly "true".
    bool CellChecked(int Col, int Row);
    // Flips a check-box cell between "true" and empty.
    void ToggleCheckBox(int Col, int Row);
    // Opens the drop-down of a combo-box cell; false when the handler gives no lines.
    bool OpenComboBox(int Col, int Row);
    // Puts the drop-down's selected line into its cell and closes it.
    void PickComboBox();
    // The style ssAutomatic settles on for a column.
    TSortStyle DetectSortStyle(int Col) const;
    // One comparison of two sort items with the grid's options.
    static int CompareItems(const TSortItem& A, const TSortItem& B);

    TFormatDrawCellEvent OnGetCellFormat;
    TNotifyEvent OnModified;
    TNotifyEvent OnRowSelected;
    TRowEvent OnRowInsert, OnRowDelete, OnColumnInsert, OnColumnDelete;
    TNotifyEvent OnColumnWidthsChanged, OnRowHeightsChanged;
    TSizeChangedEvent OnSizeChanged;
    TSetFilterEvent OnSetFilter, OnSearch;
    TNotifyEvent OnEndUpdate;
    TGetSortStyleEvent OnGetSortStyle;
    TCellValidateEvent OnCellValidate;
    TSetCheckedEvent OnSetChecked;
    TGetComboBoxEvent OnGetComboBox;
    TSetComboBoxEvent OnSetComboBox;
    TSetEllipsisEvent OnSetEllipsis;
    TBeforeSortEvent BeforeSort;
    TAfterSortEvent AfterSort;
    // A drag of the selected rows began, or ended over Target (nullptr when let go elsewhere).
    TNotifyEvent OnStartDrag;
    std::function<void(TObject* Sender, TControl* Target)> OnEndDrag;

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void DoEnter() override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;

private:
    // Header room the sort arrow takes beside the text, and how far it pushes the text.
    static constexpr int SortArrowRoom = 12;
    static constexpr int SortArrowShift = 11;
    TPopupMenu* FPopupMenu = nullptr;
    // Cell drawing, step by step.
    TFormatOptions CellFormat(int ACol, int ARow, TGridDrawState AState, bool& CheckBox,
                              bool& Combobox, bool& Ellipsis);
    void ApplySelectionColours(int ACol, int ARow, TFormatOptions& F);
    void ApplyRowFormatText(int ARow);
    TPoint TextOffset(const TFormatOptions& F, const QString& Text, const TRect& ARect);
    void DrawSortArrow(const TRect& ARect);
    void DrawCheckBox(int ACol, int ARow, const TRect& ARect);
    void DrawWidgetButtons(int ACol, int ARow, const TRect& ARect, bool Combobox, bool Ellipsis);
    void DrawBevel(int ACol, int ARow, const TRect& ARect, const TFormatOptions& F);
    void DrawWidgetPicture(const char* Name, const TRect& ARect);
    void ApplySetting(const TFontSetting& S);
    void ResetSelection(int Row);

    // Multi-row selection (SortGridSelect.cpp).
    bool IsSelectedRow(int Row) const;
    void ClearSelection();
    void SelectRangeRows();
    void RowSelected();
    bool MultiSelectPress(TMouseButton Button, TShiftState Shift, const TGridCoord& Cell, int X,
                          int Y);
    void MultiSelectRelease(TShiftState Shift, int Row);
    void CtrlClickRow(int Row);
    bool ExtendedKey(unsigned Key, TShiftState Shift);
    void TypeAhead(QChar Key);
    void SetOption(TGridOption Option, bool On);
    // A row or column move runs without goAlwaysShowEditor; these take it off and put it back.
    bool SuspendAlwaysShowEditor();
    void ResumeAlwaysShowEditor(bool Was);
    void StartDrag();

    // Cell widgets and validation (SortGridWidgets.cpp).
    void CellWidgetRelease(int Col, int Row, int X, bool ByMouse);
    void RememberCell();
    void ValidateCell();
    void DropDownKeyUp(TObject* Sender, unsigned& Key, TShiftState Shift);

    // Filtering (SortGridFilter.cpp).
    void FilterOn();
    void FilterOff();
    bool RowEmpty(int Row) const;
    void MoveRows(int First, const std::vector<int>& Order);
    void StretchLastColumn();
    // Thumbs sized to the visible share of rows and columns.
    void UpdateProportionalBars();
    void HeaderDoubleClick(int X, int Y);
    void ResizeSettings(TFontList& List, int Count);

    TSortOptions FSortOptions;
    TPrintOptions FPrintOptions;
    std::unique_ptr<TStringList> FUserSettings;
    TFontList FColSettings, FRowSettings;
    TBitmap FUpArrow, FDownArrow;
    TStringList FSelectedRows, FSelectionOrder;
    bool FHideRows = false;
    bool FFiltered = false;
    bool FMultiSelect = false;
    TAlignment FAlignmentHorz = TAlignment::taLeftJustify;
    TVertAlignment FAlignmentVert = TVertAlignment::taTopJustify;
    TCellBevelStyle FBevelStyle = TCellBevelStyle::cbNone;
    bool FProportionalScrollBars = false;
    bool FExtendedKeys = false;
    bool FSorting = false;
    bool FModified = false;
    bool FSelectionFollows = true;
    bool FSavedUpdateOnSizeChange = false;
    int FMouseDownCol = -1, FMouseDownRow = -1;
    int FLastWidth = -1;
    TPoint FDragStart{-1, -1};
    bool FDragging = false;
    bool FTabDown = false;
    int FHiddenRowCount = 0;
    // The filter put an empty row 1 in place of the rows it hid.
    bool FFilterBlankRow = false;
    bool FEntered = false;
    struct TRememberedCell {
        int Col = -1, Row = -1;
        QString Text;
        bool Modified = false;
    } FRemembered;
    TListBox* FDropDownList = nullptr; // owned as a component of the grid
    TGridCoord FDropDownCell{-1, -1};
};
