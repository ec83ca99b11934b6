// Building the main window's outline from its 590 x 403 picture, against a bare Qt reference
// measured in the same run: a QRegion from the picture's colour mask through a QBitmap.

#include "bench/MedianReporter.h"
#include "shapedform/fcimageform.h"

#include <QApplication>
#include <QBitmap>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace {

QString WindowPicturePath() {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../app/res/window.bmp";
}

const TBitmap& WindowPicture() {
    static TBitmap picture = [] {
        TBitmap b;
        b.LoadFromFile(WindowPicturePath());
        return b;
    }();
    return picture;
}

TColor BottomLeft(const TBitmap& B) {
    return FromQColor(B.Image().pixelColor(0, B.Height() - 1));
}

void BM_FormRegionFromPicture(benchmark::State& State) {
    const TBitmap& picture = WindowPicture();
    const TColor transparent = BottomLeft(picture);
    for (auto _ : State) {
        auto region = fcCreateRegionFromBitmap(picture, transparent);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_FormRegionFromPicture)->Unit(benchmark::kMicrosecond);

// The reference starts from 32-bit pixels, Qt's fast path for colour masks.
void BM_QtRegionFromColourMask(benchmark::State& State) {
    const QImage image = WindowPicture().Image().convertToFormat(QImage::Format_RGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (auto _ : State) {
        QRegion region(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskOutColor)));
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_QtRegionFromColourMask)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (WindowPicture().Empty()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(WindowPicturePath()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.Time("BM_FormRegionFromPicture");
    const double reference = reporter.Time("BM_QtRegionFromColourMask");
    if (ours > 0 && reference > 0)
        std::printf("\nregion from picture: %.1f us, Qt colour mask reference: %.1f us, ratio "
                    "%.2fx (target at most 1.0x)\n",
                    ours, reference, ours / reference);
    else
        std::printf("\nno ratio: run both benchmarks (the filter left one out)\n");
    benchmark::Shutdown();
    return 0;
}
