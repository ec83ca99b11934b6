#include "platform/Canvas.h"

#include "platform/FocusDots.h"
#include "platform/Graphics.h"

#include <QFontMetrics>
#include <cstdlib>

namespace {

QRect ToQRect(const TRect& R) {
    return QRect(R.Left, R.Top, R.Width(), R.Height());
}

// Dash patterns of one-pixel pens: lengths of alternating on and off runs.
const std::vector<int>& DashPattern(TPenStyle Style) {
    static const std::vector<int> solid{}, dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6},
        dashDotDot{9, 3, 3, 3, 3, 3};
    switch (Style) {
    case TPenStyle::psDash:
        return dash;
    case TPenStyle::psDot:
        return dot;
    case TPenStyle::psDashDot:
        return dashDot;
    case TPenStyle::psDashDotDot:
        return dashDotDot;
    default:
        return solid;
    }
}

bool PatternOn(const std::vector<int>& Pattern, int Step) {
    if (Pattern.empty()) return true;
    int period = 0;
    for (int v : Pattern) period += v;
    int pos = Step % period;
    for (size_t i = 0; i < Pattern.size(); ++i) {
        if (pos < Pattern[i]) return i % 2 == 0;
        pos -= Pattern[i];
    }
    return true;
}

// The extent of a text as the platform's text drawing would lay it out. Lines without word
// breaking are measured by their advance alone, which is much cheaper than a layout.
TSize MeasureText(const QFontMetrics& Fm, const QString& Text, unsigned Flags, int QtFlags,
                  int WrapWidth) {
    if (!(Flags & DT_WORDBREAK) || (Flags & DT_SINGLELINE)) {
        const QStringList lines = (Flags & DT_SINGLELINE) ? QStringList{Text} : Text.split('\n');
        int width = 0;
        for (QString line : lines) {
            if (!(Flags & DT_NOPREFIX))
                line.replace(QLatin1String("&&"), QLatin1String("\x01"))
                    .remove('&')
                    .replace('\x01', '&');
            if (Flags & DT_EXPANDTABS) line.replace('\t', QLatin1String("        "));
            line.remove('\r');
            width = std::max(width, Fm.horizontalAdvance(line));
        }
        return {width, Fm.height() * int((Flags & DT_SINGLELINE) ? 1 : lines.size())};
    }
    const QRect r = Fm.boundingRect(
        QRect(0, 0, std::max(1, WrapWidth), 1 << 20),
        (QtFlags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom)) |
            Qt::AlignLeft | Qt::AlignTop,
        Text);
    return {r.width(), r.height()};
}

} // namespace

TCanvas::TCanvas() {
    FFont.OnChange = [this](TObject*) { Changed(); };
}

TCanvas::~TCanvas() = default;

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TCanvas::Session::Session(const TCanvas& C) {
    if (C.FPainter) {
        P = C.FPainter;
        P->save();
    } else {
        QPaintDevice* device = C.FImage ? static_cast<QPaintDevice*>(C.FImage) : C.OnDemandDevice();
        if (!device) return;
        Own = std::make_unique<QPainter>(device);
        P = Own.get();
        C.DeviceTouched();
    }
    P->setRenderHint(QPainter::Antialiasing, false);
    if (C.FHasClip)
        P->setClipRegion(C.FClip, P->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (C.FMirrorWidth > 0) {
        P->translate(C.FOrigin.X + C.FMirrorWidth, C.FOrigin.Y);
        P->scale(-1, 1);
    } else {
        P->translate(C.FOrigin.X, C.FOrigin.Y);
    }
}

TCanvas::Session::~Session() {
    if (Own)
        Own->end();
    else if (P)
        P->restore();
}

void TCanvas::ApplyPenMode(QPainter& P) const {
    switch (FPen.Mode()) {
    case TPenMode::pmXor:
        P.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case TPenMode::pmNot:
        P.setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case TPenMode::pmNotXor:
        P.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    case TPenMode::pmMerge:
        P.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    case TPenMode::pmMask:
        P.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case TPenMode::pmNotCopy:
        P.setCompositionMode(QPainter::RasterOp_NotSource);
        break;
    default:
        P.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
}

static QColor PenQColor(const TPen& Pen) {
    if (Pen.Mode() == TPenMode::pmBlack) return Qt::black;
    if (Pen.Mode() == TPenMode::pmWhite) return Qt::white;
    return ToQColor(Pen.Color());
}

void TCanvas::PlotLine(QPainter& P, int X1, int Y1, int X2, int Y2, bool LastPoint) const {
    if (FPen.Style() == TPenStyle::psClear || FPen.Mode() == TPenMode::pmNop) return;
    const QColor color = PenQColor(FPen);
    if (FPen.Width() > 1) {
        QPen pen(color, FPen.Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        P.setPen(pen);
        P.drawLine(X1, Y1, X2, Y2);
        return;
    }
    const std::vector<int>& pattern = DashPattern(FPen.Style());
    if (pattern.empty() && (X1 == X2 || Y1 == Y2)) {
        // Straight solid lines as one fill: the common case, and exact.
        int xa = X1, xb = X2, ya = Y1, yb = Y2;
        if (!LastPoint) {
            if (X1 == X2 && Y1 == Y2) return;
            if (X1 == X2)
                yb += Y2 > Y1 ? -1 : 1;
            else
                xb += X2 > X1 ? -1 : 1;
        }
        P.fillRect(QRect(QPoint(std::min(xa, xb), std::min(ya, yb)),
                         QPoint(std::max(xa, xb), std::max(ya, yb))),
                   color);
        return;
    }
    // Bresenham, leaving out the end point unless asked for it.
    int dx = std::abs(X2 - X1), dy = -std::abs(Y2 - Y1);
    int sx = X1 < X2 ? 1 : -1, sy = Y1 < Y2 ? 1 : -1, err = dx + dy;
    int x = X1, y = Y1, step = 0;
    while (true) {
        const bool atEnd = x == X2 && y == Y2;
        if (atEnd && !LastPoint) break;
        if (PatternOn(pattern, step)) P.fillRect(x, y, 1, 1, color);
        if (atEnd) break;
        ++step;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void TCanvas::LineTo(int X, int Y) {
    Changing();
    if (Session s{*this}) {
        ApplyPenMode(*s);
        PlotLine(*s, FPenPos.X, FPenPos.Y, X, Y, false);
    }
    FPenPos = {X, Y};
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
    if (Points.empty()) return;
    Changing();
    if (Session s{*this}) {
        ApplyPenMode(*s);
        for (size_t i = 1; i < Points.size(); ++i)
            PlotLine(*s, Points[i - 1].X, Points[i - 1].Y, Points[i].X, Points[i].Y, false);
    }
    Changed();
}

void TCanvas::PolyPolyline(const std::vector<TPoint>& Points, const std::vector<int>& Counts) {
    Changing();
    if (Session s{*this}) {
        ApplyPenMode(*s);
        size_t at = 0;
        for (int n : Counts) {
            for (int i = 1; i < n && at + i < Points.size(); ++i)
                PlotLine(*s, Points[at + i - 1].X, Points[at + i - 1].Y, Points[at + i].X,
                         Points[at + i].Y, false);
            at += n;
        }
    }
    Changed();
}

QColor TCanvas::BrushColor() const {
    return ToQColor(FBrush.Color());
}

QBrush TCanvas::QtBrush() const {
    if (FBrush.Bitmap() && !FBrush.Bitmap()->Empty()) return QBrush(FBrush.Bitmap()->Image());
    const QColor c = BrushColor();
    switch (FBrush.Style()) {
    case TBrushStyle::bsClear:
        return QBrush(Qt::NoBrush);
    case TBrushStyle::bsHorizontal:
        return QBrush(c, Qt::HorPattern);
    case TBrushStyle::bsVertical:
        return QBrush(c, Qt::VerPattern);
    case TBrushStyle::bsFDiagonal:
        return QBrush(c, Qt::FDiagPattern);
    case TBrushStyle::bsBDiagonal:
        return QBrush(c, Qt::BDiagPattern);
    case TBrushStyle::bsCross:
        return QBrush(c, Qt::CrossPattern);
    case TBrushStyle::bsDiagCross:
        return QBrush(c, Qt::DiagCrossPattern);
    default:
        return QBrush(c);
    }
}

void TCanvas::FillBrushRect(QPainter& P, const QRect& R) const {
    if (FBrush.Style() == TBrushStyle::bsClear || R.isEmpty()) return;
    P.fillRect(R, QtBrush());
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
    if (Points.size() < 2) return;
    Changing();
    if (Session s{*this}) {
        QPolygon poly;
        for (const TPoint& p : Points) poly << QPoint(p.X, p.Y);
        if (FBrush.Style() != TBrushStyle::bsClear) {
            s->setPen(Qt::NoPen);
            s->setBrush(QtBrush());
            s->drawPolygon(poly);
        }
        ApplyPenMode(*s);
        for (size_t i = 0; i < Points.size(); ++i) {
            const TPoint& a = Points[i];
            const TPoint& b = Points[(i + 1) % Points.size()];
            PlotLine(*s, a.X, a.Y, b.X, b.Y, false);
        }
    }
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    if (X1 > X2) std::swap(X1, X2);
    if (Y1 > Y2) std::swap(Y1, Y2);
    Changing();
    if (Session s{*this}) {
        const bool noPen = FPen.Style() == TPenStyle::psClear;
        if (noPen) {
            // Without a pen the filled area is one pixel narrower and lower.
            FillBrushRect(*s, QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
        } else {
            const int w = std::max(1, FPen.Width());
            FillBrushRect(*s, QRect(X1 + w, Y1 + w, X2 - X1 - 2 * w, Y2 - Y1 - 2 * w));
            ApplyPenMode(*s);
            const TPen saved = FPen;
            FPen.SetWidth(1);
            for (int i = 0; i < w && X1 + i < X2 - i && Y1 + i < Y2 - i; ++i) {
                const int l = X1 + i, t = Y1 + i, r = X2 - 1 - i, b = Y2 - 1 - i;
                PlotLine(*s, l, t, r, t, true);
                PlotLine(*s, l, b, r, b, true);
                if (b - t > 1) {
                    PlotLine(*s, l, t + 1, l, b - 1, true);
                    PlotLine(*s, r, t + 1, r, b - 1, true);
                }
            }
            FPen.Assign(saved);
        }
    }
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    Changing();
    if (Session s{*this}) {
        s->setBrush(QtBrush());
        if (FPen.Style() == TPenStyle::psClear)
            s->setPen(Qt::NoPen);
        else
            s->setPen(QPen(PenQColor(FPen), FPen.Width() <= 1 ? 0 : FPen.Width()));
        ApplyPenMode(*s);
        s->drawEllipse(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
    }
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    Changing();
    if (Session s{*this}) {
        s->setBrush(QtBrush());
        if (FPen.Style() == TPenStyle::psClear)
            s->setPen(Qt::NoPen);
        else
            s->setPen(QPen(PenQColor(FPen), FPen.Width() <= 1 ? 0 : FPen.Width()));
        ApplyPenMode(*s);
        s->drawRoundedRect(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1), X3 / 2.0, Y3 / 2.0);
    }
    Changed();
}

void TCanvas::FillRect(const TRect& R) {
    Changing();
    if (Session s{*this}) FillBrushRect(*s, ToQRect(R));
    Changed();
}

void TCanvas::FrameRect(const TRect& R) {
    if (R.IsEmpty()) return;
    Changing();
    if (Session s{*this}) {
        const QColor c = BrushColor();
        s->fillRect(QRect(R.Left, R.Top, R.Width(), 1), c);
        s->fillRect(QRect(R.Left, R.Bottom - 1, R.Width(), 1), c);
        s->fillRect(QRect(R.Left, R.Top, 1, R.Height()), c);
        s->fillRect(QRect(R.Right - 1, R.Top, 1, R.Height()), c);
    }
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R) {
    if (R.IsEmpty()) return;
    Changing();
    if (Session s{*this}) {
        // Every other pixel of the outline inverted: drawing it twice removes it.
        s->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        ForEachFocusDot(R, [&](int x, int y) { s->fillRect(x, y, 1, 1, Qt::white); });
    }
    Changed();
}

void TCanvas::InvertRect(const TRect& R) {
    Changing();
    if (Session s{*this}) {
        s->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        s->fillRect(ToQRect(R), Qt::white);
    }
    Changed();
}

void TCanvas::TextOut(int X, int Y, const QString& Text) {
    Changing();
    const QFont font = FFont.ToQFont();
    const QFontMetrics fm(font);
    const int w = fm.horizontalAdvance(Text);
    if (Session s{*this}) {
        FillBrushRect(*s, QRect(X, Y, w, fm.height()));
        s->setFont(font);
        s->setPen(ToQColor(FFont.Color()));
        s->drawText(QPoint(X, Y + fm.ascent()), Text);
    }
    FPenPos = {X + w, Y};
    Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const QString& Text) {
    Changing();
    if (Session s{*this}) {
        const QFont font = FFont.ToQFont();
        const QFontMetrics fm(font);
        s->setClipRect(ToQRect(R), Qt::IntersectClip);
        FillBrushRect(*s, ToQRect(R));
        s->setFont(font);
        s->setPen(ToQColor(FFont.Color()));
        s->drawText(QPoint(X, Y + fm.ascent()), Text);
    }
    Changed();
}

int TCanvas::TextWidth(const QString& Text) const {
    return TextExtent(Text).cx;
}

int TCanvas::TextHeight(const QString& Text) const {
    return TextExtent(Text).cy;
}

TSize TCanvas::TextExtent(const QString& Text) const {
    const QFontMetrics fm(FFont.ToQFont());
    return {fm.horizontalAdvance(Text), fm.height()};
}

int TCanvas::DrawText(const QString& Text, TRect& R, unsigned Flags) {
    const QFont font = FFont.ToQFont();
    const QFontMetrics fm(font);
    int qf = 0;
    if (Flags & DT_CENTER)
        qf |= Qt::AlignHCenter;
    else if (Flags & DT_RIGHT)
        qf |= Qt::AlignRight;
    else
        qf |= Qt::AlignLeft;
    if ((Flags & DT_SINGLELINE) && (Flags & DT_VCENTER))
        qf |= Qt::AlignVCenter;
    else if ((Flags & DT_SINGLELINE) && (Flags & DT_BOTTOM))
        qf |= Qt::AlignBottom;
    else
        qf |= Qt::AlignTop;
    if (Flags & DT_SINGLELINE)
        qf |= Qt::TextSingleLine;
    else if (Flags & DT_WORDBREAK)
        qf |= Qt::TextWordWrap;
    if (!(Flags & DT_NOPREFIX)) qf |= Qt::TextShowMnemonic;
    if (Flags & DT_EXPANDTABS) qf |= Qt::TextExpandTabs;
    if (Flags & DT_NOCLIP) qf |= Qt::TextDontClip;

    QString text = Text;
    if (Flags & DT_END_ELLIPSIS) text = fm.elidedText(Text, Qt::ElideRight, R.Width(), qf);
    if (Flags & DT_CALCRECT) {
        const TSize size = MeasureText(fm, text, Flags, qf, R.Width());
        R.Right = R.Left + size.cx;
        R.Bottom = R.Top + size.cy;
        return size.cy;
    }
    const int h =
        (Flags & DT_SINGLELINE) ? fm.height() : MeasureText(fm, text, Flags, qf, R.Width()).cy;
    Changing();
    if (Session s{*this}) {
        s->setFont(font);
        if (FBrush.Style() != TBrushStyle::bsClear) {
            QRect bg = fm.boundingRect(ToQRect(R), qf, text);
            FillBrushRect(*s, bg.intersected(ToQRect(R)));
        }
        s->setPen(ToQColor(FFont.Color()));
        s->drawText(ToQRect(R), qf, text);
    }
    Changed();
    return h;
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    const QImage image = Graphic->DrawingImage();
    DrawImage(R, image, Rect(0, 0, image.width(), image.height()));
}

void TCanvas::DrawImage(const TRect& Dest, const QImage& Image, const TRect& Source) {
    Changing();
    if (Session s{*this}) {
        switch (FCopyMode) {
        case TCopyMode::cmSrcAnd:
            s->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case TCopyMode::cmSrcPaint:
            s->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
        case TCopyMode::cmSrcInvert:
            s->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        default:
            break;
        }
        if (FCopyMode == TCopyMode::cmDstInvert) {
            s->setCompositionMode(QPainter::RasterOp_NotDestination);
            s->fillRect(ToQRect(Dest), Qt::black);
        } else if (FCopyMode == TCopyMode::cmWhiteness || FCopyMode == TCopyMode::cmBlackness) {
            s->fillRect(ToQRect(Dest), FCopyMode == TCopyMode::cmWhiteness ? Qt::white : Qt::black);
        } else {
            s->drawImage(ToQRect(Dest), Image, ToQRect(Source));
        }
    }
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect) {
    if (!Source || !Source->FImage) return;
    TRect src = SourceRect;
    OffsetRect(src, Source->FOrigin.X, Source->FOrigin.Y);
    DrawImage(Dest, *Source->FImage, src);
}

void TCanvas::BrushCopy(const TRect& Dest, const TGraphic* Source, const TRect& SourceRect,
                        TColor Transparent) {
    if (!Source || Source->Empty()) return;
    QImage image = Source->DrawingImage().convertToFormat(QImage::Format_RGB32);
    const QRgb from = ToQColor(Transparent).rgb(), to = BrushColor().rgb();
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xFF000000u) == (from | 0xFF000000u)) line[x] = to;
    }
    DrawImage(Dest, image, SourceRect);
}

TColor TCanvas::Pixels(int X, int Y) const {
    if (!FImage) return TColor(-1);
    const int x = X + FOrigin.X, y = Y + FOrigin.Y;
    if (!FImage->rect().contains(x, y)) return TColor(-1);
    return FromQColor(FImage->pixelColor(x, y));
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
    Changing();
    if (Session s{*this}) s->fillRect(X, Y, 1, 1, ToQColor(Color));
    Changed();
}

TRect TCanvas::ClipRect() const {
    QRect r;
    if (FHasClip)
        r = FClip.boundingRect();
    else if (FImage)
        r = FImage->rect();
    else if (FPainter && FPainter->device())
        r = QRect(0, 0, FPainter->device()->width(), FPainter->device()->height());
    else if (QPaintDevice* d = OnDemandDevice())
        r = QRect(0, 0, d->width(), d->height());
    if (r.isEmpty()) return {};
    return CanvasRect(r);
}

void TCanvas::IntersectClipRect(const TRect& R) {
    const QRect dev = DeviceRect(R);
    FClip = FHasClip ? FClip.intersected(dev) : QRegion(dev);
    FHasClip = true;
}

void TCanvas::ExcludeClipRect(const TRect& R) {
    const QRect dev = DeviceRect(R);
    if (!FHasClip) {
        const TRect all = ClipRect();
        FClip =
            QRegion(QRect(all.Left + FOrigin.X, all.Top + FOrigin.Y, all.Width(), all.Height()));
        FHasClip = true;
    }
    FClip = FClip.subtracted(dev);
}

void TCanvas::SetClipRegion(const QRegion& DeviceRegion) {
    FClip = DeviceRegion;
    FHasClip = true;
}

void TCanvas::MoveOrigin(int DX, int DY) {
    FOrigin.X += DX;
    FOrigin.Y += DY;
}

int TCanvas::SaveState() {
    FSaved.push_back({FOrigin, FClip, FHasClip});
    return static_cast<int>(FSaved.size());
}

void TCanvas::RestoreState(int Id) {
    if (Id <= 0 || Id > static_cast<int>(FSaved.size())) return;
    const Saved s = FSaved[Id - 1];
    FSaved.resize(Id - 1);
    FOrigin = s.Origin;
    FClip = s.Clip;
    FHasClip = s.HasClip;
}

void TCanvas::BeginPaint(QPainter* Painter, const QRegion& Clip) {
    FPainter = Painter;
    FOrigin = {};
    FMirrorWidth = 0;
    FClip = Clip;
    FHasClip = !Clip.isEmpty();
    FSaved.clear();
}

void TCanvas::EndPaint() {
    FPainter = nullptr;
    FOrigin = {};
    FMirrorWidth = 0;
    FClip = QRegion();
    FHasClip = false;
    FSaved.clear();
}

void TCanvas::BindImage(QImage* Image) {
    FImage = Image;
    FOrigin = {};
    FClip = QRegion();
    FHasClip = false;
}

void DrawEdge(TCanvas& Canvas, TRect& R, unsigned Edge, unsigned Flags) {
    TRect r = R;
    TPen saved = *Canvas.Pen();
    auto band = [&](TColor topLeft, TColor bottomRight) {
        TPen* pen = Canvas.Pen();
        pen->SetWidth(1);
        pen->SetStyle(TPenStyle::psSolid);
        pen->SetMode(TPenMode::pmCopy);
        const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
        pen->SetColor(topLeft);
        if (Flags & BF_LEFT) {
            Canvas.MoveTo(l, b);
            Canvas.LineTo(l, t - 1);
        }
        if (Flags & BF_TOP) {
            Canvas.MoveTo(l, t);
            Canvas.LineTo(rr, t);
        }
        pen->SetColor(bottomRight);
        if (Flags & BF_RIGHT) {
            Canvas.MoveTo(rr, t);
            Canvas.LineTo(rr, b + 1);
        }
        if (Flags & BF_BOTTOM) {
            Canvas.MoveTo(l, b);
            Canvas.LineTo(rr + 1, b);
        }
        if (Flags & BF_LEFT) ++r.Left;
        if (Flags & BF_TOP) ++r.Top;
        if (Flags & BF_RIGHT) --r.Right;
        if (Flags & BF_BOTTOM) --r.Bottom;
    };
    if (Edge & BDR_RAISEDOUTER)
        band(cl3DLight, cl3DDkShadow);
    else if (Edge & BDR_SUNKENOUTER)
        band(clBtnShadow, clBtnHighlight);
    if (Edge & BDR_RAISEDINNER)
        band(clBtnHighlight, clBtnShadow);
    else if (Edge & BDR_SUNKENINNER)
        band(cl3DDkShadow, cl3DLight);
    if (Flags & BF_MIDDLE) {
        TBrush savedBrush = *Canvas.Brush();
        Canvas.Brush()->SetColor(clBtnFace);
        Canvas.FillRect(r);
        Canvas.Brush()->Assign(savedBrush);
    }
    Canvas.Pen()->Assign(saved);
    if (Flags & BF_ADJUST) R = r;
}

void Frame3D(TCanvas& Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width) {
    TPen saved = *Canvas.Pen();
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetStyle(TPenStyle::psSolid);
    Canvas.Pen()->SetMode(TPenMode::pmCopy);
    --R.Bottom;
    --R.Right;
    while (Width-- > 0) {
        Canvas.Pen()->SetColor(TopColor);
        Canvas.Polyline({{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}});
        Canvas.Pen()->SetColor(BottomColor);
        Canvas.Polyline({{R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left - 1, R.Bottom}});
        InflateRect(R, -1, -1);
    }
    ++R.Bottom;
    ++R.Right;
    Canvas.Pen()->Assign(saved);
}
