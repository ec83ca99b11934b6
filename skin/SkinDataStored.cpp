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
    static const TBitmap empty;
    const Stored& s = FSlots[size_t(Slot)];
    return s.Bitmap ? s.Bitmap.get() : &empty;
}

bool TspStoredSkin::Empty() const {
    return FIniStrings.Count() == 0;
}

TspStoredSkin::Stored TspStoredSkin::Decode(const QByteArray& Stream, qsizetype& Pos,
                                            const QString& What) {
    const auto* data = reinterpret_cast<const uchar*>(Stream.constData()) + Pos;
    TBmpFileInfo info;
    QString error;
    if (!CheckBmpFile(data, Stream.size() - Pos, info, error))
        throw EReadError(What + QStringLiteral("：") + error);
    Stored s{std::make_unique<TBitmap>(), Stream, Pos, info.FileSize};
    LoadBmpFile(*s.Bitmap, data, info);
    Pos += info.FileSize;
    return s;
}

void TspStoredSkin::ReadPictures(const QByteArray& Stream) {
    std::array<Stored, 4> frames;
    std::vector<Stored> active;
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
        for (Stored& s : FSlots) s = Stored{};
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
    auto file = [&](const Stored& S) { out.append(S.Source.constData() + S.Offset, S.Length); };
    for (const Stored& s : FSlots) {
        out.append(char(s.Length == 0 ? 1 : 0));
        file(s);
    }
    AppendInt32(out, int32_t(FActive.size()));
    for (const Stored& s : FActive) file(s);
    return out;
}

TspStoredSkin::Stored TspStoredSkin::LoadFile(const QString& Folder, const QString& Name) {
    if (Name.isEmpty()) return Stored{};
    const QString path = Folder + Name;
    const QByteArray bytes = ReadFileBytes(path);
    Stored s{std::make_unique<TBitmap>(), bytes, 0, 0};
    if (IsJpegName(Name)) {
        TJPEGImage jpeg;
        jpeg.LoadFromData(bytes);
        s.Bitmap->Assign(jpeg);
        s.Source = s.Bitmap->SaveToData();
        s.Length = s.Source.size();
        return s;
    }
    TBmpFileInfo info;
    QString error;
    if (!CheckBmpFile(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), info, error))
        throw EReadError(QStringLiteral("图片文件“%1”无法读取：%2").arg(path, error));
    LoadBmpFile(*s.Bitmap, reinterpret_cast<const uchar*>(bytes.constData()), info);
    s.Length = info.FileSize;
    return s;
}

void TspStoredSkin::ImportSkinFolder(const QString& Path) {
    TStringList lines;
    lines.SetText(QString::fromUtf8(ReadFileBytes(Path)));
    const QString folder = ExtractFilePath(Path);
    TMemIniFile ini(lines);
    const QString section = QStringLiteral("PICTURES");
    std::array<Stored, 4> frames;
    for (int i = 0; i < 4; ++i)
        frames[i] = LoadFile(folder, ini.ReadString(section, QLatin1String(kSlotNames[i]), {}));
    std::vector<Stored> active;
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
