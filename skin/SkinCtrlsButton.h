#pragma once
// The skinned push button: normal, active (mouse over or focused), pressed and morphing faces
// cut from the skin's button picture, a glyph strip and a caption; a toggle when it belongs to
// a group.

#include "skin/SkinCtrlsBase.h"
#include "skin/SkinCtrlsGlyph.h"

#include "platform/ExtCtrls.h"

// Cells of a glyph strip: 1 normal, 2 disabled, 3 pressed, 4 mouse over.
using TspNumGlyphs = int;

class TspSkinButton : public TResizeSkinControl {
public:
    explicit TspSkinButton(TComponent* AOwner);
    ~TspSkinButton() override;

    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(const TBitmap* Value);
    TspNumGlyphs NumGlyhps() const { return FNumGlyphs; }
    // Values outside 1..4 are refused.
    void SetNumGlyhps(TspNumGlyphs Value);
    TspButtonLayout Layout() const { return FLayout; }
    void SetLayout(TspButtonLayout Value);
    int Margin() const { return FMargin; }
    // -1 centres glyph and caption together; below -1 is refused.
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool Down() const { return FDown; }
    // Pressing a group button releases the other pressed buttons of its group and parent.
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    // A group button never takes the focus.
    void SetGroupIndex(int Value);
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value);

    bool MouseIn() const { return FMouseIn; }
    // Morph progress from the normal (0) to the active face (1).
    double MorphProgress() const { return FMorphK; }
    bool Morphing() const { return FMorphing; }
    TTimer* MorphTimer() const { return FMorphTimer.get(); }
    TTimer* LeaveCheckTimer() const { return FLeaveCheckTimer.get(); }

    void ChangeSkinData() override;

protected:
    void GetSkinData() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
    void PaintDefault(TCanvas& Canvas) override;
    void CreateControlSkinImage(TBitmap& Image) override;

private:
    enum class TFace { Normal, Active, Pressed, Morph };
    bool Active() const;
    bool Focusable() const { return FCanFocused && Focused(); }
    TFace CurrentFace() const;
    int GlyphCell(TFace Face) const;
    void DrawContent(TBitmap& Image, TFace Face);
    // Morphs towards the new state when the skin morphs, else repaints.
    void UpdateLook();
    void MorphTick();
    void LeaveCheckTick();
    void MouseEntered();
    void MouseLeft();
    bool DialogChar(unsigned Key);

    TBitmap FGlyph;
    TspNumGlyphs FNumGlyphs = 2;
    TspButtonLayout FLayout = TspButtonLayout::blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 1;
    bool FDown = false;
    int FGroupIndex = 0;
    bool FCanFocused = false;

    bool FMouseIn = false;
    bool FMousePressed = false;
    double FMorphK = 0;
    // Copied from the button description on every lookup.
    TSkinFont FFont;
    TColor FActiveFontColor = 0;
    TColor FDownFontColor = 0;
    bool FMorphing = false;
    TMorphKind FMorphKind = TMorphKind::mkDefault;
    TRect FActiveSkinRect;
    TRect FDownSkinRect;

    std::unique_ptr<TTimer> FMorphTimer;
    std::unique_ptr<TTimer> FLeaveCheckTimer;
};
