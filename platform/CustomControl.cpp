#include "platform/Controls.h"

// Outside a paint pass a custom control draws onto its overlay, which the next paint XORs over
// the content: drawing the same XOR figure twice takes it away again.
class TCustomControl::TOverlayCanvas : public TCanvas {
public:
    explicit TOverlayCanvas(TCustomControl* Owner) : FOwner(Owner) {}

protected:
    QPaintDevice* OnDemandDevice() const override { return FOwner->Overlay(); }
    void DeviceTouched() const override { FOwner->OverlayChanged(); }

private:
    TCustomControl* FOwner;
};

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TOverlayCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(QPainter& Painter, const QRegion& Clip) {
    FCanvas->BeginPaint(&Painter, Clip);
    FCanvas->SetFont(*Font());
    FCanvas->Brush()->SetColor(Color());
    try {
        Paint();
    } catch (...) {
        FCanvas->EndPaint();
        throw;
    }
    FCanvas->EndPaint();
}
