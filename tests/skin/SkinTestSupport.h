#pragma once
// Shared pieces of the skin tests: the program's committed stored skin and small builders of
// stored skins and BMP files.

#include "platform/Environment.h"
#include "platform/IniFiles.h"
#include "skin/SkinData.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Texts in failure messages as text, not as arrays of characters.
inline void PrintTo(const QString& S, std::ostream* Os) {
    *Os << S.toStdString();
}

namespace skintest {

inline QString SkinFolder() {
    return QStringLiteral(SOVELI_SOURCE_DIR "/app/res/skin/");
}

inline QByteArray ReadCommitted(const char* Name) {
    QFile f(SkinFolder() + QLatin1String(Name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << Name;
    return f.readAll();
}

// The program's own skin, as the main window carries it.
inline std::unique_ptr<TspStoredSkin> CommittedSkin(TComponent* Owner = nullptr) {
    auto skin = std::make_unique<TspStoredSkin>(Owner);
    skin->SetFileName(QStringLiteral("skin.ini"));
    skin->IniStrings()->SetText(QString::fromUtf8(ReadCommitted("skin.ini")));
    skin->ReadPictures(ReadCommitted("skin.pictures"));
    return skin;
}

// An uncompressed BMP file of the image at 24 bits.
inline QByteArray Bmp24(int W, int H, QRgb Fill = qRgb(10, 20, 30)) {
    QByteArray out;
    const int stride = (W * 3 + 3) / 4 * 4;
    auto put32 = [&](qint64 v) {
        for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
    };
    out.append("BM");
    put32(54 + qint64(stride) * H);
    put32(0);
    put32(54);
    put32(40);
    put32(W);
    put32(H);
    out.append(char(1)).append(char(0)).append(char(24)).append(char(0));
    for (int i = 0; i < 6; ++i) put32(0);
    for (int y = 0; y < H; ++y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < W; ++x) {
            row[3 * x] = char(qBlue(Fill));
            row[3 * x + 1] = char(qGreen(Fill));
            row[3 * x + 2] = char(qRed(Fill));
        }
        out.append(row);
    }
    return out;
}

inline void PutInt32(QByteArray& Out, qint32 V) {
    for (int i = 0; i < 4; ++i) Out.append(char((quint32(V) >> (8 * i)) & 0xFF));
}

// A stored skin made of INI text and no pictures.
inline std::unique_ptr<TspStoredSkin> IniSkin(const QString& Text) {
    auto skin = std::make_unique<TspStoredSkin>(nullptr);
    skin->IniStrings()->SetText(Text);
    return skin;
}

// Installs a scripted environment for the test's length.
class SkinTest : public testing::Test {
protected:
    void SetUp() override {
        auto env = std::make_unique<TScriptedEnvironment>();
        World = env.get();
        World->Answer = [](const TMessageBoxRequest&) { return 1; };
        SetEnvironment(std::move(env));
    }
    void TearDown() override { SetEnvironment(nullptr); }
    TScriptedEnvironment* World = nullptr;
};

} // namespace skintest
