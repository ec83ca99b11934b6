// A skin's INI text from untrusted bytes, read as the skin data reads a stored skin: every input
// must end in a loaded skin or a conversion error that leaves no skin. The same text read whole
// and read as a list of lines must give the same sections and keys.
#include "skin/SkinData.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace {

QStringList Lines(const TMemIniFile& Ini) {
    TStringList out;
    Ini.GetStrings(out);
    return out.ToStringList();
}

void ReadWholeAndByLines(const QString& Text) {
    TMemIniFile whole;
    whole.SetText(Text);
    TStringList split;
    split.SetText(Text);
    TMemIniFile byLines(split);
    if (Lines(whole) != Lines(byLines)) std::abort();
    // Looked up past a cursor, written and erased: still one key of each name.
    const QStringList sections = whole.Sections();
    if (sections.isEmpty()) return;
    const QStringList keys = whole.ReadSection(sections.last());
    if (!keys.isEmpty()) {
        whole.WriteString(sections.last(), keys.first(), QStringLiteral("v"));
        if (whole.ReadSection(sections.last()).size() != keys.size()) std::abort();
    }
    whole.EraseSection(sections.first());
    if (whole.SectionExists(sections.first())) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));
    ReadWholeAndByLines(text);
    TspStoredSkin stored(nullptr);
    stored.IniStrings()->SetText(text);
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
