#include "platform/Regions.h"
#include "platform/WidgetOf.h"

#include "platform/Controls.h"
#include "platform/Graphics.h"

#include <QWidget>
#include <cstring>

namespace {

enum : int32_t { RegionTypeRectangles = 1 };

void PutInt(char* At, int32_t V) {
    const uint32_t u = static_cast<uint32_t>(V);
    for (int i = 0; i < 4; ++i) At[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

int32_t GetInt(const char* At) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= uint32_t(static_cast<unsigned char>(At[i])) << (8 * i);
    return static_cast<int32_t>(u);
}

// Coordinates a window system holds (28 bits with sign): within them no width, height or bound
// overflows.
constexpr int32_t kCoordinateLimit = 1 << 27;

bool InCoordinateRange(int32_t V) {
    return V >= -kCoordinateLimit && V <= kCoordinateLimit;
}

int Kind(const QRegion& R) {
    if (R.isEmpty()) return NULLREGION;
    return R.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

TRegion::TRegion(const TRect& R) {
    if (!R.IsEmpty()) FRegion = QRegion(R.Left, R.Top, R.Width(), R.Height());
}

std::unique_ptr<TRegion> TRegion::CreateFromData(const QByteArray& Data) {
    if (Data.size() < RegionHeaderSize) return nullptr;
    const char* p = Data.constData();
    const int32_t headerSize = GetInt(p), type = GetInt(p + 4), count = GetInt(p + 8);
    if (headerSize != RegionHeaderSize || type != RegionTypeRectangles || count < 0) return nullptr;
    if ((Data.size() - RegionHeaderSize) / RegionRectSize < count) return nullptr;
    TRegionBuilder builder;
    for (int32_t i = 0; i < count; ++i) {
        const char* r = p + RegionHeaderSize + RegionRectSize * i;
        const int32_t v[4] = {GetInt(r), GetInt(r + 4), GetInt(r + 8), GetInt(r + 12)};
        for (int32_t c : v)
            if (!InCoordinateRange(c))
                throw EReadError(QStringLiteral("区域数据无效：第 %1 个矩形 (%2, %3, %4, %5) "
                                                "超出坐标范围。Invalid region data: rectangle "
                                                "%1 lies outside the coordinate range.")
                                     .arg(i + 1)
                                     .arg(v[0])
                                     .arg(v[1])
                                     .arg(v[2])
                                     .arg(v[3]));
        builder.Add(v[0], v[1], v[2], v[3]);
    }
    return std::make_unique<TRegion>(builder.Take());
}

QByteArray TRegion::Data() const {
    const int count = RectCount();
    QByteArray out(DataSize(), '\0');
    char* p = out.data();
    const TRect bound = BoundsRect();
    const int32_t header[8] = {
        RegionHeaderSize, RegionTypeRectangles, count,       RegionRectSize * count, bound.Left,
        bound.Top,        bound.Right,          bound.Bottom};
    for (int i = 0; i < 8; ++i) PutInt(p + 4 * i, header[i]);
    char* r = p + RegionHeaderSize;
    for (const QRect& q : FRegion) {
        PutInt(r, q.left());
        PutInt(r + 4, q.top());
        PutInt(r + 8, q.left() + q.width());
        PutInt(r + 12, q.top() + q.height());
        r += RegionRectSize;
    }
    return out;
}

int TRegion::Combine(const TRegion& A, const TRegion& B, TRegionCombineMode Mode) {
    switch (Mode) {
    case RGN_AND:
        FRegion = A.FRegion.intersected(B.FRegion);
        break;
    case RGN_OR:
        FRegion = A.FRegion.united(B.FRegion);
        break;
    case RGN_XOR:
        FRegion = A.FRegion.xored(B.FRegion);
        break;
    case RGN_DIFF:
        FRegion = A.FRegion.subtracted(B.FRegion);
        break;
    case RGN_COPY:
        FRegion = A.FRegion;
        break;
    default:
        return RGN_ERROR;
    }
    return Kind(FRegion);
}

std::vector<TRect> TRegion::Rects() const {
    std::vector<TRect> out;
    out.reserve(RectCount());
    for (const QRect& q : FRegion)
        out.push_back(Rect(q.left(), q.top(), q.left() + q.width(), q.top() + q.height()));
    return out;
}

TRect TRegion::BoundsRect() const {
    if (FRegion.isEmpty()) return {};
    const QRect b = FRegion.boundingRect();
    return Rect(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
}

// ---------------------------------------------------------------------------------------------

void TRegionBuilder::Add(int Left, int Top, int Right, int Bottom) {
    if (Right <= Left || Bottom <= Top) return;
    if (FInBand && Top == FBandTop && Bottom == FBandBottom) {
        QRect& last = FRects.back();
        const int lastRight = last.left() + last.width();
        if (Left > lastRight) {
            FRects.emplace_back(Left, Top, Right - Left, Bottom - Top);
            return;
        }
        if (Left == lastRight) {
            last.setWidth(Right - last.left());
            return;
        }
    } else if (!FInBand || Top >= FBandBottom) {
        CloseBand();
        FBandStart = FRects.size();
        FBandTop = Top;
        FBandBottom = Bottom;
        FInBand = true;
        FRects.emplace_back(Left, Top, Right - Left, Bottom - Top);
        return;
    }
    FOutOfOrder += QRect(Left, Top, Right - Left, Bottom - Top);
}

// A band whose runs repeat the band right above it only makes that band taller.
void TRegionBuilder::CloseBand() {
    if (!FInBand) return;
    FInBand = false;
    const size_t count = FRects.size() - FBandStart;
    const size_t prevCount = FBandStart - FPrevBandStart;
    bool same = prevCount == count && prevCount > 0 &&
                FRects[FPrevBandStart].top() + FRects[FPrevBandStart].height() == FBandTop;
    for (size_t i = 0; same && i < count; ++i) {
        const QRect& a = FRects[FPrevBandStart + i];
        const QRect& b = FRects[FBandStart + i];
        same = a.left() == b.left() && a.width() == b.width();
    }
    if (same) {
        for (size_t i = FPrevBandStart; i < FBandStart; ++i)
            FRects[i].setHeight(FBandBottom - FRects[i].top());
        FRects.resize(FBandStart);
        FBandStart = FPrevBandStart;
    }
    FPrevBandStart = FBandStart;
}

TRegion TRegionBuilder::Take() {
    CloseBand();
    QRegion r;
    r.setRects(FRects.data(), static_cast<int>(FRects.size()));
    if (!FOutOfOrder.isEmpty()) r = r.united(FOutOfOrder);
    *this = TRegionBuilder();
    return TRegion(r);
}

// ---------------------------------------------------------------------------------------------

void SetWindowRegion(TWinControl* Window, const TRegion* Region, bool Redraw) {
    if (!Window) return;
    QWidget* w = WidgetOf(*Window);
    if (!Region)
        w->clearMask();
    else if (Region->IsEmpty())
        // An empty outline hides the whole window; an empty mask would mean no outline at all.
        w->setMask(QRegion(-1, -1, 1, 1));
    else
        w->setMask(Region->ToQRegion());
    if (Redraw) w->repaint();
}

TRegion WindowRegion(const TWinControl* Window) {
    if (!Window || !Window->HandleAllocated()) return {};
    return TRegion(WidgetOf(*Window)->mask());
}
