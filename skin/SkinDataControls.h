#pragma once
// Descriptions of skinned controls ([SKINCONTROLS]). A control looks its description up by
// section name and checks its class before use.

#include "skin/SkinDataValues.h"

#include <memory>

class TDataSkinControl {
public:
    explicit TDataSkinControl(const QString& AIDName) : IDName(AIDName) {}
    virtual ~TDataSkinControl() = default;
    void LoadFromFile(TMemIniFile& IniFile);
    void SaveToFile(TMemIniFile& IniFile);

    QString IDName;
    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    int CursorIndex = -1;
    TRect SkinRect;

protected:
    virtual void Exchange(TSkinIniExchange& X);
};

// A control picture that can be resized by its anchor points (relative to SkinRect).
class TDataResizeSkinControl : public TDataSkinControl {
public:
    using TDataSkinControl::TDataSkinControl;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClientRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinButtonControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    bool Morphing = false;
    TMorphKind MorphKind = TMorphKind::mkDefault;
    TRect ActiveSkinRect;
    TRect DownSkinRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinMenuButtonControl : public TDataSkinButtonControl {
public:
    using TDataSkinButtonControl::TDataSkinButtonControl;
    TRect TrackButtonRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinStdLabelControl : public TDataSkinControl {
public:
    using TDataSkinControl::TDataSkinControl;
    TSkinFont Font;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinLabelControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TSkinFont Font;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinBitLabelControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect SkinTextRect;
    int SymbolWidth = 0;
    int SymbolHeight = 0;
    QStringList Symbols;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinPanelControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect CaptionRect;
    TRect RollUpMarkerRect;
    TRect RestoreMarkerRect;
    TAlignment Alignment = TAlignment::taCenter;
    TSkinFont Font;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinCheckRadioControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    bool Morphing = false;
    TMorphKind MorphKind = TMorphKind::mkDefault;
    TRect ActiveSkinRect;
    TRect CheckImageArea;
    TRect TextArea;
    TRect CheckImageRect;
    TRect UnCheckImageRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinGaugeControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect ProgressArea;
    TRect ProgressRect;
    int BeginOffset = 0;
    int EndOffset = 0;
    bool Vertical = false;
    TSkinFont Font;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinTrackBarControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect TrackArea;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    bool Vertical = false;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinEditControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect ActiveSkinRect;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinMemoControl : public TDataSkinEditControl {
public:
    using TDataSkinEditControl::TDataSkinEditControl;
    TColor BGColor = 0;
    TColor ActiveBGColor = 0;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinListBox : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect ItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect ItemTextRect;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    TRect CaptionRect;
    TSkinFont CaptionFont;
    TSkinUpDownRects Buttons;
    TRect CheckButtonRect;
    TRect ActiveCheckButtonRect;
    TRect DownCheckButtonRect;
    QString ScrollBarName;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinCheckListBox : public TDataSkinListBox {
public:
    using TDataSkinListBox::TDataSkinListBox;
    TRect CheckImageRect;
    TRect ItemCheckRect;
    TRect UnCheckImageRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinComboBox : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect ItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect ItemTextRect;
    TSkinFont Font;
    TColor FocusFontColor = 0;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    QString ListBoxName;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinScrollBarControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect TrackArea;
    TSkinUpDownRects Buttons;
    TRect ThumbRect;
    TRect ActiveThumbRect;
    TRect DownThumbRect;
    int ThumbOffset1 = 0;
    int ThumbOffset2 = 0;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinSpinEditControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TSkinFont Font;
    TSkinUpDownRects Buttons;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinUpDownControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TSkinUpDownRects Buttons;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinControlBar : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
    TRect ItemRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinSplitterControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
};

class TDataSkinScrollBoxControl : public TDataResizeSkinControl {
public:
    using TDataResizeSkinControl::TDataResizeSkinControl;
};

class TDataSkinTabControl : public TDataSkinControl {
public:
    using TDataSkinControl::TDataSkinControl;
    TRect TabRect;
    TRect ActiveTabRect;
    TRect FocusTabRect;
    TRect ClientRect;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int TabLeftOffset = 0;
    int TabRightOffset = 0;
    TRect TabsBGRect;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    QString UpDown;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinGridControl : public TDataSkinControl {
public:
    using TDataSkinControl::TDataSkinControl;
    TRect FixedCellRect;
    TRect SelectCellRect;
    TRect FocusCellRect;
    int FixedCellLeftOffset = 0;
    int FixedCellRightOffset = 0;
    TRect FixedCellTextRect;
    int CellLeftOffset = 0;
    int CellRightOffset = 0;
    TRect CellTextRect;
    TColor LinesColor = 0;
    TColor BGColor = 0;
    int BGPictureIndex = -1;
    TSkinFont Font;
    TColor SelectFontColor = 0;
    TColor FocusFontColor = 0;
    TSkinFont FixedFont;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinMainMenuBar : public TDataSkinControl {
public:
    using TDataSkinControl::TDataSkinControl;
    TRect ItemsRect;
    QString MenuBarItem;
    QString CloseButton;
    QString MinButton;
    QString MaxButton;
    QString SysMenuButton;
    TColor TrackMarkColor = 0;
    TColor TrackMarkActiveColor = 0;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

// Controls drawn as one frame of a strip of pictures.
class TDataSkinFrameControl : public TDataSkinControl {
public:
    using TDataSkinControl::TDataSkinControl;
    int FramesCount = 1;
    bool FramesVertical = false; // "fphorizontal" or any other text

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinFrameGauge : public TDataSkinFrameControl {
public:
    using TDataSkinFrameControl::TDataSkinFrameControl;
};

class TDataSkinAnimateControl : public TDataSkinFrameControl {
public:
    using TDataSkinFrameControl::TDataSkinFrameControl;
};

class TDataSkinSwitchControl : public TDataSkinFrameControl {
public:
    using TDataSkinFrameControl::TDataSkinFrameControl;
};

class TDataSkinFrameRegulator : public TDataSkinFrameControl {
public:
    using TDataSkinFrameControl::TDataSkinFrameControl;
    int Kind = 0; // 0 round, 1 horizontal, 2 vertical

protected:
    void Exchange(TSkinIniExchange& X) override;
};

// The description of the kind word, or nullptr for a word that is not a control kind.
std::unique_ptr<TDataSkinControl> CreateSkinControlDescription(QStringView Kind,
                                                               const QString& IDName);
