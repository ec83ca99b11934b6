// The stored skin's pictures stream from untrusted bytes: every input must end in pictures or a
// read error, without reading past the data or allocating out of proportion to it.
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
    // What was read writes back to the very same bytes, up to the end of the last picture.
    const QByteArray again = skin.WritePictures();
    if (again.size() > qsizetype(Size) ||
        QByteArray(reinterpret_cast<const char*>(Data), again.size()) != again)
        std::abort();
    return 0;
}
