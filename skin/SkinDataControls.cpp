#include "skin/SkinDataControls.h"

#include <map>

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
    X.Int("pictureindex", PictureIndex, -1);
    X.Int("maskpictureindex", MaskPictureIndex, -1);
    X.Int("cursorindex", CursorIndex, -1);
    X.Rect("skinrect", SkinRect);
}

namespace {

void AnchorPoints(TSkinIniExchange& X, TPoint& LT, TPoint& RT, TPoint& LB, TPoint& RB) {
    X.Point("lefttoppoint", LT);
    X.Point("righttoppoint", RT);
    X.Point("leftbottompoint", LB);
    X.Point("rightbottompoint", RB);
}

} // namespace

void TDataResizeSkinControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    AnchorPoints(X, LTPoint, RTPoint, LBPoint, RBPoint);
    X.Rect("clientrect", ClientRect);
}

void TDataSkinButtonControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Color("downfontcolor", DownFontColor);
    X.Bool("morphing", Morphing);
    X.MorphKind("morphkind", MorphKind);
    X.Rect("activeskinrect", ActiveSkinRect);
    X.Rect("downskinrect", DownSkinRect);
}

void TDataSkinMenuButtonControl::Exchange(TSkinIniExchange& X) {
    TDataSkinButtonControl::Exchange(X);
    X.Rect("trackbuttonrect", TrackButtonRect);
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
    X.Rect("skintextrect", SkinTextRect);
    X.Int("symbolwidth", SymbolWidth);
    X.Int("symbolheight", SymbolHeight);
    X.Lines("symbols", Symbols);
}

void TDataSkinPanelControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect("captionrect", CaptionRect);
    X.Rect("rollupmarkerrect", RollUpMarkerRect);
    X.Rect("restoremarkerrect", RestoreMarkerRect);
    X.Alignment("alignment", Alignment);
    Font.Exchange(X);
}

void TDataSkinCheckRadioControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Bool("morphing", Morphing);
    X.MorphKind("morphkind", MorphKind);
    X.Rect("activeskinrect", ActiveSkinRect);
    X.Rect("checkimagearea", CheckImageArea);
    X.Rect("textarea", TextArea);
    X.Rect("checkimagerect", CheckImageRect);
    X.Rect("uncheckimagerect", UnCheckImageRect);
}

void TDataSkinGaugeControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect("progressarea", ProgressArea);
    X.Rect("progressrect", ProgressRect);
    X.Int("beginoffset", BeginOffset);
    X.Int("endoffset", EndOffset);
    X.Bool("vertical", Vertical);
    Font.Exchange(X);
}

void TDataSkinTrackBarControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect("trackarea", TrackArea);
    X.Rect("buttonrect", ButtonRect);
    X.Rect("activebuttonrect", ActiveButtonRect);
    X.Bool("vertical", Vertical);
}

void TDataSkinEditControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect("activeskinrect", ActiveSkinRect);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Rect("buttonrect", ButtonRect);
    X.Rect("activebuttonrect", ActiveButtonRect);
    X.Rect("downbuttonrect", DownButtonRect);
}

void TDataSkinMemoControl::Exchange(TSkinIniExchange& X) {
    TDataSkinEditControl::Exchange(X);
    X.Color("bgcolor", BGColor);
    X.Color("activebgcolor", ActiveBGColor);
}

void TDataSkinListBox::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect("itemrect", ItemRect);
    X.Rect("activeitemrect", ActiveItemRect);
    X.Rect("focusitemrect", FocusItemRect);
    X.Int("itemleftoffset", ItemLeftOffset);
    X.Int("itemrightoffset", ItemRightOffset);
    X.Rect("itemtextrect", ItemTextRect);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Color("focusfontcolor", FocusFontColor);
    X.Rect("captionrect", CaptionRect);
    CaptionFont.Exchange(X, "captionfont");
    Buttons.Exchange(X);
    X.Rect("checkbuttonrect", CheckButtonRect);
    X.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    X.Rect("downcheckbuttonrect", DownCheckButtonRect);
    X.Text("scrollbarname", ScrollBarName);
}

void TDataSkinCheckListBox::Exchange(TSkinIniExchange& X) {
    TDataSkinListBox::Exchange(X);
    X.Rect("checkimagerect", CheckImageRect);
    X.Rect("itemcheckrect", ItemCheckRect);
    X.Rect("uncheckimagerect", UnCheckImageRect);
}

void TDataSkinComboBox::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect("itemrect", ItemRect);
    X.Rect("focusitemrect", FocusItemRect);
    X.Int("itemleftoffset", ItemLeftOffset);
    X.Int("itemrightoffset", ItemRightOffset);
    X.Rect("itemtextrect", ItemTextRect);
    Font.Exchange(X);
    X.Color("focusfontcolor", FocusFontColor);
    X.Rect("buttonrect", ButtonRect);
    X.Rect("activebuttonrect", ActiveButtonRect);
    X.Rect("downbuttonrect", DownButtonRect);
    X.Text("listboxname", ListBoxName);
}

void TDataSkinScrollBarControl::Exchange(TSkinIniExchange& X) {
    TDataResizeSkinControl::Exchange(X);
    X.Rect("trackarea", TrackArea);
    Buttons.Exchange(X);
    X.Rect("thumbrect", ThumbRect);
    X.Rect("activethumbrect", ActiveThumbRect);
    X.Rect("downthumbrect", DownThumbRect);
    X.Int("thumboffset1", ThumbOffset1);
    X.Int("thumboffset2", ThumbOffset2);
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
    X.Rect("itemrect", ItemRect);
}

void TDataSkinTabControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Rect("tabrect", TabRect);
    X.Rect("activetabrect", ActiveTabRect);
    X.Rect("focustabrect", FocusTabRect);
    X.Rect("clientrect", ClientRect);
    AnchorPoints(X, LTPoint, RTPoint, LBPoint, RBPoint);
    X.Int("tableftoffset", TabLeftOffset);
    X.Int("tabrightoffset", TabRightOffset);
    X.Rect("tabsbgrect", TabsBGRect);
    Font.Exchange(X);
    X.Color("activefontcolor", ActiveFontColor);
    X.Color("focusfontcolor", FocusFontColor);
    X.Text("updown", UpDown);
}

void TDataSkinGridControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Rect("fixedcellrect", FixedCellRect);
    X.Rect("selectcellrect", SelectCellRect);
    X.Rect("focuscellrect", FocusCellRect);
    X.Int("fixedcellleftoffset", FixedCellLeftOffset);
    X.Int("fixedcellrightoffset", FixedCellRightOffset);
    X.Rect("fixedcelltextrect", FixedCellTextRect);
    X.Int("cellleftoffset", CellLeftOffset);
    X.Int("cellrightoffset", CellRightOffset);
    X.Rect("celltextrect", CellTextRect);
    X.Color("linescolor", LinesColor);
    X.Color("bgcolor", BGColor);
    X.Int("bgpictureindex", BGPictureIndex, -1);
    Font.Exchange(X);
    X.Color("selectfontcolor", SelectFontColor);
    X.Color("focusfontcolor", FocusFontColor);
    FixedFont.Exchange(X, "fixedfont");
}

void TDataSkinMainMenuBar::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Rect("itemsrect", ItemsRect);
    X.Text("menubaritem", MenuBarItem);
    X.Text("closebutton", CloseButton);
    X.Text("minbutton", MinButton);
    X.Text("maxbutton", MaxButton);
    X.Text("sysmenubutton", SysMenuButton);
    X.Color("trackmarkcolor", TrackMarkColor);
    X.Color("trackmarkactivecolor", TrackMarkActiveColor);
}

void TDataSkinFrameControl::Exchange(TSkinIniExchange& X) {
    TDataSkinControl::Exchange(X);
    X.Int("framescount", FramesCount, 1);
    if (FramesCount < 1) FramesCount = 1;
    int k = FramesVertical ? 1 : 0;
    X.Choice("framesplacement", k, {"fphorizontal", "fpvertical"}, 0);
    FramesVertical = k != 0;
}

void TDataSkinFrameRegulator::Exchange(TSkinIniExchange& X) {
    TDataSkinFrameControl::Exchange(X);
    X.Choice("kind", Kind, {"rkround", "rkhorizontal", "rkvertical"}, 0);
}

namespace {

template <class T> std::unique_ptr<TDataSkinControl> New(const QString& IDName) {
    return std::make_unique<T>(IDName);
}

} // namespace

std::unique_ptr<TDataSkinControl> CreateSkinControlDescription(const QString& Kind,
                                                               const QString& IDName) {
    using Maker = std::unique_ptr<TDataSkinControl> (*)(const QString&);
    static const std::map<QString, Maker> makers = {
        {"button", New<TDataSkinButtonControl>},
        {"menubutton", New<TDataSkinMenuButtonControl>},
        {"stdlabel", New<TDataSkinStdLabelControl>},
        {"label", New<TDataSkinLabelControl>},
        {"bitlabel", New<TDataSkinBitLabelControl>},
        {"panel", New<TDataSkinPanelControl>},
        {"checkradio", New<TDataSkinCheckRadioControl>},
        {"gauge", New<TDataSkinGaugeControl>},
        {"trackbar", New<TDataSkinTrackBarControl>},
        {"edit", New<TDataSkinEditControl>},
        {"memo", New<TDataSkinMemoControl>},
        {"listbox", New<TDataSkinListBox>},
        {"checklistbox", New<TDataSkinCheckListBox>},
        {"combobox", New<TDataSkinComboBox>},
        {"scrollbar", New<TDataSkinScrollBarControl>},
        {"spinedit", New<TDataSkinSpinEditControl>},
        {"updown", New<TDataSkinUpDownControl>},
        {"controlbar", New<TDataSkinControlBar>},
        {"splitter", New<TDataSkinSplitterControl>},
        {"scrollbox", New<TDataSkinScrollBoxControl>},
        {"tab", New<TDataSkinTabControl>},
        {"grid", New<TDataSkinGridControl>},
        {"mainmenubar", New<TDataSkinMainMenuBar>},
        {"framegauge", New<TDataSkinFrameGauge>},
        {"animate", New<TDataSkinAnimateControl>},
        {"switch", New<TDataSkinSwitchControl>},
        {"frameregulator", New<TDataSkinFrameRegulator>},
    };
    const auto it = makers.find(Kind);
    return it == makers.end() ? nullptr : it->second(IDName);
}
