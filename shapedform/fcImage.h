#pragma once
// A windowless control that holds a picture and paints it at its own size from the top-left
// corner; the base of the image-shaped form.

#include "platform/Controls.h"
#include "platform/Graphics.h"

class TfcCustomImage : public TGraphicControl {
public:
    explicit TfcCustomImage(TComponent* AOwner);
    ~TfcCustomImage() override;

    TPicture* Picture() { return &FPicture; }
    const TPicture* Picture() const { return &FPicture; }
    // Copies the picture.
    virtual void SetPicture(const TPicture* Value);
    // The component takes the picture's size.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

protected:
    void Paint() override;
    // The picture's change notice: size, opacity and repainting follow the new picture.
    virtual void PictureChanged();
    bool IsDesigning() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }
    bool Drawing() const { return FDrawing; }
    // Draws the picture plainly, never through a palette (there are no palette displays here).
    void SetNoDither(bool Value) { FNoDither = Value; }
    bool NoDither() const { return FNoDither; }
    // Whether the component asks its picture to be drawn with a transparent colour.
    bool Transparent() const { return false; }

private:
    TPicture FPicture;
    bool FAutoSize = false;
    bool FDrawing = false;
    bool FNoDither = false;
};
