#pragma once
// A whole skin carried inside the program: its INI lines and its pictures.

#include "platform/BmpFile.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Strings.h"
#include "platform/TextLines.h"

#include <array>
#include <memory>
#include <vector>

// Frame picture slots of a stored skin, in stream order.
enum class TSkinSlot { Picture, Mask, RollUpPicture, RollUpMask };

// One picture of a skin: the BMP file it was read from and its pixels, decoded the first time
// they are asked for, and made 32-bit for drawing the first time a window draws them. The
// stored skin and the skin data share it instead of copying it, and a skin loads without
// decoding pictures no window draws yet.
class TSkinPicture {
public:
    // At Offset in Source a BMP file that passed CheckBmpFile (Info); the buffer is shared, not
    // copied. Decoded holds the pixels when they could not wait (see DecodesWithoutFail).
    TSkinPicture(const QByteArray& Source, qsizetype Offset, const TBmpFileInfo& Info,
                 std::unique_ptr<TBitmap> Decoded = nullptr);
    TSkinPicture(const TSkinPicture&) = delete;
    TSkinPicture& operator=(const TSkinPicture&) = delete;
    ~TSkinPicture();

    // The pixels as the file stores them; empty when there was no memory to decode them, and
    // for a compressed file, whose pixels were decoded straight into Bitmap() when it was read.
    // Asked for again after Bitmap(), they are decoded again.
    const TBmpPixels& Pixels() const;
    // The pixels ready to draw; an empty bitmap when there was no memory to decode them.
    const TBitmap& Bitmap() const;
    // The BMP file as read.
    const char* FileData() const { return FSource.constData() + FOffset; }
    qsizetype FileSize() const { return FInfo.FileSize; }

private:
    QByteArray FSource;
    qsizetype FOffset;
    TBmpFileInfo FInfo;
    mutable TBmpPixels FPixels;
    mutable std::unique_ptr<TBitmap> FBitmap;
};
using TSkinPictureRef = std::shared_ptr<const TSkinPicture>;

// The empty bitmap that stands for a picture a skin does not have.
const TBitmap& NoSkinPicture();

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
    const TBitmap* ActivePicture(int Index) const { return &FActive.at(Index)->Bitmap(); }
    // The pictures themselves, to share (nullptr for an empty slot).
    const TSkinPictureRef& SlotPictureRef(TSkinSlot Slot) const { return FSlots[size_t(Slot)]; }
    const TSkinPictureRef& ActivePictureRef(int Index) const { return FActive.at(Index); }
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
    static TSkinPictureRef Decode(const QByteArray& Stream, qsizetype& Pos, const QString& What);
    static TSkinPictureRef LoadFile(const QString& Folder, const QString& Name);

    QString FFileName;
    // Kept as set until a line is asked for: applying the skin reads the text whole.
    TTextLines FIniStrings;
    std::array<TSkinPictureRef, 4> FSlots;
    std::vector<TSkinPictureRef> FActive;
    bool FDamaged = false;
};
