// The skin engine against bare Qt references measured in the same run: loading the stored skin
// (INI text and pictures) against decoding the same BMP files with QImage; the frame picture
// made 590 x 403 against a QPainter nine-patch with drawTiledPixmap; the window outline from the
// mask against QRegion(QBitmap); mixing two 75 x 21 faces against QPainter with opacity.

#include "skin/SPEffBmp.h"
#include "skin/SkinData.h"

#include <QApplication>
#include <QBitmap>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace {

QString SkinFile(const char* Name) {
    for (const QString& folder :
         {QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../app/res/skin/",
          QStringLiteral("app/res/skin/"), QStringLiteral("../app/res/skin/")})
        if (QFile::exists(folder + Name)) return folder + Name;
    return QString::fromLatin1(Name);
}

QByteArray ReadAll(const char* Name) {
    QFile f(SkinFile(Name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray& Stream() {
    static const QByteArray s = ReadAll("skin.pictures");
    return s;
}

const QString& IniText() {
    static const QString s = QString::fromUtf8(ReadAll("skin.ini"));
    return s;
}

// The BMP files inside the pictures stream.
std::vector<QByteArray> BmpFiles() {
    std::vector<QByteArray> files;
    const QByteArray& s = Stream();
    qsizetype pos = 0;
    auto take = [&] {
        const qint32 size = qFromLittleEndian<qint32>(s.constData() + pos + 2);
        files.push_back(s.mid(pos, size));
        pos += size;
    };
    for (int slot = 0; slot < 4; ++slot)
        if (s[pos++] == 0) take();
    const qint32 count = qFromLittleEndian<qint32>(s.constData() + pos);
    pos += 4;
    for (int i = 0; i < count; ++i) take();
    return files;
}

const TspStoredSkin& Stored() {
    static TspStoredSkin skin(nullptr);
    static const bool read = [] {
        skin.IniStrings()->SetText(IniText());
        skin.ReadPictures(Stream());
        return true;
    }();
    (void)read;
    return skin;
}

// Every picture's pixels as its file stores them (palette indexes and colour table for the
// 8-bit and 1-bit ones), touched to count their decoding: what QImage gives for the same files.
// Pictures are decoded when first asked for, so the skin alone would decode none.
void TouchStoredPixels(const TspStoredSkin& Stored) {
    for (int slot = 0; slot < 4; ++slot)
        if (const TSkinPictureRef& p = Stored.SlotPictureRef(TSkinSlot(slot)))
            benchmark::DoNotOptimize(p->Pixels().Row(0));
    for (int i = 0; i < Stored.ActivePictureCount(); ++i)
        benchmark::DoNotOptimize(Stored.ActivePictureRef(i)->Pixels().Row(0));
}

void BM_SkinLoad(benchmark::State& State) {
    for (auto _ : State) {
        TspStoredSkin stored(nullptr);
        TspSkinData data(nullptr);
        stored.IniStrings()->SetText(IniText());
        stored.ReadPictures(Stream());
        data.ApplyStoredSkin(&stored);
        TouchStoredPixels(stored);
    }
}
BENCHMARK(BM_SkinLoad)->Unit(benchmark::kMicrosecond);

// The two halves of the load on their own, to see where its time goes.
void BM_SkinLoadIniOnly(benchmark::State& State) {
    TspStoredSkin stored(nullptr);
    for (auto _ : State) {
        TspSkinData data(nullptr);
        stored.IniStrings()->SetText(IniText());
        data.ApplyStoredSkin(&stored);
        benchmark::DoNotOptimize(data.ControlDescriptions().size());
    }
}
BENCHMARK(BM_SkinLoadIniOnly)->Unit(benchmark::kMicrosecond);

// Of which the INI text indexed, before any description reads it.
void BM_SkinIniIndex(benchmark::State& State) {
    for (auto _ : State) {
        TMemIniFile ini;
        ini.SetText(IniText());
        benchmark::DoNotOptimize(ini.SectionIndex(u"SKINCONTROLS"));
    }
}
BENCHMARK(BM_SkinIniIndex)->Unit(benchmark::kMicrosecond);

void BM_SkinLoadPicturesOnly(benchmark::State& State) {
    for (auto _ : State) {
        TspStoredSkin stored(nullptr);
        stored.ReadPictures(Stream());
        TouchStoredPixels(stored);
    }
}
BENCHMARK(BM_SkinLoadPicturesOnly)->Unit(benchmark::kMicrosecond);

// QImage decoding every BMP file of the stream, then converting each to 32 bits if asked.
void QtDecodeAll(benchmark::State& State, bool To32Bit) {
    const std::vector<QByteArray> files = BmpFiles();
    for (auto _ : State)
        for (const QByteArray& f : files) {
            QImage image;
            image.loadFromData(f, "BMP");
            if (To32Bit) image = image.convertToFormat(QImage::Format_RGB32);
            benchmark::DoNotOptimize(image);
        }
}

void BM_QtSkinLoadReference(benchmark::State& State) {
    QtDecodeAll(State, false);
}
BENCHMARK(BM_QtSkinLoadReference)->Unit(benchmark::kMicrosecond);

// All ten pictures made ready to draw (32-bit), as the first drawing of each does, against
// QImage reading the files and converting them the same way.
void BM_SkinPicturesToDraw(benchmark::State& State) {
    for (auto _ : State) {
        TspStoredSkin stored(nullptr);
        stored.ReadPictures(Stream());
        for (int slot = 0; slot < 4; ++slot)
            benchmark::DoNotOptimize(stored.SlotPicture(TSkinSlot(slot))->Image().constBits());
        for (int i = 0; i < stored.ActivePictureCount(); ++i)
            benchmark::DoNotOptimize(stored.ActivePicture(i)->Image().constBits());
    }
}
BENCHMARK(BM_SkinPicturesToDraw)->Unit(benchmark::kMicrosecond);

void BM_QtPicturesToDrawReference(benchmark::State& State) {
    QtDecodeAll(State, true);
}
BENCHMARK(BM_QtPicturesToDrawReference)->Unit(benchmark::kMicrosecond);

const TSkinPoints kFrame{{29, 29}, {56, 29}, {29, 120}, {123, 120}, {5, 29, 147, 120}};

void BM_SkinDrawResized(benchmark::State& State) {
    const TBitmap& picture = *Stored().SlotPicture(TSkinSlot::Picture);
    const TRect r = Rect(0, 0, 152, 125);
    int w = 590, h = 403;
    const TSkinPoints n = ResizeSkinPoints(kFrame, TSkinResizeMode::Both, r, w, h);
    TBitmap target;
    for (auto _ : State) {
        DrawResizedSkin(kFrame, n, target, picture, r, w, h, true);
        benchmark::DoNotOptimize(target.Image().constBits());
    }
}
BENCHMARK(BM_SkinDrawResized)->Unit(benchmark::kMicrosecond);

// Nine pieces: corners drawn once, edges and the middle tiled (the skin's own geometry).
void BM_QtNinePatchReference(benchmark::State& State) {
    const QPixmap pix = QPixmap::fromImage(Stored().SlotPicture(TSkinSlot::Picture)->Image());
    QImage target(590, 403, QImage::Format_RGB32);
    const int l = 29, t = 29, r = 152 - 56, b = 5, w = 590, h = 403;
    for (auto _ : State) {
        QPainter p(&target);
        p.drawPixmap(0, 0, pix, 0, 0, l, t);
        p.drawPixmap(w - r, 0, pix, 152 - r, 0, r, t);
        p.drawPixmap(0, h - b, pix, 0, 125 - b, l, b);
        p.drawPixmap(w - r, h - b, pix, 152 - r, 125 - b, r, b);
        p.drawTiledPixmap(QRect(l, 0, w - l - r, t), pix.copy(l, 0, 56 - l, t));
        p.drawTiledPixmap(QRect(l, h - b, w - l - r, b), pix.copy(l, 125 - b, 56 - l, b));
        p.drawTiledPixmap(QRect(0, t, 5, h - t - b), pix.copy(0, t, 5, 125 - t - b));
        p.drawTiledPixmap(QRect(w - 5, t, 5, h - t - b), pix.copy(147, t, 5, 125 - t - b));
        p.drawTiledPixmap(QRect(5, t, w - 10, h - t - b), pix.copy(5, t, 142, 91));
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_QtNinePatchReference)->Unit(benchmark::kMicrosecond);

void BM_SkinMaskRegion(benchmark::State& State) {
    const TBitmap& mask = *Stored().SlotPicture(TSkinSlot::Mask);
    for (auto _ : State) {
        auto region = BuildMaskRegion(mask, 0, 0);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_SkinMaskRegion)->Unit(benchmark::kMicrosecond);

void BM_QtMaskRegionReference(benchmark::State& State) {
    const QBitmap bitmap = QBitmap::fromImage(
        Stored().SlotPicture(TSkinSlot::Mask)->Image().convertToFormat(QImage::Format_Mono));
    for (auto _ : State) {
        QRegion region(bitmap);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_QtMaskRegionReference)->Unit(benchmark::kMicrosecond);

TBitmap Face(int Left) {
    TBitmap face;
    face.SetPixelFormat(TPixelFormat::pf24bit);
    DrawWidenedSkin(4, 6, face, *Stored().ActivePicture(4), 75, Rect(Left, 0, Left + 24, 21));
    return face;
}

void BM_SkinBlend(benchmark::State& State) {
    const TspEffectBmp normal(Face(0)), active(Face(48));
    for (auto _ : State) {
        TspEffectBmp mixed = normal;
        mixed.Blend(active, 0.3);
        benchmark::DoNotOptimize(mixed.Row(0));
    }
}
BENCHMARK(BM_SkinBlend)->Unit(benchmark::kMicrosecond);

void BM_QtBlendReference(benchmark::State& State) {
    const QImage normal = Face(0).Image().convertToFormat(QImage::Format_RGB888);
    const QImage active = Face(48).Image().convertToFormat(QImage::Format_RGB888);
    for (auto _ : State) {
        QImage mixed = normal.copy();
        QPainter p(&mixed);
        p.setOpacity(0.3);
        p.drawImage(0, 0, active);
        p.end();
        benchmark::DoNotOptimize(mixed.constBits());
    }
}
BENCHMARK(BM_QtBlendReference)->Unit(benchmark::kMicrosecond);

// Keeps the medians of repeated runs, wall and processor time, to print their ratios at the
// end (the processor time is the steadier on a shared machine).
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run& r : Runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                Medians[r.run_name.function_name] = {r.GetAdjustedRealTime(),
                                                     r.GetAdjustedCPUTime()};
    }
    std::map<std::string, std::pair<double, double>> Medians;
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (Stream().isEmpty() || IniText().isEmpty()) {
        std::fprintf(stderr, "cannot read the stored skin (app/res/skin)\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char* pairs[][3] = {
        {"load stored skin", "BM_SkinLoad", "BM_QtSkinLoadReference"},
        {"  its INI part", "BM_SkinLoadIniOnly", "BM_QtSkinLoadReference"},
        {"  its INI indexed", "BM_SkinIniIndex", "BM_QtSkinLoadReference"},
        {"  its pictures", "BM_SkinLoadPicturesOnly", "BM_QtSkinLoadReference"},
        {"pictures to draw", "BM_SkinPicturesToDraw", "BM_QtPicturesToDrawReference"},
        {"frame to 590 x 403", "BM_SkinDrawResized", "BM_QtNinePatchReference"},
        {"mask region", "BM_SkinMaskRegion", "BM_QtMaskRegionReference"},
        {"blend 75 x 21", "BM_SkinBlend", "BM_QtBlendReference"},
    };
    bool any = false;
    for (const auto& p : pairs) {
        const auto ours = reporter.Medians[p[1]], reference = reporter.Medians[p[2]];
        if (ours.first <= 0 || reference.first <= 0 || ours.second <= 0 || reference.second <= 0)
            continue;
        any = true;
        std::printf("%-20s CPU %9.2f us, Qt reference %9.2f us, ratio %.2fx; wall %9.2f / %9.2f "
                    "us, %.2fx (target at most 1.0x)\n",
                    p[0], ours.second, reference.second, ours.second / reference.second, ours.first,
                    reference.first, ours.first / reference.first);
    }
    if (!any) std::printf("\nrun with --benchmark_repetitions=N to get medians and their ratio\n");
    benchmark::Shutdown();
    return 0;
}
