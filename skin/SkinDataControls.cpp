#include "skin/SkinDataControls.h"

void TDataSkinControl::LoadFromFile(TMemIniFile& IniFile) {
    TSkinIniExchange x(IniFile, IDName, false);
    Exchange(x);
}

void TDataSkinControl::SaveToFile(TMemIniFile& IniFile) {
    IniFile.EraseSection(IDName);
    TSkinIniExchange x(IniFile, IDName, true);
    Exchange(x);
}

void TDataSkinControl::Exchange(TSkinIniExchange& X) {
    X.Int(u"pictureindex", PictureIndex, -1);
    X.Int(u"maskpictureindex", MaskPictureIndex, -1);
    X.Int(u"cursorindex", CursorIndex, -1);
    X.Rect(u"skinrect", SkinRect);
}

namespace {

void AnchorPoints(TSkinIniExchange& X, TPoint& LT, TPoint& RT, TPoint& LB, TPoint& RB) {
    X.Point(u"lefttoppoint", LT);
    X.Point(u"righttoppoint", RT);
    X.Point(u"leftbottompoint", LB);
    X.Point(u"rightbottompoint", RB);
}

} // namespace

void TDataResizeSkinControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    AnchorPoints(X, LTPoint, RTPoint, LBPoint, RBPoint);
    X.Rect(u"clientrect", ClientRect);
}

void TDataSkinButtonControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Color(u"downfontcolor", DownFontColor);
    X.Bool(u"morphing", Morphing);
    X.MorphKind(u"morphkind", MorphKind);
    X.Rect(u"activeskinrect", ActiveSkinRect);
    X.Rect(u"downskinrect", DownSkinRect);
}

void TDataSkinMenuButtonControl::Exchange(TSkinIniExchange& X) {
    TDataSkinButtonControl::Exchange(X);
    X.Rect(u"trackbuttonrect", TrackButtonRect);
}

void TDataSkinStdLabelControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    Font.Exchange(X);
}

void TDataSkinLabelControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    Font.Exchange(X);
}

void TDataSkinBitLabelControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"skintextrect", SkinTextRect);
    X.Int(u"symbolwidth", SymbolWidth);
    X.Int(u"symbolheight", SymbolHeight);
    X.Lines(u"symbols", Symbols);
}

void TDataSkinPanelControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"captionrect", CaptionRect);
    X.Rect(u"rollupmarkerrect", RollUpMarkerRect);
    X.Rect(u"restoremarkerrect", RestoreMarkerRect);
    X.Alignment(u"alignment", Alignment);
    Font.Exchange(X);
}

void TDataSkinCheckRadioControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Bool(u"morphing", Morphing);
    X.MorphKind(u"morphkind", MorphKind);
    X.Rect(u"activeskinrect", ActiveSkinRect);
    X.Rect(u"checkimagearea", CheckImageArea);
    X.Rect(u"textarea", TextArea);
    X.Rect(u"checkimagerect", CheckImageRect);
    X.Rect(u"uncheckimagerect", UnCheckImageRect);
}

void TDataSkinGaugeControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"progressarea", ProgressArea);
    X.Rect(u"progressrect", ProgressRect);
    X.Int(u"beginoffset", BeginOffset);
    X.Int(u"endoffset", EndOffset);
    X.Bool(u"vertical", Vertical);
    Font.Exchange(X);
}

void TDataSkinTrackBarControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"trackarea", TrackArea);
    X.Rect(u"buttonrect", ButtonRect);
    X.Rect(u"activebuttonrect", ActiveButtonRect);
    X.Bool(u"vertical", Vertical);
}

void TDataSkinEditControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"activeskinrect", ActiveSkinRect);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Rect(u"buttonrect", ButtonRect);
    X.Rect(u"activebuttonrect", ActiveButtonRect);
    X.Rect(u"downbuttonrect", DownButtonRect);
}

void TDataSkinMemoControl::Exchange(TSkinIniExchange& X) {
    TDataSkinEditControl::Exchange(X);
    X.Color(u"bgcolor", BGColor);
    X.Color(u"activebgcolor", ActiveBGColor);
}

void TDataSkinListBox::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"itemrect", ItemRect);
    X.Rect(u"activeitemrect", ActiveItemRect);
    X.Rect(u"focusitemrect", FocusItemRect);
    X.Int(u"itemleftoffset", ItemLeftOffset);
    X.Int(u"itemrightoffset", ItemRightOffset);
    X.Rect(u"itemtextrect", ItemTextRect);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Color(u"focusfontcolor", FocusFontColor);
    X.Rect(u"captionrect", CaptionRect);
    CaptionFont.Exchange(X, u"captionfont");
    Buttons.Exchange(X);
    X.Rect(u"checkbuttonrect", CheckButtonRect);
    X.Rect(u"activecheckbuttonrect", ActiveCheckButtonRect);
    X.Rect(u"downcheckbuttonrect", DownCheckButtonRect);
    X.Text(u"scrollbarname", ScrollBarName);
}

void TDataSkinCheckListBox::Exchange(TSkinIniExchange& X) {
    TDataSkinListBox::Exchange(X);
    X.Rect(u"checkimagerect", CheckImageRect);
    X.Rect(u"itemcheckrect", ItemCheckRect);
    X.Rect(u"uncheckimagerect", UnCheckImageRect);
}

void TDataSkinComboBox::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"itemrect", ItemRect);
    X.Rect(u"focusitemrect", FocusItemRect);
    X.Int(u"itemleftoffset", ItemLeftOffset);
    X.Int(u"itemrightoffset", ItemRightOffset);
    X.Rect(u"itemtextrect", ItemTextRect);
    Font.Exchange(X);
    X.Color(u"focusfontcolor", FocusFontColor);
    X.Rect(u"buttonrect", ButtonRect);
    X.Rect(u"activebuttonrect", ActiveButtonRect);
    X.Rect(u"downbuttonrect", DownButtonRect);
    X.Text(u"listboxname", ListBoxName);
}

void TDataSkinScrollBarControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"trackarea", TrackArea);
    Buttons.Exchange(X);
    X.Rect(u"thumbrect", ThumbRect);
    X.Rect(u"activethumbrect", ActiveThumbRect);
    X.Rect(u"downthumbrect", DownThumbRect);
    X.Int(u"thumboffset1", ThumbOffset1);
    X.Int(u"thumboffset2", ThumbOffset2);
}

void TDataSkinSpinEditControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    Font.Exchange(X);
    Buttons.Exchange(X);
}

void TDataSkinUpDownControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    Buttons.Exchange(X);
}

void TDataSkinControlBar::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect(u"itemrect", ItemRect);
}

void TDataSkinTabControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Rect(u"tabrect", TabRect);
    X.Rect(u"activetabrect", ActiveTabRect);
    X.Rect(u"focustabrect", FocusTabRect);
    X.Rect(u"clientrect", ClientRect);
    AnchorPoints(X, LTPoint, RTPoint, LBPoint, RBPoint);
    X.Int(u"tableftoffset", TabLeftOffset);
    X.Int(u"tabrightoffset", TabRightOffset);
    X.Rect(u"tabsbgrect", TabsBGRect);
    Font.Exchange(X);
    X.Color(u"activefontcolor", ActiveFontColor);
    X.Color(u"focusfontcolor", FocusFontColor);
    X.Text(u"updown", UpDown);
}

void TDataSkinGridControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Rect(u"fixedcellrect", FixedCellRect);
    X.Rect(u"selectcellrect", SelectCellRect);
    X.Rect(u"focuscellrect", FocusCellRect);
    X.Int(u"fixedcellleftoffset", FixedCellLeftOffset);
    X.Int(u"fixedcellrightoffset", FixedCellRightOffset);
    X.Rect(u"fixedcelltextrect", FixedCellTextRect);
    X.Int(u"cellleftoffset", CellLeftOffset);
    X.Int(u"cellrightoffset", CellRightOffset);
    X.Rect(u"celltextrect", CellTextRect);
    X.Color(u"linescolor", LinesColor);
    X.Color(u"bgcolor", BGColor);
    X.Int(u"bgpictureindex", BGPictureIndex, -1);
    Font.Exchange(X);
    X.Color(u"selectfontcolor", SelectFontColor);
    X.Color(u"focusfontcolor", FocusFontColor);
    FixedFont.Exchange(X, u"fixedfont");
}

void TDataSkinMainMenuBar::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Rect(u"itemsrect", ItemsRect);
    X.Text(u"menubaritem", MenuBarItem);
    X.Text(u"closebutton", CloseButton);
    X.Text(u"minbutton", MinButton);
    X.Text(u"maxbutton", MaxButton);
    X.Text(u"sysmenubutton", SysMenuButton);
    X.Color(u"trackmarkcolor", TrackMarkColor);
    X.Color(u"trackmarkactivecolor", TrackMarkActiveColor);
}

void TDataSkinFrameControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Int(u"framescount", FramesCount, 1);
    if (FramesCount < 1) FramesCount = 1;
    int k = FramesVertical ? 1 : 0;
    X.Choice(u"framesplacement", k, {"fphorizontal", "fpvertical"}, 0);
    FramesVertical = k != 0;
}

void TDataSkinFrameRegulator::Exchange(TSkinIniExchange& X) {
    TDataSkinFrameControl::Exchange(X);
    X.Choice(u"kind", Kind, {"rkround", "rkhorizontal", "rkvertical"}, 0);
}

std::unique_ptr<TDataSkinControl> CreateSkinControlDescription(QStringView Kind,
                                                               const QString& IDName) {
    static const TSkinKindMaker<TDataSkinControl> makers[] = {
        {u"button", MakeSkinDescription<TDataSkinControl, TDataSkinButtonControl>},
        {u"menubutton", MakeSkinDescription<TDataSkinControl, TDataSkinMenuButtonControl>},
        {u"stdlabel", MakeSkinDescription<TDataSkinControl, TDataSkinStdLabelControl>},
        {u"label", MakeSkinDescription<TDataSkinControl, TDataSkinLabelControl>},
        {u"bitlabel", MakeSkinDescription<TDataSkinControl, TDataSkinBitLabelControl>},
        {u"panel", MakeSkinDescription<TDataSkinControl, TDataSkinPanelControl>},
        {u"checkradio", MakeSkinDescription<TDataSkinControl, TDataSkinCheckRadioControl>},
        {u"gauge", MakeSkinDescription<TDataSkinControl, TDataSkinGaugeControl>},
        {u"trackbar", MakeSkinDescription<TDataSkinControl, TDataSkinTrackBarControl>},
        {u"edit", MakeSkinDescription<TDataSkinControl, TDataSkinEditControl>},
        {u"memo", MakeSkinDescription<TDataSkinControl, TDataSkinMemoControl>},
        {u"listbox", MakeSkinDescription<TDataSkinControl, TDataSkinListBox>},
        {u"checklistbox", MakeSkinDescription<TDataSkinControl, TDataSkinCheckListBox>},
        {u"combobox", MakeSkinDescription<TDataSkinControl, TDataSkinComboBox>},
        {u"scrollbar", MakeSkinDescription<TDataSkinControl, TDataSkinScrollBarControl>},
        {u"spinedit", MakeSkinDescription<TDataSkinControl, TDataSkinSpinEditControl>},
        {u"updown", MakeSkinDescription<TDataSkinControl, TDataSkinUpDownControl>},
        {u"controlbar", MakeSkinDescription<TDataSkinControl, TDataSkinControlBar>},
        {u"splitter", MakeSkinDescription<TDataSkinControl, TDataSkinSplitterControl>},
        {u"scrollbox", MakeSkinDescription<TDataSkinControl, TDataSkinScrollBoxControl>},
        {u"tab", MakeSkinDescription<TDataSkinControl, TDataSkinTabControl>},
        {u"grid", MakeSkinDescription<TDataSkinControl, TDataSkinGridControl>},
        {u"mainmenubar", MakeSkinDescription<TDataSkinControl, TDataSkinMainMenuBar>},
        {u"framegauge", MakeSkinDescription<TDataSkinControl, TDataSkinFrameGauge>},
        {u"animate", MakeSkinDescription<TDataSkinControl, TDataSkinAnimateControl>},
        {u"switch", MakeSkinDescription<TDataSkinControl, TDataSkinSwitchControl>},
        {u"frameregulator", MakeSkinDescription<TDataSkinControl, TDataSkinFrameRegulator>},
    };
    return MakeSkinDescription(makers, Kind, IDName);
}
