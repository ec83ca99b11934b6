// INI text in memory: the reader keeps views into what it was given, finds keys through a
// cursor before hashing, and rebuilds its index when a section goes.
#include "platform/IniFiles.h"
#include "platform/TextLines.h"

#include <gtest/gtest.h>

namespace {

const QString kText = QStringLiteral("stray=before any section\r\n"
                                     "[Colours]\r\n"
                                     "  Red = 255 \r\n"
                                     "; a comment=not a key\n"
                                     "green=128\r"
                                     "no equals sign here\n"
                                     "red=ignored: the first value counts\n"
                                     "[Größe]\n"
                                     "Äpfel=3\n"
                                     "[ colours ]\n"
                                     "blue=64\n"
                                     "empty=\n"
                                     "[last]\n"
                                     "x=1\n");

const QStringList kExpected = {"[Colours]", "Red=255", "green=128", "blue=64", "empty=", "",
                               "[Größe]",   "Äpfel=3", "",          "[last]",  "x=1",    ""};

QStringList Lines(const TMemIniFile& Ini) {
    TStringList out;
    Ini.GetStrings(out);
    return out.ToStringList();
}

std::string Read(const TMemIniFile& Ini, const char* Section, const char* Key) {
    return Ini.ReadString(QString::fromUtf8(Section), QString::fromUtf8(Key), "<none>")
        .toStdString();
}

} // namespace

TEST(MemIniFile, AWholeTextAndItsLinesReadAlike) {
    TMemIniFile whole;
    whole.SetText(kText);
    EXPECT_EQ(Lines(whole), kExpected);

    TStringList split;
    split.SetText(kText);
    TMemIniFile fromLines(split);
    EXPECT_EQ(Lines(fromLines), kExpected);

    TTextLines unsplit;
    unsplit.SetText(kText);
    ASSERT_NE(unsplit.UnsplitText(), nullptr);
    TMemIniFile fromUnsplit(unsplit);
    EXPECT_EQ(Lines(fromUnsplit), kExpected);
    // Asking for a line breaks the text as a string list would.
    EXPECT_EQ(unsplit.Count(), split.Count());
    EXPECT_EQ(unsplit.Strings(4), split.Strings(4));
    EXPECT_EQ(unsplit.UnsplitText(), nullptr);
    TMemIniFile fromBroken(unsplit);
    EXPECT_EQ(Lines(fromBroken), kExpected);

    // The reader's views outlive the text and lines it was given.
    split.Put(2, "Red=0");
    split.Clear();
    unsplit.SetText("[other]\n");
    for (const TMemIniFile* ini : {&whole, &fromLines, &fromUnsplit, &fromBroken}) {
        EXPECT_EQ(Read(*ini, "COLOURS", "RED"), "255");
        EXPECT_EQ(Read(*ini, "größe", "äPFEL"), "3");
        EXPECT_EQ(Read(*ini, "colours", "empty"), "");
        EXPECT_EQ(Read(*ini, "colours", "stray"), "<none>");
        EXPECT_EQ(ini->ReadInteger("last", "x", 0), 1);
    }
    // Setting a text again replaces what was read.
    whole.SetText(kText);
    EXPECT_EQ(Lines(whole), kExpected);
}

TEST(MemIniFile, KeysAreFoundInAnyOrderAndMissingOnesLeaveTheCursor) {
    TMemIniFile ini;
    ini.SetText("[a]\nk0=0\nk1=1\nk2=2\nk3=3\nk4=4\n[b]\nk0=b0\nk1=b1\n");
    const int a = ini.SectionIndex(u"A"), b = ini.SectionIndex(u"b");
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_EQ(ini.SectionIndex(u"c"), -1);
    auto find = [&](int Section, const char* Key, int& Cursor) {
        QStringView value;
        const QString name = QString::fromLatin1(Key);
        return ini.FindValue(Section, QStringView(name), value, Cursor)
                   ? value.toString().toStdString()
                   : std::string("<none>");
    };
    int cursor = -1;
    for (const char* order : {"01234", "43210", "20413", "00112"}) {
        SCOPED_TRACE(order);
        for (const char* c = order; *c; ++c) {
            const char key[] = {'K', *c, 0};
            EXPECT_EQ(find(a, key, cursor), std::string(1, *c));
        }
    }
    // A missing key between two reads does not lose the place.
    cursor = -1;
    EXPECT_EQ(find(a, "k0", cursor), "0");
    const int atK0 = cursor;
    EXPECT_EQ(find(a, "k9", cursor), "<none>");
    EXPECT_EQ(cursor, atK0);
    EXPECT_EQ(find(a, "k1", cursor), "1");
    // A cursor left in another section, or not a key at all, finds the right section's key.
    EXPECT_EQ(find(b, "k1", cursor), "b1");
    EXPECT_EQ(find(a, "k2", cursor), "2");
    for (int stale : {-7, 3, 9, 100000}) {
        cursor = stale;
        EXPECT_EQ(find(b, "k0", cursor), "b0") << stale;
    }
    EXPECT_EQ(find(-1, "k0", cursor), "<none>");
    EXPECT_EQ(find(99, "k0", cursor), "<none>");
    // Names longer than the reader's stack buffer.
    const std::string longName(100, 'q');
    ini.WriteString("a", QString::fromStdString(longName), "long");
    cursor = -1;
    EXPECT_EQ(find(a, longName.c_str(), cursor), "long");
}

TEST(MemIniFile, RewritingAKeyKeepsItsPlaceAndOnlyTheLastValue) {
    TMemIniFile ini;
    ini.SetText("[a]\nx=1\ny=2\n");
    QString value = "10";
    ini.WriteString("A", "X", value);
    value[0] = u'9'; // the caller's string changes after writing
    EXPECT_EQ(Read(ini, "a", "x"), "10");
    for (int i = 0; i < 1000; ++i) ini.WriteInteger("a", "x", i);
    ini.WriteString("a", "z", "new");
    ini.WriteString("b", "w", ini.ReadString("a", "z", ""));
    ini.WriteString("a", "z", "newer");
    EXPECT_EQ(Lines(ini), QStringList({"[a]", "x=999", "y=2", "z=newer", "", "[b]", "w=new", ""}));
    EXPECT_EQ(ini.KeyCount(ini.SectionIndex(u"a")), 3);
}

TEST(MemIniFile, ErasingASectionKeepsTheOthersReadableAndWritable) {
    TMemIniFile ini;
    ini.SetText("[a]\nx=1\n[b]\ny=2\nz=3\n[c]\nw=4\n");
    ini.WriteString("a", "x", "written");
    ini.WriteString("c", "v", "5");
    ini.EraseSection("B");
    EXPECT_EQ(ini.Sections(), QStringList({"a", "c"}));
    EXPECT_FALSE(ini.SectionExists("b"));
    EXPECT_EQ(Read(ini, "b", "y"), "<none>");
    EXPECT_EQ(Read(ini, "c", "w"), "4");
    EXPECT_EQ(ini.ReadSection("c"), QStringList({"w", "v"}));
    // Values written before the erase are rewritten in place, not added again.
    ini.WriteString("a", "x", "again");
    ini.WriteString("c", "v", "6");
    ini.WriteString("b", "z", "back");
    ini.EraseSection("nothing");
    EXPECT_EQ(Lines(ini),
              QStringList({"[a]", "x=again", "", "[c]", "w=4", "v=6", "", "[b]", "z=back", ""}));
    ini.EraseSection("a");
    ini.EraseSection("c");
    ini.EraseSection("b");
    EXPECT_TRUE(ini.Sections().isEmpty());
    ini.WriteString("a", "x", "fresh");
    EXPECT_EQ(Read(ini, "a", "x"), "fresh");
}

TEST(MemIniFile, AKeyGivenTwiceReadsItsFirstValueHoweverItIsReached) {
    TMemIniFile ini;
    ini.SetText("[s]\na=1\nb=2\nA=3\nc=4\n");
    const int s = ini.SectionIndex(u"s");
    QStringView v;
    int cursor = -1;
    ASSERT_TRUE(ini.FindValue(s, QStringView(u"b"), v, cursor));
    EXPECT_EQ(v, u"2");
    // The key after the cursor is the second "a": the first still counts.
    ASSERT_TRUE(ini.FindValue(s, QStringView(u"a"), v, cursor));
    EXPECT_EQ(v, u"1");
    ASSERT_TRUE(ini.FindValue(s, QStringView(u"c"), v, cursor));
    EXPECT_EQ(v, u"4");
    EXPECT_EQ(ini.KeyCount(s), 3);
    // Writing after reading keeps the one key of each name.
    ini.WriteString("S", "C", "5");
    ini.WriteString("S", "d", "6");
    EXPECT_EQ(Lines(ini), QStringList({"[s]", "a=1", "b=2", "c=5", "d=6", ""}));
    // Looked up without a cursor first, the same.
    TMemIniFile other;
    other.SetText("[s]\na=1\nb=2\nA=3\n");
    EXPECT_EQ(Read(other, "s", "A"), "1");
    EXPECT_EQ(other.KeyCount(0), 2);
}

TEST(MemIniFile, ReadsAlikeWhereverBreaksAndEqualsSignsFall) {
    // Names and values of every length to past 64 units, shifted by every offset, so that the
    // breaks and "=" a whole text is searched for fall everywhere in its blocks and words.
    for (int shift = 0; shift < 66; ++shift) {
        QString text = QString(shift, u' ') + "[s]\n";
        for (int len = 0; len < 70; ++len) {
            text += QString(len, u'k') + QString::number(len) + (len % 3 ? "=" : " = ");
            text += QString(len % 19, u'v') + (len % 5 ? "" : "=x") + (len % 2 ? "\r\n" : "\n");
            if (len % 7 == 0) text += QString(len, u'n') + "\r";
        }
        TMemIniFile whole;
        whole.SetText(text);
        TStringList split;
        split.SetText(text);
        TMemIniFile fromLines(split);
        ASSERT_EQ(Lines(whole), Lines(fromLines)) << shift;
        ASSERT_EQ(whole.KeyCount(0), 70) << shift;
        EXPECT_EQ(Read(whole, "s", "kkk3"), "vvv") << shift;
        EXPECT_EQ(Read(whole, "s", "0"), "=x") << shift;
    }
}

TEST(TextLines, BreakLikeAStringListWhereverTheBreaksFall) {
    // Breaks at every offset within a group of four units, next to tabs and other controls
    // below the breaks, Chinese text and units with the high bit set.
    const QString pieces[] = {"",         "a",        "ab",      "abc",       "abcd",
                              "\tx",      "\x0b\x0c", "经期",    "\xff\xfe",  "键=值",
                              "\x0e\x0f", "abcde",    "abcdefg", "\t\t\t\t\t"};
    const QString breaks[] = {"\n", "\r\n", "\r", "\n\r", "\r\r\n", "\n\n"};
    QString text;
    int n = 0;
    for (int round = 0; round < 3; ++round)
        for (const QString& p : pieces) text += p + breaks[n++ % 6];
    for (const QString& whole : {text, text + "tail", text.left(text.size() - 1)}) {
        TStringList expected;
        expected.SetText(whole);
        TTextLines lines;
        lines.SetText(whole);
        ASSERT_EQ(lines.Count(), expected.Count());
        for (int i = 0; i < expected.Count(); ++i)
            EXPECT_EQ(lines.Strings(i), expected.Strings(i)) << i;
    }
}
