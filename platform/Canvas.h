#pragma once
// A drawing surface with the desktop's pixel rules: lines leave out their last point, a
// rectangle's outline lies inside its bounds, text is placed by its top-left corner.
// A canvas draws through a painter it borrows for a paint pass, or onto an image it owns.

#include "platform/GraphicsObjects.h"
#include "platform/Types.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <vector>

class TGraphic;

// Text drawing flags (the platform's DrawText flags).
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
    DT_RTLREADING = 0x20000,
};

enum class TCopyMode {
    cmSrcCopy,
    cmSrcAnd,
    cmSrcPaint,
    cmSrcInvert,
    cmDstInvert,
    cmWhiteness,
    cmBlackness
};

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TFont* Font() { return &FFont; }
    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint P) { FPenPos = P; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }

    void MoveTo(int X, int Y) { FPenPos = {X, Y}; }
    void LineTo(int X, int Y);
    void Polyline(const std::vector<TPoint>& Points);
    void Polygon(const std::vector<TPoint>& Points);
    // Several separate polylines in one call (the grid draws its lines this way).
    void PolyPolyline(const std::vector<TPoint>& Points, const std::vector<int>& Counts);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void DrawFocusRect(const TRect& R);
    void InvertRect(const TRect& R);

    void TextOut(int X, int Y, const QString& Text);
    void TextRect(const TRect& R, int X, int Y, const QString& Text);
    int TextWidth(const QString& Text) const;
    int TextHeight(const QString& Text) const;
    TSize TextExtent(const QString& Text) const;
    // Returns the height of the drawn text; with DT_CALCRECT only measures and widens R.
    int DrawText(const QString& Text, TRect& R, unsigned Flags);

    void Draw(int X, int Y, const TGraphic* Graphic);
    void StretchDraw(const TRect& R, const TGraphic* Graphic);
    void DrawImage(const TRect& Dest, const QImage& Image, const TRect& Source);
    void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect);
    // Copies Source, drawing its pixels of colour Transparent in the brush colour instead.
    void BrushCopy(const TRect& Dest, const TGraphic* Source, const TRect& SourceRect,
                   TColor Transparent);

    TColor Pixels(int X, int Y) const;
    void SetPixel(int X, int Y, TColor Color);

    // The area drawing may touch, in this canvas's coordinates.
    TRect ClipRect() const;
    void IntersectClipRect(const TRect& R);
    void ExcludeClipRect(const TRect& R);
    void SetClipRegion(const QRegion& DeviceRegion);
    // Moves the origin by (DX, DY): afterwards point (0, 0) is where (DX, DY) was.
    void MoveOrigin(int DX, int DY);
    TPoint Origin() const { return FOrigin; }
    // Draws mirrored left to right across [0, Width) from the origin (0 ends it); the clip stays
    // where it is on the device. Ends with the paint pass.
    void SetMirrored(int Width);
    // Whether any part of R lies inside the clip.
    bool RectVisible(const TRect& R) const;
    int SaveState();
    void RestoreState(int Id);

    // Bind to a painter for the length of a paint pass; Clip is in device coordinates.
    void BeginPaint(QPainter* Painter, const QRegion& Clip);
    void EndPaint();
    bool HandleAllocated() const { return FPainter != nullptr || FImage != nullptr; }
    // Bind to an image; the canvas draws straight into it.
    void BindImage(QImage* Image);
    QImage* Image() const { return FImage; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // A painter set up with this canvas's origin and clip; released at the end of each call.
    class Session {
    public:
        explicit Session(const TCanvas& C);
        ~Session();
        QPainter* operator->() { return P; }
        QPainter& operator*() { return *P; }
        explicit operator bool() const { return P != nullptr; }

    private:
        QPainter* P = nullptr;
        std::unique_ptr<QPainter> Own;
    };
    // Hook for canvases whose surface is made on demand (a control drawing outside a paint pass).
    virtual QPaintDevice* OnDemandDevice() const { return nullptr; }
    virtual void DeviceTouched() const {}
    void Changing();
    void Changed();

private:
    friend class Session;
    void ApplyPenMode(QPainter& P) const;
    void PlotLine(QPainter& P, int X1, int Y1, int X2, int Y2, bool LastPoint) const;
    void FillBrushRect(QPainter& P, const QRect& R) const;
    QColor BrushColor() const;
    QBrush QtBrush() const;

    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    TPoint FPenPos;
    TCopyMode FCopyMode = TCopyMode::cmSrcCopy;
    QPainter* FPainter = nullptr;
    QImage* FImage = nullptr;
    TPoint FOrigin;
    int FMirrorWidth = 0;
    QRect DeviceRect(const TRect& R) const;
    TRect CanvasRect(const QRect& R) const;
    QRegion FClip; // device coordinates; empty with FHasClip false means unclipped
    bool FHasClip = false;
    struct Saved {
        TPoint Origin;
        QRegion Clip;
        bool HasClip;
    };
    std::vector<Saved> FSaved;
};

// The platform's DrawEdge flags, used for the raised and sunken edges of panels and cells.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_TOPLEFT = BF_TOP | BF_LEFT,
    BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_MIDDLE = 0x800,
    BF_ADJUST = 0x2000,
};
// Draws the edge and, with BF_ADJUST, shrinks R to what lies inside it.
void DrawEdge(TCanvas& Canvas, TRect& R, unsigned Edge, unsigned Flags);
// One-pixel frame: top and left in TopColor, bottom and right in BottomColor, then shrinks R.
void Frame3D(TCanvas& Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width);
