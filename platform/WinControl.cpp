#include "platform/Controls.h"
#include "platform/WidgetOf.h"

#include "platform/Forms.h"
#include "platform/HostWidget.h"
#include "platform/Menus.h"
#include "platform/WidgetCreation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace {

QHash<const QWidget*, TWinControl*>& Registry() {
    static QHash<const QWidget*, TWinControl*> registry;
    return registry;
}

TControl* gMouseControl = nullptr;
TWinControl* gFocused = nullptr;

} // namespace

void RegisterWidget(const QWidget* Widget, TWinControl* Control) {
    Registry().insert(Widget, Control);
}
void UnregisterWidget(const QWidget* Widget) {
    Registry().remove(Widget);
}

TWinControl* FindControl(const QWidget* Widget) {
    for (const QWidget* w = Widget; w; w = w->parentWidget()) {
        auto it = Registry().find(w);
        if (it != Registry().end()) return *it;
    }
    return nullptr;
}

void PrepareHostWidget(QWidget* Widget, bool Native) {
    Widget->setMouseTracking(true);
    Widget->setAttribute(Qt::WA_Hover, false);
    if (!Native) {
        Widget->setAttribute(Qt::WA_OpaquePaintEvent, true);
        Widget->setAutoFillBackground(false);
        Widget->setFocusPolicy(Qt::NoFocus);
    }
}

TControl* MouseControl() {
    return gMouseControl;
}

void ForgetMouseControl(TControl* Control) {
    if (gMouseControl == Control) gMouseControl = nullptr;
}

TWinControl* FocusedWinControl() {
    return gFocused;
}

void SetFocusedWinControlRaw(TWinControl* Control) {
    gFocused = Control;
}

void ForgetFocusedControl(TWinControl* Control) {
    if (gFocused == Control) gFocused = nullptr;
}

TInvalidateSpy& TWinControl::InvalidateSpy() {
    static TInvalidateSpy spy;
    return spy;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
    FColor = clBtnFace;
}

TWinControl::~TWinControl() {
    // The form must not keep a focused or active control that no longer exists.
    if (TCustomForm* f = GetParentForm(this); f && f != this) f->ControlGone(this);
    SetDestroying();
    // Children first, while this control's widget still exists.
    DestroyComponents();
    for (TControl* c : std::vector<TControl*>(FControls)) c->SetParent(nullptr);
    ForgetFocusedControl(this);
    if (FWidget) {
        UnregisterWidget(FWidget);
        if (auto* h = dynamic_cast<THostBase*>(FWidget)) h->Detach();
        FWidget->removeEventFilter(nullptr);
        QWidget* w = FWidget;
        FWidget = nullptr;
        delete w;
    }
}

QWidget* TWinControl::CreateWidget(QWidget* ParentWidget) {
    return new THost<QWidget>(const_cast<TWinControl*>(this), ParentWidget);
}

QWidget* TWinControl::Handle() const {
    if (FWidget) return FWidget;
    auto* self = const_cast<TWinControl*>(this);
    // Settling the size may already have asked for the widget.
    SettleSize();
    if (FWidget) return FWidget;
    QWidget* parentWidget = Parent() ? WidgetOf(Parent()) : nullptr;
    FWidget = self->CreateWidget(parentWidget);
    RegisterWidget(FWidget, self);
    PrepareHostWidget(FWidget, FNative);
    SyncWidgetGeometry();
    FWidget->setEnabled(Enabled());
    if (Cursor() != crDefault) FWidget->setCursor(CursorShape(Cursor()));
    if (Parent()) {
        StackNewWidget(self);
        FWidget->setVisible(Visible());
    }
    self->CreateWnd();
    // The graphic children are in sight with their parent: they measure now, not while painting.
    for (TControl* c : FControls)
        if (!c->IsWindowed() && c->Visible()) c->SettleSize();
    return FWidget;
}

void TWinControl::SyncWidgetGeometry() const {
    if (!FWidget) return;
    const TPoint o = Parent() ? Parent()->ClientOffset() : TPoint{};
    FWidget->setGeometry(Left() + o.X, Top() + o.Y, std::max(0, Width()), std::max(0, Height()));
}

void TWinControl::ClientOffsetChanged() {
    for (TControl* c : FControls)
        if (c->IsWindowed()) static_cast<TWinControl*>(c)->SyncWidgetGeometry();
    if (FWidget) FWidget->update();
}

void TWinControl::SetParent(TWinControl* AParent) {
    if (Parent() == AParent) return;
    TControl::SetParent(AParent);
    if (AParent) {
        // Without a widget yet, the control gets one when it comes into sight.
        if (!FWidget) {
            if (Visible() && InSightOn(AParent)) (void)Handle();
            return;
        }
        QWidget* pw = WidgetOf(AParent);
        if (FWidget->parentWidget() != pw) {
            FWidget->setParent(pw);
            SyncWidgetGeometry();
            StackNewWidget(this);
        }
        FWidget->setVisible(Visible());
    } else if (FWidget && !IsDestroying()) {
        FWidget->hide();
        FWidget->setParent(nullptr);
    }
}

void TWinControl::BoundsChanged(const TRect&) {
    SyncWidgetGeometry();
    if (Visible()) SiblingsUncovered(Parent());
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    DropDeferredSize();
    const bool resized = AWidth != Width() || AHeight != Height();
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    // Without a shown widget no resize event comes back; align and tell the control now.
    if (resized && (!FWidget || !FWidget->isVisible())) {
        Realign();
        Perform(WM_SIZE, 0, MakeLParam(ClientWidth(), ClientHeight()));
    }
}

void TWinControl::SetVisible(bool Value) {
    if (Visible() == Value) return;
    TControl::SetVisible(Value);
    if (FWidget && Parent()) {
        // Hiding the focused control leaves the focus with the form; Qt would hand it on to
        // the next widget, which the desktop never did.
        QWidget* focus = QApplication::focusWidget();
        if (!Value && focus && (focus == FWidget || FWidget->isAncestorOf(focus)))
            if (QWidget* top = FWidget->window()) top->setFocus(Qt::OtherFocusReason);
        FWidget->setVisible(Value);
    }
    // Coming into sight: this control's widgets, and those of its children, if not made yet.
    if (Value && InSightOn(Parent())) CreateShownWidgets(this);
    if (!Value) SiblingsUncovered(Parent());
    Perform(CM_SHOWINGCHANGED);
}

void TWinControl::SetEnabled(bool Value) {
    if (Enabled() == Value) return;
    if (FWidget) FWidget->setEnabled(Value);
    TControl::SetEnabled(Value);
}

bool TWinControl::Showing() const {
    if (!Visible()) return false;
    return Parent() ? Parent()->Showing() : (FWidget && FWidget->isVisible());
}

TPoint TWinControl::ClientOrigin() const {
    if (FWidget) {
        const TPoint o = ClientOffset();
        const QPoint p = FWidget->mapToGlobal(QPoint(o.X, o.Y));
        return {p.x(), p.y()};
    }
    return TControl::ClientOrigin();
}

void TWinControl::InsertControl(TControl* AControl) {
    FControls.push_back(AControl);
    if (AControl->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* AControl) {
    auto it = std::find(FControls.begin(), FControls.end(), AControl);
    if (it == FControls.end()) return;
    if (gMouseControl == AControl) gMouseControl = nullptr;
    FControls.erase(it);
    if (!AControl->IsWindowed() && AControl->Visible()) InvalidateRect(AControl->BoundsRect());
}

void TWinControl::SetChildZOrder(TControl* Child, bool TopMost) {
    auto it = std::find(FControls.begin(), FControls.end(), Child);
    if (it == FControls.end()) return;
    FControls.erase(it);
    if (TopMost)
        FControls.push_back(Child);
    else
        FControls.insert(FControls.begin(), Child);
    if (Child->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(Child);
        if (w->HandleAllocated()) TopMost ? WidgetOf(w)->raise() : WidgetOf(w)->lower();
    } else {
        Child->Invalidate();
    }
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (c->IsWindowed() && !AllowWinControls) continue;
        if (!c->Visible() || !(c->Enabled() || AllowDisabled)) continue;
        if (!PtInRect(c->BoundsRect(), Pos)) continue;
        const TPoint local{Pos.X - c->Left(), Pos.Y - c->Top()};
        if (c->Perform(CM_HITTEST, 0, MakeLParam(local.X, local.Y)) != 0) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
        c->WndProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(unsigned Msg) {
    TMessage m{Msg, 0, 0, 0};
    for (TControl* c : std::vector<TControl*>(FControls)) c->WndProc(m);
}

void TWinControl::EnableAlign() {
    if (--FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0) return;
    TRect r = ClientRect();
    AlignControls(nullptr, r);
}

void TWinControl::AlignControls(TControl*, TRect& R) {
    ++FAlignLevel;
    for (TAlign a :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (TControl* c : std::vector<TControl*>(FControls)) {
            if (c->Align() != a || !c->Visible()) continue;
            switch (a) {
            case TAlign::alTop:
                c->SetBounds(R.Left, R.Top, R.Width(), c->Height());
                R.Top += c->Height();
                break;
            case TAlign::alBottom:
                c->SetBounds(R.Left, R.Bottom - c->Height(), R.Width(), c->Height());
                R.Bottom -= c->Height();
                break;
            case TAlign::alLeft:
                c->SetBounds(R.Left, R.Top, c->Width(), R.Height());
                R.Left += c->Width();
                break;
            case TAlign::alRight:
                c->SetBounds(R.Right - c->Width(), R.Top, c->Width(), R.Height());
                R.Right -= c->Width();
                break;
            default:
                c->SetBounds(R.Left, R.Top, R.Width(), R.Height());
                break;
            }
        }
    }
    --FAlignLevel;
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    std::vector<TWinControl*> list;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(Parent()->Controls(i))) list.push_back(w);
    std::stable_sort(list.begin(), list.end(), [](TWinControl* a, TWinControl* b) {
        return a->FTabOrderValue < b->FTabOrderValue;
    });
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    FTabOrderValue = Value;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    std::vector<TWinControl*> mine;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) mine.push_back(w);
    std::stable_sort(mine.begin(), mine.end(), [](TWinControl* a, TWinControl* b) {
        return a->FTabOrderValue < b->FTabOrderValue;
    });
    for (TWinControl* w : mine) {
        List.push_back(w);
        w->GetTabOrderList(List);
    }
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Enabled()) return false;
        if (!c->Visible() && c->Parent()) return false;
    }
    return true;
}

bool TWinControl::Focused() const {
    return gFocused == this;
}

void TWinControl::SetFocus() {
    // The focus goes to a window: a control without one gets it now.
    HandleNeeded();
    if (gFocused != this) {
        TWinControl* old = gFocused;
        gFocused = this;
        if (old) old->Perform(WM_KILLFOCUS, 0, 0);
        Perform(WM_SETFOCUS, 0, 0);
    }
    if (FWidget && FWidget->isVisible()) FWidget->setFocus(Qt::OtherFocusReason);
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int n = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), CurControl);
    int start =
        found == list.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[i];
        if (c == CurControl) break;
        if ((!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this) &&
            c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* c = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        c->SetFocus();
}

void TWinControl::Invalidate() {
    InvalidateRect(ClientRect());
}

void TWinControl::InvalidateRect(const TRect& R) {
    if (R.IsEmpty()) return;
    if (InvalidateSpy()) InvalidateSpy()(this, R);
    const TPoint o = ClientOffset();
    if (FWidget) FWidget->update(QRect(R.Left + o.X, R.Top + o.Y, R.Width(), R.Height()));
}

void TWinControl::Update() {
    // Paints what is invalid now, and nothing else: pending updates of the window are flushed.
    if (FWidget && FWidget->isVisible())
        QCoreApplication::sendPostedEvents(FWidget->window(), QEvent::UpdateRequest);
}

void TWinControl::Repaint() {
    if (InvalidateSpy()) InvalidateSpy()(this, ClientRect());
    if (FWidget) FWidget->repaint();
}

void TWinControl::ScrollWindow(int DX, int DY, const TRect& R) {
    const QRect area(R.Left, R.Top, R.Width(), R.Height());
    if (InvalidateSpy()) {
        const QRegion exposed =
            QRegion(area).subtracted(QRegion(area.translated(DX, DY)).intersected(area));
        for (const QRect& e : exposed)
            InvalidateSpy()(this, Rect(e.left(), e.top(), e.right() + 1, e.bottom() + 1));
    }
    const TPoint o = ClientOffset(); // R is in client coordinates, like invalidated areas
    if (FWidget) FWidget->scroll(DX, DY, area.translated(o.X, o.Y));
}

void TWinControl::PaintControls(QPainter& Painter, const QRegion& Clip, TControl* First) {
    const TPoint o = ClientOffset();
    bool started = First == nullptr;
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (!started) {
            started = c == First;
            if (!started) continue;
        }
        if (c->IsWindowed() || !c->Visible()) continue;
        const QRect bounds(c->Left() + o.X, c->Top() + o.Y, c->Width(), c->Height());
        const QRegion clip = Clip.isEmpty() ? QRegion(bounds) : Clip.intersected(bounds);
        if (clip.isEmpty()) continue;
        static_cast<TGraphicControl*>(c)->PaintIn(Painter, clip);
    }
}

void TWinControl::SetTimer(unsigned Id, int Interval) {
    KillTimer(Id);
    const int qtId = Handle()->startTimer(std::max(1, Interval));
    if (qtId) FTimers[qtId] = Id;
}

void TWinControl::KillTimer(unsigned Id) {
    for (auto it = FTimers.begin(); it != FTimers.end(); ++it) {
        if (it->second != Id) continue;
        if (FWidget) FWidget->killTimer(it->first);
        FTimers.erase(it);
        return;
    }
}

QImage* TWinControl::Overlay() const {
    const QSize size(std::max(1, Width()), std::max(1, Height()));
    if (!FOverlay || FOverlay->size() != size) {
        FOverlay = std::make_unique<QImage>(size, QImage::Format_RGB32);
        FOverlay->fill(0);
    }
    return FOverlay.get();
}

void TWinControl::OverlayChanged() const {
    if (FWidget) FWidget->update();
}

void TWinControl::PaintWindow(QPainter&, const QRegion&) {}

void TWinControl::PaintHandler(QPainter& Painter, const QRegion& Clip) {
    FPaintPainter = &Painter;
    try {
        TMessage erase{WM_ERASEBKGND, 0, 0, 0};
        WndProc(erase);
        PaintWindow(Painter, Clip);
        PaintControls(Painter, Clip, nullptr);
    } catch (...) {
        FPaintPainter = nullptr;
        throw;
    }
    FPaintPainter = nullptr;
}

void TWinControl::KeyDown(unsigned& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(unsigned& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

static unsigned DialogKeyMask(unsigned Key) {
    switch (Key) {
    case VK_TAB:
        return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

// The longer cases of a windowed control's WndProc. Keyboard messages go first to the form's
// dialog keys and characters (tab, arrows, accelerators), then to the form's key preview, then
// to the control's own handlers.
struct TWinControlMessages {
    // The lParam bit that says Alt is held, as a system character carries it.
    static constexpr LPARAM kAltDown = 0x20000000;

    static void NotifyKeyDown(TWinControl& C, TMessage& Message) {
        Message.Result = 1;
        const unsigned key = unsigned(Message.WParam);
        // The form's main menu sees a key before the control, so its shortcuts win.
        if (FormMenuShortCut(GetParentForm(&C), ShortCut(key, KeyboardStateToShiftState()))) return;
        const unsigned mask = DialogKeyMask(key);
        if (mask && C.Perform(CM_WANTSPECIALKEY, key) == 0 &&
            (C.Perform(WM_GETDLGCODE) & mask) == 0)
            if (TCustomForm* f = GetParentForm(&C))
                if (f->Perform(CM_DIALOGKEY, key) != 0) return;
        Message.Result = 0;
    }

    static void NotifyChar(TWinControl& C, TMessage& Message) {
        Message.Result = 1;
        if ((C.Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0)
            if (TCustomForm* f = GetParentForm(&C))
                if (f->Perform(CM_DIALOGCHAR, Message.WParam) != 0) return;
        Message.Result = 0;
    }

    static void NotifySysChar(TWinControl& C, TMessage& Message) {
        Message.Result = 0;
        if (TCustomForm* f = GetParentForm(&C))
            if (f->Perform(CM_DIALOGCHAR, Message.WParam, kAltDown) != 0) Message.Result = 1;
    }

    // The form that previews this control's keys, if any.
    static TCustomForm* Previewer(TWinControl& C) {
        TCustomForm* f = GetParentForm(&C);
        return f && f != &C && f->KeyPreview() ? f : nullptr;
    }

    static void KeyDown(TWinControl& C, TMessage& Message) {
        unsigned key = unsigned(Message.WParam);
        if (TCustomForm* f = Previewer(C)) {
            f->KeyDown(key, KeyboardStateToShiftState());
            if (key == 0) return;
        }
        C.KeyDown(key, KeyboardStateToShiftState());
        if (key == 0) return;
        Message.WParam = key;
        C.DefaultHandler(Message);
    }

    static void EraseBackground(TWinControl& C, TMessage& Message) {
        if (C.FPaintPainter && !C.ControlStyle().Contains(TControlStyleItem::csOpaque))
            C.FPaintPainter->fillRect(QRect(0, 0, C.Width(), C.Height()), ToQColor(C.Color()));
        Message.Result = 1;
    }

    // A pop-up menu named by the control under the mouse (or its parents) opens by itself.
    static void ContextMenu(TWinControl& C, TMessage& Message) {
        const TPoint pos = PointFromLParam(Message.LParam);
        TControl* target = C.ControlAtPos(C.ScreenToClient(pos), false);
        if (ShowControlPopupMenu(target ? target : &C, pos))
            Message.Result = 1;
        else
            C.DefaultHandler(Message);
    }

    static void KeyUp(TWinControl& C, TMessage& Message) {
        unsigned key = unsigned(Message.WParam);
        C.KeyUp(key, KeyboardStateToShiftState());
        if (key == 0) return;
        C.DefaultHandler(Message);
    }

    static void Char(TWinControl& C, TMessage& Message) {
        QChar ch(char16_t(Message.WParam));
        if (TCustomForm* f = Previewer(C)) {
            f->KeyPress(ch);
            if (ch.isNull()) return;
        }
        C.KeyPress(ch);
        if (ch.isNull()) return;
        Message.WParam = ch.unicode();
        C.DefaultHandler(Message);
    }
};

void TWinControl::WndProc(TMessage& Message) {
    const unsigned msg = Message.Msg;
    if (msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK) {
        // The mouse reaches only a window: a control it reaches has its widget.
        HandleNeeded();
        if (msg == WM_MOUSEMOVE) UpdateMouseControl(PointFromLParam(Message.LParam));
        if (IsControlMouseMsg(Message)) return;
    }
    switch (msg) {
    case WM_PAINT:
        if (FNative || !FPaintPainter) DefaultHandler(Message);
        return;
    case WM_ERASEBKGND:
        return TWinControlMessages::EraseBackground(*this, Message);
    case WM_SIZE:
        Realign();
        Resize();
        DefaultHandler(Message);
        return;
    case WM_SETFOCUS:
        if (TCustomForm* f = GetParentForm(this)) f->SetFocusedControl(this);
        DefaultHandler(Message);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        return TWinControlMessages::NotifyKeyDown(*this, Message);
    case CN_CHAR:
        return TWinControlMessages::NotifyChar(*this, Message);
    case CN_SYSCHAR:
        return TWinControlMessages::NotifySysChar(*this, Message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return TWinControlMessages::KeyDown(*this, Message);
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return TWinControlMessages::KeyUp(*this, Message);
    case WM_CHAR:
        return TWinControlMessages::Char(*this, Message);
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        Broadcast(Message);
        return;
    case CM_COLORCHANGED:
        NotifyControls(CM_PARENTCOLORCHANGED);
        Invalidate();
        return;
    case CM_FONTCHANGED:
        NotifyControls(CM_PARENTFONTCHANGED);
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        if (FWidget) FWidget->setEnabled(Enabled());
        Invalidate();
        return;
    case CM_CURSORCHANGED:
        if (FWidget) FWidget->setCursor(CursorShape(Cursor()));
        return;
    case WM_CONTEXTMENU:
        return TWinControlMessages::ContextMenu(*this, Message);
    case WM_GETDLGCODE:
    case WM_TIMER:
    case WM_MOUSEWHEEL:
    case WM_CLOSE:
        DefaultHandler(Message);
        return;
    default:
        break;
    }
    TControl::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
    TControl* target = nullptr;
    const TPoint p = PointFromLParam(Message.LParam);
    if (TControl* cap = GetCaptureControl(); cap && cap->Parent() == this && !cap->IsWindowed())
        target = cap;
    else if (!GetCaptureControl() || GetCaptureControl() == this)
        target = ControlAtPos(p, false);
    if (!target || target == this) return false;
    TMessage m{Message.Msg, Message.WParam, MakeLParam(p.X - target->Left(), p.Y - target->Top()),
               0};
    target->WndProc(m);
    Message.Result = m.Result;
    return true;
}

void TWinControl::UpdateMouseControl(TPoint Pos) {
    TControl* target = ControlAtPos(Pos, true);
    if (!target) target = this;
    if (GetCaptureControl()) return;
    if (FWidget) {
        const TCursor cur = target->Cursor() != crDefault ? target->Cursor() : Cursor();
        if (cur != crDefault)
            FWidget->setCursor(CursorShape(cur));
        else
            FWidget->unsetCursor();
    }
    if (target == gMouseControl) return;
    TControl* old = gMouseControl;
    gMouseControl = target;
    if (old) old->Perform(CM_MOUSELEAVE);
    target->Perform(CM_MOUSEENTER);
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (FCurrentEvent && FCurrentDefault && !FDefaultResult && &Message == FCurrentMessage) {
        QEvent* e = FCurrentEvent;
        FCurrentEvent = nullptr; // the Qt default runs once per event
        FDefaultResult = true;
        Message.Result = (*FCurrentDefault)(e) ? 1 : 0;
        return;
    }
    if (Message.Msg == WM_GETDLGCODE) Message.Result = 0;
}

QWidget* WidgetOf(const TWinControl* Control) {
    return Control ? Control->Handle() : nullptr;
}
