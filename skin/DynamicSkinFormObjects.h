#pragma once
// The skinned frame's active objects: the caption and the buttons that react to the mouse with
// active, pressed and morphing images. Each is made from its skin description on every skin
// change and holds only rects and borrowed pictures.

#include "platform/Canvas.h"
#include "skin/SkinData.h"

class TspDynamicSkinForm;

class TActiveSkinObject {
public:
    TActiveSkinObject(TspDynamicSkinForm* AParent, const TDataSkinObject& Data);
    virtual ~TActiveSkinObject() = default;
    TActiveSkinObject(const TActiveSkinObject&) = delete;
    TActiveSkinObject& operator=(const TActiveSkinObject&) = delete;

    QString IDName;
    bool RollUp = false;
    int ActivePictureIndex = -1;
    int CursorIndex = -1;
    TRect SkinRect;
    TRect ActiveSkinRect;
    bool Morphing = false;
    TMorphKind MorphKind = TMorphKind::mkDefault;
    // Where the object lies in the window now.
    TRect ObjectRect;
    bool Visible = true;
    bool Enabled = true;
    // 0: normal look, 1: active look; in between while morphing.
    double MorphKf = 0;

    bool Active() const { return FActive; }
    virtual void SetActive(bool Value);
    // Morphing and not yet at the look of its state.
    bool InTransition() const;
    // Moves MorphKf by 0.1 towards the state's look; false once there.
    bool ChangeMorphKf();

    // The picture the normal look comes from (the roll-up picture for roll-up objects that
    // have one) and the active picture; nullptr when there is none.
    const TBitmap* Picture() const;
    const TBitmap* ActivePicture() const;
    // Draws the object's changing look at ObjectRect moved by Offset; the normal look is
    // already in the frame strip.
    virtual void Draw(TCanvas* Canvas, TPoint Offset);
    // Redraws on the window at once (bordered forms only: nothing else shows the frame).
    void ReDraw();

    // X, Y in window coordinates.
    virtual void MouseDown(int X, int Y, TMouseButton Button);
    virtual void MouseUp(int X, int Y, TMouseButton Button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();

protected:
    // The active image's source rect now (buttons use others while pressed or restored).
    virtual TRect ActiveImageRect() const { return ActiveSkinRect; }
    void DrawPiece(TCanvas* Canvas, TPoint Offset, const TBitmap& Source, const TRect& Src) const;
    TspDynamicSkinForm* FParent;
    bool FActive = false;
};

class TSkinCaption : public TActiveSkinObject {
public:
    TSkinCaption(TspDynamicSkinForm* AParent, const TDataSkinCaption& Data);
    void Draw(TCanvas* Canvas, TPoint Offset) override;

    // The text shown: the form's caption when the skin says so, cut with "..." to TextWidth.
    QString FittedText(TCanvas* Canvas) const;
    // The text rect in window coordinates.
    TRect TextArea() const;
    TColor FontColor() const;

    bool DefaultCaption = false;
    TRect TextRect;
    TSkinFont Font;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = TAlignment::taCenter;
    bool Shadow = false;
    TColor ShadowColor = 0;
    TColor ActiveShadowColor = 0;

private:
    void DrawBackground(TCanvas* Canvas, TPoint Offset) const;
};

class TSkinButton : public TActiveSkinObject {
public:
    TSkinButton(TspDynamicSkinForm* AParent, const TDataSkinButton& Data);
    void Draw(TCanvas* Canvas, TPoint Offset) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;

    bool Down() const { return FDown; }
    TRect DownRect;
    int GroupIndex = -1;

protected:
    virtual TRect DownImageRect() const { return DownRect; }
    // The left button came up over the button after pressing it.
    virtual void Clicked() {}
    bool FDown = false;
};

class TSkinStdButton : public TSkinButton {
public:
    TSkinStdButton(TspDynamicSkinForm* AParent, const TDataSkinStdButton& Data);
    void MouseDown(int X, int Y, TMouseButton Button) override;

    TStdCommand Command = TStdCommand::cmDefault;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;

protected:
    TRect ActiveImageRect() const override;
    TRect DownImageRect() const override;
    void Clicked() override;

private:
    // Maximized or minimized: the restore images apply where the skin has them.
    bool Restoring() const;
};

// The object of a description, or nullptr for kinds that belong to menus rather than the frame.
std::unique_ptr<TActiveSkinObject> CreateFrameObject(TspDynamicSkinForm* Parent,
                                                     const TDataSkinObject& Data);
