#pragma once
// The bases of the skinned controls: a windowed control bound by name to a control description
// of the skin data, and its resizable form, which draws the description's picture at any size.
// Without a description they fall back to a plain 3-D look.

#include "skin/SPUtils.h"
#include "skin/SkinData.h"

#include "platform/Controls.h"

#include <memory>

// The percentage of background showing through a transparent control (1..100).
using TTransparentValue = int;

class TSkinControl : public TCustomControl {
public:
    explicit TSkinControl(TComponent* AOwner);
    ~TSkinControl() override;

    TspSkinData* SkinData() const { return FSD; }
    // Outside design mode a skin that is already loaded is taken at once.
    void SetSkinData(TspSkinData* Value);
    const QString& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const QString& Value);
    const QString& AreaName() const { return FAreaName; }
    void SetAreaName(const QString& Value) { FAreaName = Value; }
    bool DrawDefault() const { return FDrawDefault; }
    void SetDrawDefault(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TTransparentValue TransparentValue() const { return FTransparentValue; }
    // Values outside 1..100 are refused.
    void SetTransparentValue(TTransparentValue Value);

    // Position of the description in the skin data, -1 when the control is not skinned.
    int SkinIndex() const { return FIndex; }
    int SkinCursorIndex() const { return FSkinCursorIndex; }

    // After a skin load: looks the description up again, takes its cursor and repaints.
    virtual void ChangeSkinData();
    // Before a skin load: the control draws unskinned until the load has ended.
    virtual void BeforeChangeSkinData();

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Sets SkinIndex from SkinDataName; runs at the start of every paint.
    virtual void GetSkinData();
    bool Skinned() const { return FIndex != -1; }
    bool Designing() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }
    // The description found by the last lookup, or nullptr.
    const TDataSkinControl* Description() const;

    void WndProc(TMessage& Message) override;
    void Paint() override;
    // The plain look: button face filled, highlight top-left and shadow bottom-right.
    void DrawDefaultLook(TCanvas& Canvas);
    virtual void PaintDefault(TCanvas& Canvas) { DrawDefaultLook(Canvas); }
    virtual void PaintSkin(TCanvas&) {}
    // The skin data was taken away or freed: the control is unskinned from now on.
    virtual void SkinDataLost();

    int FIndex = -1;
    int FSkinCursorIndex = -1;

private:
    TspSkinData* FSD = nullptr;
    QString FSkinDataName;
    QString FAreaName;
    bool FDrawDefault = true;
    bool FTransparent = false;
    TTransparentValue FTransparentValue = 50;
};

class TResizeSkinControl : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // A skinned control takes the size its picture allows: a horizontal picture keeps its
    // height, a vertical one its width, a fixed one both.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void ChangeSkinData() override;

    TSkinResizeMode ResizeMode() const { return FResizeMode; }
    // The anchor points and client rectangle of the description, and as moved for the current
    // size.
    const TSkinPoints& SkinPoints() const { return FPoints; }
    TSkinPoints NewPoints() const;
    const TRect& SkinRect() const { return FSkinRect; }

protected:
    void GetSkinData() override;
    // The description's picture and mask, fetched from the skin data by index on each use so
    // that a skin loaded behind the control's back leaves nothing dangling.
    const TBitmap* Picture() const;
    const TBitmap* Mask() const;
    // The size the skin allows for W x H (unchanged when unskinned).
    void AdjustSize(int& W, int& H) const;
    void UpdateRegion();
    void SkinDataLost() override;

    // Source (a rectangle of the picture laid out like SkinRect) made as large as the control.
    void CreateSkinImage(TBitmap& Image, const TRect& Source) const;
    // The skin image, then the descendant's content on it, then blending with the background.
    void PaintSkin(TCanvas& Canvas) override;
    virtual void CreateControlSkinImage(TBitmap& Image) { CreateSkinImage(Image, FSkinRect); }
    // Mixes what lies under the control into Image by TransparentValue percent.
    void BlendWithBackground(TBitmap& Image);

private:
    TSkinPoints FPoints;
    TRect FSkinRect;
    int FPictureIndex = -1;
    int FMaskIndex = -1;
    TSkinResizeMode FResizeMode = TSkinResizeMode::None;
    bool FHasRegion = false;
};

// A skin font on a control font.
void AssignSkinFont(TFont& Font, const TSkinFont& Skin);
