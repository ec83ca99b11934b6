// Measuring and drawing of menu items, tool buttons and bands in the flat style.

#include "xpmenu/XPColors.h"
#include "xpmenu/XPMenu.h"

#include "platform/Environment.h"
#include "platform/Forms.h"

namespace {

bool IsDeep(int Depth) {
    return Depth > 15;
}

// The size an item's picture takes: the list's size when the item names a list picture,
// else its own bitmap's.
TSize ImageSize(TMenuItem* Item) {
    TCustomImageList* list = Item->ImageList();
    if (list && Item->ImageIndex() != -1) return {list->Width(), list->Height()};
    if (Item->HasBitmap()) return {Item->Bitmap()->Width(), Item->Bitmap()->Height()};
    return {};
}

bool LoadImage(TMenuItem* Item, TBitmap& Out) {
    TCustomImageList* list = Item->ImageList();
    if (list && Item->ImageIndex() != -1) return list->GetBitmap(Item->ImageIndex(), &Out);
    if (!Item->HasBitmap()) return false;
    Out.Assign(*Item->Bitmap());
    Out.SetTransparent(true);
    return true;
}

enum class TImageLook { Plain, Disabled, Dimmed, Raised };

// Draws a picture transparently at (X, Y) in the given look; a raised picture moves one pixel
// up and left over its shadow two pixels right and down.
void DrawImage(TCanvas* C, TBitmap& Image, int X, int Y, TImageLook Look, int GrayLevel,
               int DimLevel, TColor ShadowColor, int Depth) {
    const TColor key = Image.TransparentColor();
    Image.SetTransparentColor(key);
    switch (Look) {
    case TImageLook::Disabled:
        MapBitmapPixels(
            Image, [&](TColor P) { return GrayColor(P, GrayLevel); }, key);
        MapBitmapPixels(
            Image, [&](TColor P) { return Lighten(P, 40, Depth); }, key);
        break;
    case TImageLook::Dimmed:
        MapBitmapPixels(
            Image, [&](TColor P) { return Lighten(P, DimLevel, Depth); }, key);
        break;
    case TImageLook::Raised: {
        TBitmap shadow(Image);
        MapBitmapPixels(
            shadow, [&](TColor) { return ShadowColor; }, key);
        shadow.SetTransparent(true);
        C->Draw(X + 1, Y + 1, &shadow);
        --X;
        --Y;
        break;
    }
    case TImageLook::Plain:
        break;
    }
    Image.SetTransparent(true);
    C->Draw(X, Y, &Image);
}

TRect Mirrored(const TRect& R, const TRect& Within) {
    return {Within.Left + Within.Right - R.Right, R.Top, Within.Left + Within.Right - R.Left,
            R.Bottom};
}

struct TItemRects {
    TRect Icon, Image, Text;
};

TItemRects LayoutItem(const TRect& R, int IconWidth, int ImageWidth, bool HasImage, bool Rtl) {
    TItemRects r;
    r.Icon = Rect(R.Left, R.Top, R.Left + IconWidth, R.Bottom);
    r.Text = Rect(R.Left + IconWidth, R.Top, R.Right, R.Bottom);
    if (HasImage) {
        r.Image = Rect(r.Icon.Left + 1, r.Icon.Top + 2, r.Icon.Right - 3, r.Icon.Bottom - 2);
        if (ImageWidth > IconWidth) {
            r.Image.Right = r.Image.Left + ImageWidth + 2;
            r.Text.Left = r.Image.Right + 4;
        }
    } else {
        const int cx = r.Icon.Left + IconWidth / 2, cy = R.Top + R.Height() / 2;
        r.Image = Rect(cx - 5, cy - 5, cx + 5, cy + 5);
    }
    if (Rtl) {
        r.Icon = Mirrored(r.Icon, R);
        r.Image = Mirrored(r.Image, R);
        r.Text = Mirrored(r.Text, R);
    }
    return r;
}

TColor Mix(TColor A, TColor B, int Num, int Den) {
    const TColor a = ColorToRGB(A), b = ColorToRGB(B);
    auto ch = [&](int X, int Y) { return X + (Y - X) * Num / std::max(1, Den); };
    return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
               ch(GetBValue(a), GetBValue(b)));
}

// From the icon column's colour at the column's side to the item colour at the far side.
void GradientFill(TCanvas* C, const TRect& R, TColor From, TColor To, bool Rtl) {
    const int w = R.Width();
    for (int i = 0; i < w; ++i) {
        C->Pen()->SetColor(Mix(From, To, i, w - 1));
        const int x = Rtl ? R.Right - 1 - i : R.Left + i;
        C->MoveTo(x, R.Top);
        C->LineTo(x, R.Bottom);
    }
}

void DrawCheckMark(TCanvas* C, const TRect& Box, TColor Color) {
    C->Pen()->SetColor(Color);
    const int l = Box.Left, t = Box.Top;
    for (int d = 0; d < 2; ++d) {
        C->MoveTo(l + 2, t + 4 + d);
        C->LineTo(l + 4, t + 6 + d);
    }
    for (int d = 0; d < 3; ++d) {
        C->MoveTo(l + 4, t + 5 + d);
        C->LineTo(l + 8, t + 1 + d);
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Colours

TXPEffectiveColors TXPMenu::EffectiveColors(int Depth) {
    const bool deep = IsDeep(Depth);
    TXPEffectiveColors c{FColor,           FIconBackColor, FSelectColor,   FSelectBorderColor,
                         FSelectFontColor, FMenuBarColor,  FDisabledColor, FCheckedColor,
                         FSeparatorColor,  clWhite,        clSilver,       clBtnShadow,
                         clBtnShadow};
    if (deep) {
        c.SelectFill = Lighten(FSelectColor, 68, Depth);
        c.CheckedArea = Lighten(FSelectColor, 80, Depth);
        c.CheckedAreaSelected = Lighten(FSelectColor, 50, Depth);
        c.MenuBorder = Darken(clBtnFace, 90);
        c.MenuShadow = Darken(clBtnFace, 76);
    }
    if (!FUseSystemColors) return c;
    FFont.Assign(MenuFont());
    FFont.SetColor(clMenuText);
    FSelectFontColor = clMenuText;
    c.SelectFont = clMenuText;
    c.SelectBorder = clHighlight;
    c.MenuBar = clBtnFace;
    c.Check = clHighlight;
    if (deep) {
        c.Color = Lighten(clBtnFace, 86, Depth);
        c.IconBack = Lighten(clBtnFace, 16, Depth);
        c.SelectFill = Lighten(clHighlight, 68, Depth);
        c.Disabled = Lighten(clBtnShadow, 10, Depth);
        c.Separator = Lighten(clBtnShadow, 25, Depth);
        c.CheckedArea = Lighten(clHighlight, 80, Depth);
        c.CheckedAreaSelected = Lighten(clHighlight, 50, Depth);
    } else {
        c.Color = clWhite;
        c.IconBack = clBtnFace;
        c.SelectFill = clWhite;
        c.Disabled = clBtnShadow;
        c.Separator = clBtnShadow;
        c.CheckedArea = clWhite;
        c.CheckedAreaSelected = clWhite;
    }
    return c;
}

// ---------------------------------------------------------------------------------------------
// Measuring

bool TXPMenu::IsOnFormMenuBar(const TMenuItem* Item) const {
    auto* form = dynamic_cast<TCustomForm*>(Form());
    TMainMenu* menu = form ? FormMainMenu(form) : nullptr;
    return menu && Item->IsTopLevel() && Item->GetParentMenu() == menu;
}

void TXPMenu::MeasureItem(TMenuItem* Item, TCanvas* ACanvas, int& Width, int& Height) {
    ACanvas->SetFont(FFont);
    const bool line = Item->IsLine();
    QString text = line ? QString() : Item->Caption();
    const QString shortcut = ShortCutToText(Item->ShortCut());
    if (!shortcut.trimmed().isEmpty()) text += QStringLiteral("WWW") + shortcut;
    int w = ACanvas->TextWidth(text) + 5;
    if (text.contains('&')) w -= ACanvas->TextWidth(QStringLiteral("&"));
    const TSize image = ImageSize(Item);
    const bool onBar = IsOnFormMenuBar(Item);
    const int imageWidth = onBar ? image.cx : std::max(image.cx, FIconWidth);
    if (imageWidth > 0) w += imageWidth;
    // The bar leaves room around its items' text.
    if (onBar) w += 8;
    const int th = ACanvas->TextHeight(text.isEmpty() ? QStringLiteral("W") : text);
    const int h = line ? 4 : std::max(th + XPRound(0.75 * th), image.cy + 6);
    Width = std::max(Width, w);
    Height = std::max(Height, h);
}

// ---------------------------------------------------------------------------------------------
// Drawing a menu item

// What the steps of painting one pop-up item share.
struct TXPItemPaint {
    TMenuItem* Item;
    TCanvas* Canvas;
    TRect Bounds;
    TItemRects Rects;
    const TXPEffectiveColors& Colors;
    mutable TBitmap Image; // drawing may grey or dim it in place
    int Depth;
    bool Deep, Rtl, Selected, Enabled, HasImage;
};

void TXPMenu::DrawItem(TMenuItem* Item, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State) {
    if (!FActive) return;
    const int depth = Env().DisplayDepth();
    const TXPEffectiveColors c = EffectiveColors(depth);
    ACanvas->SetFont(FFont);
    if (IsOnFormMenuBar(Item)) {
        DrawMenuBarItem(Item, ACanvas, ARect, State, c);
        return;
    }
    ARect.Bottom += 1;
    TMenu* menu = Item->GetParentMenu();
    TXPItemPaint p{Item,
                   ACanvas,
                   ARect,
                   {},
                   c,
                   {},
                   depth,
                   IsDeep(depth),
                   menu && menu->IsRightToLeft(),
                   State.Contains(TOwnerDrawStateItem::odSelected),
                   Item->Enabled(),
                   false};
    p.HasImage = LoadImage(Item, p.Image) && !p.Image.Empty();
    p.Rects = LayoutItem(ARect, FIconWidth, p.Image.Width(), p.HasImage, p.Rtl);
    PaintItemBack(p);
    if (Item->Checked()) PaintItemCheck(p);
    if (p.HasImage) PaintItemImage(p);
    if (Item->IsLine())
        PaintItemLine(p);
    else
        PaintItemText(p);
    // Items added since the last walk are painted too.
    HookItems(Item, true);
}

void TXPMenu::PaintItemBack(const TXPItemPaint& P) {
    TCanvas* canvas = P.Canvas;
    const TXPEffectiveColors& c = P.Colors;
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    if (FGradient && P.Deep) {
        GradientFill(canvas, P.Bounds, c.IconBack, c.Color, P.Rtl);
    } else {
        canvas->Brush()->SetColor(c.Color);
        canvas->FillRect(P.Bounds);
        canvas->Brush()->SetColor(c.IconBack);
        canvas->FillRect(P.Rects.Icon);
    }
    if (!P.Selected || !P.Enabled || !FDrawSelect) return;
    TRect s = P.Bounds;
    s.Top += 1;
    s.Bottom -= 1;
    if (FFlatMenu) (P.Rtl ? s.Left : s.Right) += P.Rtl ? 1 : -1;
    canvas->Brush()->SetColor(c.SelectFill);
    canvas->FillRect(s);
    canvas->Brush()->SetColor(c.SelectBorder);
    canvas->FrameRect(s);
}

void TXPMenu::PaintItemCheck(const TXPItemPaint& P) {
    TCanvas* canvas = P.Canvas;
    const TXPEffectiveColors& c = P.Colors;
    const bool radio = P.Item->RadioItem();
    // A disabled item's mark keeps whatever fill the brush has.
    if (P.Enabled) canvas->Brush()->SetColor(P.Selected ? c.CheckedAreaSelected : c.CheckedArea);
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    const TColor outline = !P.Enabled              ? c.Disabled
                           : (radio || P.HasImage) ? c.SelectBorder
                                                   : c.Check;
    canvas->Pen()->SetColor(outline);
    const TRect& b = P.Rects.Image;
    if (radio && P.HasImage)
        canvas->RoundRect(b.Left, b.Top, b.Right, b.Bottom, 6, 6);
    else if (radio)
        canvas->Ellipse(b.Left, b.Top, b.Right, b.Bottom);
    else
        canvas->Rectangle(b);
    if (!radio && !P.HasImage) DrawCheckMark(canvas, b, P.Enabled ? clBlack : c.Disabled);
}

void TXPMenu::PaintItemImage(const TXPItemPaint& P) {
    const TRect& icon = P.Rects.Icon;
    const int w = P.Image.Width();
    const int x = w < FIconWidth ? icon.Left + (FIconWidth - w) / 2
                                 : (P.Rtl ? icon.Right - 2 - w : icon.Left + 2);
    const bool checked = P.Item->Checked();
    TImageLook look = TImageLook::Plain;
    if (!P.Enabled)
        look = TImageLook::Disabled;
    else if (!P.Selected && P.Deep && !checked)
        look = TImageLook::Dimmed;
    else if (P.Selected && !checked)
        look = TImageLook::Raised;
    DrawImage(P.Canvas, P.Image, x, P.Bounds.Top + 3, look, FGrayLevel, FDimLevel,
              Darken(P.Colors.SelectFill, 50), P.Depth);
}

void TXPMenu::PaintItemLine(const TXPItemPaint& P) {
    const TRect& text = P.Rects.Text;
    const int y = P.Bounds.Top + XPRound(P.Bounds.Height() / 2.0);
    P.Canvas->Pen()->SetColor(P.Colors.Separator);
    P.Canvas->MoveTo(P.Rtl ? text.Right - 7 : text.Left + 7, y);
    P.Canvas->LineTo(P.Rtl ? text.Left : text.Right, y);
}

void TXPMenu::PaintItemText(const TXPItemPaint& P) {
    TCanvas* canvas = P.Canvas;
    const TXPEffectiveColors& c = P.Colors;
    const bool rtl = P.Rtl;
    TRect t = P.Rects.Text;
    (rtl ? t.Right : t.Left) += rtl ? -3 : 3;
    const int th = canvas->TextHeight(QStringLiteral("W"));
    t.Top = P.Bounds.Top + (P.Bounds.Height() - th) / 2;
    t.Bottom = t.Top + th;
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (P.Item->Default()) {
        TFontStyles s = canvas->Font()->Style();
        canvas->Font()->SetStyle(s.Include(TFontStyle::fsBold));
    }
    const TColor fontColor = P.Enabled ? FFont.Color() : c.Disabled;
    const TColor textColor = !P.Enabled ? c.Disabled : P.Selected ? c.SelectFont : fontColor;
    canvas->Font()->SetColor(textColor);
    const unsigned align = rtl ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
    TRect caption = t;
    canvas->DrawText(QStringLiteral(" ") + P.Item->Caption(), caption, DT_SINGLELINE | align);
    const QString shortcut = ShortCutToText(P.Item->ShortCut());
    if (shortcut.trimmed().isEmpty()) return;
    TRect sr = t;
    if (rtl)
        sr.Left = P.Rects.Text.Left + 10;
    else
        sr.Right = P.Rects.Text.Right - 10;
    canvas->Font()->SetColor(P.Deep ? Darken(textColor, -40) : textColor);
    canvas->DrawText(shortcut + QStringLiteral(" "), sr,
                     DT_SINGLELINE | (rtl ? DT_LEFT : DT_RIGHT));
}

void TXPMenu::DrawMenuBarItem(TMenuItem* Item, TCanvas* ACanvas, const TRect& R,
                              TOwnerDrawState State, const TXPEffectiveColors& C) {
    const bool enabled = Item->Enabled();
    const bool hot = State.Contains(TOwnerDrawStateItem::odHotLight);
    const bool open = State.Contains(TOwnerDrawStateItem::odSelected) && !hot;
    TColor back = C.MenuBar;
    ACanvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    ACanvas->Brush()->SetColor(back);
    ACanvas->FillRect(R);
    if (enabled && (hot || open)) {
        // Hovered: the selection look; open: the look of the menu that hangs below it.
        back = hot ? C.SelectFill : C.IconBack;
        ACanvas->Brush()->SetColor(back);
        ACanvas->FillRect(R);
        ACanvas->Brush()->SetColor(hot ? C.SelectBorder : C.MenuBorder);
        ACanvas->FrameRect(R);
    }
    TRect t = R;
    TBitmap image;
    if (LoadImage(Item, image) && !image.Empty()) {
        DrawImage(ACanvas, image, R.Left + 3, R.Top + (R.Height() - image.Height()) / 2,
                  enabled ? TImageLook::Plain : TImageLook::Disabled, FGrayLevel, FDimLevel, clNone,
                  Env().DisplayDepth());
        t.Left += image.Width() + 3;
    }
    ACanvas->Brush()->SetStyle(TBrushStyle::bsClear);
    ACanvas->Font()->SetColor(enabled ? ReadableTextColor(FFont.Color(), back) : C.Disabled);
    ACanvas->DrawText(Item->Caption(), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---------------------------------------------------------------------------------------------
// Tool bars and control bars

void TXPMenu::DrawToolButton(TToolBar* Bar, TToolButton* Button, TCanvas* ACanvas, TRect ARect,
                             TCustomDrawState State, bool& DefaultDraw) {
    if (!FActive) return;
    DefaultDraw = false;
    const int depth = Env().DisplayDepth();
    const TXPEffectiveColors c = EffectiveColors(depth);
    ACanvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    ACanvas->Brush()->SetColor(Bar->Color());
    ACanvas->FillRect(ARect);
    if (Button->IsSeparator()) {
        if (Button->Style() == TToolButtonStyle::tbsDivider) {
            const int x = ARect.Left + ARect.Width() / 2;
            ACanvas->Pen()->SetColor(c.Separator);
            ACanvas->MoveTo(x, ARect.Top + 2);
            ACanvas->LineTo(x, ARect.Bottom - 2);
        }
        return;
    }
    const bool enabled = !State.Contains(TCustomDrawStateItem::cdsDisabled);
    const bool hot = State.Contains(TCustomDrawStateItem::cdsHot);
    const bool pressed = State.Contains(TCustomDrawStateItem::cdsSelected);
    const bool down = State.Contains(TCustomDrawStateItem::cdsChecked);
    if (enabled && (hot || pressed || down)) {
        const TColor fill = down ? (hot ? c.CheckedAreaSelected : c.CheckedArea)
                                 : (pressed ? c.CheckedAreaSelected : c.SelectFill);
        ACanvas->Brush()->SetColor(fill);
        ACanvas->FillRect(ARect);
        ACanvas->Brush()->SetColor(c.SelectBorder);
        ACanvas->FrameRect(ARect);
    }
    TCustomImageList* images = Bar->Images();
    TBitmap image;
    int textTop = ARect.Top;
    if (images && images->GetBitmap(Button->ImageIndex(), &image)) {
        const int x = ARect.Left + (ARect.Width() - image.Width()) / 2;
        const int y =
            Bar->ShowCaptions() ? ARect.Top + 3 : ARect.Top + (ARect.Height() - image.Height()) / 2;
        TImageLook look = !enabled                     ? TImageLook::Disabled
                          : (hot && !pressed && !down) ? TImageLook::Raised
                          : (!hot && !down)            ? TImageLook::Dimmed
                                                       : TImageLook::Plain;
        if (look == TImageLook::Dimmed && !IsDeep(depth)) look = TImageLook::Plain;
        DrawImage(ACanvas, image, x, y, look, FGrayLevel, FDimLevel, Darken(c.SelectFill, 50),
                  depth);
        textTop = y + image.Height() + 1;
    }
    if (Bar->ShowCaptions() && !Button->Caption().isEmpty()) {
        ACanvas->SetFont(*Bar->Font());
        ACanvas->Font()->SetColor(enabled ? FFont.Color() : c.Disabled);
        ACanvas->Brush()->SetStyle(TBrushStyle::bsClear);
        TRect t = Rect(ARect.Left, textTop, ARect.Right, ARect.Bottom);
        ACanvas->DrawText(Button->Caption(), t, DT_CENTER | DT_SINGLELINE);
    }
}

void TXPMenu::DrawBand(TControl*, TCanvas* ACanvas, TRect& ARect, TBandPaintOptions& Options) {
    if (!FActive) return;
    const TXPEffectiveColors c = EffectiveColors(Env().DisplayDepth());
    ACanvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    ACanvas->Brush()->SetColor(c.Color);
    ACanvas->FillRect(ARect);
    ACanvas->Brush()->SetColor(c.MenuBorder);
    ACanvas->FrameRect(ARect);
    // A dotted grabber instead of the raised one.
    for (int y = ARect.Top + 3; y < ARect.Bottom - 3; y += 2) {
        ACanvas->SetPixel(ARect.Left + 3, y, c.MenuShadow);
        ACanvas->SetPixel(ARect.Left + 5, y + 1, c.MenuShadow);
    }
    Options = {};
}
