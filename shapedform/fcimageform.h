#pragma once
// The image-shaped form: a windowless picture component that, dropped on a form, makes the form
// borderless, cuts its outline from the picture, paints the picture as its background and lets
// the user move the form by pressing on the picture and dragging it.

#include "platform/ByteData.h"
#include "platform/Regions.h"
#include "platform/ScreenCanvas.h"
#include "shapedform/fcImage.h"
#include "shapedform/fcmsg.h"

#include <memory>

class TCustomForm;

enum class TfcImageFormOption {
    ifUseWindowsDrag,  // move the whole window while dragging, when the desktop does so
    ifNoPaletteDither, // never draw through a palette
};
using TfcImageFormOptions = TSet<TfcImageFormOption>;

// The region of a bitmap's pixels that differ from TransparentColor, one rectangle per run of
// each row; nullptr for an empty bitmap or one without such pixels. 24-bit pixels are compared
// as stored (blue, green, red); other depths through a mask of the transparent colour.
std::unique_ptr<TRegion> fcCreateRegionFromBitmap(const TBitmap& Bitmap, TColor TransparentColor);

class TfcCustomImageForm : public TfcCustomImage {
public:
    explicit TfcCustomImageForm(TComponent* AOwner);
    ~TfcCustomImageForm() override;

    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Copies the picture and sizes the host form's client area to it.
    void SetPicture(const TPicture* Value) override;

    // clNone: the picture's bottom-left pixel.
    TColor TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor Value) { FTransparentColor = Value; }
    // Pixels the cursor must move, on either axis, before a drag starts.
    int DragTolerance() const { return FDragTolerance; }
    void SetDragTolerance(int Value) { FDragTolerance = Value; }
    // When set, only presses inside this control's bounds start a drag.
    TControl* CaptionBarControl() const { return FCaptionBarControl; }
    void SetCaptionBarControl(TControl* Value);
    TfcImageFormOptions Options() const { return FOptions; }
    void SetOptions(TfcImageFormOptions Value) { FOptions = Value; }

    // The stored RegionData property: a 32-bit little-endian count n, then n bytes of region
    // data (n = 0: no region stored, the region is built from the picture).
    void ReadRegionData(const QByteArray& Data);
    QByteArray WriteRegionData();
    // The form's outline now, or nullptr.
    const TRegion* Region() const { return FRegion.get(); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

    virtual void DrawOutline(TScreenCanvas& DC, const TRect& R);
    // X, Y: the press in the host form's client coordinates.
    virtual void StartDrag(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Sees the host form's messages after the form has handled them.
    virtual void MessageHook(TMessage& Msg);
    virtual void DragLoop(int X, int Y);
    virtual void DragMoveStep(TPoint Press, TPoint Cursor, bool& FirstMove);
    virtual void DragEndStep();
    virtual bool FullWindowDrag() const;
    virtual void RebuildRegion();

    TCustomForm* HostForm() const;
    bool Moved() const { return FMoved; }
    const TRect& LastOutline() const { return FLastOutline; }

private:
    void SetRegion(std::unique_ptr<TRegion> Value);

    std::unique_ptr<TRegion> FRegion;
    TfcCaptureMessageClass* FCapture = nullptr;
    bool FMoved = false;
    TRect FLastOutline;
    TColor FTransparentColor = clNone;
    int FDragTolerance = 5;
    TControl* FCaptionBarControl = nullptr;
    TfcImageFormOptions FOptions;
};

// The component as placed on a form.
class TfcImageForm : public TfcCustomImageForm {
public:
    using TfcCustomImageForm::TfcCustomImageForm;
};
