// The stored skin's pictures stream from untrusted bytes: every input must end in pictures or a
// read error, without reading past the data or allocating out of proportion to it, and every
// picture read must decode when drawn.
#include "skin/SkinDataStored.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TspStoredSkin skin(nullptr);
    try {
        skin.ReadPictures(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    } catch (const Exception&) {
        if (!skin.Damaged() || skin.ActivePictureCount() != 0) std::abort();
        return 0;
    }
    // Pictures are decoded when first drawn: draw from each once, reading every row.
    auto draw = [](const TBitmap* Picture) {
        const QImage& image = Picture->Image();
        uint32_t sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (qsizetype x = 0; x < image.bytesPerLine(); ++x) sum += image.constScanLine(y)[x];
        volatile uint32_t keep = sum;
        (void)keep;
    };
    for (int slot = 0; slot < 4; ++slot) draw(skin.SlotPicture(TSkinSlot(slot)));
    for (int i = 0; i < skin.ActivePictureCount(); ++i) draw(skin.ActivePicture(i));
    // What was read writes back to the very same bytes, up to the end of the last picture.
    const QByteArray again = skin.WritePictures();
    if (again.size() > qsizetype(Size) ||
        QByteArray(reinterpret_cast<const char*>(Data), again.size()) != again)
        std::abort();
    return 0;
}
