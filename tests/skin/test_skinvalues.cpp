// The reading rules of skin values: skins written for this engine depend on each quirk.
#include "SkinTestSupport.h"

namespace {

TMemIniFile Section(const QString& Body) {
    TMemIniFile ini;
    ini.SetText(QStringLiteral("[s]\n") + Body);
    return ini;
}

} // namespace

TEST(SkinValues, RectsAndPointsKeepOnlyDigitsOfEachField) {
    EXPECT_EQ(SkinStrToRect("127,4,148,25"), Rect(127, 4, 148, 25));
    EXPECT_EQ(SkinStrToRect(" 1 , 2 ,3 ,  4 "), Rect(1, 2, 3, 4));
    // The filter drops the sign: minus one reads as one.
    EXPECT_EQ(SkinStrToRect("-1,2,x3,4px"), Rect(1, 2, 3, 4));
    EXPECT_EQ(SkinStrToPoint("29,29"), Point(29, 29));
    EXPECT_EQ(SkinStrToPoint("-7, 8"), Point(7, 8));
}

TEST(SkinValues, MalformedRectsAndPointsAreConversionErrors) {
    for (const char* bad :
         {"1,2,3", "1,,3,4", "1,2,3,", "", "a,b,c,d", "1,2,3,4,5", "1,2,3,99999999999"})
        EXPECT_THROW(SkinStrToRect(QString::fromLatin1(bad)), EConvertError) << bad;
    for (const char* bad : {"1", "1,", ",2", "1,2,3"})
        EXPECT_THROW(SkinStrToPoint(QString::fromLatin1(bad)), EConvertError) << bad;
}

TEST(SkinValues, FontStylesAreCaseSensitiveSubstrings) {
    EXPECT_TRUE(SkinStrToFontStyles("").Empty());
    EXPECT_EQ(SkinStrToFontStyles("fsbold,fsitalic"),
              TFontStyles({TFontStyle::fsBold, TFontStyle::fsItalic}));
    EXPECT_TRUE(SkinStrToFontStyles("FSBOLD").Empty());
    EXPECT_EQ(SkinStrToFontStyles("xfsunderlinefsstrikeout"),
              TFontStyles({TFontStyle::fsUnderline, TFontStyle::fsStrikeOut}));
    const TFontStyles all{TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline,
                          TFontStyle::fsStrikeOut};
    EXPECT_EQ(SkinStrToFontStyles(SkinFontStylesToStr(all)), all);
}

TEST(SkinValues, WordsCompareExactlyAndUnknownWordsTakeTheLastMeaning) {
    EXPECT_EQ(SkinStrToAlignment("tacenter"), TAlignment::taCenter);
    EXPECT_EQ(SkinStrToAlignment("taleftjustify"), TAlignment::taLeftJustify);
    EXPECT_EQ(SkinStrToAlignment("tarightjustify"), TAlignment::taRightJustify);
    EXPECT_EQ(SkinStrToAlignment("center"), TAlignment::taRightJustify);
    EXPECT_EQ(SkinStrToAlignment("TACENTER"), TAlignment::taRightJustify);

    TMemIniFile ini = Section("a=cmrollup\nb=whatever\nc=cmClose\nd=cmsysmenu\nm=mkgradient\n");
    TSkinIniExchange x(ini, "s", false);
    TStdCommand c = TStdCommand::cmClose;
    x.Command(u"a", c);
    EXPECT_EQ(c, TStdCommand::cmRollUp);
    x.Command(u"b", c);
    EXPECT_EQ(c, TStdCommand::cmRollUp);
    x.Command(u"c", c);
    EXPECT_EQ(c, TStdCommand::cmRollUp);
    x.Command(u"d", c);
    EXPECT_EQ(c, TStdCommand::cmSysMenu);
    x.Command(u"missing", c);
    EXPECT_EQ(c, TStdCommand::cmDefault);
    TMorphKind m = TMorphKind::mkDefault;
    x.MorphKind(u"m", m);
    EXPECT_EQ(m, TMorphKind::mkGradient);
    x.MorphKind(u"missing", m);
    EXPECT_EQ(m, TMorphKind::mkDefault);
    TAlignment a = TAlignment::taLeftJustify;
    x.Alignment(u"missing", a);
    EXPECT_EQ(a, TAlignment::taCenter);
}

TEST(SkinValues, BooleansAreTrueOnlyForOneAndIntegersFallBackToTheirDefault) {
    TMemIniFile ini = Section("t=1\nf=2\nw=true\nn=-1\ni= 42\nbad=4x\n");
    TSkinIniExchange x(ini, "S", false);
    bool b = true;
    x.Bool(u"t", b);
    EXPECT_TRUE(b);
    for (const char* key : {"f", "w", "n", "missing"}) {
        b = true;
        const QString name = QString::fromLatin1(key);
        x.Bool(TSkinKey(name), b);
        EXPECT_FALSE(b) << key;
    }
    int v = 0;
    x.Int(u"i", v, -1);
    EXPECT_EQ(v, 42);
    x.Int(u"bad", v, -1);
    EXPECT_EQ(v, -1);
    x.Int(u"missing", v, 7);
    EXPECT_EQ(v, 7);
}

TEST(SkinValues, SectionsAndKeysIgnoreCaseValuesKeepIt) {
    TMemIniFile ini;
    ini.SetText("[MenuItem]\nunenabledfontColor=255\nFontName=Arial Black\n[menuitem]\nx=1\n");
    EXPECT_EQ(ini.ReadInteger("MENUITEM", "UNENABLEDFONTCOLOR", 0), 255);
    EXPECT_EQ(ini.ReadString("menuitem", "fontname", ""), "Arial Black");
    // A section named twice continues the first one.
    EXPECT_EQ(ini.ReadInteger("menuitem", "x", 0), 1);
    EXPECT_EQ(ini.Sections().size(), 1);
    // Read in file order through an exchange, whose key names are lower case.
    TMemIniFile upper = Section("PictureIndex=5\nSkinRect=1,2,3,4\nCURSORINDEX=2\n");
    TSkinIniExchange x(upper, "s", false);
    int picture = 0, cursor = 0;
    TRect r;
    x.Int(u"pictureindex", picture);
    x.Rect(u"skinrect", r);
    x.Int(u"cursorindex", cursor);
    EXPECT_EQ(picture, 5);
    EXPECT_EQ(r.Right, 3);
    EXPECT_EQ(cursor, 2);
}

TEST(SkinValues, ARectNamesItsSectionAndKeyWhenItCannotBeRead) {
    TMemIniFile ini = Section("skinrect=1,2\n");
    TSkinIniExchange x(ini, "s", false);
    TRect r;
    try {
        x.Rect(u"skinrect", r);
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().contains("[s]")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("skinrect"));
    }
    x.Rect(u"missing", r);
    EXPECT_TRUE(r.IsEmpty());
}

TEST(SkinValues, TextListsUseLineCountAndNumberedLines) {
    TMemIniFile ini;
    TSkinIniExchange w(ini, "bits", true);
    QStringList lines{"0123", "", "ABC"};
    w.Lines(u"symbols", lines);
    EXPECT_EQ(ini.ReadInteger("bits", "symbolslinecount", 0), 3);
    EXPECT_EQ(ini.ReadString("bits", "symbolsline2", ""), "ABC");
    QStringList back;
    TSkinIniExchange r(ini, "bits", false);
    r.Lines(u"symbols", back);
    EXPECT_EQ(back, lines);
    // A count far beyond what the section holds does not grow the list past it.
    ini.WriteInteger("bits", "symbolslinecount", 2000000000);
    r.Lines(u"symbols", back);
    EXPECT_LE(back.size(), 5);
}
