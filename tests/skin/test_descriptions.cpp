// Every description class reads and writes its section as mirrors: a section filled with
// distinct values survives a read and a write unchanged.
#include "SkinTestSupport.h"

namespace {

const char* const kObjectKinds[] = {
    "caption",         "button", "stdbutton", "mainmenubarbutton", "menuitem", "mainmenuitem",
    "mainmenubaritem", "label",  "bitlabel",  "trackbar",          "gauge",    "framegauge",
    "frameregulator",  "switch", "animate",   "userobject"};
const char* const kControlKinds[] = {
    "button",       "menubutton", "stdlabel",      "label",    "bitlabel",    "panel",
    "checkradio",   "gauge",      "trackbar",      "edit",     "memo",        "listbox",
    "checklistbox", "combobox",   "scrollbar",     "spinedit", "updown",      "controlbar",
    "splitter",     "scrollbox",  "tab",           "grid",     "mainmenubar", "framegauge",
    "animate",      "switch",     "frameregulator"};

// A value of the same syntax as Default but different from it, made distinct by N.
QString Distinct(const QString& Key, const QString& Default, int N) {
    if (Default.count(u',') == 3)
        return QStringLiteral("%1,%2,%3,%4").arg(N).arg(N + 1).arg(N + 2).arg(N + 3);
    if (Default.count(u',') == 1) return QStringLiteral("%1,%2").arg(N).arg(N + 5);
    if (Key.endsWith("linecount")) return Default; // lines would add keys of their own
    const QHash<QString, QString> words = {{"tacenter", "taleftjustify"},
                                           {"mkdefault", "mkgradient"},
                                           {"cmdefault", "cmclose"},
                                           {"gkhorizontal", "gkvertical"},
                                           {"fphorizontal", "fpvertical"},
                                           {"rkround", "rkhorizontal"},
                                           {"Arial", QStringLiteral("Font%1").arg(N)}};
    if (words.contains(Default)) return words[Default];
    bool number = false;
    Default.toInt(&number);
    // Booleans read only 1 as true, so integers get 1 too.
    if (number) return QStringLiteral("1");
    if (Key.endsWith("style")) return QStringLiteral("fsbold,fsunderline");
    return QStringLiteral("name%1").arg(N);
}

template <class Make> void CheckRoundTrip(const char* Kind, Make Create) {
    SCOPED_TRACE(Kind);
    TMemIniFile defaults;
    auto fresh = Create(QString::fromLatin1(Kind), QStringLiteral("sec"));
    ASSERT_TRUE(fresh);
    fresh->SaveToFile(defaults);
    const QStringList keys = defaults.ReadSection("sec");
    ASSERT_FALSE(keys.isEmpty());

    TMemIniFile filled;
    for (int i = 0; i < keys.size(); ++i)
        filled.WriteString("sec", keys[i],
                           Distinct(keys[i], defaults.ReadString("sec", keys[i], ""), 10 * i));
    auto read = Create(QString::fromLatin1(Kind), QStringLiteral("sec"));
    read->LoadFromFile(filled);
    TMemIniFile written;
    read->SaveToFile(written);
    EXPECT_EQ(written.ReadSection("sec"), keys);
    for (const QString& key : keys) {
        if (QLatin1String(Kind) == QLatin1String("animate") && key == "morphing") continue;
        EXPECT_EQ(written.ReadString("sec", key, "?"), filled.ReadString("sec", key, "!"))
            << key.toStdString();
    }
}

} // namespace

TEST(SkinDescriptions, ObjectsReadAndWriteEveryKeyAlike) {
    for (const char* kind : kObjectKinds) CheckRoundTrip(kind, CreateSkinObjectDescription);
}

TEST(SkinDescriptions, ControlsReadAndWriteEveryKeyAlike) {
    for (const char* kind : kControlKinds) CheckRoundTrip(kind, CreateSkinControlDescription);
}

TEST(SkinDescriptions, UnknownKindWordsMakeNothing) {
    EXPECT_FALSE(CreateSkinObjectDescription(u"Caption", "x"));
    EXPECT_FALSE(CreateSkinObjectDescription(u"", "x"));
    EXPECT_FALSE(CreateSkinControlDescription(u"stdbutton", "x"));
}

TEST(SkinDescriptions, FreshDescriptionsHoldTheEmptyValues) {
    TDataSkinButtonControl b("button");
    EXPECT_EQ(b.PictureIndex, -1);
    EXPECT_TRUE(b.SkinRect.IsEmpty());
    EXPECT_EQ(b.Font.Name, "Arial");
    EXPECT_EQ(b.Font.Color, 0);
    EXPECT_FALSE(b.Morphing);
}

TEST(SkinDescriptions, KindRulesOnReading) {
    TMemIniFile ini;
    ini.SetText("[a]\nmorphing=1\ncountframes=0\n[f]\nframescount=-3\n[u]\nrollup=1\n"
                "skinrect=1,2,3,4\nactiveskinrect=5,6,7,8\nactivepictureindex=3\n");
    TDataSkinAnimate animate("a");
    animate.LoadFromFile(ini);
    EXPECT_FALSE(animate.Morphing);
    EXPECT_EQ(animate.CountFrames, 0);
    TDataSkinFrameGauge frames("f");
    frames.LoadFromFile(ini);
    EXPECT_EQ(frames.FramesCount, 1);
    // A user object reads only its place, cursor and roll-up flag.
    TDataUserObject user("u");
    user.LoadFromFile(ini);
    EXPECT_TRUE(user.RollUp);
    EXPECT_EQ(user.SkinRect, Rect(1, 2, 3, 4));
    EXPECT_TRUE(user.ActiveSkinRect.IsEmpty());
    EXPECT_EQ(user.ActivePictureIndex, -1);
}

TEST(SkinDescriptions, WritingReplacesTheWholeSection) {
    TMemIniFile ini;
    ini.SetText("[closebutton]\nstray=1\ncommand=cmclose\n");
    TDataSkinStdButton b("closebutton");
    b.LoadFromFile(ini);
    b.SaveToFile(ini);
    EXPECT_FALSE(ini.ValueExists("closebutton", "stray"));
    EXPECT_EQ(ini.ReadString("closebutton", "command", ""), "cmclose");
    EXPECT_EQ(ini.ReadString("closebutton", "morphkind", ""), "mkdefault");
}

TEST(SkinDescriptions, AreasAreReadFromTheirEntry) {
    const TDataSkinArea a = TDataSkinArea::FromEntry("logo", "1,2,30,40");
    EXPECT_EQ(a.AreaRect, Rect(1, 2, 30, 40));
    EXPECT_EQ(a.Entry(), "logo:1,2,30,40");
    EXPECT_THROW(TDataSkinArea::FromEntry("logo", "1,2"), EConvertError);
}
