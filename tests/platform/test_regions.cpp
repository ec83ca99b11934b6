// Regions: the stored rectangle list read and written byte for byte, joining, and the window
// outline.

#include "platform/ByteData.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Regions.h"
#include "platform/WidgetOf.h"

#include <gtest/gtest.h>

namespace {

// The whole 590 x 403 rectangle less its bottom-left pixel.
const QByteArray MainWindowData =
    Int32sLE({32, 1, 2, 32, 0, 0, 590, 403, 0, 0, 590, 402, 1, 402, 590, 403});

} // namespace

TEST(RegionData, ReadsAndWritesTheRectangleListByteForByte) {
    auto r = TRegion::CreateFromData(MainWindowData);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->RectCount(), 2);
    EXPECT_EQ(r->BoundsRect(), Rect(0, 0, 590, 403));
    EXPECT_FALSE(r->Contains({0, 402}));
    EXPECT_TRUE(r->Contains({1, 402}));
    EXPECT_TRUE(r->Contains({589, 0}));
    EXPECT_EQ(r->DataSize(), 64);
    EXPECT_EQ(r->Data(), MainWindowData);

    // An empty region is a bare header with a zero bounding rectangle.
    EXPECT_EQ(TRegion().Data(), Int32sLE({32, 1, 0, 0, 0, 0, 0, 0}));
    auto empty = TRegion::CreateFromData(TRegion().Data());
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->IsEmpty());
}

TEST(RegionData, RejectsWhatIsNotARectangleList) {
    EXPECT_FALSE(TRegion::CreateFromData(QByteArray()));
    EXPECT_FALSE(TRegion::CreateFromData(MainWindowData.left(31)));
    EXPECT_FALSE(TRegion::CreateFromData(MainWindowData.left(63))); // second rectangle cut short
    QByteArray wrongType = MainWindowData;
    wrongType[4] = 2;
    EXPECT_FALSE(TRegion::CreateFromData(wrongType));
    QByteArray wrongHeader = MainWindowData;
    wrongHeader[0] = 40;
    EXPECT_FALSE(TRegion::CreateFromData(wrongHeader));
}

TEST(RegionData, RectanglesBeyondTheCoordinateRangeAreRejectedWithAReason) {
    // Right - Left and Bottom - Top would overflow; so would the bounds written back.
    const int32_t lo = INT32_MIN, hi = INT32_MAX;
    for (const QByteArray& data :
         {Int32sLE({32, 1, 1, 16, 0, 0, 0, 0, lo, 0, hi, 10}),
          Int32sLE({32, 1, 1, 16, 0, 0, 0, 0, 0, lo, 10, hi}),
          Int32sLE({32, 1, 2, 32, 0, 0, 0, 0, 0, 0, 5, 5, hi - 1, 0, hi, 1})}) {
        try {
            TRegion::CreateFromData(data);
            ADD_FAILURE() << "accepted";
        } catch (const EReadError& e) {
            EXPECT_TRUE(e.Message().contains("Invalid region data")) << e.Message().toStdString();
        }
    }
    // Large but representable coordinates still read.
    auto far =
        TRegion::CreateFromData(Int32sLE({32, 1, 1, 16, 0, 0, 0, 0, -100000000, 0, 100000000, 1}));
    ASSERT_TRUE(far);
    EXPECT_EQ(far->BoundsRect(), Rect(-100000000, 0, 100000000, 1));
}

TEST(RegionData, UnorderedOrOverlappingRectanglesAreJoinedIntoBands) {
    // Written out of order and overlapping: the data read back is the canonical list.
    auto r = TRegion::CreateFromData(
        Int32sLE({32, 1, 3, 48, 0, 0, 10, 10, 5, 5, 10, 10, 0, 0, 4, 5, 2, 0, 6, 5}));
    ASSERT_TRUE(r);
    QRegion expected = QRegion(5, 5, 5, 5).united(QRegion(0, 0, 6, 5));
    EXPECT_EQ(r->ToQRegion(), expected);
    EXPECT_EQ(r->Data(), TRegion(expected).Data());
}

TEST(RegionBuilder, RowRunsMakeTheSameBandsAsUnion) {
    // Rows of runs as a picture scan finds them: repeated rows coalesce, touching runs merge.
    const std::vector<TRect> runs = {{0, 0, 3, 1}, {5, 0, 8, 1},
                                     {0, 1, 3, 2}, {5, 1, 8, 2},  // two rows alike
                                     {0, 2, 2, 3}, {2, 2, 8, 3},  // touching runs: one rectangle
                                     {1, 4, 4, 5},                // after a gap row
                                     {0, 5, 9, 6}, {2, 3, 3, 4}}; // the last one out of order
    TRegionBuilder b;
    QRegion expected;
    for (const TRect& r : runs) {
        b.Add(r.Left, r.Top, r.Right, r.Bottom);
        expected += QRect(r.Left, r.Top, r.Width(), r.Height());
    }
    const TRegion built = b.Take();
    EXPECT_EQ(built.ToQRegion(), expected);
    EXPECT_EQ(built.Data(), TRegion(expected).Data());
    EXPECT_EQ(built.Rects().front(), Rect(0, 0, 3, 2));
    EXPECT_TRUE(b.IsEmpty());
}

TEST(RegionCombine, JoinsTwoRegionsAndTellsTheKind) {
    TRegion a(Rect(0, 0, 10, 10)), b(Rect(5, 5, 15, 15)), r;
    EXPECT_EQ(r.Combine(a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(r.Contains({14, 14}));
    EXPECT_EQ(r.Combine(a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(r.BoundsRect(), Rect(5, 5, 10, 10));
    EXPECT_EQ(r.Combine(a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(r.Contains({6, 6}));
    EXPECT_EQ(r.Combine(a, a, RGN_XOR), NULLREGION);
    EXPECT_EQ(r.Combine(b, a, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(r, b);
}

TEST(WindowRegion, BecomesTheWindowsMaskAndCanBeRemoved) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 590, 403);
    auto r = TRegion::CreateFromData(MainWindowData);
    SetWindowRegion(&form, r.get(), false);
    EXPECT_EQ(WidgetOf(form)->mask(), r->ToQRegion());
    EXPECT_EQ(WindowRegion(&form), *r);
    SetWindowRegion(&form, nullptr, false);
    EXPECT_TRUE(WidgetOf(form)->mask().isEmpty());
    // An empty region leaves nothing of the window visible.
    TRegion none;
    SetWindowRegion(&form, &none, false);
    EXPECT_FALSE(WidgetOf(form)->mask().isEmpty());
    EXPECT_FALSE(WidgetOf(form)->mask().intersects(QRect(0, 0, 590, 403)));
}
