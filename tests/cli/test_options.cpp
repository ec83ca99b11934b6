#include "CliFixture.h"

using Options = CliFixture;

TEST_F(Options, HelpAndVersionAnswerWithoutTouchingTheData) {
    for (const char* help : {"--help", "-h"}) {
        ASSERT_EQ(Run({help}), 0) << Err.toStdString();
        for (const char* option :
             {"--help", "--version", "--export-csv", "--import-csv", "--export-ics", "--backup"})
            EXPECT_TRUE(Out.contains(option)) << option;
        EXPECT_TRUE(Out.contains(QStringLiteral("用法"))); // Chinese first
        EXPECT_TRUE(Out.contains(Database()));             // says where the data is
    }
    ASSERT_EQ(Run({"--version"}), 0);
    EXPECT_TRUE(Out.startsWith("soveli ")) << Out.toStdString();
    EXPECT_FALSE(QFile::exists(Database()));
}

TEST_F(Options, WrongOptionsAreUsageErrorsInChinese) {
    const std::vector<std::vector<QString>> wrong = {
        {"--bogus"},  {"--export-csv"},       {"--export-csv="},
        {"--help=x"}, {"--backup", "a", "b"}, {"--version", "--help"},
    };
    for (const auto& args : wrong) {
        EXPECT_EQ(Run(args), 2) << args[0].toStdString();
        EXPECT_TRUE(Out.isEmpty());
        EXPECT_TRUE(Err.contains("soveli --help")) << Err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Database()));
    EXPECT_FALSE(QFile::exists(File("a")));
}

TEST_F(Options, OnlyLongOptionsTakeTheProgramAwayFromItsWindow) {
    auto is = [](std::vector<const char*> args) {
        return IsCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
    };
    EXPECT_FALSE(is({"soveli"}));
    EXPECT_FALSE(is({"soveli", "-style", "fusion"}));
    EXPECT_TRUE(is({"soveli", "--export-csv", "x"}));
    EXPECT_TRUE(is({"soveli", "--typo"}));
    EXPECT_TRUE(is({"soveli", "-h"}));
}

TEST_F(Options, ADatabaseThatIsNotOneStopsEveryOptionAndNothingIsWritten) {
    const QByteArray junk("this is a diary typed into a text file, not a database\n");
    Write(Database(), junk);
    Write(File("in.csv"), "2026-12-02,x,y\r\n");
    const std::vector<std::vector<QString>> all = {{"--export-csv", File("out.csv")},
                                                   {"--export-ics", File("out.ics")},
                                                   {"--backup", File("out.bak")},
                                                   {"--import-csv", File("in.csv")}};
    for (const auto& args : all) {
        EXPECT_EQ(Run(args), 1) << args[0].toStdString();
        EXPECT_TRUE(Err.contains(QStringLiteral("不是有效的数据库文件"))) << Err.toStdString();
        EXPECT_TRUE(Err.contains(QStringLiteral("没有写入任何文件")));
        EXPECT_TRUE(Out.isEmpty());
    }
    EXPECT_EQ(Read(Database()), junk);
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"in.csv", "velna.dll"}));
}

TEST_F(Options, ExportsWithoutADatabaseSaySoAndCreateNothing) {
    for (const char* option : {"--export-csv", "--export-ics", "--backup"}) {
        EXPECT_EQ(Run({option, File("out")}), 1);
        EXPECT_TRUE(Err.contains(QStringLiteral("还没有数据库文件"))) << Err.toStdString();
    }
    EXPECT_TRUE(
        QDir(Folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(Options, TargetsThatCannotBeWrittenAreReportedAndLeaveNoTrace) {
    Seed(Database(), {{"2026-12-02", "a", "b"}}, 28);
    Write(File("plain"), "x");
    QDir(Folder.path()).mkdir("folder");
    const QByteArray before = Read(Database());
    for (const char* option : {"--export-csv", "--export-ics", "--backup"}) {
        for (const QString& target : {File("plain/out"), File("folder"), File("missing/out")}) {
            EXPECT_EQ(Run({option, target}), 1) << option << " " << target.toStdString();
            EXPECT_TRUE(Err.contains(QStringLiteral("无法"))) << Err.toStdString();
            EXPECT_TRUE(Err.contains(target)) << Err.toStdString();
        }
        // Writing over the database itself would lose it.
        EXPECT_EQ(Run({option, Database()}), 1);
        EXPECT_TRUE(Err.contains(QStringLiteral("数据库文件"))) << Err.toStdString();
    }
    EXPECT_EQ(Read(Database()), before);
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"folder", "plain", "velna.dll"}));
    EXPECT_TRUE(QDir(File("folder")).isEmpty());
}
