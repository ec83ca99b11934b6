// Mixing images and the window services of skinned windows.
#include "SkinTestSupport.h"

#include "platform/Forms.h"
#include "platform/WindowEffects.h"
#include "skin/SPEffBmp.h"

#include <cmath>
#include <vector>

using namespace skintest;

namespace {

TspEffectBmp Filled(int W, int H, uint8_t V) {
    TspEffectBmp b(W, H);
    for (int y = 0; y < H; ++y) std::fill(b.Row(y), b.Row(y) + W * 3, V);
    return b;
}

} // namespace

TEST(SkinEffects, BlendLimitsAndRounding) {
    const TspEffectBmp other = Filled(75, 21, 200);
    for (double k : {0.0, -0.5}) {
        TspEffectBmp own = Filled(75, 21, 10);
        own.Blend(other, k);
        EXPECT_EQ(own.Row(20)[74 * 3 + 2], 10) << k;
    }
    for (double k : {1.0, 1.7}) {
        TspEffectBmp own = Filled(75, 21, 10);
        own.Blend(other, k);
        EXPECT_EQ(own.Row(0)[0], 200) << k;
    }
    TspEffectBmp own = Filled(75, 21, 10);
    own.Blend(Filled(74, 21, 200), 0.5);
    EXPECT_EQ(own.Row(0)[0], 10);
    // Halfway values go to the even neighbour: 1.5 -> 2, 2.5 -> 2, 3.5 -> 4, 0.5 -> 0.
    const std::pair<int, int> ties[] = {{1, 2}, {2, 3}, {3, 4}, {0, 1}};
    const int expected[] = {2, 2, 4, 0};
    for (int i = 0; i < 4; ++i) {
        TspEffectBmp a = Filled(1, 1, uint8_t(ties[i].first));
        a.Blend(Filled(1, 1, uint8_t(ties[i].second)), 0.5);
        EXPECT_EQ(a.Row(0)[0], expected[i]) << i;
    }
    TspEffectBmp a = Filled(1, 1, 0);
    a.Blend(Filled(1, 1, 255), 0.3);
    EXPECT_EQ(a.Row(0)[0], 76); // 76.5 -> 76
    TspEffectBmp b = Filled(1, 1, 255);
    b.Blend(Filled(1, 1, 0), 0.3);
    EXPECT_EQ(b.Row(0)[0], 178); // 178.5 -> 178
}

TEST(SkinEffects, MixingAgreesWithTheFormulaForEveryPairOfLevels) {
    // Channel 0 holds every (own, other) pair: own = column, other = row.
    TspEffectBmp pairs(256, 256), others(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            uint8_t* own = pairs.Row(y) + 3 * x;
            uint8_t* other = others.Row(y) + 3 * x;
            own[0] = uint8_t(x), other[0] = uint8_t(y);
            own[1] = uint8_t(y), other[1] = uint8_t(x);
            own[2] = uint8_t(255 - x), other[2] = uint8_t((x * 7 + y) & 255);
        }
    // The product in double, then rounded with ties to even in a wider type where the sum is
    // exact.
    auto expected = [](int A, int B, double K) {
        return int(std::nearbyintl((long double)A + (long double)(K * (B - A))));
    };
    const double ks[] = {
        0.0,         1.0,         0.5,           0.3,  1.0 / 3,   2.0 / 3,     0.1,
        0.7,         0.25,        0.999999,      1e-6, 1 - 1e-15, 5 / 16384.0, 5 / 16384.0 - 1e-12,
        0.3 + 1e-13, 0.123456789, 8191 / 16384.0};
    for (double k : ks) {
        SCOPED_TRACE(k);
        TspEffectBmp mixed = pairs;
        mixed.Blend(others, k);
        TspEffectBmp part = pairs;
        part.BlendRect(others, Rect(3, 5, 250, 251), 5, 3, k);
        std::vector<uint8_t> want(256 * 256);
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b) want[a * 256 + b] = uint8_t(expected(a, b, k));
        int wrong = 0;
        for (int y = 0; y < 256; ++y)
            for (int c = 0; c < 3 * 256; ++c) {
                const int a = pairs.Row(y)[c], w = want[a * 256 + others.Row(y)[c]];
                wrong += mixed.Row(y)[c] != w;
                const bool inside = y >= 5 && y < 251 && c >= 9 && c < 750;
                wrong += part.Row(y)[c] != (inside ? w : a);
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(SkinEffects, BlendRectTouchesOnlyItsArea) {
    TspEffectBmp own = Filled(10, 10, 0);
    TspEffectBmp other(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            std::fill(other.Row(y) + 3 * x, other.Row(y) + 3 * x + 3, uint8_t(10 * x + y));
    own.BlendRect(other, Rect(2, 3, 20, 5), 1, 2, 1.0);
    EXPECT_EQ(own.Row(3)[2 * 3], 21); // other (2, 1)
    EXPECT_EQ(own.Row(4)[3 * 3], 32); // other (3, 2)
    EXPECT_EQ(own.Row(3)[4 * 3], 0);  // beyond the other image
    EXPECT_EQ(own.Row(2)[2 * 3], 0);
    EXPECT_EQ(own.Row(5)[2 * 3], 0);
}

TEST(SkinEffects, GradientBandsWidenFromTheMiddle) {
    const TspEffectBmp other = Filled(20, 4, 200);
    TspEffectBmp full = Filled(20, 4, 0);
    full.BlendGradient(other, 1.0);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(full.Row(3)[3 * x], 200) << x;

    TspEffectBmp half = Filled(20, 4, 0);
    half.BlendGradient(other, 0.5);
    // Band of 10 round the middle (columns 5 to 15), then five columns fading back to the own.
    for (int x = 5; x <= 15; ++x) EXPECT_EQ(half.Row(0)[3 * x], 200) << x;
    EXPECT_EQ(half.Row(0)[3 * 4], 160);
    EXPECT_EQ(half.Row(0)[3 * 0], 0);
    EXPECT_EQ(half.Row(0)[3 * 16], 160);
    EXPECT_EQ(half.Row(0)[3 * 19], 40);

    TspEffectBmp tall = Filled(3, 20, 0);
    tall.BlendGradient(Filled(3, 20, 100), 1.0);
    EXPECT_EQ(tall.Row(0)[0], 100);
    EXPECT_EQ(tall.Row(19)[8], 100);
}

TEST(SkinEffects, ImagesGoBackToBitmaps) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    TBitmap source;
    source.SetImage(image);
    TspEffectBmp effect(source);
    EXPECT_EQ(effect.Row(1)[0], 3); // blue first
    EXPECT_EQ(effect.Row(1)[2], 1);
    TBitmap back;
    effect.AssignTo(back);
    EXPECT_EQ(back.Image().pixel(2, 1) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
    uint8_t row[9];
    effect.GetRow(0, row);
    row[0] = 99;
    effect.SetRow(0, row);
    EXPECT_EQ(effect.Row(0)[0], 99);
}

TEST_F(SkinTest, TranslucencyPercentBecomesAlpha) {
    EXPECT_EQ(TranslucencyAlpha(10), 229);
    EXPECT_EQ(TranslucencyAlpha(50), 127);
    EXPECT_EQ(TranslucencyAlpha(0), 255);
    EXPECT_EQ(TranslucencyAlpha(100), 0);
    EXPECT_EQ(TranslucencyAlpha(250), 0);
    TForm form(nullptr);
    World->Layered = false;
    EXPECT_FALSE(LayeredWindowsAvailable());
    SetWindowTranslucency(&form, 50);
    EXPECT_EQ(WindowAlpha(&form), 255);
    World->Layered = true;
    SetWindowTranslucency(&form, 50);
    EXPECT_EQ(WindowAlpha(&form), 127);
}

TEST_F(SkinTest, TheBackgroundUnderAControlIsItsParents) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetColor(0x00336699);
    TCustomControl control(&form);
    control.SetParent(&form);
    control.SetBounds(20, 10, 40, 30);
    TBitmap back;
    back.SetSize(40, 30);
    CopyParentBackground(&control, back.Canvas());
    EXPECT_EQ(back.Image().pixel(5, 5) & 0xFFFFFF, qRgb(0x99, 0x66, 0x33) & 0xFFFFFF);
    TBitmap screen;
    screen.SetSize(4, 4);
    CaptureScreenArea(0, 0, screen);
    EXPECT_EQ(screen.Width(), 4);
}
