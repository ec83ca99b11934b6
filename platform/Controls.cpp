#include "platform/Controls.h"
#include "platform/WidgetOf.h"

#include "platform/Forms.h"
#include "platform/HostWidget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHash>

namespace {

TControl* gCaptureControl = nullptr;
QHash<TCursor, QCursor>& CursorTable() {
    static QHash<TCursor, QCursor> table;
    return table;
}

} // namespace

void RegisterCursor(TCursor Id, const QCursor& Shape) {
    CursorTable().insert(Id, Shape);
}

QCursor CursorShape(TCursor Id) {
    switch (Id) {
    case crNone:
        return QCursor(Qt::BlankCursor);
    case crCross:
        return QCursor(Qt::CrossCursor);
    case crIBeam:
        return QCursor(Qt::IBeamCursor);
    case crSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS:
        return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE:
        return QCursor(Qt::SizeHorCursor);
    case crUpArrow:
        return QCursor(Qt::UpArrowCursor);
    case crHourGlass:
    case crSQLWait:
        return QCursor(Qt::WaitCursor);
    case crDrag:
    case crMultiDrag:
        return QCursor(Qt::DragMoveCursor);
    case crNoDrop:
    case crNo:
        return QCursor(Qt::ForbiddenCursor);
    case crHSplit:
        return QCursor(Qt::SplitHCursor);
    case crVSplit:
        return QCursor(Qt::SplitVCursor);
    case crAppStart:
        return QCursor(Qt::BusyCursor);
    case crHelp:
        return QCursor(Qt::WhatsThisCursor);
    case crHandPoint:
        return QCursor(Qt::PointingHandCursor);
    case crSizeAll:
        return QCursor(Qt::SizeAllCursor);
    default:
        break;
    }
    auto it = CursorTable().find(Id);
    return it != CursorTable().end() ? *it : QCursor(Qt::ArrowCursor);
}

TShiftState KeysToShiftState(unsigned Keys) {
    TShiftState s;
    if (Keys & MK_SHIFT) s.Include(TShiftStateItem::ssShift);
    if (Keys & MK_CONTROL) s.Include(TShiftStateItem::ssCtrl);
    if (Keys & MK_LBUTTON) s.Include(TShiftStateItem::ssLeft);
    if (Keys & MK_RBUTTON) s.Include(TShiftStateItem::ssRight);
    if (Keys & MK_MBUTTON) s.Include(TShiftStateItem::ssMiddle);
    if (Env().KeyModifiers() & 4) s.Include(TShiftStateItem::ssAlt);
    return s;
}

TShiftState KeyboardStateToShiftState() {
    const unsigned m = Env().KeyModifiers();
    TShiftState s;
    if (m & 1) s.Include(TShiftStateItem::ssShift);
    if (m & 2) s.Include(TShiftStateItem::ssCtrl);
    if (m & 4) s.Include(TShiftStateItem::ssAlt);
    return s;
}

TControl* GetCaptureControl() {
    return gCaptureControl;
}

void SetCaptureControl(TControl* Control) {
    if (gCaptureControl == Control) return;
    TControl* old = gCaptureControl;
    gCaptureControl = Control;
    if (old && old->IsWindowed()) {
        if (QWidget* w = static_cast<TWinControl*>(old)->HandleAllocated()
                             ? WidgetOf(static_cast<TWinControl*>(old))
                             : nullptr)
            if (QWidget::mouseGrabber() == w) w->releaseMouse();
    }
    if (old) old->Perform(WM_CAPTURECHANGED, 0, 0);
    // While a button is held Qt already sends every mouse event to the pressed widget; an
    // explicit grab on top of that loses the release on X11.
    if (Control && Control->IsWindowed() && QGuiApplication::mouseButtons() == Qt::NoButton) {
        if (QWidget* w = WidgetOf(static_cast<TWinControl*>(Control)); w && w->isVisible())
            w->grabMouse();
    }
}

bool IsAccel(unsigned VK, const QString& Caption) {
    for (int i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return Caption[i + 1].toUpper() == QChar(VK).toUpper();
    }
    return false;
}

TCustomForm* GetParentForm(const TControl* Control) {
    const TControl* c = Control;
    while (c && c->Parent()) c = c->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

// ---------------------------------------------------------------------------------------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = [this](TObject*) { FontChanged(); };
    FControlStyle = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                     TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks};
}

TControl::~TControl() {
    if (gCaptureControl == this) gCaptureControl = nullptr;
    ForgetMouseControl(this);
    if (FParent) FParent->RemoveControl(this);
}

void TControl::FontChanged() {
    FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParent(TWinControl* AParent) {
    if (FParent == AParent) return;
    if (AParent == this) return;
    if (FParent) FParent->RemoveControl(this);
    FParent = AParent;
    if (AParent) {
        AParent->InsertControl(this);
        // Take the parent's colour and font where they are inherited.
        Perform(CM_PARENTCOLORCHANGED);
        Perform(CM_PARENTFONTCHANGED);
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    DropDeferredSize(); // all four given: nothing left to measure
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    const TRect old = BoundsRect();
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    BoundsChanged(old);
    if (resized && !IsWindowed()) Resize();
    if (FParent && FAlign != TAlign::alNone) FParent->Realign();
}

void TControl::BoundsChanged(const TRect& OldBounds) {
    if (FParent && FVisible) {
        FParent->InvalidateRect(OldBounds);
        FParent->InvalidateRect(BoundsRect());
    }
}

void TControl::SetClientWidth(int Value) {
    SetWidth(Value + (FWidth - ClientWidth()));
}
void TControl::SetClientHeight(int Value) {
    SetHeight(Value + (FHeight - ClientHeight()));
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {Left(), Top()};
    const TPoint p = FParent->ClientOrigin();
    return {p.X + Left(), p.Y + Top()};
}

TPoint TControl::ClientToScreen(TPoint P) const {
    const TPoint o = ClientOrigin();
    return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
    const TPoint o = ClientOrigin();
    return {P.X - o.X, P.Y - o.Y};
}

void TControl::SetAlign(TAlign Value) {
    if (FAlign == Value) return;
    FAlign = Value;
    if (FParent) FParent->Realign();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
    if (FParent) {
        if (Value && FParent->HandleAllocated()) SettleSize(); // coming into sight
        FParent->InvalidateRect(Bounds(FLeft, FTop, FWidth, FHeight));
        if (FAlign != TAlign::alNone) FParent->Realign();
    }
}

void TControl::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (FParent && Value) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool Value) {
    if (FParentFont == Value) return;
    FParentFont = Value;
    if (FParent && Value) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const QString& Value) {
    if (GetText() == Value) return;
    SetTextValue(Value);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool Value) {
    FParentShowHint = false;
    FShowHint = Value;
}

void TControl::SetParentShowHint(bool Value) {
    FParentShowHint = Value;
}

bool TControl::EffectiveShowHint() const {
    if (FParentShowHint && FParent) return FParent->EffectiveShowHint();
    return FShowHint;
}

void TControl::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED);
}

bool TControl::MouseCapture() const {
    return gCaptureControl == this;
}

void TControl::SetMouseCapture(bool Value) {
    if (MouseCapture() == Value) return;
    SetCaptureControl(Value ? this : nullptr);
}

LRESULT TControl::Perform(unsigned Msg, WPARAM WParam, LPARAM LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::SendCancelMode(TControl* Sender) {
    if (TCustomForm* f = GetParentForm(this)) f->Perform(CM_CANCELMODE, 0, LPARAM(Sender));
}

void TControl::WndProc(TMessage& Message) {
    if (Message.Msg >= WM_MOUSEMOVE && Message.Msg <= WM_MBUTTONDBLCLK) {
        MouseMessage(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_CANCELMODE:
        if (MouseCapture()) {
            SetMouseCapture(false);
            FControlState.Exclude(TControlStateItem::csClicked);
        }
        break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_FONTCHANGED:
        Invalidate();
        return;
    case CM_PARENTCOLORCHANGED:
        if (FParentColor && FParent) {
            FColor = FParent->Color();
            Perform(CM_COLORCHANGED);
        }
        return;
    case CM_PARENTFONTCHANGED:
        if (FParentFont && FParent) {
            FFont.Assign(*FParent->Font());
            FParentFont = true;
        }
        return;
    case CM_HITTEST:
        Message.Result = HTCLIENT;
        return;
    case CM_VISIBLECHANGED:
        return;
    default:
        break;
    }
    DefaultHandler(Message);
}

void TControl::MouseMessage(TMessage& Message) {
    // Without double-click support the second press is an ordinary press.
    if (!FControlStyle.Contains(TControlStyleItem::csDoubleClicks) &&
        (Message.Msg == WM_LBUTTONDBLCLK || Message.Msg == WM_RBUTTONDBLCLK ||
         Message.Msg == WM_MBUTTONDBLCLK))
        Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    // The window's own handling first, as the framework did.
    DefaultHandler(Message);
    const TShiftState dbl{TShiftStateItem::ssDouble};
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        return LeftButtonDown(Message, false);
    case WM_LBUTTONDBLCLK:
        return LeftButtonDown(Message, true);
    case WM_RBUTTONDOWN:
        return DoMouseDown(Message, TMouseButton::mbRight, {});
    case WM_RBUTTONDBLCLK:
        return DoMouseDown(Message, TMouseButton::mbRight, dbl);
    case WM_MBUTTONDOWN:
        return DoMouseDown(Message, TMouseButton::mbMiddle, {});
    case WM_MBUTTONDBLCLK:
        return DoMouseDown(Message, TMouseButton::mbMiddle, dbl);
    case WM_LBUTTONUP:
        return LeftButtonUp(Message);
    case WM_RBUTTONUP:
        return DoMouseUp(Message, TMouseButton::mbRight);
    case WM_MBUTTONUP:
        return DoMouseUp(Message, TMouseButton::mbMiddle);
    default: {
        const TPoint p = PointFromLParam(Message.LParam);
        MouseMove(KeysToShiftState(unsigned(Message.WParam)), p.X, p.Y);
    }
    }
}

void TControl::LeftButtonDown(TMessage& Message, bool Double) {
    if (FControlStyle.Contains(TControlStyleItem::csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(TControlStyleItem::csClickEvents)) {
        if (Double)
            DblClick();
        else
            FControlState.Include(TControlStateItem::csClicked);
    }
    DoMouseDown(Message, TMouseButton::mbLeft,
                Double ? TShiftState{TShiftStateItem::ssDouble} : TShiftState{});
}

void TControl::LeftButtonUp(TMessage& Message) {
    if (FControlStyle.Contains(TControlStyleItem::csCaptureMouse)) SetMouseCapture(false);
    if (FControlState.Contains(TControlStateItem::csClicked)) {
        FControlState.Exclude(TControlStateItem::csClicked);
        if (PtInRect(ClientRect(), PointFromLParam(Message.LParam))) Click();
    }
    DoMouseUp(Message, TMouseButton::mbLeft);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
    const TPoint p = PointFromLParam(Message.LParam);
    MouseDown(Button, KeysToShiftState(unsigned(Message.WParam)) + Shift, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
    const TPoint p = PointFromLParam(Message.LParam);
    MouseUp(Button, KeysToShiftState(unsigned(Message.WParam)), p.X, p.Y);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

QWidget* TControl::HostWidget() const {
    return FParent && FParent->HandleAllocated() ? WidgetOf(FParent) : nullptr;
}

void TControl::Invalidate() {
    // Where it was drawn; a deferred size, once settled, invalidates its new place itself.
    if (FParent && FVisible) FParent->InvalidateRect(Bounds(FLeft, FTop, FWidth, FHeight));
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    if (!FParent || !FVisible) return;
    if (QWidget* w = HostWidget()) {
        w->repaint(QRect(FLeft, FTop, FWidth, FHeight));
    }
}

void TControl::BringToFront() {
    if (FParent) FParent->SetChildZOrder(this, true);
}

void TControl::SendToBack() {
    if (FParent) FParent->SetChildZOrder(this, false);
}

// ---------------------------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
    return FCanvas.get();
}

void TGraphicControl::PaintIn(QPainter& Painter, const QRegion& Clip) {
    TCanvas* c = Canvas();
    c->BeginPaint(&Painter, Clip);
    const TPoint o = Parent() ? Parent()->ClientOffset() : TPoint{};
    c->MoveOrigin(Left() + o.X, Top() + o.Y);
    c->SetFont(*Font());
    try {
        Perform(WM_PAINT);
    } catch (...) {
        c->EndPaint();
        throw;
    }
    c->EndPaint();
}

void TGraphicControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_PAINT) {
        if (Canvas()->HandleAllocated()) Paint();
        return;
    }
    TControl::WndProc(Message);
}
