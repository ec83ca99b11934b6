#include "skin/SkinCtrlsButton.h"

#include "skin/SPEffBmp.h"

#include "platform/Environment.h"

#include <algorithm>
#include <cmath>

namespace {

// Ten steps from one face to the other; counted in tenths so that the ends are reached exactly.
double MorphStep(double K, int Direction) {
    return std::clamp(std::round(K * 10 + Direction) / 10, 0.0, 1.0);
}

std::unique_ptr<TTimer> MakeTimer(unsigned Interval, std::function<void()> Tick) {
    auto t = std::make_unique<TTimer>(nullptr);
    t->SetEnabled(false);
    t->SetInterval(Interval);
    t->OnTimer = [Tick = std::move(Tick)](TObject*) { Tick(); };
    return t;
}

} // namespace

TspSkinButton::TspSkinButton(TComponent* AOwner) : TResizeSkinControl(AOwner) {
    ControlStyle() = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csDoubleClicks,
                      TControlStyleItem::csOpaque};
    SetSkinDataName(QStringLiteral("button"));
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(false);
    FGlyph.OnChange = [this](TObject*) { Invalidate(); };
    FMorphTimer = MakeTimer(20, [this] { MorphTick(); });
    FLeaveCheckTimer = MakeTimer(500, [this] { LeaveCheckTick(); });
}

TspSkinButton::~TspSkinButton() = default;

void TspSkinButton::SetGlyph(const TBitmap* Value) {
    if (Value == &FGlyph) return;
    if (Value)
        FGlyph.Assign(*Value);
    else
        FGlyph.SetSize(0, 0);
    Invalidate();
}

void TspSkinButton::SetNumGlyhps(TspNumGlyphs Value) {
    if (Value < 1 || Value > 4 || Value == FNumGlyphs) return;
    FNumGlyphs = Value;
    Invalidate();
}

void TspSkinButton::SetLayout(TspButtonLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TspSkinButton::SetMargin(int Value) {
    if (Value < -1 || Value == FMargin) return;
    FMargin = Value;
    Invalidate();
}

void TspSkinButton::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TspSkinButton::SetDown(bool Value) {
    if (FDown == Value) return;
    FDown = Value;
    if (FDown && FGroupIndex != 0 && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TspSkinButton*>(Parent()->Controls(i));
            if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown)
                other->SetDown(false);
        }
    }
    Invalidate();
}

void TspSkinButton::SetGroupIndex(int Value) {
    FGroupIndex = Value;
    if (Value != 0) SetCanFocused(false);
}

void TspSkinButton::SetCanFocused(bool Value) {
    FCanFocused = Value;
    SetTabStop(Value);
}

void TspSkinButton::GetSkinData() {
    TResizeSkinControl::GetSkinData();
    const auto* d = dynamic_cast<const TDataSkinButtonControl*>(Description());
    if (!d) {
        FIndex = -1;
        FMorphing = false;
        return;
    }
    FFont = d->Font;
    FActiveFontColor = d->ActiveFontColor;
    FDownFontColor = d->DownFontColor;
    FMorphing = d->Morphing;
    FMorphKind = d->MorphKind;
    FActiveSkinRect = d->ActiveSkinRect.IsEmpty() ? d->SkinRect : d->ActiveSkinRect;
    FDownSkinRect = d->DownSkinRect.IsEmpty() ? FActiveSkinRect : d->DownSkinRect;
}

void TspSkinButton::ChangeSkinData() {
    TResizeSkinControl::ChangeSkinData();
    if (Skinned() && FMorphing) FMorphTimer->SetEnabled(true);
}

// ---- looks ----------------------------------------------------------------------------------

bool TspSkinButton::Active() const {
    return FMouseIn || Focusable();
}

TspSkinButton::TFace TspSkinButton::CurrentFace() const {
    if (FDown && (FGroupIndex != 0 || FMouseIn || (Focusable() && !FMousePressed)))
        return TFace::Pressed;
    const bool active = Active();
    if (FMorphing && ((active && FMorphK < 1) || (!active && FMorphK > 0))) return TFace::Morph;
    return active ? TFace::Active : TFace::Normal;
}

int TspSkinButton::GlyphCell(TFace Face) const {
    if (Face == TFace::Pressed && FNumGlyphs > 2) return 3;
    if (Active() && FNumGlyphs > 3) return 4;
    return Enabled() || FNumGlyphs < 2 ? 1 : 2;
}

void TspSkinButton::PaintDefault(TCanvas& Canvas) {
    DrawDefaultLook(Canvas);
    // The caption keeps the default font of a new drawing surface.
    Canvas.SetFont(TFont());
    DrawGlyphAndText(Canvas, ClientRect(), FMargin, false, 1, FNumGlyphs, FGlyph, Caption(),
                     FLayout, FSpacing);
}

void TspSkinButton::CreateControlSkinImage(TBitmap& Image) {
    const TFace face = CurrentFace();
    switch (face) {
    case TFace::Normal:
        CreateSkinImage(Image, SkinRect());
        break;
    case TFace::Active:
        CreateSkinImage(Image, FActiveSkinRect);
        break;
    case TFace::Pressed:
        CreateSkinImage(Image, FDownSkinRect);
        break;
    case TFace::Morph: {
        TBitmap active;
        CreateSkinImage(Image, SkinRect());
        CreateSkinImage(active, FActiveSkinRect);
        TspEffectBmp normal(Image);
        const TspEffectBmp other(active);
        if (FMorphKind == TMorphKind::mkDefault)
            normal.Blend(other, FMorphK);
        else
            normal.BlendGradient(other, FMorphK);
        normal.AssignTo(Image);
        break;
    }
    }
    DrawContent(Image, face);
}

void TspSkinButton::DrawContent(TBitmap& Image, TFace Face) {
    TCanvas& c = *Image.Canvas();
    TFont font;
    AssignSkinFont(font, FFont);
    if (Face == TFace::Pressed)
        font.SetColor(FDownFontColor);
    else if (Active())
        font.SetColor(FActiveFontColor);
    c.SetFont(font);
    DrawGlyphAndText(c, NewPoints().CR, FMargin, Face == TFace::Pressed, GlyphCell(Face),
                     FNumGlyphs, FGlyph, Caption(), FLayout, FSpacing);
}

void TspSkinButton::UpdateLook() {
    if (Skinned() && FMorphing)
        FMorphTimer->SetEnabled(true);
    else
        Invalidate();
}

void TspSkinButton::MorphTick() {
    const bool active = Active();
    if (Skinned() && FMorphing && active && FMorphK < 1) {
        FMorphK = MorphStep(FMorphK, 1);
    } else if (Skinned() && FMorphing && !active && FMorphK > 0) {
        FMorphK = MorphStep(FMorphK, -1);
    } else {
        FMorphK = active ? 1 : 0;
        FMorphTimer->SetEnabled(false);
    }
    Invalidate();
}

// ---- input ----------------------------------------------------------------------------------

void TspSkinButton::LeaveCheckTick() {
    if (FindControlAtScreen(Env().CursorPos()) == this) return;
    FLeaveCheckTimer->SetEnabled(false);
    if (!FMouseIn) return;
    FMouseIn = false;
    UpdateLook();
}

void TspSkinButton::MouseEntered() {
    FMouseIn = true;
    if ((FGroupIndex != 0 && FDown) || (FGroupIndex == 0 && Focusable() && !FDown)) return;
    UpdateLook();
    FLeaveCheckTimer->SetEnabled(true);
}

void TspSkinButton::MouseLeft() {
    FMouseIn = false;
    if ((FGroupIndex != 0 && FDown) || (FGroupIndex == 0 && Focusable() && !FDown)) return;
    UpdateLook();
}

void TspSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft) {
        if (FCanFocused && CanFocus() && !Focused()) SetFocus();
        FMousePressed = true;
        if (FMorphing) {
            FMorphK = 1;
            FMorphTimer->SetEnabled(false);
        }
        if (!FDown) {
            FMouseIn = true;
            if (FGroupIndex == 0) FLeaveCheckTimer->SetEnabled(true);
            SetDown(true);
            if (FGroupIndex != 0) Click();
        }
    }
    TResizeSkinControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft && FMousePressed) {
        FMousePressed = false;
        if (FMorphing && Skinned()) FMorphTimer->SetEnabled(true);
        if (FGroupIndex == 0) {
            // Where the release happens decides, not the last enter or leave seen.
            const bool over = PtInRect(ClientRect(), {X, Y});
            FMouseIn = over;
            SetDown(false);
            if (over) Click();
        }
    }
    TResizeSkinControl::MouseUp(Button, Shift, X, Y);
}

void TspSkinButton::KeyDown(unsigned& Key, TShiftState Shift) {
    if (FCanFocused && Key == VK_SPACE) {
        if (FGroupIndex == 0) {
            SetDown(true);
        } else if (!FDown) {
            SetDown(true);
            Click();
        }
    } else if (FCanFocused && Key == VK_RETURN) {
        Click();
    }
    TResizeSkinControl::KeyDown(Key, Shift);
}

void TspSkinButton::KeyUp(unsigned& Key, TShiftState Shift) {
    // A group button stays down, as it does after a mouse release.
    if (FCanFocused && Key == VK_SPACE && FGroupIndex == 0 && FDown) {
        SetDown(false);
        Click();
    }
    TResizeSkinControl::KeyUp(Key, Shift);
}

bool TspSkinButton::DialogChar(unsigned Key) {
    if (!FCanFocused || !CanFocus() || !IsAccel(Key, Caption())) return false;
    SetFocus();
    Click();
    return true;
}

void TspSkinButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        TResizeSkinControl::WndProc(Message);
        MouseEntered();
        return;
    case CM_MOUSELEAVE:
        TResizeSkinControl::WndProc(Message);
        MouseLeft();
        return;
    case CM_DIALOGCHAR:
        if (DialogChar(unsigned(Message.WParam))) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_TEXTCHANGED:
        TResizeSkinControl::WndProc(Message);
        if (Skinned() || Designing() || DrawDefault()) Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TResizeSkinControl::WndProc(Message);
        Invalidate();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TResizeSkinControl::WndProc(Message);
        if (FCanFocused) UpdateLook();
        return;
    default:
        break;
    }
    TResizeSkinControl::WndProc(Message);
}
