#pragma once
// MyGrids: a general grid control. TMyCustomGrid holds layout, painting, scrolling, selection,
// sizing and moving of rows and columns, keyboard and mouse handling and the in-place editor;
// what a cell shows is left to DrawCell. TMyCustomDrawGrid turns the overridable operations into
// events and TMyDrawGrid is the ready-made control.

#include "grid/MyGridsTypes.h"
#include "platform/ExtCtrls.h"
#include "platform/ScrollBars.h"
#include "platform/StdCtrls.h"

#include <vector>

class TMyCustomGrid;
class TInplaceEdit;

// One axis of the visible layout, computed from the client size.
struct AxisMetrics {
    int LineWidth = 0;    // GridLineWidth when this axis draws lines, else 0
    int FixedEnd = 0;     // where the scrolling area starts
    int FixedCount = 0;   // fixed columns or rows
    int FirstCell = 0;    // first visible scrollable cell
    int CellCount = 0;    // ColCount or RowCount
    int ClientExtent = 0; // client width or height
    int CellsEnd = 0;     // end of the last visible cell, clipped to ClientExtent
    int LastFullCell = 0; // last wholly visible cell
    int FullEnd = 0;      // and its end
    const TMyCustomGrid* Grid = nullptr;
    bool Columns = true;
    int Extent(int Index) const;
};

struct DrawMetrics {
    AxisMetrics Horz, Vert;
};

// The edit control's notification, in WM_COMMAND's high word, that its text changed.
constexpr unsigned EN_CHANGE = 0x0300;

using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TMyCustomGrid : public TCustomControl {
    friend class TInplaceEdit;

public:
    explicit TMyCustomGrid(TComponent* AOwner);
    ~TMyCustomGrid() override;

    // Size and layout.
    int ColCount() const { return FColCount; }
    void SetColCount(int Value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int Value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const {
        return Index < FColCount && Index < FColWidths.Count() ? FColWidths.Get(Index)
                                                               : FDefaultColWidth;
    }
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const {
        return Index < FRowCount && Index < FRowHeights.Count() ? FRowHeights.Get(Index)
                                                                : FDefaultRowHeight;
    }
    void SetRowHeights(int Index, int Value);
    bool TabStops(int Index) const;
    void SetTabStops(int Index, bool Value);
    bool SaveCellExtents() const { return FSaveCellExtents; }
    void SetSaveCellExtents(bool Value) { FSaveCellExtents = Value; }
    // Stored-property support: the integer lists written when the extents are saved.
    bool StoreColWidths() const { return FSaveCellExtents && FColWidths.Exists(); }
    bool StoreRowHeights() const { return FSaveCellExtents && FRowHeights.Exists(); }
    std::vector<int> ColWidthsList() const;
    std::vector<int> RowHeightsList() const;
    void ReadColWidths(const std::vector<int>& Values);
    void ReadRowHeights(const std::vector<int>& Values);

    // Looks.
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    // The frame BorderStyle draws around the client area: 2 pixels with Ctl3D, else 1.
    int BorderExtent() const;
    TPoint ClientOffset() const override { return {BorderExtent(), BorderExtent()}; }
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == TBiDiMode::bdRightToLeft; }

    // Current cell, selection and view.
    int CurrentCol() const { return FCurrent.X; }
    void SetCurrentCol(int Value);
    int CurrentRow() const { return FCurrent.Y; }
    void SetCurrentRow(int Value);
    int FirstVisibleCol() const { return FTopLeft.X; }
    void SetFirstVisibleCol(int Value);
    int FirstVisibleRow() const { return FTopLeft.Y; }
    void SetFirstVisibleRow(int Value);
    TGridRect SelectedRect() const;
    TGridCoord Anchor() const { return FAnchor; }
    int VisibleColCount() const;
    int VisibleRowCount() const;
    int ColOffset() const { return FColOffset; }

    TRect CellBounds(int ACol, int ARow) const;
    TGridCoord CellAtPoint(int X, int Y) const;
    DrawMetrics CalcDrawMetrics() const;
    TRect ClientRect() const override;

    void MoveColumnTo(int FromIndex, int ToIndex);
    void MoveRowTo(int FromIndex, int ToIndex);
    virtual void RemoveColumn(int Index);
    virtual void RemoveRow(int Index);
    virtual void BeginUpdate();
    virtual void EndUpdate();
    bool NowUpdating() const { return FNowUpdating; }
    TGridState GridState() const { return FGridState; }

    // The in-place editor.
    bool EditorActive() const { return FEditorMode; }
    void SetEditorActive(bool Value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    TGridCoord EditorCell() const { return {FInplaceCol, FInplaceRow}; }
    void RefreshEditor();
    void OpenEditor();
    void CloseEditor();
    // Writes the editor's text back, forgets its cell and hides its window.
    void HideEditorWindow();
    // Makes the editor load its cell again.
    void ForceEditorReload();

    void InvalidateCell(int ACol, int ARow);
    void InvalidateColumn(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGridRect(const TGridRect& R);
    void InvalidateGrid() { Invalidate(); }

    TWindowScrollBars& WindowScrollBars() { return FWindowBars; }

    TNotifyEvent OnBeginUpdate;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    // Overridable operations, in the order of their slots.
    void Paint() override;
    virtual TGridState CalcSizingState(int X, int Y, int& Index, int& SizingPos, int& SizingOfs,
                                       const DrawMetrics& M);
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) = 0;
    virtual bool SelectCell(int ACol, int ARow);
    // (RemoveColumn, RemoveRow, BeginUpdate and EndUpdate are public above.)

    // Further notifications and queries.
    virtual bool CanEditAcceptKey(QChar Key);
    virtual bool CanGridAcceptKey(unsigned Key, TShiftState Shift);
    virtual bool CanEditModify();
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual QString GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void TopLeftChanged();
    virtual void TimedScroll(TGridScrollDirections Direction);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual bool BeginColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool CheckColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool EndColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool BeginRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool CheckRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool EndRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);

    // Current cell and selection.
    void SetCurrentCell(int ACol, int ARow, bool MoveAnchor, bool Show);
    void ExtendSelection(TGridCoord NewAnchor);
    void ScrollCellIntoView(TGridCoord Coord);
    void SetTopLeft(int ALeft, int ATop);
    bool IsActiveControl() const;
    // Right-to-left painting runs on a mirrored canvas; cell drawing that wants plain client
    // coordinates switches the mirror off and on again around its work.
    void MirrorCanvas(bool On);
    bool IsDesigning() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }
    // The largest first visible cell that still shows Coord whole, per axis.
    TGridCoord CalcMaxTopLeft(TGridCoord Coord, const DrawMetrics& M) const;
    void UpdateScrollRange();
    void UpdateScrollPos();

    // Input.
    void WndProc(TMessage& Message) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;

private:
    // The client area before the scroll bars take their room: inside the frame.
    TRect InnerRect() const;
    void DrawBorder();
    void BorderChanged();
    DrawMetrics CalcDrawMetricsXY(int ClientWidth, int ClientHeight) const;
    void CalcAxis(AxisMetrics& A, int FixedCount, int FirstCell, int CellCount,
                  int ClientExtent) const;
    TRect GridRectToScreenRect(TGridRect R, bool IncludeLine) const;
    void InvalidateGridRectWith(const TGridRect& R);
    void ResetView();
    void ChangeSize(int NewColCount, int NewRowCount);
    void ApplySizeChange(int OldColCount, int OldRowCount, const DrawMetrics* Old);
    void SelectionMoved(const TGridRect& OldSel);
    void TopLeftMoved(TGridCoord OldTopLeft);
    void ModifyScrollBar(int Bar, unsigned Code, int Pos, bool UseRightToLeft);
    void ModifyPixelScrollBar(unsigned Code, int Pos);
    void ModifyColOffset(int Value);
    void SetScrollPosIfChanged(int Bar, int Value);
    void ApplyScrollBarStyle();
    void CurrentCellChangedByUser();

    // Painting (MyGridsPaint.cpp).
    void DrawLines(const DrawMetrics& M, bool DoHorz, bool DoVert, int Col, int Row,
                   const TRect& Area, TColor OnColor, TColor OffColor);
    void DrawAxisLines(const DrawMetrics& M, bool Vertical, int Cell, const TRect& Area,
                       TColor Color);
    void DrawCells(const DrawMetrics& M, int ACol, int ARow, int StartX, int StartY, int StopX,
                   int StopY, TColor AColor, TGridDrawState AState);

    // Messages by kind, and where a key moves the current and first visible cell
    // (MyGridsInput.cpp).
    bool EditorMessage(TMessage& Message);
    bool FocusMessage(TMessage& Message);
    bool MouseMessage(TMessage& Message);
    bool WindowMessage(TMessage& Message);
    int PageWidth(const DrawMetrics& M) const;
    int PageHeight(const DrawMetrics& M) const;
    void CtrlKeyMove(unsigned Key, const DrawMetrics& M, TGridCoord& TopLeft, TGridCoord& Current);
    void PlainKeyMove(unsigned Key, TShiftState& Shift, const DrawMetrics& M, TGridCoord& TopLeft,
                      TGridCoord& Current);
    void TabMove(TShiftState& Shift, TGridCoord& Current);
    void ApplyKeyMove(TGridCoord TopLeft, TGridCoord Current, TShiftState Shift,
                      const DrawMetrics& M);

    // Mouse work (MyGridsInput.cpp).
    void DrawSizingLine(const DrawMetrics& M);
    void DrawMoveLine();
    void MoveAndScroll(int Mouse, int CellHit, const AxisMetrics& Axis, int ScrollBar,
                       TPoint MousePt);
    void UpdateMoveTarget(TPoint MousePt);
    void OnTimerTick();
    void CancelMode();
    void UpdateCursor();
    void DoWheel(bool Down, WPARAM WParam, LPARAM LParam, LRESULT& Result);
    void PostCharToEditor(QChar Ch);

    // Editor work (MyGridsEditor.cpp).
    void LoadEditor();
    bool EditorFocused() const;

    ExtentArray FColWidths, FRowHeights, FTabStops;
    TGridCoord FAnchor{1, 1};
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FCanEditModify = true;
    int FColCount = 5;
    TGridCoord FCurrent{1, 1};
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FFixedCols = 1;
    int FFixedRows = 1;
    TColor FFixedColor = clBtnFace;
    int FGridLineWidth = 1;
    TGridOptions FOptions;
    int FRowCount = 5;
    TScrollStyle FScrollBars = TScrollStyle::ssBoth;
    TGridCoord FTopLeft{1, 1};
    int FSizingIndex = 0, FSizingPos = 0, FSizingOfs = 0;
    int FMoveIndex = 0, FMovePos = 0;
    TPoint FHitTest;
    TInplaceEdit* FInplaceEdit = nullptr; // owned as a component of the grid
    int FInplaceCol = -1, FInplaceRow = -1;
    int FColOffset = 0;
    bool FDefaultDrawing = true;
    bool FEditorMode = false;
    bool FNowUpdating = false;
    TGridState FGridState = TGridState::gsNormal;
    bool FSaveCellExtents = true;
    TGridOptions FDesignOptionsBoost;
    bool FCtl3D = true;
    TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
    bool FUpdatingScrollRange = false;
    bool FMoveLineShown = false;
    bool FFocusFromEditor = false;
    TWindowScrollBars FWindowBars;
};

// Turns the overridable operations into events.
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TRect& Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSetEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

class TMyCustomDrawGrid : public TMyCustomGrid {
public:
    using TMyCustomGrid::TMyCustomGrid;

    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    QString GetEditMask(int ACol, int ARow) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void TopLeftChanged() override;
};

// The published grid; its own work is all inherited.
class TMyDrawGrid : public TMyCustomDrawGrid {
public:
    using TMyCustomDrawGrid::TMyCustomDrawGrid;
};

// The editor window over the current cell; owned by its grid.
class TInplaceEdit : public TCustomEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);

    TMyCustomGrid* Grid() const { return FGrid; }
    void SetGrid(TMyCustomGrid* Value) { FGrid = Value; }
    const QString& EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Value) { FEditMask = Value; }
    // Message time (ms) of the grid's last left-button press; 0 when cleared.
    unsigned ClickTime() const { return FClickTime; }
    void SetClickTime(unsigned Value) { FClickTime = Value; }
    // Caret to the end, nothing selected.
    void Deselect();
    // Loads the current cell of the grid.
    void UpdateContents();
    // Shows the editor at R (an empty R hides it); Repaint forces the area to repaint.
    void PlaceAt(const TRect& R, bool Repaint);
    void HideWindow();
    bool Loading() const { return FLoading; }
    void DblClick() override;

protected:
    void WndProc(TMessage& Message) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void CreateWnd() override;

private:
    void InvalidateArea();

    TMyCustomGrid* FGrid = nullptr;
    unsigned FClickTime = 0;
    QString FEditMask;
    bool FLoading = false;
};

// Milliseconds of the environment's clock: the message time the editor compares against.
unsigned GridMessageTime();
