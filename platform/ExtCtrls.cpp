#include "platform/ExtCtrls.h"

#include "platform/Forms.h"

#include <cstring>

namespace {

unsigned AlignmentFlags(TAlignment A) {
    switch (A) {
    case TAlignment::taCenter:
        return DT_CENTER;
    case TAlignment::taRightJustify:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

// Whether Child paints every pixel of R (its parent's client coordinates), so that nothing its
// parent draws there is seen: a panel does, and so does a photo that fills R.
bool HidesWhole(TControl* Child, const TRect& R) {
    if (!Child->Visible()) return false;
    const TRect b = Child->BoundsRect();
    if (b.Left > R.Left || b.Top > R.Top || b.Right < R.Right || b.Bottom < R.Bottom) return false;
    if (dynamic_cast<const TCustomPanel*>(Child)) return true;
    auto* image = dynamic_cast<TImage*>(Child);
    if (!image || image->Transparent()) return false;
    const TGraphic* g = image->Picture()->Graphic();
    if (!g || g->Transparent() || std::strcmp(g->ClassName(), "TJPEGImage") != 0) return false;
    // Unless stretched or centred, the picture is drawn from the control's top-left corner.
    return image->Stretch() ||
           (!image->Center() && g->Width() >= b.Width() && g->Height() >= b.Height());
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Panel

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = {TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                      TControlStyleItem::csClickEvents,     TControlStyleItem::csSetCaption,
                      TControlStyleItem::csOpaque,          TControlStyleItem::csDoubleClicks,
                      TControlStyleItem::csReplicatable};
    SetBounds(0, 0, 185, 41);
    FColor = clBtnFace;
    SetParentColor(false);
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
    if (FBevelInner == Value) return;
    FBevelInner = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
    if (FBevelOuter == Value) return;
    FBevelOuter = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value) {
    if (Value < 1 || FBevelWidth == Value) return;
    FBevelWidth = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value) {
    if (Value < 0 || FBorderWidth == Value) return;
    FBorderWidth = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    ClientOffsetChanged();
    Realign();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::SetCtl3D(bool Value) {
    if (FCtl3D == Value) return;
    FCtl3D = Value;
    ClientOffsetChanged();
    Realign();
}

int TCustomPanel::BorderSize() const {
    return FBorderStyle == TBorderStyle::bsSingle ? (FCtl3D ? 2 : 1) : 0;
}

TRect TCustomPanel::ClientRect() const {
    // The single border lies outside the client area, as a window frame would.
    const int b = BorderSize();
    return Rect(0, 0, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
}

TPoint TCustomPanel::ClientOffset() const {
    return {BorderSize(), BorderSize()};
}

void TCustomPanel::Paint() {
    TCanvas& c = *Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    if (FBorderStyle == TBorderStyle::bsSingle) {
        if (FCtl3D) {
            DrawEdge(c, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        } else {
            c.Brush()->SetColor(clWindowFrame);
            c.FrameRect(r);
            InflateRect(r, -1, -1);
        }
    }
    auto bevel = [&](TBevelCut cut) {
        const bool lowered = cut == TBevelCut::bvLowered;
        Frame3D(c, r, lowered ? clBtnShadow : clBtnHighlight,
                lowered ? clBtnHighlight : clBtnShadow, FBevelWidth);
    };
    if (FBevelOuter != TBevelCut::bvNone) bevel(FBevelOuter);
    Frame3D(c, r, Color(), Color(), FBorderWidth);
    if (FBevelInner != TBevelCut::bvNone) bevel(FBevelInner);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    // A caption nobody sees is not drawn: drawing text loads fonts.
    if (Caption().isEmpty() || CaptionHidden(r)) return;
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.SetFont(*Font());
    const int h = c.TextHeight("W");
    r.Top = ((r.Bottom + r.Top) - h) / 2;
    r.Bottom = r.Top + h;
    c.DrawText(Caption(), r,
               DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | AlignmentFlags(FAlignment));
}

bool TCustomPanel::CaptionHidden(const TRect& Inner) const {
    TRect r = Inner; // the caption stays inside the bevels
    OffsetRect(r, -ClientOffset().X, -ClientOffset().Y);
    for (int i = 0; i < ControlCount(); ++i)
        if (HidesWhole(Controls(i), r)) return true;
    return false;
}

// ---------------------------------------------------------------------------------------------
// Label

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle() += {TControlStyleItem::csOpaque, TControlStyleItem::csReplicatable};
    SetBounds(0, 0, 65, 17);
    FColor = clBtnFace;
}

void TCustomLabel::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    if (Value)
        ControlStyle().Exclude(TControlStyleItem::csOpaque);
    else
        ControlStyle().Include(TControlStyleItem::csOpaque);
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (FShowAccelChar == Value) return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::DoDrawText(TRect& R, unsigned Flags) {
    QString text = Caption();
    if ((Flags & DT_CALCRECT) && (text.isEmpty() || (FShowAccelChar && text == "&"))) text += ' ';
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    TCanvas& c = *Canvas();
    c.SetFont(*Font());
    if (!Enabled() && !(Flags & DT_CALCRECT)) {
        OffsetRect(R, 1, 1);
        c.Font()->SetColor(clBtnHighlight);
        c.DrawText(text, R, Flags);
        OffsetRect(R, -1, -1);
        c.Font()->SetColor(clBtnShadow);
        c.DrawText(text, R, Flags);
    } else {
        c.DrawText(text, R, Flags);
    }
}

void TCustomLabel::Paint() {
    TCanvas& c = *Canvas();
    if (!FTransparent) {
        c.Brush()->SetColor(Color());
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.FillRect(ClientRect());
    }
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect r = ClientRect();
    unsigned flags =
        DT_EXPANDTABS | (FWordWrap ? unsigned(DT_WORDBREAK) : 0u) | AlignmentFlags(FAlignment);
    if (FLayout != TTextLayout::tlTop) {
        TRect calc = r;
        DoDrawText(calc, flags | DT_CALCRECT);
        const int dy = FLayout == TTextLayout::tlBottom ? r.Height() - calc.Height()
                                                        : (r.Height() - calc.Height()) / 2;
        OffsetRect(r, 0, dy);
    }
    DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
    if (!FAutoSize || IsLoading()) return;
    // A wrapped text is measured within the width the last measuring gave.
    if (FWordWrap) SettleSize();
    // Out of sight the text is measured when first shown or when the bounds are read.
    if (!Visible() || !Parent() || !Parent()->HandleAllocated()) return DeferSize();
    SettleSize();
    SetBoundsRect(MeasuredBounds());
}

TRect TCustomLabel::MeasuredBounds() {
    const TRect now = TGraphicControl::MeasuredBounds();
    TRect r = Rect(0, 0, now.Width(), now.Height());
    TCanvas measure;
    measure.SetFont(*Font());
    QString text = Caption();
    if (text.isEmpty() || (FShowAccelChar && text == "&")) text += ' ';
    measure.DrawText(text, r,
                     DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? unsigned(DT_WORDBREAK) : 0u) |
                         (FShowAccelChar ? 0u : unsigned(DT_NOPREFIX)));
    int x = now.Left;
    if (FAlignment == TAlignment::taRightJustify) x += now.Width() - r.Right;
    return Bounds(x, now.Top, r.Right, r.Bottom);
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED:
        TGraphicControl::WndProc(Message);
        AdjustBounds();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && FShowAccelChar &&
            IsAccel(unsigned(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------
// Image

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle().Include(TControlStyleItem::csReplicatable);
    SetBounds(0, 0, 105, 105);
    FPicture.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
    if (FAutoSize && FPicture.Width() > 0 && FPicture.Height() > 0)
        SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
    if (TGraphic* g = FPicture.Graphic(); g && FTransparent && !g->Transparent())
        g->SetTransparent(true);
    Invalidate();
}

void TImage::SetStretch(bool Value) {
    if (FStretch == Value) return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value) {
    if (FCenter == Value) return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    if (TGraphic* g = FPicture.Graphic()) g->SetTransparent(Value);
    Invalidate();
}

void TImage::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    PictureChanged();
}

TRect TImage::DestRect() const {
    if (FStretch) return ClientRect();
    const int w = FPicture.Width(), h = FPicture.Height();
    if (FCenter) return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint() {
    if (TGraphic* g = FPicture.Graphic()) Canvas()->StretchDraw(DestRect(), g);
}

// ---------------------------------------------------------------------------------------------
// Bevel

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle().Include(TControlStyleItem::csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& c = *Canvas();
    const TColor light = FStyle == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
    const TColor dark = FStyle == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
    const int w = Width(), h = Height();
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        c.Pen()->SetColor(color);
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    c.Pen()->SetWidth(1);
    TRect r = ClientRect();
    switch (FShape) {
    case TBevelShape::bsBox:
        Frame3D(c, r, dark, light, 1);
        break;
    case TBevelShape::bsFrame: {
        TRect inner = r;
        ++inner.Left;
        ++inner.Top;
        Frame3D(c, inner, light, light, 1);
        TRect outer = r;
        --outer.Right;
        --outer.Bottom;
        Frame3D(c, outer, dark, dark, 1);
        break;
    }
    case TBevelShape::bsTopLine:
        line(dark, 0, 0, w, 0);
        line(light, 0, 1, w, 1);
        break;
    case TBevelShape::bsBottomLine:
        line(dark, 0, h - 2, w, h - 2);
        line(light, 0, h - 1, w, h - 1);
        break;
    case TBevelShape::bsLeftLine:
        line(dark, 0, 0, 0, h);
        line(light, 1, 0, 1, h);
        break;
    case TBevelShape::bsRightLine:
        line(dark, w - 2, 0, w - 2, h);
        line(light, w - 1, 0, w - 1, h);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Timer

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Tick(); });
    Update();
}

TTimer::~TTimer() {
    FTimer.stop();
}

void TTimer::Tick() {
    if (!OnTimer) return;
    try {
        OnTimer(this);
    } catch (...) {
        ApplicationHandleException(this);
    }
}

void TTimer::Update() {
    FTimer.stop();
    if (FEnabled && FInterval > 0 && !IsLoading()) FTimer.start(int(FInterval));
}

void TTimer::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    Update();
}

void TTimer::SetInterval(unsigned Value) {
    if (FInterval == Value) return;
    FInterval = Value;
    Update();
}
