// Painting a skinned menu level: the popup picture, the items from the "MENUITEM" pictures with
// their texts, marks and glyphs, the scroll markers, and the blend with the screen behind.

#include "skin/SPEffBmp.h"
#include "skin/SkinMenus.h"

#include <algorithm>

namespace {

constexpr int kBand = 10;

// A small arrow pointing up or down, centred in R.
void ScrollArrow(TCanvas& C, const TRect& R, bool Up, TColor Ink) {
    const int cx = (R.Left + R.Right) / 2;
    const int cy = (R.Top + R.Bottom) / 2;
    C.Pen()->SetColor(Ink);
    for (int i = 0; i < 4; ++i) {
        const int y = Up ? cy - 2 + i : cy + 1 - i;
        C.MoveTo(cx - i, y);
        C.LineTo(cx + i + 1, y);
    }
}

void CheckMark(TCanvas& C, int X, int Y, TColor Ink) {
    C.Pen()->SetColor(Ink);
    for (int i = 0; i < 3; ++i) {
        C.MoveTo(X + 1, Y + 3 + i);
        C.LineTo(X + 3, Y + 5 + i);
        C.LineTo(X + 8, Y + i);
    }
}

void RadioDot(TCanvas& C, int X, int Y, TColor Ink) {
    C.Pen()->SetColor(Ink);
    C.Brush()->SetColor(Ink);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Ellipse(X + 2, Y + 2, X + 8, Y + 8);
}

// The submenu arrow: four columns, 7 pixels high at the left, narrowing to the right.
void SubMenuArrow(TCanvas& C, int X, int Y, TColor Ink) {
    C.Pen()->SetColor(Ink);
    for (int i = 0; i < 4; ++i) {
        C.MoveTo(X + i, Y + i);
        C.LineTo(X + i, Y + 7 - i);
    }
}

void Box(TCanvas& C, int L, int T, int R, int B, TColor Ink) {
    C.Brush()->SetColor(Ink);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.FrameRect({L, T, R, B});
    C.FillRect({L, T, R, T + 2});
}

} // namespace

bool DrawSystemMenuGlyph(TCanvas& C, const QString& Name, int X, int Y, TColor Ink) {
    C.Pen()->SetColor(Ink);
    C.Brush()->SetColor(Ink);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (Name == QLatin1String("DSF_CLOSE") || Name == QLatin1String("TRAY_DSF_CLOSE")) {
        for (int d = 0; d < 2; ++d) {
            C.MoveTo(X + 1 + d, Y + 1);
            C.LineTo(X + 9 + d, Y + 9);
            C.MoveTo(X + 8 + d, Y + 1);
            C.LineTo(X + d, Y + 9);
        }
    } else if (Name == QLatin1String("DSF_MINITEM")) {
        C.FillRect({X + 1, Y + 7, X + 9, Y + 9});
    } else if (Name == QLatin1String("DSF_MAXITEM")) {
        Box(C, X, Y, X + 10, Y + 10, Ink);
    } else if (Name == QLatin1String("DSF_RESTORE") || Name == QLatin1String("TRAY_DSF_RESTORE")) {
        Box(C, X + 3, Y, X + 10, Y + 7, Ink);
        C.Brush()->SetColor(Ink);
        C.FillRect({X, Y + 3, X + 7, Y + 10});
        C.Brush()->SetColor(clWhite);
        C.FillRect({X + 1, Y + 5, X + 6, Y + 9});
    } else if (Name == QLatin1String("DSF_ROLLUP")) {
        C.Polygon({{X + 1, Y + 3}, {X + 9, Y + 3}, {X + 5, Y + 7}});
    } else if (Name == QLatin1String("DSF_MINTOTRAY")) {
        C.FillRect({X + 3, Y + 5, X + 7, Y + 9});
    } else {
        return false;
    }
    return true;
}

void TSkinPopupWindow::DrawBackground(TBitmap& Target) {
    const TDataSkinPopupWindow& pw = FSkinData->PopupWindow();
    if (FPicture && !FPicture->Empty()) {
        const TSkinPoints old{pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect};
        const TRect r = Rect(0, 0, FPicture->Width(), FPicture->Height());
        DrawResizedSkin(old, FNewPoints, Target, *FPicture, r, Width(), Height(), true);
    }
    // A level can be larger than the picture allows (or have none): the rest stays plain.
    if (Target.Width() != Width() || Target.Height() != Height() || !FPicture)
        Target.SetSize(Width(), Height());
    if (FEmulated && FCapture) {
        TspEffectBmp own(Target);
        own.BlendRect(*FCapture, Rect(0, 0, Width(), Height()), 0, 0,
                      FMenu->MenusTransparentValue / 100.0);
        own.AssignTo(Target);
    }
}

void TSkinPopupWindow::BlendWithCapture(TBitmap& B, int X, int Y) {
    if (!FEmulated || !FCapture) return;
    TspEffectBmp own(B);
    own.BlendRect(*FCapture, Rect(0, 0, B.Width(), B.Height()), Y, X,
                  FMenu->MenusTransparentValue / 100.0);
    own.AssignTo(B);
}

void TSkinPopupWindow::DrawItem(const TSkinMenuItem& Item, TBitmap& B) {
    const TDataSkinMenuItem& s = *FMenuItemSkin;
    const TBitmap* pic = FSkinData->Picture(s.ActivePictureIndex);
    const int w = Item.ObjectRect.Width();
    if (Item.IsLine()) {
        if (pic && !s.DividerRect.IsEmpty())
            DrawWidenedSkin(s.DividerLeftOffset, s.DividerRightOffset, B, *pic, w, s.DividerRect);
        else
            B.SetSize(w, Item.ObjectRect.Height());
        BlendWithCapture(B, Item.ObjectRect.Left, Item.ObjectRect.Top);
        return;
    }
    const bool morph = s.Morphing && Item.Kf > 0 && Item.Kf < 1;
    const bool active = morph ? false : (s.Morphing ? Item.Kf >= 1 : Item.Active);
    if (pic) {
        DrawWidenedSkin(s.ItemLeftOffset, s.ItemRightOffset, B, *pic, w,
                        active ? s.ActiveSkinRect : s.SkinRect);
        if (morph) {
            TBitmap hot;
            DrawWidenedSkin(s.ItemLeftOffset, s.ItemRightOffset, hot, *pic, w, s.ActiveSkinRect);
            TspEffectBmp a(B), b(hot);
            if (s.MorphKind == TMorphKind::mkDefault)
                a.Blend(b, Item.Kf);
            else
                a.BlendGradient(b, Item.Kf);
            a.AssignTo(B);
        }
    }
    if (B.Width() != w || B.Height() != Item.ObjectRect.Height())
        B.SetSize(w, Item.ObjectRect.Height());
    TRect tr = s.TextRect;
    tr.Right += w - s.SkinRect.Width();
    DrawItemContent(Item, B, tr);
    BlendWithCapture(B, Item.ObjectRect.Left, Item.ObjectRect.Top);
}

void TSkinPopupWindow::DrawItemContent(const TSkinMenuItem& Item, TBitmap& B, const TRect& TR) {
    const TDataSkinMenuItem& s = *FMenuItemSkin;
    const TMenuItem& mi = *Item.MenuItem;
    const TColor ink = Item.Active    ? s.ActiveFontColor
                       : mi.Enabled() ? s.Font.Color
                                      : s.UnEnabledFontColor;
    TCanvas& c = *B.Canvas();
    c.SetFont(SkinMenuFont(s));
    c.Font()->SetColor(ink);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect caption{TR.Left + FImageColumn, TR.Top, TR.Right - 16, TR.Bottom};
    c.DrawText(mi.Caption(), caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (mi.ShortCut() != scNone) {
        TRect sc{TR.Left, TR.Top, TR.Right - 16, TR.Bottom};
        c.DrawText(ShortCutToText(mi.ShortCut()), sc,
                   DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
    const int centre = (TR.Top + TR.Bottom) / 2;
    if (Item.HasSubMenu()) SubMenuArrow(c, TR.Right - 7, centre - 4, ink);
    DrawItemMark(Item, c, TR, ink);
}

void TSkinPopupWindow::DrawItemMark(const TSkinMenuItem& Item, TCanvas& C, const TRect& TR,
                                    TColor Ink) {
    const TMenuItem& mi = *Item.MenuItem;
    const int centre = (TR.Top + TR.Bottom) / 2;
    const int index = mi.ImageIndex();
    if (FImages && index >= 0 && index < FImages->Count()) {
        const int y = centre - FImages->Height() / 2;
        FImages->Draw(&C, TR.Left + 2, y, index, mi.Enabled());
        if (mi.Checked()) {
            C.Brush()->SetColor(Ink);
            C.Brush()->SetStyle(TBrushStyle::bsSolid);
            C.FrameRect(
                {TR.Left + 1, y - 1, TR.Left + 3 + FImages->Width(), y + 1 + FImages->Height()});
        }
        return;
    }
    const int x = TR.Left + 2, y = centre - 4;
    if (DrawSystemMenuGlyph(C, mi.Name(), x, y, Ink)) return;
    if (!mi.Checked()) return;
    if (mi.RadioItem())
        RadioDot(C, x, y - 1, Ink);
    else
        CheckMark(C, x, y, Ink);
}

void TSkinPopupWindow::DrawScrollMarkers(TCanvas& C) {
    const TDataSkinPopupWindow& pw = FSkinData->PopupWindow();
    const TRect& ir = FNewItemsRect;
    const TRect top{ir.Left, ir.Top, ir.Right, ir.Top + kBand};
    const TRect bottom{ir.Left, ir.Bottom - kBand, ir.Right, ir.Bottom};
    ScrollArrow(C, top, true,
                FScrollCode == smsUp ? pw.ScrollMarkerActiveColor : pw.ScrollMarkerColor);
    ScrollArrow(C, bottom, false,
                FScrollCode == smsDown ? pw.ScrollMarkerActiveColor : pw.ScrollMarkerColor);
}

void TSkinPopupWindow::PaintTo(TBitmap& Target) {
    Target.SetPixelFormat(TPixelFormat::pf24bit);
    if (!FMenuItemSkin || Width() <= 0 || Height() <= 0) {
        Target.SetSize(std::max(0, Width()), std::max(0, Height()));
        return;
    }
    DrawBackground(Target);
    for (const auto& item : FItems) {
        if (!item->Visible) continue;
        TBitmap b;
        b.SetPixelFormat(TPixelFormat::pf24bit);
        DrawItem(*item, b);
        Target.Canvas()->Draw(item->ObjectRect.Left, item->ObjectRect.Top, &b);
    }
    if (FScrollable) DrawScrollMarkers(*Target.Canvas());
}

void TSkinPopupWindow::Paint() {
    TBitmap b;
    PaintTo(b);
    Canvas()->Draw(0, 0, &b);
}
