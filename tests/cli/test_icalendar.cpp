#include "IcsCheck.h"
#include "app/cli/ICalendar.h"

#include <gtest/gtest.h>

TEST(ICalendar, LongLinesFoldWithinSeventyFiveOctetsWithoutSplittingACharacter) {
    QString text = QStringLiteral("DESCRIPTION:");
    for (int i = 0; i < 60; ++i) text += QStringLiteral("日a😀");
    const QByteArray folded = ics::FoldLine(text);
    ASSERT_TRUE(folded.endsWith("\r\n"));
    const QList<QByteArray> lines = folded.chopped(2).split('\n');
    ASSERT_GT(lines.size(), 5);
    QByteArray unfolded;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (i + 1 < lines.size()) {
            ASSERT_TRUE(line.endsWith('\r'));
            line.chop(1);
        }
        EXPECT_LE(line.size(), 75);
        if (i > 0) {
            ASSERT_TRUE(line.startsWith(' '));
            line.remove(0, 1);
        }
        // Each physical line is valid UTF-8 on its own.
        EXPECT_EQ(QString::fromUtf8(line).toUtf8(), line);
        unfolded += line;
    }
    EXPECT_EQ(QString::fromUtf8(unfolded), text);
    EXPECT_EQ(ics::FoldLine("SHORT"), "SHORT\r\n");
}

TEST(ICalendar, TextValuesEscapeTheCharactersThatSeparateValues) {
    EXPECT_EQ(ics::EscapeText("a,b;c\\d\ne\r\nf\rg\x01h\ti"), "a\\,b\\;c\\\\d\\ne\\nf\\ng"
                                                              "h\ti");
}

TEST(ICalendar, AllDayEventsEndTheDayAfterTheirLastDay) {
    const QByteArray cal =
        ics::Calendar({{"u1", EncodeDate(2026, 12, 30), EncodeDate(2027, 1, 3), "S", "", ""}},
                      "20261208T000000Z");
    EXPECT_TRUE(cal.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(cal.contains("DTSTART;VALUE=DATE:20261230\r\nDTEND;VALUE=DATE:20270104\r\n"));
    EXPECT_FALSE(cal.contains("DESCRIPTION"));
    EXPECT_TRUE(cal.endsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));
}

TEST(ICalendar, TheLibraryCheckingOurFilesSeesAnEventWithoutItsRequiredProperties) {
    const QByteArray bad = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//EN\r\n"
                           "BEGIN:VEVENT\r\nSUMMARY:no uid, no stamp\r\nEND:VEVENT\r\n"
                           "END:VCALENDAR\r\n";
    EXPECT_EQ(IcsProblems(bad).size(), 3u);
    // A value that is not a date is flagged by the library's parser.
    const QByteArray badDate =
        ics::Calendar({{"u", 1, 1, "ok", "", ""}}, "20261208T000000Z")
            .replace("DTSTART;VALUE=DATE:18991231", "DTSTART;VALUE=DATE:1899");
    EXPECT_FALSE(IcsProblems(badDate).empty());
    const QByteArray good = ics::Calendar({{"u", 1, 1, "ok", "", ""}}, "20261208T000000Z");
    EXPECT_EQ(IcsProblems(good), std::vector<std::string>{});
}
