// A skin's INI text from untrusted bytes, read as the skin data reads a stored skin: every input
// must end in a loaded skin or a conversion error that leaves no skin.
#include "skin/SkinData.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TspStoredSkin stored(nullptr);
    stored.IniStrings()->SetText(
        QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    TspSkinData data(nullptr);
    try {
        data.ApplyStoredSkin(&stored);
    } catch (const Exception&) {
        if (!data.NoSkin() || !data.ControlDescriptions().empty()) std::abort();
        return 0;
    }
    if (data.NoSkin()) std::abort();
    // Every description writes back what it read.
    TMemIniFile out;
    for (const auto& c : data.ControlDescriptions()) c->SaveToFile(out);
    for (const auto& o : data.ObjectDescriptions()) o->SaveToFile(out);
    return 0;
}
