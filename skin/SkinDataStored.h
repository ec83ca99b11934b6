#pragma once
// A whole skin carried inside the program: its INI lines and its pictures.

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Strings.h"

#include <array>
#include <memory>
#include <vector>

// Frame picture slots of a stored skin, in stream order.
enum class TSkinSlot { Picture, Mask, RollUpPicture, RollUpMask };

class TspStoredSkin : public TComponent {
public:
    explicit TspStoredSkin(TComponent* AOwner);
    ~TspStoredSkin() override;

    const QString& FileName() const { return FFileName; }
    // While designing, fills the skin from the folder of Value (see ImportSkinFolder) and keeps
    // the file's name part; otherwise only stores the text.
    void SetFileName(const QString& Value);
    TStrings* IniStrings() { return &FIniStrings; }
    const TStrings* IniStrings() const { return &FIniStrings; }
    void SetIniStrings(const TStrings& Value) { FIniStrings.Assign(Value); }

    // An empty bitmap stands for an empty slot.
    const TBitmap* SlotPicture(TSkinSlot Slot) const;
    int ActivePictureCount() const { return int(FActive.size()); }
    const TBitmap* ActivePicture(int Index) const { return FActive.at(Index).Bitmap.get(); }
    bool Empty() const;

    // The "Pictures" stream: per slot one byte (1 empty, 0 present) and the BMP file when
    // present, then a 32-bit count and that many BMP files. A stream that cannot be read raises
    // EReadError and leaves the skin without pictures and marked damaged.
    void ReadPictures(const QByteArray& Stream);
    QByteArray WritePictures() const;
    // True after a pictures stream failed to read; such a skin is not applied.
    bool Damaged() const { return FDamaged; }

    // Reads Path (a skin.ini) and the pictures its [PICTURES] section names, relative to its
    // folder. Nothing changes when a file is missing or unreadable (the exception says which).
    void ImportSkinFolder(const QString& Path);

private:
    // A picture and the file bytes it came from, so that writing gives back what was read.
    // The bytes are a part of a shared buffer (the stream or the file), not a copy.
    struct Stored {
        std::unique_ptr<TBitmap> Bitmap;
        QByteArray Source;
        qsizetype Offset = 0;
        qsizetype Length = 0;
    };
    static Stored Decode(const QByteArray& Stream, qsizetype& Pos, const QString& What);
    static Stored LoadFile(const QString& Folder, const QString& Name);

    QString FFileName;
    TStringList FIniStrings;
    std::array<Stored, 4> FSlots;
    std::vector<Stored> FActive;
    bool FDamaged = false;
};
