#include "app/Uform_velnaParts.h"

#include "app/Resources.h"

namespace velna {

void SetSongFont(TControl* Control, int Height, TColor Color) {
    Control->Font()->SetName(QString::fromUtf8("宋体"));
    Control->Font()->SetHeight(Height);
    Control->Font()->SetColor(Color);
}

void PlaceLabel(TLabel* Label, int Left, int Top, const QString& Caption, TColor Color) {
    Label->SetBounds(Left, Top, Label->Width(), Label->Height());
    Label->SetTransparent(true);
    SetSongFont(Label, -13, Color);
    Label->SetCaption(Caption);
}

TLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                  const QString& Caption, TColor Color) {
    auto* l = Make<TLabel>(Owner, Parent, Name);
    PlaceLabel(l, Left, Top, Caption, Color);
    return l;
}

TImage* MakeImage(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                  int Width, int Height, const char* Picture) {
    auto* i = Make<TImage>(Owner, Parent, Name, Bounds(Left, Top, Width, Height));
    i->Picture()->LoadFromFile(ResourcePath(Picture));
    return i;
}

TPanel* MakeView(TComponent* Owner, TWinControl* Parent, const char* Name, const QString& Caption) {
    auto* p = Make<TPanel>(Owner, Parent, Name, kViewBounds);
    p->SetColor(kPanelColor);
    p->SetBevelInner(TBevelCut::bvSpace);
    p->SetBevelOuter(TBevelCut::bvLowered);
    p->SetCaption(Caption);
    p->SetVisible(false);
    return p;
}

TFlatSpeedButton* MakeViewButton(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                                 int Top, int Width, int Height, const char* Glyph,
                                 const QString& Hint, TNotifyEvent OnClick) {
    auto* b = Make<TFlatSpeedButton>(Owner, Parent, Name, Bounds(Left, Top, Width, Height));
    b->SetColor(kButtonFace);
    b->SetColorFocused(clInfoBk);
    b->SetColorDown(clWhite);
    b->SetColorBorder(clBackground);
    b->SetColorHighLight(kButtonHighlight);
    TBitmap glyph;
    glyph.LoadFromFile(ResourcePath(Glyph));
    b->SetGlyph(&glyph);
    b->SetHint(Hint);
    b->SetShowHint(!Hint.isEmpty());
    b->OnClick = std::move(OnClick);
    return b;
}

} // namespace velna
