#pragma once
// Controls: the graphic control (no window of its own: its parent paints it and routes the
// mouse to it) and the windowed control (one QWidget, whose Qt events become messages).

#include "platform/Canvas.h"
#include "platform/Classes.h"
#include "platform/Colors.h"
#include "platform/Messages.h"

#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class TWinControl;
class TCustomForm;
class QEvent;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum class TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csParentBackground
};
using TControlStyle = TSet<TControlStyleItem>;

enum class TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking
};
using TControlState = TSet<TControlStateItem>;

using TCursor = int;
enum : int {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crSQLWait = -17,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22
};
// Registers the shape of an application cursor number (positive numbers).
void RegisterCursor(TCursor Id, const QCursor& Shape);
QCursor CursorShape(TCursor Id);

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

    int Left() const {
        SettleSize();
        return FLeft;
    }
    int Top() const {
        SettleSize();
        return FTop;
    }
    int Width() const {
        SettleSize();
        return FWidth;
    }
    int Height() const {
        SettleSize();
        return FHeight;
    }
    void SetLeft(int Value) { SetBoundsPart(0, Value); }
    void SetTop(int Value) { SetBoundsPart(1, Value); }
    void SetWidth(int Value) { SetBoundsPart(2, Value); }
    void SetHeight(int Value) { SetBoundsPart(3, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const {
        SettleSize();
        return Bounds(FLeft, FTop, FWidth, FHeight);
    }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    virtual TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }
    // A control sized by its text measures it only once in sight (platform/DeferredSize.cpp),
    // so that nothing loads fonts before they are needed; reading its bounds settles it.
    void SettleSize() const {
        if (FSizeDeferred) const_cast<TControl*>(this)->SettleDeferredSize();
    }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int Value);
    void SetClientHeight(int Value);
    // The client area's top-left corner in screen coordinates.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown form visible too.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont* Font() { return &FFont; }
    const TFont* Font() const { return &FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);

    QString Caption() const { return GetText(); }
    void SetCaption(const QString& Value) { SetText(Value); }
    QString Text() const { return GetText(); }
    void SetText(const QString& Value);

    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    // ShowHint as inherited from the parents while ParentShowHint holds.
    bool EffectiveShowHint() const;
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TComponent* Value) { FPopupMenu = Value; }

    TControlStyle& ControlStyle() { return FControlStyle; }
    const TControlStyle& ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState& ControlState() { return FControlState; }
    const TControlState& ControlState() const { return FControlState; }

    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    // The message chain: every class extends WndProc and passes what it leaves to the
    // inherited one; the last stop is DefaultHandler.
    virtual void WndProc(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);
    LRESULT Perform(unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);

    virtual void Invalidate();
    // Paints now whatever is invalid.
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;

    // Graphic controls are painted by their parent through this.
    virtual bool IsWindowed() const { return false; }

protected:
    // The widget that shows this control: its own for windowed controls, else the parent's.
    virtual QWidget* HostWidget() const;
    virtual QString GetText() const { return FText; }
    virtual void SetTextValue(const QString& Value) { FText = Value; }
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Resize();
    virtual void Changed() {}
    // The control's own part of moving: graphic controls repaint their old and new places.
    virtual void BoundsChanged(const TRect& OldBounds);
    void SendCancelMode(TControl* Sender);
    // Puts off measuring until SettleSize; bounds set meanwhile win over the measured ones.
    void DeferSize();
    void DropDeferredSize() {
        FSizeDeferred = false;
        FPartsSetWhileDeferred = 0;
    }
    // The bounds the control's text asks for, from the bounds it has now.
    virtual TRect MeasuredBounds() { return Bounds(FLeft, FTop, FWidth, FHeight); }
    // Stores a position and size that the window system has already applied.
    void SetBoundsRaw(int ALeft, int ATop, int AWidth, int AHeight) {
        FLeft = ALeft;
        FTop = ATop;
        FWidth = AWidth;
        FHeight = AHeight;
    }

    TFont FFont;
    TColor FColor = clWindow;
    QString FText;

private:
    void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TMessage& Message, TMouseButton Button);
    void MouseMessage(TMessage& Message);
    void LeftButtonDown(TMessage& Message, bool Double);
    void LeftButtonUp(TMessage& Message);
    void FontChanged();
    void SettleDeferredSize();
    void SetBoundsPart(int Part, int Value);

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    bool FSizeDeferred = false;
    unsigned char FPartsSetWhileDeferred = 0; // bit i: FDeferredParts[i] was set
    int FDeferredParts[4] = {};
    TAlign FAlign = TAlign::alNone;
    bool FVisible = true;
    bool FEnabled = true;
    bool FParentColor = true;
    bool FParentFont = true;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TComponent* FPopupMenu = nullptr;
    TControlStyle FControlStyle;
    TControlState FControlState;
};

// A control without a window: it draws on its parent's surface in its parent's paint pass.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    TCanvas* Canvas();
    // Called by the parent's paint pass with the canvas set up on this control's rectangle.
    void PaintIn(QPainter& Painter, const QRegion& Clip);

protected:
    virtual void Paint() {}
    void WndProc(TMessage& Message) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};

class THostWidget;

using TInvalidateSpy = std::function<void(const TWinControl* Control, const TRect& Area)>;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    bool HandleAllocated() const { return FWidget != nullptr; }
    void HandleNeeded() const { (void)Handle(); }

    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetVisible(bool Value) override;
    void SetEnabled(bool Value) override;
    bool Showing() const override;
    TPoint ClientOrigin() const override;
    // Where the client area starts in the window: past a border drawn outside it. Children,
    // mouse positions and invalidated rectangles are in client coordinates; the control's own
    // painting is in window coordinates.
    virtual TPoint ClientOffset() const { return {}; }

    // Child controls in z-order (first is bottom-most).
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(Index); }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;
    // The topmost child at Pos (client coordinates); graphic children unless AllowWinControls.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;
    void Broadcast(TMessage& Message);
    void NotifyControls(unsigned Msg);
    void SetChildZOrder(TControl* Child, bool TopMost);
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { FTabStop = Value; }
    int TabOrder() const;
    void SetTabOrder(int Value);
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    void Invalidate() override;
    void InvalidateRect(const TRect& R);
    // Counted paint lock: while any lock is held the window shows no repaints; releasing the
    // last one lets it paint again and repaints it whole (see also TUpdateLock).
    void LockUpdates();
    void UnlockUpdates();
    bool UpdatesLocked() const { return FUpdateLocks > 0; }
    // The cursor shown over the window now (crDefault: the window's own), leaving Cursor as it is.
    void SetShownCursor(TCursor Shape);
    void Update() override;
    void Repaint() override;
    // Moves the pixels of R by (DX, DY) and invalidates only what is uncovered.
    void ScrollWindow(int DX, int DY, const TRect& R);
    void PaintControls(QPainter& Painter, const QRegion& Clip, TControl* First);

    // Window timers: WM_TIMER with WParam = Id every Interval milliseconds.
    void SetTimer(unsigned Id, int Interval);
    void KillTimer(unsigned Id);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // Sees every area this control invalidates (tests assert minimal repaints with it).
    static TInvalidateSpy& InvalidateSpy();

    // Hooks on the window procedure, as a window's procedure was subclassed: a hook sees what
    // the window system delivers (not what Perform sends) before the control, may keep the
    // control from handling it, and sees it again afterwards. The newest hook runs outermost.
    using TWindowHookBefore = std::function<void(TMessage& Message, bool& CallDefault)>;
    using TWindowHookAfter = std::function<void(TMessage& Message)>;
    // Returns the hook's id, or 0 when the window is going away and cannot be hooked.
    int HookWindowProc(TWindowHookBefore Before, TWindowHookAfter After);
    void UnhookWindowProc(int Id);
    // Delivers a message as the window system does: through the hooks to WndProc.
    LRESULT SendWindowMessage(unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);

    // Called by the host widget: turns a Qt event into messages. Returns true when handled.
    bool HandleQtEvent(QEvent* Event, const std::function<bool(QEvent*)>& Default);
    // The painter of the paint pass in progress, or nullptr outside one.
    QPainter* PaintPainter() const { return FPaintPainter; }
    // What the control shows in Area of its client (its background and graphic children, not
    // its windowed children) drawn onto Canvas at Dest, over Background.
    void PaintAreaTo(const TRect& Area, TColor Background, TCanvas& Canvas, const TRect& Dest);
    // Drawings made outside a paint pass; XORed over the content when the widget paints.
    QImage* Overlay() const;
    void OverlayChanged() const;

protected:
    // Makes the control's widget; controls built on a Qt widget return their own kind.
    virtual QWidget* CreateWidget(QWidget* ParentWidget);
    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    virtual void PaintWindow(QPainter& Painter, const QRegion& Clip);
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void KeyDown(unsigned& Key, TShiftState Shift);
    virtual void KeyUp(unsigned& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void CreateWnd() {}
    bool IsNativeWidget() const { return FNative; }
    void SetNativeWidget(bool Value) { FNative = Value; }
    void BoundsChanged(const TRect& OldBounds) override;
    // After ClientOffset changed: the windowed children move with the client area.
    void ClientOffsetChanged();
    // The control's widget, made on first use; code outside the platform never touches it.
    QWidget* Handle() const;
    QWidget* HostWidget() const override { return Handle(); }
    friend class TCustomForm;
    friend class TControl;
    friend QWidget* WidgetOf(const TWinControl* Control);
    friend struct TQtEventTranslation;
    friend struct TWinControlMessages;

private:
    bool IsControlMouseMsg(TMessage& Message);
    void UpdateMouseControl(TPoint Pos);
    void PaintHandler(QPainter& Painter, const QRegion& Clip);
    void DeliverKey(QEvent* Event, const std::function<bool(QEvent*)>& Default);
    void Dispatch(TMessage& Message, QEvent* Event, const std::function<bool(QEvent*)>* Default);
    void SyncWidgetGeometry() const;
    struct TWindowHook;
    // Marks its hooks removed when the control goes, so a message in flight calls none of them.
    struct TWindowHookList {
        std::vector<std::shared_ptr<TWindowHook>> Items;
        ~TWindowHookList();
    };
    void WindowProcedure(TMessage& Message);
    void CallHooks(TMessage& Message, const std::vector<std::shared_ptr<TWindowHook>>& Hooks,
                   size_t Count);

    mutable QWidget* FWidget = nullptr;
    mutable std::unique_ptr<QImage> FOverlay;
    std::vector<TControl*> FControls;
    bool FTabStop = false;
    int FTabOrderValue = 0;
    bool FNative = false;
    int FAlignLevel = 0;
    QPainter* FPaintPainter = nullptr;
    QEvent* FCurrentEvent = nullptr;
    const std::function<bool(QEvent*)>* FCurrentDefault = nullptr;
    // The message the Qt event became: only its own default handling may pass the event to Qt,
    // not messages performed on the control while it is being handled.
    const TMessage* FCurrentMessage = nullptr;
    bool FDefaultResult = false;
    std::map<int, unsigned> FTimers; // Qt timer id -> our id
    TWindowHookList FHooks;
    int FLastHookId = 0;
    int FUpdateLocks = 0;
};

// A windowed control that paints itself on a canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    TCanvas* Canvas() { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(QPainter& Painter, const QRegion& Clip) override;

private:
    class TOverlayCanvas;
    std::unique_ptr<TCanvas> FCanvas;
};

TCustomForm* GetParentForm(const TControl* Control);
// The control that receives the mouse while it is captured, or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The windowed control that has the keyboard focus, as messages last told it.
TWinControl* FocusedWinControl();
// The topmost control at a screen point: windowed or graphic, disabled ones included.
TControl* FindControlAtScreen(TPoint ScreenPos);
// Records the focused control as Qt reports it, without sending messages.
void SetFocusedWinControlRaw(TWinControl* Control);
// The platform's virtual key code of a Qt key (0 when there is none).
unsigned QtKeyToVirtualKey(int Key);
// Forgets a control that goes away as the one the mouse is over.
void ForgetMouseControl(TControl* Control);
// The control the mouse was last over (graphic or windowed), or nullptr.
TControl* MouseControl();
// Tells the application that a control went away as the focused one.
void ForgetFocusedControl(TWinControl* Control);
// Reports an exception caught in event handling through the application (defined with it).
void ApplicationHandleException(TObject* Sender);
// The windowed control that owns a widget, or nullptr.
TWinControl* FindControl(const QWidget* Widget);
// The accelerator rule: "&x" in Caption marks x; the comparison ignores case.
bool IsAccel(unsigned VK, const QString& Caption);
