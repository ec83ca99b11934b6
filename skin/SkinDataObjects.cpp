#include "skin/SkinDataObjects.h"

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
    X.Bool(u"rollup", RollUp);
    X.Int(u"activepictureindex", ActivePictureIndex, -1);
    X.Int(u"cursorindex", CursorIndex, -1);
    X.Rect(u"skinrect", SkinRect);
    X.Rect(u"activeskinrect", ActiveSkinRect);
    X.Bool(u"morphing", Morphing);
    X.MorphKind(u"morphkind", MorphKind);
}

void TDataSkinCaption::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Bool(u"defaultcaption", DefaultCaption);
    X.Rect(u"textrect", TextRect);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Alignment(u"alignment", Alignment);
    X.Bool(u"shadow", Shadow);
    X.Color(u"shadowcolor", ShadowColor);
    X.Color(u"activeshadowcolor", ActiveShadowColor);
}

void TDataSkinButton::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Rect(u"downrect", DownRect);
    X.Int(u"groupindex", GroupIndex, -1);
}

void TDataSkinStdButton::Exchange(TSkinIniExchange& X) {
    TDataSkinButton::Exchange(X);
    X.Command(u"command", Command);
    X.Rect(u"restorerect", RestoreRect);
    X.Rect(u"restoreactiverect", RestoreActiveRect);
    X.Rect(u"restoredownrect", RestoreDownRect);
}

void TDataSkinMenuItem::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int(u"itemleftoffset", ItemLeftOffset);
    X.Int(u"itemrightoffset", ItemRightOffset);
    X.Rect(u"dividerrect", DividerRect);
    X.Int(u"dividerleftoffset", DividerLeftOffset);
    X.Int(u"dividerrightoffset", DividerRightOffset);
    X.Rect(u"textrect", TextRect);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Color(u"unenabledfontcolor", UnEnabledFontColor);
}

void TDataSkinMainMenuItem::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int(u"itemleftoffset", ItemLeftOffset);
    X.Int(u"itemrightoffset", ItemRightOffset);
    X.Rect(u"downrect", DownRect);
    X.Rect(u"textrect", TextRect);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Color(u"downfontcolor", DownFontColor);
    X.Color(u"unenabledfontColor", UnEnabledFontColor);
}

void TDataSkinLabel::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Alignment(u"alignment", Alignment);
    X.Text(u"textvalue", TextValue);
}

void TDataSkinBitLabel::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Text(u"textvalue", TextValue);
    X.Int(u"symbolwidth", SymbolWidth);
    X.Int(u"symbolheight", SymbolHeight);
    X.Lines(u"symbols", Symbols);
}

void TDataSkinTrackBar::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Rect(u"buttonrect", ButtonRect);
    X.Rect(u"activebuttonrect", ActiveButtonRect);
    X.Point(u"beginpoint", BeginPoint);
    X.Point(u"endpoint", EndPoint);
    X.Int(u"minvalue", MinValue);
    X.Int(u"maxvalue", MaxValue);
    X.Bool(u"mousedownchangevalue", MouseDownChangeValue);
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
    X.Int(u"minvalue", MinValue);
    X.Int(u"maxvalue", MaxValue);
    VerticalChoice(X, u"kind", Vertical, {"gkhorizontal", "gkvertical"});
}

void TDataSkinFrameGaugeObject::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int(u"minvalue", MinValue);
    X.Int(u"maxvalue", MaxValue);
    X.Int(u"countframes", CountFrames);
    VerticalChoice(X, u"framesplacement", FramesVertical, {"fphorizontal", "fpvertical"});
}

void TDataSkinFrameRegulatorObject::Exchange(TSkinIniExchange& X) {
    TDataSkinFrameGaugeObject::Exchange(X);
    X.Choice(u"kind", Kind, {"rkround", "rkhorizontal", "rkvertical"}, 0);
}

void TDataSkinAnimate::Exchange(TSkinIniExchange& X) {
    TDataSkinObject::Exchange(X);
    X.Int(u"countframes", CountFrames, 1);
    X.Bool(u"cycle", Cycle);
    X.Bool(u"buttonstyle", ButtonStyle);
    X.Int(u"timerinterval", TimerInterval, 50);
    X.Command(u"command", Command);
    // Frames replace each other; there is nothing to morph between.
    Morphing = false;
}

void TDataUserObject::Exchange(TSkinIniExchange& X) {
    X.Bool(u"rollup", RollUp);
    X.Rect(u"skinrect", SkinRect);
    X.Int(u"cursorindex", CursorIndex, -1);
}

std::unique_ptr<TDataSkinObject> CreateSkinObjectDescription(QStringView Kind,
                                                             const QString& IDName) {
    static const TSkinKindMaker<TDataSkinObject> makers[] = {
        {u"caption", MakeSkinDescription<TDataSkinObject, TDataSkinCaption>},
        {u"button", MakeSkinDescription<TDataSkinObject, TDataSkinButton>},
        {u"stdbutton", MakeSkinDescription<TDataSkinObject, TDataSkinStdButton>},
        {u"mainmenubarbutton", MakeSkinDescription<TDataSkinObject, TDataSkinMainMenuBarButton>},
        {u"menuitem", MakeSkinDescription<TDataSkinObject, TDataSkinMenuItem>},
        {u"mainmenuitem", MakeSkinDescription<TDataSkinObject, TDataSkinMainMenuItem>},
        {u"mainmenubaritem", MakeSkinDescription<TDataSkinObject, TDataSkinMainMenuBarItem>},
        {u"label", MakeSkinDescription<TDataSkinObject, TDataSkinLabel>},
        {u"bitlabel", MakeSkinDescription<TDataSkinObject, TDataSkinBitLabel>},
        {u"trackbar", MakeSkinDescription<TDataSkinObject, TDataSkinTrackBar>},
        {u"gauge", MakeSkinDescription<TDataSkinObject, TDataSkinGauge>},
        {u"framegauge", MakeSkinDescription<TDataSkinObject, TDataSkinFrameGaugeObject>},
        {u"frameregulator", MakeSkinDescription<TDataSkinObject, TDataSkinFrameRegulatorObject>},
        {u"switch", MakeSkinDescription<TDataSkinObject, TDataSkinSwitch>},
        {u"animate", MakeSkinDescription<TDataSkinObject, TDataSkinAnimate>},
        {u"userobject", MakeSkinDescription<TDataSkinObject, TDataUserObject>},
    };
    return MakeSkinDescription(makers, Kind, IDName);
}

void TDataSkinPopupWindow::Exchange(TSkinIniExchange& X) {
    X.Int(u"windowpictureindex", WindowPictureIndex, -1);
    X.Int(u"maskpictureindex", MaskPictureIndex, -1);
    X.Point(u"lefttoppoint", LTPoint);
    X.Point(u"righttoppoint", RTPoint);
    X.Point(u"leftbottompoint", LBPoint);
    X.Point(u"rightbottompoint", RBPoint);
    X.Int(u"cursorindex", CursorIndex, -1);
    X.Rect(u"itemsrect", ItemsRect);
    X.Color(u"scrollmarkercolor", ScrollMarkerColor);
    X.Color(u"scrollmarkeractivecolor", ScrollMarkerActiveColor);
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
    X.Int(u"windowpictureindex", WindowPictureIndex, -1);
    X.Int(u"maskpictureindex", MaskPictureIndex, -1);
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
