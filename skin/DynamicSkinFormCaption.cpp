// The caption object: its picture widened to the caption's width and the form's caption on it.

#include "skin/DynamicSkinForm.h"

#include "platform/Forms.h"
#include "skin/SPUtils.h"

#include <algorithm>

TSkinCaption::TSkinCaption(TspDynamicSkinForm* AParent, const TDataSkinCaption& Data)
    : TActiveSkinObject(AParent, Data), DefaultCaption(Data.DefaultCaption),
      TextRect(Data.TextRect), Font(Data.Font), ActiveFontColor(Data.ActiveFontColor),
      Alignment(Data.Alignment), Shadow(Data.Shadow), ShadowColor(Data.ShadowColor),
      ActiveShadowColor(Data.ActiveShadowColor) {}

TRect TSkinCaption::TextArea() const {
    TRect r = TextRect;
    OffsetRect(r, ObjectRect.Left, ObjectRect.Top);
    r.Right += ObjectRect.Width() - SkinRect.Width();
    return r;
}

TColor TSkinCaption::FontColor() const {
    return FParent->FormActive() ? ActiveFontColor : Font.Color;
}

QString TSkinCaption::FittedText(TCanvas* Canvas) const {
    if (!DefaultCaption || !FParent->Form()) return {};
    QString text = FParent->Form()->Caption();
    Canvas->Font()->SetName(Font.Name);
    Canvas->Font()->SetHeight(Font.Height);
    Canvas->Font()->SetStyle(Font.Style);
    const int room = TextArea().Width();
    if (Canvas->TextWidth(text) <= room) return text;
    const QString dots = QStringLiteral("...");
    while (!text.isEmpty()) {
        text.chop(1);
        if (Canvas->TextWidth(text + dots) <= room) break;
    }
    return text + dots;
}

void TSkinCaption::DrawBackground(TCanvas* Canvas, TPoint Offset) const {
    const TBitmap* active = ActivePicture();
    const bool hot = FActive && active && !ActiveSkinRect.IsEmpty();
    const TBitmap* source = hot ? active : Picture();
    const TRect src = hot ? ActiveSkinRect : SkinRect;
    if (!source || src.IsEmpty()) return;
    // The parts lying in the frame's fixed corners stay; the middle repeats over the growth.
    const TSkinFormInfo& info = FParent->SkinData()->FormInfo();
    const int left = std::clamp(info.LTPoint.X - SkinRect.Left, 0, src.Width());
    const int right = std::clamp(SkinRect.Right - info.RTPoint.X, 0, src.Width() - left);
    TBitmap wide;
    DrawWidenedSkin(left, right, wide, *source, ObjectRect.Width(), src);
    Canvas->Draw(ObjectRect.Left + Offset.X, ObjectRect.Top + Offset.Y, &wide);
}

void TSkinCaption::Draw(TCanvas* Canvas, TPoint Offset) {
    DrawBackground(Canvas, Offset);
    const QString text = FittedText(Canvas);
    if (text.isEmpty()) return;
    TRect r = TextArea();
    OffsetRect(r, Offset.X, Offset.Y);
    const int tw = Canvas->TextWidth(text);
    const int th = Canvas->TextHeight(text);
    const int y = r.Top + r.Height() / 2 - th / 2;
    int x = r.Left;
    if (Alignment == TAlignment::taRightJustify) x = r.Right - tw;
    if (Alignment == TAlignment::taCenter) x = r.Left + r.Width() / 2 - tw / 2;
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (Shadow) {
        Canvas->Font()->SetColor(FParent->FormActive() ? ActiveShadowColor : ShadowColor);
        Canvas->TextOut(x + 1, y + 1, text);
    }
    Canvas->Font()->SetColor(FontColor());
    Canvas->TextOut(x, y, text);
}
