// The stored skin's pictures stream: layout, mirror writing, and refusal of broken data.
#include "SkinTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

QByteArray EmptyStream() {
    return QByteArray("\x01\x01\x01\x01\x00\x00\x00\x00", 8);
}

// Present frame picture, then Count further pictures (the given files).
QByteArray Stream(const QByteArray& Frame, qint32 Count, const QList<QByteArray>& Files) {
    QByteArray s;
    s.append(char(0)).append(Frame).append(char(1)).append(char(1)).append(char(1));
    skintest::PutInt32(s, Count);
    for (const QByteArray& f : Files) s.append(f);
    return s;
}

// A BMP file with a 40-byte header; Palette holds four bytes per colour.
QByteArray BmpFile(int W, int H, int Bits, int Compression, const QByteArray& Palette,
                   const QByteArray& Pixels) {
    QByteArray out("BM");
    const qint32 offset = 54 + qint32(Palette.size());
    skintest::PutInt32(out, offset + qint32(Pixels.size()));
    skintest::PutInt32(out, 0);
    skintest::PutInt32(out, offset);
    for (qint32 v : {40, W, H}) skintest::PutInt32(out, v);
    out.append(char(1)).append(char(0)).append(char(Bits)).append(char(0));
    for (qint32 v : {Compression, qint32(Pixels.size()), 0, 0, qint32(Palette.size() / 4), 0})
        skintest::PutInt32(out, v);
    return out + Palette + Pixels;
}

// An uncompressed picture of every kind the reader decodes itself, its rows padded to four
// bytes; negative H stores the rows top-down.
QByteArray PatternBmp(int W, int H, int Bits, int Colours) {
    QByteArray palette;
    for (int i = 0; i < Colours; ++i)
        palette.append(char(i * 37)).append(char(255 - i * 11)).append(char(i * 5)).append('\0');
    const int stride = (W * Bits + 31) / 32 * 4;
    QByteArray pixels(stride * std::abs(H), '\0');
    for (int y = 0; y < std::abs(H); ++y)
        for (int x = 0; x < W; ++x) {
            char* row = pixels.data() + y * stride;
            const int v = (x * 7 + y * 13) & 0xFF;
            if (Bits >= 24) {
                for (int c = 0; c < Bits / 8; ++c) row[x * Bits / 8 + c] = char(v + c * 50);
                continue;
            }
            const int index = v % Colours, perByte = 8 / Bits;
            row[x / perByte] = char(row[x / perByte] | index << (8 - Bits * (x % perByte + 1)));
        }
    return BmpFile(W, H, Bits, 0, palette, pixels);
}

void ExpectRefused(const QByteArray& Data, const char* What) {
    SCOPED_TRACE(What);
    TspStoredSkin skin(nullptr);
    skin.ReadPictures(Stream(skintest::Bmp24(3, 2), 1, {skintest::Bmp24(4, 4)}));
    ASSERT_EQ(skin.ActivePictureCount(), 1);
    EXPECT_THROW(skin.ReadPictures(Data), EReadError);
    EXPECT_TRUE(skin.Damaged());
    EXPECT_EQ(skin.ActivePictureCount(), 0);
    EXPECT_TRUE(skin.SlotPicture(TSkinSlot::Picture)->Empty());
}

} // namespace

TEST(StoredSkin, AnEmptySkinIsEightBytes) {
    TspStoredSkin skin(nullptr);
    EXPECT_EQ(skin.WritePictures(), EmptyStream());
    skin.ReadPictures(EmptyStream());
    EXPECT_FALSE(skin.Damaged());
    EXPECT_EQ(skin.ActivePictureCount(), 0);
    EXPECT_EQ(skin.WritePictures(), EmptyStream());
}

TEST(StoredSkin, TheProgramsSkinHasItsPicturesAndWritesBackByteForByte) {
    const QByteArray stream = skintest::ReadCommitted("skin.pictures");
    EXPECT_EQ(stream.size(), 194236);
    auto skin = skintest::CommittedSkin();
    EXPECT_EQ(skin->WritePictures(), stream);
    const TBitmap* frame = skin->SlotPicture(TSkinSlot::Picture);
    EXPECT_EQ(QSize(frame->Width(), frame->Height()), QSize(152, 125));
    EXPECT_EQ(skin->SlotPicture(TSkinSlot::Mask)->Width(), 152);
    EXPECT_TRUE(skin->SlotPicture(TSkinSlot::RollUpPicture)->Empty());
    EXPECT_TRUE(skin->SlotPicture(TSkinSlot::RollUpMask)->Empty());
    ASSERT_EQ(skin->ActivePictureCount(), 8);
    const QSize sizes[] = {{65, 223}, {65, 69},   {68, 118}, {42, 27},
                           {72, 21},  {516, 264}, {65, 69},  {42, 27}};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(QSize(skin->ActivePicture(i)->Width(), skin->ActivePicture(i)->Height()),
                  sizes[i])
            << i;
    // The depths are those of the files: frame picture 8 bits, masks 1 bit.
    EXPECT_EQ(uchar(stream[1 + 28]), 8);
    EXPECT_EQ(uchar(stream[1 + 20074 + 1 + 28]), 1);
}

TEST(StoredSkin, BrokenStreamsAreRefusedAndLeaveNoPictures) {
    const QByteArray good =
        Stream(skintest::Bmp24(3, 2), 2, {skintest::Bmp24(4, 4), skintest::Bmp24(5, 1)});
    {
        TspStoredSkin skin(nullptr);
        skin.ReadPictures(good);
        EXPECT_EQ(skin.WritePictures(), good);
    }
    for (int cut : {0, 1, 2, 40, 60, 63, 64, 66, int(good.size()) - 1})
        ExpectRefused(good.left(cut), qPrintable(QStringLiteral("cut at %1").arg(cut)));

    QByteArray lying = good;
    lying[1 + 2] = char(0x7F); // the first file claims to be longer than the data
    ExpectRefused(lying, "file size beyond the data");
    QByteArray tiny = good;
    tiny[1 + 2] = char(20);
    tiny[1 + 3] = char(0);
    ExpectRefused(tiny, "file size shorter than its header");
    ExpectRefused(Stream(skintest::Bmp24(3, 2), -1, {}), "negative count");
    ExpectRefused(QByteArray("\x23\x01\x01\x01\x00\x00\x00\x00", 8), "flag neither 0 nor 1");
    ExpectRefused(Stream(skintest::Bmp24(3, 2), 0x7FFFFFFF, {skintest::Bmp24(2, 2)}), "huge count");
    QByteArray notBmp = skintest::Bmp24(2, 2);
    notBmp[0] = 'X';
    ExpectRefused(Stream(notBmp, 0, {}), "no BM");

    // A header that claims a huge picture over a few bytes of pixels.
    QByteArray huge = skintest::Bmp24(2, 2);
    huge[18] = char(0x00), huge[19] = char(0x40); // width 16384
    huge[22] = char(0x00), huge[23] = char(0x40); // height 16384
    ExpectRefused(Stream(huge, 0, {}), "huge dimensions");
    QByteArray depth = skintest::Bmp24(2, 2);
    depth[28] = char(7);
    ExpectRefused(Stream(depth, 0, {}), "odd bit count");
}

TEST(StoredSkin, ImportingTheSkinsFolderGivesTheSameSkin) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray stream = skintest::ReadCommitted("skin.pictures");
    const QByteArray ini = skintest::ReadCommitted("skin.ini");
    // Split the stream into the files the INI text names.
    TMemIniFile parsed;
    parsed.SetText(QString::fromUtf8(ini));
    QStringList names;
    for (const char* key : {"picture", "mask"}) names << parsed.ReadString("PICTURES", key, "");
    for (int i = 0; i < 8; ++i) names << parsed.ReadString("PICTURES", QString::number(i), "");
    qsizetype pos = 0;
    int file = 0;
    auto take = [&] {
        const qint32 size = qFromLittleEndian<qint32>(stream.constData() + pos + 2);
        QFile f(dir.filePath(names[file++]));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(stream.mid(pos, size));
        pos += size;
    };
    for (int slot = 0; slot < 4; ++slot)
        if (stream[pos++] == 0) take();
    pos += 4;
    for (int i = 0; i < 8; ++i) take();
    QFile f(dir.filePath("skin.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ini);
    f.close();

    TspStoredSkin skin(nullptr);
    skin.ImportSkinFolder(dir.filePath("skin.ini"));
    EXPECT_EQ(skin.WritePictures(), stream);
    EXPECT_EQ(skin.IniStrings()->Count(), skintest::CommittedSkin()->IniStrings()->Count());

    // A missing picture leaves the skin as it was and says which file.
    QFile::remove(dir.filePath("sheet.bmp"));
    try {
        skin.ImportSkinFolder(dir.filePath("skin.ini"));
        FAIL() << "missing file not reported";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains("sheet.bmp")) << e.Message().toStdString();
    }
    EXPECT_EQ(skin.WritePictures(), stream);
}

TEST(StoredSkin, JpegPicturesBecomeBitmapsOfTheirSize) {
    QTemporaryDir dir;
    QImage photo(30, 20, QImage::Format_RGB32);
    photo.fill(qRgb(200, 100, 50));
    ASSERT_TRUE(photo.save(dir.filePath("back.JPG"), "JPG"));
    QFile f(dir.filePath("skin.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[PICTURES]\npicture=back.JPG\nactivepicturescount=0\n");
    f.close();
    TspStoredSkin skin(nullptr);
    skin.ImportSkinFolder(dir.filePath("skin.ini"));
    const TBitmap* p = skin.SlotPicture(TSkinSlot::Picture);
    EXPECT_EQ(p->Width(), 30);
    EXPECT_EQ(p->Height(), 20);
    // Written as a BMP file that reads back.
    TspStoredSkin copy(nullptr);
    copy.ReadPictures(skin.WritePictures());
    EXPECT_EQ(copy.SlotPicture(TSkinSlot::Picture)->Width(), 30);
}

TEST(StoredSkin, FileNameOnlyStoresTheTextAtRunTime) {
    TspStoredSkin skin(nullptr);
    skin.SetFileName("/nowhere/skin.ini");
    EXPECT_EQ(skin.FileName(), "/nowhere/skin.ini");
    EXPECT_TRUE(skin.Empty());
}

TEST(StoredSkin, PicturesDecodedOnFirstUseHaveTheFilesPixels) {
    const QList<QByteArray> files = {
        PatternBmp(13, 5, 1, 2),   PatternBmp(9, -4, 1, 2),     PatternBmp(11, 3, 4, 16),
        PatternBmp(7, 6, 4, 5),    PatternBmp(5, 7, 8, 256),    PatternBmp(6, -3, 8, 100),
        PatternBmp(7, 4, 24, 0),   PatternBmp(5, -6, 24, 0),    PatternBmp(4, 3, 32, 0),
        PatternBmp(75, 21, 24, 0), PatternBmp(152, 125, 8, 256)};
    TspStoredSkin skin(nullptr);
    skin.ReadPictures(Stream(files[0], qint32(files.size()), files));
    TspSkinData data(nullptr);
    data.ApplyStoredSkin(&skin);
    for (int i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        const QImage expected =
            QImage::fromData(files[i], "BMP").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull());
        // The pixels as stored, before and after the picture is made ready to draw.
        for (int pass = 0; pass < 2; ++pass) {
            const TBmpPixels& stored = skin.ActivePictureRef(i)->Pixels();
            ASSERT_FALSE(stored.Empty());
            EXPECT_EQ(stored.Width(), expected.width());
            EXPECT_EQ(stored.Height(), expected.height());
            if (pass == 0) (void)skin.ActivePicture(i);
        }
        // Once through the skin data, once through the stored skin: one picture, one decoding.
        const TBitmap* shared = data.Picture(i);
        ASSERT_NE(shared, nullptr);
        EXPECT_EQ(shared, skin.ActivePicture(i));
        EXPECT_EQ(shared->Image().convertToFormat(QImage::Format_RGB32), expected);
        TBitmap eager;
        TBmpFileInfo info;
        QString error;
        ASSERT_TRUE(CheckBmpFile(reinterpret_cast<const uchar*>(files[i].constData()),
                                 files[i].size(), info, error));
        LoadBmpFile(eager, reinterpret_cast<const uchar*>(files[i].constData()), info);
        EXPECT_EQ(eager.Image(), shared->Image());
        EXPECT_EQ(eager.PixelFormat(), shared->PixelFormat());
    }
    EXPECT_EQ(skin.WritePictures(), Stream(files[0], qint32(files.size()), files));
}

TEST(StoredSkin, APictureThatPassesItsHeaderButCannotDecodeRefusesTheStream) {
    QByteArray grey;
    for (int i = 0; i < 256; ++i) grey.append(char(i)).append(char(i)).append(char(i)).append('\0');
    // Run-length data whose literal run of 255 pixels ends after three.
    const QByteArray broken = BmpFile(4, 4, 8, 1, grey, QByteArray("\x00\xff\x01\x02\x03", 5));
    TBmpFileInfo info;
    QString error;
    ASSERT_TRUE(CheckBmpFile(reinterpret_cast<const uchar*>(broken.constData()), broken.size(),
                             info, error));
    ExpectRefused(Stream(skintest::Bmp24(3, 2), 1, {broken}), "undecodable run-length data");
    const QByteArray sound = BmpFile(4, 1, 8, 1, grey, QByteArray("\x04\x07\x00\x01", 4));
    TspStoredSkin skin(nullptr);
    skin.ReadPictures(Stream(sound, 0, {}));
    EXPECT_EQ(skin.SlotPicture(TSkinSlot::Picture)->Image().pixel(3, 0) & 0xFFFFFF, 0x070707u);
}
