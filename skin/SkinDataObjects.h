#pragma once
// Descriptions of the window frame's active objects ([SKINOBJECTS]), of the popup and hint
// windows and of named areas. Each reads its own section and writes it back in the same syntax.

#include "skin/SkinDataValues.h"

#include <memory>

// What every object section holds. LoadFromFile reads the section named IDName; SaveToFile
// erases it and writes every key back.
class TDataSkinObject {
public:
    explicit TDataSkinObject(const QString& AIDName) : IDName(AIDName) {}
    virtual ~TDataSkinObject() = default;
    void LoadFromFile(TMemIniFile& IniFile);
    void SaveToFile(TMemIniFile& IniFile);

    QString IDName;
    bool RollUp = false;
    int ActivePictureIndex = -1;
    int CursorIndex = -1;
    TRect SkinRect;
    TRect ActiveSkinRect;
    bool Morphing = false;
    TMorphKind MorphKind = TMorphKind::mkDefault;

protected:
    virtual void Exchange(TSkinIniExchange& X);
};

class TDataSkinCaption : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    bool DefaultCaption = false;
    TRect TextRect;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = TAlignment::taCenter;
    bool Shadow = false;
    TColor ShadowColor = 0;
    TColor ActiveShadowColor = 0;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TRect DownRect;
    int GroupIndex = -1;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinStdButton : public TDataSkinButton {
public:
    using TDataSkinButton::TDataSkinButton;
    TStdCommand Command = TStdCommand::cmDefault;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinMainMenuBarButton : public TDataSkinStdButton {
public:
    using TDataSkinStdButton::TDataSkinStdButton;
};

class TDataSkinMenuItem : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect DividerRect;
    int DividerLeftOffset = 0;
    int DividerRightOffset = 0;
    TRect TextRect;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TColor UnEnabledFontColor = 0;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinMainMenuItem : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect DownRect;
    TRect TextRect;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor UnEnabledFontColor = 0;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinMainMenuBarItem : public TDataSkinMainMenuItem {
public:
    using TDataSkinMainMenuItem::TDataSkinMainMenuItem;
};

class TDataSkinLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = TAlignment::taCenter;
    QString TextValue;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinBitLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    QString TextValue;
    int SymbolWidth = 0;
    int SymbolHeight = 0;
    QStringList Symbols;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinTrackBar : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TPoint BeginPoint;
    TPoint EndPoint;
    int MinValue = 0;
    int MaxValue = 0;
    bool MouseDownChangeValue = false;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinGauge : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int MinValue = 0;
    int MaxValue = 0;
    bool Vertical = false; // "gkhorizontal" or any other text

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinFrameGaugeObject : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int MinValue = 0;
    int MaxValue = 0;
    int CountFrames = 0;
    bool FramesVertical = false; // "fphorizontal" or any other text

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinFrameRegulatorObject : public TDataSkinFrameGaugeObject {
public:
    using TDataSkinFrameGaugeObject::TDataSkinFrameGaugeObject;
    int Kind = 0; // 0 round, 1 horizontal, 2 vertical

protected:
    void Exchange(TSkinIniExchange& X) override;
};

class TDataSkinSwitch : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
};

class TDataSkinAnimate : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    int TimerInterval = 50;
    TStdCommand Command = TStdCommand::cmDefault;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

// Only a place, a cursor and the roll-up flag.
class TDataUserObject : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;

protected:
    void Exchange(TSkinIniExchange& X) override;
};

// The description of the kind word, or nullptr for a word that is not an object kind.
std::unique_ptr<TDataSkinObject> CreateSkinObjectDescription(QStringView Kind,
                                                             const QString& IDName);

// Skinned popup menu windows ([POPUPWINDOW]).
class TDataSkinPopupWindow {
public:
    void LoadFromFile(TMemIniFile& IniFile);
    void SaveToFile(TMemIniFile& IniFile);
    void Exchange(TSkinIniExchange& X);

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int CursorIndex = -1;
    TRect ItemsRect;
    TColor ScrollMarkerColor = 0;
    TColor ScrollMarkerActiveColor = 0;
};

// Hint windows ([HINTWINDOW]).
class TDataSkinHintWindow {
public:
    void LoadFromFile(TMemIniFile& IniFile);
    void SaveToFile(TMemIniFile& IniFile);
    void Exchange(TSkinIniExchange& X);

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    TSkinAnchors Anchors;
    TSkinFont Font;
};

// A named rectangle of [SKINAREAS]; its entry is "name:rect".
class TDataSkinArea {
public:
    TDataSkinArea(const QString& AIDName, const TRect& R) : IDName(AIDName), AreaRect(R) {}
    // Reads an entry; raises EConvertError when the rectangle cannot be read.
    static TDataSkinArea FromEntry(const QString& Name, const QString& RectText);
    QString Entry() const { return IDName + u':' + SkinRectToStr(AreaRect); }

    QString IDName;
    TRect AreaRect;
};
