#include "app/Resources.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <iconv.h>
#include <map>
#include <string>

namespace {

struct PictureSpec {
    const char* Name;
    int Width;
    int Height;
};

const PictureSpec kPictures[] = {
    {"window.bmp", 590, 403},     {"toolbar.jpg", 121, 335},    {"icon.png", 32, 32},
    {"btn_test.bmp", 62, 60},     {"btn_settings.bmp", 62, 60}, {"btn_knowledge.bmp", 62, 60},
    {"btn_about.bmp", 62, 60},    {"btn_exit.bmp", 62, 60},     {"btn_prev.bmp", 62, 60},
    {"btn_next.bmp", 62, 60},     {"btn_detail.bmp", 62, 60},   {"diary.bmp", 62, 60},
    {"home.jpg", 438, 337},       {"about.jpg", 438, 336},      {"side.jpg", 85, 317},
    {"swatch_green.jpg", 40, 15}, {"swatch_red.jpg", 40, 15},   {"swatch_black.jpg", 40, 15},
    {"diary_form.jpg", 169, 297}, {"diary_icon.png", 32, 32},
};

const char* const kGlyphs[] = {"btn_test.bmp",  "btn_settings.bmp", "btn_knowledge.bmp",
                               "btn_about.bmp", "btn_exit.bmp",     "btn_prev.bmp",
                               "btn_next.bmp",  "btn_detail.bmp",   "diary.bmp"};

QImage Load(const char* name) {
    return QImage(ResourcePath(name));
}

QByteArray Bytes(const char* name) {
    QFile file(ResourcePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AppPictures, LoadWithTheirSizesAndBitmapsAre24Bit) {
    for (const PictureSpec& picture : kPictures) {
        SCOPED_TRACE(picture.Name);
        const QImage image = Load(picture.Name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), picture.Width);
        EXPECT_EQ(image.height(), picture.Height);
        if (QByteArray(picture.Name).endsWith(".bmp")) {
            const QByteArray bytes = Bytes(picture.Name);
            ASSERT_GT(bytes.size(), 30);
            EXPECT_TRUE(bytes.startsWith("BM"));
            // Bits per pixel of the info header, little-endian.
            EXPECT_EQ(uchar(bytes[28]) | (uchar(bytes[29]) << 8), 24);
        }
    }
}

TEST(AppPictures, WindowKeyColourIsOnlyInTheBottomLeftPixel) {
    const QImage image = Load("window.bmp");
    ASSERT_FALSE(image.isNull());
    const QRgb key = image.pixel(0, image.height() - 1);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == key;
    EXPECT_EQ(count, 1);
    // The areas not covered by the tool bar and the views show the panels' colour.
    EXPECT_EQ(image.pixel(300, 397), qRgb(226, 230, 215));
    EXPECT_EQ(image.pixel(140, 200), qRgb(226, 230, 215));
}

TEST(AppPictures, GlyphsHaveTheButtonFaceAsTransparentBackground) {
    const QRgb face = qRgb(240, 251, 255);
    for (const char* name : kGlyphs) {
        SCOPED_TRACE(name);
        const QImage image = Load(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(0, image.height() - 1), face);
        EXPECT_EQ(image.pixel(image.width() - 1, 0), face);
        int background = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) background += image.pixel(x, y) == face;
        // Mostly background around a real drawing, not an empty or a filled square.
        const int all = image.width() * image.height();
        EXPECT_GT(background, all / 3);
        EXPECT_LT(background, all * 9 / 10);
    }
}

TEST(AppPictures, SwatchesShowTheLegendColours) {
    const std::map<std::string, QColor> expected = {{"swatch_green.jpg", QColor(0, 128, 0)},
                                                    {"swatch_red.jpg", QColor(255, 0, 0)},
                                                    {"swatch_black.jpg", QColor(0, 0, 0)}};
    for (const auto& [name, colour] : expected) {
        SCOPED_TRACE(name);
        const QColor centre = Load(name.c_str()).pixelColor(20, 7);
        EXPECT_NEAR(centre.red(), colour.red(), 6);
        EXPECT_NEAR(centre.green(), colour.green(), 6);
        EXPECT_NEAR(centre.blue(), colour.blue(), 6);
    }
}

// Length of a line in the GBK code page, or -1 when a character has no GBK code.
int GbkLength(const QString& line) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == iconv_t(-1)) return -1;
    QByteArray in = line.toUtf8();
    char out[256];
    char* inPtr = in.data();
    size_t inLeft = size_t(in.size());
    char* outPtr = out;
    size_t outLeft = sizeof out;
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return result == size_t(-1) ? -1 : int(sizeof out - outLeft);
}

class KnowledgeTextTest : public testing::Test {
protected:
    const QStringList lines = KnowledgeLines();

    // True when `text` stands on a line of its own with empty lines before and after it.
    bool StandsAlone(const QString& text) const {
        const qsizetype i = lines.indexOf(text);
        return i > 0 && i + 1 < lines.size() && lines[i - 1].isEmpty() && lines[i + 1].isEmpty();
    }
};

TEST_F(KnowledgeTextTest, HasItsLineCountsAndTitle) {
    ASSERT_EQ(lines.size(), 279);
    EXPECT_EQ(lines.count(QString()), 49);
    EXPECT_EQ(lines[0], QString(21, QLatin1Char(' ')) + QStringLiteral("安全期避孕"));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_EQ(KnowledgeText().count(QStringLiteral("\r\n")), 278);
    EXPECT_FALSE(KnowledgeText().contains(QStringLiteral("\n\n")));
}

TEST_F(KnowledgeTextTest, HeadingsAndSubItemsStandAloneInOrder) {
    const QStringList headings = {
        QStringLiteral("按月经周期来推算排卵期"),
        QStringLiteral("利用基础体温测量法测定排卵期"),
        QStringLiteral("怎样正确地测量基础体温"),
        QStringLiteral("怎样正确地记录基础体温"),
        QStringLiteral("测量基础体温有什么用途"),
        QStringLiteral("  (1)观察卵巢功能"),
        QStringLiteral("  (2)诊断早期怀孕"),
        QStringLiteral("  (3)指导避孕"),
        QStringLiteral("  (4)指导生育"),
        QStringLiteral("利用宫颈粘液观察法来测定排卵期"),
        QStringLiteral("怎样观察宫颈粘液的变化？"),
        QStringLiteral("采用安全期避孕需要注意哪些问题"),
    };
    qsizetype previous = 0;
    for (const QString& heading : headings) {
        SCOPED_TRACE(heading.toStdString());
        EXPECT_TRUE(StandsAlone(heading));
        EXPECT_EQ(lines.count(heading), 1);
        EXPECT_GT(lines.indexOf(heading), previous);
        previous = lines.indexOf(heading);
    }
    // The worked example of the calendar method is the one the test view computes.
    const QString all = lines.join(QString());
    for (const char* date : {"12月2日", "12月16日", "12月11日至12月20日", "12月30日"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(date))) << date;
}

TEST_F(KnowledgeTextTest, ParagraphsOpenWithFourBlanks) {
    int paragraphs = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) continue;
        const bool opening = line.startsWith(QLatin1String("    "));
        if (opening) {
            ++paragraphs;
            EXPECT_NE(line[4], QLatin1Char(' ')) << i + 1;
        } else {
            // Only headings and continuation lines start otherwise; neither starts with a blank
            // apart from the sub-items' two.
            EXPECT_TRUE(!line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1String("  (")))
                << i + 1;
        }
        if (lines[i - 1].isEmpty() && !opening && !StandsAlone(line))
            ADD_FAILURE() << "line " << i + 1 << " follows an empty line but opens no paragraph";
    }
    EXPECT_GT(paragraphs, 30);
}

TEST_F(KnowledgeTextTest, EveryLineFitsIn51GbkBytes) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int length = GbkLength(lines[i]);
        EXPECT_GE(length, 0) << "line " << i + 1 << " has a character outside GBK";
        EXPECT_LE(length, 51) << "line " << i + 1;
    }
}

} // namespace
