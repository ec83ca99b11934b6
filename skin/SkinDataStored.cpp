#include "skin/SkinDataStored.h"

#include "platform/BmpFile.h"
#include "platform/FileUtils.h"
#include "platform/IniFiles.h"

namespace {

const char* const kSlotNames[] = {"picture", "mask", "rolluppicture", "rollupmask"};

void AppendInt32(QByteArray& Out, int32_t V) {
    const uint32_t u = static_cast<uint32_t>(V);
    const char b[4] = {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF),
                       char((u >> 24) & 0xFF)};
    Out.append(b, 4);
}

int32_t Int32At(const QByteArray& In, qsizetype Pos) {
    const auto* p = reinterpret_cast<const uchar*>(In.constData()) + Pos;
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                                uint32_t(p[3]) << 24);
}

bool IsJpegName(const QString& Name) {
    return Name.contains(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           Name.contains(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

} // namespace

TSkinPicture::TSkinPicture(const QByteArray& Source, qsizetype Offset, const TBmpFileInfo& Info,
                           std::unique_ptr<TBitmap> Decoded)
    : FSource(Source), FOffset(Offset), FInfo(Info), FBitmap(std::move(Decoded)) {}

TSkinPicture::~TSkinPicture() = default;

const TBmpPixels& TSkinPicture::Pixels() const {
    if (FPixels.Empty() && DecodesWithoutFail(FInfo)) {
        try {
            FPixels = TBmpPixels(reinterpret_cast<const uchar*>(FileData()), FInfo);
        } catch (const Exception&) {
            // Only memory can run out here: the file was checked when it was read.
        }
    }
    return FPixels;
}

const TBitmap& TSkinPicture::Bitmap() const {
    if (FBitmap) return *FBitmap;
    auto bitmap = std::make_unique<TBitmap>();
    try {
        Pixels().ToBitmap(*bitmap);
    } catch (const Exception&) {
        bitmap = std::make_unique<TBitmap>();
    }
    // Drawing needs only the 32-bit pixels from now on.
    FPixels = TBmpPixels();
    FBitmap = std::move(bitmap);
    return *FBitmap;
}

const TBitmap& NoSkinPicture() {
    static const TBitmap empty;
    return empty;
}

TspStoredSkin::TspStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

TspStoredSkin::~TspStoredSkin() = default;

void TspStoredSkin::SetFileName(const QString& Value) {
    if (ComponentState().Contains(TComponentStateItem::csDesigning) && !Value.isEmpty()) {
        ImportSkinFolder(Value);
        FFileName = ExtractFileName(Value);
        return;
    }
    FFileName = Value;
}

const TBitmap* TspStoredSkin::SlotPicture(TSkinSlot Slot) const {
    const TSkinPictureRef& p = FSlots[size_t(Slot)];
    return p ? &p->Bitmap() : &NoSkinPicture();
}

bool TspStoredSkin::Empty() const {
    return FIniStrings.Count() == 0;
}

namespace {

// The picture of a checked BMP file; the pixels of a kind that may fail are decoded at once, so
// that a broken file is refused while reading, not when it is first drawn.
TSkinPictureRef MakePicture(const QByteArray& Source, qsizetype Offset, const TBmpFileInfo& Info) {
    std::unique_ptr<TBitmap> decoded;
    if (!DecodesWithoutFail(Info)) {
        decoded = std::make_unique<TBitmap>();
        LoadBmpFile(*decoded, reinterpret_cast<const uchar*>(Source.constData()) + Offset, Info);
    }
    return std::make_shared<TSkinPicture>(Source, Offset, Info, std::move(decoded));
}

} // namespace

TSkinPictureRef TspStoredSkin::Decode(const QByteArray& Stream, qsizetype& Pos,
                                      const QString& What) {
    const auto* data = reinterpret_cast<const uchar*>(Stream.constData()) + Pos;
    TBmpFileInfo info;
    QString error;
    if (!CheckBmpFile(data, Stream.size() - Pos, info, error))
        throw EReadError(What + QStringLiteral("：") + error);
    TSkinPictureRef p = MakePicture(Stream, Pos, info);
    Pos += info.FileSize;
    return p;
}

void TspStoredSkin::ReadPictures(const QByteArray& Stream) {
    std::array<TSkinPictureRef, 4> frames;
    std::vector<TSkinPictureRef> active;
    try {
        qsizetype pos = 0;
        for (int i = 0; i < 4; ++i) {
            const QString what = QStringLiteral("图片“%1”").arg(QLatin1String(kSlotNames[i]));
            if (pos >= Stream.size()) throw EReadError(what + QStringLiteral("：数据不完整"));
            const char flag = Stream[pos++];
            if (flag != 0 && flag != 1)
                throw EReadError(what + QStringLiteral("：标志字节 %1 无效").arg(int(uchar(flag))));
            if (flag == 0) frames[i] = Decode(Stream, pos, what);
        }
        if (Stream.size() - pos < 4) throw EReadError(QStringLiteral("缺少图片数"));
        const int32_t count = Int32At(Stream, pos);
        pos += 4;
        if (count < 0) throw EReadError(QStringLiteral("图片数 %1 无效").arg(count));
        // Every picture needs bytes of its own, so a lying count ends at the data's end.
        for (int32_t i = 0; i < count; ++i) {
            if (pos >= Stream.size())
                throw EReadError(QStringLiteral("图片数写为 %1，数据只含 %2 张").arg(count).arg(i));
            active.push_back(Decode(Stream, pos, QStringLiteral("第 %1 张图片").arg(i)));
        }
    } catch (const Exception& E) {
        for (TSkinPictureRef& s : FSlots) s.reset();
        FActive.clear();
        FDamaged = true;
        throw EReadError(QStringLiteral("皮肤图片数据已损坏，无法读取（%1）。请换用完好的皮肤。")
                             .arg(E.Message()));
    }
    FSlots = std::move(frames);
    FActive = std::move(active);
    FDamaged = false;
}

QByteArray TspStoredSkin::WritePictures() const {
    QByteArray out;
    for (const TSkinPictureRef& s : FSlots) {
        out.append(char(s ? 0 : 1));
        if (s) out.append(s->FileData(), s->FileSize());
    }
    AppendInt32(out, int32_t(FActive.size()));
    for (const TSkinPictureRef& s : FActive) out.append(s->FileData(), s->FileSize());
    return out;
}

TSkinPictureRef TspStoredSkin::LoadFile(const QString& Folder, const QString& Name) {
    if (Name.isEmpty()) return nullptr;
    const QString path = Folder + Name;
    const QByteArray bytes = ReadFileBytes(path);
    if (IsJpegName(Name)) {
        // Stored as the BMP file of its pixels, which are there already.
        TJPEGImage jpeg;
        jpeg.LoadFromData(bytes);
        auto pixels = std::make_unique<TBitmap>();
        pixels->Assign(jpeg);
        const QByteArray bmp = pixels->SaveToData();
        TBmpFileInfo info;
        info.FileSize = bmp.size();
        return std::make_shared<TSkinPicture>(bmp, 0, info, std::move(pixels));
    }
    TBmpFileInfo info;
    QString error;
    if (!CheckBmpFile(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), info, error))
        throw EReadError(QStringLiteral("图片文件“%1”无法读取：%2").arg(path, error));
    return MakePicture(bytes, 0, info);
}

void TspStoredSkin::ImportSkinFolder(const QString& Path) {
    TStringList lines;
    lines.SetText(QString::fromUtf8(ReadFileBytes(Path)));
    const QString folder = ExtractFilePath(Path);
    TMemIniFile ini(lines);
    const QString section = QStringLiteral("PICTURES");
    std::array<TSkinPictureRef, 4> frames;
    for (int i = 0; i < 4; ++i)
        frames[i] = LoadFile(folder, ini.ReadString(section, QLatin1String(kSlotNames[i]), {}));
    std::vector<TSkinPictureRef> active;
    const int count = ini.ReadInteger(section, QStringLiteral("activepicturescount"), 0);
    for (int i = 0; i < count; ++i) {
        const QString name = ini.ReadString(section, QString::number(i), {});
        // Every further picture must name a file; a count beyond the names is a broken skin.
        if (name.isEmpty())
            throw EReadError(QStringLiteral("皮肤文件“%1”的 [PICTURES] 节缺少第 %2 张图片的文件名")
                                 .arg(Path)
                                 .arg(i));
        active.push_back(LoadFile(folder, name));
    }
    FIniStrings.Assign(lines);
    FSlots = std::move(frames);
    FActive = std::move(active);
    FDamaged = false;
}
