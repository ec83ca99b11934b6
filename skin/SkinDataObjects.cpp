#include "skin/SkinDataObjects.h"

#include <map>

void TDataSkinObject::LoadFromFile(TMemIniFile& IniFile) {
    TSkinIniExchange x(IniFile, IDName, false);
    Exchange(x);
}

void TDataSkinObject::SaveToFile(TMemIniFile& IniFile) {
    IniFile.EraseSection(IDName);
    TSkinIniExchange x(IniFile, IDName, true);
    Exchange(x);
}

void TDataSkinObject::Exchange(TSkinIniExchange& X) {
    X.Bool("rollup", RollUp);
    X.Int("activepictureindex", ActivePictureIndex, -1);
    X.Int("cursorindex", CursorIndex, -1);
    X.Rect("skinrect", SkinRect);
    X.Rect("activeskinrect", ActiveSkinRect);
    X.Bool("morphing", Morphing);
    X.MorphKind("morphkind", MorphKind);
}

void TDataSkinCaption::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Bool("defaultcaption", DefaultCaption);
    X.Rect("textrect", TextRect);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Alignment("alignment", Alignment);
    X.Bool("shadow", Shadow);
    X.Color("shadowcolor", ShadowColor);
    X.Color("activeshadowcolor", ActiveShadowColor);
}

void TDataSkinButton::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Rect("downrect", DownRect);
    X.Int("groupindex", GroupIndex, -1);
}

void TDataSkinStdButton::Exchange(TSkinIniExchange& X) {
    TDataSkinButton::Exchange(X);
    X.Command("command", Command);
    X.Rect("restorerect", RestoreRect);
    X.Rect("restoreactiverect", RestoreActiveRect);
    X.Rect("restoredownrect", RestoreDownRect);
}

void TDataSkinMenuItem::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int("itemleftoffset", ItemLeftOffset);
    X.Int("itemrightoffset", ItemRightOffset);
    X.Rect("dividerrect", DividerRect);
    X.Int("dividerleftoffset", DividerLeftOffset);
    X.Int("dividerrightoffset", DividerRightOffset);
    X.Rect("textrect", TextRect);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Color("unenabledfontcolor", UnEnabledFontColor);
}

void TDataSkinMainMenuItem::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int("itemleftoffset", ItemLeftOffset);
    X.Int("itemrightoffset", ItemRightOffset);
    X.Rect("downrect", DownRect);
    X.Rect("textrect", TextRect);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Color("downfontcolor", DownFontColor);
    X.Color("unenabledfontColor", UnEnabledFontColor);
}

void TDataSkinLabel::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Alignment("alignment", Alignment);
    X.Text("textvalue", TextValue);
}

void TDataSkinBitLabel::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Text("textvalue", TextValue);
    X.Int("symbolwidth", SymbolWidth);
    X.Int("symbolheight", SymbolHeight);
    X.Lines("symbols", Symbols);
}

void TDataSkinTrackBar::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Rect("buttonrect", ButtonRect);
    X.Rect("activebuttonrect", ActiveButtonRect);
    X.Point("beginpoint", BeginPoint);
    X.Point("endpoint", EndPoint);
    X.Int("minvalue", MinValue);
    X.Int("maxvalue", MaxValue);
    X.Bool("mousedownchangevalue", MouseDownChangeValue);
}

namespace {

void VerticalChoice(TSkinIniExchange& X, TSkinKey Key, bool& Vertical,
                    std::initializer_list<const char*> Words) {
    int k = Vertical ? 1 : 0;
    X.Choice(Key, k, Words, 0);
    Vertical = k != 0;
}

} // namespace

void TDataSkinGauge::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int("minvalue", MinValue);
    X.Int("maxvalue", MaxValue);
    VerticalChoice(X, "kind", Vertical, {"gkhorizontal", "gkvertical"});
}

void TDataSkinFrameGaugeObject::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int("minvalue", MinValue);
    X.Int("maxvalue", MaxValue);
    X.Int("countframes", CountFrames);
    VerticalChoice(X, "framesplacement", FramesVertical, {"fphorizontal", "fpvertical"});
}

void TDataSkinFrameRegulatorObject::Exchange(TSkinIniExchange& X) {
    TDataSkinFrameGaugeObject::Exchange(X);
    X.Choice("kind", Kind, {"rkround", "rkhorizontal", "rkvertical"}, 0);
}

void TDataSkinAnimate::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int("countframes", CountFrames, 1);
    X.Bool("cycle", Cycle);
    X.Bool("buttonstyle", ButtonStyle);
    X.Int("timerinterval", TimerInterval, 50);
    X.Command("command", Command);
    // Frames replace each other; there is nothing to morph between.
    Morphing = false;
}

void TDataUserObject::Exchange(TSkinIniExchange& X) {
    X.Bool("rollup", RollUp);
    X.Rect("skinrect", SkinRect);
    X.Int("cursorindex", CursorIndex, -1);
}

namespace {

template <class T> std::unique_ptr<TDataSkinObject> New(const QString& IDName) {
    return std::make_unique<T>(IDName);
}

} // namespace

std::unique_ptr<TDataSkinObject> CreateSkinObjectDescription(const QString& Kind,
                                                             const QString& IDName) {
    using Maker = std::unique_ptr<TDataSkinObject> (*)(const QString&);
    static const std::map<QString, Maker> makers = {
        {"caption", New<TDataSkinCaption>},
        {"button", New<TDataSkinButton>},
        {"stdbutton", New<TDataSkinStdButton>},
        {"mainmenubarbutton", New<TDataSkinMainMenuBarButton>},
        {"menuitem", New<TDataSkinMenuItem>},
        {"mainmenuitem", New<TDataSkinMainMenuItem>},
        {"mainmenubaritem", New<TDataSkinMainMenuBarItem>},
        {"label", New<TDataSkinLabel>},
        {"bitlabel", New<TDataSkinBitLabel>},
        {"trackbar", New<TDataSkinTrackBar>},
        {"gauge", New<TDataSkinGauge>},
        {"framegauge", New<TDataSkinFrameGaugeObject>},
        {"frameregulator", New<TDataSkinFrameRegulatorObject>},
        {"switch", New<TDataSkinSwitch>},
        {"animate", New<TDataSkinAnimate>},
        {"userobject", New<TDataUserObject>},
    };
    const auto it = makers.find(Kind);
    return it == makers.end() ? nullptr : it->second(IDName);
}

void TDataSkinPopupWindow::Exchange(TSkinIniExchange& X) {
    X.Int("windowpictureindex", WindowPictureIndex, -1);
    X.Int("maskpictureindex", MaskPictureIndex, -1);
    X.Point("lefttoppoint", LTPoint);
    X.Point("righttoppoint", RTPoint);
    X.Point("leftbottompoint", LBPoint);
    X.Point("rightbottompoint", RBPoint);
    X.Int("cursorindex", CursorIndex, -1);
    X.Rect("itemsrect", ItemsRect);
    X.Color("scrollmarkercolor", ScrollMarkerColor);
    X.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
}

void TDataSkinPopupWindow::LoadFromFile(TMemIniFile& IniFile) {
    TSkinIniExchange x(IniFile, QStringLiteral("POPUPWINDOW"), false);
    Exchange(x);
}

void TDataSkinPopupWindow::SaveToFile(TMemIniFile& IniFile) {
    IniFile.EraseSection(QStringLiteral("POPUPWINDOW"));
    TSkinIniExchange x(IniFile, QStringLiteral("POPUPWINDOW"), true);
    Exchange(x);
}

void TDataSkinHintWindow::Exchange(TSkinIniExchange& X) {
    X.Int("windowpictureindex", WindowPictureIndex, -1);
    X.Int("maskpictureindex", MaskPictureIndex, -1);
    Anchors.Exchange(X);
    Font.Exchange(X);
}

void TDataSkinHintWindow::LoadFromFile(TMemIniFile& IniFile) {
    TSkinIniExchange x(IniFile, QStringLiteral("HINTWINDOW"), false);
    Exchange(x);
}

void TDataSkinHintWindow::SaveToFile(TMemIniFile& IniFile) {
    IniFile.EraseSection(QStringLiteral("HINTWINDOW"));
    TSkinIniExchange x(IniFile, QStringLiteral("HINTWINDOW"), true);
    Exchange(x);
}

TDataSkinArea TDataSkinArea::FromEntry(const QString& Name, const QString& RectText) {
    return TDataSkinArea(Name, SkinStrToRect(RectText));
}
